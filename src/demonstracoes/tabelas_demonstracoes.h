#pragma once
// The demonstration circuits as data: one table per demonstration, one row per component in
// construction order, in the same words the circuits are documented with.

#include "componentes/cilindro/cilindro.h"
#include "modelo/ponto.h"

#include <QString>
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

// One row, decoded. Side arrays are indexed [0] left, [1] right.
struct TEntradaDemo {
    int codigo = -1;
    int tipo = -1; // kind tag of the component record
    int numero_vias = -1, tipo_cilindro = -1, tipo_e_ou = -1;
    int esquerda = 0, topo = 0;
    // directional valve
    bool piloto[2] = {false, false};
    bool mola[2] = {false, false};
    int manual[2] = {0, 0};
    int mecanica[2] = {0, 0};
    QString nome; // valve descricao or cylinder nome
    QString rotulo;
    bool tomada_ar = false;
    int inicial = 2, atual = 2, desenhada = 2;
    // cylinder
    TRotulo rotulos[6];
    // air supply: docked on port `pino` of `valvula`
    int valvula = -1, pino = -1;
    // wire
    int origem = -1, pino_origem = -1, destino = -1, pino_destino = -1;
    std::vector<TPonto> pontos;
};

// Decodes a table; on a malformed row returns false with the row in `erro`.
bool Ler_Tabela_Demonstracao(const char *linhas, std::vector<TEntradaDemo> &entradas, QString *erro = nullptr);

} // namespace zefira
