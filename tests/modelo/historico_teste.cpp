// The undo history's bookkeeping: which snapshot is current, what undo and redo offer, and
// where the saved (clean) state is after saving, undoing, branching and trimming.
#include "modelo/historico.h"
#include <gtest/gtest.h>
#include <string>

using namespace zefira;

namespace {

TInstantaneo inst(const char *circuito, const char *nome = "") { return {circuito, {}, QString::fromLatin1(nome)}; }

// Operations as letters: r record (circuit named after a counter), u undo, d redo, s save.
// Expected: the current circuit, whether it is the saved one, and the captions' names.
struct Caso {
    const char *operacoes;
    const char *atual;
    bool limpo;
    const char *desfazer, *refazer;
};

} // namespace

TEST(Historico, OperacoesMovemOIndiceEOPontoSalvo)
{
    const Caso casos[] = {
        {"", "0", true, "", ""},          {"r", "1", false, "p1", ""},     {"ru", "0", true, "", "p1"},
        {"rud", "1", false, "p1", ""},    {"rs", "1", true, "p1", ""},     {"rsu", "0", false, "", "p1"},
        {"rsud", "1", true, "p1", ""},    {"rrsuu", "0", false, "", "p1"}, {"uuud", "0", true, "", ""},
        // A new step after undoing past the save drops the saved state with the redo tail.
        {"rsur", "2", false, "p2", ""},   {"rsurud", "2", false, "p2", ""},
    };
    for (const Caso &c : casos) {
        THistorico h;
        h.iniciar(inst("0"));
        int contador = 0;
        for (const char *o = c.operacoes; *o; ++o) {
            switch (*o) {
            case 'r': {
                const std::string n = std::to_string(++contador);
                h.registrar(inst(n.c_str(), ("p" + n).c_str()));
                break;
            }
            case 'u': h.desfazer(); break;
            case 'd': h.refazer(); break;
            case 's': h.marcar_limpo(); break;
            }
        }
        SCOPED_TRACE(c.operacoes);
        EXPECT_EQ(h.atual().circuito, QByteArray(c.atual));
        EXPECT_EQ(h.limpo(), c.limpo);
        EXPECT_EQ(h.nome_desfazer(), QString::fromLatin1(c.desfazer));
        EXPECT_EQ(h.nome_refazer(), QString::fromLatin1(c.refazer));
        EXPECT_EQ(h.pode_desfazer(), *c.desfazer != 0);
        EXPECT_EQ(h.pode_refazer(), *c.refazer != 0);
    }
}

// Beyond the depth limit the oldest snapshots go; a saved state among them is unreachable.
TEST(Historico, AparaOsMaisAntigosEPerdeOPontoSalvoAparado)
{
    THistorico h;
    h.iniciar(inst("base"));
    for (int i = 1; i <= THistorico::MAXIMO_PASSOS + 5; ++i)
        h.registrar(inst(std::to_string(i).c_str()));
    EXPECT_EQ(h.numero_passos(), THistorico::MAXIMO_PASSOS + 1);
    int desfeitos = 0;
    while (h.desfazer())
        ++desfeitos;
    EXPECT_EQ(desfeitos, THistorico::MAXIMO_PASSOS);
    EXPECT_EQ(h.atual().circuito, QByteArray("5"));
    EXPECT_FALSE(h.limpo());

    // The byte count follows what is held.
    THistorico g;
    g.iniciar(inst("ab"));
    g.registrar(inst("cdef"));
    g.registrar(inst("gh"));
    g.desfazer();
    g.registrar(inst("i"));
    EXPECT_EQ(g.bytes(), 2 + 4 + 1);
}
