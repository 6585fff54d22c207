#include "simulacao/circuito_eletrico.h"

#include "componentes/eletrico/familia_eletrica.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <algorithm>
#include <numeric>
#include <queue>

namespace zefira {

namespace {

constexpr int POSITIVO = 0, NEGATIVO = 1;

} // namespace

TCircuito_Eletrico::TCircuito_Eletrico(const TLista_Componente &lista, std::function<bool(const QString &)> alcancado)
    : lista_(lista), alcancado_(std::move(alcancado))
{
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        const TFamilia_Eletrica *f = c.familia().eletrica();
        if (!f)
            continue;
        indice_.insert(c.codigo, int(registros_.size()));
        if (f->papel() == TFamilia_Eletrica::TPapel::comando && !comandos_.contains(Chave_Tag(c.eletrico->tag)))
            comandos_.insert(Chave_Tag(c.eletrico->tag), int(registros_.size()));
        registros_.push_back({&c, f, nos_, {-1, -1}});
        nos_ += f->numero_portas();
    }
    if (registros_.empty())
        return;
    // A conductor joins two electrical ports; one that ends on a pneumatic port carries nothing.
    auto no = [this](int codigo, int porta) {
        auto it = indice_.constFind(codigo);
        if (it == indice_.constEnd())
            return -1;
        const Registro &r = registros_[size_t(*it)];
        if (porta < 1 || porta > r.familia->numero_portas() || r.familia->dominio(porta) != TDominio::eletrico)
            return -1;
        return r.primeiro_no + porta - 1;
    };
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        if (!c.e_fio() || !c.fio)
            continue;
        const int a = no(c.fio->conexao(true), c.fio->pino(true)), b = no(c.fio->conexao(false), c.fio->pino(false));
        if (a >= 0 && b >= 0) {
            condutores_.push_back({a, b});
            fios_.push_back(&c);
        }
    }
}

int TCircuito_Eletrico::raiz(int no)
{
    while (pai_[size_t(no)] != no) {
        pai_[size_t(no)] = pai_[size_t(pai_[size_t(no)])];
        no = pai_[size_t(no)];
    }
    return no;
}

void TCircuito_Eletrico::unir(int a, int b, int registro)
{
    ligacoes_.push_back({a, b, registro});
    const int ra = raiz(a), rb = raiz(b);
    if (ra != rb)
        pai_[size_t(ra)] = rb;
}

void TCircuito_Eletrico::fonte(int porta, bool positivo)
{
    const Registro &r = registros_[size_t(atual_)];
    unir(r.primeiro_no + porta - 1, positivo ? POSITIVO : NEGATIVO, atual_);
}

void TCircuito_Eletrico::ligar(int porta_a, int porta_b)
{
    const Registro &r = registros_[size_t(atual_)];
    unir(r.primeiro_no + porta_a - 1, r.primeiro_no + porta_b - 1, atual_);
}

void TCircuito_Eletrico::carga(int porta_a, int porta_b)
{
    Registro &r = registros_[size_t(atual_)];
    const int k = r.cargas[0] < 0 ? 0 : 1;
    r.cargas[k] = int(cargas_.size());
    cargas_.push_back({r.primeiro_no + porta_a - 1, r.primeiro_no + porta_b - 1});
}

bool TCircuito_Eletrico::saida(const QString &tag) const
{
    auto procurar = [this](const QString &t) {
        auto it = comandos_.constFind(Chave_Tag(t));
        return it == comandos_.constEnd() ? -1 : *it;
    };
    int k;
    if (atual_ >= 0 && atual_ < int(registros_.size())) {
        const Registro &r = registros_[size_t(atual_)];
        if (r.comando == -2 || r.tag_comando != tag) {
            r.comando = procurar(tag);
            r.tag_comando = tag;
        }
        k = r.comando;
    } else {
        k = procurar(tag);
    }
    return k >= 0 && registros_[size_t(k)].componente->eletrico->saida;
}

bool TCircuito_Eletrico::rotulo_alcancado(const QString &rotulo) const { return alcancado_ && alcancado_(rotulo); }

bool TCircuito_Eletrico::pressurizada(const TComponente &c, int porta) const
{
    const int codigo = c.conexao(porta);
    const TComponente *fio = codigo == -1 ? nullptr : lista_.procurar(codigo);
    return fio && fio->e_fio() && fio->fio->pressao > 0;
}

