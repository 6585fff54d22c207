// The work area driven through the real widgets: placing from the palette, drawing a wire
// between two ports, the double click's event order, and the picture of a demonstration.
#include "apoio_janelas.h"
#include "apoio/circuito.h"
#include "demonstracoes/demonstracoes.h"
#include "desenho/renderizador.h"
#include "edicao/paleta.h"
#include "documento/arquivo_circuito.h"
#include "documento/comandos_documento.h"
#include "modelo/interface_roteirizada.h"
#include "janelas/arquivoatual.h"
#include "simulacao/controle_simulacao.h"
#include "janelas/biblioteca.h"
#include "janelas/caixa_zoom.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <functional>
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

// A 1000 x 650 work area, shown, its timer stopped so the test ticks it.
struct Area {
    TEstado estado;
    TInterfaceRoteirizada ui;
    TFormArquivo area{estado, ui};
    Area()
    {
        area.Timer1.stop();
        area.resize(1000, 650);
        area.show();
        processar_eventos();
    }
    // Where circuit pixel p is on the window at the current zoom and scroll.
    QPoint tela(const TPonto &p) const
    {
        return estado.vista.para_tela(QPointF(p.x + 0.5, p.y + 0.5)).toPoint();
    }
};

void arrastar(QWidget *w, QPoint de, QPoint ate)
{
    mover(w, de);
    pressionar(w, de);
    evento_mouse(w, QEvent::MouseMove, (de + ate) / 2, Qt::NoButton, Qt::LeftButton);
    evento_mouse(w, QEvent::MouseMove, ate, Qt::NoButton, Qt::LeftButton);
    soltar(w, ate);
}

} // namespace

TEST(AreaTrabalho, PaletaCliqueEFioPelosWidgets)
{
    PrincipalVisivel p;
    // Mouse events reach the work area through its viewport, as the window system sends them.
    TFormArquivo *form_area = p.form.FormArquivo;
    QWidget *area = form_area->viewport();
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

    // Placed where the pointer was; what a placement makes is pinned by the palette's tests.
    TComponente &c = p.estado.lista()[0];
    TComponente &v = p.estado.lista()[1];
    EXPECT_EQ(c.cilindro->tipo(), 1);
    EXPECT_EQ(std::make_pair(c.esquerda, c.topo), std::make_pair(100, 60));
    EXPECT_EQ(std::make_pair(v.esquerda, v.topo), std::make_pair(300, 250));

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
    EXPECT_EQ(c.conexao(1), f.codigo);
    EXPECT_EQ(v.conexao(2), f.codigo);
    EXPECT_TRUE(p.estado.modificado);
    ASSERT_GE(f.fio->numero_pontos(), 3);
    // What the next tick paints is pinned by CadaMudancaDeZoomRolagemOuConteudoRepinta.
}

