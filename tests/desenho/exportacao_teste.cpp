#include "apoio/circuito.h"
#include "apoio/figuras.h"
#include "desenho/exportacao_circuito.h"
#include "desenho/impressao.h"
#include "desenho/limites_desenho.h"
#include "desenho/renderizador.h"
#include "modelo/interface_roteirizada.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

using zefira::teste::cor;
using zefira::teste::nao_brancos;
using zefira::teste::recorte;

// The work area as the user sees it, but without the pointer overlays an export leaves out.
QImage area_sem_ponteiro(TEstado &e)
{
    const bool mira = e.mostrar_mira, cruz = e.mostrar_cruz;
    e.mostrar_mira = e.mostrar_cruz = false;
    std::vector<int> marcas;
    for (int i = 0; i < e.lista().numero_componentes(); ++i) {
        marcas.push_back(e.lista()[i].ponto_ativo);
        e.lista()[i].ponto_ativo = -1;
    }
    const QImage img = Imagem_Area_Trabalho(e);
    for (int i = 0; i < e.lista().numero_componentes(); ++i)
        e.lista()[i].ponto_ativo = marcas[size_t(i)];
    e.mostrar_mira = mira;
    e.mostrar_cruz = cruz;
    return img;
}

TComponente &valvula(TEstado &e, int esquerda, int topo)
{
    TComponente &c = e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, esquerda, -1, -1, 4, topo);
    c.valvula_direcional->definir_parte(1, 8);
    c.valvula_direcional->definir_parte(2, 10);
    c.valvula_direcional->definir_acao_manual(false, 1);
    c.valvula_direcional->mola_dir = true;
    c.valvula_direcional->descricao = QStringLiteral("V1");
    c.valvula_direcional->mostrar_nome = true;
    c.valvula_direcional->desselecionar();
    c.atualizar_geometria();
    return c;
}

// A valve with its name, a double-acting cylinder with its captions and a wire between them.
void circuito_ligado(TEstado &e, int dx, int dy)
{
    TComponente &v = valvula(e, 300 + dx, 300 + dy);
    TComponente &c = teste::componente(e, TIPO_CILINDRO, 280 + dx, 100 + dy, -1, 1);
    teste::ligar_fio(e, v, 2, c, 1, {TPonto(v.ponto(2).x, 220 + dy), TPonto(c.ponto(1).x, 220 + dy)});
}

struct Caso {
    const char *nome;
    std::function<void(TEstado &)> montar;
};

const Caso CASOS[] = {
    {"ligado", [](TEstado &e) { circuito_ligado(e, 0, 0); }},
    // Near the corner: the margin passes the picture's edge and is white there.
    {"no_canto", [](TEstado &e) { teste::componente(e, TIPO_TOMADA_AR, 4, 6); }},
    {"selecionado_e_simulando",
     [](TEstado &e) {
         circuito_ligado(e, 200, 150);
         e.lista()[0].selecionar();
         e.modo = MODO_SIMULACAO;
         e.lista()[2].fio->pressao = 6;
     }},
    // Pointer overlays are on the screen, never in the export.
    {"com_ponteiro",
     [](TEstado &e) {
         circuito_ligado(e, 0, 0);
         e.mostrar_mira = true;
         e.mouse_x = 900;
         e.mouse_y = 600;
         e.lista()[0].ponto_ativo = 1;
     }},
    {"so_um_tubo", [](TEstado &e) { teste::polilinha(e, {TPonto(600, 500), TPonto(700, 500), TPonto(700, 560)}); }},
};

} // namespace

