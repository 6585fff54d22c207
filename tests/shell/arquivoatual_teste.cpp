// The work area driven through the real widgets: placing from the palette, drawing a wire
// between two ports, the double click's event order, and the picture of a demonstration.
#include "apoio_janelas.h"
#include "demos/demonstracoes.h"
#include "editor/paleta.h"
#include "model/interface_roteirizada.h"
#include "shell/arquivoatual.h"
#include "simulation/controle_simulacao.h"
#include "shell/biblioteca.h"

#include <QDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

QPoint ponto(const TPonto &p) { return QPoint(p.x, p.y); }

// A user's click on the work area: the pointer moves there first, which marks a free port.
void clicar_em(QWidget *area, const QPoint &p)
{
    mover(area, p);
    clicar(area, p);
}

} // namespace

TEST(AreaTrabalho, PaletaCliqueEFioPelosWidgets)
{
    Principal p;
    p.form.show();
    processar_eventos();
    TFormArquivo *area = p.form.FormArquivo;
    TFormBiblioteca *paleta = p.form.FormBiblioteca;

    QToolButton *cilindro = paleta->findChild<QToolButton *>("SBcilindroSE");
    ASSERT_EQ(cilindro, paleta->botao(7));
    clicar(cilindro);
    EXPECT_TRUE(cilindro->isChecked());
    EXPECT_EQ(p.estado.modo, 7);
    // The same button again cancels the placement.
    clicar(cilindro);
    EXPECT_FALSE(cilindro->isChecked());
    EXPECT_EQ(p.estado.modo, 0);
    EXPECT_EQ(p.estado.componente_atual, p.estado.componente_nulo);

    clicar(cilindro);
    clicar_em(area, QPoint(100, 60));
    EXPECT_EQ(p.estado.modo, 0);
    EXPECT_FALSE(cilindro->isChecked()); // placing lifts the button
    ASSERT_EQ(p.estado.lista().numero_componentes(), 1);

    clicar(paleta->findChild<QToolButton *>("SBvalvula3vias"));
    EXPECT_EQ(p.estado.modo, 3);
    clicar_em(area, QPoint(300, 250));
    ASSERT_EQ(p.estado.lista().numero_componentes(), 3); // the valve brings its air supply

    // A right press cancels a pending placement and lifts its button.
    QToolButton *tomada = paleta->findChild<QToolButton *>("SBtomadaar");
    clicar(tomada);
    EXPECT_EQ(p.estado.modo, 6);
    evento_mouse(area, QEvent::MouseButtonPress, QPoint(600, 400), Qt::RightButton, Qt::RightButton);
    evento_mouse(area, QEvent::MouseButtonRelease, QPoint(600, 400), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(p.estado.modo, 0);
    EXPECT_FALSE(tomada->isChecked());
    EXPECT_EQ(p.estado.lista().numero_componentes(), 3);

    TComponente &c = p.estado.lista()[0];
    TComponente &v = p.estado.lista()[1];
    TComponente &t = p.estado.lista()[2];
    EXPECT_EQ(c.tipo, TIPO_CILINDRO);
    EXPECT_EQ(c.cilindro->tipo(), 1);
    EXPECT_EQ(c.esquerda, 100);
    EXPECT_EQ(c.topo, 60);
    EXPECT_EQ(v.tipo, TIPO_VALVULA_DIRECIONAL);
    EXPECT_EQ(v.valvula_direcional->numero_vias, 3);
    EXPECT_EQ(v.esquerda, 300);
    EXPECT_EQ(v.topo, 250);
    EXPECT_EQ(t.tipo, TIPO_TOMADA_AR);
    EXPECT_EQ(c.codigo, 1);
    EXPECT_EQ(v.codigo, 2);
    EXPECT_EQ(t.codigo, 3);
    EXPECT_EQ(v.conexao(1), t.codigo);
    EXPECT_EQ(t.tomada_ar->conexao, v.codigo);
    EXPECT_EQ(t.tomada_ar->pino, 1);

    // A wire from the cylinder's port 1 to the valve's outlet 2: two presses on free ports.
    const QPoint de = ponto(c.ponto(1)), ate = ponto(v.ponto(2));
    mover(area, de);
    EXPECT_EQ(c.ponto_ativo, 1);
    clicar(area, de);
    EXPECT_EQ(p.estado.modo, 1);
    EXPECT_EQ(c.conexao(1), -10);
    mover(area, (de + ate) / 2); // the loose end follows the pointer; no port under it
    EXPECT_EQ(p.estado.modo, 1);
    clicar_em(area, ate);
    EXPECT_EQ(p.estado.modo, 0);

    ASSERT_EQ(p.estado.lista().numero_componentes(), 4);
    TComponente &f = p.estado.lista()[3];
    ASSERT_EQ(f.tipo, TIPO_FIO);
    EXPECT_EQ(f.codigo, 4);
    EXPECT_EQ(f.fio->conexao_origem, c.codigo);
    EXPECT_EQ(f.fio->pino_origem, 1);
    EXPECT_EQ(f.fio->conexao_destino, v.codigo);
    EXPECT_EQ(f.fio->pino_destino, 2);
    EXPECT_EQ(c.conexao(1), f.codigo);
    EXPECT_EQ(v.conexao(2), f.codigo);
    EXPECT_EQ(c.conexao(2), -1);
    ASSERT_GE(f.fio->numero_pontos(), 3);
    EXPECT_EQ(ponto(f.fio->ponto(0)), de);
    EXPECT_EQ(ponto(f.fio->ponto(f.fio->numero_pontos() - 1)), ate);
    // The route is orthogonal.
    for (int i = 1; i < f.fio->numero_pontos(); ++i) {
        const TPonto &a = f.fio->ponto(i - 1), &b = f.fio->ponto(i);
        EXPECT_TRUE(a.x == b.x || a.y == b.y) << i;
    }
    EXPECT_TRUE(p.estado.modificado);

    // The next tick paints the wire on the widget's picture.
    area->Timer1Timer();
    const QImage img = area->imagem();
    const TPonto meio = f.fio->ponto(1);
    int tinta = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            tinta += (img.pixel(meio.x + dx, meio.y + dy) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(tinta, 0);
}

TEST(AreaTrabalho, DuploCliqueConsomeOCliqueQueOAcompanha)
{
    Principal p;
    p.form.show();
    processar_eventos();
    TFormArquivo *area = p.form.FormArquivo;
    TComponente &a = Posicionar_Componente(p.estado, 7, 100, 60);
    TComponente &b = Posicionar_Componente(p.estado, 7, 400, 60);
    const QPoint em_a(a.esquerda + 20, a.topo + 10), em_b(b.esquerda + 20, b.topo + 10);
    ASSERT_TRUE(a.contem(em_a.x(), em_a.y()));

    GuardaModal guarda; // answers the cylinder's property dialog
    clicar_duas_vezes(area, em_a);
    EXPECT_EQ(guarda.fechados, 1); // the cylinder's dialog was shown modally, once
    EXPECT_EQ(p.estado.componente_atual.get(), &a);
    // The press that came with the double click was taken as the one after the dialog.
    EXPECT_FALSE(p.estado.ignorar_clique);
    EXPECT_FALSE(p.estado.ignorar_selecao);
    EXPECT_FALSE(p.estado.selecionando);
    EXPECT_EQ(p.estado.indice_arrasto, -1);

    // So the next click is an ordinary one: it picks the other cylinder.
    clicar_em(area, em_b);
    EXPECT_TRUE(b.selecionado());
    EXPECT_FALSE(a.selecionado());
    EXPECT_EQ(p.estado.numero_selecionados, 1);

    // And a click on empty space after another double click starts (and ends) a rubber band
    // that deselects everything.
    clicar_duas_vezes(area, em_a);
    pressionar(area, QPoint(700, 400));
    EXPECT_TRUE(p.estado.selecionando);
    soltar(area, QPoint(700, 400));
    EXPECT_FALSE(p.estado.selecionando);
    EXPECT_EQ(p.estado.numero_selecionados, 0);

    // A double click on a jump opens nothing and leaves no press to ignore.
    TComponente &j = Posicionar_Componente(p.estado, 14, 600, 300);
    const int dialogos = guarda.fechados;
    clicar_duas_vezes(area, QPoint(j.esquerda + 1, j.topo + 1));
    EXPECT_EQ(guarda.fechados, dialogos);
    EXPECT_EQ(p.estado.componente_atual, p.estado.componente_nulo);
    EXPECT_FALSE(p.estado.ignorar_clique);
    EXPECT_FALSE(p.estado.ignorar_selecao);
}

namespace {

// Pixels whose colour differs by more than a small amount in any channel.
int pixels_diferentes(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 40 || std::abs(qGreen(p) - qGreen(q)) > 40
                || std::abs(qBlue(p) - qBlue(q)) > 40)
                ++n;
        }
    return n;
}

} // namespace

