#include "assistente/roteamento_pneumatico.h"

#include <algorithm>
#include <map>

namespace zefira {

namespace {

constexpr int MARGEM_CANAL = 16, ENTRE_TRILHAS = 12, ENTRE_REDES = 14;
constexpr int ROTULOS_ACIMA = 22; // room for the names and labels over a row of valves

} // namespace

TRoteamento_Pneumatico::TRoteamento_Pneumatico(TPecas_Pneumaticas &pecas, const TDisposicao_Pneumatica &disposicao)
    : pecas_(pecas), d_(disposicao), fileiras_(int(disposicao.alturas().size()))
{
}

void TRoteamento_Pneumatico::rotear()
{
    trilhas();
    alturas();
    locais();
    for (size_t i = 0; i < d_.redes().size(); ++i)
        tracar(d_.redes()[i], trilha_[i]);
}

// Tracks by the left-edge rule: a net takes the first track of the channel whose last run
// ends clear of its own.
void TRoteamento_Pneumatico::trilhas()
{
    const std::vector<TRede> &redes = d_.redes();
    trilhas_.assign(size_t(fileiras_), {});
    trilha_.assign(redes.size(), std::vector<int>(size_t(fileiras_), -1));
    for (int c = 0; c < fileiras_; ++c) {
        struct TIntervalo {
            int de, ate;
            size_t rede;
        };
        std::vector<TIntervalo> intervalos;
        for (size_t i = 0; i < redes.size(); ++i) {
            std::vector<int> xs;
            for (const TPonta &p : redes[i].pontas)
                if (pecas_.canal(p) == c)
                    xs.push_back(pecas_.x_descida(p));
            for (const auto &[fileira, x] : redes[i].vias)
                if (fileira == c || fileira == c + 1)
                    xs.push_back(x);
            if (xs.empty())
                continue;
            const auto [de, ate] = std::minmax_element(xs.begin(), xs.end());
            intervalos.push_back({*de, *ate, i});
        }
        std::sort(intervalos.begin(), intervalos.end(), [](const TIntervalo &a, const TIntervalo &b) { return a.de < b.de; });
        std::vector<int> fim;
        for (const TIntervalo &it : intervalos) {
            size_t t = 0;
            while (t < fim.size() && fim[t] + ENTRE_REDES > it.de)
                ++t;
            if (t == fim.size())
                fim.push_back(it.ate);
            else
                fim[t] = it.ate;
            trilha_[it.rede][size_t(c)] = int(t);
        }
        trilhas_[size_t(c)].assign(fim.size(), 0);
    }
}

// Each row under the channel above it, with room for the names over its valves; each channel
// as deep as its tracks.
void TRoteamento_Pneumatico::alturas()
{
    const std::vector<int> &altura = d_.alturas();
    std::vector<int> topo(size_t(fileiras_), 0);
    auto canal_abaixo = [&](int c, int topo) {
        std::vector<int> &t = trilhas_[size_t(c)];
        const int n = int(t.size());
        for (int i = 0; i < n; ++i)
            t[size_t(i)] = topo + MARGEM_CANAL + i * ENTRE_TRILHAS;
        return n ? topo + 2 * MARGEM_CANAL + (n - 1) * ENTRE_TRILHAS : topo + 10;
    };
    int fundo = altura[0];
    for (int f = 1; f < fileiras_; ++f) {
        topo[size_t(f)] = canal_abaixo(f - 1, fundo + 4) + ROTULOS_ACIMA;
        fundo = topo[size_t(f)] + altura[size_t(f)];
    }
    canal_abaixo(fileiras_ - 1, fundo + 4);
    pecas_.definir_topos(std::move(topo));
}

// The tubes between neighbours: their bends, or one bend from a side port, or one to a port below.
void TRoteamento_Pneumatico::locais()
{
    for (const TDisposicao_Pneumatica::TFio_Local &f : d_.locais()) {
        const QPoint a = pecas_.ponto(f.a.peca, f.a.porta), b = pecas_.ponto(f.b.peca, f.b.porta);
        const int topo = pecas_.topo(pecas_[f.a.peca].fileira);
        std::vector<QPoint> pts;
        if (!f.pontos.empty()) {
            pts.push_back(a);
            for (const QPoint &q : f.pontos)
                pts.push_back(q + QPoint(0, topo));
            pts.push_back(b);
        } else if (f.meio >= 0) {
            const int m = topo + f.meio;
            std::vector<QPoint> ida = pecas_.saida(f.a), volta = pecas_.saida(f.b);
            pts = ida;
            pts.push_back(QPoint(ida.back().x(), m));
            pts.push_back(QPoint(volta.back().x(), m));
            pts.insert(pts.end(), volta.rbegin(), volta.rend());
        } else if (pecas_.de_lado(f.a)) {
            pts = {a, QPoint(b.x(), a.y()), b};
        } else {
            pts = {a, QPoint(a.x(), b.y()), b};
        }
        fios_.push_back({{f.a.peca, -1, f.a.porta}, {f.b.peca, -1, f.b.porta}, pts});
    }
}

// A net as a graph: its ports, the points where its runs meet its tracks, and the runs between
// them.
struct TRoteamento_Pneumatico::TGrafo {
    struct TNo {
        int peca = -1, porta = 0; // a port; else a point
        QPoint p;
        std::vector<int> arestas;
        int jump = -1;
    };
    struct TAresta {
        int a, b;
        std::vector<QPoint> pontos;
        bool usada = false;
    };
    std::vector<TNo> nos;
    std::vector<TAresta> arestas;
};

void TRoteamento_Pneumatico::tracar(const TRede &r, const std::vector<int> &trilha)
{
    TGrafo g = grafo(r, trilha);
    juncoes(g);
    seguir(g);
}

TRoteamento_Pneumatico::TGrafo TRoteamento_Pneumatico::grafo(const TRede &r, const std::vector<int> &trilha) const
{
    TGrafo g;
    std::vector<TGrafo::TNo> &nos = g.nos;
    std::map<std::pair<int, int>, int> pontos;
    std::map<int, std::vector<int>> na_trilha; // channel -> x
    auto no_ponto = [&](int c, int x) {
        const int y = trilhas_[size_t(c)][size_t(trilha[size_t(c)])];
        const auto chave = std::make_pair(x, y);
        auto it = pontos.find(chave);
        if (it != pontos.end())
            return it->second;
        nos.push_back({-1, 0, QPoint(x, y), {}, -1});
        na_trilha[c].push_back(x);
        return pontos[chave] = int(nos.size()) - 1;
    };
    auto ligar = [&](int a, int b, std::vector<QPoint> pts) {
        g.arestas.push_back({a, b, std::move(pts)});
        nos[size_t(a)].arestas.push_back(int(g.arestas.size()) - 1);
        nos[size_t(b)].arestas.push_back(int(g.arestas.size()) - 1);
    };
    for (const TPonta &p : r.pontas) {
        nos.push_back({p.peca, p.porta, pecas_.ponto(p.peca, p.porta), {}, -1});
        const int porta = int(nos.size()) - 1;
        const int c = pecas_.canal(p);
        const int t = no_ponto(c, pecas_.x_descida(p));
        auto pts = pecas_.guia(p);
        pts.push_back(nos[size_t(t)].p);
        ligar(porta, t, pts);
    }
    for (const auto &[fileira, x] : r.vias) {
        const int a = no_ponto(fileira - 1, x), b = no_ponto(fileira, x);
        ligar(a, b, {nos[size_t(a)].p, nos[size_t(b)].p});
    }
    for (auto &[c, xs] : na_trilha) {
        std::sort(xs.begin(), xs.end());
        for (size_t i = 1; i < xs.size(); ++i) {
            const int a = no_ponto(c, xs[i - 1]), b = no_ponto(c, xs[i]);
            ligar(a, b, {nos[size_t(a)].p, nos[size_t(b)].p});
        }
    }
    return g;
}

// A point where three runs meet gets a junction; the others are bends.
void TRoteamento_Pneumatico::juncoes(TGrafo &g)
{
    for (TGrafo::TNo &n : g.nos)
        if (n.peca < 0 && n.arestas.size() >= 3) {
            n.jump = int(jumps_.size());
            jumps_.push_back(n.p);
        }
}

// Each tube runs from a port or junction, along runs not yet taken, to the next one.
void TRoteamento_Pneumatico::seguir(TGrafo &g)
{
    const std::vector<TGrafo::TNo> &nos = g.nos;
    std::vector<TGrafo::TAresta> &arestas = g.arestas;
    auto terminal = [&](const TGrafo::TNo &n) { return n.peca >= 0 || n.jump >= 0; };
    // A junction's port faces the run that leaves it.
    auto porta_jump = [](const QPoint &centro, const QPoint &vizinho, int &porta) {
        if (vizinho.x() == centro.x()) {
            porta = vizinho.y() < centro.y() ? 1 : 2;
            return porta == 1 ? centro + QPoint(0, -4) : centro + QPoint(0, 5);
        }
        porta = vizinho.x() < centro.x() ? 3 : 4;
        return porta == 3 ? centro + QPoint(-4, 0) : centro + QPoint(5, 0);
    };
    for (size_t inicio = 0; inicio < nos.size(); ++inicio) {
        if (!terminal(nos[inicio]))
            continue;
        for (int primeira : nos[inicio].arestas) {
            if (arestas[size_t(primeira)].usada)
                continue;
            std::vector<QPoint> pts;
            int atual = int(inicio), aresta = primeira;
            for (;;) {
                TGrafo::TAresta &ar = arestas[size_t(aresta)];
                ar.usada = true;
                std::vector<QPoint> trecho = ar.pontos;
                if (ar.a != atual)
                    std::reverse(trecho.begin(), trecho.end());
                pts.insert(pts.end(), trecho.begin() + (pts.empty() ? 0 : 1), trecho.end());
                atual = ar.a == atual ? ar.b : ar.a;
                const TGrafo::TNo &n = nos[size_t(atual)];
                if (terminal(n))
                    break;
                int proxima = -1;
                for (int e : n.arestas)
                    if (!arestas[size_t(e)].usada)
                        proxima = e;
                if (proxima < 0)
                    break;
                aresta = proxima;
            }
            const TGrafo::TNo &a = nos[inicio], &b = nos[size_t(atual)];
            if (!terminal(b))
                continue;
            auto ponta = [&](const TGrafo::TNo &n, bool primeiro, TExtremo &e) {
                if (n.peca >= 0) {
                    e = {n.peca, -1, n.porta};
                    return;
                }
                e.jump = n.jump;
                QPoint &fim = primeiro ? pts.front() : pts.back();
                QPoint vizinho = fim;
                if (primeiro) {
                    for (size_t k = 1; k < pts.size() && vizinho == fim; ++k)
                        vizinho = pts[k];
                } else {
                    for (size_t k = pts.size() - 1; k-- > 0 && vizinho == fim;)
                        vizinho = pts[k];
                }
                fim = porta_jump(n.p, vizinho, e.porta);
            };
            TFio f;
            ponta(a, true, f.a);
            ponta(b, false, f.b);
            f.pontos = pts;
            fios_.push_back(f);
        }
    }
}

} // namespace zefira
