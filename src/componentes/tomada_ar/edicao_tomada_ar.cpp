// Editing an air supply: it docks by its port 1 on a valve's supply port or a cylinder port.
#include "componentes/tomada_ar/familia_tomada_ar.h"

#include "modelo/acoplamento.h"

namespace zefira {

int TFamilia_Tomada_Ar::portas_para_fio(const TComponente &) const { return numero_portas(); }
bool TFamilia_Tomada_Ar::portas_juntas() const { return false; }

// A wired supply forgets the host port it was docked on.
void TFamilia_Tomada_Ar::ligar_fio(TComponente &c, int porta, int codigo) const
{
    if (porta == 1)
        c.tomada_ar->ligar(codigo, -1);
}

TFamilia::TComandos TFamilia_Tomada_Ar::comandos(const TComponente &) const
{
    TComandos c;
    return c;
}

bool TFamilia_Tomada_Ar::rotacionar(TComponente &) const { return false; }

bool TFamilia_Tomada_Ar::acoplavel() const { return true; }
bool TFamilia_Tomada_Ar::fornece_ar() const { return true; }
int TFamilia_Tomada_Ar::recuo_acoplado() const { return 6; }

void TFamilia_Tomada_Ar::prender(TComponente &acoplado, int codigo_hospedeiro, int porta) const
{
    acoplado.tomada_ar->ligar(codigo_hospedeiro, porta);
}

// Whatever host it names, it goes back under that host's port.
bool TFamilia_Tomada_Ar::encaixar(TLista_Componente &lista, TComponente &c) const
{
    if (c.tomada_ar->pino == -1)
        return false;
    if (const TComponente *hospedeiro = lista.procurar(c.tomada_ar->conexao))
        Posicionar_Acoplado(*hospedeiro, c.tomada_ar->pino, c);
    return false;
}

bool TFamilia_Tomada_Ar::acolhe(const TComponente &) const { return false; }
bool TFamilia_Tomada_Ar::acoplar(TComponente &, TComponente &) const { return false; }

TFamilia::TEncaixe TFamilia_Tomada_Ar::encaixe(const TComponente &hospedeiro, int porta) const
{
    return Sob_Porta(hospedeiro, porta);
}

bool TFamilia_Tomada_Ar::leva_ligacoes_dos_acoplados() const { return false; }
TComponente *TFamilia_Tomada_Ar::alimentar(TLista_Componente &, TComponente &) const { return nullptr; }

} // namespace zefira
