// The ten demonstrations as built by the Demo menu: their records, settings and connections,
// the save question that may cancel them, and a save and reload that gives the same circuit.

#include "demonstracoes/apoio_demos.h"

#include "edicao/paleta.h"
#include "documento/apoio_arquivos.h"
#include "simulacao/controle_simulacao.h"

#include <QTemporaryDir>
#include <algorithm>
#include <set>
#include <tuple>

namespace zefira {
namespace {

using teste::Demos_Esperadas;
using teste::TDemoEsperada;

int tipo_da_letra(char letra)
{
    switch (letra) {
    case 'C': return TIPO_CILINDRO;
    case 'V': return TIPO_VALVULA_DIRECIONAL;
    case 'S': return TIPO_TOMADA_AR;
    case 'W': return TIPO_FIO;
    case 'E': return TIPO_E_OU_ESC_REG;
    case 'J': return TIPO_JUMP;
    default: return TIPO_NENHUM;
    }
}

// Builds a demonstration into a fresh document; an empty unnamed document asks nothing.
void construir(TEstado &estado, const char *nome)
{
    TInterfaceRoteirizada ui;
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, QString::fromLatin1(nome)));
    EXPECT_TRUE(ui.registro.isEmpty()) << ui.registro.join('\n').toStdString();
}

class Demonstracao : public ::testing::TestWithParam<size_t> {
protected:
    void SetUp() override { construir(estado, esperada().nome); }
    const TDemoEsperada &esperada() const { return Demos_Esperadas()[GetParam()]; }
    TLista_Componente &lista() { return estado.lista(); }

    TEstado estado;
};

TEST_P(Demonstracao, RegistrosNaOrdemDaTabela)
{
    const TDemoEsperada &e = esperada();
    ASSERT_EQ(lista().numero_componentes(), int(e.codigos.size()));
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lista()[i].codigo, e.codigos[size_t(i)]);
        EXPECT_EQ(lista()[i].tipo, tipo_da_letra(e.tipos[i]));
    }
    EXPECT_EQ(estado.nome_documento, QString::fromUtf8(e.titulo));
    EXPECT_EQ(estado.componente_atual.get(), lista().componente(lista().numero_componentes() - 1).get());
    EXPECT_EQ(estado.numero_selecionados, 0);
    for (int i = 0; i < lista().numero_componentes(); ++i)
        EXPECT_FALSE(lista()[i].selecionado()) << lista()[i].codigo;
    // The counter lies one past the highest code, so the next placed code skips one.
    EXPECT_EQ(lista().ultimo_codigo, *std::max_element(e.codigos.begin(), e.codigos.end()) + 1);
}

