#include "simulacao/percurso.h"

#include "simulacao/calculo_fuzzy.h"
#include "simulacao/forca_teorica.h"

#include <algorithm>
#include <iterator>

namespace zefira {

namespace {

struct Rota {
    int numero_vias;
    int simbolo;
    int entrada;
    TSaidas saidas;
};

// Exits per square symbol and entry port. The closed squares (2, 3, 8, 14) and pairs not
// listed route nothing; a symbol that does not belong to the valve's ways routes nothing.
const Rota ROTAS[] = {
    {2, 1, 1, {1, {2, -1}}},  {2, 1, 2, {1, {1, -1}}},

    {3, 4, 1, {1, {2, -1}}},  {3, 4, 2, {1, {1, -1}}},
    {3, 5, 2, {1, {3, -1}}},  {3, 5, 3, {1, {2, -1}}},

    {4, 6, 2, {2, {4, 3}}},   {4, 6, 3, {2, {2, 4}}},   {4, 6, 4, {2, {2, 3}}},
    {4, 7, 1, {2, {2, 4}}},   {4, 7, 2, {2, {1, 4}}},   {4, 7, 4, {2, {1, 2}}},
    {4, 9, 1, {1, {3, -1}}},  {4, 9, 3, {1, {1, -1}}},
    {4, 10, 1, {1, {2, -1}}}, {4, 10, 2, {1, {1, -1}}}, {4, 10, 3, {1, {4, -1}}}, {4, 10, 4, {1, {3, -1}}},
    {4, 11, 1, {1, {4, -1}}}, {4, 11, 2, {1, {3, -1}}}, {4, 11, 3, {1, {2, -1}}}, {4, 11, 4, {1, {1, -1}}},

    {5, 12, 2, {1, {3, -1}}}, {5, 12, 3, {1, {2, -1}}}, {5, 12, 4, {1, {5, -1}}}, {5, 12, 5, {1, {4, -1}}},
    // Entered at 2 or 4 the pressurised-centre 5-way square leads back to the supply only.
    {5, 13, 1, {2, {2, 4}}},  {5, 13, 2, {1, {1, -1}}}, {5, 13, 4, {1, {1, -1}}},
    {5, 15, 1, {1, {2, -1}}}, {5, 15, 2, {1, {1, -1}}}, {5, 15, 4, {1, {5, -1}}}, {5, 15, 5, {1, {4, -1}}},
    {5, 16, 1, {1, {4, -1}}}, {5, 16, 2, {1, {3, -1}}}, {5, 16, 3, {1, {2, -1}}}, {5, 16, 4, {1, {1, -1}}},
};

int64_t chave(const Tno &no) { return (int64_t(no.componente) << 32) | uint32_t(no.porta); }

} // namespace

TSaidas Saidas_Valvula(int numero_vias, int simbolo, int entrada)
{
    for (const Rota &r : ROTAS)
        if (r.numero_vias == numero_vias && r.simbolo == simbolo && r.entrada == entrada)
            return r.saidas;
    return {};
}

TPercurso::TPercurso(TEstado &estado) : estado_(estado)
{
    const TLista_Componente &lista = estado.lista();
    por_codigo_.reserve(size_t(lista.numero_componentes()));
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        por_codigo_.emplace(c.codigo, &c); // the first of duplicated codes wins, as in procurar
        if (c.tipo == TIPO_VALVULA_DIRECIONAL && c.valvula_direcional &&
            !c.valvula_direcional->rotulo.trimmed().isEmpty()) {
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
    const bool juncao = c && c->tipo == TIPO_JUMP;
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

TPercurso::Passo TPercurso::retornar(bool r)
{
    Passo p;
    p.resultado = r;
    return p;
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

TPercurso::Passo TPercurso::um_filho(Quadro &f, int componente, int porta)
{
    f.plano = Plano::unico;
    f.etapa = 1;
    Passo p;
    p.filho = criar_filho(f.no, componente, porta);
    return p;
}

TPercurso::Passo TPercurso::sequencia(Quadro &f, int componente, const int *portas, int quantidade, Plano plano)
{
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

TPercurso::Passo TPercurso::sair_para_fio(Quadro &f, const TComponente &c, TComponente &fio, Plano plano)
{
    fio.fio->pressao = f.no->pressao;
    // Entered at the destination end, the walk leaves by the origin end (1), and vice versa.
    const int porta = fio.fio->conexao_destino == c.codigo ? 1 : 0;
    f.plano = plano;
    f.etapa = 1;
    f.fio = fio.fio.get();
    Passo p;
    p.filho = criar_filho(f.no, fio.codigo, porta);
    return p;
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
    case Plano::chegada: return continuar_chegada(f, r);
    }
    return retornar(false);
}

// --- dispatch on the kind of the node's component ----------------------------------------

TPercurso::Passo TPercurso::despachar(Quadro &f)
{
    Tno &n = *f.no;
    TComponente *c = procurar(n.componente);
    if (!c)
        return retornar(false); // a code that names nothing ends the path
    switch (c->tipo) {
    case TIPO_VALVULA_DIRECIONAL: {
        const int ligado = c->conexao(n.porta);
        if (ligado == LIVRE)
            return retornar(true); // an open port vents
        TComponente *x = procurar(ligado);
        if (!x)
            return retornar(false);
        if (x->tipo == TIPO_FIO)
            return sair_para_fio(f, *c, *x, Plano::unico);
        return retornar(true);
    }
    case TIPO_CILINDRO: {
        const int ligado = c->conexao(n.porta);
        if (ligado == LIVRE)
            return retornar(true);
        TComponente *x = procurar(ligado);
        if (!x)
            return retornar(false);
        if (x->tipo == TIPO_TOMADA_AR)
            return retornar(true);
        if (x->tipo == TIPO_FIO)
            return sair_para_fio(f, *c, *x, Plano::fio_cilindro);
        if (x->tipo == TIPO_E_OU_ESC_REG && x->valvula_e_ou_esc_reg->estado() == 1)
            return um_filho(f, x->codigo, 2); // a regulator docked on the port
        return retornar(false);
    }
    case TIPO_FIO: {
        const TFio &w = *c->fio;
        const bool para_destino = n.porta == 0;
        const int longe = para_destino ? w.conexao_destino : w.conexao_origem;
        const int q = para_destino ? w.pino_destino : w.pino_origem;
        if (longe == LIVRE)
            return retornar(false); // a loose wire end is closed
        TComponente *x = procurar(longe);
        if (!x)
            return retornar(false);
        switch (x->tipo) {
        case TIPO_VALVULA_DIRECIONAL: return entrar_valvula(f, *x, q);
        case TIPO_CILINDRO: return iniciar_chegada(f, *x, q);
        case TIPO_E_OU_ESC_REG: return entrar_e_ou(f, *x, q);
        case TIPO_JUMP: {
            if (q < 1 || q > 4)
                return retornar(false);
            int outras[3], k = 0;
            for (int p = 1; p <= 4; ++p)
                if (p != q)
                    outras[k++] = p;
            return sequencia(f, x->codigo, outras, 3, Plano::todos);
        }
        default: return retornar(false);
        }
    }
    case TIPO_E_OU_ESC_REG: {
        const int ligado = c->conexao(n.porta);
        if (ligado == LIVRE)
            return retornar(true);
        TComponente *x = procurar(ligado);
        if (!x)
            return retornar(false);
        const TValvula_E_OU_ESC_REG &e = *c->valvula_e_ou_esc_reg;
        if (e.pino == -1 || n.porta != 1) {
            if (x->tipo == TIPO_FIO)
                return sair_para_fio(f, *c, *x, Plano::unico);
            return retornar(false);
        }
        // A regulator docked on a cylinder port feeds the cylinder directly.
        if (x->tipo == TIPO_CILINDRO)
            return iniciar_chegada(f, *x, e.pino);
        return retornar(false);
    }
    case TIPO_JUMP: {
        const int ligado = c->conexao(n.porta);
        if (ligado == LIVRE)
            return retornar(false); // an open junction port does not vent
        TComponente *x = procurar(ligado);
        if (x && x->tipo == TIPO_FIO)
            return sair_para_fio(f, *c, *x, Plano::unico);
        return retornar(false);
    }
    default: return retornar(false); // air supplies and anything unknown
    }
}

TPercurso::Passo TPercurso::entrar_valvula(Quadro &f, TComponente &componente, int q)
{
    TValvula_Direcional &v = *componente.valvula_direcional;
    // Pilot ports take the signal (exhaust probes included) and lead nowhere.
    if (q == 6) {
        v.acionado_esq = true;
        alterar(v);
        return retornar(false);
    }
    if (q == 7) {
        v.acionado_dir = true;
        return retornar(false);
    }
    const TParte *parte = v.parte(v.posicao_atual);
    if (!parte)
        return retornar(false);
    const TSaidas s = Saidas_Valvula(v.numero_vias, parte->tipo(), q);
    if (s.quantidade == 0)
        return retornar(false);
    if (s.quantidade == 1)
        return um_filho(f, componente.codigo, s.porta[0]);
    return sequencia(f, componente.codigo, s.porta, 2, Plano::ate_verdadeiro);
}

TPercurso::Passo TPercurso::entrar_e_ou(Quadro &f, TComponente &componente, int q)
{
    TValvula_E_OU_ESC_REG &e = *componente.valvula_e_ou_esc_reg;
    const int codigo = componente.codigo;
    // Only walks that carry supply pressure switch the AND/OR symbol.
    auto mudar_estado = [&](int estado) {
        if (pressurizando_ && e.estado() != estado)
            e.definir_estado(estado);
    };
    switch (e.tipo()) {
    case EOU_E:
        if (q == 1 || q == 3) {
            const bool direita = q == 3;
            e.definir_entrada(direita, true);
            mudar_estado(direita ? 3 : 2);
            if (!e.entrada(!direita))
                return retornar(false);
            mudar_estado(1);
            return um_filho(f, codigo, 2);
        }
        if (q == 2) {
            // Flow arriving backwards at the output goes back to the inputs that fed it.
            if (e.estado() == 1) {
                const int portas[2] = {3, 1};
                return sequencia(f, codigo, portas, 2, Plano::todos);
            }
            if (e.estado() == 2)
                return um_filho(f, codigo, 3);
            if (e.estado() == 3)
                return um_filho(f, codigo, 1);
        }
        return retornar(false);
    case EOU_OU:
        if (q == 1) {
            mudar_estado(2);
            e.entrada_esq = true;
            return um_filho(f, codigo, 2);
        }
        if (q == 3) {
            mudar_estado(1);
            e.entrada_dir = true;
            return um_filho(f, codigo, 2);
        }
        if (q == 2 && e.estado() == 1)
            return um_filho(f, codigo, 3);
        if (q == 2 && e.estado() == 2)
            return um_filho(f, codigo, 1);
        return retornar(false);
    case EOU_REGULADORA: {
        if (q != 1 && q != 2)
            return retornar(false);
        const bool de_1 = q == 1;
        e.definir_entrada(de_1, true); // arriving at 1 marks entrada_dir, at 2 entrada_esq
        Tno *filho = criar_filho(f.no, codigo, de_1 ? 2 : 1);
        // The regulated direction is 1 -> 2 in estado 1 and 2 -> 1 in estado 2.
        if (e.estado() == (de_1 ? 1 : 2) && e.vazao < f.no->vazao) {
            estado_.vazao_minima = e.vazao;
            filho->vazao = e.vazao;
        }
        f.plano = Plano::unico;
        f.etapa = 1;
        Passo p;
        p.filho = filho;
        return p;
    }
    default: return retornar(false); // a quick-exhaust valve ends the path
    }
}

// --- cylinders -------------------------------------------------------------------------

TPercurso::Passo TPercurso::iniciar_chegada(Quadro &f, TComponente &componente, int q)
{
    if (q != 1 && q != 2)
        return retornar(false);
    TCilindro &c = *componente.cilindro;
    const bool avancar = q == 1;
    f.plano = Plano::chegada;
    f.cilindro = &componente;
    f.q = q;
    f.vazao_entrada = f.no->vazao;
    c.marcado = false;
    (avancar ? c.pressurizado_1 : c.pressurizado_2) = true;
    if (avancar ? c.pressurizado_2 : c.pressurizado_1) {
        // Both chambers under pressure: nothing moves.
        Atualizar_Contatos(c, TFormaContato::movido);
        return retornar(false);
    }
    Tno *filho = criar_filho(f.no, componente.codigo, avancar ? 2 : 1);
    f.filhos[0] = filho;
    if (avancar ? c.posicao >= 100 : c.posicao <= 0) {
        Atualizar_Contatos(c, TFormaContato::movido);
        return retornar(false);
    }
    // The tentative step takes a cylinder off the label it stands on before the search.
    c.posicao += avancar ? 1 : -1;
    estado_.vazao_minima = f.no->vazao;
    f.etapa = 1;
    Passo p;
    p.filho = filho; // the exhaust probe of the other chamber
    return p;
}

TPercurso::Passo TPercurso::continuar_chegada(Quadro &f, bool r)
{
    TCilindro &c = *f.cilindro->cilindro;
    Tno *filho = f.filhos[0];
    const bool avancar = f.q == 1;
    if (f.etapa == 1) {
        // The smallest regulated flow on the exhaust path governs the force.
        if (estado_.vazao_minima < f.vazao_entrada)
            filho->vazao = estado_.vazao_minima;
        if (r && (avancar ? c.posicao < 100 : c.posicao > 0)) {
            c.posicao = ProcurarProximaPosicao(c, avancar, filho->vazao, filho->pressao);
            Atualizar_Contatos(c, TFormaContato::movido);
            return retornar(r);
        }
        // Undo, and walk the probe's path again without pressure to clear its wires.
        c.posicao -= avancar ? 1 : -1;
        filho->pressao = 0;
        filho->vazao = 0;
        f.resultado = r;
        f.etapa = 2;
        Passo p;
        p.filho = filho;
        p.reabrir = true;
        return p;
    }
    Atualizar_Contatos(c, TFormaContato::movido);
    return retornar(f.resultado);
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
