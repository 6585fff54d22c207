#include "desenho/exportacao.h"

#include "documento/gravacao_segura.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <new>

namespace zefira {

namespace {

QString extensao(const QString &caminho) { return QFileInfo(caminho).suffix().toLower(); }

// Paints with `f` on `dispositivo` and ends the painting, where SVG and PDF write their output:
// memory failing there leaves this function as std::bad_alloc instead of ending the program
// from a painter's destructor. That painter is then left unfreed, its state unknown.
bool pintar(QPaintDevice &dispositivo, const std::function<void(QPainter &)> &f)
{
    auto *p = new QPainter(&dispositivo);
    const bool ativo = p->isActive();
    if (ativo) {
        f(*p);
        p->end();
    }
    delete p;
    return ativo;
}

QByteArray em_png(QSizeF tamanho, double escala, const std::function<void(QPainter &)> &desenhar)
{
    const QSize pixels(int(std::ceil(tamanho.width() * escala)),
                       int(std::ceil(tamanho.height() * escala)));
    QImage figura(pixels, QImage::Format_RGB32);
    if (figura.isNull())
        return QByteArray(); // too large to hold in memory
    figura.fill(Qt::white);
    if (!pintar(figura, [&](QPainter &p) {
            p.scale(escala, escala);
            desenhar(p);
        }))
        return QByteArray();
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    figura.save(&buffer, "PNG");
    return dados;
}

QByteArray em_svg(QSizeF tamanho, double escala, const std::function<void(QPainter &)> &desenhar)
{
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // The view box keeps the drawing's own units; the size is what a viewer shows at 100 %.
    svg.setSize((tamanho * escala).toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), tamanho));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("ZEFIRA"));
    if (!pintar(svg, [&](QPainter &p) {
            p.fillRect(QRectF(QPointF(0, 0), tamanho), Qt::white);
            desenhar(p);
        }))
        return QByteArray();
    return dados;
}

QByteArray em_pdf(QSizeF tamanho, double escala, const std::function<void(QPainter &)> &desenhar)
{
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("ZEFIRA"));
    pdf.setResolution(96);
    // One logical pixel is 1/96 inch, so the page is the drawing's own size times the scale.
    pdf.setPageSize(QPageSize(tamanho * escala * 72.0 / 96.0, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    if (!pintar(pdf, [&](QPainter &p) {
            p.scale(escala, escala);
            desenhar(p);
        }))
        return QByteArray();
    return dados;
}

// Through the safe writer: a failed export leaves any previous file as it was.
bool gravar(const QString &caminho, const QByteArray &dados, QString *erro)
{
    return Gravar_Arquivo_Seguro(caminho, dados, erro);
}

} // namespace

bool formato_exportacao_valido(const QString &caminho)
{
    const QString e = extensao(caminho);
    return e == QLatin1String("png") || e == QLatin1String("svg") || e == QLatin1String("pdf");
}

QString tamanho_excessivo(QSizeF tamanho, double escala, bool pixels)
{
    const double w = std::ceil(tamanho.width() * escala), h = std::ceil(tamanho.height() * escala);
    if ((!pixels || w * h <= LIMITE_PIXELS) && w <= LIMITE_LADO && h <= LIMITE_LADO)
        return QString();
    return QStringLiteral("figura grande demais: %1 × %2 pixels (o limite é de %3100 000 pixels de lado; use "
                          "uma escala menor)")
        .arg(w, 0, 'f', 0)
        .arg(h, 0, 'f', 0)
        .arg(pixels ? QStringLiteral("100 milhões de pixels e ") : QString());
}

ResultadoExportacao exportar_desenho(const QString &caminho, QSizeF tamanho, double escala,
                                     const std::function<void(QPainter &)> &desenhar,
                                     QString *erro)
{
    const QString e = extensao(caminho);
    if (e != QLatin1String("png") && e != QLatin1String("svg") && e != QLatin1String("pdf"))
        return ResultadoExportacao::formato_desconhecido;
    if (!(escala > 0) || !std::isfinite(escala))
        return ResultadoExportacao::escala_invalida;
    const QString excesso = tamanho_excessivo(tamanho, escala, e == QLatin1String("png"));
    if (!excesso.isEmpty()) {
        if (erro)
            *erro = excesso;
        return ResultadoExportacao::grande_demais;
    }
    QByteArray dados;
    try {
        if (e == QLatin1String("png"))
            dados = em_png(tamanho, escala, desenhar);
        else if (e == QLatin1String("svg"))
            dados = em_svg(tamanho, escala, desenhar);
        else
            dados = em_pdf(tamanho, escala, desenhar);
    } catch (const std::bad_alloc &) {
        dados.clear();
    }
    if (dados.isEmpty()) {
        if (erro)
            *erro = QStringLiteral("memória insuficiente para a figura");
        return ResultadoExportacao::erro_gravacao;
    }
    return gravar(caminho, dados, erro) ? ResultadoExportacao::ok
                                         : ResultadoExportacao::erro_gravacao;
}

} // namespace zefira