// The settings every demonstration shares: record names, valve squares, cylinder size and start,
// supply pressure, AND/OR state and flow.
TEST_P(Demonstracao, AjustesComuns)
{
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &c = lista()[i];
        SCOPED_TRACE(c.codigo);
        if (const TValvula_Direcional *v = c.valvula_direcional.get()) {
            ASSERT_TRUE(v->numero_vias == 3 || v->numero_vias == 5);
            EXPECT_EQ(c.nome, QStringLiteral("Válvula de %1 vias").arg(v->numero_vias));
            ASSERT_TRUE(v->parte(1) && v->parte(2));
            EXPECT_EQ(v->parte(1)->tipo(), v->numero_vias == 3 ? 4 : 16);
            EXPECT_EQ(v->parte(2)->tipo(), v->numero_vias == 3 ? 5 : 15);
            EXPECT_EQ(v->parte(3), nullptr);
            EXPECT_TRUE(v->mostrar_nome);
            EXPECT_EQ(v->posicao_atual, v->posicao_desenhada);
            // Exactly one thing on each side: an actuator, a pilot or a spring (or nothing on
            // the right of the latching start valves).
            EXPECT_EQ(v->acao_manual(true), 0);
            EXPECT_EQ(v->acao_mecanica(true), 0);
            EXPECT_LE(int(v->piloto_esq) + int(v->mola_esq) + int(v->acao_manual(false) != 0)
                          + int(v->acao_mecanica(false) != 0),
                      1);
            EXPECT_FALSE(v->mola_esq);
            EXPECT_FALSE(v->piloto_dir && v->mola_dir);
            EXPECT_FALSE(v->acionado_esq || v->acionado_dir);
            // Only rollers carry a cylinder label; only the others a name.
            EXPECT_EQ(v->acao_mecanica(false) == 2, !v->rotulo.isEmpty());
            EXPECT_EQ(v->acao_mecanica(false) == 2, v->descricao.isEmpty());
        } else if (const TCilindro *ci = c.cilindro.get()) {
            EXPECT_EQ(c.nome, QStringLiteral("Cilindro"));
            EXPECT_EQ(ci->posicao, 0);
            EXPECT_EQ(ci->pistao, 100);
            EXPECT_EQ(ci->haste, 40);
            EXPECT_TRUE(ci->tipo() == 1 || ci->tipo() == 2);
            EXPECT_TRUE(ci->nome == QLatin1String("A") || ci->nome == QLatin1String("B"));
        } else if (const TTomada_Ar *s = c.tomada_ar.get()) {
            EXPECT_EQ(c.nome, QStringLiteral("Tomada de Ar"));
            EXPECT_EQ(s->pressao, 6);
            EXPECT_EQ(s->pino, 1);
        } else if (const TValvula_E_OU_ESC_REG *eo = c.valvula_e_ou_esc_reg.get()) {
            EXPECT_EQ(c.nome, QStringLiteral("Válvula E OU ESC REG"));
            EXPECT_TRUE(eo->tipo() == EOU_E || eo->tipo() == EOU_OU);
            EXPECT_EQ(eo->estado(), 1);
            EXPECT_EQ(eo->vazao, 1000);
        } else if (c.jump) {
            EXPECT_EQ(c.nome, QStringLiteral("Jump"));
        } else {
            ASSERT_TRUE(c.fio);
            EXPECT_TRUE(c.nome.isEmpty());
            EXPECT_GE(c.fio->numero_pontos(), 3);
        }
    }
}

// Both directions: every wire end and every docked supply is found in the slot it names, and
// every occupied slot is accounted for by one of them.
TEST_P(Demonstracao, ConexoesCoincidemComFiosETomadas)
{
    std::set<std::pair<int, int>> esperadas; // (component, port) that must hold something
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &c = lista()[i];
        SCOPED_TRACE(c.codigo);
        if (c.fio) {
            for (bool origem : {true, false}) {
                const TComponente *x = lista().procurar(c.fio->conexao(origem));
                ASSERT_NE(x, nullptr);
                EXPECT_NE(x->tipo, TIPO_FIO);
                EXPECT_EQ(x->conexao(c.fio->pino(origem)), c.codigo);
                EXPECT_TRUE(esperadas.insert({x->codigo, c.fio->pino(origem)}).second);
            }
        } else if (c.tomada_ar) {
            const TComponente *x = lista().procurar(c.tomada_ar->conexao);
            ASSERT_NE(x, nullptr);
            EXPECT_EQ(x->tipo, TIPO_VALVULA_DIRECIONAL);
            EXPECT_EQ(x->conexao(1), c.codigo);
            EXPECT_TRUE(esperadas.insert({x->codigo, 1}).second);
        }
    }
    // A supply's own slot names its host, checked above.
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &c = lista()[i];
        if (c.tomada_ar)
            continue;
        for (int p = 1; p <= c.numero_portas(); ++p) {
            const int k = c.conexao(p);
            if (k == -1)
                continue;
            SCOPED_TRACE(QStringLiteral("%1.%2").arg(c.codigo).arg(p).toStdString());
            const TComponente *x = lista().procurar(k);
            ASSERT_NE(x, nullptr) << "slot names absent code " << k;
            EXPECT_TRUE(x->tipo == TIPO_FIO || x->tipo == TIPO_TOMADA_AR);
            EXPECT_TRUE(esperadas.count({c.codigo, p}));
        }
    }
}

