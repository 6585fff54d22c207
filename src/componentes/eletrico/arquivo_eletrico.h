#pragma once
// The file fields the electrical parts share, in the order each family lists them.

#include "componentes/campo_arquivo.h"

namespace zefira {

TCampo_Arquivo Campo_Tag();
// The kind within the family, 0..maximo.
TCampo_Arquivo Campo_Modo(int maximo);
TCampo_Arquivo Campo_NF();
TCampo_Arquivo Campo_Rotulo();
TCampo_Arquivo Campo_Tempo();
TCampo_Arquivo Campo_Preset();
// The connection of port `porta`.
TCampo_Arquivo Campo_Conexao_Eletrica(int porta);

} // namespace zefira
