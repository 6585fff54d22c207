// Palette toggle group, pending-wire release and the placement of a valve with its docked
// supply (every palette entry is placed by componentes/familias_teste.cpp).
#include "edicao/fio_editor.h"
#include "edicao/paleta.h"
#include "edicao/selecao.h"
#include <Qt>
#include <gtest/gtest.h>

using namespace zefira;

TEST(PaletaBotoes, OMesmoBotaoDuasVezesNaoDeixaNadaPendente)
{
    TEstado e;
    Posicionar_Componente(e, 14, 10, 10).selecionar();
    e.numero_selecionados = 1;
    Clicar_Botao_Paleta(e, 8);
    EXPECT_EQ(e.modo, 8);
    EXPECT_EQ(e.botao_paleta, 8);
    EXPECT_FALSE(e.lista()[0].selecionado());
    EXPECT_EQ(e.numero_selecionados, 0);

    e.componente_atual = e.lista().componente(0);
    Clicar_Botao_Paleta(e, 8);
    EXPECT_EQ(e.modo, 0);
    EXPECT_EQ(e.botao_paleta, 0);
    EXPECT_EQ(e.componente_atual, e.componente_nulo);
}

TEST(PaletaBotoes, ItemDeMenuTrocaOBotaoEEscapeSoCancela)
{
    TEstado e;
    Clicar_Botao_Paleta(e, 11);
    componenteMenuClick(e, 10);
    EXPECT_EQ(e.botao_paleta, 10);
    EXPECT_EQ(e.modo, 10);
    componenteMenuClick(e, 10);
    EXPECT_EQ(e.botao_paleta, 0);
    EXPECT_EQ(e.modo, 0);

    // Escape on the palette cancels the placement, but the button stays pressed.
    Clicar_Botao_Paleta(e, 5);
    paletaKeyPress(e, Qt::Key_A);
    EXPECT_EQ(e.modo, 5);
    paletaKeyPress(e, Qt::Key_Escape);
    EXPECT_EQ(e.modo, 0);
    EXPECT_EQ(e.botao_paleta, 5);
}

TEST(PaletaBotoes, DesabilitadaDuranteASimulacao)
{
    TEstado e;
    e.modo = MODO_SIMULACAO;
    e.controles.paleta = false;
    e.controles.componentes = false;
    Clicar_Botao_Paleta(e, 3);
    componenteMenuClick(e, 3);
    EXPECT_EQ(e.modo, 15);
    EXPECT_EQ(e.botao_paleta, 0);
}

TEST(PaletaFioPendente, BotaoDuranteOFioLiberaAPortaDeOrigem)
{
    TEstado e;
    const TComponente &cil = Posicionar_Componente(e, 8, 200, 200);
    Iniciar_Fio(e, 0, 2);
    e.mostrar_mira = e.mostrar_cruz = true;
    e.segmento_destacado = {5, 1};
    ASSERT_EQ(cil.conexao(2), CONEXAO_PENDENTE);

    Clicar_Botao_Paleta(e, 12);
    EXPECT_EQ(cil.conexao(2), LIVRE);
    EXPECT_EQ(e.modo, 12);
    EXPECT_FALSE(e.mostrar_mira);
    EXPECT_FALSE(e.mostrar_cruz);
    EXPECT_EQ(e.segmento_destacado.componente, -1);
    EXPECT_EQ(e.segmento_destacado.segmento, -1);
}

TEST(PaletaFioPendente, LiberaSoAPortaMarcadaEmCadaTipo)
{
    struct Caso {
        int codigo;
        int porta;
    };
    for (const Caso caso : {Caso{5, 7}, Caso{5, 5}, Caso{6, 1}, Caso{9, 1}, Caso{13, 3}, Caso{10, 2}, Caso{14, 3}}) {
        TEstado e;
        TComponente &c = Posicionar_Componente(e, caso.codigo, 200, 200);
        const int i = e.lista().indice(c.codigo);
        // Every other port holds a connection that must survive.
        for (int p = 1; p <= c.numero_portas(); ++p)
            Ligar_Porta_Fio(c, p, 90 + p);
        Ligar_Porta_Fio(c, caso.porta, LIVRE);
        Iniciar_Fio(e, i, caso.porta);
        Desconectar_Conexao_Pendente(e);
        for (int p = 1; p <= c.numero_portas(); ++p)
            EXPECT_EQ(c.conexao(p), p == caso.porta ? LIVRE : 90 + p) << "code " << caso.codigo << " port " << p;
    }
}

