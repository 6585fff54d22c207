#include "simulacao/percurso.h"

#include "simulacao/calculo_fuzzy.h"
#include "simulacao/forca_teorica.h"

#include <algorithm>
#include <iterator>

namespace zefira {

namespace {

int64_t chave(const Tno &no) { return (int64_t(no.componente) << 32) | uint32_t(no.porta); }

} // namespace

TPercurso::TPercurso(TEstado &estado) : estado_(estado)
{
    const TLista_Componente &lista = estado.lista();
    por_codigo_.reserve(size_t(lista.numero_componentes()));
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        por_codigo_.emplace(c.codigo, &c); // the first of duplicated codes wins, as in procurar
        if (c.valvula_direcional && !c.valvula_direcional->rotulo.trimmed().isEmpty()) {
            TValvula_Direcional &v = *c.valvula_direcional;
            por_rotulo_[v.rotulo].push_back(&c);
            // Only the left mechanical actuator is driven by labels.
            if (v.acao_mecanica(false) == 0)
                continue;
            auto g = grupo_por_rotulo_.find(v.rotulo);
            if (g == grupo_por_rotulo_.end()) {
                g = grupo_por_rotulo_.insert(v.rotulo, int(grupos_.size()));
                grupos_.emplace_back();
            }
            const int indice = int(contatos_.size());
            contatos_.push_back({&v, true});
            grupos_[size_t(*g)].contatos.push_back(indice);
            grupos_[size_t(*g)].alterados.push_back(indice);
            contato_da_valvula_.emplace(&v, indice);
        }
    }
    limite_nos = 8 * (int64_t(lista.numero_componentes()) + 128);
}

TComponente *TPercurso::procurar(int codigo) const
{
    auto it = por_codigo_.find(codigo);
    return it == por_codigo_.end() ? nullptr : it->second;
}

const std::vector<TComponente *> &TPercurso::valvulas_com_rotulo(const QString &texto) const
{
    static const std::vector<TComponente *> nenhuma;
    auto it = por_rotulo_.constFind(texto);
    return it == por_rotulo_.constEnd() ? nenhuma : it.value();
}

// --- the walk's driver -------------------------------------------------------------------
//
// The walk is depth first and its order matters (a second exit is tried only when the first
// is closed; the arrival rule acts on its probe's result). It runs on an explicit stack of
// frames, so a path of any length fits; each frame resumes where it asked for a child.

bool TPercurso::Montar_Lista(bool pressurizando, Tno *no)
{
    if (!no)
        return false;
    pressurizando_ = pressurizando;
    pilha_.clear();
    // Small walks follow one another by the thousand: keep the visited set's storage unless
    // a large walk left it oversized (clearing costs its bucket count).
    escopos_.resize(1);
    if (escopos_[0].bucket_count() > 4096)
        escopos_[0] = {};
    else
        escopos_[0].clear();
    na_pilha_.clear();
    nos_percorridos_ = 0;

    bool r = false;
    if (!entrar(no, false))
        return false;
    while (!pilha_.empty()) {
        Quadro &f = pilha_.back();
        const Passo passo = f.etapa == 0 ? despachar(f) : continuar(f, r);
        if (passo.filho) {
            // A refused child is a closed path; the frame resumes with false.
            r = false;
            entrar(passo.filho, passo.reabrir);
            continue;
        }
        r = passo.resultado;
        sair();
    }
    return r;
}

bool TPercurso::entrar(Tno *no, bool reabrir)
{
    if (nos_percorridos_ >= limite_nos)
        return false;
    // The zero-pressure re-walk must clear what its probe marked, so it may pass again where
    // the probe passed; it still may not loop into a frame that is being walked.
    if (reabrir)
        escopos_.emplace_back();
    const int64_t k = chave(*no);
    auto &escopo = escopos_.back();
    // A node on the current path closes a loop. Only junctions are also walked at most once:
    // a walk that meets a junction twice is going round a loop (a junction spreads to all of
    // its ports, back ones included), whereas other components may rightly be reached again
    // by a second branch, as an OR valve fed on both inputs is.
    const TComponente *c = procurar(no->componente);
    const bool juncao = c && c->familia().percorrer_uma_vez();
    if ((juncao && escopo.count(k)) || na_pilha_.count(k)) {
        if (reabrir)
            escopos_.pop_back();
        return false;
    }
    if (juncao)
        escopo.insert(k);
    ++na_pilha_[k];
    ++nos_percorridos_;
    Quadro f;
    f.no = no;
    f.chave = k;
    f.abre_escopo = reabrir;
    pilha_.push_back(f);
    return true;
}

void TPercurso::sair()
{
    const Quadro &f = pilha_.back();
    auto it = na_pilha_.find(f.chave);
    if (--it->second == 0)
        na_pilha_.erase(it);
    if (f.abre_escopo) {
        std::unordered_set<int64_t> interno = std::move(escopos_.back());
        escopos_.pop_back();
        escopos_.back().insert(interno.begin(), interno.end());
    }
    pilha_.pop_back();
}

Tno *TPercurso::criar_filho(Tno *no, int componente, int porta)
{
    auto novo = std::make_unique<Tno>(no);
    novo->componente = componente;
    novo->porta = porta;
    novo->pressao = no->pressao;
    novo->vazao = no->vazao;
    for (int i = 1; i <= 3; ++i) {
        if (!no->proximo[i]) {
            no->proximo[i] = novo.get();
            break;
        }
    }
    return estado_.lista_nos->adicionar(std::move(novo));
}

