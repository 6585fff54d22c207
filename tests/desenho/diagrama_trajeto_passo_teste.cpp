// The displacement-step diagram of a known run: its rows, texts and where it plots.

#include "demonstracoes/demonstracoes.h"
#include "desenho/diagrama_trajeto_passo.h"
#include "documento/arquivo_circuito.h"
#include "modelo/estado.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/roteiro_simulacao.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// "Cascata" with its lever latched before step `clique` (1: A+ at step 4, B+ at 6, B- at 9,
// A- at 11).
THistorico_Passos cascata(int passos, int clique = 1)
{
    TEstado estado;
    TInterfaceRoteirizada ui;
    EXPECT_TRUE(Construir_Demonstracao(estado, ui, QStringLiteral("cascata")));
    TRoteiro_Simulacao roteiro;
    QStringList resto;
    QString erro;
    EXPECT_TRUE(roteiro.ler({"--clique", QStringLiteral("%1:a4:esq").arg(clique), "--passos", QString::number(passos)},
                            resto, erro));
    EXPECT_EQ(roteiro.validar(estado), QString());
    roteiro.iniciar(estado);
    for (int k = 1; k <= roteiro.passos; ++k)
        roteiro.executar_passo(estado, k);
    return estado.historico;
}

TEST(DiagramaTrajetoPasso, LinhasETextosDeUmaExecucaoConhecida)
{
    const THistorico_Passos h = cascata(12);
    const TDiagrama_Trajeto_Passo com_valvulas(h, {"Turma B", "Sequência: A+ B+ B- A-"});
    EXPECT_EQ(com_valvulas.numero_passos(), 13);
    QStringList rotulos;
    for (const TLinha_Diagrama &l : com_valvulas.linhas())
        rotulos << l.rotulo + (l.cilindro ? "" : "*");
    // Cylinders first, then every directional valve in list order (* marks a valve row), the
    // roller valves named by their labels.
    EXPECT_EQ(rotulos.join(' ').toStdString(), "A B a0* a4* a1* b0* a2* b2* b1* E1*");
    const TLinha_Diagrama &a = com_valvulas.linhas()[0];
    EXPECT_EQ(a.valores, (std::vector<int>{0, 0, 0, 0, 100, 100, 100, 100, 100, 100, 100, 0, 0}));
    EXPECT_EQ(com_valvulas.texto_observada(), QStringLiteral("Sequência observada: A+ B+ B- A-"));
    EXPECT_EQ(com_valvulas.texto_esperada(), QStringLiteral("Sequência esperada: A+ B+ B- A- — cumprida"));

    const TDiagrama_Trajeto_Passo sem_valvulas(h, {"Sequência: A+ B+ A- B-"}, false);
    ASSERT_EQ(sem_valvulas.linhas().size(), 2u);
    EXPECT_EQ(sem_valvulas.texto_esperada(), QStringLiteral("Sequência esperada: A+ B+ A- B- — não cumprida"));
    EXPECT_EQ(TDiagrama_Trajeto_Passo(h, {}).texto_esperada(), QString());
}

TEST(DiagramaTrajetoPasso, TracaAsPosicoesEmLinhasDePassoEMostraOsUltimosPassosQuandoFaltaEspaco)
{
    const THistorico_Passos h = cascata(12);
    const TDiagrama_Trajeto_Passo d(h, {}, false);
    const QRectF area(0, 0, 600, 300);
    ASSERT_EQ(d.primeiro_passo(area), 0);
    // Steps are equally spaced; 100 is plotted above 0 within the same row, B's row below A's.
    const QPointF a3 = d.ponto(area, 0, 3), a4 = d.ponto(area, 0, 4), a5 = d.ponto(area, 0, 5);
    EXPECT_DOUBLE_EQ(a4.x() - a3.x(), a5.x() - a4.x());
    EXPECT_GT(a3.y(), a4.y());
    EXPECT_DOUBLE_EQ(a4.y(), a5.y());
    EXPECT_GT(d.ponto(area, 1, 0).y(), a3.y());
    EXPECT_LT(d.ponto(area, 1, 12).x(), area.right());

    // Painted, the rod's line is in the cylinder colour between the two points of a rest.
    QImage img(600, 300, QImage::Format_RGB32);
    {
        QPainter p(&img);
        d.desenhar(p, area);
    }
    const QPoint meio = ((a4 + a5) / 2).toPoint();
    EXPECT_EQ(img.pixel(meio), qRgb(0, 0, 128));
    EXPECT_EQ(img.pixel(2, 2), qRgb(255, 255, 255));

    // A long run in a narrow window shows its latest steps.
    const TDiagrama_Trajeto_Passo longo(cascata(200), {}, false);
    const QRectF estreita(0, 0, 300, 200);
    const int primeiro = longo.primeiro_passo(estreita);
    EXPECT_GT(primeiro, 150);
    EXPECT_LE(longo.ponto(estreita, 0, 200).x(), estreita.right());
    EXPECT_GE(longo.ponto(estreita, 0, primeiro).x(), estreita.left());
}

