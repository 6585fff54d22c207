#pragma once
// Direcao_Porta: the side from which a wire leaves or enters a component's port.

namespace zefira {

class TComponente;

// Directions: 1 down, 2 up, 3 left, 4 right.
enum DirecaoPorta : int { DIRECAO_BAIXO = 1, DIRECAO_CIMA = 2, DIRECAO_ESQUERDA = 3, DIRECAO_DIREITA = 4 };

// Direction of port `porta` of `c`; 0 for a port the component's kind does not have
// (wires included). Callers that need a fallback pick their own.
int Direcao_Porta(const TComponente &c, int porta);

} // namespace zefira
