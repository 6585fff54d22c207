// Palette logic: the button table, the toggle group, the pending-wire release and placement.
#include "edicao/paleta.h"

#include "edicao/fio_editor.h"
#include "edicao/selecao.h"

#include <Qt>

namespace zefira {

namespace {

constexpr TBotaoPaleta BOTOES[NUMERO_BOTOES_PALETA] = {
    {MODO_VALVULA_2VIAS, "SBvalvula2vias", "Válvula de 2 vias", "valvula2vias", "Válvula de &2 vias", '2'},
    {MODO_VALVULA_3VIAS, "SBvalvula3vias", "Válvula de 3 vias", "valvula3vias", "Válvula de &3 vias", '3'},
    {MODO_VALVULA_4VIAS, "SBvalvula4vias", "Válvula de 4 vias", "valvula4vias", "Válvula de &4 vias", '4'},
    {MODO_VALVULA_5VIAS, "SBvalvula5vias", "Válvula de 5 vias", "valvula5vias", "Válvula de &5 vias", '5'},
    {MODO_TOMADA_AR, "SBtomadaar", "Tomada de Ar Comprimido", "tomadadearcomprimido", "Tomada de &Ar Comprimido", 'A'},
    {MODO_CILINDRO_SIMPLES_ACAO, "SBcilindroSE", "Cilindro de Simples Ação (retorno por mola)", "cilindrosimplesacao",
     "Cilindro de &Simples Ação", 'S'},
    {MODO_CILINDRO_HASTE_SIMPLES, "SBcilindroDAHS", "Cilindro de Dupla Ação (haste simples)", "cilindrodehs",
     "Cilindro de Dupla Ação &Haste Simples", 'H'},
    {MODO_CILINDRO_HASTE_DUPLA, "SBcilindroDAHD", "Cilindro de Dupla Ação (haste dupla)", "cilindrodehd",
     "Cilindro de Dupla Ação Haste &Dupla", 'D'},
    {MODO_VALVULA_E, "SBvalvulae", "Válvula E", "valvulae", "Válvula &E", 'E'},
    {MODO_VALVULA_OU, "SBvalvulaou", "Válvula OU", "valvulaou", "Válvula &OU", 'O'},
    {MODO_VALVULA_ESCAPE, "SBvalvulaescape", "Válvula de Escape Rápido", "valvulaescaperapido",
     "Válvula de Escape &Rápido", 'R'},
    {MODO_VALVULA_REGULADORA, "SBvalvulareguladorauni", "Válvula Reguladora de Fluxo Unidirecional", "valvularegfluxo",
     "Válvula Reguladora de &Fluxo", 'F'},
    {MODO_NO, "SBjump", "Nó", "no", "&Nó", 'N'},
};

constexpr bool na_ordem_das_pecas()
{
    for (int i = 0; i < NUMERO_BOTOES_PALETA; ++i)
        if (BOTOES[i].codigo != PECAS[i].modo)
            return false;
    return true;
}
static_assert(na_ordem_das_pecas(), "one button per placement mode, in the same order");

// How a new directional valve of each number of ways starts: its two squares by symbol code.
struct TValvula_Nova {
    int parte1, parte2;
    bool mola_dir;
    bool pilotos;
};

const TValvula_Nova VALVULAS_NOVAS[] = {
    {1, 2, false, false},   // 2 ways
    {4, 5, true, false},    // 3 ways
    {11, 10, false, true},  // 4 ways
    {16, 15, false, true},  // 5 ways
};

void alternar_botao(TEstado &estado, int codigo)
{
    estado.botao_paleta = estado.botao_paleta == codigo ? 0 : codigo;
}

} // namespace

const TBotaoPaleta *Botoes_Paleta() { return BOTOES; }

const TBotaoPaleta *Botao_Paleta(int codigo) { return posicionando(codigo) ? &BOTOES[Ordem_Peca(codigo)] : nullptr; }

void SBClick(TEstado &estado, int codigo)
{
    if (estado.modo == MODO_FIO)
        Desconectar_Conexao_Pendente(estado);
    if (estado.botao_paleta != codigo) {
        estado.modo = MODO_EDICAO;
        estado.componente_atual = estado.componente_nulo;
    } else {
        estado.modo = codigo;
    }
    Liberar_Componentes(estado);
}

void Clicar_Botao_Paleta(TEstado &estado, int codigo)
{
    if (!posicionando(codigo) || !estado.controles.paleta)
        return;
    alternar_botao(estado, codigo);
    SBClick(estado, codigo);
}

void componenteMenuClick(TEstado &estado, int codigo)
{
    if (!posicionando(codigo) || !estado.controles.componentes)
        return;
    alternar_botao(estado, codigo);
    SBClick(estado, codigo);
}

void Soltar_Botoes_Paleta(TEstado &estado) { estado.botao_paleta = 0; }

void Soltar_Botao_Paleta(TEstado &estado, int codigo)
{
    if (estado.botao_paleta == codigo)
        estado.botao_paleta = 0;
}

void paletaKeyPress(TEstado &estado, int tecla)
{
    if (tecla == Qt::Key_Escape)
        estado.modo = MODO_EDICAO;
}

int Achar_Indice(const TEstado &estado, int codigo) { return estado.lista_componentes->indice(codigo); }

void Desconectar_Conexao_Pendente(TEstado &estado)
{
    const TComponente *fio = estado.componente_atual.get();
    if (fio && fio->tipo == TIPO_FIO) {
        const int i = Achar_Indice(estado, fio->fio->conexao_origem);
        if (i != -1) {
            // Only a slot that really holds the mark is freed: with the origin's mark already
            // gone, no port may lose the connection it has.
            TComponente &origem = estado.lista()[i];
            for (int porta = 1; porta <= origem.numero_portas(); ++porta)
                if (origem.conexao(porta) == CONEXAO_PENDENTE) {
                    Ligar_Porta_Fio(origem, porta, LIVRE);
                    break;
                }
        }
    }
    estado.mostrar_mira = false;
    estado.mostrar_cruz = false;
    estado.segmento_destacado = TSegmento();
}

TComponente &Posicionar_Componente(TEstado &estado, int codigo, int x, int y)
{
    Q_ASSERT(posicionando(codigo));
    const TPeca &m = *Peca_Posicionada(codigo);
    TLista_Componente &lista = estado.lista();
    TComponente &c = lista.adicionar(m.tipo, x, m.tipo_e_ou, m.tipo_cilindro, m.numero_vias, y);
    if (m.tipo == TIPO_VALVULA_DIRECIONAL) {
        const TValvula_Nova &n = VALVULAS_NOVAS[m.numero_vias - 2];
        TValvula_Direcional &v = *c.valvula_direcional;
        v.definir_parte(1, n.parte1);
        v.definir_parte(2, n.parte2);
        v.mola_dir = n.mola_dir;
        v.piloto_dir = v.piloto_esq = n.pilotos;
        v.tomada_ar = true;
    }
    c.atualizar_geometria();
    Soltar_Botao_Paleta(estado, codigo);
    estado.modo = MODO_EDICAO;

    if (m.tipo == TIPO_VALVULA_DIRECIONAL) {
        TComponente &tomada = lista.adicionar(TIPO_TOMADA_AR, somar(c.ponto(1).x, -6), -1, -1, -1, somar(c.baixo, 6));
        tomada.atualizar_geometria();
        tomada.tomada_ar->ligar(c.codigo, 1);
        c.ligar(1, tomada.codigo);
        c.desselecionar(); // loads the actuator pictures
    }
    estado.modificado = true;
    return c;
}

} // namespace zefira
