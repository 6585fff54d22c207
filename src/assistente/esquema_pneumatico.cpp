#include "assistente/esquema_pneumatico.h"

#include <algorithm>

namespace zefira {

namespace {

class TMontagem {
public:
    TMontagem(const TSequencia_Movimentos &s, TEsquema_Pneumatico &e) : s_(s), e_(e) {}

    TSinal_Pneumatico caminho(int linha, bool partida, int passo_anterior)
    {
        TCaminho_Pneumatico c;
        c.linha = linha;
        c.partida = partida;
        c.sensores = Fins_Do_Passo(s_, passo_anterior);
        e_.caminhos.push_back(c);
        return {false, int(e_.caminhos.size()) - 1};
    }
    static TSinal_Pneumatico linha(int k) { return {true, k}; }

    void pilotar(bool memoria, int indice, bool direito, TSinal_Pneumatico sinal)
    {
        for (TPiloto_Pneumatico &p : e_.pilotos)
            if (p.memoria == memoria && p.indice == indice && p.direito == direito) {
                p.sinais.push_back(sinal);
                return;
            }
        e_.pilotos.push_back({memoria, indice, direito, {sinal}});
    }
    // Every movement of the step, by its valve's pilot.
    void passo(int k, TSinal_Pneumatico sinal)
    {
        for (const TMovimento &m : s_.passos()[size_t(k)])
            pilotar(false, int(e_.cilindros.indexOf(m.cilindro)), !m.avanco, sinal);
    }

private:
    const TSequencia_Movimentos &s_;
    TEsquema_Pneumatico &e_;
};

// A label presses one roller valve only: a sensor that several paths need gets a path of its
// own, fed by its own supply, whose output joins each of them in an AND valve. A path left with
// nothing but one such sensor is that sensor's output itself.
void compartilhar_sensores(TEsquema_Pneumatico &e)
{
    std::vector<std::pair<TMovimento, int>> usos;
    for (const TCaminho_Pneumatico &c : e.caminhos)
        for (const TMovimento &m : c.sensores) {
            auto it = std::find_if(usos.begin(), usos.end(), [&](const auto &u) { return u.first == m; });
            if (it == usos.end())
                usos.push_back({m, 1});
            else
                ++it->second;
        }
    const size_t originais = e.caminhos.size();
    for (const auto &[sensor, n] : usos) {
        if (n < 2)
            continue;
        const int proprio = int(e.caminhos.size());
        e.caminhos.push_back({-1, false, {sensor}, {}, false});
        for (size_t c = 0; c < originais; ++c) {
            auto &ss = e.caminhos[c].sensores;
            if (std::find(ss.begin(), ss.end(), sensor) != ss.end()) {
                ss.erase(std::find(ss.begin(), ss.end(), sensor));
                e.caminhos[c].e.push_back(proprio);
            }
        }
    }
    for (size_t c = 0; c < originais; ++c) {
        TCaminho_Pneumatico &x = e.caminhos[c];
        if (!x.sensores.empty() || x.partida || x.linha >= 0 || x.e.size() != 1)
            continue;
        x.apelido = true;
        for (TPiloto_Pneumatico &p : e.pilotos)
            for (TSinal_Pneumatico &s : p.sinais)
                if (!s.linha && s.indice == int(c))
                    s.indice = x.e.front();
    }
}

} // namespace

void TEsquema_Pneumatico::fonte_linha(int linha, int &memoria, int &porta) const
{
    if (!cascata) {
        memoria = linha;
        porta = 2;
    } else if (linha < memorias) {
        memoria = linha;
        porta = 4;
    } else {
        memoria = memorias - 1;
        porta = 2;
    }
}

TEsquema_Pneumatico Esquema_Pneumatico(const TSequencia_Movimentos &s, TMetodo metodo)
{
    TEsquema_Pneumatico e;
    e.cilindros = s.cilindros();
    TMontagem m(s, e);
    const int n = s.numero_passos();
    if (metodo == TMetodo::intuitivo) {
        for (int k = 0; k < n; ++k)
            m.passo(k, m.caminho(-1, k == 0, (k + n - 1) % n));
    } else if (metodo == TMetodo::cascata) {
        const auto grupos = Grupos_Cascata(s);
        const int g = int(grupos.size());
        e.cascata = true;
        e.memorias = g - 1;
        // Group g's line drives its first step directly, the others through the sensors of
        // the step before; its last step's sensors move the chain on to the next line. The
        // last line, with the start button, selects the first.
        for (int j = 0; j < g; ++j) {
            const auto &passos = grupos[size_t(j)];
            m.passo(passos.front(), m.linha(j));
            for (size_t i = 1; i < passos.size(); ++i)
                m.passo(passos[i], m.caminho(j, false, passos[i - 1]));
            if (j + 1 < g)
                m.pilotar(true, j, true, m.caminho(j, false, passos.back()));
        }
        m.pilotar(true, 0, false, m.caminho(g - 1, true, n - 1));
        // Line k sets memory k + 1 beforehand, so that the chain opens onto line k + 1.
        for (int k = 1; k < e.memorias; ++k)
            m.pilotar(true, k, false, m.linha(k - 1));
    } else {
        e.memorias = n;
        std::vector<TSinal_Pneumatico> liga(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k) {
            liga[size_t(k)] = m.caminho((k + n - 1) % n, k == 0, (k + n - 1) % n);
            m.pilotar(true, k, false, liga[size_t(k)]);
            m.passo(k, m.linha(k));
        }
        // The signal that sets the next memory resets this one in the same instant: reset by
        // the next line, a step's cylinders would wait one instant for the last line to fall,
        // and the movements of one step would part.
        for (int k = 0; k < n; ++k)
            m.pilotar(true, k, true, liga[size_t((k + 1) % n)]);
    }
    compartilhar_sensores(e);
    return e;
}

} // namespace zefira
