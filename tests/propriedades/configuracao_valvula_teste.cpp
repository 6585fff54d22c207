// The valve dialog's rules, driven as the dialog drives them: FormShow and FormActivate on
// opening, picker cycles (button, pick, activation), box clicks, then OK or Cancel.
#include "propriedades/configuracao_valvula.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace zefira;

namespace {

constexpr bool ESQ = false;
constexpr bool DIR = true;

struct Dialogo {
    TEstado e;
    TConfiguracao_Figuras f;
    TConfiguracao_Valvula d{f};
    TComponente *c = nullptr;

    // Placement codes 2..5 are valves of 2..5 ways, each docked on a new air supply.
    explicit Dialogo(int vias)
    {
        c = &Posicionar_Componente(e, vias, 100, 100);
    }
    TValvula_Direcional &v() { return *c->valvula_direcional; }
    void abrir()
    {
        d.preparar(e.lista(), *c);
        d.FormShow();
        d.FormActivate();
    }
    // One picker cycle: the button, a press on row `linha`, the dialog active again.
    void escolher_acionador(int lista, int linha)
    {
        f.tipo_lista = lista;
        const int altura = TConfiguracao_Figuras::altura_lista(e.imagens, lista);
        f.escolher(altura, linha * 28 + 10);
        d.FormActivate();
    }
    void escolher_posicao(int posicao, int indice)
    {
        d.Butpos(posicao);
        const int lista = f.tipo_lista;
        f.escolher(TConfiguracao_Figuras::altura_lista(e.imagens, lista), indice * 28 + 10);
        d.FormActivate();
    }
    void ok()
    {
        d.ButOKClick();
        d.FormClose();
    }
    bool lado_habilitado(bool dir) const
    {
        return d.piloto[dir].habilitado && d.botao_manual_habilitado[dir] && d.botao_mecanica_habilitado[dir];
    }
};

TComponente &fio_em(TEstado &e, TComponente &c, int porta)
{
    TComponente &fio = e.lista().adicionar(TIPO_FIO, 0, -1, -1, -1, 0);
    fio.fio->adicionar_ponto(c.ponto(porta));
    fio.fio->adicionar_ponto(c.ponto(porta).x - 40, c.ponto(porta).y);
    fio.fio->ligar(true, c.codigo, porta);
    c.ligar(porta, fio.codigo);
    return fio;
}

} // namespace

