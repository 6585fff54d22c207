// zefira-cli exportar: the drawing's own area, checked against desenhar's picture; the ten
// demonstrations as the help shows them; the exit statuses of both; drawings and scales at the
// extremes. desenhar's picture with wires across the whole range: CliConfiabilidade.

#include "apoio/executar_cli.h"
#include "apoio/figuras.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

using zefira::teste::nao_brancos;
using zefira::teste::recorte;

using zefira::teste::Execucao;
Execucao executar(const QStringList &args) { return zefira::teste::executar_cli(args); }

const char *const DEMOS[] = {"comandobasico1", "comandobasico2", "funcaoE",    "funcaoOU", "AAcclonico1",
                             "AAcclocontnuo1", "intuitivo1",     "intuitivo2", "cascata",  "passoapasso"};

// The demonstration as the Demo menu builds it (DemoCli pins the copy).
QString demo(const char *nome)
{
    return QStringLiteral(ZEFIRA_FIXTURES "/../fuzz/corpus/demo_%1.zfr").arg(QString::fromLatin1(nome));
}

} // namespace

TEST(ExportarCli, EmEscala1EORecorteDoDesenhoComMargemDe20)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    // At rest and after a few simulated steps with a valve clicked: the picture is the circuit
    // as shown, simulation colours and moved rods included.
    const std::pair<const char *, const char *> DEMOS_CLIQUE[] = {{"comandobasico1", "1:3:esq"},
                                                                  {"cascata", "1:12:esq"}};
    for (const auto &[nome, clique] : DEMOS_CLIQUE) {
        const QString arquivo = demo(nome);
        for (const QStringList &sim : {QStringList{}, QStringList{"--passos", "3", "--clique", clique}}) {
            SCOPED_TRACE(std::string(nome) + " " + sim.join(' ').toStdString());
            const QString tela = pasta.filePath("tela.png"), png = pasta.filePath("exportada.png");
            const Execucao d = executar(QStringList{"desenhar", arquivo, tela} + sim);
            ASSERT_EQ(d.status, 0) << d.erros.toStdString();
            const Execucao e = executar(QStringList{"exportar", arquivo, png} + sim);
            ASSERT_EQ(e.status, 0) << e.erros.toStdString();
            EXPECT_TRUE(e.saida.isEmpty());
            const QImage area(tela);
            const QRect limites = nao_brancos(area);
            ASSERT_FALSE(limites.isEmpty());
            const QImage exportada = QImage(png).convertToFormat(QImage::Format_RGB32);
            EXPECT_TRUE(exportada == recorte(area, limites.adjusted(-20, -20, 20, 20)));
        }
    }
}

// desenhar and exportar read the same options: each row runs with the commands it names.
TEST(ExportarCli, StatusDeErroDeDesenharEExportar)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString arquivo = demo("comandobasico1");
    const QString png = pasta.filePath("x.png");
    QFile invalido(pasta.filePath("invalido.zfr"));
    ASSERT_TRUE(invalido.open(QIODevice::WriteOnly));
    invalido.write("isto não é um circuito\n");
    invalido.close();

    const QStringList AMBOS{"desenhar", "exportar"}, EXPORTAR{"exportar"};
    const struct {
        QStringList comandos, args;
        int status;
    } CASOS[] = {
        {AMBOS, {arquivo}, 4},
        {EXPORTAR, {arquivo, pasta.filePath("x.jpg")}, 4},
        {EXPORTAR, {arquivo, png, "--escala"}, 4},
        {EXPORTAR, {arquivo, png, "--escala", "0"}, 4},
        {EXPORTAR, {arquivo, png, "--escala", "dois"}, 4},
        {EXPORTAR, {arquivo, png, "--escala", "inf"}, 4},
        {AMBOS, {arquivo, png, "--passos"}, 4},
        {AMBOS, {arquivo, png, "--desconhecida"}, 4},
        {AMBOS, {arquivo, png, "--clique", "1:x:esq"}, 4},
        {AMBOS, {arquivo, png, "--clique", "1:2:esq"}, 4}, // code 2 is a cylinder, not a directional valve
        {EXPORTAR, {invalido.fileName(), png}, 1},
        {AMBOS, {pasta.filePath("nao_existe.zfr"), png}, 2},
        {AMBOS, {arquivo, pasta.filePath("nao_existe/x.png")}, 3},
        {EXPORTAR, {arquivo, pasta.filePath("nao_existe/x.svg")}, 3},
    };
    for (const auto &c : CASOS)
        for (const QString &comando : c.comandos) {
            SCOPED_TRACE((comando + ' ' + c.args.join(' ')).toStdString());
            const Execucao e = executar(QStringList{comando} + c.args);
            EXPECT_EQ(e.status, c.status);
            EXPECT_FALSE(e.erros.isEmpty());
            EXPECT_FALSE(QFile::exists(png));
        }
}

