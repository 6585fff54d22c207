#include "documento/arquivo_circuito.h"
#include "modelo/estado.h"

#include "apoio/circuito.h"
#include "apoio/executar_cli.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

teste::Execucao executar(const QStringList &args) { return teste::executar_cli(QStringList{"desenhar"} + args); }

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
    TComponente &c = teste::componente(e, TIPO_CILINDRO, 300, 100, -1, 1);
    teste::ligar_fio(e, v, 2, c, 1, {TPonto(v.ponto(2).x, 200), TPonto(c.ponto(1).x, 200)});
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

    teste::Execucao r = executar({circuito, png});
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
    QImage img(png);
    ASSERT_EQ(img.size(), QSize(1000, 650));
    EXPECT_EQ(img.pixel(0, 0) | 0xFF000000u, qRgb(255, 255, 255));
    // The wire's horizontal run at y = 200, black while editing.
    const int x = 305;
    EXPECT_EQ(img.pixel(x, 200) | 0xFF000000u, qRgb(0, 0, 0));

    // After simulated steps the drawing is in simulation colours.
    const QString png2 = dir.filePath(QStringLiteral("simulado.png"));
    r = executar({circuito, png2, QStringLiteral("--passos"), QStringLiteral("2")});
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
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

    const teste::Execucao ausente = executar({dir.filePath(QStringLiteral("nao_existe.zfr")), png});
    EXPECT_EQ(ausente.status, 2);
    EXPECT_FALSE(ausente.erros.isEmpty());
    EXPECT_FALSE(QFile::exists(png));

    EXPECT_EQ(executar({circuito, dir.filePath(QStringLiteral("pasta_inexistente/area.png"))}).status, 3);
}