TPercurso::Passo TPercurso::continuar(Quadro &f, bool r)
{
    switch (f.plano) {
    case Plano::unico: return retornar(r);
    case Plano::fio_cilindro:
        if (!r)
            f.fio->pressao = 0;
        return retornar(r);
    case Plano::ate_verdadeiro:
    case Plano::todos: {
        if (f.indice > 0) {
            f.resultado = f.resultado || r;
            if (r && f.plano == Plano::ate_verdadeiro)
                return retornar(true);
        }
        if (f.indice >= f.quantidade)
            return retornar(f.resultado);
        Passo p;
        p.filho = f.criar_antes ? f.filhos[f.indice] : criar_filho(f.no, f.componente_filhos, f.portas[f.indice]);
        ++f.indice;
        return p;
    }
    case Plano::continuacao: return f.depois(*this, r);
    }
    return retornar(false);
}

// The node's component decides; a code that names nothing ends the path.
TPercurso::Passo TPercurso::despachar(Quadro &f)
{
    TComponente *c = procurar(f.no->componente);
    if (!c)
        return retornar(false);
    return c->familia().sair(*this, *c, f.no->porta);
}

// --- the frame's next step, as the families' hooks ask for it ------------------------------

TPercurso::Passo TPercurso::seguir(Tno *filho)
{
    Quadro &f = pilha_.back();
    f.plano = Plano::unico;
    f.etapa = 1;
    Passo p;
    p.filho = filho;
    return p;
}

TPercurso::Passo TPercurso::seguir_todas(int componente, const int *portas, int quantidade)
{
    return sequencia(componente, portas, quantidade, Plano::todos);
}

TPercurso::Passo TPercurso::seguir_ate_abrir(int componente, const int *portas, int quantidade)
{
    return sequencia(componente, portas, quantidade, Plano::ate_verdadeiro);
}

TPercurso::Passo TPercurso::sequencia(int componente, const int *portas, int quantidade, Plano plano)
{
    Quadro &f = pilha_.back();
    f.plano = plano;
    f.etapa = 1;
    f.quantidade = quantidade;
    f.indice = 0;
    f.componente_filhos = componente;
    std::copy(portas, portas + quantidade, f.portas);
    // Two valve exits are both created before either is walked; a junction's and an AND's
    // continuations are created as each is walked.
    f.criar_antes = plano == Plano::ate_verdadeiro;
    if (f.criar_antes)
        for (int i = 0; i < quantidade; ++i)
            f.filhos[i] = criar_filho(f.no, componente, portas[i]);
    return continuar(f, false);
}

TPercurso::Passo TPercurso::sair_para_fio(const TComponente &c, TComponente &fio, bool limpar_se_fechado)
{
    Quadro &f = pilha_.back();
    fio.fio->pressao = f.no->pressao;
    // Entered at the destination end, the walk leaves by the origin end (1), and vice versa.
    const int porta = fio.fio->conexao_destino == c.codigo ? 1 : 0;
    f.plano = limpar_se_fechado ? Plano::fio_cilindro : Plano::unico;
    f.etapa = 1;
    f.fio = fio.fio.get();
    Passo p;
    p.filho = criar_filho(f.no, fio.codigo, porta);
    return p;
}

TPercurso::Passo TPercurso::aguardar(Tno *filho, bool reabrir, TContinuacao depois)
{
    Quadro &f = pilha_.back();
    f.plano = Plano::continuacao;
    f.etapa = 1;
    f.depois = depois;
    Passo p;
    p.filho = filho;
    p.reabrir = reabrir;
    return p;
}

int TPercurso::proxima_posicao(TCilindro &c, bool avancar, int vazao, int pressao)
{
    return ProcurarProximaPosicao(c, avancar, vazao, pressao);
}

int TPercurso::ProcurarProximaPosicao(TCilindro &c, bool avancar, int vazao, int pressao)
{
    c.forca = Calculo_Fuzzy(saturar(std::int64_t(pressao) * 10), R(vazao / 20.0));
    c.forca_teorica = Forca_Teorica(c.tipo(), c.pistao, c.haste, pressao, avancar);
    c.marcado = true;

    const int passo = avancar ? 1 : -1;
    int posicoes[NUMERO_ROTULOS];
    for (int i = 1; i <= NUMERO_ROTULOS; ++i) {
        const TRotulo r = c.rotulo(i);
        posicoes[i - 1] = r.posicao;
        if (r.posicao == c.posicao && !valvulas_com_rotulo(r.texto).empty())
            return saturar(std::int64_t(c.posicao) + passo); // leave the contact by one millimetre
    }
    // Every label strictly inside the stroke is a stop, whether or not a valve refers to it;
    // without one the rod runs to the end (100 or 0). The stop is found directly, so a position
    // stored far outside the stroke costs no more than one inside it.
    const std::int64_t inicio = std::int64_t(c.posicao) + passo;
    if (avancar) {
        std::int64_t parada = std::max<std::int64_t>(inicio, 100);
        for (const int p : posicoes)
            if (p >= inicio && p < 100)
                parada = std::min<std::int64_t>(parada, p);
        return saturar(parada);
    }
    std::int64_t parada = std::min<std::int64_t>(inicio, 0);
    for (const int p : posicoes)
        if (p <= inicio && p > 0)
            parada = std::max<std::int64_t>(parada, p);
    return saturar(parada);
}

} // namespace zefira
