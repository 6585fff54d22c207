#include "documento/leitor_circuito.h"

#include "componentes/campo_arquivo.h"
#include "componentes/registro.h"
#include "documento/campos_linha.h"
#include "documento/nome_arquivo.h"

namespace zefira {

namespace {

const QString OBSERVACOES = QStringLiteral("Observações:");
const QString NUMERO_COMPONENTES = QStringLiteral("Número de Componentes:");

// The family whose type line this is; null for a line that names none.
const TFamilia *familia_da_linha(const QString &linha)
{
    const QByteArray utf8 = linha.toUtf8();
    for (const TFamilia *f : Familias())
        if (const TTipo_Arquivo *t = f->arquivo(); t && utf8 == t->linha)
            return f;
    return nullptr;
}

QString invalido(const char *motivo) { return QStringLiteral("Arquivo Inválido! ") + QString::fromUtf8(motivo); }

QString mensagem_campo(const TTipo_Arquivo &tipo, const TCampo_Arquivo &campo)
{
    static const char *const CONCORDANCIA[] = {"inválido", "inválida", "inválidos"};
    return QStringLiteral("Arquivo Inválido! %1 do componente \"%2\" %3.")
        .arg(QString::fromUtf8(campo.palavra), QString::fromUtf8(tipo.linha),
             QString::fromUtf8(CONCORDANCIA[int(campo.genero)]));
}

QString mensagem_faltam(const TTipo_Arquivo &tipo)
{
    return QStringLiteral("Arquivo Inválido! Faltam dados %1 componente \"%2\".")
        .arg(tipo.preposicao_em ? QStringLiteral("em") : QStringLiteral("no"), QString::fromUtf8(tipo.linha));
}

} // namespace

TResultadoLeitura TLeitor_Circuito::ler()
{
    QString marcador = procurar_marcador(true);
    if (marcador == OBSERVACOES) {
        int n = 0;
        if (!converter_inteiro(aparar(linhas_.proxima_ou_vazia()), n) || n < 0)
            return {StatusLeitura::Invalido, invalido("Observações inválidas.")};
        QString linha;
        for (int i = 0; i < n && linhas_.proxima(linha); ++i)
            estado_.observacoes.append(linha);
        marcador = procurar_marcador(false);
    }
    if (marcador != NUMERO_COMPONENTES)
        return {StatusLeitura::Invalido, invalido("Falta Número de Componentes.")};

    int quantidade = 0;
    if (!converter_inteiro(aparar(linhas_.proxima_ou_vazia()), quantidade))
        return {StatusLeitura::Invalido, invalido("Número de Componentes inválido.")};
    for (int i = 0; i < quantidade; ++i) {
        if (progresso && i % 500 == 0)
            progresso(i, quantidade);
        const QString erro = ler_componente();
        if (!erro.isEmpty())
            return {StatusLeitura::Invalido, erro};
    }
    // A count below the records that follow (or below zero) would open a fragment as if it were
    // the whole circuit, and a plain save would then drop the rest.
    const int restantes = componentes_restantes();
    if (restantes > 0)
        return {StatusLeitura::Invalido,
                restantes == 1 ? invalido("Número de Componentes inválido: 1 componente não foi lido.")
                               : invalido("Número de Componentes inválido: %1 componentes não foram lidos.")
                                     .arg(restantes)};
    return {};
}

int TLeitor_Circuito::componentes_restantes()
{
    // Each record starts with its type line, a line no other part of a record can equal.
    int n = 0;
    QString linha;
    while (linhas_.proxima(linha))
        if (familia_da_linha(aparar(linha)))
            ++n;
    return n;
}

QString TLeitor_Circuito::procurar_marcador(bool aceitar_observacoes)
{
    QString linha;
    while (linhas_.proxima(linha)) {
        const QString t = aparar(linha);
        if (t == NUMERO_COMPONENTES || (aceitar_observacoes && t == OBSERVACOES))
            return t;
    }
    return QString();
}

QString TLeitor_Circuito::ler_componente()
{
    QString linha;
    do {
        if (!linhas_.proxima(linha))
            return invalido("Arquivo Incompleto.");
        linha = aparar(linha);
    } while (linha.isEmpty());

    const TFamilia *familia = familia_da_linha(linha);
    if (!familia)
        return invalido("Tipo Inválido.");

    auto componente = std::make_shared<TComponente>(estado_.imagens, -1, -1, -1, -1, -1, -1, familia->tipo());
    const QString erro = ler_campos(*familia->arquivo(), *componente);
    if (!erro.isEmpty())
        return erro;
    familia->concluir_leitura(*componente);

    estado_.lista().adicionar_existente(componente, false, false);
    estado_.componente_atual = componente;
    estado_.modo = MODO_EDICAO;
    // Counted only once the record is in the list, so the count never includes a component
    // dropped by an error later on its line.
    if (componente->selecionado())
        ++estado_.numero_selecionados;
    return QString();
}

QString TLeitor_Circuito::ler_campos(const TTipo_Arquivo &tipo, TComponente &componente)
{
    TCampos_Linha campos(aparar(linhas_.proxima_ou_vazia()));
    TContexto_Leitura contexto{componente};
    for (const TCampo_Arquivo &campo : tipo.campos) {
        if (campo.tipo == TipoCampo::Memoria)
            continue;
        QString valor;
        const bool tem = campo.tipo == TipoCampo::Texto ? campos.proximo_texto(valor) : campos.proximo_simples(valor);
        if (!tem) {
            if (campo.opcional)
                break;
            return mensagem_faltam(tipo);
        }
        if (campo.tipo == TipoCampo::Texto) {
            campo.aplicar(contexto, 0, valor);
        } else if (campo.tipo == TipoCampo::Sinal) {
            if (valor != QLatin1String("1") && valor != QLatin1String("0"))
                return mensagem_campo(tipo, campo);
            campo.aplicar(contexto, valor == QLatin1String("1") ? 1 : 0, QString());
        } else if (campo.tipo == TipoCampo::Pontos) {
            int n = 0;
            if (!converter_inteiro(valor, n) || !ler_pontos(campo, componente, n))
                return mensagem_campo(tipo, campo);
        } else if (campo.tipo == TipoCampo::Inteiro || valor != QLatin1String("-1")) {
            // A connection of "-1" leaves its slot free.
            int numero = 0;
            if (!converter_inteiro(valor, numero) || numero < campo.minimo || numero > campo.maximo)
                return mensagem_campo(tipo, campo);
            campo.aplicar(contexto, numero, QString());
        }
    }
    return QString();
}

// The point lines follow the data line, one "x y" each. Points are appended as they are read,
// so a huge count in a short file costs nothing before it fails.
bool TLeitor_Circuito::ler_pontos(const TCampo_Arquivo &campo, TComponente &componente, int n)
{
    for (int i = 0; i < n; ++i) {
        QString linha;
        if (!linhas_.proxima(linha))
            return false;
        TCampos_Linha campos(aparar(linha));
        QString tx, ty;
        int px = 0, py = 0;
        if (!campos.proximo_simples(tx) || !campos.proximo_simples(ty) || !converter_inteiro(tx, px) ||
            !converter_inteiro(ty, py))
            return false;
        campo.acrescentar_ponto(componente, px, py);
    }
    return true;
}

TResultadoLeitura Abrir_Arquivo(TEstado &estado, const QString &nome,
                                const std::function<void(int, int)> &progresso)
{
    estado.modificado = false;
    const TResultadoLeitura erro_abrir{StatusLeitura::ErroAbrir, QStringLiteral("Erro ao abrir arquivo!")};
    QByteArray dados;
    if (!Ler_Arquivo_Comum(nome, dados))
        return erro_abrir;
    TLeitor_Circuito leitor(estado, std::move(dados));
    leitor.progresso = progresso;
    return leitor.ler();
}

} // namespace zefira
