// docs/formato-zfr.md against the field lists the reader and the writer walk: every type line
// has its table, whose numbered rows give each stored field in order with its kind.
#include "componentes/campo_arquivo.h"
#include "componentes/registro.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zefira {
namespace {

TEST(FormatoZfr, TodoTipoECampoDocumentado)
{
    QFile f(QStringLiteral(ZEFIRA_FONTES "/../docs/formato-zfr.md"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString doc = QString::fromUtf8(f.readAll());
    static const char *const ESPECIE[] = {"inteiro", "conexão", "sinal", "texto", "pontos"}; // by TipoCampo
    // "| 21–27 | ... | conexão | ..." : the first and last field of the row, and the kind.
    static const QRegularExpression LINHA(QStringLiteral(R"(^\| (\d+)(?:–(\d+))? \| [^|]+ \| ([^|]+) \|)"),
                                          QRegularExpression::MultilineOption);
    for (const TFamilia *familia : Familias()) {
        const TTipo_Arquivo *tipo = familia->arquivo();
        if (!tipo)
            continue;
        const QString titulo = QStringLiteral("### `%1`\n").arg(QString::fromUtf8(tipo->linha));
        const qsizetype inicio = doc.indexOf(titulo);
        ASSERT_GE(inicio, 0) << tipo->linha;
        const qsizetype fim = doc.indexOf(QStringLiteral("\n#"), inicio + titulo.size());
        const QString secao = doc.mid(inicio, fim < 0 ? -1 : fim - inicio);
        QStringList especies;
        for (auto it = LINHA.globalMatch(secao); it.hasNext();) {
            const auto m = it.next();
            const int primeiro = m.captured(1).toInt(), ultimo = m.captured(2).isEmpty() ? primeiro : m.captured(2).toInt();
            EXPECT_EQ(primeiro, especies.size() + 1) << tipo->linha;
            for (int k = primeiro; k <= ultimo; ++k)
                especies << m.captured(3).trimmed();
        }
        QStringList esperadas;
        for (const TCampo_Arquivo &campo : tipo->campos)
            if (campo.tipo != TipoCampo::Memoria)
                esperadas << QString::fromUtf8(ESPECIE[int(campo.tipo)]) + (campo.opcional ? QStringLiteral(", opcional") : QString());
        EXPECT_EQ(especies.join(QLatin1Char('/')).toStdString(), esperadas.join(QLatin1Char('/')).toStdString()) << tipo->linha;
    }
}

} // namespace
} // namespace zefira
