#include "componentes/registro.h"

#include "componentes/bobina/familia_bobina.h"
#include "componentes/borne/familia_borne.h"
#include "componentes/botao/familia_botao.h"
#include "componentes/cilindro/familia_cilindro.h"
#include "componentes/contador/familia_contador.h"
#include "componentes/contato/familia_contato.h"
#include "componentes/derivacao/familia_derivacao.h"
#include "componentes/contexto_percurso.h"
#include "componentes/entrada_paleta.h"
#include "componentes/fio/familia_fio.h"
#include "componentes/jump/familia_jump.h"
#include "componentes/lampada/familia_lampada.h"
#include "componentes/pressostato/familia_pressostato.h"
#include "componentes/sensor/familia_sensor.h"
#include "componentes/solenoide/familia_solenoide.h"
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
    const TFamilia_Eletrica *eletrica() const override { return nullptr; }
    int numero_portas() const override { return 0; }
    TDominio dominio(int) const override { return TDominio::ar; }
    int direcao(const TComponente &, int) const override { return 0; }
    int conexao(const TComponente &, int) const override { return -1; }
    void ligar(TComponente &, int, int) const override {}
    void desligar(TComponente &, int) const override {}
    void atualizar_geometria(TComponente &) const override {}
    void remover_ligacoes(TLista_Componente &, TComponente &) const override {}
    // -- percurso da pressão e passo do sistema --
    TPasso_Percurso sair(TContexto_Percurso &, TComponente &, int) const override { return {}; }
    TPasso_Percurso entrar(TContexto_Percurso &, TComponente &, int) const override { return {}; }
    bool percorrer_uma_vez() const override { return false; }
    void receber_ar(TContexto_Simulacao &, TComponente &, const TTomada_Ar &) const override {}
    void simular(TContexto_Simulacao &, int, TEtapa_Simulacao) const override {}
    void restaurar_partida(TComponente &, const TComponente &) const override {}
    bool acionar(TComponente &, bool) const override { return false; }
    bool acionavel(const TComponente &, QString &) const override { return false; }
    bool registrar_posicao(const TComponente &, TLinha_Historico &, int &) const override { return false; }
    TEstado_Simulado estado_simulado(const TComponente &, bool) const override { return {}; }
    TVerificado verificado(const TComponente &) const override { return {}; }

    // -- desenho --
    void desenhar(TComponente &, TPintor &) const override {}
    void anotar_sem_desenhar(TComponente &) const override {}
    bool desenho_pendente(const TComponente &) const override { return false; }
    void repor_desenho_pendente(TComponente &) const override {}
    TComponente *amostra(TLista_Componente &, int, QString &, QStringList &) const override { return nullptr; }

    // -- arquivo e demonstrações --
    const TTipo_Arquivo *arquivo() const override { return nullptr; }
    void concluir_leitura(TComponente &) const override {}
    bool palavra_demonstracao(const QString &, TVariante &) const override { return false; }
    bool montar_demonstracao(TComponente &, const TLinha_Demonstracao &) const override { return false; }
    void ligar_demonstracao(TLista_Componente &, TComponente &) const override {}

    // -- edição e acoplamento --
    int portas_para_fio(const TComponente &) const override { return 0; }
    bool portas_juntas() const override { return false; }
    void ligar_fio(TComponente &, int, int) const override {}
    TComandos comandos(const TComponente &) const override { return {}; }
    bool rotacionar(TComponente &) const override { return false; }
    bool acoplavel() const override { return false; }
    bool fornece_ar() const override { return false; }
    int recuo_acoplado() const override { return 0; }
    void prender(TComponente &, int, int) const override {}
    bool encaixar(TLista_Componente &, TComponente &) const override { return false; }
    bool acolhe(const TComponente &) const override { return false; }
    bool acoplar(TComponente &, TComponente &) const override { return false; }
    TEncaixe encaixe(const TComponente &, int) const override { return {}; }
    bool leva_ligacoes_dos_acoplados() const override { return false; }
    TComponente *alimentar(TLista_Componente &, TComponente &) const override { return nullptr; }

    // -- paleta e diálogos --
    const std::vector<TEntrada_Paleta> &paleta() const override
    {
        static const std::vector<TEntrada_Paleta> nenhuma;
        return nenhuma;
    }
    void posicionar(TLista_Componente &, TComponente &, const TVariante &) const override {}
    QString dialogo_propriedades(const TComponente &) const override { return QString(); }

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
    static const TFamilia_Borne borne;
    static const TFamilia_Botao botao;
    static const TFamilia_Sensor sensor;
    static const TFamilia_Pressostato pressostato;
    static const TFamilia_Bobina bobina;
    static const TFamilia_Contador contador;
    static const TFamilia_Contato contato;
    static const TFamilia_Solenoide solenoide;
    static const TFamilia_Lampada lampada;
    static const TFamilia_Derivacao derivacao;
    static const std::vector<const TFamilia *> todas{&valvula, &tomada, &cilindro, &fio, &e_ou, &jump,
                                                     &borne, &botao, &sensor, &pressostato, &bobina,
                                                     &contador, &contato, &solenoide, &lampada, &derivacao};
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
