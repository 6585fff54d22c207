#include "assistente/escada_eletrica.h"

#include <algorithm>

namespace zefira {

namespace {

constexpr int TOPO = 30;          // the +24 V terminals' row
constexpr int PRIMEIRO = TOPO + 40; // the first symbol under a terminal
constexpr int PASSO = 60;         // one symbol down the column
constexpr int JUNCAO = 30;        // from a junction to the branch under it, and back
constexpr int RAMO = 60;          // between parallel branches
constexpr int MARGEM_ROLETE = 20; // more room left of a branch with a roller or a push button
constexpr int LARGURA_MAXIMA = 3900; // the right edge the work area leaves room for

using TSimbolo = TEscada_Eletrica::TSimbolo;
using TSerie = TEscada_Eletrica::TSerie;
using TTrecho = TEscada_Eletrica::TTrecho;
using TCaminho = TEscada_Eletrica::TCaminho;
using TPonta = std::pair<int, int>; // component code, port

// From a symbol's left edge to its line of current.
int recuo(const TSimbolo &s)
{
    return s.tipo == QLatin1String("button") || s.tipo == QLatin1String("sensor") ? 28 : 15;
}

bool tem_rolete(const TSerie &serie)
{
    return std::any_of(serie.begin(), serie.end(), [](const TSimbolo &s) { return recuo(s) > 15; });
}

// Each branch's line, from the first's.
std::vector<int> deslocamentos(const TTrecho &trecho)
{
    std::vector<int> d{0};
    for (size_t b = 1; b < trecho.size(); ++b)
        d.push_back(d.back() + RAMO + (tem_rolete(trecho[b]) ? MARGEM_ROLETE : 0));
    return d;
}

int altura(const TTrecho &trecho)
{
    size_t maior = 0;
    for (const TSerie &s : trecho)
        maior = std::max(maior, s.size());
    return trecho.size() == 1 ? PASSO * int(maior) : 2 * JUNCAO + PASSO * int(maior);
}

// Where the load's lower port ends.
int fim(const TCaminho &c)
{
    int y = PRIMEIRO;
    for (const TTrecho &t : c.trechos)
        y += altura(t);
    return y + (c.cargas.size() > 1 ? JUNCAO : 0) + PASSO;
}

// A relay's coil lists beside it the paths of its contacts, open and closed ones on two lines:
// as wide as its longer line ("NA 2, 3, 11").
int texto_bobina(const std::vector<TCaminho> &caminhos, const TSimbolo &bobina)
{
    const QString tag = bobina.ajustes.mid(bobina.ajustes.indexOf(QLatin1Char('"')));
    int na = 0, nf = 0;
    for (const TCaminho &c : caminhos)
        for (const TTrecho &t : c.trechos)
            for (const TSerie &s : t)
                for (const TSimbolo &simbolo : s)
                    if (simbolo.tipo == QLatin1String("contact") && simbolo.ajustes.endsWith(tag))
                        ++(simbolo.ajustes.startsWith(QLatin1String("mode 1")) ? nf : na);
    return 45 + 18 * std::max(na, nf);
}

int largura(const std::vector<TCaminho> &caminhos, const TCaminho &c)
{
    int l = RAMO * int(c.cargas.size() - 1) + 70;
    for (const TTrecho &t : c.trechos)
        l = std::max(l, deslocamentos(t).back() + 70);
    for (const TSimbolo &carga : c.cargas)
        if (carga.tipo == QLatin1String("coil"))
            l = std::max(l, RAMO * int(&carga - &c.cargas.front()) + texto_bobina(caminhos, carga));
    return l;
}

// A roller on the line keeps clear of the text beside the path before.
int margem(const TCaminho &c)
{
    return !c.trechos.empty() && tem_rolete(c.trechos.front().front()) ? MARGEM_ROLETE : 0;
}

TPonta serie(TTabela_Circuito &t, int x, int &y, TPonta ant, const TSerie &s)
{
    for (const TSimbolo &simbolo : s) {
        const int c = t.componente(simbolo.tipo, x - recuo(simbolo), y, simbolo.ajustes);
        t.fio(ant.first, ant.second, c, 1);
        ant = {c, 2};
        y += PASSO;
    }
    return ant;
}

// Parallel branches: a junction over every branch but the last, which turns in from the side.
TPonta paralelo(TTabela_Circuito &t, int x, int &y, TPonta ant, const TTrecho &trecho)
{
    const std::vector<int> d = deslocamentos(trecho);
    const size_t n = trecho.size();
    std::vector<int> cima;
    for (size_t b = 0; b + 1 < n; ++b) {
        cima.push_back(t.componente(QStringLiteral("electric junction"), x + d[b] - 3, y));
        if (b == 0)
            t.fio(ant.first, ant.second, cima[0], 1);
        else
            t.fio(cima[b - 1], 4, cima[b], 3);
    }
    std::vector<TPonta> pontas;
    int baixo = y;
    for (size_t b = 0; b < n; ++b) {
        int yb = y + JUNCAO;
        const TPonta inicio = b + 1 < n ? TPonta{cima[b], 2} : TPonta{cima[n - 2], 4};
        pontas.push_back(serie(t, x + d[b], yb, inicio, trecho[b]));
        baixo = std::max(baixo, yb);
    }
    std::vector<int> juncoes;
    for (size_t b = 0; b + 1 < n; ++b) {
        juncoes.push_back(t.componente(QStringLiteral("electric junction"), x + d[b] - 3, baixo));
        t.fio(pontas[b].first, pontas[b].second, juncoes[b], 1);
        if (b > 0)
            t.fio(juncoes[b - 1], 4, juncoes[b], 3);
    }
    t.fio(pontas[n - 1].first, pontas[n - 1].second, juncoes[n - 2], 4);
    y = baixo + JUNCAO;
    return {juncoes[0], 2};
}

} // namespace

TSimbolo TEscada_Eletrica::botao(const QString &tag)
{
    return {QStringLiteral("button"), QStringLiteral("mode 0; tag \"%1\"").arg(tag)};
}

TSimbolo TEscada_Eletrica::sensor(const QString &tag, const QString &rotulo, bool nf)
{
    return {QStringLiteral("sensor"),
            QStringLiteral("mode 0; tag \"%1\"%2; label \"%3\"").arg(tag, nf ? QStringLiteral("; nf") : QString(), rotulo)};
}

TSimbolo TEscada_Eletrica::contato(const QString &tag, bool nf)
{
    return {QStringLiteral("contact"), QStringLiteral("mode %1; tag \"%2\"").arg(nf ? 1 : 0).arg(tag)};
}

TSimbolo TEscada_Eletrica::bobina(const QString &tag)
{
    return {QStringLiteral("coil"), QStringLiteral("mode 0; tag \"%1\"").arg(tag)};
}

TSimbolo TEscada_Eletrica::solenoide(const QString &tag)
{
    return {QStringLiteral("solenoid"), QStringLiteral("tag \"%1\"").arg(tag)};
}

bool TEscada_Eletrica::cabe(int esquerda) const
{
    int x = esquerda;
    for (const TCaminho &c : caminhos_)
        x += (x > esquerda ? margem(c) : 0) + largura(caminhos_, c);
    return x <= LARGURA_MAXIMA;
}

void TEscada_Eletrica::montar(TTabela_Circuito &t, int esquerda, int abaixo) const
{
    int base = PRIMEIRO;
    for (const TCaminho &c : caminhos_)
        base = std::max(base, fim(c));
    const int faixa = base - TOPO + 60; // one band of the ladder, with the room under it
    int x = esquerda, deslocamento = abaixo;
    for (const TCaminho &c : caminhos_) {
        if (x > esquerda)
            x += margem(c);
        if (x > esquerda && x + largura(caminhos_, c) > LARGURA_MAXIMA) {
            x = esquerda;
            deslocamento += faixa;
        }
        const int topo = t.componente(QStringLiteral("terminal"), x - 10, TOPO + deslocamento, QStringLiteral("mode 0"));
        TPonta ant{topo, 1};
        int y = PRIMEIRO + deslocamento;
        for (const TTrecho &trecho : c.trechos)
            ant = trecho.size() == 1 ? serie(t, x, y, ant, trecho[0]) : paralelo(t, x, y, ant, trecho);
        const size_t n = c.cargas.size();
        std::vector<int> juncoes;
        for (size_t b = 0; b + 1 < n; ++b) {
            juncoes.push_back(t.componente(QStringLiteral("electric junction"), x + RAMO * int(b) - 3, y));
            if (b == 0)
                t.fio(ant.first, ant.second, juncoes[0], 1);
            else
                t.fio(juncoes[b - 1], 4, juncoes[b], 3);
        }
        if (n > 1)
            y += JUNCAO;
        for (size_t b = 0; b < n; ++b) {
            const int xb = x + RAMO * int(b);
            int yb = y;
            const TPonta inicio = n == 1 ? ant : b + 1 < n ? TPonta{juncoes[b], 2} : TPonta{juncoes[n - 2], 4};
            const TPonta carga = serie(t, xb, yb, inicio, {c.cargas[b]});
            const int zero = t.componente(QStringLiteral("terminal"), xb - 10, base + deslocamento, QStringLiteral("mode 1"));
            t.fio(carga.first, carga.second, zero, 1);
        }
        x += largura(caminhos_, c);
    }
}

} // namespace zefira
