// The junction in files and demonstrations.
#include "componentes/jump/familia_jump.h"

#include "componentes/campo_arquivo.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/componente.h"

namespace zefira {

namespace {

using C = TContexto_Leitura;

// The four ports share one word.
template <int P> TCampo_Arquivo campo_conexao()
{
    return {TipoCampo::Conexao, "Conexão", Genero::Feminino,
            [](C &x, int n, const QString &) { x.componente.jump->ligar(P, n); },
            [](const TComponente &c) { return c.jump->conexao(P); }, nullptr};
}

} // namespace

const TTipo_Arquivo *TFamilia_Jump::arquivo() const
{
    static const TTipo_Arquivo tipo{"Jump", true, false, {
        Campo_Codigo(),
        Campo_Nome(),
        Campo_Selecao(),
        campo_conexao<1>(),
        campo_conexao<2>(),
        campo_conexao<3>(),
        campo_conexao<4>(),
        Campo_Esquerda(),
        Campo_Topo(),
    }};
    return &tipo;
}

void TFamilia_Jump::concluir_leitura(TComponente &c) const { c.atualizar_geometria(); }

bool TFamilia_Jump::palavra_demonstracao(const QString &palavra, TVariante &) const
{
    return palavra == QLatin1String("jump");
}

bool TFamilia_Jump::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    int esquerda = 0, topo = 0;
    if (!linha.ler_posicao(esquerda, topo) || !linha.lista_ajustes().isEmpty())
        return false;
    c.codigo = linha.codigo;
    c.esquerda = esquerda;
    c.topo = topo;
    c.jump->recarregar();
    c.atualizar_geometria();
    return true;
}

void TFamilia_Jump::ligar_demonstracao(TLista_Componente &, TComponente &) const {}

} // namespace zefira
