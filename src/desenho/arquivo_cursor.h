#pragma once
// Mouse-cursor files (".cur"): one picture with its hot spot. The picture is stored as PNG
// inside the standard cursor container, which desktop systems read as well.

#include <QImage>
#include <QPoint>
#include <QString>

namespace zefira {

bool Gravar_Cursor(const QString &nome, const QImage &figura, const QPoint &ponto_quente);
// False when the file is missing or not a cursor of this kind; figura and ponto_quente untouched.
bool Ler_Cursor(const QString &nome, QImage &figura, QPoint &ponto_quente);

// Placement cursor files by slot 1..Numero_Pecas() (the palette order), relative to the program folder.
QString Arquivo_Cursor(int indice);
// The symbol picture each placement cursor shows.
QString Figura_Cursor(int indice);

class TImagens;
// Placement cursor `indice` drawn from the symbol's vectors for a screen of density `dpr`: 32 x 32
// device-independent pixels (32 * dpr real ones), the symbol scaled down to fit when larger,
// black on a transparent background, hot spot at the top-left corner.
QImage Desenhar_Cursor(const TImagens &imagens, int indice, double dpr);

} // namespace zefira
