#pragma once
// TFormeditarrotulos: the label editor, six rows of text and stroke position. The rules live
// in TEditar_Rotulos.

#include "propriedades/editar_rotulos.h"
#include "dialogos/dialogo_fixo.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zefira {

class TFormeditarrotulos : public TDialogo_Fixo {
    Q_OBJECT
public:
    explicit TFormeditarrotulos(QWidget *pai = nullptr);

    void preparar(TLista_Componente &lista, TComponente &componente) { config_.preparar(lista, componente); }
    bool editar(TLista_Componente &lista, TComponente &componente);
    TEditar_Rotulos &configuracao() { return config_; }

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void ButOKClick();

    TEditar_Rotulos config_;
    QLineEdit *Editrot[NUMERO_ROTULOS + 1] = {};
    QSpinBox *SEpos[NUMERO_ROTULOS + 1] = {};
    QPushButton *ButOK, *ButCancelar;
};

} // namespace zefira
