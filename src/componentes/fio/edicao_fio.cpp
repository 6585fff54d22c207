// Editing a tube: it has no ports of its own and no dialog; a new one starts empty.
#include "componentes/fio/edicao_fio.h"

#include "componentes/fio/familia_fio.h"
#include "modelo/acoplamento.h"

namespace zefira {

std::shared_ptr<TComponente> Novo_Fio(const TImagens &imagens)
{
    return std::make_shared<TComponente>(imagens, -1, -1, -1, -1, 0, 0, TIPO_FIO);
}

int TFamilia_Fio::portas_para_fio(const TComponente &) const { return numero_portas(); }
bool TFamilia_Fio::portas_juntas() const { return false; }
void TFamilia_Fio::ligar_fio(TComponente &c, int porta, int codigo) const { c.ligar(porta, codigo); }
TFamilia::TComandos TFamilia_Fio::comandos(const TComponente &) const { return {}; }
bool TFamilia_Fio::rotacionar(TComponente &) const { return false; }

bool TFamilia_Fio::acoplavel() const { return false; }
bool TFamilia_Fio::fornece_ar() const { return false; }
int TFamilia_Fio::recuo_acoplado() const { return 0; }
void TFamilia_Fio::prender(TComponente &, int, int) const {}
bool TFamilia_Fio::encaixar(TLista_Componente &, TComponente &) const { return false; }

bool TFamilia_Fio::acolhe(const TComponente &) const { return false; }
bool TFamilia_Fio::acoplar(TComponente &, TComponente &) const { return false; }

// A damaged file may dock a part on a tube: it hangs under the tube's point of that number.
TFamilia::TEncaixe TFamilia_Fio::encaixe(const TComponente &hospedeiro, int porta) const
{
    return Sob_Porta(hospedeiro, porta);
}

bool TFamilia_Fio::leva_ligacoes_dos_acoplados() const { return false; }
TComponente *TFamilia_Fio::alimentar(TLista_Componente &, TComponente &) const { return nullptr; }

} // namespace zefira