TEST(Exportacao, LimitesSaoOsPixelsPintadosEAPngEmEscala1EORecorteDaAreaDeTrabalho)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Caso &caso : CASOS) {
        SCOPED_TRACE(caso.nome);
        TEstado e;
        caso.montar(e);
        const QImage tela = area_sem_ponteiro(e);
        const QRect limites = Limites_Desenho(e);
        ASSERT_FALSE(limites.isEmpty());
        EXPECT_EQ(limites.intersected(tela.rect()), nao_brancos(tela));

        const QRect area = Area_Exportacao(e);
        EXPECT_EQ(area, limites.adjusted(-20, -20, 20, 20));
        const QString png = dir.filePath(QString::fromLatin1(caso.nome) + ".png");
        ASSERT_EQ(Exportar_Circuito(e, png, 1), ResultadoExportacao::ok);
        const QImage exportada = QImage(png).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(exportada.size(), area.size());
        EXPECT_TRUE(exportada == recorte(tela, area));
        // Exporting changes nothing that is shown.
        EXPECT_TRUE(area_sem_ponteiro(e) == tela);
        EXPECT_EQ(e.lista()[0].ponto_ativo, QString(caso.nome) == "com_ponteiro" ? 1 : -1);
    }
}

TEST(Exportacao, LimitesDeVazioLongeEPedacosDistantesEGrandesDemaisRecusadosPeloMenu)
{
    // Nothing drawn gives a white square; a circuit out of the window is measured as any other.
    TEstado e, um, outro, longe;
    EXPECT_TRUE(Limites_Desenho(e).isEmpty());
    EXPECT_EQ(Area_Exportacao(e), QRect(0, 0, 40, 40));
    circuito_ligado(longe, 2700, 1700);
    circuito_ligado(um, 0, 0);
    EXPECT_EQ(Limites_Desenho(longe), Limites_Desenho(um).translated(2700, 1700));

    // Pieces 40,000 pixels apart: the extent is the union of each piece's, the span between
    // never painted.
    circuito_ligado(e, 0, 0);
    circuito_ligado(e, 40000, 3000);
    circuito_ligado(outro, 40000, 3000);
    EXPECT_EQ(Limites_Desenho(e), Limites_Desenho(um) | Limites_Desenho(outro));

    // A tube from far left to far right is drawn as far as drawings reach: too large to export,
    // which the menu command says with the size, writing nothing.
    TComponente &a = teste::componente(e, TIPO_JUMP, -1000000000, 0), &b = teste::componente(e, TIPO_JUMP, 1000000000, 0);
    teste::ligar_fio(e, a, 4, b, 3);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TInterfaceRoteirizada ui;
    ui.arquivos = {dir.filePath("x.png")};
    exportarClick(e, ui);
    EXPECT_EQ(ui.registro, QStringList{"mensagem: Não foi possível exportar: a figura é grande demais."});
    ASSERT_EQ(ui.detalhes.size(), 1);
    EXPECT_TRUE(ui.detalhes[0].contains(QStringLiteral("Motivo: figura grande demais: ")));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
}

TEST(Exportacao, TamanhoEFormatoSeguemAExtensaoEAEscala)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TEstado e;
    circuito_ligado(e, 0, 0);
    const QSize area = Area_Exportacao(e).size();
    struct Tamanho {
        const char *arquivo;
        double escala;
    };
    const Tamanho TAMANHOS[] = {{"a.png", 1}, {"b.PNG", 2}, {"c.png", 1.5}, {"d.svg", 1},
                                {"e.svg", 2}, {"f.pdf", 1}, {"g.pdf", 3}};
    for (const Tamanho &t : TAMANHOS) {
        SCOPED_TRACE(t.arquivo);
        const QString nome = dir.filePath(QString::fromLatin1(t.arquivo));
        ASSERT_EQ(Exportar_Circuito(e, nome, t.escala), ResultadoExportacao::ok);
        QFile f(nome);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray dados = f.readAll();
        const QString ext = QFileInfo(nome).suffix().toLower();
        const double w = area.width() * t.escala, h = area.height() * t.escala;
        if (ext == "png") {
            EXPECT_TRUE(dados.startsWith("\x89PNG"));
            EXPECT_EQ(QImage(nome).size(), QSize(int(std::ceil(w)), int(std::ceil(h))));
        } else if (ext == "svg") {
            // The view box is in circuit pixels; the shown size (mm at 96 dpi) is scaled. Vectors
            // and texts throughout, never a copied picture.
            const QString s = QString::fromUtf8(dados);
            EXPECT_FALSE(s.contains(QStringLiteral("<image")));
            EXPECT_TRUE(s.contains(QStringLiteral(">V1</text>")));
            EXPECT_TRUE(s.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(area.width()).arg(area.height())));
            const auto m = QRegularExpression(R"(width="([0-9.]+)mm" height="([0-9.]+)mm")").match(s);
            ASSERT_TRUE(m.hasMatch());
            EXPECT_NEAR(m.captured(1).toDouble(), w * 25.4 / 96, 0.5);
            EXPECT_NEAR(m.captured(2).toDouble(), h * 25.4 / 96, 0.5);
        } else {
            EXPECT_TRUE(dados.startsWith("%PDF"));
            const auto m = QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])").match(QString::fromLatin1(dados));
            ASSERT_TRUE(m.hasMatch());
            EXPECT_NEAR(m.captured(1).toDouble(), w * 72 / 96, 1);
            EXPECT_NEAR(m.captured(2).toDouble(), h * 72 / 96, 1);
        }
    }
}

