// Replays every file of the given folders through the fuzz target, as libFuzzer would, so the
// seed corpus (demonstrations, fixtures, past reproducers) runs in the ordinary test suite.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho);

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int arquivos = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir pasta(QFile::decodeName(argv[i]));
        for (const QString &nome : pasta.entryList(QDir::Files, QDir::Name)) {
            QFile f(pasta.filePath(nome));
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "não foi possível ler %s\n", qPrintable(f.fileName()));
                return 1;
            }
            const QByteArray dados = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(dados.constData()), size_t(dados.size()));
            ++arquivos;
        }
    }
    std::printf("%d arquivos reproduzidos\n", arquivos);
    return arquivos > 0 ? 0 : 1;
}
