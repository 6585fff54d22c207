#pragma once
// TJanelaDiagrama: the displacement-step diagram window. Non-modal and resizable, it follows
// the simulation live, repainting whenever a step is added or the notes change; the diagram
// itself is painted by the core.

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QPushButton;

namespace zefira {

struct TEstado;
class TDiagrama_Trajeto_Passo;
class TInterfaceUsuario;

class TJanelaDiagrama : public QWidget {
    Q_OBJECT
public:
    TJanelaDiagrama(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai = nullptr);

    // Called on every tick of the work area: repaints when the record or the notes changed.
    void atualizar();
    // The diagram as it is painted now.
    TDiagrama_Trajeto_Passo diagrama() const;

    QCheckBox *mostrar_valvulas;
    QPushButton *exportar;
    QPushButton *imprimir;
    QWidget *tela; // where the diagram is painted

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void exportarClick();
    void imprimirClick();

    TEstado &estado_;
    TInterfaceUsuario &ui_;
    int passos_vistos_ = -1;
    QStringList observacoes_vistas_;
};

} // namespace zefira