TEST(Exportacao, FormatoEscalaOuPastaInvalidosNaoGravamNada)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TEstado e;
    circuito_ligado(e, 0, 0);
    struct Falha {
        const char *arquivo;
        double escala;
        ResultadoExportacao resultado;
    };
    const Falha FALHAS[] = {
        {"a.jpg", 1, ResultadoExportacao::formato_desconhecido},
        {"semextensao", 1, ResultadoExportacao::formato_desconhecido},
        {"b.png", 0, ResultadoExportacao::escala_invalida},
        {"c.svg", -2, ResultadoExportacao::escala_invalida},
        {"d.pdf", std::nan(""), ResultadoExportacao::escala_invalida},
        {"nao_existe/e.png", 1, ResultadoExportacao::erro_gravacao},
    };
    for (const Falha &f : FALHAS) {
        SCOPED_TRACE(f.arquivo);
        const QString nome = dir.filePath(QString::fromLatin1(f.arquivo));
        EXPECT_EQ(Exportar_Circuito(e, nome, f.escala), f.resultado);
        EXPECT_FALSE(QFile::exists(nome));
    }
}

TEST(Exportacao, ComandoDoMenuPedeOArquivoEAvisaQuandoNaoGrava)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TEstado e;
    circuito_ligado(e, 0, 0);
    TInterfaceRoteirizada ui;
    ui.arquivos = {QString(), dir.filePath("ok.svg"), dir.filePath("nao_existe/x.png")};
    exportarClick(e, ui); // cancelled
    exportarClick(e, ui);
    exportarClick(e, ui);
    EXPECT_TRUE(QFile::exists(dir.filePath("ok.svg")));
    EXPECT_EQ(ui.registro, QStringList{"mensagem: Erro ao salvar arquivo!"});
    EXPECT_FALSE(e.modificado);
}