// A wire's first point lies on its origin port and its last on its destination port, as laid
// out for the component's position. One route stops 2 pixels short and is kept that way:
// intuitivo2's wire 57 ends at (86, 127), left of valve 12's pilot port at (88, 127).
TEST_P(Demonstracao, FiosNasPortas)
{
    const bool intuitivo2 = QLatin1String(esperada().nome) == QLatin1String("intuitivo2");
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &c = lista()[i];
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
}

// The flag marks the valves with a docked supply, with the two exceptions the circuits come
// with: funcaoE's valve 6 is fed by a wire from valve 8, and cascata's valve 37 has its supply
// without the flag.
TEST_P(Demonstracao, TomadaArMarcaAsValvulasAlimentadas)
{
    const QString nome = QString::fromLatin1(esperada().nome);
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &c = lista()[i];
        if (!c.valvula_direcional)
            continue;
        const TComponente *p1 = lista().procurar(c.conexao(1));
        const bool tomada = p1 && p1->tipo == TIPO_TOMADA_AR;
        const bool excecao = (nome == QLatin1String("funcaoE") && c.codigo == 6)
                             || (nome == QLatin1String("cascata") && c.codigo == 37);
        EXPECT_EQ(c.valvula_direcional->tomada_ar, tomada != excecao) << c.codigo;
    }
}

// Each valve is built in the position the first tick's rest-state update will show it: rollers
// held by a cylinder standing on their label one position to the left.
TEST_P(Demonstracao, ConstruidaNoEstadoDeRepouso)
{
    std::map<int, int> construida;
    for (int i = 0; i < lista().numero_componentes(); ++i)
        if (lista()[i].valvula_direcional)
            construida[lista()[i].codigo] = lista()[i].valvula_direcional->posicao_atual;
    AtualizarAcionadores(estado);
    for (const auto &[codigo, posicao] : construida)
        EXPECT_EQ(lista().procurar(codigo)->valvula_direcional->posicao_atual, posicao) << codigo;
}

// Read back, the circuit is written to the same bytes (every stored field survives) and is laid
// out with the same boxes and ports (every derived field too).
TEST_P(Demonstracao, SalvaELidaDeNovoIgual)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString arquivo = pasta.filePath(QStringLiteral("demo.zfr"));
    const QString de_novo = pasta.filePath(QStringLiteral("de_novo.zfr"));
    ASSERT_TRUE(Salvar_Arquivo(estado, arquivo));

    TEstado lido;
    const TResultadoLeitura r = Abrir_Arquivo(lido, arquivo);
    ASSERT_EQ(r.status, StatusLeitura::Ok) << r.mensagem.toStdString();
    ASSERT_EQ(lido.lista().numero_componentes(), lista().numero_componentes());
    EXPECT_EQ(lido.lista().ultimo_codigo, lista().ultimo_codigo);
    for (int i = 0; i < lista().numero_componentes(); ++i) {
        const TComponente &a = lista()[i], &b = lido.lista()[i];
        SCOPED_TRACE(a.codigo);
        EXPECT_EQ(std::tie(a.esquerda, a.topo, a.direita, a.baixo), std::tie(b.esquerda, b.topo, b.direita, b.baixo));
        for (int p = 1; p <= NUMERO_PORTAS && !a.fio; ++p)
            EXPECT_EQ(a.ponto(p), b.ponto(p)) << "port " << p;
        if (a.valvula_direcional)
            EXPECT_EQ(a.valvula_direcional->posicao_desenhada, b.valvula_direcional->posicao_desenhada);
    }
    ASSERT_TRUE(Salvar_Arquivo(lido, de_novo));
    EXPECT_EQ(teste::sem_data(teste::ler_bytes(de_novo)), teste::sem_data(teste::ler_bytes(arquivo)));
}