bool TCircuito_Eletrico::energizada(int carga) const
{
    const int k = carga >= 0 && carga < 2 ? registros_[size_t(atual_)].cargas[carga] : -1;
    return k >= 0 && energizadas_[size_t(k)];
}

// One description of the whole circuit as it stands: the nodes each closed link joins.
void TCircuito_Eletrico::rodada()
{
    pai_.resize(size_t(nos_));
    std::iota(pai_.begin(), pai_.end(), 0);
    cargas_.clear();
    ligacoes_.clear();
    for (const auto &[a, b] : condutores_)
        unir(a, b, -1);
    for (atual_ = 0; atual_ < int(registros_.size()); ++atual_) {
        Registro &r = registros_[size_t(atual_)];
        r.cargas[0] = r.cargas[1] = -1;
        r.familia->conduzir(*this, *r.componente);
    }
}

QString TCircuito_Eletrico::resolver()
{
    if (registros_.empty())
        return QString();
    // A short circuit leaves everything as the step found it.
    std::vector<TEletrico::TExecucao> antes;
    antes.reserve(registros_.size());
    for (Registro &r : registros_) {
        r.componente->eletrico->mudou = false;
        antes.push_back(r.componente->eletrico->execucao());
    }
    // Every round but the last changes at least one output, and each changes once a step.
    const int rodadas = int(registros_.size()) + 2;
    for (int k = 0; k < rodadas; ++k) {
        rodada();
        if (raiz(POSITIVO) == raiz(NEGATIVO)) {
            for (size_t i = 0; i < registros_.size(); ++i)
                registros_[i].componente->eletrico->restaurar(antes[i]);
            return curto_circuito();
        }
        const int mais = raiz(POSITIVO), menos = raiz(NEGATIVO);
        energizadas_.assign(cargas_.size(), 0);
        for (size_t i = 0; i < cargas_.size(); ++i) {
            const int a = raiz(cargas_[i].a), b = raiz(cargas_[i].b);
            energizadas_[i] = (a == mais && b == menos) || (a == menos && b == mais);
        }
        bool mudou = false;
        for (atual_ = 0; atual_ < int(registros_.size()); ++atual_) {
            Registro &r = registros_[size_t(atual_)];
            mudou |= r.familia->responder(*this, *r.componente);
        }
        if (!mudou)
            break;
    }
    marcar_condutores();
    solenoides_.clear();
    for (const Registro &r : registros_) {
        r.familia->fechar_passo(*r.componente);
        if (r.familia->papel() == TFamilia_Eletrica::TPapel::solenoide && r.componente->eletrico->energizada[0])
            solenoides_.insert(Chave_Tag(r.componente->eletrico->tag));
    }
    return QString();
}

