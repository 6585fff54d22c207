// The ten demonstrations as built by the Demo menu: read back with the same geometry, wires on
// their ports, no findings of the classroom check, valves at rest; and the save question that
// may cancel them.

#include "demonstracoes/demonstracoes.h"
#include "documento/apoio_arquivos.h"
#include "edicao/paleta.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/controle_simulacao.h"
#include "simulacao/simulacao.h"
#include "simulacao/verificacao_circuito.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace zefira {
namespace {

// Builds a demonstration into a fresh document; an empty unnamed document asks nothing.
void construir(TEstado &estado, const QString &nome)
{
    TInterfaceRoteirizada ui;
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, nome));
    EXPECT_TRUE(ui.registro.isEmpty()) << ui.registro.join('\n').toStdString();
}

class Demonstracao : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override { construir(estado, GetParam()); }
    TLista_Componente &lista() { return estado.lista(); }

    TEstado estado;
};

// Every stored field is that of the corpus copy (the bytes are pinned through zefira-cli demo,
// which builds and saves the same way: DemoCli). Read back, the circuit has the same boxes,
// ports and shown squares: the derived fields survive too.
TEST_P(Demonstracao, LidaDeNovoIgual)
{
    EXPECT_EQ(estado.numero_selecionados, 0);
    EXPECT_EQ(estado.componente_atual.get(), lista().componente(lista().numero_componentes() - 1).get());
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString arquivo = pasta.filePath(QStringLiteral("demo.zfr"));
    ASSERT_TRUE(Salvar_Arquivo(estado, arquivo));
    TEstado lido;
    const TResultadoLeitura r = Abrir_Arquivo(lido, arquivo);
    ASSERT_EQ(r.status, StatusLeitura::Ok) << r.mensagem.toStdString();
    ASSERT_EQ(lido.lista().numero_componentes(), lista().numero_componentes());
    EXPECT_EQ(lido.lista().ultimo_codigo, lista().ultimo_codigo);
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &a = lista()[i], &b = lido.lista()[i];
        SCOPED_TRACE(a.codigo);
        EXPECT_FALSE(a.selecionado());
        EXPECT_EQ(std::tie(a.esquerda, a.topo, a.direita, a.baixo), std::tie(b.esquerda, b.topo, b.direita, b.baixo));
        for (int p = 1; p <= NUMERO_PORTAS && !a.fio; ++p)
            EXPECT_EQ(a.ponto(p), b.ponto(p)) << "port " << p;
        if (a.valvula_direcional)
            EXPECT_EQ(a.valvula_direcional->posicao_desenhada, b.valvula_direcional->posicao_desenhada);
    }
}

// A correct circuit, as built. A wire's first point lies on its origin port and its last on its
// destination port, as laid out for the component's position; one route stops 2 pixels short and
// is kept that way: intuitivo2's wire 57 ends at (86, 127), left of valve 12's pilot port at
// (88, 127). The classroom check finds nothing. Each valve is built in the position the first
// tick's rest-state update will show it: rollers held by a cylinder standing on their label one
// position to the left.
TEST_P(Demonstracao, FiosNasPortasSemAvisosEmRepouso)
{
    const bool intuitivo2 = GetParam() == QLatin1String("intuitivo2");
    std::map<int, int> construida;
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &c = lista()[i];
        if (c.valvula_direcional)
            construida[c.codigo] = c.valvula_direcional->posicao_atual;
        if (!c.fio)
            continue;
        SCOPED_TRACE(c.codigo);
        const TComponente &o = *lista().procurar(c.fio->conexao_origem);
        const TComponente &d = *lista().procurar(c.fio->conexao_destino);
        EXPECT_EQ(c.fio->pontos.front(), o.ponto(c.fio->pino_origem));
        const TPonto fim = intuitivo2 && c.codigo == 57 ? TPonto(86, 127) : d.ponto(c.fio->pino_destino);
        EXPECT_EQ(c.fio->pontos.back(), fim);
    }
    if (intuitivo2)
        EXPECT_EQ(lista().procurar(12)->ponto(6), TPonto(88, 127));
    for (const TAviso &a : Verificar_Circuito(lista()))
        ADD_FAILURE() << a.linha().toStdString();
    AtualizarAcionadores(estado);
    for (const auto &[codigo, posicao] : construida)
        EXPECT_EQ(lista().procurar(codigo)->valvula_direcional->posicao_atual, posicao) << codigo;
}

