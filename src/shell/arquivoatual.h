#pragma once
// TFormArquivo: the work area. Shows the picture the core paints on every 20 ms tick and
// forwards every mouse and key event to the core's handlers.

#include "model/controles.h"

#include <QCursor>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace zefira {

struct TEstado;
class TInterfaceUsuario;

class TFormArquivo : public QWidget {
    Q_OBJECT
public:
    TFormArquivo(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai = nullptr);

    QTimer Timer1; // 20 ms
    // One tick of the work area's timer: simulation step when due, redraw, caption, cursor.
    void Timer1Timer();
    const QImage &imagem() const { return imagem_; }
    void carregar_cursores();
    // How many placement cursors the last load read from their files (the rest are crosses).
    int cursores_lidos() const { return cursores_lidos_; }
    // Something the picture shows changed without passing through this window's input (a menu
    // command, a dialog, a document loaded): the next tick repaints.
    void marcar_alterado() { alterado_ = true; }
    // Repaints made so far; the timer skips them while nothing visible changes.
    int quadros() const { return quadros_; }

signals:
    void legenda_mudou(const QString &legenda);
    void controles_mudaram();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseDoubleClickEvent(QMouseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void keyReleaseEvent(QKeyEvent *evento) override;
    void resizeEvent(QResizeEvent *evento) override;
    void leaveEvent(QEvent *evento) override;

private:
    void desenhar();
    void aplicar_cursor();
    void avisar_mudancas();

    TEstado &estado_;
    TInterfaceUsuario &ui_;
    QImage imagem_;
    QCursor cursores_[14]; // placement cursors by slot 1..13
    QString legenda_;
    TControles controles_anteriores_;
    int botao_paleta_anterior_ = 0;
    unsigned revisao_anterior_ = 0;   // the history's revision last told
    bool em_repouso_anterior_ = true; // whether undo was possible then
    int cursores_lidos_ = 0;
    bool alterado_ = true;
    std::uint64_t revisao_vista_ = 0;
    int quadros_ = 0;
};

} // namespace zefira
