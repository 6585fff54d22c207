// The AND, OR, quick-exhaust and flow-regulator valves in files and demonstrations.
#include "componentes/valvula_e_ou/familia_valvula_e_ou.h"

#include "componentes/campo_arquivo.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/componente.h"

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

TValvula_E_OU_ESC_REG &E(C &x) { return *x.componente.valvula_e_ou_esc_reg; }
const TValvula_E_OU_ESC_REG &E(const TComponente &c) { return *c.valvula_e_ou_esc_reg; }

template <int P> TCampo_Arquivo conexao(const char *palavra)
{
    return {T::Conexao, palavra, G::Feminino, [](C &x, int n, const QString &) { E(x).ligar(P, n); },
            [](const TComponente &c) { return E(c).conexao(P); }, nullptr};
}

TTipo_Arquivo tipo_arquivo()
{
    TCampo_Arquivo tipo{T::Inteiro, "Tipo", G::Masculino, [](C &x, int n, const QString &) { E(x).definir_tipo(n); },
                        [](const TComponente &c) { return E(c).tipo(); }, nullptr};
    tipo.variante = &TVariante::tipo_e_ou;
    return {"Válvula E/OU/ESC/REG", false, false, {
        Campo_Codigo(),
        Campo_Nome(),
        {T::Inteiro, "Estado", G::Masculino, [](C &x, int n, const QString &) { E(x).definir_estado(n); },
         [](const TComponente &c) { return E(c).estado(); }, nullptr, true},
        {T::Inteiro, "Vazão", G::Feminino, [](C &x, int n, const QString &) { E(x).vazao = n; },
         [](const TComponente &c) { return E(c).vazao; }, nullptr, true},
        Campo_Selecao(),
        conexao<1>("Conexão 1"),
        conexao<2>("Conexão 2"),
        conexao<3>("Conexão 3"),
        tipo,
        // Only a regulator records the port its port 1 is docked on.
        {T::Inteiro, "Pino", G::Masculino,
         [](C &x, int n, const QString &) {
             if (E(x).tipo() == EOU_REGULADORA)
                 E(x).ligar(1, E(x).conexao(1), n);
         },
         [](const TComponente &c) { return E(c).pino; }, nullptr},
        Campo_Esquerda(),
        Campo_Topo(),
        // Set by the regulator dialog.
        {T::Memoria, nullptr, G::Masculino, [](C &x, int n, const QString &) { E(x).fuzzy = n; },
         [](const TComponente &c) { return int(E(c).fuzzy); }, nullptr, true},
    }};
}

} // namespace

const TTipo_Arquivo *TFamilia_Valvula_E_Ou::arquivo() const
{
    static const TTipo_Arquivo tipo = tipo_arquivo();
    return &tipo;
}

void TFamilia_Valvula_E_Ou::concluir_leitura(TComponente &c) const
{
    c.valvula_e_ou_esc_reg->recarregar();
    c.atualizar_geometria();
}

bool TFamilia_Valvula_E_Ou::palavra_demonstracao(const QString &palavra, TVariante &variante) const
{
    if (palavra == QLatin1String("AND valve"))
        variante.tipo_e_ou = EOU_E;
    else if (palavra == QLatin1String("OR valve"))
        variante.tipo_e_ou = EOU_OU;
    else
        return false;
    return true;
}

bool TFamilia_Valvula_E_Ou::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    int esquerda = 0, topo = 0;
    if (!linha.ler_posicao(esquerda, topo) || !linha.lista_ajustes().isEmpty())
        return false;
    c.codigo = linha.codigo;
    c.esquerda = esquerda;
    c.topo = topo;
    c.valvula_e_ou_esc_reg->definir_estado(1);
    c.valvula_e_ou_esc_reg->vazao = 1000;
    c.atualizar_geometria();
    return true;
}

void TFamilia_Valvula_E_Ou::ligar_demonstracao(TLista_Componente &, TComponente &) const {}

} // namespace zefira
