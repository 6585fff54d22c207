#include "simulacao/controle_simulacao.h"

#include "componentes/eletrico/familia_eletrica.h"

#include "documento/arquivo_circuito.h"
#include "documento/leitor_circuito.h"
#include "simulacao/passo_simulacao.h"
#include "simulacao/registro_movimentos.h"
#include "simulacao/simulacao.h"

#include <cstdint>

namespace zefira {

namespace {

// The editing commands that a running simulation disables and a stop enables again.
void habilitar_edicao(TControles &k, bool sim)
{
    k.paleta = sim;
    k.demo = sim;
    k.editar = k.componentes = sim;
    k.novo = k.abrir = k.salvar = k.salvarcomo = sim;
    k.TBnovo = k.TBabrir = k.TBsalvar = sim;
    k.TBcortar = k.TBcopiar = k.TBcolar = k.TBexcluir = sim;
}

// Puts back the places, positions and wire routes of the circuit the start kept, component by
// component: the components stay the same objects, so nothing that refers to them goes stale.
void restaurar_partida(TEstado &estado)
{
    TEstado partida;
    TLeitor_Circuito(partida, estado.circuito_partida).ler();
    const TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        const TComponente *p = partida.lista().procurar(c.codigo);
        if (!p || p->tipo != c.tipo)
            continue;
        c.esquerda = p->esquerda;
        c.topo = p->topo;
        c.familia().restaurar_partida(c, *p);
        c.atualizar_geometria();
    }
}

} // namespace

void TBiniciarClick(TEstado &estado)
{
    if (estado.modo != MODO_SIMULACAO) {
        estado.circuito_partida = Conteudo_Instantaneo(estado);
        TPasso_Simulacao partida(estado);
        const TLista_Componente &lista = estado.lista();
        for (int i = 0; i < lista.numero_componentes(); ++i) {
            lista[i].desselecionar();
            lista[i].familia().simular(partida, i, TEtapa_Simulacao::partida);
        }
        // Everything was just deselected; a stale count would drive the editor after the stop.
        estado.numero_selecionados = 0;
        // A fresh start begins a new record: step 0 is the state it starts from.
        estado.historico.limpar();
        Registrar_Passo(estado);
    }
    estado.modo = MODO_SIMULACAO;
    TControles &k = estado.controles;
    habilitar_edicao(k, false);
    k.iniciar = false;
    k.TBiniciar = false;
    k.TBiniciar_baixo = true; // the start button stays down while the simulation runs
    k.TBparar = k.parar = true;
    k.TBpausar = k.pausar = true;
    k.TBpausar_baixo = false;
}

void TBpausarClick(TEstado &estado)
{
    TControles &k = estado.controles;
    k.TBiniciar = k.iniciar = true;
    k.TBiniciar_baixo = false; // the step runs only while the start button is down
    k.TBpausar = k.pausar = false;
    k.TBpausar_baixo = true;
    k.TBparar = k.parar = true;
}

void TBpararClick(TEstado &estado)
{
    // Outside a simulation there is nothing to restore, and the saved start positions are
    // stale: restoring them would overwrite cylinder positions edited since.
    const bool simulando = estado.modo == MODO_SIMULACAO;
    estado.modo = MODO_EDICAO;
    TControles &k = estado.controles;
    habilitar_edicao(k, true);
    k.TBiniciar = k.iniciar = true;
    k.TBiniciar_baixo = false;
    k.TBparar = k.parar = false;
    k.TBpausar = k.pausar = true;
    k.TBpausar_baixo = false;
    if (!simulando)
        return;
    estado.historico.limpar();

    TPasso_Simulacao(estado).executar(TEtapa_Simulacao::parada);
    // A run leaves the document as it found it, so that it makes no step of the undo history:
    // rollers held at rest are held again at once, and whatever the restoring above does not
    // bring back exactly (a wire re-routed while its valve switched) comes from the circuit
    // the start kept.
    AtualizarAcionadores(estado);
    estado.acionadores_atualizados = true;
    if (Conteudo_Instantaneo(estado) != estado.circuito_partida) {
        restaurar_partida(estado);
        estado.acionadores_atualizados = false;
    }
    estado.circuito_partida.clear();
}

void iniciarClick(TEstado &estado)
{
    estado.controles.TBiniciar_baixo = true;
    TBiniciarClick(estado);
}

void pausarClick(TEstado &estado)
{
    estado.controles.TBpausar_baixo = true;
    TBpausarClick(estado);
}

void pararClick(TEstado &estado) { TBpararClick(estado); }

