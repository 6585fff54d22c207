// Salvar_Arquivo: the circuit writer.
#include "documento/arquivo_circuito.h"

#include "componentes/campo_arquivo.h"
#include "documento/cp1252.h"
#include "documento/gravacao_segura.h"

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

QString valor_campo(const TCampo_Arquivo &campo, const TComponente &c, bool instantaneo)
{
    if (campo.tipo == TipoCampo::Texto)
        return QLatin1Char('(')
               + texto_seguro(instantaneo && campo.texto_instantaneo ? campo.texto_instantaneo(c) : campo.texto(c))
               + QLatin1Char(')');
    return instantaneo && campo.selecao ? QStringLiteral("0") : QString::number(campo.numero(c));
}

// The optional fields are written together, when any of them holds something.
bool usa_opcionais(const TTipo_Arquivo &tipo, const TComponente &c)
{
    for (const TCampo_Arquivo &campo : tipo.campos)
        if (campo.opcional && (campo.tipo == TipoCampo::Texto ? !campo.texto(c).isEmpty() : campo.numero(c) != 0))
            return true;
    return false;
}

QString linha_dados(const TTipo_Arquivo &tipo, const TComponente &c, bool instantaneo)
{
    QStringList valores;
    const bool opcionais = usa_opcionais(tipo, c);
    for (const TCampo_Arquivo &campo : tipo.campos)
        if (campo.tipo != TipoCampo::Memoria && (opcionais || !campo.opcional))
            valores << valor_campo(campo, c, instantaneo);
    return valores.join(QLatin1Char(' ')) + (tipo.branco_final && !valores.isEmpty() ? QStringLiteral(" ") : QString());
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
        if (lista[i].familia().arquivo())
            ++quantidade;
    s.linha(QStringLiteral("Número de Componentes:"));
    s.linha(QString::number(quantidade));
    s.linha();

    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        const TTipo_Arquivo *tipo = c.familia().arquivo();
        if (!tipo)
            continue;
        s.linha(QString::fromUtf8(tipo->linha));
        s.linha(linha_dados(*tipo, c, instantaneo));
        for (const TCampo_Arquivo &campo : tipo->campos)
            if (campo.tipo == TipoCampo::Pontos)
                for (int p = 0; p < campo.numero(c); ++p) {
                    const TPonto ponto = campo.ponto(c, p);
                    s.linha(QString::number(ponto.x) + QLatin1Char(' ') + QString::number(ponto.y));
                }
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
