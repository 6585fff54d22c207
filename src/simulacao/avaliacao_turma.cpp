#include "simulacao/avaliacao_turma.h"

namespace zefira {

int Passos_Avaliacao(const TCriterio_Avaliacao &) { return 60; }

TResultado_Avaliacao Avaliar_Arquivo(const QString &arquivo, const TRoteiro_Simulacao &, const TCriterio_Avaliacao &)
{
    TResultado_Avaliacao r;
    r.arquivo = arquivo;
    return r;
}

TRoteiro_Simulacao Roteiro_Partida(const QString &, int passos) { return TRoteiro_Simulacao(passos); }
QStringList Arquivos_Turma(const QString &) { return {}; }

QString Linha_Resultado(const TResultado_Avaliacao &) { return QString(); }
QString Cabecalho_Csv() { return QString(); }
QString Linha_Csv(const TResultado_Avaliacao &) { return QString(); }
QString Nome_Situacao(TResultado_Avaliacao::Situacao) { return QString(); }

} // namespace zefira
