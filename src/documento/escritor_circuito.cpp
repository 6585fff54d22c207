// Salvar_Arquivo: the circuit writer.
#include "documento/arquivo_circuito.h"

#include "documento/cp1252.h"
#include "documento/gravacao_segura.h"
#include "documento/tipo_arquivo.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

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

QString linha_dados(const TTipo_Arquivo &tipo, const TComponente &c, bool instantaneo)
{
    QString linha;
    const qsizetype n = qsizetype(tipo.campos.size());
    for (qsizetype i = 0; i < n; ++i) {
        const TCampo_Arquivo &campo = tipo.campos[size_t(i)];
        const QString valor = !instantaneo            ? campo.valor(c)
                              : campo.selecao           ? QStringLiteral("0")
                              : campo.valor_instantaneo ? campo.valor_instantaneo(c)
                                                        : campo.valor(c);
        if (campo.tipo == TipoCampo::Texto)
            linha += QLatin1Char('(') + texto_seguro(valor) + QLatin1Char(')');
        else
            linha += valor;
        if (i + 1 < n || tipo.branco_final)
            linha += QLatin1Char(' ');
    }
    return linha;
}

// An undo snapshot has no date and no selection, so two equal circuits give equal bytes.
QByteArray conteudo(const TEstado &estado, bool instantaneo)
{
    Saida s;
    s.linha(QStringLiteral("Arquivo ZEFIRA - Simulador de Cargas Pneumáticas"));
    s.linha(QStringLiteral("Criação: ")
            + (instantaneo ? QString() : QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"))));
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
        s.linha(linha_dados(*tipo, c, instantaneo));
        if (c.fio)
            for (const TPonto &p : c.fio->pontos)
                s.linha(QString::number(p.x) + QLatin1Char(' ') + QString::number(p.y));
        s.linha();
    }
    return s.dados;
}

// Why a write failed, in the user's words, followed by the system's own text.
QString motivo_falha(const QString &nome, const QString &sistema)
{
    const QFileInfo info(nome);
    QString motivo;
    if (info.isDir())
        motivo = QStringLiteral("já existe uma pasta com esse nome");
    else if (!info.absoluteDir().exists())
        motivo = QStringLiteral("a pasta não existe");
    else if (sistema == QString::fromLocal8Bit(std::strerror(ENOSPC))
             || sistema == QString::fromLocal8Bit(std::strerror(EFBIG)))
        motivo = QStringLiteral("disco cheio ou sem espaço disponível");
    else if ((info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable())
        motivo = QStringLiteral("permissão negada");
    else
        motivo = QStringLiteral("falha de gravação");
    return sistema.isEmpty() ? motivo : motivo + QStringLiteral(" (") + sistema + QLatin1Char(')');
}

} // namespace

QByteArray Conteudo_Arquivo(const TEstado &estado) { return conteudo(estado, false); }

QByteArray Conteudo_Instantaneo(const TEstado &estado) { return conteudo(estado, true); }

bool Gravar_Bytes(const QString &nome, const QByteArray &dados, QString *motivo)
{
    QString sistema;
    if (Gravar_Arquivo_Seguro(nome, dados, &sistema))
        return true;
    if (motivo)
        *motivo = motivo_falha(nome, sistema);
    return false;
}

bool Salvar_Arquivo(TEstado &estado, const QString &nome, QString *motivo)
{
    if (!Gravar_Bytes(nome, conteudo(estado, false), motivo))
        return false;
    // Only a save that reached the disk makes the document unmodified; undoing back to this
    // point makes it unmodified again.
    estado.modificado = false;
    estado.historico_edicao.marcar_limpo();
    return true;
}

} // namespace zefira
