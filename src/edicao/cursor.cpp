// Choice of the work area's mouse cursor from the editor mode and the pointer overlays.
#include "edicao/selecao.h"

namespace zefira {

TCursor atualizar_cursor(const TEstado &estado)
{
    TCursor cursor;
    const int modo = estado.modo;
    if (estado.mostrar_mira || estado.mostrar_cruz || modo == MODO_FIO) {
        cursor.tipo = TipoCursor::Oculto; // the renderer draws its own sight or cross
    } else if (modo == MODO_EDICAO || modo == MODO_SIMULACAO) {
        cursor.tipo = TipoCursor::Mao;
    } else if (posicionando(modo)) {
        // One placement cursor per palette component, loaded in palette order from slot 1.
        cursor.tipo = TipoCursor::Posicionamento;
        cursor.indice = Ordem_Peca(modo) + 1;
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