TEST(ExportarCli, FigurasDasDemonstracoesNaAjudaSaoAsExportadasEmEscala2)
{
    // Regenerate with scripts/gerar_figuras_ajuda.sh after changing a drawing.
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    for (const char *nome : DEMOS) {
        SCOPED_TRACE(nome);
        const QString png = pasta.filePath(QString::fromLatin1(nome) + ".png");
        ASSERT_EQ(executar({"exportar", demo(nome), png, "--escala", "2"}).status, 0);
        const QImage guardada(QStringLiteral(ZEFIRA_FONTES "/../resources/Ajuda/demo_%1.png").arg(QString::fromLatin1(nome)));
        ASSERT_FALSE(guardada.isNull());
        EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_RGB32) == guardada.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(ExportarCli, DesenhosEEscalasExtremos)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const auto circuito = [&](const char *nome, int n, const QByteArray &registros) {
        const QString c = pasta.filePath(QString::fromLatin1(nome));
        QFile f(c);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("N\xfamero de Componentes:\r\n" + QByteArray::number(n) + "\r\n" + registros);
        return c;
    };
    // Two junctions and the tube between them.
    const auto par = [&](const char *nome, int x0, int y0, int x1, int y1) {
        return circuito(nome, 3, QStringLiteral("Jump\r\n1 () 0 -1 -1 -1 -1 %1 %2\r\nJump\r\n2 () 0 -1 -1 -1 -1 %3 %4\r\n"
                                               "Fio de Energia\r\n3 1 4 2 3 0 2\r\n%5 %2\r\n%3 %4\r\n")
                                    .arg(x0).arg(y0).arg(x1).arg(y1).arg(x0 + 10).toLatin1());
    };
    QByteArray registros;
    for (int i = 1; i <= 100000; ++i)
        registros += "Jump\r\n" + QByteArray::number(i) + " () 0 -1 -1 -1 -1 " + QByteArray::number(i % 40 * 20) + " " +
                     QByteArray::number(i / 40 % 30 * 20) + "\r\n";
    const QString distantes = par("distantes.zfr", 0, 0, 30000, 0), bilhao = par("bilhao.zfr", -1000000000, 0, 1000000000, 0);
    const QString quadrado = par("quadrado.zfr", 0, 0, 4000, 4000), muitos = circuito("muitos.zfr", 100000, registros);
    const QString pequeno = demo("comandobasico1"), cascata = demo("cascata");
    const char *const GRANDE = "zefira-cli: figura grande demais: ", *const ESCALA = "zefira-cli: escala inválida";
    const char *const MEMORIA = "zefira-cli: memória insuficiente para a figura";
    const struct {
        QString arquivo;
        const char *saida;
        QStringList opcoes;
        rlim_t memoria; // address space of the child, 0 for no limit
        int status;
        const char *erro; // start of a line of stderr; for PNG written, the picture's width
        int largura = 0;
    } CASOS[] = {
        // Far apart: measured where the drawing is, not over the whole span between.
        {distantes, "a.png", {}, 1024ul << 20, 0, nullptr, 30049},
        {distantes, "a.svg", {}, 1024ul << 20, 0, nullptr},
        {distantes, "a.pdf", {}, 1024ul << 20, 0, nullptr},
        // The tube across a billion pixels is drawn as far as drawings reach.
        {bilhao, "b.png", {}, 1024ul << 20, 4, GRANDE},
        {bilhao, "b.svg", {}, 0, 4, GRANDE},
        {bilhao, "b.pdf", {}, 0, 4, GRANDE},
        {distantes, "c.png", {"--escala", "4"}, 0, 4, GRANDE},
        {pequeno, "d.pdf", {"--escala", "1e300"}, 0, 4, ESCALA},
        {pequeno, "d.pdf", {"--escala", "100000"}, 0, 4, ESCALA},
        {pequeno, "d.png", {"--escala", "0.05"}, 0, 4, ESCALA},
        {pequeno, "e.png", {"--escala", "0.1"}, 0, 0, nullptr, 45},
        {pequeno, "f.png", {"--escala", "20"}, 0, 0, nullptr, 8880},
        // 10,180 x 10,400: too many pixels for a PNG, a fine page for vectors.
        {cascata, "i.png", {"--escala", "20"}, 0, 4, GRANDE},
        {cascata, "i.pdf", {"--escala", "20"}, 0, 0, nullptr},
        // Memory that cannot be had is an error with its reason, never an empty picture.
        {quadrado, "g.png", {"--escala", "2.4"}, 300ul << 20, 3, MEMORIA},
        {muitos, "h.svg", {}, 400ul << 20, 3, MEMORIA},
    };
    for (const auto &c : CASOS) {
        SCOPED_TRACE(QFileInfo(c.arquivo).fileName().toStdString() + " " + c.saida);
#if defined(__SANITIZE_ADDRESS__)
        if (c.memoria)
            continue; // AddressSanitizer reserves more address space than the limit
#endif
        const QString saida = pasta.filePath(QString::fromLatin1(c.saida));
        const rlim_t memoria = c.memoria;
        const Execucao e = zefira::teste::executar_cli(QStringList{"exportar", c.arquivo, saida} + c.opcoes, [memoria] {
            const rlimit r{memoria, memoria};
            if (memoria)
                ::setrlimit(RLIMIT_AS, &r);
        });
        EXPECT_EQ(e.status, c.status) << e.erros.toStdString();
        EXPECT_EQ(QFile::exists(saida), c.status == 0);
        if (c.erro)
            EXPECT_TRUE(e.erros.split('\n').filter(QRegularExpression('^' + QRegularExpression::escape(QString::fromUtf8(c.erro)))).size() == 1)
                << e.erros.toStdString();
        if (c.largura)
            EXPECT_EQ(QImageReader(saida).size().width(), c.largura);
    }
}