TEST(AreaTrabalho, DuploCliqueConsomeOCliqueQueOAcompanha)
{
    PrincipalVisivel p;
    QWidget *area = p.form.FormArquivo->viewport();
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

// The picture of "Comando Básico 1" after one tick, against a reviewed reference. Set
// ZEFIRA_GERAR_REFERENCIA to write the reference again after a deliberate change.
TEST(AreaTrabalho, DesenhoDeUmaDemonstracaoConfereComAReferencia)
{
    Area a;
    ASSERT_TRUE(Construir_Demonstracao(a.estado, a.ui, "comandobasico1"));
    a.area.Timer1Timer();
    QImage img = a.area.imagem().convertToFormat(QImage::Format_RGB32);
    // The scroll bars of the larger surface take their strips off the 1000 x 650 window.
    ASSERT_GE(img.width(), 960);
    ASSERT_GE(img.height(), 610);

    const QString arquivo = QStringLiteral(ZEFIRA_FIXTURES) + "/referencia_comandobasico1.png";
    if (qEnvironmentVariableIsSet("ZEFIRA_GERAR_REFERENCIA"))
        ASSERT_TRUE(img.save(arquivo));
    QImage referencia = QImage(arquivo).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(referencia.isNull()) << arquivo.toStdString();
    const QRect comum(QPoint(0, 0), img.size().boundedTo(referencia.size()));
    img = img.copy(comum);
    referencia = referencia.copy(comum);

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

TEST(AreaTrabalho, ComZoomOPonteiroAcertaPortasEFaixa)
{
    Area a;
    TComponente &v = valvula2(a.estado, 300, 200);
    TComponente &c = componente(a.estado, TIPO_CILINDRO, 420, 100, -1, 2);
    TComponente &longe = valvula2(a.estado, 900, 600);

    // 200 %: a press on the screen point of a port starts a wire there; another ends it.
    a.area.definir_zoom(2.0, QPointF(0, 0));
    const QPoint porta = a.tela(v.ponto(2));
    ASSERT_EQ(porta, QPoint(2 * v.ponto(2).x + 1, 2 * v.ponto(2).y + 1));
    clicar_em(a.area.viewport(), porta);
    ASSERT_EQ(a.estado.modo, 1);
    clicar_em(a.area.viewport(), a.tela(c.ponto(1)));
    EXPECT_EQ(a.estado.modo, 0);
    EXPECT_EQ(v.conexao(2), c.conexao(1));
    EXPECT_GT(v.conexao(2), 0);

    // 50 %: a rubber band from screen (100, 40) to (400, 260) covers circuit (200, 80) to
    // (800, 520): both components but not the far valve.
    a.area.definir_zoom(0.5, QPointF(0, 0));
    arrastar(a.area.viewport(), QPoint(100, 40), QPoint(400, 260));
    EXPECT_TRUE(v.selecionado());
    EXPECT_TRUE(c.selecionado());
    EXPECT_FALSE(longe.selecionado());
}

// A circuit made on a larger screen: its component lies beyond a 1000 x 650 window.
TEST(AreaTrabalho, ComponenteLongeAbreComRolagemEPodeSerEditado)
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("grande.zfr");
    {
        TEstado outro;
        valvula2(outro, 3000, 2000);
        ASSERT_TRUE(Salvar_Arquivo(outro, arquivo));
    }
    Area a;
    a.ui.arquivos = {arquivo};
    abrirClick(a.estado, a.ui);
    a.area.Timer1Timer();
    processar_eventos();
    ASSERT_EQ(a.estado.lista().numero_componentes(), 1);
    TComponente &v = a.estado.lista()[0];

    EXPECT_TRUE(a.area.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(a.area.verticalScrollBar()->isVisible());
    // The document is shown: the valve is inside the window.
    const QPoint corpo = a.tela(TPonto(v.esquerda + 10, v.topo + 10));
    ASSERT_TRUE(a.area.viewport()->rect().contains(corpo)) << corpo.x() << "," << corpo.y();

    // Selected and dragged: the surface, not the window, limits the move.
    arrastar(a.area.viewport(), corpo, corpo + QPoint(40, 30));
    EXPECT_TRUE(v.selecionado());
    EXPECT_EQ(v.esquerda, 3040);
    EXPECT_EQ(v.topo, 2030);

    // Scrolled back to the top-left, the area's picture is of that corner.
    a.area.horizontalScrollBar()->setValue(0);
    a.area.verticalScrollBar()->setValue(0);
    EXPECT_EQ(a.estado.vista.origem(), QPoint(0, 0));
}

TEST(AreaTrabalho, CaixaDeZoomLeOTextoDigitado)
{
    struct Caso {
        const char *texto;
        double zoom;
    } leituras[] = {{"150", 1.5}, {"150 %", 1.5}, {"75%", 0.75}, {"12,5", 0.125},
                    {"abc", 0},   {"0", 0},       {"-50", 0},    {"", 0}};
    for (const Caso &c : leituras)
        EXPECT_DOUBLE_EQ(TCaixaZoom::ler(c.texto), c.zoom) << c.texto;
}

// Why a run paused by itself (a short circuit) reaches the user once, as a message.
TEST(AreaTrabalho, AvisoDaSimulacaoViraMensagem)
{
    Area a;
    a.estado.aviso_simulacao = QStringLiteral("Curto-circuito: +24 V ligado diretamente a 0 V.");
    a.area.Timer1Timer();
    a.area.Timer1Timer();
    EXPECT_EQ(a.ui.registro, QStringList({"mensagem: Curto-circuito: +24 V ligado diretamente a 0 V."}));
}

// The 20 ms tick repaints only when something shown may have changed: nothing while idle or
// paused, once per simulation step (twice when a step showed a cam, which the next repaint
// takes down), and after any input. Idle means asleep: stopped or paused with nothing happening,
// the timer stops; input, a command or a run wake it, and a stop still gets its rest update
// before it sleeps again.
TEST(AreaTrabalho, RepintaEAcordaSoQuandoAlgoMuda)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    TFormArquivo area(estado, ui);
    ASSERT_TRUE(Construir_Demonstracao(estado, ui, "passoapasso"));
    area.marcar_alterado();
    const auto adormece = [&] {
        for (int i = 0; i < 5 && area.Timer1.isActive(); ++i)
            area.Timer1Timer();
        return !area.Timer1.isActive() && area.dormindo();
    };
    const auto quadros_em = [&](int tiques) {
        const int antes = area.quadros();
        for (int i = 0; i < tiques; ++i)
            area.Timer1Timer();
        return area.quadros() - antes;
    };
    EXPECT_TRUE(adormece()) << "parado";
    EXPECT_EQ(quadros_em(200), 0) << "parado";
    mover(area.viewport(), QPoint(500, 300));
    EXPECT_TRUE(area.Timer1.isActive()) << "o ponteiro acorda";
    EXPECT_EQ(quadros_em(1), 1) << "o ponteiro mexeu";
    EXPECT_TRUE(adormece());

    iniciarClick(estado);
    area.marcar_alterado(); // the command wakes it
    const std::uint64_t passos = estado.revisao_simulacao;
    const int quadros_passos = quadros_em(200); // 4 s: ten steps of 400 ms
    EXPECT_TRUE(area.Timer1.isActive()) << "simulando";
    EXPECT_EQ(estado.revisao_simulacao - passos, 10u);
    EXPECT_GE(quadros_passos, 10);
    EXPECT_LE(quadros_passos, 21);

    pausarClick(estado);
    area.marcar_alterado();
    EXPECT_TRUE(adormece()) << "pausado";
    EXPECT_EQ(quadros_em(200), 0) << "pausado";
    pararClick(estado);
    area.marcar_alterado();
    EXPECT_TRUE(adormece()) << "parado de novo";
    EXPECT_TRUE(estado.acionadores_atualizados);
}

// Whatever changes the zoom, the scroll or the content, the picture at once is that of the new
// view, painted afresh: nothing of the previous one stays on the screen. The zoom box shows the
// zoom, and what is typed in it is held between 25 % and 400 %.
TEST(AreaTrabalho, CadaMudancaDeZoomRolagemOuConteudoRepinta)
{
    PrincipalVisivel p;
    TFormArquivo &area = *p.form.FormArquivo;
    area.Timer1.stop();
    p.form.acao("cascata")->trigger();
    area.Timer1Timer();
    auto *caixa = p.form.findChild<TCaixaZoom *>("CaixaZoom");
    ASSERT_TRUE(caixa);
    EXPECT_EQ(caixa->currentText(), "100%");
    const auto roda = [&](Qt::KeyboardModifiers teclas) {
        const QPoint sob(300, 200);
        QWheelEvent e(QPointF(sob), QPointF(area.viewport()->mapToGlobal(sob)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, teclas, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area.viewport(), &e);
    };
    const auto digitar_zoom = [&](const char *texto) {
        caixa->lineEdit()->setText(QString::fromUtf8(texto));
        tecla(caixa->lineEdit(), Qt::Key_Return);
    };
    const auto item = [&](const char *nome) { return [&p, nome] { p.form.acao(nome)->trigger(); }; };
    const struct {
        const char *nome;
        std::function<void()> passo;
        double zoom; // 0: not checked
    } passos[] = {
        {"lista 25%", [&] { emit caixa->textActivated(caixa->itemText(0)); }, 0.25},
        {"Ctrl+0", [&] { atalho(&area, QKeySequence(QStringLiteral("Ctrl+0"))); }, 0},
        {"roda", [&] { roda(Qt::NoModifier); }, 0},
        {"barras", [&] {
             area.horizontalScrollBar()->setValue(600);
             area.verticalScrollBar()->setValue(100);
         }, 0},
        {"Ctrl+T", [&] { atalho(&area, QKeySequence(QStringLiteral("Ctrl+T"))); }, 0},
        {"Ctrl+roda", [&] { roda(Qt::ControlModifier); }, 0},
        {"digitado 100", [&] { digitar_zoom("100"); }, 1},
        {"roda de novo", [&] { roda(Qt::NoModifier); }, 1},
        {"Ctrl++", [&] { atalho(&area, QKeySequence(QStringLiteral("Ctrl++"))); }, 0},
        {"Ajustar à janela", item("ajustarajanela"), 0},
        {"digitado 200", [&] { digitar_zoom("200"); }, 2},
        {"reduzir", item("reduzir"), 1.5},
        {"ampliar", item("ampliar"), 2},
        {"digitado 900", [&] { digitar_zoom("900"); }, 4},
        {"digitado abc", [&] { digitar_zoom("abc"); }, 4},
        {"tamanho normal", item("tamanhonormal"), 1},
        {"digitado 10%", [&] { digitar_zoom("10%"); }, 0.25},
    };
    for (const auto &[nome, passo, zoom] : passos) {
        passo();
        processar_eventos();
        area.Timer1Timer();
        QImage esperada(area.imagem().size(), QImage::Format_RGB32);
        esperada.setDevicePixelRatio(area.imagem().devicePixelRatio());
        esperada.fill(Qt::white);
        {
            QPainter pintor(&esperada);
            pintor.setTransform(p.estado.vista.transformacao());
            Desenhar(p.estado, pintor, p.estado.mostrar_mira, p.estado.mostrar_cruz, p.estado.segmento_destacado);
        }
        EXPECT_TRUE(area.imagem() == esperada) << nome << " zoom " << p.estado.vista.zoom();
        if (zoom)
            EXPECT_DOUBLE_EQ(p.estado.vista.zoom(), zoom) << nome;
        EXPECT_EQ(caixa->currentText(), TCaixaZoom::texto(p.estado.vista.zoom())) << nome;
    }
    EXPECT_EQ(caixa->currentText(), "25%");
}

// A document opened is scrolled into view, even the demonstration already open.
TEST(AreaTrabalho, AbrirRolaAteODesenho)
{
    Area a;
    for (int vez = 0; vez < 2; ++vez) {
        a.area.horizontalScrollBar()->setValue(2000);
        a.area.verticalScrollBar()->setValue(1500);
        a.ui.respostas = {Resposta::Nao}; // not saving what is open
        ASSERT_TRUE(Construir_Demonstracao(a.estado, a.ui, "cascata"));
        a.area.Timer1Timer();
        const QRect circuito = Limites_Circuito(a.estado.lista());
        EXPECT_TRUE(a.area.viewport()->rect().contains(a.tela(TPonto(circuito.left(), circuito.top())))) << vez;
    }
}
