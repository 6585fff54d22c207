#include "componentes/eletrico/caminhos_corrente.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/registro.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <algorithm>
#include <vector>

namespace zefira {

namespace {

bool em_caminho(const TComponente &c)
{
    return c.familia().eletrica() && c.tipo != TIPO_BORNE && c.tipo != TIPO_DERIVACAO;
}

} // namespace

TCaminhos_Corrente::TCaminhos_Corrente(const TLista_Componente &lista) : lista_(lista)
{
    std::vector<const TComponente *> partes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (em_caminho(lista[i]))
            partes.push_back(&lista[i]);
    std::stable_sort(partes.begin(), partes.end(),
                     [](const TComponente *a, const TComponente *b) { return a->esquerda < b->esquerda; });
    int numero = 0;
    qint64 fim = 0; // the right edge of the path being gathered (direita is one past the box)
    std::vector<std::pair<qint64, qint64>> faixas;
    for (const TComponente *c : partes) {
        if (numero == 0 || c->esquerda >= fim) {
            ++numero;
            faixas.push_back({c->esquerda, c->direita});
        }
        fim = faixas.back().second = std::max<qint64>(faixas.back().second, c->direita);
        caminhos_.insert(c, numero);
    }
    std::vector<const TComponente *> topo(faixas.size(), nullptr);
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (!c.familia().eletrica())
            continue;
        // The paths are disjoint and in order: those the box meets follow one another.
        auto k = size_t(std::upper_bound(faixas.begin(), faixas.end(), qint64(c.esquerda),
                                         [](qint64 x, const auto &f) { return x < f.second; }) -
                        faixas.begin());
        for (; k < faixas.size() && faixas[k].first < c.direita; ++k)
            if (!topo[k] || c.topo < topo[k]->topo)
                topo[k] = &c;
    }
    // One row over the whole diagram, as a ladder drawing numbers its paths.
    int y = 0;
    for (size_t k = 0; k < faixas.size(); ++k)
        y = k == 0 ? topo[k]->topo : std::min(y, topo[k]->topo);
    for (size_t k = 0; k < faixas.size(); ++k)
        numeros_.push_back({int(k) + 1, topo[k]->ponto(1).x, y - 14});
}

QStringList TCaminhos_Corrente::contatos(const TComponente &bobina) const
{
    if (!bobina.eletrico)
        return {};
    const QString tag = Chave_Tag(bobina.eletrico->tag);
    std::vector<int> na, nf;
    for (int i = 0; i < lista_.numero_componentes(); ++i) {
        const TComponente &c = lista_[i];
        if (c.tipo != TIPO_CONTATO || Chave_Tag(c.eletrico->tag) != tag)
            continue;
        const bool comutador = c.eletrico->modo != 0;
        if (comutador || !c.eletrico->nf)
            na.push_back(caminho(c));
        if (comutador || c.eletrico->nf)
            nf.push_back(caminho(c));
    }
    QStringList linhas;
    for (auto [nome, lista] : {std::pair{"NA", &na}, std::pair{"NF", &nf}}) {
        if (lista->empty())
            continue;
        std::sort(lista->begin(), lista->end());
        QStringList numeros;
        for (int n : *lista)
            numeros << QString::number(n);
        linhas << QStringLiteral("%1 %2").arg(QLatin1String(nome), numeros.join(QStringLiteral(", ")));
    }
    return linhas;
}

} // namespace zefira
