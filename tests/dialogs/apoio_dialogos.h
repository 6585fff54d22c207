#pragma once
// Driving the dialogs as a user would, without QtTest: clicks, keys and typed text sent as
// events to the widgets, and a hook that acts on the next modal dialog once it is open.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

namespace zefira::teste {

inline void tecla(QWidget *w, int codigo, const QString &texto = QString())
{
    QKeyEvent press(QEvent::KeyPress, codigo, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, codigo, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &release);
}

// Each character typed as a key with its text.
inline void digitar(QWidget *w, const QString &texto)
{
    for (QChar c : texto) {
        int codigo = c.toUpper().unicode();
        if (c == QLatin1Char('\n'))
            codigo = Qt::Key_Return;
        tecla(w, codigo, QString(c));
    }
}

inline void pressionar(QWidget *w, QPoint ponto)
{
    QMouseEvent evento(QEvent::MouseButtonPress, ponto, w->mapToGlobal(ponto), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(w, &evento);
}

// Runs acao on the modal dialog as soon as one is open (the caller then blocks in exec()).
inline void no_proximo_modal(std::function<void(QWidget *)> acao)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, acao] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            acao(modal);
        }
    });
    timer->start();
}

} // namespace zefira::teste