void unicopassoClick(TEstado &estado)
{
    if (estado.modo == MODO_SIMULACAO && estado.controles.TBiniciar_baixo) {
        pausarClick(estado);
        return;
    }
    if (estado.modo != MODO_SIMULACAO) {
        iniciarClick(estado);
        pausarClick(estado);
    }
    // The step runs only while the start button is down: it is held down for this one step.
    estado.controles.TBiniciar_baixo = true;
    Atualizar_Sistema(estado);
    estado.controles.TBiniciar_baixo = false;
    estado.acionadores_atualizados = false;
}

bool Definir_Intervalo_Passo(TEstado &estado, int intervalo)
{
    if (intervalo != INTERVALO_LENTO && intervalo != INTERVALO_NORMAL && intervalo != INTERVALO_RAPIDO)
        return false;
    estado.intervalo_passo = intervalo;
    return true;
}

void Timer1Timer(TEstado &estado, const TApresentacaoSimulacao &apresentacao)
{
    estado.tempo_acumulado += PERIODO_TIMER;
    if (estado.modo == MODO_SIMULACAO) {
        if (estado.tempo_acumulado >= estado.intervalo_passo) {
            Atualizar_Sistema(estado); // does nothing while paused
            estado.acionadores_atualizados = false;
        }
    } else if (!estado.acionadores_atualizados) {
        AtualizarAcionadores(estado);
        estado.acionadores_atualizados = true;
    }
    if (apresentacao.desenhar)
        apresentacao.desenhar();
    if (apresentacao.definir_titulo)
        apresentacao.definir_titulo(QStringLiteral("Área de Trabalho") + estado.nome_documento);
    if (apresentacao.atualizar_cursor)
        apresentacao.atualizar_cursor();
    if (!estado.aviso_simulacao.isEmpty() && apresentacao.avisar) {
        const QString aviso = estado.aviso_simulacao;
        estado.aviso_simulacao.clear();
        apresentacao.avisar(aviso);
    }
    if (estado.tempo_acumulado >= estado.intervalo_passo)
        estado.tempo_acumulado = 0;
}

bool Relogio_Pode_Dormir(const TEstado &estado)
{
    if (estado.modo == MODO_SIMULACAO ? estado.controles.TBiniciar_baixo : !estado.acionadores_atualizados)
        return false;
    if (!estado.aviso_simulacao.isEmpty())
        return false;
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].familia().desenho_pendente(lista[i]))
            return false;
    return true;
}

// Valves go back to rest; then a pin or roller held down by a cylinder standing on its label
// shows the valve one position to the left while editing (a trigger only acts in motion). Each
// label a cylinder stands on presses once, so the presses are counted per text first: a valve
// is then laid out once per position it moves, however many cylinders share its label.
void AtualizarAcionadores(TEstado &estado)
{
    ++estado.revisao_simulacao;
    TPasso_Simulacao repouso(estado);
    repouso.executar(TEtapa_Simulacao::repouso);
    repouso.executar(TEtapa_Simulacao::roletes);
}

bool Acionar_Lado(TComponente &c, bool dir) { return c.familia().acionar(c, dir); }

// Every kind answers a press on the bands beside its box; only actuators act on it. A push
// button or selector switch is pressed from anywhere in its box too, once a click.
void Pressionar_Acionador(TEstado &estado, int x, int y)
{
    if (estado.modo != MODO_SIMULACAO)
        return;
    const TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        const bool na_altura = y >= c.topo && y <= c.baixo;
        const bool faixa_esq = na_altura && x >= std::int64_t(c.esquerda) - 20 && x <= c.esquerda;
        const bool faixa_dir = na_altura && x >= c.direita && x <= std::int64_t(c.direita) + 20;
        const TFamilia_Eletrica *eletrica = c.familia().eletrica();
        if (eletrica && eletrica->clicavel(c)) {
            if (faixa_esq || faixa_dir || (na_altura && x > c.esquerda && x < c.direita))
                eletrica->pressionar(c);
            continue;
        }
        if (faixa_esq && Acionar_Lado(c, false))
            continue;
        if (faixa_dir)
            Acionar_Lado(c, true);
    }
}

void Soltar_Acionadores(TEstado &estado, bool somente_shift)
{
    // Shift alone keeps push buttons applied across the release.
    if (estado.modo != MODO_SIMULACAO || somente_shift)
        return;
    TPasso_Simulacao(estado).executar(TEtapa_Simulacao::soltura);
}

} // namespace zefira
