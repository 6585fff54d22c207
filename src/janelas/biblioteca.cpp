#include "janelas/biblioteca.h"

#include "edicao/paleta.h"
#include "desenho/renderizador.h"
#include "modelo/estado.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace zefira {

namespace {

// The buttons by page and their place in it, row by row: the order they are created in.
std::vector<const TPeca *> por_lugar()
{
    std::vector<const TPeca *> pecas;
    for (const TPeca &p : Pecas())
        pecas.push_back(&p);
    std::sort(pecas.begin(), pecas.end(), [](const TPeca *a, const TPeca *b) {
        return std::tuple(Peca_Eletrica(*a), a->entrada->y, a->entrada->x)
               < std::tuple(Peca_Eletrica(*b), b->entrada->y, b->entrada->x);
    });
    return pecas;
}

// The button shows exactly what a click on the work area will place: the component is placed
// on a scratch circuit, painted by the work area's own renderer and cropped to its ink. At
// `escala` > 1 the renderer draws vectors, for dense screens.
QImage figura_componente(int codigo, int escala, QSize tamanho)
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
        // An electrical symbol without its tag (S1, K1...), so that the narrow button shows it
        // larger; a terminal's fixed tag (+24 V, 0 V) stays, it tells the two apart.
        const bool so_simbolo = c.eletrico && !c.familia().dialogo_propriedades(c).isEmpty();
        regiao |= so_simbolo ? QRect(QPoint(c.esquerda - 1, c.topo - 1) * escala, QPoint(c.direita + 1, c.baixo + 1) * escala)
                             : QRect(QPoint(c.esquerda - 30, c.topo - 6) * escala,
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
    QImage fundo(tamanho * escala, QImage::Format_ARGB32);
    fundo.fill(Qt::transparent);
    const QSize cabe = (tamanho - QSize(4, 4)) * escala;
    if (!figura.isNull()) {
        QImage f = figura.width() > cabe.width() || figura.height() > cabe.height()
                       ? figura.scaled(cabe, Qt::KeepAspectRatio, Qt::SmoothTransformation)
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

QIcon icone_componente(int codigo, QSize tamanho)
{
    QIcon icone;
    for (int escala : {1, 2})
        icone.addPixmap(QPixmap::fromImage(figura_componente(codigo, escala, tamanho)));
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
                                 "QToolButton:checked { background: #d3e3fb; border: 2px solid #1f56b0; }"
                                 "QToolButton#Grupopneumaticos, QToolButton#Grupoeletricos"
                                 " { background: #f0f0f0; color: #303030; font-size: 10px; }"
                                 "QToolButton#Grupopneumaticos:checked, QToolButton#Grupoeletricos:checked"
                                 " { background: #1f56b0; color: white; border: 1px solid #1f56b0; }"));
    // Where each family's palette entries place them: two columns of pneumatic buttons, three
    // of electrical ones, on two pages.
    for (const TPeca *p : por_lugar()) {
        const TEntrada_Paleta *b = p->entrada;
        auto *botao = new QToolButton(this);
        botao->setObjectName(QString::fromLatin1(b->botao));
        botao->setToolTip(QString::fromUtf8(b->dica));
        botao->setCheckable(true);
        botao->setAutoRaise(false);
        const QRect lugar = Lugar_Botao_Paleta(b->codigo);
        botao->setGeometry(lugar);
        botao->setIconSize(lugar.size() - QSize(4, 4));
        botao->setIcon(icone_componente(b->codigo, lugar.size() - QSize(4, 4)));
        const int codigo = b->codigo;
        connect(botao, &QToolButton::clicked, this, [this, codigo] {
            Clicar_Botao_Paleta(estado_, codigo);
            sincronizar();
        });
        botoes_.insert(codigo, botao);
        eletrico_.insert(codigo, Peca_Eletrica(*p));
    }
    for (bool eletricos : {false, true}) {
        auto *grupo = new QToolButton(this);
        grupo_[eletricos] = grupo;
        grupo->setObjectName(eletricos ? QStringLiteral("Grupoeletricos") : QStringLiteral("Grupopneumaticos"));
        grupo->setText(eletricos ? QStringLiteral("Elétricos") : QStringLiteral("Pneumáticos"));
        grupo->setToolTip(eletricos ? QStringLiteral("Componentes elétricos") : QStringLiteral("Componentes pneumáticos"));
        grupo->setCheckable(true);
        grupo->setGeometry(Lugar_Escolha_Grupo(eletricos));
        connect(grupo, &QToolButton::clicked, this, [this, eletricos] { mostrar_eletricos(eletricos); });
    }
    mostrar_eletricos(false);
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
    // A button pressed through the menu is seen on its page.
    if (botoes_.contains(estado_.botao_paleta))
        mostrar_eletricos(eletrico_.value(estado_.botao_paleta));
}

void TFormBiblioteca::mostrar_eletricos(bool eletricos)
{
    eletricos_ = eletricos;
    for (auto it = botoes_.begin(); it != botoes_.end(); ++it)
        it.value()->setVisible(eletrico_.value(it.key()) == eletricos);
    for (bool e : {false, true})
        grupo_[e]->setChecked(e == eletricos);
}

void TFormBiblioteca::keyPressEvent(QKeyEvent *evento)
{
    paletaKeyPress(estado_, evento->key());
    sincronizar();
    QWidget::keyPressEvent(evento);
}

} // namespace zefira