INSTANTIATE_TEST_SUITE_P(Dez, Demonstracao, ::testing::ValuesIn(Nomes_Demonstracoes()),
                         [](const ::testing::TestParamInfo<QString> &i) { return i.param.toStdString(); });

// The menu's order of the names is pinned through zefira-cli demo --lista (DemoCli). An unknown
// name leaves the circuit as it was.
TEST(Demonstracoes, TituloNaLegendaDaAreaDeTrabalhoENomeDesconhecido)
{
    TEstado estado;
    construir(estado, QStringLiteral("comandobasico1"));
    QString legenda;
    TApresentacaoSimulacao apresentacao;
    apresentacao.definir_titulo = [&](const QString &t) { legenda = t; };
    Timer1Timer(estado, apresentacao);
    EXPECT_EQ(legenda, QStringLiteral("Área de Trabalho - DEMO - Comando Básico 1"));

    const TLista_Componente *antes = estado.lista_componentes.get();
    TInterfaceRoteirizada ui;
    EXPECT_FALSE(Construir_Demonstracao(estado, ui, QStringLiteral("nenhuma")));
    EXPECT_TRUE(ui.registro.isEmpty());
    EXPECT_EQ(estado.lista_componentes.get(), antes);
    EXPECT_EQ(estado.nome_documento, QStringLiteral(" - DEMO - Comando Básico 1"));
}

// Over a modified, named circuit (one jump placed from the palette) the demonstration asks to
// save it first: Cancel keeps the circuit, No replaces it. A demonstration also leaves a named
// circuit, so the next one asks too.
TEST(Demonstracoes, PerguntaAntesDeSubstituir)
{
    const struct {
        const char *antes; // nullptr: the user's circuit
        Resposta resposta;
        bool construida;
        const char *titulo;
        int componentes;
    } casos[] = {
        {nullptr, Resposta::Cancelar, false, " - meu.zfr", 1},
        {nullptr, Resposta::Nao, true, " - DEMO - Cascata", 44},
        {"funcaoE", Resposta::Nao, true, " - DEMO - Cascata", 44},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(k.antes ? k.antes : "meu.zfr");
        TEstado estado;
        if (k.antes) {
            construir(estado, QString::fromLatin1(k.antes));
        } else {
            Posicionar_Componente(estado, 14, 100, 100);
            estado.nome_documento = QStringLiteral(" - meu.zfr");
        }
        const TLista_Componente *antes = estado.lista_componentes.get();
        TInterfaceRoteirizada ui;
        ui.respostas = {k.resposta};
        EXPECT_EQ(Construir_Demonstracao(estado, ui, QStringLiteral("cascata")), k.construida);
        EXPECT_EQ(ui.registro, QStringList{QStringLiteral("pergunta: Deseja salvar o Sistema Atual?")});
        EXPECT_EQ(estado.nome_documento, QString::fromUtf8(k.titulo));
        ASSERT_EQ(estado.lista().numero_componentes(), k.componentes);
        if (!k.construida) {
            EXPECT_EQ(estado.lista_componentes.get(), antes);
            EXPECT_EQ(estado.lista()[0].tipo, TIPO_JUMP);
            EXPECT_TRUE(estado.modificado);
            EXPECT_FALSE(estado.novo_confirmado);
        }
    }
}

} // namespace
} // namespace zefira
