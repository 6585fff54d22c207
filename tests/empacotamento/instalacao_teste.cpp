// "cmake --install" into a temporary prefix: the files land where the desktop looks for them,
// and the installed programs, run from there, find their data in P/share/zefira.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Saida {
    int status = -1;
    QString saida, erros;
};

Saida executar(const QString &programa, const QStringList &args,
               const QProcessEnvironment &ambiente = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.start(programa, args);
    Saida s;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return s;
    s.status = p.exitCode();
    s.saida = QString::fromLocal8Bit(p.readAllStandardOutput());
    s.erros = QString::fromLocal8Bit(p.readAllStandardError());
    return s;
}

QString ler(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

const char *const ID = "br.edu.zefira.Zefira";

} // namespace

TEST(Instalacao, PrefixoTemporario)
{
    QTemporaryDir tmp;
    const QString p = tmp.filePath("prefixo");
    const Saida instalar = executar(QStringLiteral(ZEFIRA_CMAKE),
                                    {"--install", QStringLiteral(ZEFIRA_COMPILACAO), "--prefix", p});
    ASSERT_EQ(instalar.status, 0) << instalar.erros.toStdString();

    QStringList esperados = {"bin/zefira", "bin/zefira-cli", "share/zefira/sobre.jpg",
                             "share/zefira/exemplos/exemplo.zfr", "share/zefira/Ajuda/demo_cascata.png",
                             QString("share/applications/%1.desktop").arg(ID),
                             QString("share/mime/packages/%1.xml").arg(ID),
                             QString("share/metainfo/%1.metainfo.xml").arg(ID),
                             QString("share/icons/hicolor/scalable/apps/%1.svg").arg(ID)};
    for (int t : {16, 22, 24, 32, 48, 64, 128, 256})
        esperados << QString("share/icons/hicolor/%1x%1/apps/%2.png").arg(t).arg(ID);
    for (const QString &e : esperados)
        EXPECT_TRUE(QFileInfo(p + "/" + e).isFile()) << e.toStdString();
    EXPECT_TRUE(QFileInfo(p + "/bin/zefira").isExecutable());

    // The installed command-line tool runs from the prefix.
    const Saida cli = executar(p + "/bin/zefira-cli", {"verificar", p + "/share/zefira/exemplos/exemplo.zfr"});
    EXPECT_EQ(cli.status, 0) << cli.saida.toStdString() << cli.erros.toStdString();

    // The installed program, on the offscreen platform and with a home of its own, reports
    // what its windows found; its circuits go to the user's documents, never into P.
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    ambiente.insert("HOME", tmp.filePath("casa"));
    ambiente.insert("XDG_CONFIG_HOME", tmp.filePath("casa/.config"));
    QDir().mkpath(tmp.filePath("casa"));
    const Saida programa = executar(p + "/bin/zefira", {"--verificar"}, ambiente);
    EXPECT_EQ(programa.status, 0) << programa.saida.toStdString() << programa.erros.toStdString();
    const QString dados = QDir(p).absolutePath() + "/share/zefira";
    const QStringList linhas = {
        "Pasta do programa: " + QDir(p).absolutePath() + "/bin",
        "Documentos de ajuda: 20 de 20 em " + dados + "/Ajuda",
        "Cursores de posicionamento: 32 de 32 em " + dados + "/figuras",
        "Figura do Sobre: " + dados + "/sobre.jpg",
        "Pasta dos circuitos: " + tmp.filePath("casa/Documents/MeusArquivos"),
    };
    EXPECT_EQ(programa.saida, linhas.join('\n') + '\n');
    EXPECT_FALSE(QFileInfo::exists(p + "/bin/MeusArquivos"));
    EXPECT_TRUE(QFileInfo(tmp.filePath("casa/Documents/MeusArquivos")).isDir());

    // Without its data the installed program says what is missing and fails.
    QDir(dados + "/figuras").removeRecursively();
    const Saida sem_cursores = executar(p + "/bin/zefira", {"--verificar"}, ambiente);
    EXPECT_EQ(sem_cursores.status, 1);
    EXPECT_TRUE(sem_cursores.saida.contains("Cursores de posicionamento: 0 de 32 em "));
    EXPECT_EQ(sem_cursores.saida.count("Não encontrado: "), 32);
}

// The desktop's file-type database, built from the installed package, knows ".zfr" files as
// circuits and as a kind of text. Runs where the shared-mime-info tools are installed.
TEST(Instalacao, TipoDeArquivo)
{
    const QString atualizar = QStandardPaths::findExecutable("update-mime-database");
    if (atualizar.isEmpty())
        GTEST_SKIP() << "update-mime-database não instalado";
    QTemporaryDir tmp;
    QDir().mkpath(tmp.filePath("mime/packages"));
    ASSERT_TRUE(QFile::copy(QString(ZEFIRA_EMPACOTAMENTO "/%1.xml").arg(ID),
                            tmp.filePath(QString("mime/packages/%1.xml").arg(ID))));
    const Saida s = executar(atualizar, {tmp.filePath("mime")});
    ASSERT_EQ(s.status, 0) << s.erros.toStdString();
    EXPECT_TRUE(ler(tmp.filePath("mime/globs2")).contains("application/x-zefira-circuito:*.zfr"));
    EXPECT_TRUE(ler(tmp.filePath("mime/subclasses")).contains("application/x-zefira-circuito text/plain"));
    EXPECT_TRUE(ler(tmp.filePath("mime/icons")).contains(QString("application/x-zefira-circuito:%1").arg(ID)));
    EXPECT_TRUE(ler(tmp.filePath("mime/application/x-zefira-circuito.xml")).contains("Circuito pneumático ZEFIRA"));
}
