#include "dialogos/configuracaoeletrica.h"

#include "dialogos/validador_texto.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace zefira {

namespace {
constexpr int LARGURA = 280;
constexpr int X_CONTROLE = 110;
constexpr int PRIMEIRA_LINHA = 14;
constexpr int ENTRE_LINHAS = 30;
} // namespace

TFormconfiguracaoeletrica::TFormconfiguracaoeletrica(QWidget *pai)
    : TDialogo_Fixo(QStringLiteral("Componente Elétrico"), LARGURA, 200, pai)
{
    using C = TConfiguracao_Eletrica;
    setObjectName(QStringLiteral("Formconfiguracaoeletrica"));

    Edittag = new QLineEdit(this);
    Edittag->setObjectName(QStringLiteral("Edittag"));
    Edittag->resize(64, 21);
    Edittag->setMaxLength(C::TAMANHO_TAG);
    Edittag->setValidator(new TValidador_Texto(TValidador_Texto::Caixa::Maiusculas, Edittag));
    auto *exemplo = new QLabel(QStringLiteral("(S1, K1, 1Y1...)"), this);
    exemplo->setObjectName(QStringLiteral("Labelexemplo"));
    linhas_ << Linha{C::TAG, criar_texto(QStringLiteral("Labeltag"), QStringLiteral("Identificação")),
                     {Edittag, exemplo}};

    CBtipo = new QComboBox(this);
    CBtipo->setObjectName(QStringLiteral("CBtipo"));
    CBtipo->resize(160, 22);
    linhas_ << Linha{C::TIPO, criar_texto(QStringLiteral("Labeltipo"), QStringLiteral("Tipo")), {CBtipo}};

    RBna = new QRadioButton(QStringLiteral("NA"), this);
    RBna->setObjectName(QStringLiteral("RBna"));
    RBna->resize(44, 20);
    RBnf = new QRadioButton(QStringLiteral("NF"), this);
    RBnf->setObjectName(QStringLiteral("RBnf"));
    RBnf->resize(44, 20);
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(RBna);
    grupo->addButton(RBnf);
    linhas_ << Linha{C::CONTATO, criar_texto(QStringLiteral("Labelcontato"), QStringLiteral("Contato")),
                     {RBna, RBnf}};

    CBrotulo = new QComboBox(this);
    CBrotulo->setObjectName(QStringLiteral("CBrotulo"));
    CBrotulo->setEditable(true);
    CBrotulo->resize(90, 22);
    CBrotulo->lineEdit()->setValidator(new TValidador_Texto(TValidador_Texto::Caixa::Livre, CBrotulo));
    linhas_ << Linha{C::ROTULO, criar_texto(QStringLiteral("Labelrotulo"), QStringLiteral("Rótulo do cilindro")),
                     {CBrotulo}};

    Edittempo = new QLineEdit(this);
    Edittempo->setObjectName(QStringLiteral("Edittempo"));
    Edittempo->resize(64, 21);
    auto *faixa_tempo = new QLabel(QStringLiteral("s  (0..3600)"), this);
    faixa_tempo->setObjectName(QStringLiteral("Labelfaixatempo"));
    linhas_ << Linha{C::TEMPO, criar_texto(QStringLiteral("Labeltempo"), QStringLiteral("Tempo")),
                     {Edittempo, faixa_tempo}};

    SEpreset = new QSpinBox(this);
    SEpreset->setObjectName(QStringLiteral("SEpreset"));
    SEpreset->resize(64, 22);
    SEpreset->setRange(1, C::PRESET_MAXIMO);
    auto *faixa_preset = new QLabel(QStringLiteral("(1..9999)"), this);
    faixa_preset->setObjectName(QStringLiteral("Labelfaixapreset"));
    linhas_ << Linha{C::PRESET, criar_texto(QStringLiteral("Labelpreset"), QStringLiteral("Pré-seleção")),
                     {SEpreset, faixa_preset}};

    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->resize(94, 25);
    ButOK->setDefault(true);
    ButCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));
    ButCancelar->resize(94, 25);

    connect(Edittag, &QLineEdit::textEdited, this, [this](const QString &t) { config_.definir_tag(t); });
    connect(CBtipo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (mostrando_)
            return;
        config_.definir_modo(i);
        mostrar();
    });
    connect(RBna, &QRadioButton::toggled, this, [this](bool v) {
        if (!mostrando_)
            config_.nf = !v;
    });
    connect(CBrotulo, &QComboBox::currentTextChanged, this, [this](const QString &t) {
        if (!mostrando_)
            config_.definir_rotulo(t);
    });
    connect(Edittempo, &QLineEdit::textEdited, this, [this](const QString &t) {
        config_.tempo = t;
        habilitar();
    });
    connect(SEpreset, &QSpinBox::valueChanged, this, [this](int v) {
        if (!mostrando_)
            config_.preset = v;
    });
    connect(ButOK, &QPushButton::clicked, this, [this] {
        if (!config_.valido())
            return;
        config_.ButOKClick();
        accept();
    });
    connect(ButCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel *TFormconfiguracaoeletrica::criar_texto(const QString &nome, const QString &texto)
{
    // Right-aligned against the boxes, grown leftwards so that a wider font still fits.
    auto *r = new QLabel(texto, this);
    r->setObjectName(nome);
    r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return r;
}

void TFormconfiguracaoeletrica::preparar(TLista_Componente &lista, TComponente &componente)
{
    config_.preparar(lista, componente);
}

bool TFormconfiguracaoeletrica::editar(TLista_Componente &lista, TComponente &componente)
{
    preparar(lista, componente);
    return exec() == QDialog::Accepted;
}

// The family's rows one under the other, then the buttons; the dialog is as tall as they need.
void TFormconfiguracaoeletrica::dispor()
{
    const int campos = config_.campos();
    const int d = deslocamento();
    int y = PRIMEIRA_LINHA;
    for (const Linha &l : linhas_) {
        const bool tem = campos & l.campo;
        l.texto->setVisible(tem);
        l.texto->setGeometry(d, y + 1, X_CONTROLE - 8, 20);
        int x = d + X_CONTROLE;
        for (QWidget *w : l.controles) {
            w->setVisible(tem);
            if (auto *texto = qobject_cast<QLabel *>(w))
                texto->adjustSize();
            w->move(x, y + (22 - w->height()) / 2);
            x += w->width() + 6;
        }
        if (tem)
            y += ENTRE_LINHAS;
    }
    y += 8;
    ButOK->move(d + LARGURA / 2 - 99, y);
    ButCancelar->move(d + LARGURA / 2 + 5, y);
    definir_altura(y + 25 + 12);
}

void TFormconfiguracaoeletrica::showEvent(QShowEvent *evento)
{
    config_.FormShow();
    setWindowTitle(config_.legenda);
    dispor();
    mostrar();
    TDialogo_Fixo::showEvent(evento);
    Edittag->setFocus();
    Edittag->selectAll();
}

void TFormconfiguracaoeletrica::mostrar()
{
    mostrando_ = true;
    if (Edittag->text() != config_.tag)
        Edittag->setText(config_.tag);
    const QStringList tipos = config_.tipos();
    if (CBtipo->count() != tipos.size() || (CBtipo->count() && CBtipo->itemText(0) != tipos[0])) {
        CBtipo->clear();
        CBtipo->addItems(tipos);
    }
    CBtipo->setCurrentIndex(config_.modo);
    (config_.nf ? RBnf : RBna)->setChecked(true);
    if (CBrotulo->count() != config_.rotulos.size() + 1) {
        CBrotulo->clear();
        CBrotulo->addItems(QStringList{QString()} + config_.rotulos);
    }
    CBrotulo->setEditText(config_.rotulo);
    if (Edittempo->text() != config_.tempo)
        Edittempo->setText(config_.tempo);
    SEpreset->setValue(config_.preset);
    mostrando_ = false;
    habilitar();
}

void TFormconfiguracaoeletrica::habilitar()
{
    using C = TConfiguracao_Eletrica;
    ButOK->setEnabled(config_.valido());
    RBna->setEnabled(config_.habilitado(C::CONTATO));
    RBnf->setEnabled(config_.habilitado(C::CONTATO));
    Edittempo->setEnabled(config_.habilitado(C::TEMPO));
}

} // namespace zefira