// The picture of "Comando Básico 1" after one tick, against a reviewed reference. Set
// ZEFIRA_GERAR_REFERENCIA to write the reference again after a deliberate change.
TEST(AreaTrabalho, DesenhoDeUmaDemonstracaoConfereComAReferencia)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    TFormArquivo area(estado, ui);
    area.Timer1.stop();
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, "comandobasico1"));
    area.Timer1Timer();
    const QImage img = area.imagem().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(img.size(), QSize(1000, 650));

    const QString arquivo = QStringLiteral(ZEFIRA_FIXTURES) + "/referencia_comandobasico1.png";
    if (qEnvironmentVariableIsSet("ZEFIRA_GERAR_REFERENCIA"))
        ASSERT_TRUE(img.save(arquivo));
    const QImage referencia = QImage(arquivo).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(referencia.isNull()) << arquivo.toStdString();
    ASSERT_EQ(referencia.size(), img.size());

    // Font hinting may move a few text pixels; a missing wire or symbol moves hundreds.
    const int diferentes = pixels_diferentes(img, referencia);
    if (diferentes > 120)
        img.save(QDir::temp().filePath("comandobasico1_obtido.png"));
    EXPECT_LE(diferentes, 120);

    // Not a blank picture that matched a blank reference.
    int tinta = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            tinta += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(tinta, 2000);
}

