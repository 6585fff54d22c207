#include "janelas/capa.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zefira {

namespace {
QLabel *rotulo(QWidget *pai, const QString &texto, int tamanho, bool negrito, const QColor &cor, const QRect &onde)
{
    auto *l = new QLabel(texto, pai);
    QFont f = l->font();
    f.setPointSize(tamanho);
    f.setBold(negrito);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QPalette paleta = l->palette();
    paleta.setColor(QPalette::WindowText, cor);
    l->setPalette(paleta);
    l->setGeometry(onde);
    return l;
}
} // namespace

TFormCapa::TFormCapa(QWidget *pai) : QDialog(pai)
{
    setWindowTitle(QStringLiteral("ZEFIRA"));
    // Without CustomizeWindowHint the window manager adds minimise and maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(714, 348);
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    setModal(true);

    const QColor marinho(0, 0, 128);
    rotulo(this, QStringLiteral("ZEFIRA"), 54, true, marinho, QRect(0, 20, 714, 100));
    rotulo(this, QStringLiteral("Simulador de Circuitos Pneumáticos"), 18, true, marinho, QRect(0, 125, 714, 40));
    rotulo(this,
           QStringLiteral("Desenhe circuitos pneumáticos, configure cada componente e acompanhe a simulação passo a "
                          "passo.\n\nEquipe de desenvolvimento ZEFIRA — 2026"),
           10, false, Qt::black, QRect(110, 185, 494, 90));
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ButOK"));
    ok->setDefault(true);
    ok->setGeometry(614, 308, 85, 27);
    connect(ok, &QPushButton::clicked, this, &TFormCapa::ButOKClick);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TFormCapa::Timer1Timer);
    Timer1.start();
}

void TFormCapa::showEvent(QShowEvent *evento)
{
    contador_capa = 0;
    // Centred on the screen the program starts on, not on the main window, which may still be
    // taking its maximised size when the splash appears.
    const QScreen *tela = parentWidget() ? parentWidget()->screen() : screen();
    if (tela) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(evento);
}

void TFormCapa::Timer1Timer()
{
    ++contador_capa;
    // Exactly at 26: closing a splash the user already closed has no visible effect, and
    // the count never comes back to 26.
    if (contador_capa == 26)
        close();
}

void TFormCapa::ButOKClick() { close(); }

} // namespace zefira
