#include "componentes/registro.h"

#include "componentes/cilindro/familia_cilindro.h"
#include "componentes/fio/familia_fio.h"
#include "componentes/jump/familia_jump.h"
#include "componentes/tomada_ar/familia_tomada_ar.h"
#include "componentes/valvula_direcional/familia_valvula_direcional.h"
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"
#include "modelo/constantes.h"

namespace zefira {

namespace {

// The record of an unknown tag (the editor's empty component, a damaged file): no kind object,
// no ports, nothing selected.
class TFamilia_Nenhuma final : public TFamilia {
public:
    int tipo() const override { return TIPO_NENHUM; }
    void criar(TComponente &, const TImagens &, const TVariante &) const override {}
    bool selecionado(const TComponente &) const override { return false; }
    void selecionar(TComponente &) const override {}
    void desselecionar(TComponente &) const override {}
    int numero_portas() const override { return 0; }
    TDominio dominio(int) const override { return TDominio::ar; }
    int direcao(const TComponente &, int) const override { return 0; }
    int conexao(const TComponente &, int) const override { return -1; }
    void ligar(TComponente &, int, int) const override {}
    void desligar(TComponente &, int) const override {}
    void atualizar_geometria(TComponente &) const override {}
    void remover_ligacoes(TLista_Componente &, TComponente &) const override {}
    // -- percurso da pressão e passo do sistema --


    // -- desenho --
    void desenhar(TComponente &, TPintor &) const override {}
    void anotar_sem_desenhar(TComponente &) const override {}
    bool desenho_pendente(const TComponente &) const override { return false; }
    void repor_desenho_pendente(TComponente &) const override {}
    TComponente *amostra(TLista_Componente &, int, QString &, QStringList &) const override { return nullptr; }


    // -- arquivo e demonstrações --


    // -- edição e acoplamento --


    // -- paleta e diálogos --

};

} // namespace

const std::vector<const TFamilia *> &Familias()
{
    static const TFamilia_Valvula_Direcional valvula;
    static const TFamilia_Tomada_Ar tomada;
    static const TFamilia_Cilindro cilindro;
    static const TFamilia_Fio fio;
    static const TFamilia_Valvula_E_Ou e_ou;
    static const TFamilia_Jump jump;
    static const std::vector<const TFamilia *> todas{&valvula, &tomada, &cilindro, &fio, &e_ou, &jump};
    return todas;
}

const TFamilia &Familia(int tipo)
{
    static const TFamilia_Nenhuma nenhuma;
    for (const TFamilia *f : Familias())
        if (f->tipo() == tipo)
            return *f;
    return nenhuma;
}

} // namespace zefira
