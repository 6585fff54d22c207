#pragma once
// The sequence assistant: from a sequence, a method and the kind of command to a circuit that
// performs the sequence once per start, opened as a new unnamed document.

#include "assistente/metodo_sequencia.h"
#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

#include <QString>

namespace zefira {

struct TPedido_Sequencia {
    QString sequencia; // as typed, "A+ B+ B- A-"
    TMetodo metodo = TMetodo::cascata;
    bool eletrico = false;
};

// Checks the request: the sequence's grammar, and the overlap the intuitive method cannot
// take ("sobreposição de sinais entre B+ (a1) e B- (b1) : use cascata ou passo-a-passo").
// Empty when the circuit can be generated.
QString Validar_Pedido(const TPedido_Sequencia &pedido, TSequencia_Movimentos *sequencia = nullptr);

// Replaces the state's circuit by the generated one, as a new unnamed document whose notes
// say "Sequência: SEQ" and the method. False with the message when the request is not valid.
bool Montar_Circuito_Sequencia(TEstado &estado, const TPedido_Sequencia &pedido, QString &erro);

// Arquivo › "Assistente de sequência...", after the dialog: the new command first (which may
// ask to save and be cancelled), then the circuit. False when cancelled or refused (the
// message then shown through `ui`).
bool Abrir_Circuito_Sequencia(TEstado &estado, TInterfaceUsuario &ui, const TPedido_Sequencia &pedido);

} // namespace zefira
