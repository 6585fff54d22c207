#include "simulacao/calculo_fuzzy.h"

#include "modelo/constantes.h"

namespace zefira {

double Calcular_Coeficiente(const TPonto &a, const TPonto &b, int x)
{
    // In double: exact for the small breakpoints used, and no overflow for any input.
    const double produto = (double(x) - a.x) * (double(b.y) - a.y);
    return produto / (double(b.x) - a.x) + a.y;
}

namespace {

enum Conjunto { BAIXO = 0, MEDIO = 1, ALTO = 2 };

double reta(int x0, int y0, int x1, int y1, int x) { return Calcular_Coeficiente(TPonto(x0, y0), TPonto(x1, y1), x); }

// Memberships of the pressure input (bar x 10). Medium is a triangle peaking at 50.
double pertinencia_pressao(int conjunto, int p)
{
    switch (conjunto) {
    case BAIXO: return p <= 20 ? 1.0 : reta(20, 1, 40, 0, p);
    case MEDIO: return p <= 50 ? reta(20, 0, 50, 1, p) : reta(50, 1, 80, 0, p);
    default: return p <= 80 ? reta(60, 0, 80, 1, p) : 1.0;
    }
}

// Memberships of the flow input (L/min / 20). Medium is a trapezoid with a plateau 41..60.
double pertinencia_vazao(int conjunto, int q)
{
    switch (conjunto) {
    case BAIXO: return q <= 20 ? 1.0 : reta(20, 1, 40, 0, q);
    case MEDIO:
        if (q <= 40)
            return reta(20, 0, 40, 1, q);
        return q <= 60 ? 1.0 : reta(60, 1, 80, 0, q);
    default: return q <= 80 ? reta(60, 0, 80, 1, q) : 1.0;
    }
}

// Which sets are active in each of the five input intervals (up to 20, 21..40, 41..60,
// 61..80, above 80). Sets outside their interval are not evaluated at all: their lines would
// give meaningless (even negative) values there.
constexpr bool ATIVOS[5][3] = {
    {true, false, false},
    {true, true, false},
    {false, true, false},
    {false, true, true},
    {false, false, true},
};

int intervalo(int v)
{
    if (v <= 20)
        return 0;
    if (v <= 40)
        return 1;
    if (v <= 60)
        return 2;
    if (v <= 80)
        return 3;
    return 4;
}

} // namespace

int Calculo_Fuzzy(int pressao, int vazao)
{
    const int ip = intervalo(pressao), iq = intervalo(vazao);
    double soma_ponderada = 0, soma_pesos = 0;
    for (int i = BAIXO; i <= ALTO; ++i) {
        for (int j = BAIXO; j <= ALTO; ++j) {
            if (!ATIVOS[ip][i] || !ATIVOS[iq][j])
                continue;
            double peso = pertinencia_pressao(i, pressao);
            const double mv = pertinencia_vazao(j, vazao);
            if (mv < peso)
                peso = mv;
            const int z = 10 + 20 * (i + j); // singleton output of rule 3i + j
            soma_ponderada += z * peso;
            soma_pesos += peso;
        }
    }
    if (soma_pesos == 0)
        return 0;
    return 10 * R(soma_ponderada / soma_pesos);
}

} // namespace zefira
