#pragma once
// TJanelaDiagrama: the displacement-step diagram window. A tool window of the main window (it
// stays above it while open), opened beside it and resizable; it follows the simulation live,
// repainting whenever a step is added or the notes change, and scrolls over a run that does not
// fit, from the step where the run started. The diagram itself is painted by the core.

#include <QRect>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QPushButton;
class QScrollArea;

namespace zefira {

struct TEstado;
class TDiagrama_Trajeto_Passo;
class TInterfaceUsuario;

// Where the window's frame of `tamanho` goes on the screen area `tela`: beside the main window's
// frame `principal` (right, else left) when there is room, else in the lower right corner of
// `livre`, the main window's area below its menus and tool bars, shrunk to fit there.
QRect Lugar_Janela_Diagrama(const QRect &principal, const QRect &livre, const QRect &tela, QSize tamanho);

class TJanelaDiagrama : public QWidget {
    Q_OBJECT
public:
    TJanelaDiagrama(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai = nullptr);

    // Called on every tick of the work area: repaints when the record or the notes changed.
    void atualizar();
    // The diagram as it is painted now.
    TDiagrama_Trajeto_Passo diagrama() const;
    // Writes the whole run, as the window's options show it, to an image or document.
    void exportar_para(const QString &caminho);

    QCheckBox *mostrar_valvulas;
    QCheckBox *ocultar_ociosos;
    QCheckBox *mostrar_eletricos; // shown only when the run records solenoids or relays
    QPushButton *exportar;
    QPushButton *imprimir;
    QScrollArea *rolagem;
    QWidget *tela; // where the diagram is painted

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void exportarClick();
    void imprimirClick();
    void redimensionar_tela();

    TEstado &estado_;
    TInterfaceUsuario &ui_;
    int passos_vistos_ = -1;
    QStringList observacoes_vistas_;
    bool posicionada_ = false;
};

} // namespace zefira
