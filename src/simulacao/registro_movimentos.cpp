#include "simulacao/registro_movimentos.h"

namespace zefira {

namespace {

bool mesmas_linhas(const std::vector<TLinha_Historico> &a, const std::vector<TLinha_Historico> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].codigo != b[i].codigo || a[i].cilindro != b[i].cilindro || a[i].eletrico != b[i].eletrico)
            return false;
    return true;
}

} // namespace

void Registrar_Passo(TEstado &estado)
{
    std::vector<TLinha_Historico> linhas;
    std::vector<int> posicoes;
    const TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        TLinha_Historico linha;
        int posicao = 0;
        if (c.familia().registrar_posicao(c, linha, posicao)) {
            linhas.push_back(std::move(linha));
            posicoes.push_back(posicao);
        }
    }
    THistorico_Passos &h = estado.historico;
    if (!mesmas_linhas(h.linhas, linhas)) {
        h.limpar();
        h.linhas = std::move(linhas);
    }
    h.passos.push_back(std::move(posicoes));
}

QStringList Movimentos_Passo(const THistorico_Passos &h, int k)
{
    QStringList movimentos;
    if (k < 1 || k >= h.numero_passos())
        return movimentos;
    const std::vector<int> &antes = h.passos[size_t(k - 1)];
    const std::vector<int> &depois = h.passos[size_t(k)];
    for (size_t i = 0; i < h.linhas.size(); ++i) {
        if (!h.linhas[i].cilindro || antes[i] == depois[i])
            continue;
        movimentos << h.linhas[i].nome + QLatin1Char(depois[i] > antes[i] ? '+' : '-');
    }
    return movimentos;
}

QStringList Sequencia_Observada(const THistorico_Passos &h)
{
    QStringList movimentos;
    for (int k = 1; k < h.numero_passos(); ++k)
        movimentos << Movimentos_Passo(h, k);
    return movimentos;
}

} // namespace zefira
