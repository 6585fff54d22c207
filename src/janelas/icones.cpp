#include "janelas/icones.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace zefira {

namespace {

using Desenho = void (*)(QPainter &);

void folha(QPainter &p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void novo(QPainter &p)
{
    folha(p);
    p.setPen(QColor(255, 200, 0));
    p.drawLine(11, 8, 15, 12);
    p.drawLine(15, 8, 11, 12);
}

void abrir(QPainter &p)
{
    p.setPen(QColor(120, 90, 0));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 5, 12, 8);
    p.setBrush(QColor(255, 225, 120));
    p.drawPolygon(QPolygon({QPoint(3, 8), QPoint(15, 8), QPoint(13, 13), QPoint(1, 13)}));
    p.setPen(QColor(0, 0, 160));
    p.drawLine(9, 1, 13, 1);
    p.drawLine(13, 1, 13, 4);
}

void salvar(QPainter &p)
{
    p.setPen(QColor(0, 0, 90));
    p.setBrush(QColor(40, 60, 160));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 7, 5);
}

void cortar(QPainter &p)
{
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawLine(4, 1, 10, 10);
    p.drawLine(11, 1, 5, 10);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(2, 10, 4, 4);
    p.drawEllipse(9, 10, 4, 4);
}

void copiar(QPainter &p)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 8, 10);
    p.drawRect(6, 4, 8, 10);
    p.setPen(QColor(0, 0, 160));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(8, y, 12, y);
}

void colar(QPainter &p)
{
    p.setPen(QColor(90, 60, 0));
    p.setBrush(QColor(200, 150, 60));
    p.drawRect(1, 2, 10, 12);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(4, 0, 4, 3);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(6, 6, 8, 9);
}

void excluir(QPainter &p)
{
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(3, 3, 12, 12);
    p.drawLine(12, 3, 3, 12);
}

void parar(QPainter &p)
{
    p.setPen(QColor(120, 0, 0));
    p.setBrush(QColor(210, 30, 30));
    p.drawRect(3, 3, 10, 10);
}

void iniciar(QPainter &p)
{
    p.setPen(QColor(0, 90, 0));
    p.setBrush(QColor(30, 170, 30));
    p.drawPolygon(QPolygon({QPoint(4, 2), QPoint(13, 8), QPoint(4, 14)}));
}

void pausar(QPainter &p)
{
    p.setPen(QColor(0, 0, 110));
    p.setBrush(QColor(40, 80, 200));
    p.drawRect(3, 3, 3, 10);
    p.drawRect(9, 3, 3, 10);
}

void fechar(QPainter &p)
{
    p.setPen(QColor(70, 40, 0));
    p.setBrush(QColor(170, 120, 60));
    p.drawRect(2, 1, 8, 14);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(9, 8, 15, 8);
    p.drawLine(12, 5, 15, 8);
    p.drawLine(12, 11, 15, 8);
}

void observacoes(QPainter &p)
{
    p.setPen(QColor(120, 110, 0));
    p.setBrush(QColor(255, 250, 150));
    p.drawRect(1, 1, 13, 13);
    p.setPen(QColor(80, 80, 80));
    for (int y = 4; y <= 11; y += 3)
        p.drawLine(3, y, 12, y);
}

void biblioteca(QPainter &p)
{
    // A small valve square with its flow arrow: the component palette.
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(1, 3, 13, 10);
    p.drawLine(7, 12, 7, 5);
    p.drawLine(5, 7, 7, 5);
    p.drawLine(9, 7, 7, 5);
    p.drawLine(7, 0, 7, 3);
    p.drawLine(7, 13, 7, 15);
}

void unico_passo(QPainter &p)
{
    // The start triangle against a bar: run up to the next step and stop there.
    p.setPen(QColor(0, 90, 0));
    p.setBrush(QColor(30, 170, 30));
    p.drawPolygon(QPolygon({QPoint(2, 2), QPoint(10, 8), QPoint(2, 14)}));
    p.setPen(QColor(0, 0, 110));
    p.setBrush(QColor(40, 80, 200));
    p.drawRect(11, 2, 3, 12);
}


// A half-turn arrow, its head on the left (undo) or mirrored to the right (redo).
void seta_curva(QPainter &p, bool espelhar)
{
    if (espelhar) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 70, 160), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath arco;
    arco.moveTo(4, 6);
    arco.cubicTo(8, 2, 15, 4, 13, 10);
    arco.cubicTo(12, 13, 9, 14, 6, 13);
    p.drawPath(arco);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 160));
    p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(7, 3), QPoint(2, 9)}));
}

void desfazer(QPainter &p) { seta_curva(p, false); }
void refazer(QPainter &p) { seta_curva(p, true); }

const Desenho DESENHOS[NUMERO_ICONES] = {novo,    abrir,  salvar, cortar, copiar,      colar,      excluir,    parar,
                                         iniciar, pausar, fechar, observacoes, biblioteca, unico_passo, desfazer, refazer};

} // namespace

QImage Figura_Icone(int indice, int escala)
{
    QImage figura(16 * escala, 16 * escala, QImage::Format_ARGB32);
    figura.fill(Qt::transparent);
    if (indice >= 0 && indice < NUMERO_ICONES) {
        QPainter p(&figura);
        p.scale(escala, escala);
        DESENHOS[indice](p);
    }
    figura.setDevicePixelRatio(escala);
    return figura;
}

QIcon Icone(int indice)
{
    // Dense screens pick the drawing made for them instead of an enlarged 16 x 16.
    QIcon icone;
    for (int escala : {1, 2, 3})
        icone.addPixmap(QPixmap::fromImage(Figura_Icone(indice, escala)));
    return icone;
}

const int TAMANHOS_ICONE_PROGRAMA[8] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage Figura_Programa(int tamanho)
{
    QImage figura(tamanho, tamanho, QImage::Format_ARGB32_Premultiplied);
    figura.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/br.edu.zefira.Zefira.svg"));
    if (!svg.isValid())
        return QImage();
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(0, 0, tamanho, tamanho));
    return figura;
}

// Drawn once per size here, so no icon plugin is needed at run time.
QIcon Icone_Programa()
{
    QIcon icone;
    for (int tamanho : TAMANHOS_ICONE_PROGRAMA)
        icone.addPixmap(QPixmap::fromImage(Figura_Programa(tamanho)));
    return icone;
}

} // namespace zefira
