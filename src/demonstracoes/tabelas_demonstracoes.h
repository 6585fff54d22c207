#pragma once
// The demonstration circuits as data: one table per demonstration, one row per component in
// construction order, in the same words the circuits are documented with.

#include "modelo/componente.h"

#include <QString>
#include <memory>
#include <vector>

namespace zefira {

struct TTabelaDemonstracao {
    const char *nome;    // menu item name, e.g. "comandobasico1"
    const char *legenda; // menu caption
    const char *titulo;  // document name while the demonstration is shown
    const char *linhas;  // rows "| code | kind | left, top | settings |"
};

const std::vector<TTabelaDemonstracao> &Tabelas_Basicas();
const std::vector<TTabelaDemonstracao> &Tabelas_Sequenciais();
const std::vector<TTabelaDemonstracao> &Tabelas_Eletricas();

// Builds one record per row, in table order, each set up by the family its kind's word names;
// nothing is linked yet (see TFamilia::ligar_demonstracao). On a malformed row returns false with
// the row in `erro`.
bool Ler_Tabela_Demonstracao(const char *linhas, const TImagens &imagens,
                             std::vector<std::shared_ptr<TComponente>> &componentes, QString *erro = nullptr);

} // namespace zefira
