#pragma once
// Grading a class: every student's circuit run with the same clicks and compared with the
// expected sequence, one result per file, for "avaliar" and Arquivo › "Avaliar turma...".

#include "simulacao/roteiro_simulacao.h"
#include "simulacao/sequencia_movimentos.h"

#include <QString>
#include <QStringList>

namespace zefira {

struct TCriterio_Avaliacao {
    TSequencia_Movimentos sequencia;
    // 0: the movements are the sequence, possibly repeated whole (a continuous cycle cut by
    // the end of the run); N: the sequence exactly N times, then nothing moves for 10 steps.
    int ciclos = 0;
};

struct TResultado_Avaliacao {
    enum Situacao { aprovado, reprovado, erro };
    QString arquivo;
    Situacao situacao = erro;
    QString esperado; // the sequence as written back, "A+ (B+ C+) A-"
    QString obtido;   // the movements seen, steps with several in parentheses
    QString mensagem; // why it failed, or the error reading or running it
};

// Steps the run takes when --passos is not given: enough for the cycles asked and the quiet
// steps after them.
int Passos_Avaliacao(const TCriterio_Avaliacao &criterio);

// The clicks a class is graded with: the start valve or button named `partida` pressed at step 1
// and released at step 2, for `passos` steps.
TRoteiro_Simulacao Roteiro_Partida(const QString &partida, int passos);
// The circuits of a class: the .zfr files of `pasta` (not its subfolders), sorted by name.
QStringList Arquivos_Turma(const QString &pasta);

// Runs one circuit with the clicks of `roteiro` (names resolved anew for each circuit) and
// grades it.
TResultado_Avaliacao Avaliar_Arquivo(const QString &arquivo, const TRoteiro_Simulacao &roteiro,
                                     const TCriterio_Avaliacao &criterio);

// "ARQUIVO: aprovado", "ARQUIVO: reprovado (esperado: ...; obtido: ...)", "ARQUIVO: erro (...)".
QString Linha_Resultado(const TResultado_Avaliacao &r);
// The CSV header and one row per result, fields separated by ";" (the separator spreadsheets
// take where the decimal comma is used) and quoted when they hold one.
QString Cabecalho_Csv();
QString Linha_Csv(const TResultado_Avaliacao &r);
// "aprovado", "reprovado", "erro".
QString Nome_Situacao(TResultado_Avaliacao::Situacao s);

} // namespace zefira