INSTANTIATE_TEST_SUITE_P(Dez, Demonstracao, ::testing::Range<size_t>(0, 10),
                         [](const ::testing::TestParamInfo<size_t> &i) {
                             return std::string(Demos_Esperadas()[i.param].nome);
                         });

// The menu's order of the names is pinned through zefira-cli demo --lista (DemoCli).
TEST(Demonstracoes, TituloNaLegendaDaAreaDeTrabalho)
{
    TEstado estado;
    construir(estado, "comandobasico1");
    QString legenda;
    TApresentacaoSimulacao apresentacao;
    apresentacao.definir_titulo = [&](const QString &t) { legenda = t; };
    Timer1Timer(estado, apresentacao);
    EXPECT_EQ(legenda, QStringLiteral("Área de Trabalho - DEMO - Comando Básico 1"));
}

TEST(Demonstracoes, ValvulasQueComecamAcionadas)
{
    // Initial 2 but built current and drawn 1: the roller is held by a cylinder at rest. The
    // others start, are built and drawn in 1.
    const struct {
        const char *nome;
        int codigo, inicial;
    } casos[] = {{"intuitivo2", 22, 2},     {"cascata", 22, 2},    {"cascata", 42, 2},    {"passoapasso", 22, 2},
                 {"passoapasso", 42, 2},    {"AAcclocontnuo1", 6, 1}, {"intuitivo1", 42, 1}, {"intuitivo1", 49, 1},
                 {"intuitivo2", 42, 1},     {"intuitivo2", 49, 1}, {"passoapasso", 113, 1}};
    for (const auto &k : casos) {
        SCOPED_TRACE(testing::Message() << k.nome << " " << k.codigo);
        TEstado estado;
        construir(estado, k.nome);
        const TValvula_Direcional &v = *estado.lista().procurar(k.codigo)->valvula_direcional;
        EXPECT_EQ(v.posicao_inicial, k.inicial);
        EXPECT_EQ(v.posicao_atual, 1);
        EXPECT_EQ(v.posicao_desenhada, 1);
    }
}

TEST(Demonstracoes, PassoAPassoE4ComBrancoFinal)
{
    TEstado estado;
    construir(estado, "passoapasso");
    EXPECT_EQ(estado.lista().procurar(113)->valvula_direcional->descricao, QStringLiteral("E4 "));
    EXPECT_EQ(estado.lista().procurar(112)->valvula_direcional->descricao, QStringLiteral("E3"));
}

using Rotulos = std::vector<std::pair<QString, int>>;

Rotulos rotulos(const TEstado &estado, int codigo)
{
    Rotulos r;
    const TCilindro &c = *estado.lista_componentes->procurar(codigo)->cilindro;
    for (int i = 1; i <= NUMERO_ROTULOS; ++i)
        r.emplace_back(c.rotulo(i).texto, c.rotulo(i).posicao);
    return r;
}

Rotulos dois(const char *a, int pa, const char *b, int pb)
{
    Rotulos r{{QString::fromLatin1(a), pa}, {QString::fromLatin1(b), pb}};
    r.resize(NUMERO_ROTULOS, {QString(), 0});
    return r;
}

TEST(Demonstracoes, RotulosDosCilindros)
{
    TEstado i1;
    construir(i1, "intuitivo1");
    EXPECT_EQ(rotulos(i1, 11), dois("b1", 0, "b2", 100));
    EXPECT_EQ(rotulos(i1, 36), dois("a2", 0, "a1", 100));
    for (const char *nome : {"intuitivo2", "cascata", "passoapasso"}) {
        SCOPED_TRACE(nome);
        TEstado e;
        construir(e, nome);
        EXPECT_EQ(rotulos(e, 11), dois("a2", 0, "b2", 100));
        EXPECT_EQ(rotulos(e, 36), dois("a1", 0, "b1", 100));
        EXPECT_EQ(e.lista().procurar(11)->cilindro->nome, QStringLiteral("A"));
        EXPECT_EQ(e.lista().procurar(36)->cilindro->nome, QStringLiteral("B"));
    }
    TEstado unico, continuo;
    construir(unico, "AAcclonico1");
    construir(continuo, "AAcclocontnuo1");
    Rotulos so_a1(NUMERO_ROTULOS, {QString(), 0});
    so_a1[1] = {QStringLiteral("a1"), 100};
    EXPECT_EQ(rotulos(unico, 1), so_a1);
    EXPECT_EQ(rotulos(continuo, 1), dois("a2", 0, "a1", 100));
}

