#pragma once
// TApresentacaoSimulacao: what the timer tick asks of the window showing the circuit. The
// shell fills it in; tests and zefira-cli leave the parts they do not need empty.

#include <QString>
#include <functional>

namespace zefira {

struct TApresentacaoSimulacao {
    std::function<void()> desenhar;                        // redraw the work area
    std::function<void(const QString &)> definir_titulo;   // the work area's caption
    std::function<void()> atualizar_cursor;                // the mouse cursor
    std::function<void(const QString &)> avisar;           // why the run paused by itself
};

} // namespace zefira
