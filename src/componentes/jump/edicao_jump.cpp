// Editing a junction: four ports close together, no dialog, nothing docks on it.
#include "componentes/jump/familia_jump.h"

#include "modelo/acoplamento.h"

namespace zefira {

int TFamilia_Jump::portas_para_fio(const TComponente &) const { return numero_portas(); }
bool TFamilia_Jump::portas_juntas() const { return true; }
void TFamilia_Jump::ligar_fio(TComponente &c, int porta, int codigo) const { c.ligar(porta, codigo); }

// Propriedades only lets the selection go.
TFamilia::TComandos TFamilia_Jump::comandos(const TComponente &) const
{
    TComandos c;
    c.liberar = true;
    return c;
}

bool TFamilia_Jump::rotacionar(TComponente &) const { return false; }

bool TFamilia_Jump::acoplavel() const { return false; }
bool TFamilia_Jump::fornece_ar() const { return false; }
int TFamilia_Jump::recuo_acoplado() const { return 0; }
void TFamilia_Jump::prender(TComponente &, int, int) const {}
bool TFamilia_Jump::encaixar(TLista_Componente &, TComponente &) const { return false; }

bool TFamilia_Jump::acolhe(const TComponente &) const { return false; }
bool TFamilia_Jump::acoplar(TComponente &, TComponente &) const { return false; }

TFamilia::TEncaixe TFamilia_Jump::encaixe(const TComponente &hospedeiro, int porta) const
{
    return Sob_Porta(hospedeiro, porta);
}

bool TFamilia_Jump::leva_ligacoes_dos_acoplados() const { return false; }
TComponente *TFamilia_Jump::alimentar(TLista_Componente &, TComponente &) const { return nullptr; }

} // namespace zefira
