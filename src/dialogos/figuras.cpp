#include "dialogos/figuras.h"

#include "simbolos/imagens.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zefira {

TFormfiguras::TFormfiguras(const TImagens &imagens, QWidget *pai)
    : QWidget(pai, Qt::Popup | Qt::FramelessWindowHint), imagens_(imagens)
{
    setObjectName(QStringLiteral("Formfiguras"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    resize(33, 33);
}

void TFormfiguras::mostrar_em(const QPoint &canto)
{
    const int altura = TConfiguracao_Figuras::altura_lista(imagens_, figuras_.tipo_lista);
    if (altura > 0)
        resize(width(), altura);
    // Position lists have no names; a name left from an actuator list would mislead.
    if (!TConfiguracao_Figuras::lista_de_acionadores(figuras_.tipo_lista))
        setToolTip(QString());
    move(canto);
    show();
    setFocus();
}

void TFormfiguras::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QStringList nomes = TConfiguracao_Figuras::figuras_lista(figuras_.tipo_lista);
    const std::vector<int> topos = TConfiguracao_Figuras::topos_linhas(imagens_, figuras_.tipo_lista);
    for (int k = 0; k < nomes.size(); ++k)
        p.drawImage(4, topos[size_t(k)], imagens_.copiar(nomes[k]));
    const int w = width(), h = height();
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(0, 0, 0, h);
    p.drawLine(0, 0, w, 0);
    p.drawLine(w - 1, 0, w - 1, h);
    p.drawLine(0, h - 1, w, h - 1);
}

void TFormfiguras::mousePressEvent(QMouseEvent *evento)
{
    // A popup also receives the press that lands elsewhere: that one only dismisses it.
    if (rect().contains(evento->position().toPoint()))
        figuras_.escolher(height(), int(evento->position().y()));
    hide();
}

void TFormfiguras::mouseMoveEvent(QMouseEvent *evento)
{
    QString dica;
    if (figuras_.dica_em(height(), int(evento->position().y()), dica) && dica != toolTip())
        setToolTip(dica);
}

void TFormfiguras::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(evento);
}

void TFormfiguras::hideEvent(QHideEvent *evento)
{
    QWidget::hideEvent(evento);
    emit escondida();
}

} // namespace zefira