// A modified, named circuit: one jump placed from the palette.
void circuito_do_usuario(TEstado &estado)
{
    Posicionar_Componente(estado, 14, 100, 100);
    estado.nome_documento = QStringLiteral(" - meu.zfr");
    ASSERT_TRUE(estado.modificado);
}

TEST(Demonstracoes, CancelarMantemOCircuito)
{
    TEstado estado;
    circuito_do_usuario(estado);
    const TLista_Componente *antes = estado.lista_componentes.get();
    TInterfaceRoteirizada ui;
    ui.respostas = {Resposta::Cancelar};
    EXPECT_FALSE(Construir_Demonstracao(estado, ui, QStringLiteral("cascata")));
    EXPECT_EQ(ui.registro, QStringList{QStringLiteral("pergunta: Deseja salvar o Sistema Atual?")});
    EXPECT_EQ(estado.lista_componentes.get(), antes);
    ASSERT_EQ(estado.lista().numero_componentes(), 1);
    EXPECT_EQ(estado.lista()[0].tipo, TIPO_JUMP);
    EXPECT_EQ(estado.nome_documento, QStringLiteral(" - meu.zfr"));
    EXPECT_TRUE(estado.modificado);
    EXPECT_FALSE(estado.novo_confirmado);
}

TEST(Demonstracoes, NaoDescartaESubstitui)
{
    TEstado estado;
    circuito_do_usuario(estado);
    TInterfaceRoteirizada ui;
    ui.respostas = {Resposta::Nao};
    EXPECT_TRUE(Construir_Demonstracao(estado, ui, QStringLiteral("cascata")));
    EXPECT_EQ(ui.registro, QStringList{QStringLiteral("pergunta: Deseja salvar o Sistema Atual?")});
    EXPECT_EQ(estado.lista().numero_componentes(), 44);
    EXPECT_EQ(estado.lista()[0].codigo, 11);
    EXPECT_EQ(estado.nome_documento, QStringLiteral(" - DEMO - Cascata"));
}

TEST(Demonstracoes, DemonstracaoSobreDemonstracaoPergunta)
{
    // A demonstration leaves a named circuit: the next one asks before replacing it.
    TEstado estado;
    construir(estado, "funcaoE");
    TInterfaceRoteirizada ui;
    ui.respostas = {Resposta::Nao};
    EXPECT_TRUE(Construir_Demonstracao(estado, ui, QStringLiteral("funcaoOU")));
    EXPECT_EQ(ui.registro.size(), 1);
    EXPECT_EQ(estado.nome_documento, QStringLiteral(" - DEMO - Função OU"));
    EXPECT_EQ(estado.lista().numero_componentes(), 22);
}

TEST(Demonstracoes, NomeDesconhecidoNaoTocaNoCircuito)
{
    TEstado estado;
    circuito_do_usuario(estado);
    TInterfaceRoteirizada ui;
    EXPECT_FALSE(Construir_Demonstracao(estado, ui, QStringLiteral("nenhuma")));
    EXPECT_TRUE(ui.registro.isEmpty());
    EXPECT_EQ(estado.lista().numero_componentes(), 1);
    EXPECT_EQ(estado.nome_documento, QStringLiteral(" - meu.zfr"));
}

} // namespace
} // namespace zefira
