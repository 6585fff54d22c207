// Port direction table, one row per kind; index 0 of each row is unused.
#include "modelo/direcao_porta.h"

#include "modelo/componente.h"

namespace zefira {

namespace {

constexpr int B = DIRECAO_BAIXO, C = DIRECAO_CIMA, E = DIRECAO_ESQUERDA, D = DIRECAO_DIREITA;

constexpr int VALVULA[8] = {0, B, C, B, C, B, E, D};
constexpr int TOMADA_AR[8] = {0, C, 0, 0, 0, 0, 0, 0};
constexpr int CILINDRO[8] = {0, B, B, 0, 0, 0, 0, 0};
constexpr int E_OU_ESCAPE[8] = {0, E, C, D, 0, 0, 0, 0};
constexpr int REGULADORA[8] = {0, C, B, D, 0, 0, 0, 0};
constexpr int JUMP[8] = {0, C, B, E, D, 0, 0, 0};

const int *tabela(const TComponente &c)
{
    switch (c.tipo) {
    case TIPO_VALVULA_DIRECIONAL: return VALVULA;
    case TIPO_TOMADA_AR: return TOMADA_AR;
    case TIPO_CILINDRO: return CILINDRO;
    case TIPO_E_OU_ESC_REG:
        return c.valvula_e_ou_esc_reg && c.valvula_e_ou_esc_reg->tipo() == EOU_REGULADORA ? REGULADORA
                                                                                          : E_OU_ESCAPE;
    case TIPO_JUMP: return JUMP;
    default: return nullptr;
    }
}

} // namespace

int Direcao_Porta(const TComponente &c, int porta)
{
    const int *t = tabela(c);
    if (!t || porta < 1 || porta > NUMERO_PORTAS)
        return 0;
    return t[porta];
}

} // namespace zefira
