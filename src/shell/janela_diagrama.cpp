#include "shell/janela_diagrama.h"

#include "desenho/diagrama_trajeto_passo.h"
#include "desenho/exportacao.h"
#include "model/estado.h"
#include "model/interface_usuario.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zefira {

TJanelaDiagrama::TJanelaDiagrama(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai)
    : QWidget(pai, Qt::Window), estado_(estado), ui_(ui)
{
    setObjectName(QStringLiteral("TJanelaDiagrama"));
    setWindowTitle(QStringLiteral("Diagrama Trajeto-Passo"));
    resize(640, 360);
    setMinimumSize(320, 200);

    mostrar_valvulas = new QCheckBox(QStringLiteral("Mostrar válvulas"), this);
    mostrar_valvulas->setChecked(true);
    exportar = new QPushButton(QStringLiteral("Exportar..."), this);
    imprimir = new QPushButton(QStringLiteral("Imprimir..."), this);
    tela = new QWidget(this);
    tela->setAttribute(Qt::WA_OpaquePaintEvent);
    tela->installEventFilter(this);

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(mostrar_valvulas);
    botoes->addStretch();
    botoes->addWidget(exportar);
    botoes->addWidget(imprimir);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(botoes);
    layout->addWidget(tela, 1);

    connect(mostrar_valvulas, &QCheckBox::toggled, tela, qOverload<>(&QWidget::update));
    connect(exportar, &QPushButton::clicked, this, &TJanelaDiagrama::exportarClick);
    connect(imprimir, &QPushButton::clicked, this, &TJanelaDiagrama::imprimirClick);
}

TDiagrama_Trajeto_Passo TJanelaDiagrama::diagrama() const
{
    return TDiagrama_Trajeto_Passo(estado_.historico, estado_.observacoes, mostrar_valvulas->isChecked());
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
    tela->update();
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
    // The picture is the one on screen, at the window's present size.
    const TDiagrama_Trajeto_Passo d = diagrama();
    const QSizeF tamanho = tela->size();
    const ResultadoExportacao r = exportar_desenho(caminho, tamanho, devicePixelRatioF(), [&](QPainter &p) {
        d.desenhar(p, QRectF(QPointF(0, 0), tamanho));
    });
    if (r == ResultadoExportacao::formato_desconhecido)
        ui_.mensagem(QStringLiteral("Formato desconhecido: use .png, .svg ou .pdf."));
    else if (r != ResultadoExportacao::ok)
        ui_.mensagem(QStringLiteral("Erro ao salvar arquivo!"));
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
        // The diagram as on screen, scaled to fill the printable area and centred.
        const TDiagrama_Trajeto_Passo d = diagrama();
        const QSizeF tamanho = tela->size();
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