// Current runs along an edge exactly when the edge lies on a cycle with a closing edge from 0 V
// back to +24 V, that is, in the same biconnected block as that edge. The edges are the last
// round's closed links (conductors first, in the order of fios_) and its energised loads; one
// depth-first search from +24 V (Tarjan's blocks, iterative: a long chain must not exhaust the
// stack) finds the block.
void TCircuito_Eletrico::marcar_condutores()
{
    for (TComponente *f : fios_)
        f->fio->corrente = false;
    std::vector<std::pair<int, int>> arestas;
    arestas.reserve(ligacoes_.size() + cargas_.size() + 1);
    for (const Ligacao &l : ligacoes_)
        arestas.push_back({l.a, l.b});
    for (size_t i = 0; i < cargas_.size(); ++i)
        if (energizadas_[i])
            arestas.push_back({cargas_[i].a, cargas_[i].b});
    const size_t fechamento = arestas.size();
    arestas.push_back({NEGATIVO, POSITIVO});
    const size_t n = size_t(nos_);
    std::vector<std::vector<size_t>> vizinhos(n);
    for (size_t i = 0; i < arestas.size(); ++i)
        if (arestas[i].first != arestas[i].second) {
            vizinhos[size_t(arestas[i].first)].push_back(i);
            vizinhos[size_t(arestas[i].second)].push_back(i);
        }
    struct Quadro {
        int no;
        size_t chegada, proximo; // the edge it was reached by (SIZE_MAX at the root)
    };
    const size_t NENHUMA = size_t(-1);
    std::vector<int> ordem(n, -1), baixo(n, 0);
    std::vector<size_t> pilha_arestas;
    std::vector<Quadro> pilha{{POSITIVO, NENHUMA, 0}};
    int tempo = 0;
    ordem[POSITIVO] = baixo[POSITIVO] = tempo++;
    while (!pilha.empty()) {
        Quadro &q = pilha.back();
        const int v = q.no;
        if (q.proximo < vizinhos[size_t(v)].size()) {
            const size_t e = vizinhos[size_t(v)][q.proximo++];
            if (e == q.chegada)
                continue;
            const int w = arestas[e].first == v ? arestas[e].second : arestas[e].first;
            if (ordem[size_t(w)] < 0) {
                pilha_arestas.push_back(e);
                ordem[size_t(w)] = baixo[size_t(w)] = tempo++;
                pilha.push_back({w, e, 0});
            } else if (ordem[size_t(w)] < ordem[size_t(v)]) {
                pilha_arestas.push_back(e);
                baixo[size_t(v)] = std::min(baixo[size_t(v)], ordem[size_t(w)]);
            }
            continue;
        }
        const size_t chegada = q.chegada;
        pilha.pop_back();
        if (pilha.empty())
            break;
        const int pai = pilha.back().no;
        baixo[size_t(pai)] = std::min(baixo[size_t(pai)], baixo[size_t(v)]);
        if (baixo[size_t(v)] < ordem[size_t(pai)])
            continue;
        // A block ends at the edge into v: it carries current if it holds the closing edge.
        const auto inicio = std::find(pilha_arestas.rbegin(), pilha_arestas.rend(), chegada).base() - 1;
        const bool com_corrente = std::find(inicio, pilha_arestas.end(), fechamento) != pilha_arestas.end();
        if (com_corrente)
            for (auto it = inicio; it != pilha_arestas.end(); ++it)
                if (*it < fios_.size())
                    fios_[*it]->fio->corrente = true;
        pilha_arestas.erase(inicio, pilha_arestas.end());
        if (com_corrente)
            return;
    }
}

// The shortest chain of closed links from +24 V to 0 V, named by the tags of its parts.
QString TCircuito_Eletrico::curto_circuito()
{
    const size_t n = size_t(nos_);
    std::vector<std::vector<size_t>> vizinhos(n);
    for (size_t i = 0; i < ligacoes_.size(); ++i) {
        vizinhos[size_t(ligacoes_[i].a)].push_back(i);
        vizinhos[size_t(ligacoes_[i].b)].push_back(i);
    }
    std::vector<long> chegada(n, -1); // the link each node was reached by
    std::vector<char> visto(n, 0);
    std::queue<int> fila;
    fila.push(POSITIVO);
    visto[POSITIVO] = 1;
    while (!fila.empty() && !visto[NEGATIVO]) {
        const int no = fila.front();
        fila.pop();
        for (size_t i : vizinhos[size_t(no)]) {
            const int outro = ligacoes_[i].a == no ? ligacoes_[i].b : ligacoes_[i].a;
            if (visto[size_t(outro)])
                continue;
            visto[size_t(outro)] = 1;
            chegada[size_t(outro)] = long(i);
            fila.push(outro);
        }
    }
    QStringList nomes;
    for (int no = NEGATIVO; no != POSITIVO && chegada[size_t(no)] >= 0;) {
        const Ligacao &l = ligacoes_[size_t(chegada[size_t(no)])];
        // Terminals and junctions carry no tag; the rails are named by the message itself.
        const QString nome = l.registro >= 0 ? registros_[size_t(l.registro)].componente->eletrico->tag.trimmed() : QString();
        const bool trilho = l.a <= NEGATIVO || l.b <= NEGATIVO;
        if (!trilho && !nome.isEmpty() && (nomes.isEmpty() || nomes.front() != nome))
            nomes.prepend(nome);
        no = l.a == no ? l.b : l.a;
    }
    if (nomes.isEmpty())
        return QStringLiteral("Curto-circuito: +24 V ligado diretamente a 0 V.");
    return QStringLiteral("Curto-circuito: +24 V ligado a 0 V sem carga, por %1.").arg(nomes.join(QStringLiteral(", ")));
}

} // namespace zefira
