#pragma once
// The run shared by "sequencia", "diagrama", "avaliar" and the class grading window: open a
// circuit, resolve the clicks, start as the window does and run the steps, leaving the record
// of every step in the state.

#include "modelo/estado.h"
#include "simulacao/roteiro_simulacao.h"

#include <QString>

namespace zefira {

enum class TResultado_Simulacao { ok, erro_leitura, invalido, clique_invalido };

// On failure `mensagem` says why: the reader's message, or the click that names no valve.
TResultado_Simulacao Simular_Arquivo(TEstado &estado, const QString &arquivo, TRoteiro_Simulacao &roteiro,
                                     QString &mensagem);

} // namespace zefira
