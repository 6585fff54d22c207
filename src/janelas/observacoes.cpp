#include "janelas/observacoes.h"

#include "modelo/estado.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace zefira {

TFormobs::TFormobs(TEstado &estado, QWidget *pai) : QDialog(pai), estado_(estado)
{
    setWindowTitle(QStringLiteral("Observações"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    resize(455, 286);
    memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("memo"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    memo->clear();
    memo->installEventFilter(this);
    connect(memo, &QPlainTextEdit::textChanged, this, &TFormobs::memoChange);
}

void TFormobs::showEvent(QShowEvent *evento)
{
    // The notes may have been replaced by opening a file or emptying the document.
    carregando_ = true;
    memo->setPlainText(estado_.observacoes.join(QLatin1Char('\n')));
    carregando_ = false;
    if (estado_.observacoes.isEmpty())
        resize(500, 300);
    QDialog::showEvent(evento);
}

void TFormobs::memoChange()
{
    if (carregando_)
        return;
    const QString texto = memo->toPlainText();
    estado_.observacoes = texto.isEmpty() ? QStringList() : texto.split(QLatin1Char('\n'));
    estado_.modificado = true;
}

bool TFormobs::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == memo && evento->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(evento)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

} // namespace zefira
