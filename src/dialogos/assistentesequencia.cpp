#include "dialogos/assistentesequencia.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zefira {

TFormAssistenteSequencia::TFormAssistenteSequencia(QWidget *pai) : QDialog(pai)
{
    setObjectName(QStringLiteral("TFormAssistenteSequencia"));
    setWindowTitle(QStringLiteral("Assistente de sequência"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    sequencia = new QLineEdit(QStringLiteral("A+ B+ B- A-"), this);
    sequencia->setObjectName(QStringLiteral("sequencia"));
    sequencia->setPlaceholderText(QStringLiteral("por exemplo: A+ B+ B- A-"));
    sequencia->setToolTip(QStringLiteral("Cilindros de A a F, cada movimento X+ ou X-; "
                                         "movimentos do mesmo passo entre parênteses: A+ (B+ C+) A-"));

    auto *metodo = new QGroupBox(QStringLiteral("Método"), this);
    intuitivo = new QRadioButton(QStringLiteral("&Intuitivo"), metodo);
    cascata = new QRadioButton(QStringLiteral("&Cascata"), metodo);
    passo_a_passo = new QRadioButton(QStringLiteral("&Passo a passo"), metodo);
    cascata->setChecked(true);
    auto *lm = new QVBoxLayout(metodo);
    for (QRadioButton *b : {intuitivo, cascata, passo_a_passo})
        lm->addWidget(b);

    auto *comando = new QGroupBox(QStringLiteral("Comando"), this);
    pneumatico = new QRadioButton(QStringLiteral("P&neumático"), comando);
    eletropneumatico = new QRadioButton(QStringLiteral("&Eletropneumático"), comando);
    pneumatico->setChecked(true);
    auto *lc = new QVBoxLayout(comando);
    lc->addWidget(pneumatico);
    lc->addWidget(eletropneumatico);
    lc->addStretch();

    previa = new QPlainTextEdit(this);
    previa->setObjectName(QStringLiteral("previa"));
    previa->setReadOnly(true);
    previa->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    previa->setMinimumHeight(previa->fontMetrics().lineSpacing() * 7);

    gerar = new QPushButton(QStringLiteral("&Gerar"), this);
    gerar->setDefault(true);
    cancelar = new QPushButton(QStringLiteral("Cancelar"), this);

    auto *linha = new QFormLayout;
    auto *rotulo = new QLabel(QStringLiteral("&Sequência:"), this);
    rotulo->setBuddy(sequencia);
    linha->addRow(rotulo, sequencia);
    auto *escolhas = new QHBoxLayout;
    escolhas->addWidget(metodo, 1);
    escolhas->addWidget(comando, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(gerar);
    botoes->addWidget(cancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(linha);
    layout->addLayout(escolhas);
    layout->addWidget(new QLabel(QStringLiteral("Prévia:"), this));
    layout->addWidget(previa, 1);
    layout->addLayout(botoes);
    resize(sizeHint().expandedTo(QSize(460, 0)));

    connect(sequencia, &QLineEdit::textChanged, this, &TFormAssistenteSequencia::atualizar_previa);
    for (QRadioButton *b : {intuitivo, cascata, passo_a_passo, pneumatico, eletropneumatico})
        connect(b, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                atualizar_previa();
        });
    connect(gerar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    atualizar_previa();
    sequencia->setFocus();
}

TPedido_Sequencia TFormAssistenteSequencia::pedido() const
{
    TPedido_Sequencia p;
    p.sequencia = sequencia->text();
    p.metodo = intuitivo->isChecked() ? TMetodo::intuitivo
               : cascata->isChecked() ? TMetodo::cascata
                                      : TMetodo::passo_a_passo;
    p.eletrico = eletropneumatico->isChecked();
    return p;
}

void TFormAssistenteSequencia::atualizar_previa()
{
    const TPedido_Sequencia p = pedido();
    TSequencia_Movimentos s;
    const QString recusa = sequencia->text().trimmed().isEmpty()
                               ? QStringLiteral("Digite a sequência, por exemplo: A+ B+ B- A-")
                               : Validar_Pedido(p, &s);
    previa->setPlainText(recusa.isEmpty() ? Tabela_Metodo(s, p.metodo, p.eletrico).join(QLatin1Char('\n')) : recusa);
    gerar->setEnabled(recusa.isEmpty());
}

} // namespace zefira