TEST(PaletaFioPendente, SemMarcaOuSemOrigemNenhumaPortaPerdeALigacao)
{
    TEstado e;
    TComponente &v = Posicionar_Componente(e, 4, 200, 200);
    for (int p = 2; p <= 7; ++p)
        v.ligar(p, 50 + p);
    Iniciar_Fio(e, 0, 3);
    v.ligar(3, 53); // the mark is gone
    Desconectar_Conexao_Pendente(e);
    for (int p = 2; p <= 7; ++p)
        EXPECT_EQ(v.conexao(p), 50 + p);

    e.componente_atual->fio->conexao_origem = 99; // origin no longer in the list
    Desconectar_Conexao_Pendente(e);
    EXPECT_EQ(Achar_Indice(e, 99), -1);
    EXPECT_EQ(Achar_Indice(e, v.codigo), 0);
}

TEST(PaletaPosicionamento, ValvulaDeTresViasComTomadaAcopladaNaPorta1)
{
    TEstado e;
    Clicar_Botao_Paleta(e, 3);
    TComponente &v = Posicionar_Componente(e, 3, 100, 100);
    EXPECT_EQ(e.modo, 0);
    EXPECT_EQ(e.botao_paleta, 0);
    EXPECT_TRUE(e.modificado);
    ASSERT_EQ(e.lista().numero_componentes(), 2);
    const TValvula_Direcional &vd = *v.valvula_direcional; // squares: CadaCodigoCriaSeuComponente
    EXPECT_TRUE(vd.mola_dir);
    EXPECT_FALSE(vd.piloto_dir || vd.piloto_esq || vd.mola_esq);
    EXPECT_TRUE(vd.tomada_ar);
    EXPECT_FALSE(v.selecionado());
    EXPECT_EQ(v.ponto(1), TPonto(130, 130));

    const TComponente &t = e.lista()[1];
    ASSERT_EQ(t.tipo, TIPO_TOMADA_AR);
    EXPECT_EQ(v.conexao(1), t.codigo);
    EXPECT_EQ(t.tomada_ar->conexao, v.codigo);
    EXPECT_EQ(t.tomada_ar->pino, 1);
    EXPECT_EQ(t.esquerda, 124);
    EXPECT_EQ(t.topo, v.baixo + 6);
    EXPECT_EQ(t.baixo, t.topo + 19); // laid out
}

// The Biblioteca's two pages: on each, the buttons and the group chooser lie inside the window
// (165 x 398 with its frame) without covering one another.
TEST(PaletaBiblioteca, CadaPaginaCabeNaJanelaSemSobreposicao)
{
    const QRect janela(0, 0, 157, 363);
    for (bool eletricos : {false, true}) {
        SCOPED_TRACE(eletricos);
        std::vector<std::pair<QRect, int>> lugares{{Lugar_Escolha_Grupo(false), -1}, {Lugar_Escolha_Grupo(true), -2}};
        for (const TPeca &p : Pecas())
            if (Peca_Eletrica(p) == eletricos)
                lugares.push_back({Lugar_Botao_Paleta(p.entrada->codigo), p.entrada->codigo});
        EXPECT_EQ(lugares.size(), eletricos ? 21u : 15u);
        for (size_t i = 0; i < lugares.size(); ++i) {
            EXPECT_TRUE(janela.contains(lugares[i].first)) << lugares[i].second;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(lugares[i].first.intersects(lugares[j].first)) << lugares[i].second << " " << lugares[j].second;
        }
    }
}
