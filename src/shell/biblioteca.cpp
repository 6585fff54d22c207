#include "shell/biblioteca.h"

#include "editor/paleta.h"
#include "editor/renderizador.h"
#include "model/estado.h"

#include <QKeyEvent>
#include <QPainter>

namespace zefira {

namespace {

struct Posicao {
    int codigo;
    int x, y;
};

// Two columns of buttons, 73 x 47 each.
const Posicao POSICOES[] = {
    {7, 2, 2},    {8, 80, 2},   {9, 2, 54},   {6, 80, 54},   {2, 2, 106}, {3, 80, 106}, {4, 2, 158},
    {5, 80, 158}, {13, 2, 210}, {12, 80, 210}, {11, 2, 262}, {10, 80, 262}, {14, 2, 314},
};

// The button shows exactly what a click on the work area will place: the component is placed
// on a scratch circuit, painted by the work area's own renderer and cropped to its ink.
QIcon icone_componente(int codigo)
{
    TEstado rascunho;
    Posicionar_Componente(rascunho, codigo, 40, 40);
    QImage area = Imagem_Area_Trabalho(rascunho, 300, 200);
    // Around the symbols (rod, actuators, ports) but not the captions above them.
    QRect regiao;
    for (int i = 0; i < rascunho.lista().numero_componentes(); ++i) {
        const TComponente &c = rascunho.lista()[i];
        regiao |= QRect(QPoint(c.esquerda - 30, c.topo - 6), QPoint(c.direita + 90, c.baixo + 12));
    }
    regiao &= area.rect();
    QRect tinta;
    for (int y = regiao.top(); y <= regiao.bottom(); ++y)
        for (int x = regiao.left(); x <= regiao.right(); ++x)
            if ((area.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                tinta |= QRect(x, y, 1, 1);
    const QImage figura = tinta.isValid() ? area.copy(tinta.adjusted(-1, -1, 1, 1)) : QImage();
    QImage fundo(69, 43, QImage::Format_RGB32);
    fundo.fill(Qt::white);
    if (!figura.isNull()) {
        QPainter p(&fundo);
        const QImage f = figura.width() > 65 || figura.height() > 39
                             ? figura.scaled(65, 39, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : figura;
        p.drawImage((69 - f.width()) / 2, (43 - f.height()) / 2, f);
    }
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
        botao->setIcon(icone_componente(pos.codigo));
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
