// Salvar_Arquivo: the circuit writer.
#include "files/arquivo_circuito.h"

#include "files/cp1252.h"
#include "files/gravacao_segura.h"
#include "files/tipo_arquivo.h"

#include <QDateTime>
#include <QRegularExpression>

namespace zefira {

namespace {

// A text field ends at the first ")" and a line break would end the data line: such characters
// are replaced so that every file written reads back.
QString texto_seguro(QString texto)
{
    texto.replace(QLatin1Char(')'), QLatin1Char(']'));
    texto.replace(QLatin1Char('\r'), QLatin1Char(' '));
    texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texto;
}

class Saida {
public:
    void linha(const QString &texto = QString())
    {
        dados.append(para_cp1252(texto));
        dados.append("\r\n");
    }
    QByteArray dados;
};

QString linha_dados(const TTipo_Arquivo &tipo, const TComponente &c)
{
    QString linha;
    const qsizetype n = qsizetype(tipo.campos.size());
    for (qsizetype i = 0; i < n; ++i) {
        const TCampo_Arquivo &campo = tipo.campos[size_t(i)];
        const QString valor = campo.valor(c);
        if (campo.tipo == TipoCampo::Texto)
            linha += QLatin1Char('(') + texto_seguro(valor) + QLatin1Char(')');
        else
            linha += valor;
        if (i + 1 < n || tipo.branco_final)
            linha += QLatin1Char(' ');
    }
    return linha;
}

QByteArray conteudo(const TEstado &estado)
{
    Saida s;
    s.linha(QStringLiteral("Arquivo ZEFIRA - Simulador de Cargas Pneumáticas"));
    s.linha(QStringLiteral("Criação: ") + QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
    s.linha();

    // A note holding a line break is stored as several lines, so each file line stays one note
    // line and the count matches what the reader will take.
    QStringList notas;
    static const QRegularExpression QUEBRA(QStringLiteral("\r\n|\r|\n"));
    for (const QString &nota : estado.observacoes)
        notas += nota.split(QUEBRA);
    s.linha(QStringLiteral("Observações:"));
    s.linha(QString::number(notas.size()));
    for (const QString &nota : notas)
        s.linha(nota);
    s.linha();

    const TLista_Componente &lista = *estado.lista_componentes;
    int quantidade = 0;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (TTipo_Arquivo::por_tipo(lista[i].tipo))
            ++quantidade;
    s.linha(QStringLiteral("Número de Componentes:"));
    s.linha(QString::number(quantidade));
    s.linha();

    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        const TTipo_Arquivo *tipo = TTipo_Arquivo::por_tipo(c.tipo);
        if (!tipo)
            continue;
        s.linha(QString::fromUtf8(tipo->linha));
        s.linha(linha_dados(*tipo, c));
        if (c.fio)
            for (const TPonto &p : c.fio->pontos)
                s.linha(QString::number(p.x) + QLatin1Char(' ') + QString::number(p.y));
        s.linha();
    }
    return s.dados;
}

} // namespace

QByteArray Conteudo_Arquivo(const TEstado &estado) { return conteudo(estado); }

bool Salvar_Arquivo(TEstado &estado, const QString &nome, QString *motivo)
{
    if (!Gravar_Arquivo_Seguro(nome, conteudo(estado), motivo))
        return false;
    // Only a save that reached the disk makes the document unmodified.
    estado.modificado = false;
    return true;
}

} // namespace zefira
