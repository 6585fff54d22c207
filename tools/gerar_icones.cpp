// Build-time tool: writes the program's icon as PNG files of every size into
// DESTINO/icones/hicolor/NxN/apps/, the layout the desktop's icon theme expects, drawn by the
// same code that gives the windows their icon.

#include "janelas/icones.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: gerar_icones DESTINO\n");
        return 4;
    }
    const QDir destino(QString::fromLocal8Bit(argv[1]));
    for (int tamanho : zefira::TAMANHOS_ICONE_PROGRAMA) {
        const QString pasta = QStringLiteral("icones/hicolor/%1x%1/apps").arg(tamanho);
        destino.mkpath(pasta);
        const QImage figura = zefira::Figura_Programa(tamanho);
        const QString nome = destino.filePath(pasta + QStringLiteral("/br.edu.zefira.Zefira.png"));
        if (figura.isNull() || !figura.save(nome, "PNG")) {
            std::fprintf(stderr, "gerar_icones: não foi possível gravar %s\n", qPrintable(nome));
            return 3;
        }
    }
    return 0;
}
