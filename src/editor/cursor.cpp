// Choice of the work area's mouse cursor from the editor mode and the pointer overlays.
#include "editor/selecao.h"

namespace zefira {

namespace {

constexpr int MODO_EDICAO = 0;
constexpr int MODO_FIO = 1;
constexpr int MODO_PRIMEIRA_PECA = 2;  // palette placement modes: valve of 2 ways ...
constexpr int MODO_ULTIMA_PECA = 14;   // ... up to the jump
constexpr int MODO_SIMULACAO = 15;

} // namespace

TCursor atualizar_cursor(const TEstado &estado)
{
    TCursor cursor;
    const int modo = estado.modo;
    if (estado.mostrar_mira || estado.mostrar_cruz || modo == MODO_FIO) {
        cursor.tipo = TipoCursor::Oculto; // the renderer draws its own sight or cross
    } else if (modo == MODO_EDICAO || modo == MODO_SIMULACAO) {
        cursor.tipo = TipoCursor::Mao;
    } else if (modo >= MODO_PRIMEIRA_PECA && modo <= MODO_ULTIMA_PECA) {
        // One placement cursor per palette component, loaded in slots 1..13.
        cursor.tipo = TipoCursor::Posicionamento;
        cursor.indice = modo - 1;
    }
    return cursor;
}

TCursor atualizar_cursor(TEstado &estado)
{
    if (!estado.mostrar_mira && !estado.mostrar_cruz && estado.modo == MODO_FIO)
        estado.mostrar_mira = true;
    return atualizar_cursor(static_cast<const TEstado &>(estado));
}

} // namespace zefira
