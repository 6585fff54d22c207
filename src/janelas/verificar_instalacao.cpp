#include "janelas/verificar_instalacao.h"

#include "desenho/arquivo_cursor.h"
#include "documento/documentos_ajuda.h"
#include "documento/pasta_dados.h"
#include "modelo/estado.h"
#include "janelas/arquivoatual.h"
#include "janelas/principal.h"
#include "janelas/sobre.h"

#include <QFileInfo>
#include <QLabel>

namespace zefira {

namespace {

QString pasta_de(const QString &arquivo) { return QFileInfo(arquivo).absolutePath(); }

QString contagem(const char *titulo, int achados, int total, const QString &pasta)
{
    return QStringLiteral("%1: %2 de %3 em %4").arg(QString::fromUtf8(titulo)).arg(achados).arg(total).arg(pasta);
}

} // namespace

bool Verificar_Instalacao(const TForm1 &form, const TEstado &estado, QStringList &linhas)
{
    const QString &programa = estado.pasta_programa;
    linhas << QStringLiteral("Pasta do programa: ") + QFileInfo(programa).absolutePath();

    QStringList faltando;
    int ajuda = 0;
    for (const TDocumentoAjuda &d : Documentos_Ajuda()) {
        const QString caminho = Caminho_Ajuda(programa, QString::fromLatin1(d.item));
        if (QFileInfo(caminho).isFile())
            ++ajuda;
        else
            faltando << caminho;
    }
    const int total_ajuda = int(Documentos_Ajuda().size());
    linhas << contagem("Documentos de ajuda", ajuda, total_ajuda,
                       pasta_de(Caminho_Ajuda(programa, QString::fromLatin1(Documentos_Ajuda()[0].item))));

    // The cursors the work area actually read, not merely the files that exist.
    const int cursores = form.FormArquivo->cursores_lidos();
    for (int i = 1; i <= Numero_Pecas(); ++i) {
        const QString caminho = Caminho_Dados(programa, Arquivo_Cursor(i));
        if (!QFileInfo(caminho).isFile())
            faltando << caminho;
    }
    linhas << contagem("Cursores de posicionamento", cursores, Numero_Pecas(),
                       pasta_de(Caminho_Dados(programa, Arquivo_Cursor(1))));

    const QLabel *figura = form.Formsobre->findChild<QLabel *>(QStringLiteral("Image1"));
    const bool sobre = figura && !figura->pixmap().isNull();
    const QString caminho_sobre = QFileInfo(Caminho_Dados(programa, QStringLiteral("sobre.jpg"))).absoluteFilePath();
    linhas << QStringLiteral("Figura do Sobre: ") + caminho_sobre + (sobre ? QString() : QStringLiteral(" (não encontrada)"));

    linhas << QStringLiteral("Pasta dos circuitos: ") + estado.pasta_arquivos;
    for (const QString &f : faltando)
        linhas << QStringLiteral("Não encontrado: ") + QFileInfo(f).absoluteFilePath();
    return ajuda == total_ajuda && cursores == Numero_Pecas() && sobre;
}

} // namespace zefira
