#include "shell/biblioteca.h"

#include "editor/paleta.h"
#include "model/estado.h"

#include <QKeyEvent>
#include <QPainter>

namespace zefira {

namespace {

struct Posicao {
    int codigo;
    int x, y;
    const char *figura;
};

// Two columns of buttons, 73 x 47 each.
const Posicao POSICOES[] = {
    {7, 2, 2, "cilindro_se_dehs"},       {8, 80, 2, "cilindro_se_dehs"},
    {9, 2, 54, "cilindro_dehd"},         {6, 80, 54, "tomada_de_ar"},
    {2, 2, 106, "fig_2va"},              {3, 80, 106, "fig_3va"},
    {4, 2, 158, "fig_4d"},               {5, 80, 158, "fig_5d"},
    {13, 2, 210, "valvula_reguladora"},  {12, 80, 210, "valvula_escape"},
    {11, 2, 262, "valvula_ou"},          {10, 80, 262, "valvula_e"},
    {14, 2, 314, "jump"},
};

QIcon icone_componente(const QImage &figura)
{
    QImage fundo(69, 43, QImage::Format_RGB32);
    fundo.fill(Qt::white);
    QPainter p(&fundo);
    const QImage f = figura.width() > 65 || figura.height() > 39
                         ? figura.scaled(65, 39, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                         : figura;
    p.drawImage((69 - f.width()) / 2, (43 - f.height()) / 2, f);
    return QIcon(QPixmap::fromImage(fundo));
}

} // namespace

TFormBiblioteca::TFormBiblioteca(TEstado &estado, QWidget *pai) : QWidget(pai), estado_(estado)
{
    setWindowTitle(QStringLiteral("Biblioteca"));
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    setFocusPolicy(Qt::StrongFocus);
    for (const Posicao &pos : POSICOES) {
        const TBotaoPaleta *b = Botao_Paleta(pos.codigo);
        auto *botao = new QToolButton(this);
        botao->setObjectName(QString::fromLatin1(b->botao));
        botao->setToolTip(QString::fromUtf8(b->dica));
        botao->setCheckable(true);
        botao->setAutoRaise(false);
        botao->setGeometry(pos.x, pos.y, 73, 47);
        botao->setIconSize(QSize(69, 43));
        botao->setIcon(icone_componente(estado.imagens.copiar(QString::fromLatin1(pos.figura))));
        const int codigo = pos.codigo;
        connect(botao, &QToolButton::clicked, this, [this, codigo] {
            Clicar_Botao_Paleta(estado_, codigo);
            sincronizar();
        });
        botoes_.insert(codigo, botao);
    }
    // Creating the palette leaves nothing pending.
    estado_.modo = 0;
}

QString TFormBiblioteca::item_menu(int codigo)
{
    const TBotaoPaleta *b = Botao_Paleta(codigo);
    return b ? QString::fromLatin1(b->item_menu) : QString();
}

void TFormBiblioteca::menu_clicado(int codigo)
{
    componenteMenuClick(estado_, codigo);
    sincronizar();
}

void TFormBiblioteca::sincronizar()
{
    for (auto it = botoes_.begin(); it != botoes_.end(); ++it)
        it.value()->setChecked(estado_.botao_paleta == it.key());
}

void TFormBiblioteca::keyPressEvent(QKeyEvent *evento)
{
    paletaKeyPress(estado_, evento->key());
    sincronizar();
    QWidget::keyPressEvent(evento);
}

} // namespace zefira
