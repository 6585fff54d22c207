// Finding the program's data beside the executable (build folder) or in share/zefira beside
// its bin folder (installed). The file named when the program starts, relative or not UTF-8:
// Argumentos.NomeQueNaoEUtf8AbreOArquivo.
#include "documento/apoio_arquivos.h"
#include "documento/pasta_dados.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zefira;
using namespace zefira::teste;

TEST(PastaDados, OPrimeiroLugarOndeExisteVence)
{
    enum Onde { NENHUM = 0, JUNTO = 1, INSTALADO = 2, AMBOS = 3 };
    const struct {
        int onde;
        const char *relativo;
        bool esperado_junto; // else the installed place
    } casos[] = {
        {JUNTO, "Ajuda/Edicao.hlp", true},
        {INSTALADO, "Ajuda/Edicao.hlp", false},
        {AMBOS, "Ajuda/Edicao.hlp", true},
        {NENHUM, "Ajuda/Edicao.hlp", true}, // missing: named where a build has it
        {INSTALADO, "figuras/jump.cur", false},
        {INSTALADO, "Ajuda/solucoes/um.hlp", false},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.onde);
        QTemporaryDir raiz;
        const QString bin = raiz.filePath("bin") + "/", dados = raiz.filePath("share/zefira") + "/";
        const QString relativo = QString::fromUtf8(c.relativo);
        QDir().mkpath(bin);
        for (const auto &[bit, pasta] : {std::pair{JUNTO, bin}, std::pair{INSTALADO, dados}})
            if (c.onde & bit) {
                QDir().mkpath(QFileInfo(pasta + relativo).absolutePath());
                ASSERT_TRUE(gravar_bytes(pasta + relativo, "x"));
            }
        EXPECT_EQ(QDir::cleanPath(Caminho_Dados(bin, relativo)),
                  QDir::cleanPath((c.esperado_junto ? bin : dados) + relativo));
        EXPECT_EQ(Programa_Instalado(bin), (c.onde & INSTALADO) != 0);
    }
}
