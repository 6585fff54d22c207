#include <cstdio>
int main() { std::puts("zefira-cli"); return 0; }
