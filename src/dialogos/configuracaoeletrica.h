#pragma once
// TFormconfiguracaoeletrica: the dialog of the electrical parts (tag, NA/NF, kind, cylinder
// label, time, preset). It shows the rows the part's family has, one under the other; the
// rules live in TConfiguracao_Eletrica.

#include "propriedades/configuracao_eletrica.h"
#include "dialogos/dialogo_fixo.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zefira {

class TFormconfiguracaoeletrica : public TDialogo_Fixo {
    Q_OBJECT
public:
    explicit TFormconfiguracaoeletrica(QWidget *pai = nullptr);

    void preparar(TLista_Componente &lista, TComponente &componente);
    // Shows the dialog modally on the part; true when closed by "&OK".
    bool editar(TLista_Componente &lista, TComponente &componente);
    TConfiguracao_Eletrica &configuracao() { return config_; }

protected:
    void showEvent(QShowEvent *evento) override;

private:
    struct Linha {
        TConfiguracao_Eletrica::Campo campo;
        QLabel *texto;
        QList<QWidget *> controles; // placed at their x, on the row's y
    };

    QLabel *criar_texto(const QString &nome, const QString &texto);
    void dispor();
    void mostrar();
    void habilitar();

    TConfiguracao_Eletrica config_;
    bool mostrando_ = false;
    QList<Linha> linhas_;

    QLineEdit *Edittag, *Edittempo;
    QComboBox *CBtipo, *CBrotulo;
    QRadioButton *RBna, *RBnf;
    QSpinBox *SEpreset;
    QPushButton *ButOK, *ButCancelar;
};

} // namespace zefira