// The 20 ms tick repaints only when something shown may have changed: nothing while idle or
// paused, once per simulation step (twice when a step showed a cam, which the next repaint
// takes down), and after any input.
TEST(AreaTrabalho, RepintaSoQuandoAlgoMuda)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    TFormArquivo area(estado, ui);
    area.Timer1.stop();
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, "passoapasso"));
    area.marcar_alterado();
    area.Timer1Timer();
    area.Timer1Timer();
    const int inicio = area.quadros();
    for (int i = 0; i < 200; ++i)
        area.Timer1Timer();
    EXPECT_LE(area.quadros() - inicio, 1) << "parado";

    iniciarClick(estado);
    area.marcar_alterado();
    const int simulando = area.quadros();
    const std::uint64_t passos = estado.revisao_simulacao;
    for (int i = 0; i < 200; ++i) // 4 s: ten steps of 400 ms
        area.Timer1Timer();
    const int quadros_passos = area.quadros() - simulando;
    EXPECT_EQ(estado.revisao_simulacao - passos, 10u);
    EXPECT_GE(quadros_passos, 10);
    EXPECT_LE(quadros_passos, 21);

    pausarClick(estado);
    area.Timer1Timer();
    area.Timer1Timer();
    const int pausado = area.quadros();
    for (int i = 0; i < 200; ++i)
        area.Timer1Timer();
    EXPECT_EQ(area.quadros(), pausado) << "pausado";

    mover(&area, QPoint(500, 300));
    area.Timer1Timer();
    EXPECT_EQ(area.quadros(), pausado + 1) << "o ponteiro mexeu";
}
