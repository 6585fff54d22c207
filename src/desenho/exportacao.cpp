#include "desenho/exportacao.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace zefira {

namespace {

QString extensao(const QString &caminho) { return QFileInfo(caminho).suffix().toLower(); }

QByteArray em_png(QSizeF tamanho, double escala, const std::function<void(QPainter &)> &desenhar)
{
    const QSize pixels(int(std::ceil(tamanho.width() * escala)),
                       int(std::ceil(tamanho.height() * escala)));
    QImage figura(pixels, QImage::Format_RGB32);
    figura.fill(Qt::white);
    {
        QPainter p(&figura);
        p.scale(escala, escala);
        desenhar(p);
    }
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    figura.save(&buffer, "PNG");
    return dados;
}

QByteArray em_svg(QSizeF tamanho, const std::function<void(QPainter &)> &desenhar)
{
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(tamanho.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), tamanho));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("ZEFIRA"));
    {
        QPainter p(&svg);
        p.fillRect(QRectF(QPointF(0, 0), tamanho), Qt::white);
        desenhar(p);
    }
    return dados;
}

QByteArray em_pdf(QSizeF tamanho, const std::function<void(QPainter &)> &desenhar)
{
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("ZEFIRA"));
    pdf.setResolution(96);
    // One logical pixel is 1/96 inch, so the page is the drawing's own size.
    pdf.setPageSize(QPageSize(tamanho * 72.0 / 96.0, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    {
        QPainter p(&pdf);
        desenhar(p);
    }
    return dados;
}

bool gravar(const QString &caminho, const QByteArray &dados, QString *erro)
{
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(dados) != dados.size()
        || !arquivo.commit()) {
        if (erro)
            *erro = arquivo.errorString();
        return false;
    }
    return true;
}

} // namespace

bool formato_exportacao_valido(const QString &caminho)
{
    const QString e = extensao(caminho);
    return e == QLatin1String("png") || e == QLatin1String("svg") || e == QLatin1String("pdf");
}

ResultadoExportacao exportar_desenho(const QString &caminho, QSizeF tamanho, double escala,
                                     const std::function<void(QPainter &)> &desenhar,
                                     QString *erro)
{
    const QString e = extensao(caminho);
    QByteArray dados;
    if (e == QLatin1String("png"))
        dados = em_png(tamanho, escala, desenhar);
    else if (e == QLatin1String("svg"))
        dados = em_svg(tamanho, desenhar);
    else if (e == QLatin1String("pdf"))
        dados = em_pdf(tamanho, desenhar);
    else
        return ResultadoExportacao::formato_desconhecido;
    return gravar(caminho, dados, erro) ? ResultadoExportacao::ok
                                         : ResultadoExportacao::erro_gravacao;
}

} // namespace zefira
