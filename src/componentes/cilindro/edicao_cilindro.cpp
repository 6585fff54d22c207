// Editing a cylinder: a single-acting one offers only port 1 to a wire; both ports take docked
// air supplies and AND/OR/exhaust/regulator valves, which follow it with their wires.
#include "componentes/cilindro/familia_cilindro.h"

#include "modelo/acoplamento.h"

namespace zefira {

namespace {

// A supply remembers the port it sits on.
bool tomada_sobre_cilindro(TComponente &tomada, TComponente &cilindro)
{
    if (tomada.conexao(1) == LIVRE) {
        for (int porta = 1; porta <= 2; ++porta)
            if (cilindro.conexao(porta) == LIVRE &&
                Distancia(cilindro.ponto(porta), tomada.ponto(1)) < PERTO_ACOPLAMENTO) {
                Prender_Acoplado(tomada, cilindro, porta);
                return true;
            }
        return false;
    }
    const int q = tomada.tomada_ar->pino;
    if (tomada.conexao(1) == cilindro.codigo && (q == 1 || q == 2) &&
        Distancia(cilindro.ponto(q), tomada.ponto(1)) >= PERTO_ACOPLAMENTO) {
        Soltar_Acoplado(tomada);
        tomada.desligar(1);
        if (cilindro.conexao(q) == tomada.codigo)
            cilindro.desligar(q);
    }
    return false;
}

// Only a regulator remembers its port, so the docked port is found from the cylinder's side.
bool valvula_sobre_cilindro(TComponente &valvula, TComponente &cilindro)
{
    if (valvula.conexao(1) == LIVRE) {
        for (int porta = 1; porta <= 2; ++porta)
            if (cilindro.conexao(porta) == LIVRE &&
                Distancia(cilindro.ponto(porta), valvula.ponto(1)) < PERTO_ACOPLAMENTO) {
                Prender_Acoplado(valvula, cilindro, porta);
                return true;
            }
        return false;
    }
    if (valvula.conexao(1) != cilindro.codigo)
        return false;
    for (int porta = 1; porta <= 2; ++porta)
        if (cilindro.conexao(porta) == valvula.codigo &&
            Distancia(cilindro.ponto(porta), valvula.ponto(1)) >= PERTO_ACOPLAMENTO) {
            Soltar_Acoplado(valvula);
            valvula.desligar(1);
            cilindro.desligar(porta);
        }
    return false;
}

} // namespace

int TFamilia_Cilindro::portas_para_fio(const TComponente &c) const
{
    return c.cilindro->tipo() == 1 ? 1 : 2; // a single-acting cylinder has no port 2 to wire
}

bool TFamilia_Cilindro::portas_juntas() const { return false; }
void TFamilia_Cilindro::ligar_fio(TComponente &c, int porta, int codigo) const { c.ligar(porta, codigo); }

TFamilia::TComandos TFamilia_Cilindro::comandos(const TComponente &) const
{
    TComandos c;
    c.acionadores = true;
    return c;
}

bool TFamilia_Cilindro::rotacionar(TComponente &) const { return false; }

bool TFamilia_Cilindro::acoplavel() const { return false; }
bool TFamilia_Cilindro::fornece_ar() const { return false; }
int TFamilia_Cilindro::recuo_acoplado() const { return 0; }
void TFamilia_Cilindro::prender(TComponente &, int, int) const {}
bool TFamilia_Cilindro::encaixar(TLista_Componente &, TComponente &) const { return false; }

bool TFamilia_Cilindro::acolhe(const TComponente &acoplado) const { return acoplado.familia().acoplavel(); }

bool TFamilia_Cilindro::acoplar(TComponente &hospedeiro, TComponente &acoplado) const
{
    if (!acolhe(acoplado))
        return false;
    return acoplado.familia().fornece_ar() ? tomada_sobre_cilindro(acoplado, hospedeiro)
                                           : valvula_sobre_cilindro(acoplado, hospedeiro);
}

TFamilia::TEncaixe TFamilia_Cilindro::encaixe(const TComponente &hospedeiro, int porta) const
{
    return Sob_Porta(hospedeiro, porta);
}

bool TFamilia_Cilindro::leva_ligacoes_dos_acoplados() const { return true; }
TComponente *TFamilia_Cilindro::alimentar(TLista_Componente &, TComponente &) const { return nullptr; }

} // namespace zefira