TEST(ConfiguracaoValvulaAbertura, CarregaAValvulaSemMudarAcionadoresLidos)
{
    Dialogo t(4);
    t.v().definir_parte(3, 6);
    t.v().posicao_inicial = 3;
    t.v().definir_acao_manual(ESQ, 2); // detented, read from the file
    t.v().definir_acao_mecanica(DIR, 2); // read after the right pilot, which does not clear it
    t.v().piloto_esq = false;
    t.v().mola_esq = t.v().mola_dir = true;
    t.v().descricao = QStringLiteral("V1");
    t.abrir();
    EXPECT_EQ(std::vector<int>(t.f.figura_posicao + 1, t.f.figura_posicao + 4), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(t.d.numero_posicoes_anterior, 3);
    EXPECT_EQ(t.d.posicao_escolhida, 3);
    EXPECT_EQ(t.d.descricao, QStringLiteral("V1"));
    EXPECT_TRUE(t.d.ar_comprimido);
    // Three positions: both springs ticked and locked; the detented lever does not clear the
    // other side until a picker is used.
    EXPECT_TRUE(t.d.mola[ESQ].marcado && t.d.mola[DIR].marcado);
    EXPECT_FALSE(t.d.mola[ESQ].habilitado || t.d.mola[DIR].habilitado);
    EXPECT_EQ(t.f.manual_esq, 2);
    EXPECT_TRUE(t.d.piloto[DIR].marcado);
    EXPECT_EQ(t.f.mecanica_dir, 2);
    EXPECT_TRUE(t.lado_habilitado(DIR));
}

TEST(ConfiguracaoValvulaAbertura, ValvulaDeDuasViasNaoOfereceTerceiraPosicao)
{
    // The window disables the choice (FormConfiguracaoValvula.ControlesDoDialogo); a square set
    // for position 3 all the same is never written.
    Dialogo t(2);
    t.abrir();
    t.f.figura_posicao[3] = 1;
    t.ok();
    EXPECT_EQ(t.v().parte(3), nullptr);
}

TEST(ConfiguracaoValvulaAbertura, ListaDeRotulosTemOsLivres)
{
    Dialogo t(3);
    TComponente &cil = Posicionar_Componente(t.e, 8, 300, 40);
    cil.cilindro->definir_rotulo(1, QStringLiteral("a0"), 0);
    cil.cilindro->definir_rotulo(3, QStringLiteral("a1"), 100);
    TComponente &outra = Posicionar_Componente(t.e, 3, 300, 200);
    outra.valvula_direcional->rotulo = QStringLiteral("a1");
    // The valve's own label stays offered to it.
    t.v().rotulo = QStringLiteral("a0");
    t.abrir();
    EXPECT_EQ(t.d.rotulos, QStringList({QStringLiteral(" "), QStringLiteral("a0")}));
}

TEST(ConfiguracaoValvulaMolas, MolaDireitaExcluiAEsquerdaEOsAcionadoresDoSeuLado)
{
    Dialogo t(4);
    t.v().piloto_esq = t.v().piloto_dir = false;
    t.v().definir_acao_manual(DIR, 1);
    t.v().mola_esq = true;
    t.abrir();
    EXPECT_FALSE(t.d.mola[DIR].habilitado);
    // The user cannot tick a disabled box; free the right spring first.
    t.d.marcar_mola(ESQ, false);
    EXPECT_TRUE(t.d.mola[DIR].habilitado);
    t.d.marcar_mola(DIR, true);
    EXPECT_FALSE(t.d.mola[ESQ].marcado);
    EXPECT_FALSE(t.d.mola[ESQ].habilitado);
    EXPECT_FALSE(t.d.piloto[DIR].marcado);
    EXPECT_FALSE(t.d.piloto[DIR].habilitado);
    EXPECT_EQ(t.f.manual_dir, 0);
    EXPECT_FALSE(t.d.botao_manual_habilitado[DIR] || t.d.botao_mecanica_habilitado[DIR]);
    EXPECT_TRUE(t.lado_habilitado(ESQ));
}

TEST(ConfiguracaoValvulaMolas, PilotoNumaValvulaDeTresPosicoesRecentraAsMolas)
{
    Dialogo t(5);
    t.v().piloto_esq = t.v().piloto_dir = false;
    t.abrir();
    t.escolher_posicao(3, 3);
    t.escolher_acionador(LISTA_MANUAL_ESQ, 2); // detented: springs go, right side cleared
    EXPECT_FALSE(t.d.mola[ESQ].marcado || t.d.mola[DIR].marcado);
    EXPECT_FALSE(t.d.piloto[DIR].habilitado);
    t.d.marcar_piloto(ESQ, true);
    EXPECT_EQ(t.f.manual_esq, 0);
    EXPECT_TRUE(t.d.mola[ESQ].marcado && t.d.mola[DIR].marcado);
    EXPECT_TRUE(t.lado_habilitado(DIR));
}

TEST(ConfiguracaoValvulaMolas, TerceiraPosicaoTravaAsMolasERetiraLaDestrava)
{
    Dialogo t(3); // spring on the right
    t.abrir();
    ASSERT_TRUE(t.d.mola[DIR].marcado);
    t.escolher_posicao(3, 3);
    EXPECT_TRUE(t.d.mola[ESQ].marcado && t.d.mola[DIR].marcado);
    EXPECT_FALSE(t.d.mola[ESQ].habilitado || t.d.mola[DIR].habilitado);
    EXPECT_TRUE(t.lado_habilitado(ESQ) && t.lado_habilitado(DIR));
    t.escolher_posicao(3, 0);
    EXPECT_FALSE(t.d.mola[ESQ].marcado || t.d.mola[DIR].marcado);
    EXPECT_TRUE(t.d.mola[ESQ].habilitado && t.d.mola[DIR].habilitado);
    // A second pick of an empty square changes nothing: the count did not change.
    t.d.marcar_mola(ESQ, true);
    t.escolher_posicao(3, 0);
    EXPECT_TRUE(t.d.mola[ESQ].marcado);
}

TEST(ConfiguracaoValvulaTrava, BotaoComTravaLimpaOLadoOpostoENenhumODevolve)
{
    Dialogo t(3); // 2 positions, spring on the right
    t.v().mola_dir = false;
    t.v().piloto_dir = true;
    t.v().definir_acao_mecanica(DIR, 2);
    t.abrir();
    t.escolher_acionador(LISTA_MANUAL_ESQ, 2);
    EXPECT_EQ(t.f.manual_esq, 2);
    EXPECT_FALSE(t.d.mola[DIR].marcado || t.d.piloto[DIR].marcado);
    EXPECT_EQ(t.f.manual_dir, 0);
    EXPECT_EQ(t.f.mecanica_dir, 0);
    EXPECT_FALSE(t.d.mola[DIR].habilitado || t.lado_habilitado(DIR));

    t.escolher_acionador(LISTA_MANUAL_ESQ, 0);
    EXPECT_TRUE(t.d.mola[DIR].habilitado);
    EXPECT_TRUE(t.lado_habilitado(DIR));

    // With the left spring ticked, "Nenhum" frees the right actuators but not its spring.
    t.escolher_acionador(LISTA_MANUAL_ESQ, 4);
    t.escolher_acionador(LISTA_MANUAL_ESQ, 0);
    t.d.marcar_mola(ESQ, true);
    t.escolher_acionador(LISTA_MANUAL_ESQ, 0);
    EXPECT_FALSE(t.d.mola[DIR].habilitado);
    EXPECT_TRUE(t.lado_habilitado(DIR));
}

// Pilot, manual and mechanical actuators exclude one another on their side, never on the other.
TEST(ConfiguracaoValvulaTrava, CadaLadoTemUmSoTipoDeAcionador)
{
    Dialogo t(4);
    t.abrir();
    t.escolher_acionador(LISTA_MANUAL_DIR, 1);
    EXPECT_FALSE(t.d.piloto[DIR].marcado);
    t.escolher_acionador(LISTA_MECANICA_DIR, 2);
    EXPECT_EQ(t.f.manual_dir, 0);
    EXPECT_EQ(t.f.mecanica_dir, 2);
    EXPECT_TRUE(t.d.piloto[ESQ].marcado);

    t.d.marcar_piloto(ESQ, false);
    t.escolher_acionador(LISTA_MANUAL_ESQ, 3);
    EXPECT_EQ(t.f.manual_esq, 3);
    t.d.marcar_piloto(ESQ, true);
    EXPECT_EQ(t.f.manual_esq, 0);
    EXPECT_EQ(t.f.mecanica_esq, 0);
    EXPECT_EQ(t.f.mecanica_dir, 2);
    t.d.marcar_piloto(ESQ, false); // unticking a pilot takes nothing else with it
    EXPECT_EQ(t.f.mecanica_dir, 2);
}

TEST(ConfiguracaoValvulaTrava, TravaNumaValvulaDeTresPosicoesTiraAsMolas)
{
    Dialogo t(4);
    t.v().definir_parte(3, 8);
    t.abrir();
    t.escolher_acionador(LISTA_MANUAL_DIR, 4);
    EXPECT_FALSE(t.d.mola[ESQ].marcado || t.d.mola[DIR].marcado);
    EXPECT_FALSE(t.d.piloto[DIR].marcado);
    EXPECT_FALSE(t.d.piloto[ESQ].marcado || t.lado_habilitado(ESQ));
    t.escolher_acionador(LISTA_MANUAL_DIR, 3);
    EXPECT_TRUE(t.d.mola[ESQ].marcado && t.d.mola[DIR].marcado);
    EXPECT_TRUE(t.lado_habilitado(ESQ));
}

TEST(ConfiguracaoValvulaOK, FechaLacunasEBaixaAPosicaoInicial)
{
    const struct {
        int p[4], inicial, esperado[4], inicial_esperado;
    } casos[] = {
        {{0, 0, 3, 4}, 3, {0, 3, 4, 0}, 2},
        {{0, 0, 0, 5}, 3, {0, 5, 0, 0}, 1},
        {{0, 0, 2, 0}, 2, {0, 2, 0, 0}, 1},
        {{0, 1, 0, 2}, 3, {0, 1, 2, 0}, 2},
        {{0, 1, 2, 0}, 3, {0, 1, 2, 0}, 2},
        {{0, 1, 0, 0}, 2, {0, 1, 0, 0}, 1},
        {{0, 1, 2, 3}, 3, {0, 1, 2, 3}, 3},
        {{0, 0, 0, 0}, 2, {0, 0, 0, 0}, 2},
    };
    for (const auto &k : casos) {
        int q[4] = {k.p[0], k.p[1], k.p[2], k.p[3]};
        int i = k.inicial;
        TConfiguracao_Valvula::Fechar_Lacunas(q, i);
        EXPECT_EQ(i, k.inicial_esperado) << k.p[1] << k.p[2] << k.p[3];
        EXPECT_EQ(std::vector<int>(q + 1, q + 4), std::vector<int>(k.esperado + 1, k.esperado + 4));
    }
}

TEST(ConfiguracaoValvulaOK, EscreveQuadradosAcionadoresENome)
{
    Dialogo t(4);
    t.abrir();
    t.escolher_posicao(1, 0);
    t.escolher_posicao(2, 4); // fig_4cap
    t.escolher_posicao(3, 6); // fig_4cf
    t.d.RBposClick(3);
    t.d.marcar_piloto(DIR, false);
    t.escolher_acionador(LISTA_MANUAL_DIR, 5);
    t.d.definir_descricao(QStringLiteral("S(1)\n"));
    t.d.mostrar_nome = false;
    t.ok();
    TValvula_Direcional &v = t.v();
    ASSERT_NE(v.parte(1), nullptr);
    EXPECT_EQ(v.parte(1)->tipo(), 7);
    EXPECT_EQ(v.parte(2)->tipo(), 8);
    EXPECT_EQ(v.parte(3), nullptr);
    EXPECT_EQ(std::tie(v.posicao_inicial, v.posicao_atual, v.posicao_desenhada), std::make_tuple(2, 2, 2));
    EXPECT_FALSE(v.piloto_dir);
    EXPECT_EQ(v.acao_manual(DIR), 5);
    // The name cannot carry what would break its file line.
    EXPECT_EQ(v.descricao, QStringLiteral("S(1"));
    EXPECT_FALSE(v.mostrar_nome);
    EXPECT_EQ(t.f.tipo_lista, LISTA_NENHUMA);
}

TEST(ConfiguracaoValvulaOK, SemPosicoesMantemQuadradosEPosicoes)
{
    Dialogo t(3);
    t.v().posicao_inicial = 1;
    t.v().posicao_atual = 2;
    t.abrir();
    t.escolher_posicao(1, 0);
    t.escolher_posicao(2, 0);
    t.escolher_acionador(LISTA_MECANICA_ESQ, 3);
    t.d.descricao = QStringLiteral("X");
    t.ok();
    EXPECT_EQ(t.v().parte(1)->tipo(), 4);
    EXPECT_EQ(t.v().parte(2)->tipo(), 5);
    EXPECT_EQ(std::tie(t.v().posicao_inicial, t.v().posicao_atual), std::make_tuple(1, 2));
    EXPECT_EQ(t.v().acao_mecanica(ESQ), 3);
    EXPECT_EQ(t.v().descricao, QStringLiteral("X"));
}

TEST(ConfiguracaoValvulaOK, ValvulaAcionadaGuardaAPosicaoDesenhada)
{
    Dialogo t(3);
    t.v().posicao_inicial = 1;
    t.v().posicao_atual = 2;
    t.v().acionado_esq = true;
    t.abrir();
    t.d.RBposClick(1);
    t.ok();
    // A valve held by its left actuator stays where it is, and is drawn there.
    EXPECT_EQ(std::tie(t.v().posicao_inicial, t.v().posicao_atual, t.v().posicao_desenhada), std::make_tuple(1, 2, 2));
}

TEST(ConfiguracaoValvulaOK, RemoveSuprimentoDesmarcadoMasNuncaUmFio)
{
    Dialogo t(3);
    const int suprimento = t.c->conexao(1);
    ASSERT_EQ(t.e.lista().procurar(suprimento)->tipo, TIPO_TOMADA_AR);
    t.abrir();
    t.d.ar_comprimido = false;
    t.ok();
    EXPECT_EQ(t.e.lista().procurar(suprimento), nullptr);
    EXPECT_EQ(t.c->conexao(1), LIVRE);
    EXPECT_FALSE(t.v().tomada_ar);

    TComponente &fio = fio_em(t.e, *t.c, 1);
    t.abrir();
    t.ok();
    EXPECT_NE(t.e.lista().procurar(fio.codigo), nullptr);
    EXPECT_EQ(t.c->conexao(1), fio.codigo);
}

TEST(ConfiguracaoValvulaOK, PilotoDesmarcadoRemoveOFioDaSuaPorta)
{
    Dialogo t(5);
    const int esq = fio_em(t.e, *t.c, 6).codigo;
    const int dir = fio_em(t.e, *t.c, 7).codigo;
    t.abrir();
    t.d.marcar_piloto(ESQ, false);
    // Until OK the circuit is untouched.
    EXPECT_NE(t.e.lista().procurar(esq), nullptr);
    t.ok();
    EXPECT_EQ(t.e.lista().procurar(esq), nullptr);
    EXPECT_EQ(t.c->conexao(6), LIVRE);
    EXPECT_NE(t.e.lista().procurar(dir), nullptr);
}

TEST(ConfiguracaoValvulaOK, NomeQueEUmRotuloLivreViraFimDeCurso)
{
    Dialogo t(3);
    TComponente &cil = Posicionar_Componente(t.e, 8, 300, 40);
    cil.cilindro->definir_rotulo(2, QStringLiteral("a0"), 0);
    t.abrir();
    t.d.definir_descricao(QStringLiteral("A0"));
    t.ok();
    EXPECT_EQ(t.v().rotulo, QStringLiteral("a0"));
    EXPECT_EQ(t.v().descricao, QStringLiteral("A0"));

    // Taken by another valve: not free, so no limit switch.
    TComponente &outra = Posicionar_Componente(t.e, 3, 300, 200);
    t.c = &outra;
    t.abrir();
    t.d.definir_descricao(QStringLiteral("a0"));
    t.ok();
    EXPECT_TRUE(outra.valvula_direcional->rotulo.isEmpty());
}

TEST(ConfiguracaoValvulaCancelar, EscolhasSemOKNaoTocamAValvula)
{
    Dialogo t(4);
    t.abrir();
    t.escolher_posicao(3, 5);
    t.escolher_acionador(LISTA_MANUAL_ESQ, 2);
    t.escolher_acionador(LISTA_MECANICA_DIR, 3);
    t.d.marcar_piloto(DIR, false);
    t.d.ar_comprimido = false;
    t.d.FormClose();
    EXPECT_EQ(t.v().parte(3), nullptr);
    EXPECT_EQ(t.v().acao_manual(ESQ), 0);
    EXPECT_TRUE(t.v().piloto_dir && t.v().piloto_esq);
    EXPECT_TRUE(t.v().tomada_ar);
    EXPECT_EQ(t.e.lista().numero_componentes(), 2);
    EXPECT_EQ(t.f.tipo_lista, LISTA_NENHUMA);
}

// A solenoid is one more actuator kind of a side: it excludes the pilot both ways, a manual or
// mechanical actuator takes it off, a spring on its side makes it unavailable; OK writes its tag
// (the side's default when emptied), and a side without one keeps an empty tag.
TEST(ConfiguracaoValvulaSolenoide, ExcluiOPilotoEGravaATag)
{
    enum Gesto { SOLENOIDE, PILOTO, MANUAL, MOLA };
    const struct {
        int vias;
        Gesto gesto;
        bool dir;
        const char *tag; // typed into the side's box before OK; nullptr types nothing
        bool piloto, solenoide, habilitado;
        const char *gravada;
    } casos[] = {
        {5, SOLENOIDE, ESQ, nullptr, false, true, true, "1Y1"},
        {5, SOLENOIDE, DIR, "2y1)", false, true, true, "2Y1"},
        {5, SOLENOIDE, DIR, "", false, true, true, "1Y2"},
        {5, PILOTO, ESQ, "1Y7", true, false, true, ""},
        {4, MANUAL, ESQ, nullptr, false, false, true, ""},
        {3, MOLA, ESQ, nullptr, false, false, false, ""},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(testing::Message() << c.vias << " vias, gesto " << c.gesto << (c.dir ? " dir" : " esq"));
        Dialogo t(c.vias);
        t.abrir();
        t.d.marcar_solenoide(c.dir, true);
        EXPECT_FALSE(t.d.piloto[c.dir].marcado);
        if (c.gesto == PILOTO)
            t.d.marcar_piloto(c.dir, true);
        else if (c.gesto == MANUAL)
            t.escolher_acionador(c.dir ? LISTA_MANUAL_DIR : LISTA_MANUAL_ESQ, 1);
        else if (c.gesto == MOLA)
            t.d.marcar_mola(c.dir, true);
        if (c.tag)
            t.d.definir_tag_solenoide(c.dir, QString::fromUtf8(c.tag));
        EXPECT_EQ(t.d.piloto[c.dir].marcado, c.piloto);
        EXPECT_EQ(t.d.solenoide[c.dir].marcado, c.solenoide);
        EXPECT_EQ(t.d.solenoide[c.dir].habilitado, c.habilitado);
        t.ok();
        EXPECT_EQ(t.v().solenoide(c.dir), QString::fromUtf8(c.gravada));
        EXPECT_EQ(t.v().piloto(c.dir), c.piloto);
        EXPECT_TRUE(t.v().solenoide(!c.dir).isEmpty());
        // Opened again, the dialog shows what the valve holds.
        t.abrir();
        EXPECT_EQ(t.d.solenoide[c.dir].marcado, c.solenoide);
        EXPECT_EQ(t.d.tag_solenoide[c.dir], c.solenoide ? QString::fromUtf8(c.gravada) : TConfiguracao_Valvula::tag_padrao(c.dir));
    }
}
