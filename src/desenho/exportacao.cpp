#include "desenho/exportacao.h"

#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QSaveFile>

namespace zefira {

ResultadoExportacao exportar_desenho(const QString &caminho, QSizeF tamanho, double escala,
                                     const std::function<void(QPainter &)> &desenhar, QString *erro)
{
    const QString extensao = QFileInfo(caminho).suffix().toLower();
    if (extensao == QLatin1String("png")) {
        QImage imagem((tamanho * escala).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            p.scale(escala, escala);
            desenhar(p);
        }
        QSaveFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly) || !imagem.save(&arquivo, "png") || !arquivo.commit()) {
            if (erro)
                *erro = arquivo.errorString();
            return ResultadoExportacao::erro_gravacao;
        }
        return ResultadoExportacao::ok;
    }
    if (extensao == QLatin1String("pdf")) {
        QPdfWriter pdf(caminho);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(tamanho, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter p;
        if (!p.begin(&pdf)) {
            if (erro)
                *erro = QStringLiteral("não foi possível gravar ") + caminho;
            return ResultadoExportacao::erro_gravacao;
        }
        desenhar(p);
        p.end();
        return ResultadoExportacao::ok;
    }
    return ResultadoExportacao::formato_desconhecido;
}

} // namespace zefira
