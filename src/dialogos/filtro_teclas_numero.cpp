#include "dialogos/filtro_teclas_numero.h"

#include "propriedades/configuracao_entrada.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace zefira {

TFiltro_Teclas_Numero::TFiltro_Teclas_Numero(std::function<void()> confirmar, std::function<void()> fechar,
                                             QObject *pai)
    : QObject(pai), confirmar_(std::move(confirmar)), fechar_(std::move(fechar))
{
}

void TFiltro_Teclas_Numero::vigiar(QAbstractSpinBox *caixa, int tamanho_maximo)
{
    caixa->installEventFilter(this);
    if (QLineEdit *edicao = caixa->findChild<QLineEdit *>())
        edicao->setMaxLength(tamanho_maximo);
}

bool TFiltro_Teclas_Numero::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QObject::eventFilter(objeto, evento);
    const auto *tecla = static_cast<QKeyEvent *>(evento);
    switch (Tecla_Caixa_Numero(tecla->key(), tecla->text())) {
    case AcaoTecla::Confirmar: confirmar_(); return true;
    case AcaoTecla::Fechar: fechar_(); return true;
    case AcaoTecla::Aceitar: return false;
    case AcaoTecla::Descartar: return true;
    }
    return true;
}

} // namespace zefira
