#pragma once
// TFormArquivo: the work area. Shows the picture the core paints on the 20 ms ticks and
// forwards every mouse and key event to the core's handlers, with window points mapped to
// circuit points by the state's view (zoom and scroll bars).

#include "edicao/selecao.h"
#include "modelo/controles.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QImage>
#include <QTimer>

#include <cstdint>
#include <vector>

namespace zefira {

struct TEstado;
struct TPonto;
class TInterfaceUsuario;

class TFormArquivo : public QAbstractScrollArea {
    Q_OBJECT
public:
    TFormArquivo(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai = nullptr);

    QTimer Timer1; // 20 ms
    // One tick of the work area's timer: simulation step when due, redraw, caption, cursor.
    void Timer1Timer();
    // What the window shows, at the screen's pixel density.
    const QImage &imagem() const { return imagem_; }
    void carregar_cursores();
    // How many placement cursors the last load got, read from their files or, on a dense
    // screen, drawn (the rest are crosses).
    int cursores_lidos() const { return cursores_lidos_; }
    // Something the picture shows changed without passing through this window's input (a menu
    // command, a dialog, a document loaded): the next tick repaints.
    void marcar_alterado() { acordar(); }
    // The timer sleeps while the core has nothing for it (Relogio_Pode_Dormir) and no input
    // arrives; any input or command wakes it.
    bool dormindo() const { return dormindo_; }
    // Repaints made so far; the timer skips them while nothing visible changes.
    int quadros() const { return quadros_; }

    // Zoom (clamped to 25..400 %) keeping the circuit point under `ancora` still; by default
    // about the window's top-left corner, the drawing kept in sight (TVista::zoom_no_canto).
    void definir_zoom(double zoom, QPointF ancora = QPointF(-1, -1));
    double zoom() const;
    void ampliar();
    void reduzir();
    void ajustar_janela(); // the whole circuit in the window
    // Scrolls so the circuit can be seen (after opening a file or a demonstration).
    void mostrar_circuito();
    // A circuit point's place in the window (context menu).
    QPoint para_tela(int x, int y) const;

signals:
    void legenda_mudou(const QString &legenda);
    void controles_mudaram();
    void zoom_mudou(double zoom);
    // What a press would do under the pointer, for the status bar; empty for nothing.
    void dica_mudou(const QString &dica);

protected:
    bool viewportEvent(QEvent *evento) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent *evento) override;
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
    void acordar();
    void desenhar();
    void aplicar_cursor();
    void avisar_mudancas();
    void avisar_dica();
    // Surface size (move limits) and scroll bar ranges from the circuit, window and zoom.
    void atualizar_superficie();
    TPonto no_circuito(const QPointF &tela) const;

    TEstado &estado_;
    TInterfaceUsuario &ui_;
    QImage imagem_;
    std::vector<QCursor> cursores_; // placement cursors by slot 1..Numero_Pecas(); slot 0 unused
    QString legenda_;
    QString dica_;
    TControles controles_anteriores_;
    int botao_paleta_anterior_ = 0;
    double dpr_cursores_ = 1;
    unsigned revisao_anterior_ = 0;   // the history's revision last told
    bool em_repouso_anterior_ = true; // whether undo was possible then
    int cursores_lidos_ = 0;
    bool alterado_ = true;
    bool dormindo_ = false;
    const void *lista_anterior_ = nullptr; // the component list last shown
    std::uint64_t revisao_vista_ = 0;
    int quadros_ = 0;
    TCursor cursor_;
    bool cursor_aplicado_ = false;
};

} // namespace zefira
