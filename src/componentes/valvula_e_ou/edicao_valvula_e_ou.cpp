// Editing AND/OR/quick-exhaust/regulator valves: they dock by their port 1 on a cylinder port;
// only a regulator has a dialog, turns and remembers the port it sits on.
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"

#include "modelo/acoplamento.h"

namespace zefira {

namespace {

bool reguladora(const TComponente &c) { return c.valvula_e_ou_esc_reg->tipo() == EOU_REGULADORA; }

} // namespace

int TFamilia_Valvula_E_Ou::portas_para_fio(const TComponente &) const { return numero_portas(); }
bool TFamilia_Valvula_E_Ou::portas_juntas() const { return false; }
void TFamilia_Valvula_E_Ou::ligar_fio(TComponente &c, int porta, int codigo) const { c.ligar(porta, codigo); }

TFamilia::TComandos TFamilia_Valvula_E_Ou::comandos(const TComponente &c) const
{
    TComandos r;
    r.rotacionar = reguladora(c);
    return r;
}

// Any of them turns when asked; only a regulator's menu offers it.
bool TFamilia_Valvula_E_Ou::rotacionar(TComponente &c) const
{
    TValvula_E_OU_ESC_REG &v = *c.valvula_e_ou_esc_reg;
    v.definir_estado(v.estado() == 1 ? 2 : 1);
    return true;
}

bool TFamilia_Valvula_E_Ou::acoplavel() const { return true; }
bool TFamilia_Valvula_E_Ou::fornece_ar() const { return false; }
int TFamilia_Valvula_E_Ou::recuo_acoplado() const { return 10; }

void TFamilia_Valvula_E_Ou::prender(TComponente &acoplado, int codigo_hospedeiro, int porta) const
{
    acoplado.valvula_e_ou_esc_reg->ligar(1, codigo_hospedeiro, porta);
}

// A regulator docked on a host that takes it goes back under its port, with its outlet's wires.
bool TFamilia_Valvula_E_Ou::encaixar(TLista_Componente &lista, TComponente &c) const
{
    const int pino = c.valvula_e_ou_esc_reg->pino;
    if (!reguladora(c) || pino == -1)
        return false;
    const TComponente *hospedeiro = lista.procurar(c.conexao(1));
    if (!hospedeiro || !hospedeiro->familia().acolhe(c))
        return false;
    Posicionar_Acoplado(*hospedeiro, pino, c);
    return true;
}

bool TFamilia_Valvula_E_Ou::acolhe(const TComponente &) const { return false; }
bool TFamilia_Valvula_E_Ou::acoplar(TComponente &, TComponente &) const { return false; }

TFamilia::TEncaixe TFamilia_Valvula_E_Ou::encaixe(const TComponente &hospedeiro, int porta) const
{
    return Sob_Porta(hospedeiro, porta);
}

bool TFamilia_Valvula_E_Ou::leva_ligacoes_dos_acoplados() const { return false; }
TComponente *TFamilia_Valvula_E_Ou::alimentar(TLista_Componente &, TComponente &) const { return nullptr; }

} // namespace zefira
