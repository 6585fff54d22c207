#pragma once
// TFormconfiguracaocilindro: the cylinder dialog (name, rod position, piston and rod
// diameters); its button opens the label editor. The rules live in TConfiguracao_Cilindro.

#include "propriedades/configuracao_cilindro.h"
#include "dialogos/dialogo_fixo.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zefira {

class TFormeditarrotulos;

class TFormconfiguracaocilindro : public TDialogo_Fixo {
    Q_OBJECT
public:
    explicit TFormconfiguracaocilindro(QWidget *pai = nullptr);

    // The label editor "&Editar Rótulos..." opens; a private one is made when none is given.
    void definir_editor_rotulos(TFormeditarrotulos *editor) { editor_rotulos_ = editor; }
    TFormeditarrotulos *editor_rotulos();

    // Sets the cylinder, the circuit and the first-show flag.
    void preparar(TLista_Componente &lista, TComponente &componente) { config_.preparar(lista, componente); }
    bool editar(TLista_Componente &lista, TComponente &componente);
    TConfiguracao_Cilindro &configuracao() { return config_; }

protected:
    void showEvent(QShowEvent *evento) override;

private:
    QSpinBox *criar_caixa(const QString &nome, int y, int minimo, int maximo, int valor);
    QLabel *criar_texto(const QString &nome, const QString &texto, int x, int y, int largura = -1);
    void FormShow();
    void mostrar();
    void ler();
    void SEpistaoChange();
    void ButrotulosClick();
    void ButOKClick();

    TConfiguracao_Cilindro config_;
    TFormeditarrotulos *editor_rotulos_ = nullptr;
    bool mostrando_ = false;

    QLineEdit *Editnome;
    QSpinBox *SEposicao, *SEpistao, *SEhaste;
    QLabel *Label5;
    QPushButton *Butrotulos, *ButOK, *ButCancelar;
};

} // namespace zefira
