#include "janelas/janela_diagrama.h"

#include "desenho/diagrama_trajeto_passo.h"
#include "desenho/exportacao.h"
#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zefira {

QRect Lugar_Janela_Diagrama(const QRect &principal, const QRect &livre, const QRect &tela, QSize tamanho)
{
    QSize t = tamanho.boundedTo(tela.size());
    const int topo = std::clamp(principal.top(), tela.top(), tela.bottom() + 1 - t.height());
    if (principal.right() + t.width() <= tela.right())
        return QRect(QPoint(principal.right() + 1, topo), t);
    if (principal.left() - t.width() >= tela.left())
        return QRect(QPoint(principal.left() - t.width(), topo), t);
    // No room beside it: over the work area, never over the menus.
    const QRect area = livre.intersected(tela).isEmpty() ? tela : livre.intersected(tela);
    t = t.boundedTo(area.size());
    return QRect(QPoint(area.right() + 1 - t.width(), area.bottom() + 1 - t.height()), t);
}

TJanelaDiagrama::TJanelaDiagrama(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai)
    : QWidget(pai, Qt::Tool), estado_(estado), ui_(ui)
{
    setObjectName(QStringLiteral("TJanelaDiagrama"));
    setWindowTitle(QStringLiteral("Diagrama Trajeto-Passo"));
    resize(720, 440);
    setMinimumSize(320, 200);

    mostrar_valvulas = new QCheckBox(QStringLiteral("Mostrar válvulas"), this);
    mostrar_valvulas->setChecked(true);
    ocultar_ociosos = new QCheckBox(QStringLiteral("Ocultar passos iniciais sem movimento"), this);
    mostrar_eletricos = new QCheckBox(QStringLiteral("Solenoides e relés"), this);
    mostrar_eletricos->hide();
    exportar = new QPushButton(QStringLiteral("Exportar..."), this);
    imprimir = new QPushButton(QStringLiteral("Imprimir..."), this);
    tela = new QWidget;
    tela->setAttribute(Qt::WA_OpaquePaintEvent);
    tela->installEventFilter(this);
    rolagem = new QScrollArea(this);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setWidget(tela);

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(mostrar_valvulas);
    botoes->addWidget(ocultar_ociosos);
    botoes->addWidget(mostrar_eletricos);
    botoes->addStretch();
    botoes->addWidget(exportar);
    botoes->addWidget(imprimir);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(botoes);
    layout->addWidget(rolagem, 1);

    for (QCheckBox *opcao : {mostrar_valvulas, ocultar_ociosos, mostrar_eletricos})
        connect(opcao, &QCheckBox::toggled, this, [this] {
            redimensionar_tela();
            tela->update();
        });
    // A view scrolled to the latest step keeps following the run; anywhere else it stays put,
    // so a run longer than the window is seen from its start.
    QScrollBar *h = rolagem->horizontalScrollBar();
    connect(h, &QScrollBar::rangeChanged, this, [h](int, int maximo) {
        if (h->property("no_fim").toBool())
            h->setValue(maximo);
    });
    connect(h, &QScrollBar::valueChanged, this,
            [h](int valor) { h->setProperty("no_fim", h->maximum() > 0 && valor == h->maximum()); });
    connect(exportar, &QPushButton::clicked, this, &TJanelaDiagrama::exportarClick);
    connect(imprimir, &QPushButton::clicked, this, &TJanelaDiagrama::imprimirClick);
}

TDiagrama_Trajeto_Passo TJanelaDiagrama::diagrama() const
{
    return TDiagrama_Trajeto_Passo(estado_.historico, estado_.observacoes, mostrar_valvulas->isChecked(),
                                   ocultar_ociosos->isChecked(), mostrar_eletricos->isChecked());
}

void TJanelaDiagrama::redimensionar_tela()
{
    const QSizeF minimo = diagrama().tamanho_minimo();
    tela->setMinimumSize(int(std::ceil(minimo.width())), int(std::ceil(minimo.height())));
}

