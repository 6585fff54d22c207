#include "assistente/desenho_pneumatico.h"

#include <algorithm>
#include <map>

namespace zefira {

namespace {

constexpr int Y_CILINDRO = 40, Y_VALVULA = 119;
constexpr int Y_DOBRA_CILINDRO = 89;  // where the cylinder's tubes turn towards its valve
constexpr int PASSO_SERIE = 72;       // vertical pitch of valves in series
constexpr int MARGEM_CANAL = 16, ENTRE_TRILHAS = 12, ENTRE_REDES = 14;
constexpr int FOLGA = 14;             // least distance between two vertical runs of a channel
constexpr int ROTULOS_ACIMA = 22;     // room for the names and labels over a row of valves

QString rotulo(const TMovimento &m) { return Rotulo_Fim_Curso(m.cilindro, m.avanco); }

} // namespace

TDesenho_Pneumatico::TDesenho_Pneumatico(const TEsquema_Pneumatico &esquema) : e_(esquema) {}

int TDesenho_Pneumatico::peca(TForma forma, int fileira, int esquerda, int dy, const QString &tipo,
                              const QString &ajustes, int desenhada)
{
    pecas_.push_back({forma, fileira, esquerda, dy, desenhada, tipo, ajustes});
    return int(pecas_.size()) - 1;
}

void TDesenho_Pneumatico::tomada(int valvula)
{
    const TPeca &v = pecas_[size_t(valvula)];
    const int i = peca(TForma::tomada, v.fileira, v.esquerda + deslocamento(v, 1).x(), v.dy + 31, QStringLiteral("air supply"), QString());
    pecas_[size_t(i)].hospedeiro = valvula;
}

// Port places as each family lays them out; a valve's working ports sit under the square it
// shows, 24 further right on the second.
QPoint TDesenho_Pneumatico::deslocamento(const TPeca &p, int porta) const
{
    const int s = p.desenhada == 2 ? 24 : 0;
    switch (p.forma) {
    case TForma::cilindro: return porta == 1 ? QPoint(4, 32) : QPoint(82, 32);
    case TForma::valvula5:
    case TForma::valvula3: {
        if (porta == 6)
            return {-20, 12};
        if (porta == 7)
            return {68, 12};
        const bool cinco = p.forma == TForma::valvula5;
        switch (porta) {
        case 1: return {(cinco ? 12 : 6) + s, 30};
        case 2: return {(cinco ? 18 : 6) + s, -5};
        case 3: return {18 + s, 30};
        case 4: return {6 + s, -5};
        default: return {6 + s, 30};
        }
    }
    case TForma::ou:
    case TForma::e: return porta == 1 ? QPoint(0, 17) : porta == 2 ? QPoint(25, 0) : QPoint(50, 17);
    case TForma::tomada: return {6, 0};
    }
    return {};
}

QPoint TDesenho_Pneumatico::ponto(int i, int porta) const
{
    const TPeca &p = pecas_[size_t(i)];
    return QPoint(p.esquerda, topo(p.fileira) + p.dy) + deslocamento(p, porta);
}

int TDesenho_Pneumatico::canal(const TPonta &p) const
{
    // The row's own channel below for a port 1 (the bottom of a valve, the first input of the
    // lowest AND), the channel above for the others; the cylinders' pilots drop below them.
    const int f = pecas_[size_t(p.peca)].fileira;
    return f == 0 ? 0 : p.porta == 1 ? f : f - 1;
}

int TDesenho_Pneumatico::topo(int fileira) const
{
    return fileira < int(topo_.size()) ? topo_[size_t(fileira)] : 0;
}

namespace {
// -1 a port that faces left, +1 right, 0 up or down.
int lado(bool ou, int porta)
{
    if (ou)
        return porta == 1 ? -1 : porta == 3 ? 1 : 0;
    return porta == 6 ? -1 : porta == 7 ? 1 : 0;
}
} // namespace

// A valve's name stands over its left half, where the upper working port of a 5/2 (or of a
// 3/2 with a long name) rises: that port first turns left, under the name, to rise clear of it.
std::vector<QPoint> TDesenho_Pneumatico::saida(const TPonta &p) const
{
    const TPeca &v = pecas_[size_t(p.peca)];
    const QPoint a = ponto(p.peca, p.porta);
    if (!v.desvio || p.porta != (v.forma == TForma::valvula5 ? 4 : 2))
        return {a};
    const int y = topo(v.fileira) + v.dy - 6;
    return {a, QPoint(a.x(), y), QPoint(v.esquerda + 2, y)};
}

int TDesenho_Pneumatico::x_descida(const TPonta &p) const
{
    const TPeca &v = pecas_[size_t(p.peca)];
    if (v.desvio && p.porta == (v.forma == TForma::valvula5 ? 4 : 2))
        return v.esquerda + 2;
    const int l = lado(v.forma == TForma::ou || v.forma == TForma::e, p.porta);
    // A valve's body, pilots and all, slides one square when it shifts (its working ports stay):
    // the tube leaves a pilot far enough out on the side the pilot moves towards.
    const bool desliza = (v.forma == TForma::valvula5 || v.forma == TForma::valvula3) &&
                         ((l > 0 && v.desenhada == 2) || (l < 0 && v.desenhada == 1));
    return ponto(p.peca, p.porta).x() + l * (desliza ? 28 : 4);
}

// From the port to where it turns into its channel: a side port turns down or up at once.
std::vector<QPoint> TDesenho_Pneumatico::guia(const TPonta &p) const
{
    std::vector<QPoint> pts = saida(p);
    const int x = x_descida(p);
    if (pts.size() == 1 && x != pts.front().x())
        pts.push_back(QPoint(x, pts.front().y()));
    return pts;
}

// The top row: each cylinder with its end labels, its 5/2 valve under it and, where several
// signals drive one pilot, a stack of shuttle valves under that pilot, leaning outwards.
void TDesenho_Pneumatico::cilindros()
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
        const int cil = peca(TForma::cilindro, 0, cx, Y_CILINDRO, QStringLiteral("cylinder"),
                             QStringLiteral("double acting, single rod; name \"%1\"; labels 1 = \"%2\" at 0, 2 = \"%3\" at 100")
                                 .arg(c)
                                 .arg(Rotulo_Fim_Curso(c, false), Rotulo_Fim_Curso(c, true)));
        const int v = peca(TForma::valvula5, 0, cx + 10, Y_VALVULA, QStringLiteral("valve, 5 ways"),
                           QStringLiteral("left pilot; right pilot; name \"%1V1\"; tomada_ar").arg(i + 1));
        pecas_[size_t(v)].desvio = true;
        tomada(v);
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
                const int o = peca(TForma::ou, 0, x, Y_VALVULA + 60 + 40 * j, QStringLiteral("OR valve"), QString());
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
void TDesenho_Pneumatico::memorias()
{
    int x = 84;
    for (int k = 0; k < e_.memorias; ++k) {
        QString ajustes = QStringLiteral("left pilot; right pilot; name \"0V%1\"").arg(k + 1);
        int v;
        if (e_.cascata) {
            if (k == 0)
                ajustes += QStringLiteral("; tomada_ar");
            v = peca(TForma::valvula5, FILEIRA_MEMORIAS, x, 0, QStringLiteral("valve, 5 ways"), ajustes);
            pecas_[size_t(v)].desvio = true;
            if (k == 0)
                tomada(v);
        } else {
            const bool ativa = k == e_.memorias - 1;
            ajustes += QStringLiteral("; tomada_ar");
            if (ativa)
                ajustes += QStringLiteral("; initial 1, current 1, drawn 1");
            v = peca(TForma::valvula3, FILEIRA_MEMORIAS, x, 0, QStringLiteral("valve, 3 ways"), ajustes, ativa ? 1 : 2);
            tomada(v);
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
void TDesenho_Pneumatico::caminhos()
{
    auto media = [&](const TSinal_Pneumatico &s, bool memorias) {
        double soma = 0;
        int n = 0;
        for (const auto &[sinal, ponta] : entradas_)
            if (sinal == s && (!memorias || pecas_[size_t(ponta.peca)].fileira != 0)) {
                soma += x_descida(ponta);
                ++n;
            }
        return n ? soma / n : -1.0;
    };
    const int ncaminhos = int(e_.caminhos.size());
    std::vector<double> desejado(size_t(ncaminhos), -1.0);
    for (int c = 0; c < ncaminhos; ++c)
        desejado[size_t(c)] = media({false, c}, false);
    // A path that sets a memory goes by that memory, whatever else it resets far away.
    for (const auto &[sinal, ponta] : entradas_)
        if (!sinal.linha && ponta.porta == 6 && pecas_[size_t(ponta.peca)].fileira != 0)
            desejado[size_t(sinal.indice)] = x_descida(ponta);
    // A shared sensor goes near the paths it joins.
    for (int c = 0; c < ncaminhos; ++c) {
        if (desejado[size_t(c)] >= 0)
            continue;
        double soma = 0;
        int n = 0;
        for (int u = 0; u < ncaminhos; ++u)
            for (int j : e_.caminhos[size_t(u)].e)
                if (j == c && desejado[size_t(u)] >= 0) {
                    soma += desejado[size_t(u)];
                    ++n;
                }
        desejado[size_t(c)] = n ? soma / n - 1 : 0;
    }

    // Each column as it will stand, relative to its left.
    struct TValvula {
        QString ajustes;
        int desenhada;
    };
    struct TColuna {
        int caminho;
        std::vector<TValvula> serie;
        std::vector<int> es; // the paths its ANDs take on their second input
        TSinal_Pneumatico base;
        bool base_e;       // the first AND takes `base`: no valve in series
        int de, ate;       // what it covers
        std::vector<int> altos, baixos; // its vertical runs above and below
        int fileira = 1;
    };
    auto x_e = [](int j) { return 36 - 10 * j; };
    auto px = [](int desenhada) { return desenhada == 2 ? 30 : 6; };
    std::vector<TColuna> colunas;
    for (int i = 0; i < ncaminhos; ++i) {
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
        return desejado[size_t(a.caminho)] < desejado[size_t(b.caminho)];
    });

    // How many rows: as many as keep each within the width of the others, or of a screen.
    int largura = 1400, total = 0;
    for (const TPeca &p : pecas_)
        largura = std::max(largura, p.esquerda + 100);
    for (const TColuna &k : colunas)
        total += k.ate - k.de + 6 + FOLGA;
    const int n_fileiras = std::max(1, (total + largura - 1) / largura);
    for (size_t i = 0; i < colunas.size(); ++i)
        colunas[i].fileira = 1 + int(i) % n_fileiras;
    fileiras_ = n_fileiras + 2;
    const int fm = fileiras_ - 1;
    for (TPeca &p : pecas_)
        if (p.fileira == FILEIRA_MEMORIAS)
            p.fileira = fm;
    for (TRede &r : redes_)
        for (auto &[fileira, x] : r.vias)
            if (fileira == FILEIRA_MEMORIAS)
                fileira = fm;

    // The channels each signal reaches, and so the rows it crosses.
    std::map<std::pair<bool, int>, std::pair<int, int>> alcance; // signal -> first, last channel
    auto alcancar = [&](const TSinal_Pneumatico &s, int canal) {
        const auto chave = std::make_pair(s.linha, s.indice);
        auto it = alcance.find(chave);
        if (it == alcance.end())
            alcance[chave] = {canal, canal};
        else
            it->second = {std::min(it->second.first, canal), std::max(it->second.second, canal)};
    };
    for (const auto &[sinal, ponta] : entradas_)
        alcancar(sinal, pecas_[size_t(ponta.peca)].fileira == 0 ? 0 : fm - 1);
    for (int k = 0; k < e_.linhas(); ++k)
        alcancar({true, k}, fm - 1);
    for (const TColuna &k : colunas) {
        alcancar({false, k.caminho}, k.fileira - 1);
        if (k.base_e || e_.caminhos[size_t(k.caminho)].linha >= 0)
            alcancar(k.base, k.fileira);
        for (int j : k.es)
            alcancar({false, j}, k.fileira - 1);
    }

    // Vertical runs already in each channel.
    std::vector<std::vector<int>> ocupados(static_cast<size_t>(fileiras_));
    for (const auto &[sinal, ponta] : entradas_)
        ocupados[pecas_[size_t(ponta.peca)].fileira == 0 ? 0 : size_t(fm - 1)].push_back(x_descida(ponta));
    for (int m : memoria_)
        for (int porta : {2, 4})
            if (porta == 2 || pecas_[size_t(m)].forma == TForma::valvula5)
                ocupados[size_t(fm - 1)].push_back(x_descida({m, porta}));
    for (const TRede &r : redes_)
        for (const auto &[fileira, x] : r.vias)
            ocupados[size_t(fileira - 1)].push_back(x);
    auto livre = [&](int canal, int x) {
        for (int o : ocupados[size_t(canal)])
            if (std::abs(o - x) < FOLGA)
                return false;
        return true;
    };

    topo_caminho_.assign(size_t(ncaminhos), -1);
    base_caminho_.assign(size_t(ncaminhos), -1);
    altura_.assign(size_t(fileiras_), 0);
    for (int f = 1; f <= n_fileiras; ++f) {
        struct TItem {
            double desejado;
            const TColuna *coluna; // null: a crossing
            TSinal_Pneumatico sinal;
        };
        std::vector<TItem> itens;
        for (const TColuna &k : colunas)
            if (k.fileira == f)
                itens.push_back({desejado[size_t(k.caminho)], &k, {false, k.caminho}});
        for (const auto &[chave, faixa] : alcance) {
            if (!(faixa.first < f && f <= faixa.second))
                continue;
            const TSinal_Pneumatico s{chave.first, chave.second};
            // A path's crossing goes just before it when it comes from its own row; a line's
            // near the pilots it drives.
            double x = s.linha ? media(s, false) : desejado[size_t(s.indice)];
            if (!s.linha && media(s, true) >= 0)
                x = media(s, true);
            itens.push_back({(x < 0 ? 0 : x) - 0.5, nullptr, s});
        }
        std::stable_sort(itens.begin(), itens.end(), [](const TItem &a, const TItem &b) { return a.desejado < b.desejado; });
        int cursor = 30;
        for (const TItem &it : itens) {
            if (!it.coluna) {
                int x = std::max(int(it.desejado), cursor + FOLGA);
                while (!livre(f - 1, x) || !livre(f, x))
                    x += 3;
                ocupados[size_t(f - 1)].push_back(x);
                ocupados[size_t(f)].push_back(x);
                travessias_.push_back({it.sinal, {f, x}});
                cursor = x + FOLGA;
                continue;
            }
            const TColuna &k = *it.coluna;
            const TCaminho_Pneumatico &c = e_.caminhos[size_t(k.caminho)];
            const int n = int(k.serie.size()), ne = int(k.es.size());
            int esquerda = std::max(int(it.desejado) - 18, cursor - k.de);
            for (;;) {
                bool ok = true;
                for (int x : k.altos)
                    ok = ok && livre(f - 1, esquerda + x);
                for (int x : k.baixos)
                    ok = ok && livre(f, esquerda + x);
                if (ok)
                    break;
                esquerda += 3;
            }
            const int dy_serie = ne > 0 ? (ne - 1) * 48 + 43 : 0;
            int anterior = -1;
            for (int j = 0; j < n; ++j) {
                QString ajustes = k.serie[size_t(j)].ajustes;
                if (j == 0 && c.linha < 0)
                    ajustes += QStringLiteral("; tomada_ar");
                const int v = peca(TForma::valvula3, f, esquerda, dy_serie + (n - 1 - j) * PASSO_SERIE,
                                   QStringLiteral("valve, 3 ways"), ajustes, k.serie[size_t(j)].desenhada);
                pecas_[size_t(v)].desvio = c.partida && j == 0;
                if (j == 0) {
                    base_caminho_[size_t(k.caminho)] = v;
                    if (c.linha < 0)
                        tomada(v);
                }
                if (anterior >= 0)
                    locais_.push_back({{anterior, 2}, {v, 1}, pecas_[size_t(anterior)].dy - 26, {}});
                anterior = v;
            }
            for (int j = 0; j < ne; ++j) {
                const int dy = (ne - 1 - j) * 48;
                const int v = peca(TForma::e, f, esquerda + x_e(j), dy, QStringLiteral("AND valve"), QString());
                if (j == 0 && k.base_e) {
                    entradas_e_.push_back({k.base, {v, 1}});
                } else if (j == 0) {
                    // From the top valve in series: up above its name, right into the AND.
                    const TPonta de{anterior, 2};
                    std::vector<QPoint> rel;
                    for (size_t q = 1; q < saida(de).size(); ++q)
                        rel.push_back(saida(de)[q]);
                    const int x = rel.empty() ? ponto(anterior, 2).x() : rel.back().x();
                    rel.push_back({x, dy + 17});
                    locais_.push_back({de, {v, 1}, -1, rel});
                } else {
                    const int xa = esquerda + x_e(j - 1), ya = dy + 48;
                    locais_.push_back({{anterior, 2}, {v, 1}, -1, {{xa + 25, ya - 6}, {xa - 16, ya - 6}, {xa - 16, dy + 17}}});
                }
                entradas_e_.push_back({{false, k.es[size_t(j)]}, {v, 3}});
                anterior = v;
            }
            topo_caminho_[size_t(k.caminho)] = anterior;
            altura_[size_t(f)] = std::max(altura_[size_t(f)],
                                          n ? dy_serie + (n - 1) * PASSO_SERIE + (c.linha < 0 ? 51 : 30) : (ne - 1) * 48 + 29);
            for (int x : k.altos)
                ocupados[size_t(f - 1)].push_back(esquerda + x);
            for (int x : k.baixos)
                ocupados[size_t(f)].push_back(esquerda + x);
            cursor = esquerda + k.ate + 6;
        }
    }
}

// Every signal as one net: its source, what it feeds, and where it crosses the middle row.
void TDesenho_Pneumatico::redes()
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

// Tracks by the left-edge rule: a net takes the first track of the channel whose last run
// ends clear of its own.
void TDesenho_Pneumatico::trilhas()
{
    trilhas_.assign(size_t(fileiras_), {});
    for (TRede &r : redes_)
        r.trilha.assign(size_t(fileiras_), -1);
    for (int c = 0; c < fileiras_; ++c) {
        struct TIntervalo {
            int de, ate;
            size_t rede;
        };
        std::vector<TIntervalo> intervalos;
        for (size_t i = 0; i < redes_.size(); ++i) {
            std::vector<int> xs;
            for (const TPonta &p : redes_[i].pontas)
                if (canal(p) == c)
                    xs.push_back(x_descida(p));
            for (const auto &[fileira, x] : redes_[i].vias)
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
            redes_[it.rede].trilha[c] = int(t);
        }
        trilhas_[size_t(c)].assign(fim.size(), 0);
    }
}

// Each row under the channel above it, with room for the names over its valves; each channel
// as deep as its tracks.
void TDesenho_Pneumatico::alturas()
{
    topo_.assign(size_t(fileiras_), 0);
    auto canal_abaixo = [&](int c, int topo) {
        std::vector<int> &t = trilhas_[size_t(c)];
        const int n = int(t.size());
        for (int i = 0; i < n; ++i)
            t[size_t(i)] = topo + MARGEM_CANAL + i * ENTRE_TRILHAS;
        return n ? topo + 2 * MARGEM_CANAL + (n - 1) * ENTRE_TRILHAS : topo + 10;
    };
    int fundo = Y_VALVULA + 50;
    for (const TPeca &p : pecas_)
        if (p.fileira == 0 && p.forma == TForma::ou)
            fundo = std::max(fundo, p.dy + 29);
    for (int f = 1; f < fileiras_; ++f) {
        topo_[size_t(f)] = canal_abaixo(f - 1, fundo + 4) + ROTULOS_ACIMA;
        fundo = topo_[size_t(f)] + (f + 1 < fileiras_ ? altura_[size_t(f)] : memoria_.empty() ? 0 : 51);
    }
    canal_abaixo(fileiras_ - 1, fundo + 4);
}

QString TDesenho_Pneumatico::escrever()
{
    TTabela_Circuito t;
    for (TPeca &p : pecas_) {
        const int topo = this->topo(p.fileira) + p.dy;
        if (p.forma == TForma::tomada)
            p.codigo = t.componente(p.tipo, p.esquerda, topo, QStringLiteral("on %1.1").arg(pecas_[size_t(p.hospedeiro)].codigo));
        else
            p.codigo = t.componente(p.tipo, p.esquerda, topo, p.ajustes);
    }
    struct TFio {
        int a, pa, b, pb;
        std::vector<QPoint> pontos;
    };
    std::vector<TFio> fios;
    for (const TFio_Local &f : locais_) {
        const QPoint a = ponto(f.a.peca, f.a.porta), b = ponto(f.b.peca, f.b.porta);
        std::vector<QPoint> pts;
        if (!f.pontos.empty()) {
            pts.push_back(a);
            for (const QPoint &q : f.pontos)
                pts.push_back(q + QPoint(0, topo(pecas_[size_t(f.a.peca)].fileira)));
            pts.push_back(b);
        } else if (f.meio >= 0) {
            const int m = topo(pecas_[size_t(f.a.peca)].fileira) + f.meio;
            std::vector<QPoint> ida = saida(f.a), volta = saida(f.b);
            pts = ida;
            pts.push_back(QPoint(ida.back().x(), m));
            pts.push_back(QPoint(volta.back().x(), m));
            pts.insert(pts.end(), volta.rbegin(), volta.rend());
        } else if (lado(pecas_[size_t(f.a.peca)].forma == TForma::ou || pecas_[size_t(f.a.peca)].forma == TForma::e, f.a.porta) != 0) {
            pts = {a, QPoint(b.x(), a.y()), b};
        } else {
            pts = {a, QPoint(a.x(), b.y()), b};
        }
        fios.push_back({pecas_[size_t(f.a.peca)].codigo, f.a.porta, pecas_[size_t(f.b.peca)].codigo, f.b.porta, pts});
    }

    // Each net as a graph: its ports, the points where its runs meet its tracks, and the runs
    // between them. A point where three runs meet gets a junction; the others are bends.
    for (const TRede &r : redes_) {
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
        std::map<std::pair<int, int>, int> pontos;
        std::map<int, std::vector<int>> na_trilha; // channel -> x
        auto no_ponto = [&](int c, int x) {
            const int y = trilhas_[size_t(c)][size_t(r.trilha[size_t(c)])];
            const auto chave = std::make_pair(x, y);
            auto it = pontos.find(chave);
            if (it != pontos.end())
                return it->second;
            nos.push_back({-1, 0, QPoint(x, y), {}, -1});
            na_trilha[c].push_back(x);
            return pontos[chave] = int(nos.size()) - 1;
        };
        auto ligar = [&](int a, int b, std::vector<QPoint> pts) {
            arestas.push_back({a, b, std::move(pts)});
            nos[size_t(a)].arestas.push_back(int(arestas.size()) - 1);
            nos[size_t(b)].arestas.push_back(int(arestas.size()) - 1);
        };
        for (const TPonta &p : r.pontas) {
            nos.push_back({p.peca, p.porta, ponto(p.peca, p.porta), {}, -1});
            const int porta = int(nos.size()) - 1;
            const int c = canal(p);
            const int trilha = no_ponto(c, x_descida(p));
            auto pts = guia(p);
            pts.push_back(nos[size_t(trilha)].p);
            ligar(porta, trilha, pts);
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
        for (TNo &n : nos)
            if (n.peca < 0 && n.arestas.size() >= 3)
                n.jump = t.componente(QStringLiteral("jump"), n.p.x() - 4, n.p.y() - 4);
        auto terminal = [&](const TNo &n) { return n.peca >= 0 || n.jump >= 0; };
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
                    TAresta &ar = arestas[size_t(aresta)];
                    ar.usada = true;
                    std::vector<QPoint> trecho = ar.pontos;
                    if (ar.a != atual)
                        std::reverse(trecho.begin(), trecho.end());
                    pts.insert(pts.end(), trecho.begin() + (pts.empty() ? 0 : 1), trecho.end());
                    atual = ar.a == atual ? ar.b : ar.a;
                    const TNo &n = nos[size_t(atual)];
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
                const TNo &a = nos[inicio], &b = nos[size_t(atual)];
                if (!terminal(b))
                    continue;
                auto ponta = [&](const TNo &n, bool primeiro, int &codigo, int &porta) {
                    if (n.peca >= 0) {
                        codigo = pecas_[size_t(n.peca)].codigo;
                        porta = n.porta;
                        return;
                    }
                    codigo = n.jump;
                    QPoint &fim = primeiro ? pts.front() : pts.back();
                    QPoint vizinho = fim;
                    if (primeiro) {
                        for (size_t k = 1; k < pts.size() && vizinho == fim; ++k)
                            vizinho = pts[k];
                    } else {
                        for (size_t k = pts.size() - 1; k-- > 0 && vizinho == fim;)
                            vizinho = pts[k];
                    }
                    fim = porta_jump(n.p, vizinho, porta);
                };
                TFio f;
                ponta(a, true, f.a, f.pa);
                ponta(b, false, f.b, f.pb);
                f.pontos = pts;
                fios.push_back(f);
            }
        }
    }
    for (const TFio &f : fios)
        t.fio(f.a, f.pa, f.b, f.pb, f.pontos);
    return t.texto();
}

QString TDesenho_Pneumatico::tabela()
{
    cilindros();
    memorias();
    caminhos();
    redes();
    trilhas();
    alturas();
    return escrever();
}

} // namespace zefira
