#pragma once
// Builds small circuits in memory for the simulation tests, the way the editor would leave
// them: components laid out, wires attached at both ends, supplies docked or wired.

#include "modelo/estado.h"
#include "simulacao/controle_simulacao.h"
#include "simulacao/simulacao.h"
#include <array>

namespace zefira::teste {

class Circuito {
public:
    TEstado estado;

    TLista_Componente &lista() { return estado.lista(); }

    // A directional valve with squares 1..3 (-1 = absent), resting and shown in `inicial`.
    TComponente &valvula(int vias, std::array<int, 3> partes, int inicial = 2)
    {
        TComponente &c = lista().adicionar(TIPO_VALVULA_DIRECIONAL, proximo_x(), -1, -1, vias, 200);
        for (int i = 0; i < 3; ++i)
            c.valvula_direcional->definir_parte(i + 1, partes[size_t(i)]);
        c.valvula_direcional->posicao_inicial = inicial;
        c.valvula_direcional->posicao_atual = inicial;
        c.atualizar_geometria();
        return c;
    }
    TComponente &tomada(int pressao = 6)
    {
        TComponente &c = lista().adicionar(TIPO_TOMADA_AR, proximo_x(), -1, -1, -1, 400);
        c.tomada_ar->pressao = pressao;
        c.atualizar_geometria();
        return c;
    }
    TComponente &cilindro(int tipo, int posicao = 0)
    {
        TComponente &c = lista().adicionar(TIPO_CILINDRO, proximo_x(), -1, tipo, -1, 50);
        c.cilindro->posicao = posicao;
        c.atualizar_geometria();
        return c;
    }
    TComponente &e_ou(int tipo)
    {
        TComponente &c = lista().adicionar(TIPO_E_OU_ESC_REG, proximo_x(), tipo, -1, -1, 300);
        c.atualizar_geometria();
        return c;
    }
    TComponente &jump()
    {
        TComponente &c = lista().adicionar(TIPO_JUMP, proximo_x(), -1, -1, -1, 350);
        c.atualizar_geometria();
        return c;
    }
    // A wire drawn from port pa of a (origin) to port pb of b (destination).
    TComponente &fio(TComponente &a, int pa, TComponente &b, int pb)
    {
        TComponente &w = lista().adicionar(TIPO_FIO, 0, -1, -1, -1, 0);
        w.fio->ligar(true, a.codigo, pa);
        w.fio->ligar(false, b.codigo, pb);
        a.ligar(pa, w.codigo);
        b.ligar(pb, w.codigo);
        return w;
    }
    // A wire with a loose far end.
    TComponente &fio_solto(TComponente &a, int pa)
    {
        TComponente &w = lista().adicionar(TIPO_FIO, 0, -1, -1, -1, 0);
        w.fio->ligar(true, a.codigo, pa);
        a.ligar(pa, w.codigo);
        return w;
    }
    void docar_tomada(TComponente &s, TComponente &x, int pino)
    {
        s.tomada_ar->ligar(x.codigo, pino);
        x.ligar(x.tipo == TIPO_VALVULA_DIRECIONAL ? 1 : pino, s.codigo);
        if (x.tipo == TIPO_VALVULA_DIRECIONAL)
            x.valvula_direcional->tomada_ar = true;
    }
    void docar_reguladora(TComponente &r, TComponente &cil, int pino)
    {
        r.valvula_e_ou_esc_reg->ligar(1, cil.codigo, pino);
        cil.ligar(pino, r.codigo);
    }

    // As opening a file and pressing start do: the rest-state update, then the start command.
    void iniciar()
    {
        AtualizarAcionadores(estado);
        estado.controles.TBiniciar_baixo = true;
        TBiniciarClick(estado);
    }
    void passo() { Atualizar_Sistema(estado); }
    // A press and release of the left (or right) actuator between two steps.
    void clicar(TComponente &v, bool dir = false)
    {
        Acionar_Lado(v, dir);
        Soltar_Acionadores(estado, false);
    }

private:
    int proximo_x()
    {
        x_ += 120;
        return x_;
    }
    int x_ = 0;
};

// Square symbol codes.
enum Simbolo {
    S_2VA = 1, S_2VF = 2, S_3CF = 3, S_3VA = 4, S_3VF = 5, S_4CAN = 6, S_4CAP = 7, S_4CF = 8, S_4CFB = 9,
    S_4D = 10, S_4E = 11, S_5CAN = 12, S_5CAP = 13, S_5CF = 14, S_5D = 15, S_5E = 16,
};

} // namespace zefira::teste
