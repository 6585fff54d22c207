#include "dialogos/dialogo_fixo.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zefira {

namespace {
// Room the title bar takes besides the title: the window icon, the close box and padding.
constexpr int MOLDURA_TITULO = 110;
constexpr int MARGEM_ESQUERDA = 6;
} // namespace

TDialogo_Fixo::TDialogo_Fixo(const QString &legenda, int largura, int altura, QWidget *pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                       | Qt::MSWindowsFixedSizeDialogHint),
      largura_(largura), altura_(altura)
{
    setWindowTitle(legenda);
    setFixedSize(largura, altura);
    // The layouts are laid out in pixels for a small dialog font.
    QFont fonte = font();
    fonte.setPixelSize(10);
    setFont(fonte);
}

void TDialogo_Fixo::ajustar_largura()
{
    int esquerda = 0;
    for (const QLabel *l : findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        if ((l->alignment() & Qt::AlignRight) && l->x() == deslocamento_)
            esquerda = std::max(esquerda, MARGEM_ESQUERDA + l->fontMetrics().horizontalAdvance(l->text()) - l->width());
    const int conteudo = largura_ + esquerda;
    QFont fonte_titulo = QApplication::font();
    fonte_titulo.setBold(true);
    const int titulo = QFontMetrics(fonte_titulo).horizontalAdvance(windowTitle()) + MOLDURA_TITULO;
    const int largura = std::max(conteudo, titulo);
    const int deslocamento = esquerda + (largura - conteudo) / 2;
    if (deslocamento != deslocamento_) {
        for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            w->move(w->pos() + QPoint(deslocamento - deslocamento_, 0));
        deslocamento_ = deslocamento;
    }
    setFixedSize(largura, altura_);
}

void TDialogo_Fixo::definir_altura(int altura)
{
    altura_ = altura;
    setFixedSize(width(), altura_);
}

void TDialogo_Fixo::showEvent(QShowEvent *evento)
{
    exibido_ = true;
    ajustar_largura();
    // OK is the default button: a focused Cancelar must not take the default look (and Enter).
    for (QPushButton *b : findChildren<QPushButton *>())
        if (!b->isDefault())
            b->setAutoDefault(false);
    if (const QScreen *tela = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(evento);
}

void TDialogo_Fixo::changeEvent(QEvent *evento)
{
    // Not while the controls are still being created: they stand at their layout places.
    if (evento->type() == QEvent::WindowTitleChange && exibido_)
        ajustar_largura();
    QDialog::changeEvent(evento);
}

} // namespace zefira
