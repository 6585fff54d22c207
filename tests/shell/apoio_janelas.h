#pragma once
// Helpers for the window tests: the main window over a fresh state, a guard that answers any
// modal window so a wrong code path fails instead of hanging, and pointer moves sent straight
// to a widget.

#include "model/estado.h"
#include "shell/principal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace zefira::teste {

// The state is declared first: the window keeps a reference to it.
struct Principal {
    TEstado estado;
    TForm1 form{estado, false};
};

// Closes every modal window that shows up while it lives and counts them.
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

// Mouse events sent straight to a widget, as the window system delivers them. `botoes` is
// the set of buttons held after the event.
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

// A key press and release; `texto` is what the key types.
inline void tecla(QWidget *w, int codigo, const QString &texto = QString())
{
    QKeyEvent press(QEvent::KeyPress, codigo, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, codigo, Qt::NoModifier, texto);
    QApplication::sendEvent(w, &release);
}

// Types text character by character.
inline void digitar(QWidget *w, const QString &texto)
{
    for (const QChar c : texto)
        tecla(w, 0, QString(c));
}

inline void processar_eventos()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace zefira::teste
