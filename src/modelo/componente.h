#pragma once
// TComponente: the one record every circuit element is made of. A kind tag and its family
// (componentes/registro.h), the code other components refer to it by, its box, up to seven ports
// and exactly one kind object.

#include "componentes/cilindro/cilindro.h"
#include "componentes/eletrico/eletrico.h"
#include "componentes/familia.h"
#include "componentes/fio/fio.h"
#include "componentes/jump/jump.h"
#include "componentes/registro.h"
#include "componentes/tomada_ar/tomada_de_ar.h"
#include "componentes/valvula_direcional/valvula_direcional.h"
#include "componentes/valvula_e_ou/valvula_e_ou_esc_reg.h"
#include "modelo/constantes.h"
#include "modelo/ponto.h"

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
    int tipo; // fixed at creation: the family follows it
    int ponto_ativo = -1; // free port marked under the pointer
    QString nome;

    std::unique_ptr<TFio> fio;
    std::unique_ptr<TValvula_Direcional> valvula_direcional;
    std::unique_ptr<TTomada_Ar> tomada_ar;
    std::unique_ptr<TCilindro> cilindro;
    std::unique_ptr<TValvula_E_OU_ESC_REG> valvula_e_ou_esc_reg;
    std::unique_ptr<TJump> jump;
    std::unique_ptr<TEletrico> eletrico;

    // Wires contain no point; other kinds contain their box, edges included.
    bool contem(int x, int y) const;
    void definir_ponto(int i, int x, int y);
    // For a wire, point i (0-based) of its polyline; otherwise port i (1..7), and (-1, -1)
    // for any other i.
    TPonto ponto(int i) const;
    void atualizar_geometria();

    const TFamilia &familia() const { return *familia_; }
    // A tube: a polyline joining two ports, with no ports of its own.
    bool e_fio() const { return tipo == TIPO_FIO; }

    // The kind's selection, as its family keeps it.
    bool selecionado() const { return familia_->selecionado(*this); }
    void selecionar() { familia_->selecionar(*this); }
    void desselecionar() { familia_->desselecionar(*this); }

    // The kind's connection slot of a port (ports 1..numero_portas()); -1 for any other port and
    // for wires. ligar/desligar ignore ports the kind does not have.
    int conexao(int porta) const { return familia_->conexao(*this, porta); }
    void ligar(int porta, int codigo_) { familia_->ligar(*this, porta, codigo_); }
    void desligar(int porta) { familia_->desligar(*this, porta); }
    int numero_portas() const { return familia_->numero_portas(); }

    // The box of a kind drawn as one picture, from the top-left corner.
    void ajustar_caixa(const QImage &figura);
    // Frees the port a docked record sits on (see the delete cascade).
    void liberar_acoplado(int codigo_acoplado, int pino);

    const TImagens &imagens() const { return *imagens_; }

private:
    const TImagens *imagens_;
    const TFamilia *familia_;
    TPonto pontos_[NUMERO_PORTAS + 1]; // index 0 unused
};

} // namespace zefira
