#pragma once
// TComponente: the one record every circuit element is made of. A kind tag, the code other
// components refer to it by, its box, up to seven ports and exactly one kind object.

#include "modelo/cilindro.h"
#include "modelo/constantes.h"
#include "modelo/fio.h"
#include "modelo/jump.h"
#include "modelo/ponto.h"
#include "modelo/tomada_de_ar.h"
#include "modelo/valvula_direcional.h"
#include "modelo/valvula_e_ou_esc_reg.h"

#include <QString>
#include <memory>

namespace zefira {

class TImagens;

class TComponente {
public:
    // criar: the record, its seven ports off the drawing and the kind object with its default
    // name. baixo and direita stay 0 until atualizar_geometria runs.
    TComponente(const TImagens &imagens, int codigo, int tipo_e_ou, int tipo_cilindro, int numero_vias,
                int topo, int esquerda, int tipo);

    int codigo;
    int topo;
    int baixo = 0;
    int esquerda;
    int direita = 0;
    int tipo;
    int ponto_ativo = -1; // free port marked under the pointer
    QString nome;

    std::unique_ptr<TFio> fio;
    std::unique_ptr<TValvula_Direcional> valvula_direcional;
    std::unique_ptr<TTomada_Ar> tomada_ar;
    std::unique_ptr<TCilindro> cilindro;
    std::unique_ptr<TValvula_E_OU_ESC_REG> valvula_e_ou_esc_reg;
    std::unique_ptr<TJump> jump;

    // Wires contain no point; other kinds contain their box, edges included.
    bool contem(int x, int y) const;
    void definir_ponto(int i, int x, int y);
    // For a wire, point i (0-based) of its polyline; otherwise port i (1..7), and (-1, -1)
    // for any other i.
    TPonto ponto(int i) const;
    void atualizar_geometria();

    // The kind's selection, dispatched on tipo.
    bool selecionado() const;
    void selecionar();
    void desselecionar();

    // The kind's connection slot of a port, dispatched on tipo: valve 1..7, air supply 1,
    // cylinder 1..2, AND/OR/exhaust/regulator 1..3, jump 1..4; -1 for any other port and for
    // wires. ligar/desligar ignore ports the kind does not have.
    int conexao(int porta) const;
    void ligar(int porta, int codigo);
    void desligar(int porta);
    // Number of ports a kind has (7 for valves, 0 for wires).
    int numero_portas() const;

    const TImagens &imagens() const { return *imagens_; }

private:
    void geometria_valvula();
    void geometria_cilindro();
    void geometria_e_ou();
    void geometria_caixa(const QImage &figura);

    const TImagens *imagens_;
    TPonto pontos_[NUMERO_PORTAS + 1]; // index 0 unused
};

} // namespace zefira
