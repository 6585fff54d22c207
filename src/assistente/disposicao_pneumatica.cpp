#include "assistente/disposicao_pneumatica.h"

#include <algorithm>
#include <cstdlib>

namespace zefira {

namespace {

constexpr int Y_CILINDRO = 40, Y_VALVULA = 119;
constexpr int Y_DOBRA_CILINDRO = 89; // where the cylinder's tubes turn towards its valve
constexpr int PASSO_SERIE = 72;      // vertical pitch of valves in series
constexpr int FOLGA = 14;            // least distance between two vertical runs of a channel

QString rotulo(const TMovimento &m) { return Rotulo_Fim_Curso(m.cilindro, m.avanco); }

// An AND's left, from its column's left: each a little left of the one below.
int x_e(int j) { return 36 - 10 * j; }
// The x of a 3/2 valve's ports, drawn in its first or second square.
int px(int desenhada) { return desenhada == 2 ? 30 : 6; }

} // namespace

TDisposicao_Pneumatica::TDisposicao_Pneumatica(const TEsquema_Pneumatico &esquema, TPecas_Pneumaticas &pecas)
    : e_(esquema), pecas_(pecas)
{
}

void TDisposicao_Pneumatica::dispor()
{
    cilindros();
    memorias();
    caminhos();
    redes_dos_sinais();
    alturas_das_pontas();
}

// The top row: each cylinder with its end labels, its 5/2 valve under it and, where several
// signals drive one pilot, a stack of shuttle valves under that pilot, leaning outwards.
void TDisposicao_Pneumatica::cilindros()
{
    int cursor = 40;
    for (int i = 0; i < e_.cilindros.size(); ++i) {
        const TPiloto_Pneumatico *pil[2] = {nullptr, nullptr};
        for (const TPiloto_Pneumatico &p : e_.pilotos)
            if (!p.memoria && p.indice == i)
                pil[p.direito] = &p;
        int ous[2];
        for (int d = 0; d < 2; ++d)
            ous[d] = pil[d] ? std::max(0, int(pil[d]->sinais.size()) - 1) : 0;
        const int esq = ous[0] ? -43 - 31 * (ous[0] - 1) : -14;
        const int dir = std::max(150, ous[1] ? 135 + 31 * (ous[1] - 1) : 106);
        const int cx = cursor - esq;
        cursor = cx + dir + 28;
        const QChar c = e_.cilindros[i];
        const int cil = pecas_.peca(TForma::cilindro, 0, cx, Y_CILINDRO, QStringLiteral("cylinder"),
                                    QStringLiteral("double acting, single rod; name \"%1\"; labels 1 = \"%2\" at 0, 2 = \"%3\" at 100")
                                        .arg(c)
                                        .arg(Rotulo_Fim_Curso(c, false), Rotulo_Fim_Curso(c, true)));
        const int v = pecas_.peca(TForma::valvula5, 0, cx + 10, Y_VALVULA, QStringLiteral("valve, 5 ways"),
                                  QStringLiteral("left pilot; right pilot; name \"%1V1\"; tomada_ar").arg(i + 1));
        pecas_[v].desvio = true;
        pecas_.tomada(v);
        locais_.push_back({{cil, 1}, {v, 4}, Y_DOBRA_CILINDRO, {}});
        locais_.push_back({{cil, 2}, {v, 2}, Y_DOBRA_CILINDRO, {}});
        for (int d = 0; d < 2; ++d) {
            if (!pil[d])
                continue;
            const int porta = d ? 7 : 6;
            if (ous[d] == 0) {
                entradas_.push_back({pil[d]->sinais.front(), {v, porta}});
                continue;
            }
            // Shuttle j takes signal j on its outer input and the next shuttle on the inner one.
            const int passo = d ? 31 : -31;
            int anterior = -1;
            for (int j = 0; j < ous[d]; ++j) {
                const int x = cx + 10 + (d ? 71 : -49) + passo * j;
                const int o = pecas_.peca(TForma::ou, 0, x, Y_VALVULA + 60 + 40 * j, QStringLiteral("OR valve"), QString());
                if (anterior < 0)
                    locais_.push_back({{o, 2}, {v, porta}, -1, {}});
                else
                    locais_.push_back({{anterior, d ? 3 : 1}, {o, 2}, -1, {}});
                entradas_.push_back({pil[d]->sinais[size_t(j)], {o, d ? 1 : 3}});
                anterior = o;
            }
            entradas_.push_back({pil[d]->sinais.back(), {anterior, d ? 3 : 1}});
        }
    }
}

// The bottom row: the memory valves, left to right; in the cascade each one after the first
// is fed by the one before, through a column left free between them.
void TDisposicao_Pneumatica::memorias()
{
    int x = 84;
    for (int k = 0; k < e_.memorias; ++k) {
        QString ajustes = QStringLiteral("left pilot; right pilot; name \"0V%1\"").arg(k + 1);
        int v;
        if (e_.cascata) {
            if (k == 0)
                ajustes += QStringLiteral("; tomada_ar");
            v = pecas_.peca(TForma::valvula5, FILEIRA_MEMORIAS, x, 0, QStringLiteral("valve, 5 ways"), ajustes);
            pecas_[v].desvio = true;
            if (k == 0)
                pecas_.tomada(v);
        } else {
            const bool ativa = k == e_.memorias - 1;
            ajustes += QStringLiteral("; tomada_ar");
            if (ativa)
                ajustes += QStringLiteral("; initial 1, current 1, drawn 1");
            v = pecas_.peca(TForma::valvula3, FILEIRA_MEMORIAS, x, 0, QStringLiteral("valve, 3 ways"), ajustes, ativa ? 1 : 2);
            pecas_.tomada(v);
        }
        memoria_.push_back(v);
        for (const TPiloto_Pneumatico &p : e_.pilotos)
            if (p.memoria && p.indice == k)
                for (const TSinal_Pneumatico &s : p.sinais)
                    entradas_.push_back({s, {v, p.direito ? 7 : 6}});
        if (e_.cascata && k + 1 < e_.memorias) {
            TRede r;
            r.vias.push_back({FILEIRA_MEMORIAS, x + 114});
            redes_.push_back(r); // the ends once the next memory exists
            x += 154;
        } else {
            x += k + 2 == e_.memorias && !e_.cascata ? 164 : 140; // the last one is drawn set
        }
    }
    for (int k = 0; k + 1 < e_.memorias && e_.cascata; ++k)
        redes_[size_t(k)].pontas = {{memoria_[size_t(k)], 2}, {memoria_[size_t(k) + 1], 1}};
}

// The middle rows: one column per signal path, its valves in series from the bottom (the one
// the line or its supply feeds) to the top, then the AND valves that join shared sensors, each
// a little left of the one below; and the free columns of the signals that cross a row. Each
// goes as near as it can to what it drives. Too many columns for one row are dealt over
// several, in turn, so that each row still spans the drawing.
void TDisposicao_Pneumatica::caminhos()
{
    desejar();
    std::vector<TColuna> k = colunas();
    const int n_fileiras = repartir(k);
    const TAlcance alcance = alcances(k);
    ocupar();
    const int ncaminhos = int(e_.caminhos.size());
    topo_caminho_.assign(size_t(ncaminhos), -1);
    base_caminho_.assign(size_t(ncaminhos), -1);
    altura_.assign(size_t(fileiras_), 0);
    for (int f = 1; f <= n_fileiras; ++f)
        dispor_fileira(f, k, alcance);
}

// The mean x of the ports a signal drives (only those off the cylinders' row when `memorias`);
// -1 when none.
double TDisposicao_Pneumatica::media(const TSinal_Pneumatico &s, bool memorias) const
{
    double soma = 0;
    int n = 0;
    for (const auto &[sinal, ponta] : entradas_)
        if (sinal == s && (!memorias || pecas_[ponta.peca].fileira != 0)) {
            soma += pecas_.x_descida(ponta);
            ++n;
        }
    return n ? soma / n : -1.0;
}

// Where each path would stand: by what it drives.
void TDisposicao_Pneumatica::desejar()
{
    const int ncaminhos = int(e_.caminhos.size());
    desejado_.assign(size_t(ncaminhos), -1.0);
    for (int c = 0; c < ncaminhos; ++c)
        desejado_[size_t(c)] = media({false, c}, false);
    // A path that sets a memory goes by that memory, whatever else it resets far away.
    for (const auto &[sinal, ponta] : entradas_)
        if (!sinal.linha && ponta.porta == 6 && pecas_[ponta.peca].fileira != 0)
            desejado_[size_t(sinal.indice)] = pecas_.x_descida(ponta);
    // A shared sensor goes near the paths it joins.
    for (int c = 0; c < ncaminhos; ++c) {
        if (desejado_[size_t(c)] >= 0)
            continue;
        double soma = 0;
        int n = 0;
        for (int u = 0; u < ncaminhos; ++u)
            for (int j : e_.caminhos[size_t(u)].e)
                if (j == c && desejado_[size_t(u)] >= 0) {
                    soma += desejado_[size_t(u)];
                    ++n;
                }
        desejado_[size_t(c)] = n ? soma / n - 1 : 0;
    }
}

// Each drawn path's column, left to right as they would stand.
std::vector<TDisposicao_Pneumatica::TColuna> TDisposicao_Pneumatica::colunas() const
{
    std::vector<TColuna> colunas;
    for (int i = 0; i < int(e_.caminhos.size()); ++i) {
        const TCaminho_Pneumatico &c = e_.caminhos[size_t(i)];
        if (c.apelido)
            continue;
        TColuna k;
        k.caminho = i;
        // Series order: the start button, then the rollers; a roller a cylinder holds at
        // rest is drawn pressed.
        if (c.partida)
            k.serie.push_back({QStringLiteral("left \"Botão\"; right spring; name \"partida\""), 2});
        for (const TMovimento &m : c.sensores)
            k.serie.push_back({QStringLiteral("left \"Rolete\"; right spring; label \"%1\"").arg(rotulo(m)) +
                                   (m.avanco ? QString() : QStringLiteral("; initial 2, current 1, drawn 1")),
                               m.avanco ? 2 : 1});
        // Without valves in series the first AND takes the line, or the first shared sensor.
        k.base_e = k.serie.empty();
        k.es = c.e;
        k.base = {true, c.linha};
        if (k.base_e && c.linha < 0) {
            k.base = {false, k.es.front()};
            k.es.erase(k.es.begin());
        }
        const int ne = int(k.es.size());
        if (ne > 0) {
            k.altos.push_back(x_e(ne - 1) + 25);
            for (int j = 0; j < ne; ++j)
                k.altos.push_back(x_e(j) + 54);
        } else {
            k.altos.push_back(px(k.serie.back().desenhada));
        }
        if (k.base_e)
            k.baixos.push_back(x_e(0) - 4);
        else if (c.linha >= 0)
            k.baixos.push_back(px(k.serie.front().desenhada));
        // Each valve in both its positions: a roller held at rest has its cam on the left and
        // slides left when let go; the others slide right when pressed.
        k.de = ne ? x_e(ne - 1) - 16 : 0;
        k.ate = ne ? x_e(0) + 60 : 0;
        for (const TValvula &v : k.serie) {
            k.de = std::min(k.de, v.desenhada == 1 ? -46 : -22);
            k.ate = std::max(k.ate, v.desenhada == 1 ? 60 : 84);
        }
        colunas.push_back(k);
    }
    std::stable_sort(colunas.begin(), colunas.end(), [&](const TColuna &a, const TColuna &b) {
        return desejado_[size_t(a.caminho)] < desejado_[size_t(b.caminho)];
    });
    return colunas;
}

// How many rows: as many as keep each within the width of the others, or of a screen. The
// columns are dealt over them in turn; the memories go to the last row. Returns the number of
// path rows.
int TDisposicao_Pneumatica::repartir(std::vector<TColuna> &colunas)
{
    int largura = 1400, total = 0;
    for (const TPecas_Pneumaticas::TPeca &p : pecas_.todas())
        largura = std::max(largura, p.esquerda + 100);
    for (const TColuna &k : colunas)
        total += k.ate - k.de + 6 + FOLGA;
    const int n_fileiras = std::max(1, (total + largura - 1) / largura);
    for (size_t i = 0; i < colunas.size(); ++i)
        colunas[i].fileira = 1 + int(i) % n_fileiras;
    fileiras_ = n_fileiras + 2;
    const int fm = fileiras_ - 1;
    for (TPecas_Pneumaticas::TPeca &p : pecas_.todas())
        if (p.fileira == FILEIRA_MEMORIAS)
            p.fileira = fm;
    for (TRede &r : redes_)
        for (auto &[fileira, x] : r.vias)
            if (fileira == FILEIRA_MEMORIAS)
                fileira = fm;
    return n_fileiras;
}

// The channels each signal reaches, and so the rows it crosses.
TDisposicao_Pneumatica::TAlcance TDisposicao_Pneumatica::alcances(const std::vector<TColuna> &colunas) const
{
    const int fm = fileiras_ - 1;
    TAlcance alcance;
    auto alcancar = [&](const TSinal_Pneumatico &s, int canal) {
        const auto chave = std::make_pair(s.linha, s.indice);
        auto it = alcance.find(chave);
        if (it == alcance.end())
            alcance[chave] = {canal, canal};
        else
            it->second = {std::min(it->second.first, canal), std::max(it->second.second, canal)};
    };
    for (const auto &[sinal, ponta] : entradas_)
        alcancar(sinal, pecas_[ponta.peca].fileira == 0 ? 0 : fm - 1);
    for (int k = 0; k < e_.linhas(); ++k)
        alcancar({true, k}, fm - 1);
    for (const TColuna &k : colunas) {
        alcancar({false, k.caminho}, k.fileira - 1);
        if (k.base_e || e_.caminhos[size_t(k.caminho)].linha >= 0)
            alcancar(k.base, k.fileira);
        for (int j : k.es)
            alcancar({false, j}, k.fileira - 1);
    }
    return alcance;
}

// Vertical runs already in each channel: those of the pilots, the memories and the cascade's chain.
void TDisposicao_Pneumatica::ocupar()
{
    const int fm = fileiras_ - 1;
    ocupados_.assign(size_t(fileiras_), {});
    for (const auto &[sinal, ponta] : entradas_)
        ocupados_[pecas_[ponta.peca].fileira == 0 ? 0 : size_t(fm - 1)].push_back(pecas_.x_descida(ponta));
    for (int m : memoria_)
        for (int porta : {2, 4})
            if (porta == 2 || pecas_[m].forma == TForma::valvula5)
                ocupados_[size_t(fm - 1)].push_back(pecas_.x_descida({m, porta}));
    for (const TRede &r : redes_)
        for (const auto &[fileira, x] : r.vias)
            ocupados_[size_t(fileira - 1)].push_back(x);
}

bool TDisposicao_Pneumatica::livre(int canal, int x) const
{
    for (int o : ocupados_[size_t(canal)])
        if (std::abs(o - x) < FOLGA)
            return false;
    return true;
}

// One row of paths: its columns and the free columns of the signals that cross it, left to
// right by where each would stand.
void TDisposicao_Pneumatica::dispor_fileira(int f, const std::vector<TColuna> &colunas, const TAlcance &alcance)
{
    struct TItem {
        double desejado;
        const TColuna *coluna; // null: a crossing
        TSinal_Pneumatico sinal;
    };
    std::vector<TItem> itens;
    for (const TColuna &k : colunas)
        if (k.fileira == f)
            itens.push_back({desejado_[size_t(k.caminho)], &k, {false, k.caminho}});
    for (const auto &[chave, faixa] : alcance) {
        if (!(faixa.first < f && f <= faixa.second))
            continue;
        const TSinal_Pneumatico s{chave.first, chave.second};
        // A path's crossing goes just before it when it comes from its own row; a line's
        // near the pilots it drives.
        double x = s.linha ? media(s, false) : desejado_[size_t(s.indice)];
        if (!s.linha && media(s, true) >= 0)
            x = media(s, true);
        itens.push_back({(x < 0 ? 0 : x) - 0.5, nullptr, s});
    }
    std::stable_sort(itens.begin(), itens.end(), [](const TItem &a, const TItem &b) { return a.desejado < b.desejado; });
    int cursor = 30;
    for (const TItem &it : itens)
        cursor = it.coluna ? dispor_coluna(f, *it.coluna, it.desejado, cursor) : atravessar(f, it.desejado, cursor, it.sinal);
}

// A free column down row f for a signal that crosses it; returns the next free x.
int TDisposicao_Pneumatica::atravessar(int f, double desejado, int cursor, const TSinal_Pneumatico &s)
{
    int x = std::max(int(desejado), cursor + FOLGA);
    while (!livre(f - 1, x) || !livre(f, x))
        x += 3;
    ocupados_[size_t(f - 1)].push_back(x);
    ocupados_[size_t(f)].push_back(x);
    travessias_.push_back({s, {f, x}});
    return x + FOLGA;
}

// A path's column in row f, where its vertical runs find room; returns the next free x.
int TDisposicao_Pneumatica::dispor_coluna(int f, const TColuna &k, double desejado, int cursor)
{
    const TCaminho_Pneumatico &c = e_.caminhos[size_t(k.caminho)];
    const int n = int(k.serie.size()), ne = int(k.es.size());
    const int esquerda = lugar(f, k, std::max(int(desejado) - 18, cursor - k.de));
    const int dy_serie = ne > 0 ? (ne - 1) * 48 + 43 : 0;
    const int topo_serie = serie(f, k, esquerda, dy_serie);
    topo_caminho_[size_t(k.caminho)] = es(f, k, esquerda, topo_serie);
    altura_[size_t(f)] = std::max(altura_[size_t(f)],
                                  n ? dy_serie + (n - 1) * PASSO_SERIE + (c.linha < 0 ? 51 : 30) : (ne - 1) * 48 + 29);
    for (int x : k.altos)
        ocupados_[size_t(f - 1)].push_back(esquerda + x);
    for (int x : k.baixos)
        ocupados_[size_t(f)].push_back(esquerda + x);
    return esquerda + k.ate + 6;
}

// The first left from `esquerda` on where none of the column's vertical runs comes too near another.
int TDisposicao_Pneumatica::lugar(int f, const TColuna &k, int esquerda) const
{
    for (;;) {
        bool ok = true;
        for (int x : k.altos)
            ok = ok && livre(f - 1, esquerda + x);
        for (int x : k.baixos)
            ok = ok && livre(f, esquerda + x);
        if (ok)
            return esquerda;
        esquerda += 3;
    }
}

// The column's valves in series, from the bottom up, each tube a jog between two of them;
// returns the top one (-1 without any).
int TDisposicao_Pneumatica::serie(int f, const TColuna &k, int esquerda, int dy_serie)
{
    const TCaminho_Pneumatico &c = e_.caminhos[size_t(k.caminho)];
    const int n = int(k.serie.size());
    int anterior = -1;
    for (int j = 0; j < n; ++j) {
        QString ajustes = k.serie[size_t(j)].ajustes;
        if (j == 0 && c.linha < 0)
            ajustes += QStringLiteral("; tomada_ar");
        const int v = pecas_.peca(TForma::valvula3, f, esquerda, dy_serie + (n - 1 - j) * PASSO_SERIE,
                                  QStringLiteral("valve, 3 ways"), ajustes, k.serie[size_t(j)].desenhada);
        pecas_[v].desvio = c.partida && j == 0;
        if (j == 0) {
            base_caminho_[size_t(k.caminho)] = v;
            if (c.linha < 0)
                pecas_.tomada(v);
        }
        if (anterior >= 0)
            locais_.push_back({{anterior, 2}, {v, 1}, pecas_[anterior].dy - 26, {}});
        anterior = v;
    }
    return anterior;
}

// The column's AND valves over its series (`anterior`, -1 without one), each fed by the one
// below; returns the top valve of the column.
int TDisposicao_Pneumatica::es(int f, const TColuna &k, int esquerda, int anterior)
{
    const int ne = int(k.es.size());
    for (int j = 0; j < ne; ++j) {
        const int dy = (ne - 1 - j) * 48;
        const int v = pecas_.peca(TForma::e, f, esquerda + x_e(j), dy, QStringLiteral("AND valve"), QString());
        if (j == 0 && k.base_e) {
            entradas_e_.push_back({k.base, {v, 1}});
        } else if (j == 0) {
            // From the top valve in series: up above its name, right into the AND.
            const TPonta de{anterior, 2};
            std::vector<QPoint> rel;
            for (size_t q = 1; q < pecas_.saida(de).size(); ++q)
                rel.push_back(pecas_.saida(de)[q]);
            const int x = rel.empty() ? pecas_.ponto(anterior, 2).x() : rel.back().x();
            rel.push_back({x, dy + 17});
            locais_.push_back({de, {v, 1}, -1, rel});
        } else {
            const int xa = esquerda + x_e(j - 1), ya = dy + 48;
            locais_.push_back({{anterior, 2}, {v, 1}, -1, {{xa + 25, ya - 6}, {xa - 16, ya - 6}, {xa - 16, dy + 17}}});
        }
        entradas_e_.push_back({{false, k.es[size_t(j)]}, {v, 3}});
        anterior = v;
    }
    return anterior;
}

// Every signal as one net: its source, what it feeds, and where it crosses the middle rows.
void TDisposicao_Pneumatica::redes_dos_sinais()
{
    auto rede = [&](const TSinal_Pneumatico &s, const TPonta &fonte) {
        TRede r;
        r.pontas.push_back(fonte);
        if (s.linha)
            for (int c = 0; c < int(e_.caminhos.size()); ++c)
                if (e_.caminhos[size_t(c)].linha == s.indice && base_caminho_[size_t(c)] >= 0)
                    r.pontas.push_back({base_caminho_[size_t(c)], 1});
        for (const auto *lista : {&entradas_, &entradas_e_})
            for (const auto &[sinal, ponta] : *lista)
                if (sinal == s)
                    r.pontas.push_back(ponta);
        for (const auto &[sinal, via] : travessias_)
            if (sinal == s)
                r.vias.push_back(via);
        if (r.pontas.size() >= 2)
            redes_.push_back(r);
    };
    for (int k = 0; k < e_.linhas(); ++k) {
        int m = 0, porta = 0;
        e_.fonte_linha(k, m, porta);
        rede({true, k}, {memoria_[size_t(m)], porta});
    }
    for (int c = 0; c < int(e_.caminhos.size()); ++c)
        if (!e_.caminhos[size_t(c)].apelido)
            rede({false, c}, {topo_caminho_[size_t(c)], 2});
}

// The heights of the top and bottom rows: the cylinders' reaches down to their valves or the
// lowest shuttle valve, the memories' is one valve's.
void TDisposicao_Pneumatica::alturas_das_pontas()
{
    int cilindros = Y_VALVULA + 50;
    for (const TPecas_Pneumaticas::TPeca &p : pecas_.todas())
        if (p.fileira == 0 && p.forma == TForma::ou)
            cilindros = std::max(cilindros, p.dy + 29);
    altura_[0] = cilindros;
    altura_[size_t(fileiras_ - 1)] = memoria_.empty() ? 0 : 51;
}

} // namespace zefira
