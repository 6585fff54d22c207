// Palette logic: the button table, the toggle group, the pending-wire release and placement.
#include "editor/paleta.h"

#include "editor/fio_editor.h"
#include "editor/selecao.h"

#include <Qt>

namespace zefira {

namespace {

const TBotaoPaleta BOTOES[NUMERO_BOTOES_PALETA] = {
    {2, "SBvalvula2vias", "Válvula de 2 vias", "valvula2vias", "Válvula de &2 vias", '2'},
    {3, "SBvalvula3vias", "Válvula de 3 vias", "valvula3vias", "Válvula de &3 vias", '3'},
    {4, "SBvalvula4vias", "Válvula de 4 vias", "valvula4vias", "Válvula de &4 vias", '4'},
    {5, "SBvalvula5vias", "Válvula de 5 vias", "valvula5vias", "Válvula de &5 vias", '5'},
    {6, "SBtomadaar", "Tomada de Ar Comprimido", "tomadadearcomprimido", "Tomada de &Ar Comprimido", 'A'},
    {7, "SBcilindroSE", "Cilindro de Simples Ação (retorno por mola)", "cilindrosimplesacao",
     "Cilindro de &Simples Ação", 'S'},
    {8, "SBcilindroDAHS", "Cilindro de Dupla Ação (haste simples)", "cilindrodehs",
     "Cilindro de Dupla Ação &Haste Simples", 'H'},
    {9, "SBcilindroDAHD", "Cilindro de Dupla Ação (haste dupla)", "cilindrodehd", "Cilindro de Dupla Ação Haste &Dupla",
     'D'},
    {10, "SBvalvulae", "Válvula E", "valvulae", "Válvula &E", 'E'},
    {11, "SBvalvulaou", "Válvula OU", "valvulaou", "Válvula &OU", 'O'},
    {12, "SBvalvulaescape", "Válvula de Escape Rápido", "valvulaescaperapido", "Válvula de Escape &Rápido", 'R'},
    {13, "SBvalvulareguladorauni", "Válvula Reguladora de Fluxo Unidirecional", "valvularegfluxo",
     "Válvula Reguladora de &Fluxo", 'F'},
    {14, "SBjump", "Nó", "no", "&Nó", 'N'},
};

// What each placement code builds. Valves name their two squares by symbol code.
struct TModelo {
    int tipo;
    int numero_vias;
    int tipo_cilindro;
    int tipo_e_ou;
    int parte1, parte2;
    bool mola_dir;
    bool pilotos;
};

const TModelo MODELOS[NUMERO_BOTOES_PALETA] = {
    {TIPO_VALVULA_DIRECIONAL, 2, -1, -1, 1, 2, false, false},
    {TIPO_VALVULA_DIRECIONAL, 3, -1, -1, 4, 5, true, false},
    {TIPO_VALVULA_DIRECIONAL, 4, -1, -1, 11, 10, false, true},
    {TIPO_VALVULA_DIRECIONAL, 5, -1, -1, 16, 15, false, true},
    {TIPO_TOMADA_AR, -1, -1, -1, 0, 0, false, false},
    {TIPO_CILINDRO, -1, 1, -1, 0, 0, false, false},
    {TIPO_CILINDRO, -1, 2, -1, 0, 0, false, false},
    {TIPO_CILINDRO, -1, 3, -1, 0, 0, false, false},
    {TIPO_E_OU_ESC_REG, -1, -1, EOU_E, 0, 0, false, false},
    {TIPO_E_OU_ESC_REG, -1, -1, EOU_OU, 0, 0, false, false},
    {TIPO_E_OU_ESC_REG, -1, -1, EOU_ESCAPE, 0, 0, false, false},
    {TIPO_E_OU_ESC_REG, -1, -1, EOU_REGULADORA, 0, 0, false, false},
    {TIPO_JUMP, -1, -1, -1, 0, 0, false, false},
};

bool codigo_valido(int codigo) { return codigo >= 2 && codigo <= 14; }

void alternar_botao(TEstado &estado, int codigo)
{
    estado.botao_paleta = estado.botao_paleta == codigo ? 0 : codigo;
}

} // namespace

const TBotaoPaleta *Botoes_Paleta() { return BOTOES; }

const TBotaoPaleta *Botao_Paleta(int codigo) { return codigo_valido(codigo) ? &BOTOES[codigo - 2] : nullptr; }

void SBClick(TEstado &estado, int codigo)
{
    if (estado.modo == 1)
        Desconectar_Conexao_Pendente(estado);
    if (estado.botao_paleta != codigo) {
        estado.modo = 0;
        estado.componente_atual = estado.componente_nulo;
    } else {
        estado.modo = codigo;
    }
    Liberar_Componentes(estado);
}

void Clicar_Botao_Paleta(TEstado &estado, int codigo)
{
    if (!codigo_valido(codigo) || !estado.controles.paleta)
        return;
    alternar_botao(estado, codigo);
    SBClick(estado, codigo);
}

void componenteMenuClick(TEstado &estado, int codigo)
{
    if (!codigo_valido(codigo) || !estado.controles.componentes)
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
        estado.modo = 0;
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
    Q_ASSERT(codigo_valido(codigo));
    const TModelo &m = MODELOS[codigo - 2];
    TLista_Componente &lista = estado.lista();
    TComponente &c = lista.adicionar(m.tipo, x, m.tipo_e_ou, m.tipo_cilindro, m.numero_vias, y);
    if (m.tipo == TIPO_VALVULA_DIRECIONAL) {
        TValvula_Direcional &v = *c.valvula_direcional;
        v.definir_parte(1, m.parte1);
        v.definir_parte(2, m.parte2);
        v.mola_dir = m.mola_dir;
        v.piloto_dir = v.piloto_esq = m.pilotos;
        v.tomada_ar = true;
    }
    c.atualizar_geometria();
    Soltar_Botao_Paleta(estado, codigo);
    estado.modo = 0;

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
