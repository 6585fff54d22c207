#pragma once
// The program's command line: "zefira [ARQUIVO.zfr]" opens that circuit at start; a few
// options print something and leave without opening a window.

#include <QString>
#include <QStringList>

namespace zefira {

extern const char *const VERSAO_PROGRAMA; // "ZEFIRA 1.0"

enum class AcaoInicial {
    Abrir,     // open the window (with `arquivo` when one was named)
    Ajuda,     // print the usage and leave
    Versao,    // print the version and leave
    Verificar, // report where the program's data was found and leave
    Erro,      // print `erro` and leave with the usage error code
};

struct TArgumentos {
    AcaoInicial acao = AcaoInicial::Abrir;
    QString arquivo;
    QString erro;
};

// main's argv as file names: bytes that are not UTF-8 are kept (Nome_Arquivo), where the
// toolkit's own list would replace them and the file would not be found.
QStringList Argumentos_Brutos(int argc, const char *const *argv);
// The arguments as main receives them, the program's own name first. Help and version win
// over everything else, so they work whatever else the line holds; "--" ends the options.
TArgumentos Ler_Argumentos(const QStringList &argumentos);
// The text "--help" prints.
QString Texto_Uso();

} // namespace zefira
