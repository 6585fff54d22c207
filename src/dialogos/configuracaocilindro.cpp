#include "dialogos/configuracaocilindro.h"

#include "dialogos/editarrotulos.h"
#include "dialogos/filtro_teclas_numero.h"
#include "dialogos/validador_texto.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "dialogos/caixa_inteira.h"

namespace zefira {

TFormconfiguracaocilindro::TFormconfiguracaocilindro(QWidget *pai)
    : TDialogo_Fixo(QStringLiteral("Cilindro de Ação Simples"), 247, 225, pai)
{
    setObjectName(QStringLiteral("Formconfiguracaocilindro"));
    auto *teclas = new TFiltro_Teclas_Numero([this] { ButOKClick(); }, [this] { reject(); }, this);

    criar_texto(QStringLiteral("Labelnome"), QStringLiteral("Nome"), 68, 21);
    Editnome = new QLineEdit(this);
    Editnome->setObjectName(QStringLiteral("Editnome"));
    Editnome->setGeometry(106, 16, 47, 21);
    Editnome->setMaxLength(TConfiguracao_Cilindro::TAMANHO_NOME);
    Editnome->setValidator(new TValidador_Texto(TValidador_Texto::Caixa::Maiusculas, Editnome));

    criar_texto(QStringLiteral("Labelposicao"), QStringLiteral("Posição"), 58, 53);
    SEposicao = criar_caixa(QStringLiteral("SEposicao"), 48, 0, 100, 0);
    criar_texto(QStringLiteral("Label2"), QStringLiteral("mm  (0..100)"), 162, 53);

    criar_texto(QStringLiteral("Labelpistao"), QStringLiteral("Diâmetro do Pistão"), 7, 85, 89);
    SEpistao = criar_caixa(QStringLiteral("SEpistao"), 80, 32, 200, 100);
    criar_texto(QStringLiteral("Label3"), QStringLiteral("mm  (32..200)"), 162, 85);

    criar_texto(QStringLiteral("Labelhaste"), QStringLiteral("Diâmetro da Haste"), 8, 117, 88);
    SEhaste = criar_caixa(QStringLiteral("SEhaste"), 112, 12, 70, 40);
    Label5 = criar_texto(QStringLiteral("Label5"), QStringLiteral("mm  (12..70)"), 162, 117);

    for (QSpinBox *caixa : {SEposicao, SEpistao, SEhaste})
        teclas->vigiar(caixa, 3);

    Butrotulos = new QPushButton(QStringLiteral("&Editar Rótulos..."), this);
    Butrotulos->setObjectName(QStringLiteral("Butrotulos"));
    Butrotulos->setGeometry(42, 152, 163, 25);
    Butrotulos->setAutoDefault(false);
    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setGeometry(25, 190, 94, 25);
    ButOK->setDefault(true);
    ButCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));
    ButCancelar->setGeometry(129, 190, 94, 25);

    setTabOrder(SEposicao, SEpistao);
    setTabOrder(SEpistao, SEhaste);
    setTabOrder(SEhaste, Butrotulos);
    setTabOrder(Butrotulos, ButOK);
    setTabOrder(ButOK, ButCancelar);
    setTabOrder(ButCancelar, Editnome);

    connect(SEpistao, &QSpinBox::textChanged, this, [this] { SEpistaoChange(); });
    connect(Butrotulos, &QPushButton::clicked, this, [this] { ButrotulosClick(); });
    connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    connect(ButCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QSpinBox *TFormconfiguracaocilindro::criar_caixa(const QString &nome, int y, int minimo, int maximo, int valor)
{
    auto *caixa = new TCaixaInteira(this);
    caixa->setObjectName(nome);
    caixa->setGeometry(106, y, 49, 22);
    caixa->setRange(minimo, maximo);
    caixa->setValue(valor);
    return caixa;
}

QLabel *TFormconfiguracaocilindro::criar_texto(const QString &nome, const QString &texto, int x, int y, int largura)
{
    auto *r = new QLabel(texto, this);
    r->setObjectName(nome);
    if (largura > 0) {
        // Right-aligned against the boxes; grown leftwards so that a wider font still fits.
        r->setGeometry(0, y - 2, x + largura, 16);
        r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        r->move(x, y - 2);
        r->adjustSize();
    }
    return r;
}

TFormeditarrotulos *TFormconfiguracaocilindro::editor_rotulos()
{
    if (!editor_rotulos_)
        editor_rotulos_ = new TFormeditarrotulos(this);
    return editor_rotulos_;
}

bool TFormconfiguracaocilindro::editar(TLista_Componente &lista, TComponente &componente)
{
    preparar(lista, componente);
    return exec() == QDialog::Accepted;
}

void TFormconfiguracaocilindro::showEvent(QShowEvent *evento)
{
    TDialogo_Fixo::showEvent(evento);
    FormShow();
}

void TFormconfiguracaocilindro::FormShow()
{
    config_.FormShow();
    mostrar();
    Editnome->setFocus();
}

void TFormconfiguracaocilindro::mostrar()
{
    mostrando_ = true;
    setWindowTitle(config_.legenda);
    Editnome->setText(config_.nome);
    SEposicao->setValue(config_.posicao.valor);
    SEpistao->setValue(config_.pistao.valor);
    SEhaste->setMaximum(config_.haste.maximo);
    SEhaste->setValue(config_.haste.valor);
    Label5->setText(config_.texto_haste);
    Label5->adjustSize();
    mostrando_ = false;
}

void TFormconfiguracaocilindro::ler()
{
    const auto ler_caixa = [](QSpinBox *caixa, TCaixa_Numero &n) {
        n.vazio = caixa->cleanText().isEmpty();
        if (!n.vazio)
            n.valor = caixa->cleanText().toInt();
    };
    ler_caixa(SEposicao, config_.posicao);
    ler_caixa(SEpistao, config_.pistao);
    ler_caixa(SEhaste, config_.haste);
    config_.definir_nome(Editnome->text());
}

void TFormconfiguracaocilindro::SEpistaoChange()
{
    if (mostrando_)
        return;
    ler();
    config_.SEpistaoChange();
    mostrando_ = true;
    SEhaste->setMaximum(config_.haste.maximo);
    if (!config_.haste.vazio)
        SEhaste->setValue(config_.haste.valor);
    Label5->setText(config_.texto_haste);
    Label5->adjustSize();
    mostrando_ = false;
}

void TFormconfiguracaocilindro::ButrotulosClick()
{
    // The dialog stays open under the modal label editor (hiding a modal dialog would end it);
    // the values being edited are kept in the working copy meanwhile.
    ler();
    TFormeditarrotulos *editor = editor_rotulos();
    editor->editar(*config_.lista, *config_.componente);
    FormShow();
}

void TFormconfiguracaocilindro::ButOKClick()
{
    ler();
    config_.ButOKClick();
    accept();
}

} // namespace zefira