namespace {

// The text of a PDF as a reader extracts it (or, with -bbox, its words' boxes); empty when no
// extractor is installed.
QString texto_pdf(const QString &pdf, const char *modo = "-layout")
{
    const QString programa = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (programa.isEmpty())
        return QString();
    QProcess p;
    p.start(programa, {QString::fromLatin1(modo), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The box of the first occurrence of each word of a PDF's first page, in points.
QHash<QString, QRectF> palavras_pdf(const QString &pdf)
{
    const QString html = texto_pdf(pdf, "-bbox");
    static const QRegularExpression PALAVRA(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    QHash<QString, QRectF> r;
    for (auto it = PALAVRA.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!r.contains(m.captured(5)))
            r.insert(m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    }
    return r;
}

// Distance from the valve's name to the cylinder's force caption in heights of that caption:
// the same at any scale, unless texts grow apart from the drawing.
double proporcao_texto(const QHash<QString, QRectF> &palavras)
{
    const QRectF v1 = palavras.value(QStringLiteral("V1")), forca = palavras.value(QStringLiteral("Força:"));
    return forca.height() > 0 ? (forca.left() - v1.left()) / forca.height() : 0;
}

} // namespace

TEST(Impressao, PaginaComCabecalhoCircuitoEObservacoesOpcionais)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) não instalado";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TEstado e;
    circuito_ligado(e, 0, 0);
    e.nome_documento = QStringLiteral(" - /tmp/pasta/prensa.zfr");
    e.observacoes = QStringList{QStringLiteral("Acionar com as duas mãos."), QString()};
    struct Pagina {
        const char *arquivo;
        bool observacoes;
    };
    for (const Pagina &pg : {Pagina{"com.pdf", true}, Pagina{"sem.pdf", false}}) {
        SCOPED_TRACE(pg.arquivo);
        QPdfWriter pdf(dir.filePath(pg.arquivo));
        pdf.setResolution(600);
        pdf.setPageOrientation(Orientacao_Impressao(e));
        ASSERT_TRUE(Imprimir_Circuito(e, pdf, QStringLiteral("06/12/2026"), pg.observacoes));
    }
    const QString com = texto_pdf(dir.filePath("com.pdf")), sem = texto_pdf(dir.filePath("sem.pdf"));
    for (const QString &t : {com, sem}) {
        EXPECT_TRUE(t.contains(QStringLiteral("prensa.zfr"))) << t.toStdString();
        EXPECT_FALSE(t.contains(QStringLiteral("/tmp/pasta")));
        EXPECT_TRUE(t.contains(QStringLiteral("06/12/2026")));
        EXPECT_TRUE(t.contains(QStringLiteral("Força: 0 Kgf")));
    }
    // Texts keep their size relative to the drawing at the page's 600 dpi (and can be extracted
    // from an exported PDF too).
    ASSERT_EQ(Exportar_Circuito(e, dir.filePath("exportado.pdf"), 1), ResultadoExportacao::ok);
    const double esperada = proporcao_texto(palavras_pdf(dir.filePath("exportado.pdf")));
    ASSERT_GT(esperada, 1);
    EXPECT_NEAR(proporcao_texto(palavras_pdf(dir.filePath("com.pdf"))), esperada, esperada * 0.1);
    EXPECT_TRUE(com.contains(QStringLiteral("Observações")));
    EXPECT_TRUE(com.contains(QStringLiteral("Acionar com as duas mãos.")));
    EXPECT_FALSE(sem.contains(QStringLiteral("Observações")));
}

TEST(Impressao, CircuitoLongeDoTopoNaoApagaOCabecalho)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) não instalado";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TEstado e;
    circuito_ligado(e, 0, 400);
    {
        QPdfWriter pdf(dir.filePath("p.pdf"));
        pdf.setResolution(600);
        ASSERT_TRUE(Imprimir_Circuito(e, pdf, QStringLiteral("06/12/2026"), false));
    }
    QProcess p;
    p.start(pdftoppm, {"-r", "50", "-png", "-singlefile", dir.filePath("p.pdf"), dir.filePath("p")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QImage pagina = QImage(dir.filePath("p.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(pagina.isNull());
    // The header's rule runs across the page within its first inch.
    int linhas_escuras = 0;
    for (int y = 0; y < 50; ++y) {
        int escuros = 0;
        for (int x = 0; x < pagina.width(); ++x)
            escuros += qGray(pagina.pixel(x, y)) < 128;
        linhas_escuras += escuros > pagina.width() / 2;
    }
    EXPECT_GE(linhas_escuras, 1);
}

TEST(Impressao, OrientacaoENomeDoCabecalho)
{
    TEstado largo;
    teste::polilinha(largo, {TPonto(100, 100), TPonto(600, 100), TPonto(600, 200)});
    EXPECT_EQ(Orientacao_Impressao(largo), QPageLayout::Landscape);
    TEstado alto;
    teste::polilinha(alto, {TPonto(100, 100), TPonto(100, 600), TPonto(200, 600)});
    EXPECT_EQ(Orientacao_Impressao(alto), QPageLayout::Portrait);

    const std::pair<const char *, const char *> NOMES[] = {
        {"", "Sem nome"},
        {" - /home/aluno/MeusArquivos/prensa.zfr", "prensa.zfr"},
        {" - DEMO - Cascata", "DEMO - Cascata"},
    };
    for (const auto &[documento, esperado] : NOMES) {
        largo.nome_documento = QString::fromUtf8(documento);
        EXPECT_EQ(Nome_Impressao(largo), QString::fromUtf8(esperado));
    }
}
