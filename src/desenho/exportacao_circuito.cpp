#include "desenho/exportacao_circuito.h"

#include "desenho/limites_desenho.h"

namespace zefira {

ResultadoExportacao Exportar_Circuito(TEstado &estado, const QString &caminho, double escala, QString *erro)
{
    if (!formato_exportacao_valido(caminho))
        return ResultadoExportacao::formato_desconhecido;
    const QRect area = Area_Exportacao(estado);
    return exportar_desenho(
        caminho, QSizeF(area.size()), escala, [&](QPainter &p) { Desenhar_Area(estado, p, area); }, erro);
}

void exportarClick(TEstado &estado, TInterfaceUsuario &ui)
{
    double escala = 1;
    const QString nome = ui.escolher_arquivo_exportar(estado.pasta_arquivos, escala);
    if (nome.isEmpty())
        return;
    if (Exportar_Circuito(estado, nome, escala) != ResultadoExportacao::ok)
        ui.mensagem(QStringLiteral("Erro ao salvar arquivo!"));
}

} // namespace zefira
