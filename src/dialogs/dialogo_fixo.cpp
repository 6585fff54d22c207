#include "dialogs/dialogo_fixo.h"

#include <QScreen>

namespace zefira {

TDialogo_Fixo::TDialogo_Fixo(const QString &legenda, int largura, int altura, QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                       | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(legenda);
    setFixedSize(largura, altura);
    // The layouts are laid out in pixels for a small dialog font.
    QFont fonte = font();
    fonte.setPixelSize(10);
    setFont(fonte);
}

void TDialogo_Fixo::showEvent(QShowEvent *evento)
{
    if (const QScreen *tela = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(evento);
}

} // namespace zefira
