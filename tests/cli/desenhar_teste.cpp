#include "files/arquivo_circuito.h"
#include "model/estado.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

struct Execucao {
    int status = -1;
    QString erro;
};

Execucao executar(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZEFIRA_CLI), QStringList{QStringLiteral("desenhar")} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

// A supply docked nowhere, a wire from it to a 3/2 valve and a cylinder: enough to see the
// colours change when simulating.
QString gravar_circuito(const QTemporaryDir &dir)
{
    TEstado e;
    TComponente &v = e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, 300, -1, -1, 3, 300);
    v.valvula_direcional->definir_parte(1, 5);
    v.valvula_direcional->definir_parte(2, 4);
    v.valvula_direcional->definir_acao_manual(false, 1);
    v.valvula_direcional->mola_dir = true;
    v.valvula_direcional->desselecionar();
    v.atualizar_geometria();
    TComponente &c = e.lista().adicionar(TIPO_CILINDRO, 300, -1, 1, -1, 100);
    c.atualizar_geometria();
    TComponente &f = e.lista().adicionar(TIPO_FIO, -1, -1, -1, -1, -1);
    f.fio->adicionar_ponto(v.ponto(2));
    f.fio->adicionar_ponto(TPonto(v.ponto(2).x, 200));
    f.fio->adicionar_ponto(TPonto(c.ponto(1).x, 200));
    f.fio->adicionar_ponto(c.ponto(1));
    f.fio->ligar(true, v.codigo, 2);
    f.fio->ligar(false, c.codigo, 1);
    v.ligar(2, f.codigo);
    c.ligar(1, f.codigo);
    const QString nome = dir.filePath(QStringLiteral("circuito.zfr"));
    EXPECT_TRUE(Salvar_Arquivo(e, nome));
    return nome;
}

} // namespace

TEST(CliDesenhar, GravaAAreaDeTrabalhoEmPngESimulaAntesQuandoPedido)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString circuito = gravar_circuito(dir);
    const QString png = dir.filePath(QStringLiteral("area.png"));

    Execucao r = executar({circuito, png});
    ASSERT_EQ(r.status, 0) << r.erro.toStdString();
    QImage img(png);
    ASSERT_EQ(img.size(), QSize(1000, 650));
    EXPECT_EQ(img.pixel(0, 0) | 0xFF000000u, qRgb(255, 255, 255));
    // The wire's horizontal run at y = 200, black while editing.
    const int x = 305;
    EXPECT_EQ(img.pixel(x, 200) | 0xFF000000u, qRgb(0, 0, 0));

    // After simulated steps the drawing is in simulation colours.
    const QString png2 = dir.filePath(QStringLiteral("simulado.png"));
    r = executar({circuito, png2, QStringLiteral("--passos"), QStringLiteral("2")});
    ASSERT_EQ(r.status, 0) << r.erro.toStdString();
    QImage sim(png2);
    ASSERT_EQ(sim.size(), QSize(1000, 650));
    EXPECT_EQ(sim.pixel(x, 200) | 0xFF000000u, qRgb(0, 0, 255));
}

TEST(CliDesenhar, StatusDeErro)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString circuito = gravar_circuito(dir);
    const QString png = dir.filePath(QStringLiteral("area.png"));

    EXPECT_EQ(executar({circuito}).status, 4);
    EXPECT_EQ(executar({circuito, png, QStringLiteral("--passos")}).status, 4);
    EXPECT_EQ(executar({circuito, png, QStringLiteral("--clique"), QStringLiteral("1:x:esq")}).status, 4);
    EXPECT_EQ(executar({circuito, png, QStringLiteral("--desconhecida")}).status, 4);
    // A click on something that is not a directional valve (the cylinder has code 2).
    EXPECT_EQ(executar({circuito, png, QStringLiteral("--clique"), QStringLiteral("1:2:esq")}).status, 4);
    EXPECT_FALSE(QFile::exists(png));

    const Execucao ausente = executar({dir.filePath(QStringLiteral("nao_existe.zfr")), png});
    EXPECT_EQ(ausente.status, 2);
    EXPECT_FALSE(ausente.erro.isEmpty());
    EXPECT_FALSE(QFile::exists(png));

    EXPECT_EQ(executar({circuito, dir.filePath(QStringLiteral("pasta_inexistente/area.png"))}).status, 3);
}
