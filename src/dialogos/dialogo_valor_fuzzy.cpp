#include "dialogos/dialogo_valor_fuzzy.h"

#include "dialogos/filtro_teclas_numero.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "dialogos/caixa_inteira.h"
#include <QVBoxLayout>

namespace zefira {

TDialogo_Valor_Fuzzy::TDialogo_Valor_Fuzzy(TConfiguracao_Valor_Fuzzy &config,
                                           const TConfiguracao_Valor_Fuzzy::TFaixa &faixa_valor, const TAparencia &a,
                                           QWidget *pai)
    : TDialogo_Fixo(QString::fromUtf8(a.legenda), 256, 155, pai), config_(config)
{
    cbFuzzy = new QCheckBox(QStringLiteral("Fuzzy"), this);
    cbFuzzy->setObjectName(QStringLiteral("cbFuzzy"));
    cbFuzzy->setGeometry(104, 8, 60, 17);

    auto *horizontal = new QFrame(this);
    horizontal->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    horizontal->setGeometry(11, 29, 233, 2);

    auto *valor = new QLabel(QString::fromUtf8(a.texto_valor), this);
    valor->setObjectName(QString::fromLatin1(a.nome_valor));
    valor->move(40, 45);
    caixa_ = new TCaixaInteira(this);
    caixa_->setObjectName(QString::fromLatin1(a.nome_caixa));
    caixa_->setGeometry(40, 64, 49, 22);
    caixa_->setRange(faixa_valor.minimo, faixa_valor.maximo);
    caixa_->setValue(faixa_valor.inicial);
    auto *faixa = new QLabel(QString::fromUtf8(a.texto_faixa), this);
    faixa->setObjectName(QStringLiteral("Label2"));
    faixa->move(a.x_faixa, 93);

    auto *vertical = new QFrame(this);
    vertical->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    vertical->setGeometry(126, 40, 2, 73);

    grupo_ = new QGroupBox(QString::fromUtf8(a.texto_grupo), this);
    grupo_->setObjectName(QString::fromLatin1(a.nome_grupo));
    grupo_->setGeometry(a.x_grupo, 40, a.largura_grupo, 73);
    auto *coluna = new QVBoxLayout(grupo_);
    coluna->setContentsMargins(6, 2, 2, 4);
    coluna->setSpacing(0);
    for (int i = 0; i < 3; ++i) {
        graus_[i] = new QRadioButton(TConfiguracao_Valor_Fuzzy::nomes_graus()[i], grupo_);
        coluna->addWidget(graus_[i]);
        connect(graus_[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado && !mostrando_)
                config_.grau = i;
        });
    }

    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setGeometry(29, 123, 94, 25);
    ButOK->setDefault(true);
    ButCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));
    ButCancelar->setGeometry(133, 123, 94, 25);

    auto *teclas = new TFiltro_Teclas_Numero([this] { ButOKClick(); }, [this] { reject(); }, this);
    teclas->vigiar(caixa_, a.digitos);

    connect(cbFuzzy, &QCheckBox::toggled, this, [this](bool marcado) {
        if (mostrando_)
            return;
        config_.cbFuzzyClick(marcado);
        caixa_->setEnabled(config_.valor_habilitado());
        grupo_->setEnabled(config_.graus_habilitados());
    });
    connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    connect(ButCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

bool TDialogo_Valor_Fuzzy::editar(TComponente &componente)
{
    preparar(componente);
    return exec() == QDialog::Accepted;
}

void TDialogo_Valor_Fuzzy::showEvent(QShowEvent *evento)
{
    TDialogo_Fixo::showEvent(evento);
    config_.FormShow();
    mostrar();
    ButCancelar->setFocus();
}

void TDialogo_Valor_Fuzzy::mostrar()
{
    mostrando_ = true;
    cbFuzzy->setChecked(config_.fuzzy);
    caixa_->setEnabled(config_.valor_habilitado());
    grupo_->setEnabled(config_.graus_habilitados());
    caixa_->setValue(config_.valor.valor);
    if (config_.grau >= 0 && config_.grau < 3)
        graus_[config_.grau]->setChecked(true);
    mostrando_ = false;
}

void TDialogo_Valor_Fuzzy::ButOKClick()
{
    config_.valor.vazio = caixa_->cleanText().isEmpty();
    if (!config_.valor.vazio)
        config_.valor.valor = caixa_->cleanText().toInt();
    config_.ButOKClick();
    accept();
}

} // namespace zefira
