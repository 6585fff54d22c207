#include "simulacao/forca_teorica.h"

#include "modelo/constantes.h"

namespace zefira {

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double N_POR_MM2_POR_BAR = 0.1;
constexpr double N_POR_KGF = 9.80665; // standard gravity
constexpr int SIMPLES_ACAO = 1;
constexpr int HASTE_DUPLA = 3;

double area_circulo(double diametro) { return PI * diametro * diametro / 4; }

} // namespace

int Forca_Teorica(int tipo, int pistao, int haste, int pressao, bool avancar)
{
    if (tipo == SIMPLES_ACAO && !avancar)
        return 0;
    double area = area_circulo(pistao);
    if (tipo == HASTE_DUPLA || !avancar)
        area -= area_circulo(haste);
    if (area <= 0 || pressao <= 0)
        return 0;
    const double kgf = pressao * N_POR_MM2_POR_BAR * area / N_POR_KGF;
    return kgf < INT_MAX ? R(kgf) : INT_MAX;
}

} // namespace zefira
