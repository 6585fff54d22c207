#include "dialogos/configuracaovalvula.h"

#include "dialogos/figuras.h"
#include "dialogos/validador_texto.h"
#include "simbolos/imagens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace zefira {

namespace {
constexpr bool ESQ = false;
constexpr bool DIR = true;
constexpr int LADO_IMAGEM = 33;
constexpr int LARGURA_SETA = 17;
} // namespace

TFormconfiguracaovalvula::TFormconfiguracaovalvula(const TImagens &imagens, TFormfiguras *figuras, QWidget *pai)
    : TDialogo_Fixo(QStringLiteral("Configuração da Válvula"), 497, 225, pai),
      imagens_(imagens),
      figuras_(figuras ? figuras : new TFormfiguras(imagens, this)),
      config_(figuras_->configuracao())
{
    setObjectName(QStringLiteral("Formconfiguracaovalvula"));
    lado_[ESQ] = criar_lado(ESQ);
    lado_[DIR] = criar_lado(DIR);

    GBdescricao = new QGroupBox(QStringLiteral(" Nome / Fim de Curso "), this);
    GBdescricao->setObjectName(QStringLiteral("GBdescricao"));
    GBdescricao->setGeometry(152, 8, 193, 46);
    Editdescricao = new QLineEdit(GBdescricao);
    Editdescricao->setObjectName(QStringLiteral("Editdescricao"));
    Editdescricao->setGeometry(8, 18, 80, 21);
    Editdescricao->setValidator(new TValidador_Texto(TValidador_Texto::Caixa::Livre, Editdescricao));
    cbMostrarNome = new QCheckBox(QStringLiteral("Mostrar nome"), GBdescricao);
    cbMostrarNome->setObjectName(QStringLiteral("cbMostrarNome"));
    cbMostrarNome->setGeometry(94, 20, 96, 17);

    GBcorpovalvula = new QGroupBox(QStringLiteral(" Corpo da Válvula "), this);
    GBcorpovalvula->setObjectName(QStringLiteral("GBcorpovalvula"));
    GBcorpovalvula->setGeometry(152, 56, 193, 105);
    GBposicaoinicial = new QGroupBox(QStringLiteral(" Posição Inicial "), GBcorpovalvula);
    GBposicaoinicial->setObjectName(QStringLiteral("GBposicaoinicial"));
    GBposicaoinicial->setGeometry(4, 56, 185, 44);
    for (int i = 1; i <= 3; ++i) {
        const int x = 8 + 64 * (i - 1);
        Imagepos[i] = criar_imagem(GBcorpovalvula, x, 18, QStringLiteral("Imagepos%1").arg(i));
        Butpos[i] = criar_seta(GBcorpovalvula, x + LADO_IMAGEM, 18, QStringLiteral("Butpos%1").arg(i));
        connect(Butpos[i], &QToolButton::clicked, this, [this, i] {
            config_.Butpos(i);
            abrir_figuras(Imagepos[i]);
        });
        RBpos[i] = new QRadioButton(GBposicaoinicial);
        RBpos[i]->setObjectName(QStringLiteral("RBpos%1").arg(i));
        RBpos[i]->setGeometry(x + 10, 20, 16, 16);
        connect(RBpos[i], &QRadioButton::clicked, this, [this, i] { config_.RBposClick(i); });
    }

    cbArcomprimido = new QCheckBox(QStringLiteral("Ar Comprimido"), this);
    cbArcomprimido->setObjectName(QStringLiteral("cbArcomprimido"));
    cbArcomprimido->setGeometry(8, 196, 130, 17);

    // The free cylinder labels: never shown, they only decide OK's limit switch.
    Labelrotulo = new QLabel(QStringLiteral("Rótulo:"), this);
    Labelrotulo->setObjectName(QStringLiteral("Labelrotulo"));
    Labelrotulo->hide();
    CBrotulo = new QComboBox(this);
    CBrotulo->setObjectName(QStringLiteral("CBrotulo"));
    CBrotulo->hide();

    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setGeometry(322, 192, 79, 25);
    ButOK->setDefault(true);
    ButCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    ButCancelar->setObjectName(QStringLiteral("ButCancelar"));
    ButCancelar->setGeometry(410, 192, 79, 25);

    connect(ButOK, &QPushButton::clicked, this, [this] { ButOKClick(); });
    connect(ButCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(Editdescricao, &QLineEdit::textEdited, this, [this](const QString &t) { config_.definir_descricao(t); });
    connect(cbMostrarNome, &QCheckBox::toggled, this, [this](bool v) {
        if (!mostrando_)
            config_.mostrar_nome = v;
    });
    connect(cbArcomprimido, &QCheckBox::toggled, this, [this](bool v) {
        if (!mostrando_)
            config_.ar_comprimido = v;
    });
    connect(figuras_, &TFormfiguras::escondida, this, &TFormconfiguracaovalvula::FormActivate);
}

TFormconfiguracaovalvula::Lado TFormconfiguracaovalvula::criar_lado(bool dir)
{
    const QString s = dir ? QStringLiteral("dir") : QStringLiteral("esq");
    Lado l;
    l.grupo = new QGroupBox(dir ? QStringLiteral(" Atuação Direita ") : QStringLiteral(" Atuação Esquerda "), this);
    l.grupo->setObjectName(QStringLiteral("GBatuacao") + s);
    l.grupo->setGeometry(dir ? 352 : 8, 8, 137, 177);

    // The right group is the mirror image of the left one: the buttons stand outside the images.
    const int x_imagem = dir ? 29 : 75;
    const int x_seta = dir ? 12 : 75 + LADO_IMAGEM;
    const int x_texto = dir ? 70 : 10;
    const auto texto = [&l, x_texto](const QString &t, int y) {
        auto *r = new QLabel(t, l.grupo);
        r->setGeometry(x_texto, y, 60, 16);
        return r;
    };
    l.mola = new QCheckBox(QStringLiteral("Mola"), l.grupo);
    l.mola->setObjectName(QStringLiteral("CBmola") + s);
    l.mola->setGeometry(x_texto, 22, 60, 17);
    l.piloto = new QCheckBox(QStringLiteral("Piloto"), l.grupo);
    l.piloto->setObjectName(QStringLiteral("CBpiloto") + s);
    l.piloto->setGeometry(x_texto, 44, 60, 17);
    // The solenoid's tag stands on the pictures' side of its box.
    l.solenoide = new QCheckBox(QStringLiteral("Solenoide"), l.grupo);
    l.solenoide->setObjectName(QStringLiteral("CBsolenoide") + s);
    l.solenoide->setGeometry(dir ? 64 : x_texto, 66, 72, 17);
    l.tag = new QLineEdit(l.grupo);
    l.tag->setObjectName(QStringLiteral("Edittag") + s);
    l.tag->setGeometry(dir ? 14 : 84, 64, 44, 21);
    l.tag->setMaxLength(8);
    l.tag->setValidator(new TValidador_Texto(TValidador_Texto::Caixa::Maiusculas, l.tag));
    texto(QStringLiteral("Manual"), 104);
    texto(QStringLiteral("Mecânica"), 144);
    l.manual = criar_imagem(l.grupo, x_imagem, 96, QStringLiteral("Imagemanual") + s);
    l.mecanica = criar_imagem(l.grupo, x_imagem, 136, QStringLiteral("Imagemecanica") + s);
    l.botao_manual = criar_seta(l.grupo, x_seta, 96, QStringLiteral("Butmanual") + s);
    l.botao_mecanica = criar_seta(l.grupo, x_seta, 136, QStringLiteral("Butmecanica") + s);

    // A click is the user's: the rule runs on the new state, and the controls follow the copy.
    connect(l.mola, &QCheckBox::toggled, this, [this, dir](bool v) {
        if (mostrando_)
            return;
        config_.marcar_mola(dir, v);
        mostrar();
    });
    connect(l.piloto, &QCheckBox::toggled, this, [this, dir](bool v) {
        if (mostrando_)
            return;
        config_.marcar_piloto(dir, v);
        mostrar();
    });
    connect(l.solenoide, &QCheckBox::toggled, this, [this, dir](bool v) {
        if (mostrando_)
            return;
        config_.marcar_solenoide(dir, v);
        mostrar();
    });
    connect(l.tag, &QLineEdit::textEdited, this, [this, dir](const QString &t) { config_.definir_tag_solenoide(dir, t); });
    connect(l.botao_manual, &QToolButton::clicked, this, [this, dir] {
        config_.Butmanual(dir);
        abrir_figuras(lado_[dir].manual);
    });
    connect(l.botao_mecanica, &QToolButton::clicked, this, [this, dir] {
        config_.Butmecanica(dir);
        abrir_figuras(lado_[dir].mecanica);
    });
    return l;
}

QLabel *TFormconfiguracaovalvula::criar_imagem(QWidget *pai, int x, int y, const QString &nome)
{
    auto *imagem = new QLabel(pai);
    imagem->setObjectName(nome);
    imagem->setGeometry(x, y, LADO_IMAGEM, LADO_IMAGEM);
    imagem->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    imagem->setAlignment(Qt::AlignCenter);
    imagem->setAutoFillBackground(true);
    QPalette p = imagem->palette();
    p.setColor(QPalette::Window, Qt::white);
    imagem->setPalette(p);
    return imagem;
}

QToolButton *TFormconfiguracaovalvula::criar_seta(QWidget *pai, int x, int y, const QString &nome)
{
    auto *seta = new QToolButton(pai);
    seta->setObjectName(nome);
    seta->setGeometry(x, y, LARGURA_SETA, LADO_IMAGEM);
    seta->setArrowType(Qt::DownArrow);
    seta->setFocusPolicy(Qt::TabFocus);
    return seta;
}

bool TFormconfiguracaovalvula::editar(TLista_Componente &lista, TComponente &componente)
{
    preparar(lista, componente);
    return exec() == QDialog::Accepted;
}

void TFormconfiguracaovalvula::showEvent(QShowEvent *evento)
{
    TDialogo_Fixo::showEvent(evento);
    config_.FormShow();
    figuras_->resize(LADO_IMAGEM, figuras_->height());
    mostrar();
    Editdescricao->setFocus();
    // Opening activates the dialog.
    FormActivate();
}

void TFormconfiguracaovalvula::FormActivate()
{
    config_.FormActivate();
    mostrar();
}

void TFormconfiguracaovalvula::done(int resultado)
{
    figuras_->hide();
    config_.FormClose();
    TDialogo_Fixo::done(resultado);
}

void TFormconfiguracaovalvula::abrir_figuras(QLabel *imagem)
{
    figuras_->mostrar_em(imagem->mapToGlobal(QPoint(0, imagem->height())));
}

void TFormconfiguracaovalvula::mostrar_imagem(QLabel *imagem, const QString &figura)
{
    // An unknown symbol or code leaves the picture as it was.
    if (!figura.isEmpty())
        imagem->setPixmap(QPixmap::fromImage(imagens_.copiar(figura)));
}

void TFormconfiguracaovalvula::mostrar()
{
    mostrando_ = true;
    for (bool dir : {ESQ, DIR}) {
        const Lado &l = lado_[dir];
        l.mola->setChecked(config_.mola[dir].marcado);
        l.mola->setEnabled(config_.mola[dir].habilitado);
        l.piloto->setChecked(config_.piloto[dir].marcado);
        l.piloto->setEnabled(config_.piloto[dir].habilitado);
        l.solenoide->setChecked(config_.solenoide[dir].marcado);
        l.solenoide->setEnabled(config_.solenoide[dir].habilitado);
        if (l.tag->text() != config_.tag_solenoide[dir])
            l.tag->setText(config_.tag_solenoide[dir]);
        l.tag->setEnabled(config_.solenoide[dir].marcado);
        l.botao_manual->setEnabled(config_.botao_manual_habilitado[dir]);
        l.botao_mecanica->setEnabled(config_.botao_mecanica_habilitado[dir]);
        mostrar_imagem(l.manual, TConfiguracao_Valvula::figura_manual(dir, config_.figuras.manual(dir)));
        mostrar_imagem(l.mecanica, TConfiguracao_Valvula::figura_mecanica(dir, config_.figuras.mecanica(dir)));
    }
    const int vias = config_.numero_vias();
    for (int i = 1; i <= 3; ++i)
        if (i < 3 || vias != 2)
            mostrar_imagem(Imagepos[i], TConfiguracao_Valvula::figura_indice(vias, config_.figuras.figura_posicao[i]));
    if (vias == 2)
        Imagepos[3]->setPixmap(QPixmap::fromImage(imagens_.copiar(QStringLiteral("nada"))));
    RBpos[3]->setEnabled(config_.posicao3_habilitada);
    Butpos[3]->setEnabled(config_.posicao3_habilitada);
    if (config_.posicao_escolhida >= 1 && config_.posicao_escolhida <= 3)
        RBpos[config_.posicao_escolhida]->setChecked(true);
    if (Editdescricao->text() != config_.descricao)
        Editdescricao->setText(config_.descricao);
    cbMostrarNome->setChecked(config_.mostrar_nome);
    cbArcomprimido->setChecked(config_.ar_comprimido);
    CBrotulo->clear();
    CBrotulo->addItems(config_.rotulos);
    mostrando_ = false;
}

void TFormconfiguracaovalvula::ButOKClick()
{
    config_.ButOKClick();
    accept();
}

} // namespace zefira