// Idle steps before the first movement can be left out: with the lever latched before step 20,
// A+ comes at 23 and the diagram starts at 19, the last step at rest, so the lever's valve is
// seen switching; steps keep their numbers. A run that never moved keeps its present step.
TEST(DiagramaTrajetoPasso, OcultaOsPassosParadosAntesDoPrimeiroMovimento)
{
    const THistorico_Passos h = cascata(40, 20);
    const TDiagrama_Trajeto_Passo todos(h, {}), ativos(h, {}, true, true);
    EXPECT_EQ(todos.passo_inicial(), 0);
    ASSERT_EQ(todos.numero_passos(), 41);
    EXPECT_EQ(ativos.passo_inicial(), 19);
    EXPECT_EQ(ativos.numero_passos(), 22);
    for (size_t i = 0; i < todos.linhas().size(); ++i)
        EXPECT_EQ(ativos.linhas()[i].valores,
                  std::vector<int>(todos.linhas()[i].valores.begin() + 19, todos.linhas()[i].valores.end()));
    EXPECT_EQ(ativos.linhas()[3].rotulo, QStringLiteral("a4"));
    EXPECT_EQ(ativos.linhas()[3].valores[0], 2);
    EXPECT_EQ(ativos.linhas()[3].valores[1], 1);
    EXPECT_EQ(ativos.texto_observada(), todos.texto_observada());

    const TDiagrama_Trajeto_Passo sem_movimento(cascata(15, 30), {}, true, true);
    EXPECT_EQ(sem_movimento.passo_inicial(), 15);
    EXPECT_EQ(sem_movimento.numero_passos(), 1);
}

// However small the area, a row's name and value numbers keep clear of the lines that bound
// the row; what does not fit runs past the area (the window scrolls over it). The whole run
// at the natural size, as exported, shows every step.
TEST(DiagramaTrajetoPasso, RotulosNaoTocamAsLinhasEExportacaoTemTodosOsPassos)
{
    const TDiagrama_Trajeto_Passo d(cascata(12), {});
    for (const QSizeF tamanho : {d.tamanho_natural(), d.tamanho_minimo(), QSizeF(600, 300), QSizeF(400, 250)}) {
        SCOPED_TRACE(tamanho.height());
        const QRectF area(QPointF(0, 0), tamanho);
        QImage img(tamanho.toSize(), QImage::Format_RGB32);
        {
            QPainter p(&img);
            d.desenhar(p, area);
        }
        // Left of the plot only the names, the value numbers and the rows' separators are drawn.
        const int direita = int(d.ponto(area, 0, 0).x()) - 4;
        std::vector<int> texto, linha;
        for (int y = 0; y < img.height(); ++y) {
            int escuros = 0, marcados = 0;
            for (int x = 8; x < direita; ++x) {
                escuros += qGray(img.pixel(x, y)) < 100;
                marcados += img.pixel(x, y) != qRgb(255, 255, 255);
            }
            if (marcados == direita - 8)
                linha.push_back(y);
            else if (escuros > 0)
                texto.push_back(y);
        }
        ASSERT_GE(linha.size(), 4u);
        for (int y : texto)
            for (int l : linha)
                EXPECT_GT(std::abs(y - l), 1) << "text at " << y << ", line at " << l;
    }

    const TDiagrama_Trajeto_Passo longo(cascata(200), {}, false);
    const QRectF natural(QPointF(0, 0), longo.tamanho_natural());
    EXPECT_EQ(longo.primeiro_passo(natural), 0);
    EXPECT_LE(longo.ponto(natural, 0, 200).x(), natural.right());
    const QRectF minimo(QPointF(0, 0), longo.tamanho_minimo());
    EXPECT_EQ(longo.primeiro_passo(minimo), 0);
    EXPECT_LE(longo.ponto(minimo, 0, 200).x(), minimo.right());
}

} // namespace

// The start/stop circuit of the fixture, S1 clicked before step 1 and released before step 2:
// solenoid and relay rows (0 off, 1 on) follow the valve rows only when asked for.
TEST(DiagramaTrajetoPasso, LinhasDeSolenoidesEReles)
{
    TEstado estado;
    ASSERT_EQ(Abrir_Arquivo(estado, QStringLiteral(ZEFIRA_FIXTURES "/eletropneumatico.zfr")).status, StatusLeitura::Ok);
    TRoteiro_Simulacao roteiro;
    QStringList resto;
    QString erro;
    ASSERT_TRUE(roteiro.ler({"--clique", "1:S1:esq", "--soltar", "2", "--passos", "5"}, resto, erro));
    ASSERT_EQ(roteiro.validar(estado), QString());
    roteiro.iniciar(estado);
    for (int k = 1; k <= roteiro.passos; ++k)
        roteiro.executar_passo(estado, k);
    const struct {
        bool valvulas, eletricos;
        const char *linhas;
    } casos[] = {
        {true, false, "A 0,0,100,100,0,0 1V1 2,1,1,2,2,2"},
        {false, true, "A 0,0,100,100,0,0 K1 0,1,1,0,0,0 1Y1 0,1,1,0,0,0"},
    };
    for (const auto &c : casos) {
        QStringList linhas;
        const TDiagrama_Trajeto_Passo d(estado.historico, {}, c.valvulas, false, c.eletricos);
        for (const TLinha_Diagrama &l : d.linhas()) {
            QStringList valores;
            for (int v : l.valores)
                valores << QString::number(v);
            linhas << l.rotulo << valores.join(',');
        }
        EXPECT_EQ(linhas.join(' ').toStdString(), c.linhas);
    }
}
