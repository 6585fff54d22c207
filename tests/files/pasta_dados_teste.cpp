// Finding the program's data beside the executable (build folder) or in share/zefira beside
// its bin folder (installed), and keeping the user's circuits out of an installation.
#include "files/apoio_arquivos.h"
#include "files/comandos_documento.h"
#include "files/documentos_ajuda.h"
#include "files/pasta_dados.h"
#include "model/interface_roteirizada.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

namespace {

// A folder P with P/bin as the program's folder; the data goes beside it (P/bin/...), into
// the installed place (P/share/zefira/...), both or neither.
struct Arvore {
    QTemporaryDir raiz;
    QString bin() const { return raiz.filePath("bin") + "/"; }
    QString instalada() const { return raiz.filePath("share/zefira") + "/"; }
    void criar(const QString &arquivo)
    {
        QDir().mkpath(QFileInfo(arquivo).absolutePath());
        ASSERT_TRUE(gravar_bytes(arquivo, "x"));
    }
};

enum Onde { NENHUM, JUNTO, INSTALADO, AMBOS };

} // namespace

TEST(PastaDados, OPrimeiroLugarOndeExisteVence)
{
    const struct {
        Onde onde;
        const char *relativo;
        bool esperado_junto; // else the installed place
        bool instalado;
    } casos[] = {
        {JUNTO, "Ajuda/Edicao.hlp", true, false},
        {INSTALADO, "Ajuda/Edicao.hlp", false, true},
        {AMBOS, "Ajuda/Edicao.hlp", true, true},
        {NENHUM, "Ajuda/Edicao.hlp", true, false}, // missing: named where a build has it
        {INSTALADO, "figuras/jump.cur", false, true},
        {INSTALADO, "sobre.jpg", false, true},
        {INSTALADO, "Ajuda", false, true},                // folders as well
        {INSTALADO, "Ajuda/solucoes/um.hlp", false, true}, // and below subfolders
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(QString("%1 %2").arg(c.onde).arg(c.relativo).toStdString());
        Arvore a;
        const QString relativo = QString::fromUtf8(c.relativo);
        const bool pasta = !relativo.contains('.');
        if (c.onde == JUNTO || c.onde == AMBOS)
            pasta ? void(QDir().mkpath(a.bin() + relativo)) : a.criar(a.bin() + relativo);
        if (c.onde == INSTALADO || c.onde == AMBOS)
            pasta ? void(QDir().mkpath(a.instalada() + relativo)) : a.criar(a.instalada() + relativo);
        QDir().mkpath(a.bin());
        const QString esperado = (c.esperado_junto ? a.bin() : a.instalada()) + relativo;
        EXPECT_EQ(QDir::cleanPath(Caminho_Dados(a.bin(), relativo)), QDir::cleanPath(esperado));
        EXPECT_EQ(Programa_Instalado(a.bin()), c.instalado);
    }
}

TEST(PastaDados, DocumentosDeAjudaInstalados)
{
    Arvore a;
    for (const TDocumentoAjuda &d : Documentos_Ajuda())
        a.criar(a.instalada() + QString::fromUtf8(d.caminho));
    for (const TDocumentoAjuda &d : Documentos_Ajuda()) {
        SCOPED_TRACE(d.item);
        const QString caminho = Caminho_Ajuda(a.bin(), QString::fromLatin1(d.item));
        EXPECT_TRUE(QFileInfo(caminho).isFile()) << caminho.toStdString();
        EXPECT_TRUE(caminho.startsWith(QDir::cleanPath(a.instalada())));
    }
    EXPECT_TRUE(Caminho_Ajuda(a.bin(), "nenhum").isEmpty());
}

// Installed, the program's folder is never home to "MeusArquivos", even where it could be
// written (an installation in the user's own folder, or run as root).
TEST(PastaDados, MeusArquivosNuncaDentroDaInstalacao)
{
    for (bool instalado : {false, true}) {
        SCOPED_TRACE(instalado);
        Arvore a;
        QDir().mkpath(a.bin());
        if (instalado)
            QDir().mkpath(a.instalada());
        QTemporaryDir casa;
        const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", casa.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", casa.filePath(".config").toUtf8());
        const QString escolhida = Preparar_Pasta_Arquivos(a.bin());
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(QDir(a.bin() + "MeusArquivos").exists(), !instalado);
        EXPECT_EQ(escolhida.startsWith(casa.path()), instalado) << escolhida.toStdString();
        EXPECT_TRUE(escolhida.endsWith("MeusArquivos"));
        EXPECT_TRUE(QDir(escolhida).exists());
    }
}

// The file named on the command line: read as the open command reads it, with its messages.
TEST(ArquivoInicial, AbreComoOComandoAbrir)
{
    QTemporaryDir pasta;
    const QString valido = QStringLiteral(ZEFIRA_FIXTURES "/sim_anel.zfr");
    ASSERT_TRUE(gravar_bytes(pasta.filePath("ruim.zfr"), "isto não é um circuito\r\n"));
    QDir().mkpath(pasta.filePath("pasta.zfr"));
    const struct {
        QString nome;
        bool lido;
        const char *mensagem; // "" none; else the start of the message
        bool com_componentes;
    } casos[] = {
        {valido, true, "", true},
        {pasta.filePath("falta.zfr"), false, "Arquivo não encontrado!", false},
        {pasta.filePath("pasta.zfr"), false, "Erro ao abrir arquivo!", false},
        {pasta.filePath("ruim.zfr"), true, "Arquivo Inválido!", false},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nome.toStdString());
        TEstado estado;
        Limpar_Lista(estado);
        TInterfaceRoteirizada ui;
        EXPECT_EQ(Abrir_Arquivo_Inicial(estado, ui, c.nome), c.lido);
        if (*c.mensagem) {
            ASSERT_EQ(ui.registro.size(), 1);
            EXPECT_TRUE(ui.registro[0].startsWith(QStringLiteral("mensagem: ") + QString::fromUtf8(c.mensagem)))
                << ui.registro[0].toStdString();
        } else {
            EXPECT_TRUE(ui.registro.isEmpty());
        }
        EXPECT_EQ(estado.lista().numero_componentes() > 0, c.com_componentes);
        EXPECT_EQ(estado.nome_documento, c.lido ? " - " + c.nome : QString());
        EXPECT_FALSE(estado.modificado);
    }
}

// A relative name is taken from the current folder, and the document keeps the full name so
// that saving later writes the same file.
TEST(ArquivoInicial, NomeRelativoViraCaminhoCompleto)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZEFIRA_FIXTURES "/sim_anel.zfr"), pasta.filePath("anel.zfr")));
    const QString antes = QDir::currentPath();
    QDir::setCurrent(pasta.path());
    TEstado estado;
    Limpar_Lista(estado);
    TInterfaceRoteirizada ui;
    const bool lido = Abrir_Arquivo_Inicial(estado, ui, "anel.zfr");
    QDir::setCurrent(antes);
    EXPECT_TRUE(lido);
    EXPECT_EQ(estado.nome_documento, " - " + QFileInfo(pasta.filePath("anel.zfr")).absoluteFilePath());
    EXPECT_TRUE(salvarClick(estado, ui)); // the save question is answered Yes
    EXPECT_FALSE(QFileInfo::exists(antes + "/anel.zfr"));
}
