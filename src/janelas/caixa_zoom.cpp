#include "janelas/caixa_zoom.h"

#include "modelo/estado.h"
#include "janelas/arquivoatual.h"

#include <QLineEdit>
#include <cmath>

namespace zefira {

TCaixaZoom::TCaixaZoom(TFormArquivo *area, QWidget *pai) : QComboBox(pai), area_(area)
{
    setObjectName(QStringLiteral("CaixaZoom"));
    setToolTip(QStringLiteral("Zoom"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setFocusPolicy(Qt::ClickFocus);
    for (int p : {25, 50, 75, 100, 150, 200, 300, 400})
        addItem(texto(p / 100.0));
    mostrar(1.0);
    connect(area_, &TFormArquivo::zoom_mudou, this, &TCaixaZoom::mostrar);
    // A value chosen from the list, or typed and confirmed with Enter (typed values need not be
    // in the list, which the combo box alone would not act on).
    connect(this, &QComboBox::textActivated, this, &TCaixaZoom::aplicar);
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] { aplicar(lineEdit()->text()); });
}

QString TCaixaZoom::texto(double zoom) { return QStringLiteral("%1%").arg(std::lround(zoom * 100)); }

double TCaixaZoom::ler(const QString &t)
{
    QString s = t.trimmed();
    if (s.endsWith(QLatin1Char('%')))
        s.chop(1);
    bool ok = false;
    const double v = s.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && v > 0 ? v / 100.0 : 0;
}

void TCaixaZoom::aplicar(const QString &t)
{
    const double z = ler(t);
    if (z > 0)
        area_->definir_zoom(z);
    mostrar(area_->zoom()); // clamped, or unchanged after a text that is not a number
    area_->setFocus();
}

void TCaixaZoom::mostrar(double zoom)
{
    const QSignalBlocker bloqueio(this);
    setEditText(texto(zoom));
}

} // namespace zefira