void TJanelaDiagrama::atualizar()
{
    if (!isVisible())
        return;
    // A cleared record has 0 steps, so a stop followed by a new start is seen as well.
    if (estado_.historico.numero_passos() == passos_vistos_ && estado_.observacoes == observacoes_vistas_)
        return;
    passos_vistos_ = estado_.historico.numero_passos();
    observacoes_vistas_ = estado_.observacoes;
    const auto &linhas = estado_.historico.linhas;
    mostrar_eletricos->setVisible(
        std::any_of(linhas.begin(), linhas.end(), [](const TLinha_Historico &l) { return l.eletrico; }));
    redimensionar_tela();
    tela->update();
}

void TJanelaDiagrama::showEvent(QShowEvent *evento)
{
    // The first time, beside the main window; later where the user left it.
    QWidget *principal = parentWidget() ? parentWidget()->window() : nullptr;
    if (!posicionada_ && principal && principal->isVisible()) {
        posicionada_ = true;
        QRect livre = principal->geometry();
        if (auto *janela = qobject_cast<QMainWindow *>(principal); janela && janela->centralWidget()) {
            QWidget *centro = janela->centralWidget();
            livre = QRect(centro->mapToGlobal(QPoint(0, 0)), centro->size());
        }
        // This window's frame is not known before it is shown: the main window's is a fair guess.
        const QMargins moldura(principal->geometry().left() - principal->frameGeometry().left(),
                               principal->geometry().top() - principal->frameGeometry().top(),
                               principal->frameGeometry().right() - principal->geometry().right(),
                               principal->frameGeometry().bottom() - principal->geometry().bottom());
        const QScreen *tela_sistema = principal->screen();
        const QRect disponivel = tela_sistema ? tela_sistema->availableGeometry() : principal->frameGeometry();
        const QRect lugar = Lugar_Janela_Diagrama(principal->frameGeometry(), livre, disponivel,
                                                  size().grownBy(moldura));
        resize(lugar.size().shrunkBy(moldura).expandedTo(minimumSize()));
        move(lugar.topLeft());
    }
    passos_vistos_ = -1; // repaint what happened while hidden
    atualizar();
    QWidget::showEvent(evento);
}

bool TJanelaDiagrama::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == tela && evento->type() == QEvent::Paint) {
        QPainter p(tela);
        diagrama().desenhar(p, QRectF(tela->rect()));
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

void TJanelaDiagrama::exportar_para(const QString &caminho)
{
    // The whole run at its natural size, whatever part of it the window shows.
    const ResultadoExportacao r = Exportar_Diagrama(diagrama(), caminho, std::max(1.0, devicePixelRatioF()));
    if (r == ResultadoExportacao::formato_desconhecido)
        ui_.mensagem(QStringLiteral("Formato desconhecido: use .png, .svg ou .pdf."));
    else if (r != ResultadoExportacao::ok)
        ui_.mensagem(QStringLiteral("Erro ao salvar arquivo!"));
}

void TJanelaDiagrama::exportarClick()
{
    QString filtro;
    QString caminho = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportar diagrama"), estado_.pasta_arquivos,
        QStringLiteral("Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)"), &filtro);
    if (caminho.isEmpty())
        return;
    // A name typed without extension takes the chosen filter's.
    if (QFileInfo(caminho).suffix().isEmpty())
        caminho += filtro.contains(QLatin1String("svg")) ? QStringLiteral(".svg")
                   : filtro.contains(QLatin1String("pdf")) ? QStringLiteral(".pdf")
                                                          : QStringLiteral(".png");
    exportar_para(caminho);
}

} // namespace zefira

namespace zefira {

void TJanelaDiagrama::imprimirClick()
{
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog previa(&impressora, this);
    previa.setWindowTitle(QStringLiteral("Imprimir diagrama"));
    connect(&previa, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *p) {
        // The whole run at its natural size, scaled to fill the printable area and centred.
        const TDiagrama_Trajeto_Passo d = diagrama();
        const QSizeF tamanho = d.tamanho_natural();
        const QRectF pagina = p->pageLayout().paintRectPixels(p->resolution());
        const double escala = std::min(pagina.width() / tamanho.width(), pagina.height() / tamanho.height());
        QPainter pintor(p);
        pintor.translate((pagina.width() - tamanho.width() * escala) / 2,
                         (pagina.height() - tamanho.height() * escala) / 2);
        pintor.scale(escala, escala);
        d.desenhar(pintor, QRectF(QPointF(0, 0), tamanho));
    });
    previa.exec();
}

} // namespace zefira
