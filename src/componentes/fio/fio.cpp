#include "componentes/fio/fio.h"

namespace zefira {

void TFio::remover_ponto(int i)
{
    if (i >= 0 && i < numero_pontos())
        pontos.erase(pontos.begin() + i);
}

void TFio::mover_ponto(int i, const TPonto &p, bool relativo)
{
    TPonto &alvo = ponto(i);
    if (relativo) {
        alvo.x += p.x;
        alvo.y += p.y;
    } else {
        alvo = p;
    }
}

void TFio::ligar(bool origem, int conexao, int pino)
{
    if (origem) {
        conexao_origem = conexao;
        pino_origem = pino;
    } else {
        conexao_destino = conexao;
        pino_destino = pino;
    }
}

} // namespace zefira
