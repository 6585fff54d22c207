#pragma once
// Driving widgets as a user would, without QtTest: mouse and key events sent straight to a
// widget, typed text, and hooks that act on modal windows once they are open.

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

// The toolkit's entry for a key press that may be a shortcut (the one its own test library
// uses); a key event sent to a widget never reaches the shortcuts.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString &text, bool autorep, ushort count);

namespace zefira::teste {

// A key combination pressed in the window w as the user presses it; true when a shortcut took it.
inline bool atalho(QWidget *w, const QKeySequence &teclas)
{
    const QKeyCombination k = teclas[0];
    w->window()->activateWindow();
    QApplication::setActiveWindow(w->window());
    return qt_sendShortcutOverrideEvent(w, 0, int(k.key()), k.keyboardModifiers(), QString(), false, 1);
}

// A key press and release; `texto` is what the key types.
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
    for (QChar c : texto)
        tecla(w, c == QLatin1Char('\n') ? int(Qt::Key_Return) : int(c.toUpper().unicode()), QString(c));
}

// Mouse events as the window system delivers them. `botoes` is the set of buttons held after
// the event.
inline void evento_mouse(QWidget *w, QEvent::Type tipo, const QPoint &p, Qt::MouseButton botao,
                         Qt::MouseButtons botoes, Qt::KeyboardModifiers teclas = Qt::NoModifier)
{
    QMouseEvent e(tipo, QPointF(p), QPointF(w->mapToGlobal(p)), botao, botoes, teclas);
    QApplication::sendEvent(w, &e);
}

// A pointer move with no button held, as mouse tracking reports it.
inline void mover(QWidget *w, const QPoint &p) { evento_mouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }

inline void pressionar(QWidget *w, const QPoint &p, Qt::KeyboardModifiers teclas = Qt::NoModifier)
{
    evento_mouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, teclas);
}

inline void soltar(QWidget *w, const QPoint &p, Qt::KeyboardModifiers teclas = Qt::NoModifier)
{
    evento_mouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, teclas);
}

// A left click; without a point, in the widget's centre.
inline void clicar(QWidget *w, QPoint p = QPoint(-1, -1))
{
    if (p == QPoint(-1, -1))
        p = w->rect().center();
    pressionar(w, p);
    soltar(w, p);
}

// The event order of a real double click: press, release, double click, release.
inline void clicar_duas_vezes(QWidget *w, const QPoint &p)
{
    mover(w, p);
    clicar(w, p);
    evento_mouse(w, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    soltar(w, p);
}

inline void processar_eventos()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Runs acao on the modal window as soon as one is open (the caller then blocks in exec()).
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

// Closes every modal window that shows up while it lives and counts them, so a wrong code
// path fails instead of hanging.
class GuardaModal {
public:
    GuardaModal()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                ++fechados;
                w->close();
            }
        });
        timer_.start();
    }
    int fechados = 0;

private:
    QTimer timer_;
};

} // namespace zefira::teste
