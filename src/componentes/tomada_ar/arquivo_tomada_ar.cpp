// The air supply in files and demonstrations.
#include "componentes/tomada_ar/familia_tomada_ar.h"

#include "componentes/campo_arquivo.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <QRegularExpression>

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

TTomada_Ar &Ta(C &x) { return *x.componente.tomada_ar; }
const TTomada_Ar &Ta(const TComponente &c) { return *c.tomada_ar; }

TTipo_Arquivo tipo_arquivo()
{
    return {"Tomada de Ar", false, false, {
        Campo_Codigo(),
        Campo_Nome(),
        Campo_Selecao(),
        {T::Inteiro, "Pressão", G::Feminino, [](C &x, int n, const QString &) { Ta(x).pressao = n; },
         [](const TComponente &c) { return Ta(c).pressao; }, nullptr, true},
        {T::Inteiro, "Conexão", G::Feminino, [](C &x, int n, const QString &) { Ta(x).ligar(n, -1); },
         [](const TComponente &c) { return Ta(c).conexao; }, nullptr},
        {T::Inteiro, "Pino", G::Masculino, [](C &x, int n, const QString &) { Ta(x).pino = n; },
         [](const TComponente &c) { return Ta(c).pino; }, nullptr},
        Campo_Esquerda(),
        Campo_Topo(),
        // Set by the supply dialog.
        {T::Memoria, nullptr, G::Masculino, [](C &x, int n, const QString &) { Ta(x).fuzzy = n; },
         [](const TComponente &c) { return int(Ta(c).fuzzy); }, nullptr, true},
    }};
}

} // namespace

const TTipo_Arquivo *TFamilia_Tomada_Ar::arquivo() const
{
    static const TTipo_Arquivo tipo = tipo_arquivo();
    return &tipo;
}

void TFamilia_Tomada_Ar::concluir_leitura(TComponente &c) const
{
    c.tomada_ar->recarregar();
    c.atualizar_geometria();
}

bool TFamilia_Tomada_Ar::palavra_demonstracao(const QString &palavra, TVariante &) const
{
    return palavra == QLatin1String("air supply");
}

// A demonstration supply holds 6 bar; "on 3.1" docks it on port 1 of component 3.
bool TFamilia_Tomada_Ar::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    static const QRegularExpression em(R"(^on (\d+)\.(\d+)$)");
    int esquerda = 0, topo = 0;
    if (!linha.ler_posicao(esquerda, topo))
        return false;
    int conexao = -1, pino = -1;
    for (const QString &ajuste : linha.lista_ajustes()) {
        const auto m = em.match(ajuste);
        if (!m.hasMatch())
            return false;
        conexao = m.captured(1).toInt();
        pino = m.captured(2).toInt();
    }
    c.codigo = linha.codigo;
    c.tomada_ar->pressao = 6;
    c.tomada_ar->ligar(conexao, pino);
    c.esquerda = esquerda;
    c.topo = topo;
    c.tomada_ar->recarregar();
    c.atualizar_geometria();
    return true;
}

void TFamilia_Tomada_Ar::ligar_demonstracao(TLista_Componente &lista, TComponente &c) const
{
    if (TComponente *v = lista.procurar(c.tomada_ar->conexao))
        v->ligar(c.tomada_ar->pino, c.codigo);
}

} // namespace zefira
