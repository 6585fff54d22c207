// Placeholder bodies until the circuit reader and writer land.
#include "files/arquivo_circuito.h"

namespace zefira {

TResultadoLeitura Abrir_Arquivo(TEstado &, const QString &) { return {StatusLeitura::ErroAbrir, QStringLiteral("Erro ao abrir arquivo!")}; }
bool Salvar_Arquivo(TEstado &, const QString &) { return false; }

} // namespace zefira
