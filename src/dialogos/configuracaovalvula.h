#pragma once
// TFormconfiguracaovalvula: the directional valve dialog. Its controls mirror the working copy
// of TConfiguracao_Valvula, which holds every rule; the valve is written only by "&OK".

#include "propriedades/configuracao_valvula.h"
#include "dialogos/dialogo_fixo.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zefira {

class TFormfiguras;
class TImagens;

class TFormconfiguracaovalvula : public TDialogo_Fixo {
    Q_OBJECT
public:
    // figuras: the picker sharing the working copy; a private one is made when none is given.
    TFormconfiguracaovalvula(const TImagens &imagens, TFormfiguras *figuras, QWidget *pai = nullptr);

    void preparar(TLista_Componente &lista, TComponente &componente) { config_.preparar(lista, componente); }
    // Shows the dialog modally on the valve; true when closed by "&OK".
    bool editar(TLista_Componente &lista, TComponente &componente);

    TConfiguracao_Valvula &configuracao() { return config_; }
    TFormfiguras *figuras() const { return figuras_; }

    // FormActivate: the rules after a picker cycle, then the pictures.
    void FormActivate();

protected:
    void showEvent(QShowEvent *evento) override;
    void done(int resultado) override;

private:
    struct Lado {
        QGroupBox *grupo;
        QCheckBox *mola, *piloto, *solenoide;
        QLineEdit *tag;
        QLabel *manual, *mecanica;
        QToolButton *botao_manual, *botao_mecanica;
    };

    Lado criar_lado(bool dir);
    QLabel *criar_imagem(QWidget *pai, int x, int y, const QString &nome);
    QToolButton *criar_seta(QWidget *pai, int x, int y, const QString &nome);
    void abrir_figuras(QLabel *imagem);
    void mostrar();
    void mostrar_imagem(QLabel *imagem, const QString &figura);
    void ButOKClick();

    const TImagens &imagens_;
    TFormfiguras *figuras_;
    TConfiguracao_Valvula config_;
    bool mostrando_ = false; // controls being set from the working copy: not the user's clicks

    Lado lado_[2];
    QGroupBox *GBdescricao, *GBcorpovalvula, *GBposicaoinicial;
    QLineEdit *Editdescricao;
    QCheckBox *cbMostrarNome, *cbArcomprimido;
    QLabel *Imagepos[4];
    QToolButton *Butpos[4];
    QRadioButton *RBpos[4];
    QLabel *Labelrotulo;
    QComboBox *CBrotulo;
    QPushButton *ButOK, *ButCancelar;
};

} // namespace zefira
