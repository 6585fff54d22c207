#include "apoio/circuito.h"
#include "apoio/figuras.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zefira;

namespace {

const QRgb BRANCO = qRgb(255, 255, 255);
const QRgb PRETO = qRgb(0, 0, 0);
const QRgb VERMELHO = qRgb(255, 0, 0);
const QRgb LIMA = qRgb(0, 255, 0);
const QRgb AZUL = qRgb(0, 0, 255);
const QRgb MARINHO = qRgb(0, 0, 128);

using teste::cor;

QImage desenhar(TEstado &e) { return Imagem_Area_Trabalho(e); }

// True when the part of img at (x, y) has exactly the pixels of `figura`.
bool contem_figura(const QImage &img, int x, int y, const QImage &figura)
{
    if (figura.isNull())
        return false;
    for (int j = 0; j < figura.height(); ++j)
        for (int i = 0; i < figura.width(); ++i)
            if (cor(img, x + i, y + j) != (figura.pixel(i, j) | 0xFF000000u))
                return false;
    return true;
}

// Bounding box of the pixels where two renders differ; empty when identical.
QRect diferenca(const QImage &a, const QImage &b)
{
    QRect r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (cor(a, x, y) != cor(b, x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

struct Pixel {
    int x, y;
    QRgb cor;
};

// The pixels that differ from the expected colours, listed; empty when all match.
std::string pixels_errados(const QImage &img, std::initializer_list<Pixel> esperados)
{
    std::string r;
    for (const Pixel &p : esperados)
        if (cor(img, p.x, p.y) != p.cor)
            r += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return r;
}

int contar(const QImage &img, const QRect &area, QRgb c)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += cor(img, x, y) == c;
    return n;
}

TComponente &valvula(TEstado &e, int esquerda, int topo, int vias = 4)
{
    TComponente &c = e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, esquerda, -1, -1, vias, topo);
    c.valvula_direcional->definir_parte(1, 8);
    c.valvula_direcional->definir_parte(2, 10);
    c.valvula_direcional->desselecionar(); // loads the actuator pictures
    c.atualizar_geometria();
    return c;
}

TComponente &cilindro(TEstado &e, int tipo, int esquerda, int topo, int posicao = 0)
{
    TComponente &c = e.lista().adicionar(TIPO_CILINDRO, esquerda, -1, tipo, -1, topo);
    c.cilindro->posicao = posicao;
    c.atualizar_geometria();
    return c;
}

} // namespace

TEST(Renderizador, CircuitoVazioEBrancoEAFaixaDeSelecaoEPontilhada)
{
    TEstado e;
    const QImage vazio = desenhar(e);
    ASSERT_EQ(vazio.size(), QSize(1000, 650));
    EXPECT_EQ(contar(vazio, vazio.rect(), BRANCO), 1000 * 650);

    e.selecionando = true;
    e.cantos_selecao[0] = TPonto(300, 200); // dragged from bottom-right to top-left
    e.cantos_selecao[1] = TPonto(100, 100);
    const QImage faixa = desenhar(e);
    // Along each side: three pixels on, three off.
    for (int x = 300; x > 280; --x)
        EXPECT_EQ(cor(faixa, x, 200), (300 - x) % 6 < 3 ? PRETO : BRANCO) << x;
    EXPECT_EQ(cor(faixa, 100, 100 + 1), PRETO);
    EXPECT_GT(contar(faixa, QRect(100, 100, 1, 100), BRANCO), 40);
    EXPECT_GT(contar(faixa, QRect(100, 100, 1, 100), PRETO), 40);
    EXPECT_EQ(cor(faixa, 200, 150), BRANCO); // no fill
}

TEST(Renderizador, FioPretoVermelhoSelecionadoEAzulOuMarinhoAoSimular)
{
    TEstado e;
    TComponente &f = teste::polilinha(e, {TPonto(100, 300), TPonto(200, 300), TPonto(200, 400)});
    EXPECT_EQ(pixels_errados(desenhar(e), {{100, 300, PRETO}, {199, 300, PRETO}, {200, 350, PRETO},
                                           {150, 299, BRANCO}, {150, 301, BRANCO}}), "");

    f.selecionar();
    EXPECT_EQ(cor(desenhar(e), 150, 300), VERMELHO);

    // Simulating: selection no longer shows, the pressure does.
    e.modo = MODO_SIMULACAO;
    EXPECT_EQ(pixels_errados(desenhar(e), {{150, 300, AZUL}, {150, 301, BRANCO}}), "");
    f.fio->pressao = 6; // three pixels wide
    EXPECT_EQ(pixels_errados(desenhar(e), {{150, 299, MARINHO}, {150, 300, MARINHO}, {150, 301, MARINHO},
                                           {150, 298, BRANCO}, {150, 302, BRANCO}, {199, 350, MARINHO},
                                           {200, 350, MARINHO}, {201, 350, MARINHO}, {202, 350, BRANCO}}), "");
}

TEST(Renderizador, FiosFicamSobreOsSimbolosEOFioEmAndamentoAparece)
{
    TEstado e;
    TComponente &v = valvula(e, 300, 300);
    v.valvula_direcional->selecionar();
    // A wire crossing the valve's squares, listed before it.
    e.lista().componentes.insert(e.lista().componentes.begin(),
                                 std::make_shared<TComponente>(e.imagens, 99, -1, -1, -1, -1, -1, TIPO_FIO));
    e.lista()[0].fio->adicionar_ponto(290, 312);
    e.lista()[0].fio->adicionar_ponto(360, 312);
    EXPECT_EQ(cor(desenhar(e), 310, 312), PRETO);

    auto andamento = std::make_shared<TComponente>(e.imagens, 100, -1, -1, -1, -1, -1, TIPO_FIO);
    andamento->fio->adicionar_ponto(500, 500);
    andamento->fio->adicionar_ponto(600, 500);
    e.componente_atual = andamento;
    EXPECT_EQ(cor(desenhar(e), 550, 500), BRANCO); // only while drawing a wire
    e.modo = MODO_FIO;
    EXPECT_EQ(cor(desenhar(e), 550, 500), PRETO);
}

TEST(Renderizador, ValvulaSelecionadaEVermelhaComTocosNasPortas)
{
    TEstado e;
    TComponente &c = valvula(e, 300, 300);
    const QRect caixa(c.esquerda, c.topo, c.direita - c.esquerda, c.baixo - c.topo);
    const QImage normal = desenhar(e);
    EXPECT_GT(contar(normal, caixa, PRETO), 0);
    EXPECT_EQ(contar(normal, caixa, VERMELHO), 0);
    // Stubs of 6 pixels above port 2 and below port 1, none for a pilot port.
    const int x2 = c.ponto(2).x, x1 = c.ponto(1).x;
    for (int y = c.topo - 5; y <= c.topo; ++y)
        EXPECT_EQ(cor(normal, x2, y), PRETO) << y;
    EXPECT_EQ(cor(normal, x2, c.topo - 6), BRANCO);
    for (int y = c.baixo; y <= c.baixo + 5; ++y)
        EXPECT_EQ(cor(normal, x1, y), PRETO) << y;
    EXPECT_EQ(cor(normal, x1, c.baixo + 6), BRANCO);

    c.valvula_direcional->selecionar();
    const QImage selecionada = desenhar(e);
    EXPECT_EQ(contar(selecionada, caixa, PRETO), 0);
    EXPECT_GT(contar(selecionada, caixa, VERMELHO), 0);
    EXPECT_EQ(cor(selecionada, x2, c.topo - 3), VERMELHO);
}

TEST(Renderizador, QuadradosCompartilhamABordaESoSeguemOsAnteriores)
{
    TEstado e;
    TComponente &c = valvula(e, 300, 300);
    TValvula_Direcional &v = *c.valvula_direcional;
    v.definir_parte(3, 11);
    v.desselecionar();
    QImage img = desenhar(e);
    EXPECT_TRUE(contem_figura(img, 300, 300, v.parte(1)->figura()));
    EXPECT_TRUE(contem_figura(img, 324, 300, v.parte(2)->figura()));
    EXPECT_TRUE(contem_figura(img, 348, 300, v.parte(3)->figura()));

    v.definir_parte(2, -1); // a gap: the third square is not drawn either
    img = desenhar(e);
    EXPECT_EQ(contar(img, QRect(326, 302, 40, 20), PRETO), 0);
}

TEST(Renderizador, AcionadoresDaValvulaNasAlturasCertas)
{
    TEstado e;
    TComponente &c = valvula(e, 300, 300);
    TValvula_Direcional &v = *c.valvula_direcional;

    // Spring and pilot on the left: spring at the top, pilot one pixel above the bottom.
    v.mola_esq = true;
    v.piloto_esq = true;
    QImage img = desenhar(e);
    const QImage &piloto = v.figura_piloto_esq, &mola = v.figura_mola_esq;
    EXPECT_TRUE(contem_figura(img, 300 - piloto.width(), c.baixo - piloto.height() - 1, piloto));
    EXPECT_TRUE(contem_figura(img, 300 - mola.width(), c.topo, mola));

    // Pilot alone: 9 pixels above the bottom. Spring alone: 6 below the top.
    v.mola_esq = false;
    EXPECT_TRUE(contem_figura(desenhar(e), 300 - piloto.width(), c.baixo - piloto.height() - 9, piloto));
    v.piloto_esq = false;
    v.mola_dir = true;
    EXPECT_TRUE(contem_figura(desenhar(e), c.direita, c.topo + 6, v.figura_mola_dir));

    // Manual and mechanical on the same side: only the manual picture.
    v.mola_dir = false;
    v.definir_acao_manual(false, 1);
    v.definir_acao_mecanica(false, 2);
    img = desenhar(e);
    const QImage &manual = v.figura_manual_esq;
    EXPECT_TRUE(contem_figura(img, 300 - manual.width(), c.baixo - manual.height() - 5, manual));
    const QImage &rolete = v.figura_mecanica_esq;
    EXPECT_FALSE(contem_figura(img, 300 - rolete.width(), c.baixo - rolete.height() - 8, rolete));

    // Right roller with a spring: bottom-aligned, spring above it.
    v.definir_acao_mecanica(true, 2);
    v.mola_dir = true;
    img = desenhar(e);
    EXPECT_TRUE(contem_figura(img, c.direita, c.baixo - v.figura_mecanica_dir.height(), v.figura_mecanica_dir));
}

TEST(Renderizador, CameDoRoleteLimpaRedesenharEGatilhoSoAoSimular)
{
    TEstado e;
    Carregar_Figura_Acionador(e);
    ASSERT_EQ(e.figura_acionador.size(), QSize(18, 47));
    TComponente &c = valvula(e, 300, 300);
    TValvula_Direcional &v = *c.valvula_direcional;
    v.definir_acao_mecanica(false, 2);
    const int x_came = 300 - 18 - v.figura_mecanica_esq.width();

    EXPECT_EQ(contar(desenhar(e), QRect(x_came, 300, 18, 47), PRETO), 0);

    v.redesenhar = true;
    QImage img = desenhar(e);
    EXPECT_TRUE(contem_figura(img, x_came, 300, e.figura_acionador));
    EXPECT_FALSE(v.redesenhar);

    // Held by a label (acionado) it stays drawn, redrawn at every tick.
    v.acionado_esq = true;
    EXPECT_TRUE(contem_figura(desenhar(e), x_came, 300, e.figura_acionador));

    // A trigger roller shows its cam only while simulating, and keeps the flag until then.
    v.definir_acao_mecanica(false, 3);
    v.redesenhar = true;
    const int x_gatilho = 300 - 18 - v.figura_mecanica_esq.width();
    img = desenhar(e);
    EXPECT_EQ(contar(img, QRect(x_gatilho, 300, 18, 47), PRETO), 0);
    EXPECT_TRUE(v.redesenhar);
    e.modo = MODO_SIMULACAO;
    EXPECT_TRUE(contem_figura(desenhar(e), x_gatilho, 300, e.figura_acionador));
    EXPECT_FALSE(v.redesenhar);
}

TEST(Renderizador, LegendaDaValvulaVemDoRotuloEPodeSerOcultada)
{
    TEstado e;
    TComponente &c = valvula(e, 300, 300);
    TValvula_Direcional &v = *c.valvula_direcional;
    const QImage sem_nome = desenhar(e);
    v.descricao = QStringLiteral("V1");
    const QImage com_nome = desenhar(e);
    const QRect d = diferenca(sem_nome, com_nome);
    ASSERT_FALSE(d.isEmpty());
    EXPECT_GE(d.left(), c.ponto(1).x - 25);
    EXPECT_GE(d.top(), c.topo - 20);
    EXPECT_LT(d.bottom(), c.topo - 5);

    v.rotulo = QStringLiteral("a1");
    desenhar(e);
    EXPECT_EQ(v.descricao, QStringLiteral("a1"));

    v.mostrar_nome = false;
    EXPECT_TRUE(diferenca(sem_nome, desenhar(e)).isEmpty());
}

// The piston moves 60 pixels over the stroke, the rod (both rods of a double-rod cylinder) with it.
TEST(Renderizador, HasteEPistaoAcompanhamAPosicaoDoCilindro)
{
    const struct {
        int tipo, posicao, pistao;
        std::vector<int> hastes;
    } casos[] = {
        {2, 0, 308, {300 + 6 + 10 + 79}}, {2, 100, 368, {300 + 6 + 10 + 79 + 60}}, {2, 50, 338, {}},
        {3, 0, 308, {300 - 72 + 166, 300 + 89 - 166}}, {3, 100, 368, {300 + 89 - 166 + 60}}, {3, 50, 338, {}},
    };
    for (const auto &k : casos) {
        SCOPED_TRACE(testing::Message() << k.tipo << " at " << k.posicao);
        TEstado e;
        const TCilindro &cil = *cilindro(e, k.tipo, 300, 300, k.posicao).cilindro;
        const QImage img = desenhar(e);
        EXPECT_TRUE(contem_figura(img, k.pistao, 301, cil.figura_dentro));
        for (int x : k.hastes)
            EXPECT_TRUE(contem_figura(img, x, 304, cil.figura_fora)) << x;
    }
}

TEST(Renderizador, MolaDoCilindroDeSimplesAcaoSeComprimeComAHaste)
{
    // The spring is what a single-acting render has and a double-acting one (same barrel) lacks.
    auto mola = [](int posicao) {
        TEstado e1, e2;
        TComponente &c = cilindro(e1, 1, 300, 300, posicao);
        cilindro(e2, 2, 300, 300, posicao);
        const QImage a = desenhar(e1), b = desenhar(e2);
        QRect r;
        for (int y = c.topo; y <= c.baixo - 2; ++y)
            for (int x = 0; x < 1000; ++x)
                if (cor(a, x, y) != cor(b, x, y))
                    r |= QRect(x, y, 1, 1);
        return r;
    };
    const QRect recolhido = mola(0), estendido = mola(100);
    EXPECT_EQ(recolhido.left(), 317);
    EXPECT_EQ(recolhido.top(), 301);
    EXPECT_LE(recolhido.right(), 385);
    EXPECT_GE(recolhido.right(), 380);
    EXPECT_EQ(estendido.left(), 377);
    EXPECT_LE(estendido.right(), 385);
}

TEST(Renderizador, TextosDoCilindroSoOndeDevemEForcaTeoricaSoQuandoPedida)
{
    TEstado e;
    TComponente &c = cilindro(e, 2, 300, 300);
    const QImage forca0 = desenhar(e);
    // "Força: " is written even at rest, to the right of the barrel's top.
    EXPECT_GT(contar(forca0, QRect(c.direita, c.topo - 20, 60, 15), PRETO), 10);

    c.cilindro->forca = 481;
    const QImage texto_481 = desenhar(e);
    QRect d = diferenca(forca0, texto_481);
    ASSERT_FALSE(d.isEmpty());
    EXPECT_GE(d.left(), c.direita);
    EXPECT_GE(d.top(), c.topo - 20);
    EXPECT_LT(d.bottom(), c.topo - 5);
    // The theoretical force, when asked for, in the same format; the fuzzy estimate by default.
    c.cilindro->forca = 700;
    c.cilindro->forca_teorica = 481;
    EXPECT_FALSE(desenhar(e) == texto_481);
    e.mostrar_forca_teorica = true;
    EXPECT_TRUE(desenhar(e) == texto_481);
    e.mostrar_forca_teorica = false;

    c.cilindro->forca = 0;
    c.cilindro->nome = QStringLiteral("A");
    d = diferenca(forca0, desenhar(e));
    ASSERT_FALSE(d.isEmpty());
    EXPECT_GE(d.left(), c.esquerda + 35);
    EXPECT_LT(d.right(), c.direita);
    EXPECT_GE(d.top(), c.topo - 20);

    // Selected: the texts and stubs turn red with the pictures.
    c.cilindro->selecionar();
    const QImage sel = desenhar(e);
    EXPECT_EQ(contar(sel, QRect(c.direita, c.topo - 20, 60, 15), PRETO), 0);
    EXPECT_GT(contar(sel, QRect(c.direita, c.topo - 20, 60, 15), VERMELHO), 10);
    EXPECT_EQ(cor(sel, c.ponto(1).x, c.ponto(1).y - 3), VERMELHO);
}

TEST(Renderizador, RotulosNaMesmaPosicaoSeEmpilham)
{
    TEstado e;
    TComponente &c = cilindro(e, 2, 300, 300);
    const QImage sem = desenhar(e);
    c.cilindro->definir_rotulo(1, QStringLiteral("b1"), 50);
    const QImage um = desenhar(e);
    const QRect d1 = diferenca(sem, um);
    ASSERT_FALSE(d1.isEmpty());
    // Tick 30 pixels (50 mm) along, then the text below it.
    EXPECT_EQ(cor(um, c.direita + 13 + 30, c.baixo), PRETO);
    EXPECT_GE(d1.left(), c.direita + 10 + 30);
    EXPECT_LE(d1.left(), c.direita + 10 + 30 + 2); // the glyph's own left bearing

    c.cilindro->definir_rotulo(2, QStringLiteral("b1"), 50);
    const QImage dois = desenhar(e);
    const QRect d2 = diferenca(um, dois);
    ASSERT_FALSE(d2.isEmpty());
    EXPECT_GE(d2.top(), d1.top() + 10);
    // The second text is the first one moved 16 pixels down.
    const QRect texto1 = d1.adjusted(0, 7, 0, 0); // without the tick
    for (int y = texto1.top(); y <= texto1.bottom(); ++y)
        for (int x = texto1.left(); x <= texto1.right(); ++x)
            ASSERT_EQ(cor(dois, x, y + 16), cor(um, x, y)) << x << "," << y;
}

TEST(Renderizador, MiraCruzEBolinhaDoPonteiro)
{
    TEstado e;
    e.mouse_x = 500;
    e.mouse_y = 300;
    e.mostrar_mira = true;
    e.mostrar_cruz = true; // the sight wins
    // Left tick, circle, open centre, and no cross.
    EXPECT_EQ(pixels_errados(desenhar(e), {{488, 299, PRETO}, {491, 299, PRETO}, {490, 299, PRETO}, {499, 299, BRANCO},
                                           {499, 291, PRETO}, {498, 302, BRANCO}, {502, 290, BRANCO}}), "");

    e.lista().adicionar(TIPO_JUMP, 800, -1, -1, -1, 100).atualizar_geometria();
    TComponente &f = teste::polilinha(e, {TPonto(100, 100), TPonto(200, 100), TPonto(200, 200)});
    e.mostrar_mira = false;
    e.segmento_destacado = TSegmento{f.codigo, 1}; // the wire's code, not its list index
    EXPECT_EQ(pixels_errados(desenhar(e), {{498, 292, PRETO}, {502, 292, PRETO}, {500, 292, BRANCO},
                                           {200, 150, LIMA}, {150, 100, PRETO}}), "");

    e.segmento_destacado = TSegmento{f.codigo, 7}; // stale: no such segment
    EXPECT_EQ(cor(desenhar(e), 200, 150), PRETO);

    // A lime dot on the port the pointer is over.
    TComponente &t = e.lista().adicionar(TIPO_TOMADA_AR, 400, -1, -1, -1, 300);
    t.atualizar_geometria();
    EXPECT_TRUE(contem_figura(desenhar(e), 400, 300, t.tomada_ar->figura));
    t.ponto_ativo = 1;
    const TPonto p = t.ponto(1);
    const QImage img = desenhar(e);
    EXPECT_EQ(pixels_errados(img, {{p.x, p.y, LIMA}, {p.x, p.y - 2, LIMA}, {p.x, p.y - 3, PRETO},
                                   {p.x, p.y - 4, BRANCO}, {p.x - 3, p.y, PRETO}, {p.x + 3, p.y, PRETO}}), "");
    EXPECT_NE(cor(img, p.x + 4, p.y - 1), PRETO);
}

namespace {

// Bresenham's line walked pixel by pixel, last pixel excluded: the reference for the windowed
// pixel search.
std::vector<QPoint> linha_passo_a_passo(int x0, int y0, int x1, int y1)
{
    std::vector<QPoint> pixels;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int erro = dx + dy, x = x0, y = y0;
    while (x != x1 || y != y1) {
        pixels.emplace_back(x, y);
        const int e2 = 2 * erro;
        if (e2 >= dy) {
            erro += dy;
            x += sx;
        }
        if (e2 <= dx) {
            erro += dx;
            y += sy;
        }
    }
    return pixels;
}

} // namespace

TEST(Renderizador, PixelsDaLinhaNaJanelaSaoOsDaLinhaInteira)
{
    const QRect janelas[] = {QRect(-100, -100, 400, 400), QRect(0, 0, 20, 20), QRect(7, -3, 5, 30),
                             QRect(-40, 12, 100, 1), QRect(25, 25, 1, 1)};
    const int extremos[] = {-37, -9, 0, 3, 13, 20, 41};
    for (const QRect &janela : janelas)
        for (const int x0 : extremos)
            for (const int y0 : extremos)
                for (const int x1 : extremos)
                    for (const int y1 : extremos)
                        for (const auto &[periodo, ligados] : {std::pair{1, 1}, std::pair{6, 3}}) {
                            std::vector<QPoint> esperado;
                            const std::vector<QPoint> todos = linha_passo_a_passo(x0, y0, x1, y1);
                            for (size_t k = 0; k < todos.size(); ++k)
                                if (janela.contains(todos[k]) && int(k % size_t(periodo)) < ligados)
                                    esperado.push_back(todos[k]);
                            ASSERT_EQ(TRenderizador::pixels_da_linha(x0, y0, x1, y1, janela, periodo, ligados),
                                      esperado)
                                << x0 << "," << y0 << " -> " << x1 << "," << y1 << " periodo " << periodo;
                        }
}

// Electrical parts while simulating: a conductor is red where current runs, black elsewhere, a
// tube stays as it was; a lit lamp is coloured; a valve's solenoid shows its symbol with its tag;
// a coil lists its contacts beside it.
TEST(Renderizador, PartesEletricasAoSimular)
{
    TEstado e;
    const auto parte = [&e](int tipo, int x, int y) -> TComponente & {
        TComponente &c = e.lista().adicionar(tipo, x, -1, -1, -1, y);
        c.familia().posicionar(e.lista(), c, TVariante());
        return c;
    };
    TComponente &s1 = parte(TIPO_BOTAO, 100, 100), &h1 = parte(TIPO_LAMPADA, 113, 300);
    TComponente &condutor = teste::ligar_fio(e, s1, 2, h1, 1);
    TComponente &k1 = parte(TIPO_BOBINA, 600, 100);
    parte(TIPO_CONTATO, 700, 100);
    TComponente &tubo = teste::polilinha(e, {TPonto(300, 500), TPonto(400, 500)});
    TComponente &v = valvula(e, 300, 400);
    v.valvula_direcional->definir_solenoide(false, QStringLiteral("1Y1"));
    e.modo = MODO_SIMULACAO;
    h1.eletrico->energizada[0] = true;
    const int meio = (condutor.fio->ponto(0).y + condutor.fio->ponto(1).y) / 2, x = condutor.fio->ponto(0).x;
    const QRgb amarelo = TPintor::AMARELO.rgb();
    for (bool corrente : {false, true}) {
        condutor.fio->corrente = corrente;
        const QImage img = desenhar(e);
        EXPECT_EQ(pixels_errados(img, {{x, meio, corrente ? VERMELHO : PRETO}, {350, 500, AZUL},
                                       {h1.esquerda + 15, h1.topo + 17, amarelo}}), "");
        const QImage &sol = v.valvula_direcional->figura_solenoide_esq;
        EXPECT_TRUE(contem_figura(img, v.esquerda - sol.width(), v.baixo - sol.height() - 5, sol));
        const int antes = v.esquerda - sol.width();
        EXPECT_GT(contar(img, QRect(antes - 25, v.topo, 25, v.baixo - v.topo), PRETO), 10); // 1Y1
        const int y = k1.topo + (k1.baixo - k1.topo) / 2 + 5;
        EXPECT_GT(contar(img, QRect(k1.direita + 3, y, 30, 11), PRETO), 10); // "NA 2"
    }
    (void)tubo;
}
