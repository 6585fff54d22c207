#include "dialogos/editarrotulos.h"

#include "dialogos/filtro_teclas_numero.h"
#include "dialogos/validador_texto.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "dialogos/caixa_inteira.h"

namespace zefira {

TFormeditarrotulos::TFormeditarrotulos(QWidget *pai) : TDialogo_Fixo(QStringLiteral("Edição de Rótulos"), 328, 289, pai)
{
    setObjectName(QStringLiteral("Formeditarrotulos"));
    auto *teclas = new TFiltro_Teclas_Numero([this] { ButOKClick(); }, [this] { reject(); }, this);

    auto *titulo_rotulo = new QLabel(QStringLiteral("Rótulo"), this);
    titulo_rotulo->setObjectName(QStringLiteral("Labelrotulo"));
    titulo_rotulo->move(80, 14);
    auto *titulo_posicao = new QLabel(QStringLiteral("Posição"), this);
    titulo_posicao->setObjectName(QStringLiteral("Labelposicao"));
    titulo_posicao->move(232, 14);

    auto *grupo = new QGroupBox(this);
    grupo->setGeometry(8, 32, 312, 209);
    for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
        const int dy = 32 * (k - 1);
        Editrot[k] = new QLineEdit(grupo);
        Editrot[k]->setObjectName(QStringLiteral("Editrot%1").arg(k));
        Editrot[k]->setGeometry(16, 16 + dy, 149, 21);
        Editrot[k]->setValidator(new TValidador_Texto(TValidador_Texto::Caixa::Minusculas, Editrot[k]));
        SEpos[k] = new TCaixaInteira(grupo);
        SEpos[k]->setObjectName(QStringLiteral("SEpos%1").arg(k));
        SEpos[k]->setGeometry(182, 16 + dy, 49, 22);
        SEpos[k]->setRange(0, 100);
        teclas->vigiar(SEpos[k], 3);
        auto *faixa = new QLabel(QStringLiteral("mm  (0..100)"), grupo);
        faixa->setObjectName(QStringLiteral("Label%1").arg(k));
        faixa->move(238, 19 + dy);
    }
    for (int k = 1; k < NUMERO_ROTULOS; ++k) {
        setTabOrder(Editrot[k], SEpos[k]);
        setTabOrder(SEpos[k], Editrot[k + 1]);
    }

    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setGeometry(65, 253, 94, 25);
    ButOK->setDefault(true);
    ButCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));
    ButCancelar->setGeometry(169, 253, 94, 25);
    connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    connect(ButCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormeditarrotulos::editar(TLista_Componente &lista, TComponente &componente)
{
    preparar(lista, componente);
    return exec() == QDialog::Accepted;
}

void TFormeditarrotulos::showEvent(QShowEvent *evento)
{
    TDialogo_Fixo::showEvent(evento);
    config_.FormShow();
    for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
        Editrot[k]->setText(config_.texto[k]);
        SEpos[k]->setValue(config_.posicao[k].valor);
    }
    Editrot[1]->setFocus();
}

void TFormeditarrotulos::ButOKClick()
{
    for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
        config_.definir_texto(k, Editrot[k]->text());
        TCaixa_Numero &p = config_.posicao[k];
        p.vazio = SEpos[k]->cleanText().isEmpty();
        if (!p.vazio)
            p.valor = SEpos[k]->cleanText().toInt();
    }
    config_.ButOKClick();
    accept();
}

} // namespace zefira
