#include "desenho/exportacao_circuito.h"

#include "desenho/limites_desenho.h"

#include <QDir>
#include <QFileInfo>

namespace zefira {

ResultadoExportacao Exportar_Circuito(TEstado &estado, const QString &caminho, double escala, QString *erro)
{
    if (!formato_exportacao_valido(caminho))
        return ResultadoExportacao::formato_desconhecido;
    if (!(escala >= ESCALA_MINIMA && escala <= ESCALA_MAXIMA))
        return ResultadoExportacao::escala_invalida;
    TExtensao extensao;
    if (!Extensao_Exportacao(estado, extensao, erro))
        return ResultadoExportacao::erro_gravacao;
    const QSizeF tamanho(double(extensao.largura()), double(extensao.altura()));
    const QString excesso =
        tamanho_excessivo(tamanho, escala, QFileInfo(caminho).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0);
    if (!excesso.isEmpty()) {
        if (erro)
            *erro = excesso;
        return ResultadoExportacao::grande_demais;
    }
    const QRect area = extensao.retangulo();
    return exportar_desenho(
        caminho, tamanho, escala, [&](QPainter &p) { Desenhar_Area(estado, p, area); }, erro);
}

void exportarClick(TEstado &estado, TInterfaceUsuario &ui)
{
    double escala = 1;
    const QString nome = ui.escolher_arquivo_exportar(estado.pasta_arquivos, escala);
    if (nome.isEmpty())
        return;
    QString motivo;
    const ResultadoExportacao r = Exportar_Circuito(estado, nome, escala, &motivo);
    if (r == ResultadoExportacao::ok)
        return;
    QString texto = QStringLiteral("Erro ao salvar arquivo!");
    if (r == ResultadoExportacao::grande_demais)
        texto = QStringLiteral("Não foi possível exportar: a figura é grande demais.");
    ui.aviso(texto, QStringLiteral("Arquivo: %1\nMotivo: %2").arg(QDir::toNativeSeparators(nome), motivo));
}

} // namespace zefira
