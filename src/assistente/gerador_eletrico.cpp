#include "assistente/gerador_eletrico.h"

#include "assistente/escada_eletrica.h"
#include "assistente/tabela_circuito.h"

#include <algorithm>

namespace zefira {

namespace {

using E = TEscada_Eletrica;

constexpr int CILINDRO_X = 90;  // the first cylinder's left edge
constexpr int CILINDRO_DX = 240; // room for a cylinder, its end labels and its force
constexpr int ESCADA_DX = 250;  // from the last cylinder to the ladder's first line
constexpr int ESCADA_ABAIXO_X = 110, ESCADA_ABAIXO_Y = 200; // a ladder under the cylinders

QString rele(int n)
{
    return QStringLiteral("K%1").arg(n);
}

// The limit switches that close when the movements are over (open, with `nf`).
E::TSerie sensores(const std::vector<TMovimento> &fins, bool nf = false)
{
    E::TSerie s;
    for (const TMovimento &f : fins)
        s.push_back(E::sensor(Tag_Fim_Curso(f.cilindro, f.avanco), Rotulo_Fim_Curso(f.cilindro, f.avanco), nf));
    return s;
}

E::TSerie mais(E::TSerie a, const E::TSerie &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The conditions that energise each solenoid, one branch for each time the sequence needs it,
// the solenoids in the order the sequence first uses them.
using TSolenoides = std::vector<std::pair<QString, std::vector<E::TSerie>>>;

void acionar(TSolenoides &y, const TPasso_Sequencia &passo, const E::TSerie &condicao)
{
    for (const TMovimento &m : passo) {
        const QString tag = Tag_Solenoide(m.cilindro, m.avanco);
        auto it = std::find_if(y.begin(), y.end(), [&](const auto &s) { return s.first == tag; });
        if (it == y.end())
            it = y.insert(y.end(), {tag, {}});
        it->second.push_back(condicao);
    }
}

// Solenoids energised by the same conditions share their path, in parallel at its foot.
void montar(const TSolenoides &y, E &escada)
{
    std::vector<QString> chaves;
    std::vector<E::TCaminho> caminhos;
    for (const auto &[tag, ramos] : y) {
        QString chave;
        for (const E::TSerie &serie : ramos) {
            for (const E::TSimbolo &simbolo : serie)
                chave += simbolo.tipo + simbolo.ajustes + QLatin1Char(';');
            chave += QLatin1Char('|');
        }
        const size_t k = size_t(std::find(chaves.begin(), chaves.end(), chave) - chaves.begin());
        if (k == chaves.size()) {
            chaves.push_back(chave);
            caminhos.push_back({{ramos}, {}});
        }
        caminhos[k].cargas.push_back(E::solenoide(tag));
    }
    for (const E::TCaminho &c : caminhos)
        escada.acrescentar(c);
}

// A latched relay: dropped by `desliga`, picked up by `liga`, held by its own contact.
E::TCaminho memoria(int k, const E::TTrecho &desliga, const E::TSerie &liga)
{
    return {{desliga, {liga, {E::contato(rele(k))}}}, {E::bobina(rele(k))}};
}

// A path for each step: the sensors that end the step before, the first step's also the start
// button, energise the step's solenoids.
void intuitivo(const TSequencia_Movimentos &s, E &escada)
{
    const int n = s.numero_passos();
    for (int k = 0; k < n; ++k) {
        E::TSerie sinal = sensores(Fins_Do_Passo(s, (k + n - 1) % n));
        if (k == 0)
            sinal.insert(sinal.begin(), E::botao(QStringLiteral("S1")));
        E::TCaminho c{{{sinal}}, {}};
        for (const TMovimento &m : s.passos()[size_t(k)])
            c.cargas.push_back(E::solenoide(Tag_Solenoide(m.cilindro, m.avanco)));
        escada.acrescentar(c);
    }
}

// Relay Kg stands for group g (1 to G-1), the last group being all of them dropped: each picks up
// when the group before ends and drops the one before it; the last one drops by the sensors that
// end its own group. Inside a group, each step after the first waits for the step before.
void cascata(const TSequencia_Movimentos &s, E &escada)
{
    const auto grupos = Grupos_Cascata(s);
    const int g_n = int(grupos.size()), n = s.numero_passos();
    for (int g = 1; g < g_n; ++g) {
        const E::TSerie liga = g == 1 ? mais({E::botao(QStringLiteral("S1"))}, sensores(Fins_Do_Passo(s, n - 1)))
                                      : mais({E::contato(rele(g - 1))}, sensores(Fins_Do_Passo(s, grupos[size_t(g - 2)].back())));
        E::TTrecho desliga;
        if (g + 1 < g_n)
            desliga = {{E::contato(rele(g + 1), true)}};
        else
            for (const E::TSimbolo &sensor : sensores(Fins_Do_Passo(s, grupos[size_t(g - 1)].back()), true))
                desliga.push_back({sensor}); // any of them still open keeps the group
        escada.acrescentar(memoria(g, desliga, liga));
    }
    TSolenoides y;
    for (int g = 0; g < g_n; ++g) {
        E::TSerie linha;
        if (g + 1 < g_n)
            linha = {E::contato(rele(g + 1))};
        else
            for (int k = 1; k < g_n; ++k)
                linha.push_back(E::contato(rele(k), true));
        for (int k : grupos[size_t(g)])
            acionar(y, s.passos()[size_t(k)], k == grupos[size_t(g)].front() ? linha : mais(linha, sensores(Fins_Do_Passo(s, k - 1))));
    }
    montar(y, escada);
}

// Relay Kk for step k, picked up by the relay before and the sensors that end its step, dropped
// by the next; one more relay after the last step drops it and holds until the next start.
void passo_a_passo(const TSequencia_Movimentos &s, E &escada)
{
    const int n = s.numero_passos();
    for (int k = 1; k <= n + 1; ++k) {
        const E::TSerie liga = k == 1 ? mais({E::botao(QStringLiteral("S1"))}, sensores(Fins_Do_Passo(s, n - 1)))
                                      : mais({E::contato(rele(k - 1))}, sensores(Fins_Do_Passo(s, k - 2)));
        escada.acrescentar(memoria(k, {{E::contato(rele(k <= n ? k + 1 : 1), true)}}, liga));
    }
    TSolenoides y;
    for (int k = 1; k <= n; ++k)
        acionar(y, s.passos()[size_t(k - 1)], {E::contato(rele(k))});
    montar(y, escada);
}

} // namespace

QString Tabela_Eletrica(const TSequencia_Movimentos &s, TMetodo metodo)
{
    TTabela_Circuito t;
    int x = CILINDRO_X;
    for (QChar c : s.cilindros()) {
        const int cilindro =
            t.componente(QStringLiteral("cylinder"), x, 47,
                         QStringLiteral("double acting, single rod; name \"%1\"; labels 1 = \"%2\" at 0, 2 = \"%3\" at 100")
                             .arg(c)
                             .arg(Rotulo_Fim_Curso(c, false), Rotulo_Fim_Curso(c, true)));
        const int valvula = t.componente(QStringLiteral("valve, 5 ways"), x + 20, 125,
                                         QStringLiteral("left solenoid \"%1\"; right solenoid \"%2\"; name \"%3V1\"; tomada_ar")
                                             .arg(Tag_Solenoide(c, true), Tag_Solenoide(c, false))
                                             .arg(c.unicode() - 'A' + 1));
        t.fio(cilindro, 1, valvula, 4);
        t.fio(cilindro, 2, valvula, 2);
        t.componente(QStringLiteral("air supply"), x + 50, 156, QStringLiteral("on %1.1").arg(valvula));
        x += CILINDRO_DX;
    }
    E escada;
    switch (metodo) {
    case TMetodo::intuitivo: intuitivo(s, escada); break;
    case TMetodo::cascata: cascata(s, escada); break;
    case TMetodo::passo_a_passo: passo_a_passo(s, escada); break;
    }
    // Right of the cylinders; when that leaves too little room, under them.
    const int direita = x - CILINDRO_DX + ESCADA_DX;
    if (escada.cabe(direita))
        escada.montar(t, direita);
    else
        escada.montar(t, ESCADA_ABAIXO_X, ESCADA_ABAIXO_Y);
    return t.texto();
}

} // namespace zefira
