// Build-time tool: writes the placement cursor files into DESTINO/figuras, one per palette entry
// of the registered families, each showing the component that a click will place, scaled to fit
// 32 x 32, with the hot spot at the top-left corner where the component's box will start.

#include "desenho/arquivo_cursor.h"
#include "modelo/modo.h"
#include "simbolos/imagens.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: gerar_cursores DESTINO\n");
        return 4;
    }
    const QDir destino(QString::fromLocal8Bit(argv[1]));
    destino.mkpath("figuras");
    zefira::TImagens imagens;
    for (int i = 1; i <= zefira::Numero_Pecas(); ++i) {
        // White is the background of every symbol: it becomes transparent on the cursor.
        QImage figura = imagens.copiar(zefira::Figura_Cursor(i)).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < figura.height(); ++y)
            for (int x = 0; x < figura.width(); ++x)
                if ((figura.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                    figura.setPixel(x, y, qRgba(0, 0, 0, 0));
        QImage cursor(32, 32, QImage::Format_ARGB32);
        cursor.fill(Qt::transparent);
        {
            QPainter p(&cursor);
            const QImage reduzida = figura.width() > 32 || figura.height() > 32
                                        ? figura.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                        : figura;
            p.drawImage(0, 0, reduzida);
        }
        if (!zefira::Gravar_Cursor(destino.filePath(zefira::Arquivo_Cursor(i)), cursor, QPoint(0, 0))) {
            std::fprintf(stderr, "gerar_cursores: não foi possível gravar %s\n",
                         qPrintable(zefira::Arquivo_Cursor(i)));
            return 3;
        }
    }
    return 0;
}
