// Editing a directional valve: its port 1 is its supply port, which takes a docked air supply;
// a valve marked as fed whose port 1 is free is given one.
#include "componentes/valvula_direcional/familia_valvula_direcional.h"

#include "modelo/acoplamento.h"

namespace zefira {

int TFamilia_Valvula_Direcional::portas_para_fio(const TComponente &) const { return numero_portas(); }
bool TFamilia_Valvula_Direcional::portas_juntas() const { return false; }

void TFamilia_Valvula_Direcional::ligar_fio(TComponente &c, int porta, int codigo) const
{
    c.ligar(porta, codigo);
}

// Its dialog may change the squares, springs and pilots: the actuators, the wires and the
// docked supply are laid out again.
TFamilia::TComandos TFamilia_Valvula_Direcional::comandos(const TComponente &) const
{
    TComandos c;
    c.acionadores = c.reassentar = true;
    return c;
}

bool TFamilia_Valvula_Direcional::rotacionar(TComponente &) const { return false; }

bool TFamilia_Valvula_Direcional::acoplavel() const { return false; }
bool TFamilia_Valvula_Direcional::fornece_ar() const { return false; }
int TFamilia_Valvula_Direcional::recuo_acoplado() const { return 0; }
void TFamilia_Valvula_Direcional::prender(TComponente &, int, int) const {}
bool TFamilia_Valvula_Direcional::encaixar(TLista_Componente &, TComponente &) const { return false; }

bool TFamilia_Valvula_Direcional::acolhe(const TComponente &acoplado) const
{
    return acoplado.familia().fornece_ar();
}

// The valve's own slot decides the undocking: it lets go of the supply it holds.
bool TFamilia_Valvula_Direcional::acoplar(TComponente &valvula, TComponente &tomada) const
{
    if (!acolhe(tomada))
        return false;
    const int d = Distancia(valvula.ponto(1), tomada.ponto(1));
    if (d < PERTO_ACOPLAMENTO && valvula.conexao(1) == LIVRE && tomada.conexao(1) == LIVRE) {
        Prender_Acoplado(tomada, valvula, 1);
        valvula.valvula_direcional->tomada_ar = true;
        return true;
    }
    if (valvula.conexao(1) == tomada.codigo && d >= PERTO_ACOPLAMENTO) {
        Soltar_Acoplado(tomada);
        // Only let go of the host the supply actually names, so a stale host slot never clears
        // a supply that is docked elsewhere.
        if (tomada.conexao(1) == valvula.codigo)
            tomada.desligar(1);
        valvula.desligar(1);
        valvula.valvula_direcional->tomada_ar = false;
    }
    return false;
}

// A supply always docks on the supply port, just below the squares.
TFamilia::TEncaixe TFamilia_Valvula_Direcional::encaixe(const TComponente &hospedeiro, int) const
{
    return {hospedeiro.ponto(1).x, somar(hospedeiro.baixo, 6)};
}

bool TFamilia_Valvula_Direcional::leva_ligacoes_dos_acoplados() const { return false; }

TComponente *TFamilia_Valvula_Direcional::alimentar(TLista_Componente &lista, TComponente &c) const
{
    if (!c.valvula_direcional->tomada_ar || c.conexao(1) != LIVRE)
        return nullptr;
    TComponente &tomada = lista.adicionar(TIPO_TOMADA_AR, 0, -1, -1, -1, 0);
    Posicionar_Acoplado(c, 1, tomada);
    tomada.familia().prender(tomada, c.codigo, 1);
    c.ligar(1, tomada.codigo);
    return &tomada;
}

} // namespace zefira
