#pragma once
// TLeitor_Circuito: reads a circuit file's bytes into the document, validating every field and
// stopping at the first error while keeping what was read before it.

#include "documento/arquivo_circuito.h"
#include "documento/linhas_arquivo.h"

#include <functional>

namespace zefira {

struct TTipo_Arquivo;
struct TCampo_Arquivo;

class TLeitor_Circuito {
public:
    TLeitor_Circuito(TEstado &estado, QByteArray dados) : estado_(estado), linhas_(std::move(dados)) {}
    // Called every few hundred components with (components read, components announced).
    std::function<void(int, int)> progresso;

    TResultadoLeitura ler();

private:
    // Skips lines until one whose trimmed text is one of the two markers; empty at the end.
    QString procurar_marcador(bool aceitar_observacoes);
    // Reads one component; an empty result means it was appended.
    QString ler_componente();
    // Component records (type lines) in the rest of the file.
    int componentes_restantes();
    QString ler_campos(const TTipo_Arquivo &tipo, TComponente &componente);
    bool ler_pontos(const TCampo_Arquivo &campo, TComponente &componente, int n);

    TEstado &estado_;
    TLinhas_Arquivo linhas_;
};

} // namespace zefira
