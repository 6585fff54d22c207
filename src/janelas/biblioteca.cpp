#include "janelas/biblioteca.h"

#include "edicao/paleta.h"
#include "desenho/renderizador.h"
#include "modelo/estado.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

namespace zefira {

namespace {

// The buttons by their place in the window, row by row: the order they are created in.
std::vector<const TEntrada_Paleta *> por_lugar()
{
    std::vector<const TEntrada_Paleta *> entradas;
    for (const TPeca &p : Pecas())
        entradas.push_back(p.entrada);
    std::sort(entradas.begin(), entradas.end(), [](const TEntrada_Paleta *a, const TEntrada_Paleta *b) {
        return std::pair(a->y, a->x) < std::pair(b->y, b->x);
    });
    return entradas;
}

// The button shows exactly what a click on the work area will place: the component is placed
// on a scratch circuit, painted by the work area's own renderer and cropped to its ink. At
// `escala` > 1 the renderer draws vectors, for dense screens.
QImage figura_componente(int codigo, int escala)
{
    TEstado rascunho;
    Posicionar_Componente(rascunho, codigo, 40, 40);
    QImage area(300 * escala, 200 * escala, QImage::Format_RGB32);
    {
        QPainter p(&area);
        p.scale(escala, escala);
        Desenhar(rascunho, p, false, false, TSegmento());
    }
    // Around the symbols (rod, actuators, ports) but not the captions above them.
    QRect regiao;
    for (int i = 0; i < rascunho.lista().numero_componentes(); ++i) {
        const TComponente &c = rascunho.lista()[i];
        regiao |= QRect(QPoint(c.esquerda - 30, c.topo - 6) * escala,
                        QPoint(c.direita + 90, c.baixo + 12) * escala);
    }
    regiao &= area.rect();
    QRect tinta;
    for (int y = regiao.top(); y <= regiao.bottom(); ++y)
        for (int x = regiao.left(); x <= regiao.right(); ++x)
            if ((area.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                tinta |= QRect(x, y, 1, 1);
    const QImage figura = tinta.isValid() ? area.copy(tinta.adjusted(-1, -1, 1, 1)) : QImage();
    // White is the work area's paper: on the button it lets the button's own colour show, so
    // a pressed button is seen at a glance.
    QImage fundo(69 * escala, 43 * escala, QImage::Format_ARGB32);
    fundo.fill(Qt::transparent);
    if (!figura.isNull()) {
        QImage f = figura.width() > 65 * escala || figura.height() > 39 * escala
                       ? figura.scaled(65 * escala, 39 * escala, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       : figura;
        f = f.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x) {
                const QRgb c = f.pixel(x, y);
                // Lighter pixels (the paper, and the edges smoothing left) fade out.
                const int claro = qMin(qRed(c), qMin(qGreen(c), qBlue(c)));
                f.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), 255 - claro));
            }
        QPainter p(&fundo);
        p.drawImage((fundo.width() - f.width()) / 2, (fundo.height() - f.height()) / 2, f);
    }
    fundo.setDevicePixelRatio(escala);
    return fundo;
}

QIcon icone_componente(int codigo)
{
    QIcon icone;
    for (int escala : {1, 2})
        icone.addPixmap(QPixmap::fromImage(figura_componente(codigo, escala)));
    return icone;
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
    // The pressed button must stand out: it is the placement waiting for a click.
    setStyleSheet(QStringLiteral("QToolButton { background: white; border: 1px solid #b4b4b4; border-radius: 2px; }"
                                 "QToolButton:hover { border: 1px solid #3a6fc4; }"
                                 "QToolButton:checked { background: #d3e3fb; border: 2px solid #1f56b0; }"));
    // Two columns of buttons, 73 x 47 each, where each family's palette entries place them.
    for (const TEntrada_Paleta *b : por_lugar()) {
        auto *botao = new QToolButton(this);
        botao->setObjectName(QString::fromLatin1(b->botao));
        botao->setToolTip(QString::fromUtf8(b->dica));
        botao->setCheckable(true);
        botao->setAutoRaise(false);
        botao->setGeometry(b->x, b->y, 73, 47);
        botao->setIconSize(QSize(69, 43));
        botao->setIcon(icone_componente(b->codigo));
        const int codigo = b->codigo;
        connect(botao, &QToolButton::clicked, this, [this, codigo] {
            Clicar_Botao_Paleta(estado_, codigo);
            sincronizar();
        });
        botoes_.insert(codigo, botao);
    }
    // Creating the palette leaves nothing pending.
    estado_.modo = MODO_EDICAO;
}

QString TFormBiblioteca::item_menu(int codigo)
{
    const TEntrada_Paleta *b = Botao_Paleta(codigo);
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
