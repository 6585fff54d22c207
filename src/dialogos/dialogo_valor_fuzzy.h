#pragma once
// TDialogo_Valor_Fuzzy: the window shared by the air supply and flow regulator dialogs: the
// Fuzzy box, the numeric box with its range and the three grades. The rules live in
// TConfiguracao_Valor_Fuzzy.

#include "propriedades/configuracao_valor_fuzzy.h"
#include "dialogos/dialogo_fixo.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zefira {

class TDialogo_Valor_Fuzzy : public TDialogo_Fixo {
    Q_OBJECT
public:
    // Names and places that tell the two dialogs apart.
    struct TAparencia {
        const char *legenda;
        const char *nome_valor;  // value label: object name and text
        const char *texto_valor;
        const char *texto_faixa; // range label
        int x_faixa;
        const char *nome_caixa;  // numeric box
        int digitos;
        const char *nome_grupo;  // grade group: object name and caption
        const char *texto_grupo;
        int x_grupo, largura_grupo;
    };

    // config may still be under construction (a member of the derived window): only its
    // range, given apart, is read here.
    TDialogo_Valor_Fuzzy(TConfiguracao_Valor_Fuzzy &config, const TConfiguracao_Valor_Fuzzy::TFaixa &faixa,
                         const TAparencia &aparencia, QWidget *pai);

    // Shows the dialog modally on the component; true when closed by "&OK".
    bool editar(TComponente &componente);
    void preparar(TComponente &componente) { config_.preparar(componente); }

protected:
    void showEvent(QShowEvent *evento) override;

private:
    void mostrar();
    void ButOKClick();

    TConfiguracao_Valor_Fuzzy &config_;
    bool mostrando_ = false;
    QCheckBox *cbFuzzy;
    QSpinBox *caixa_;
    QGroupBox *grupo_;
    QRadioButton *graus_[3];
    QPushButton *ButOK, *ButCancelar;
};

} // namespace zefira
