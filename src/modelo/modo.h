#pragma once
// The editor's mode (TEstado::modo): editing, drawing a wire, placing a palette component, or
// simulating. The numbers stay as they are: scripts name placement codes ("paleta 3"), and the
// palette button held down (TEstado::botao_paleta) is the code of the mode it starts.

#include "modelo/constantes.h"

#include <iterator>

namespace zefira {

constexpr int MODO_EDICAO = 0;
constexpr int MODO_FIO = 1;
// Placing the component of one palette entry, in palette order.
constexpr int MODO_VALVULA_2VIAS = 2;
constexpr int MODO_VALVULA_3VIAS = 3;
constexpr int MODO_VALVULA_4VIAS = 4;
constexpr int MODO_VALVULA_5VIAS = 5;
constexpr int MODO_TOMADA_AR = 6;
constexpr int MODO_CILINDRO_SIMPLES_ACAO = 7;
constexpr int MODO_CILINDRO_HASTE_SIMPLES = 8;
constexpr int MODO_CILINDRO_HASTE_DUPLA = 9;
constexpr int MODO_VALVULA_E = 10;
constexpr int MODO_VALVULA_OU = 11;
constexpr int MODO_VALVULA_ESCAPE = 12;
constexpr int MODO_VALVULA_REGULADORA = 13;
constexpr int MODO_NO = 14;
constexpr int MODO_SIMULACAO = 15;

// What a placement mode puts on the work area: the kind arguments of TLista_Componente::adicionar
// (-1 where the kind has no such field).
struct TPeca {
    int modo;
    int tipo;
    int numero_vias;
    int tipo_cilindro; // 1 single acting, 2 double acting, 3 double rod
    int tipo_e_ou;
};

// One entry per palette button, in palette order: buttons, menu items and placement cursors
// follow this order.
inline constexpr TPeca PECAS[] = {
    {MODO_VALVULA_2VIAS, TIPO_VALVULA_DIRECIONAL, 2, -1, -1},
    {MODO_VALVULA_3VIAS, TIPO_VALVULA_DIRECIONAL, 3, -1, -1},
    {MODO_VALVULA_4VIAS, TIPO_VALVULA_DIRECIONAL, 4, -1, -1},
    {MODO_VALVULA_5VIAS, TIPO_VALVULA_DIRECIONAL, 5, -1, -1},
    {MODO_TOMADA_AR, TIPO_TOMADA_AR, -1, -1, -1},
    {MODO_CILINDRO_SIMPLES_ACAO, TIPO_CILINDRO, -1, 1, -1},
    {MODO_CILINDRO_HASTE_SIMPLES, TIPO_CILINDRO, -1, 2, -1},
    {MODO_CILINDRO_HASTE_DUPLA, TIPO_CILINDRO, -1, 3, -1},
    {MODO_VALVULA_E, TIPO_E_OU_ESC_REG, -1, -1, EOU_E},
    {MODO_VALVULA_OU, TIPO_E_OU_ESC_REG, -1, -1, EOU_OU},
    {MODO_VALVULA_ESCAPE, TIPO_E_OU_ESC_REG, -1, -1, EOU_ESCAPE},
    {MODO_VALVULA_REGULADORA, TIPO_E_OU_ESC_REG, -1, -1, EOU_REGULADORA},
    {MODO_NO, TIPO_JUMP, -1, -1, -1},
};
constexpr int NUMERO_PECAS = int(std::size(PECAS));

// Place of a placement mode in palette order (0 .. NUMERO_PECAS - 1); -1 when `modo` places nothing.
constexpr int Ordem_Peca(int modo)
{
    for (int i = 0; i < NUMERO_PECAS; ++i)
        if (PECAS[i].modo == modo)
            return i;
    return -1;
}

// True while `modo` is placing a palette component.
constexpr bool posicionando(int modo) { return Ordem_Peca(modo) >= 0; }

// The component `modo` places, or nullptr when it places nothing.
constexpr const TPeca *Peca_Posicionada(int modo)
{
    const int i = Ordem_Peca(modo);
    return i < 0 ? nullptr : &PECAS[i];
}

constexpr bool codigos_distintos()
{
    for (int i = 0; i < NUMERO_PECAS; ++i)
        if (Ordem_Peca(PECAS[i].modo) != i)
            return false;
    return true;
}
static_assert(codigos_distintos() && !posicionando(MODO_EDICAO) && !posicionando(MODO_FIO) &&
                  !posicionando(MODO_SIMULACAO),
              "every mode needs a value of its own");

} // namespace zefira
