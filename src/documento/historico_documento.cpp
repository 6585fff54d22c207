#include "documento/historico_documento.h"

#include "documento/arquivo_circuito.h"
#include "documento/leitor_circuito.h"

#include <algorithm>

namespace zefira {

namespace {

std::vector<int> codigos_selecionados(const TLista_Componente &lista)
{
    std::vector<int> codigos;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].selecionado())
            codigos.push_back(lista[i].codigo);
    return codigos;
}

void atualizar_modificado(TEstado &estado) { estado.modificado = !estado.historico_edicao.limpo(); }

// The Fuzzy box of the supply and regulator dialogs is how their value is entered, taken at once
// and kept by Cancelar; no file stores it. Undo and redo take values back but leave the box as
// the user left it on every component still there; one that comes back gets it from the
// snapshot, which follows the live circuit whenever the history is at rest.
bool *fuzzy(TComponente &c)
{
    if (c.tomada_ar)
        return &c.tomada_ar->fuzzy;
    return c.valvula_e_ou_esc_reg ? &c.valvula_e_ou_esc_reg->fuzzy : nullptr;
}

std::vector<int> codigos_fuzzy(const TLista_Componente &lista)
{
    std::vector<int> codigos;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (const bool *f = fuzzy(lista[i]); f && *f)
            codigos.push_back(lista[i].codigo);
    return codigos;
}

std::vector<int> codigos_acionados(const TLista_Componente &lista)
{
    std::vector<int> codigos;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (lista[i].valvula_direcional && lista[i].valvula_direcional->acionado_esq)
            codigos.push_back(lista[i].codigo);
    return codigos;
}

// What the file does not keep, as the live circuit has it now.
void anotar_fora_do_arquivo(const TEstado &estado, TInstantaneo &i)
{
    i.fuzzy = codigos_fuzzy(*estado.lista_componentes);
    i.acionados = codigos_acionados(*estado.lista_componentes);
    i.acionados_pendentes = !estado.acionadores_atualizados;
}

bool contem(const std::vector<int> &codigos, int codigo)
{
    return std::find(codigos.begin(), codigos.end(), codigo) != codigos.end();
}

} // namespace

TInstantaneo Instantaneo_Documento(const TEstado &estado)
{
    TInstantaneo i;
    i.circuito = Conteudo_Instantaneo(estado);
    i.selecionados = codigos_selecionados(*estado.lista_componentes);
    anotar_fora_do_arquivo(estado, i);
    return i;
}

void Restaurar_Instantaneo(TEstado &estado, const TInstantaneo &instantaneo)
{
    const std::unique_ptr<TLista_Componente> anterior = std::move(estado.lista_componentes);
    estado.lista_componentes = std::make_unique<TLista_Componente>(estado.imagens);
    estado.observacoes.clear();
    TLeitor_Circuito(estado, instantaneo.circuito).ler();
    TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        bool *f = fuzzy(lista[i]);
        if (!f)
            continue;
        TComponente *vivo = anterior ? anterior->procurar(lista[i].codigo) : nullptr;
        const bool *antes = vivo && vivo->tipo == lista[i].tipo ? fuzzy(*vivo) : nullptr;
        *f = antes ? *antes : contem(instantaneo.fuzzy, lista[i].codigo);
    }
    // Held rollers belong to the snapshot's positions; worked out again when it never knew them.
    if (instantaneo.acionados_pendentes)
        estado.acionadores_atualizados = false;
    else
        for (int codigo : instantaneo.acionados)
            if (TComponente *v = lista.procurar(codigo); v && v->valvula_direcional)
                v->valvula_direcional->acionado_esq = true;
    int selecionados = 0;
    for (int codigo : instantaneo.selecionados)
        if (TComponente *c = lista.procurar(codigo)) {
            c->selecionar();
            ++selecionados;
        }
    estado.numero_selecionados = selecionados;
    // Nothing may point into the list just replaced.
    estado.componente_atual = estado.componente_nulo;
    estado.indice_arrasto = -1;
    estado.selecionando = false;
    estado.segmento_destacado = TSegmento();
    estado.mostrar_cruz = false;
    estado.mostrar_mira = false;
}

void Iniciar_Historico(TEstado &estado)
{
    estado.historico_edicao.iniciar(Instantaneo_Documento(estado));
    if (estado.modificado)
        estado.historico_edicao.marcar_sujo();
}

bool Em_Repouso(const TEstado &estado)
{
    return estado.indice_arrasto == -1 && !estado.selecionando && estado.modo != MODO_FIO && estado.modo != MODO_SIMULACAO;
}

void Registrar_Edicao(TEstado &estado, const QString &nome)
{
    if (!Em_Repouso(estado))
        return;
    THistorico &h = estado.historico_edicao;
    TInstantaneo agora = Instantaneo_Documento(estado);
    if (!h.iniciado()) {
        h.iniciar(std::move(agora));
        if (estado.modificado)
            h.marcar_sujo();
        return;
    }
    std::vector<int> selecao = agora.selecionados;
    if (agora.circuito != h.atual().circuito) {
        agora.nome = nome;
        agora.selecionados_antes = std::move(h.selecao_repouso);
        h.registrar(std::move(agora));
    } else {
        // A Fuzzy box or a held roller alone changes no file: no step, but the snapshot keeps it.
        anotar_fora_do_arquivo(estado, h.atual());
    }
    h.selecao_repouso = std::move(selecao);
    atualizar_modificado(estado);
}

bool Pode_Desfazer(const TEstado &estado) { return Em_Repouso(estado) && estado.historico_edicao.pode_desfazer(); }

bool Pode_Refazer(const TEstado &estado) { return Em_Repouso(estado) && estado.historico_edicao.pode_refazer(); }

namespace {

// Leaves the current snapshot for the one `passo` returns. A change not yet recorded becomes a
// step of its own rather than being lost; the selection of the moment stays with the snapshot
// left, so coming back to it brings back exactly what the user had. Undoing a step brings back
// the selection from just before it.
void ir(TEstado &estado, bool desfazer)
{
    if (!Em_Repouso(estado))
        return;
    Registrar_Edicao(estado, QStringLiteral("editar"));
    THistorico &h = estado.historico_edicao;
    if (!h.iniciado() || !(desfazer ? h.pode_desfazer() : h.pode_refazer()))
        return;
    h.atual().selecionados = codigos_selecionados(*estado.lista_componentes);
    const std::vector<int> antes = h.atual().selecionados_antes;
    TInstantaneo destino = desfazer ? *h.desfazer() : *h.refazer();
    if (desfazer)
        destino.selecionados = antes;
    Restaurar_Instantaneo(estado, destino);
    anotar_fora_do_arquivo(estado, h.atual());
    h.selecao_repouso = destino.selecionados;
    atualizar_modificado(estado);
}

} // namespace

void Desfazer(TEstado &estado) { ir(estado, true); }

void Refazer(TEstado &estado) { ir(estado, false); }

QString Legenda_Desfazer(const TEstado &estado)
{
    const QString nome = estado.historico_edicao.nome_desfazer();
    return nome.isEmpty() ? QStringLiteral("&Desfazer") : QStringLiteral("&Desfazer ") + nome;
}

QString Legenda_Refazer(const TEstado &estado)
{
    const QString nome = estado.historico_edicao.nome_refazer();
    return nome.isEmpty() ? QStringLiteral("&Refazer") : QStringLiteral("&Refazer ") + nome;
}

} // namespace zefira
