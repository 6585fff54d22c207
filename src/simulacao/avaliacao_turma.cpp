#include "simulacao/avaliacao_turma.h"

#include "simulacao/registro_movimentos.h"
#include "simulacao/simulacao_arquivo.h"

#include <QDir>
#include <algorithm>

namespace zefira {

namespace {

// Steps of stillness that end a cycle, and that tell a run cut short from one that stopped.
constexpr int PASSOS_PARADO = 10;

struct TPasso_Observado {
    int passo = 0;         // simulation step
    QStringList movimentos; // as named in the circuit, in list order
};

std::vector<TPasso_Observado> passos_observados(const THistorico_Passos &h)
{
    std::vector<TPasso_Observado> passos;
    for (int k = 1; k < h.numero_passos(); ++k) {
        const QStringList m = Movimentos_Passo(h, k);
        if (!m.isEmpty())
            passos.push_back({k, m});
    }
    return passos;
}

QStringList normalizados(const QStringList &movimentos)
{
    QStringList n;
    for (const QString &m : movimentos)
        n << m.simplified().remove(QLatin1Char(' ')).toUpper();
    n.sort();
    return n;
}

QStringList esperados(const TPasso_Sequencia &p)
{
    QStringList n;
    for (const TMovimento &m : p)
        n << m.texto();
    n.sort();
    return n;
}

QString texto_passos(const std::vector<TPasso_Observado> &passos, size_t quantos)
{
    QStringList partes;
    for (size_t i = 0; i < std::min(quantos, passos.size()); ++i) {
        const QString junto = passos[i].movimentos.join(QLatin1Char(' '));
        partes << (passos[i].movimentos.size() > 1 ? QLatin1Char('(') + junto + QLatin1Char(')') : junto);
    }
    return partes.join(QLatin1Char(' '));
}

QString vezes(int n)
{
    return n == 1 ? QStringLiteral("1 vez") : QStringLiteral("%1 vezes").arg(n);
}

// Grades the record of a run: the situation and, for a failure, why; `mostrar` is how many
// observed steps tell the story.
TResultado_Avaliacao::Situacao comparar(const THistorico_Passos &h, const TCriterio_Avaliacao &criterio,
                                        const std::vector<TPasso_Observado> &obs, size_t &mostrar, QString &mensagem)
{
    const auto &esperada = criterio.sequencia.passos();
    const size_t m = esperada.size();
    const size_t minimo = m * size_t(std::max(criterio.ciclos, 1));
    mostrar = std::min(obs.size(), minimo);
    for (size_t i = 0; i < obs.size(); ++i) {
        if (normalizados(obs[i].movimentos) == esperados(esperada[i % m]))
            continue;
        mostrar = std::max(mostrar, i + 1);
        mensagem = QStringLiteral("movimento %1 da sequência: esperado %2, obtido %3")
                       .arg(i + 1)
                       .arg(texto_passos({{0, esperados(esperada[i % m])}}, 1), texto_passos({obs[i]}, 1));
        return TResultado_Avaliacao::reprovado;
    }
    const int completos = int(obs.size() / m);
    const bool sobra = obs.size() % m != 0;
    const int ultimo_passo = h.numero_passos() - 1;
    const int parado = obs.empty() ? ultimo_passo : ultimo_passo - obs.back().passo;
    if (criterio.ciclos == 0) {
        // A continuous cycle is cut by the end of the run anywhere; a run that stopped must
        // stop at the end of a cycle.
        if (completos >= 1 && (!sobra || parado < PASSOS_PARADO))
            return TResultado_Avaliacao::aprovado;
        mensagem = completos == 0 ? QStringLiteral("a sequência ficou incompleta")
                                  : QStringLiteral("parou no meio de uma repetição da sequência");
        mostrar = obs.size();
        return TResultado_Avaliacao::reprovado;
    }
    if (completos < criterio.ciclos || (completos == criterio.ciclos && sobra && parado >= PASSOS_PARADO)) {
        mensagem = completos == 0 ? QStringLiteral("a sequência ficou incompleta")
                                  : QStringLiteral("a sequência aconteceu %1; esperado: %2")
                                        .arg(vezes(completos), vezes(criterio.ciclos));
        mostrar = obs.size();
        return TResultado_Avaliacao::reprovado;
    }
    if (completos > criterio.ciclos || sobra) {
        mensagem = QStringLiteral("continuou se movendo depois de %1").arg(vezes(criterio.ciclos));
        mostrar = minimo + 1;
        return TResultado_Avaliacao::reprovado;
    }
    if (parado < PASSOS_PARADO) {
        mensagem = QStringLiteral("a simulação acabou antes de %1 passos parados depois da sequência")
                       .arg(PASSOS_PARADO);
        return TResultado_Avaliacao::reprovado;
    }
    return TResultado_Avaliacao::aprovado;
}

QString campo_csv(const QString &campo)
{
    if (!campo.contains(QLatin1Char(';')) && !campo.contains(QLatin1Char('"')) && !campo.contains(QLatin1Char('\n'))
        && campo.trimmed() == campo)
        return campo;
    QString aspas = campo;
    aspas.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + aspas + QLatin1Char('"');
}

} // namespace

int Passos_Avaliacao(const TCriterio_Avaliacao &criterio)
{
    constexpr int PASSOS_PADRAO = 60;
    // A movement takes a few steps (a memory switching, the cylinder, its limit valve); six is
    // more than any method the program draws needs.
    const int movimentos = int(criterio.sequencia.movimentos().size());
    return std::max(PASSOS_PADRAO, criterio.ciclos * 6 * movimentos + 2 * PASSOS_PARADO);
}

TRoteiro_Simulacao Roteiro_Partida(const QString &partida, int passos)
{
    TRoteiro_Simulacao roteiro(passos);
    TEvento_Simulacao clique;
    clique.passo = 1;
    clique.nome = partida.trimmed();
    roteiro.eventos.push_back(clique);
    TEvento_Simulacao soltar;
    soltar.passo = 2;
    soltar.soltar = true;
    roteiro.eventos.push_back(soltar);
    return roteiro;
}

QStringList Arquivos_Turma(const QString &pasta)
{
    QDir dir(pasta);
    QStringList arquivos;
    for (const QString &nome : dir.entryList({QStringLiteral("*.zfr"), QStringLiteral("*.ZFR")}, QDir::Files,
                                             QDir::Name))
        arquivos << dir.filePath(nome);
    arquivos.removeDuplicates();
    return arquivos;
}

TResultado_Avaliacao Avaliar_Arquivo(const QString &arquivo, const TRoteiro_Simulacao &roteiro,
                                     const TCriterio_Avaliacao &criterio)
{
    TResultado_Avaliacao r;
    r.arquivo = arquivo;
    r.esperado = criterio.sequencia.texto();
    TEstado estado;
    TRoteiro_Simulacao deste = roteiro; // names resolve per circuit
    if (Simular_Arquivo(estado, arquivo, deste, r.mensagem) != TResultado_Simulacao::ok) {
        r.situacao = TResultado_Avaliacao::erro;
        return r;
    }
    const std::vector<TPasso_Observado> obs = passos_observados(estado.historico);
    size_t mostrar = 0;
    r.situacao = comparar(estado.historico, criterio, obs, mostrar, r.mensagem);
    r.obtido = texto_passos(obs, mostrar);
    return r;
}

QString Linha_Resultado(const TResultado_Avaliacao &r)
{
    switch (r.situacao) {
    case TResultado_Avaliacao::aprovado: return r.arquivo + QStringLiteral(": aprovado");
    case TResultado_Avaliacao::reprovado:
        return QStringLiteral("%1: reprovado (esperado: %2; obtido: %3)").arg(r.arquivo, r.esperado, r.obtido);
    case TResultado_Avaliacao::erro: break;
    }
    return QStringLiteral("%1: erro (%2)").arg(r.arquivo, r.mensagem);
}

QString Nome_Situacao(TResultado_Avaliacao::Situacao s)
{
    switch (s) {
    case TResultado_Avaliacao::aprovado: return QStringLiteral("aprovado");
    case TResultado_Avaliacao::reprovado: return QStringLiteral("reprovado");
    case TResultado_Avaliacao::erro: break;
    }
    return QStringLiteral("erro");
}

QString Cabecalho_Csv()
{
    return QStringLiteral("arquivo;resultado;esperado;obtido;mensagem");
}

QString Linha_Csv(const TResultado_Avaliacao &r)
{
    return QStringList{campo_csv(r.arquivo), Nome_Situacao(r.situacao), campo_csv(r.esperado), campo_csv(r.obtido),
                       campo_csv(r.mensagem)}
        .join(QLatin1Char(';'));
}

} // namespace zefira
