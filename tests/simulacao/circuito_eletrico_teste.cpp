// The circuit of current, step by step: conduction, relays, timers, counters, the short circuit
// and the inputs from cylinders and tubes.
#include "apoio/circuito.h"
#include "componentes/eletrico/familia_eletrica.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "simulacao/circuito_eletrico.h"

#include <gtest/gtest.h>

#include <functional>

namespace zefira {
namespace {

using teste::ligar_fio;

// A part as the palette places it, renamed.
TComponente &parte(TEstado &e, int tipo, int variante, const char *tag)
{
    static int x = 0;
    TComponente &c = e.lista().adicionar(tipo, x += 60, -1, -1, -1, 100);
    c.familia().posicionar(e.lista(), c, Variante_Eletrica(variante));
    c.eletrico->tag = QString::fromLatin1(tag);
    return c;
}

TComponente &borne(TEstado &e, bool positivo) { return parte(e, TIPO_BORNE, positivo ? 0 : 1, ""); }

// +24 V, then each part from its port 1 to its port 2, then 0 V.
void serie(TEstado &e, std::initializer_list<TComponente *> partes)
{
    TComponente *antes = &borne(e, true);
    int porta = 1;
    for (TComponente *c : partes) {
        ligar_fio(e, *antes, porta, *c, 1);
        antes = c;
        porta = 2;
    }
    ligar_fio(e, *antes, porta, borne(e, false), 1);
}

TComponente *por_tag(TEstado &e, const char *tag)
{
    for (int i = 0; i < e.lista().numero_componentes(); ++i)
        if (e.lista()[i].eletrico && e.lista()[i].eletrico->tag == QLatin1String(tag))
            return &e.lista()[i];
    return nullptr;
}

// A coil or counter shows its output (its contacts share its tag), any other part whether it
// carries current.
bool ligado(TEstado &e, const char *tag)
{
    for (int i = 0; i < e.lista().numero_componentes(); ++i) {
        const TComponente &c = e.lista()[i];
        if (c.eletrico && c.eletrico->tag == QLatin1String(tag) &&
            c.familia().eletrica()->papel() == TFamilia_Eletrica::TPapel::comando)
            return c.eletrico->saida;
    }
    return por_tag(e, tag)->eletrico->energizada[0];
}

enum { NA = 0, NF = 1 };
enum { RELE = 0, RETARDO_LIGAR = 1, RETARDO_DESLIGAR = 2 };

void selo(TEstado &e)
{
    // S0 (NF) feeds S1 and K1's self-holding contact in parallel, and both feed the coil.
    TComponente &s0 = parte(e, TIPO_BOTAO, NF, "S0"), &s1 = parte(e, TIPO_BOTAO, NA, "S1");
    TComponente &selo = parte(e, TIPO_CONTATO, NA, "K1"), &k1 = parte(e, TIPO_BOBINA, RELE, "K1");
    TComponente &d1 = parte(e, TIPO_DERIVACAO, 0, ""), &d2 = parte(e, TIPO_DERIVACAO, 0, "");
    ligar_fio(e, borne(e, true), 1, s0, 1);
    ligar_fio(e, s0, 2, d1, 1);
    ligar_fio(e, d1, 3, s1, 1);
    ligar_fio(e, d1, 4, selo, 1);
    ligar_fio(e, s1, 2, d2, 3);
    ligar_fio(e, selo, 2, d2, 4);
    ligar_fio(e, d2, 2, k1, 1);
    ligar_fio(e, k1, 2, borne(e, false), 1);
}

struct Caso {
    const char *nome;
    std::function<void(TEstado &)> montar;
    const char *acoes;    // per step: the tag toggled before it ("S1"), or "" for none
    const char *observado;
    const char *esperado; // per step: 1 when the observed part is on after it
};

std::vector<std::string> dividir(const char *acoes)
{
    std::vector<std::string> r;
    std::string atual;
    for (const char *p = acoes;; ++p) {
        if (*p == ' ' || *p == '\0') {
            r.push_back(atual == "." ? "" : atual);
            atual.clear();
            if (!*p)
                return r;
        } else {
            atual += *p;
        }
    }
}

const Caso CASOS[] = {
    {"NA em série", [](TEstado &e) { serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &parte(e, TIPO_LAMPADA, 0, "H1")}); },
     "S1 . S1 .", "H1", "1100"},
    {"NF em série", [](TEstado &e) { serie(e, {&parte(e, TIPO_BOTAO, NF, "S1"), &parte(e, TIPO_LAMPADA, 0, "H1")}); },
     "S1 . S1 .", "H1", "0011"},
    {"NA e NF em série",
     [](TEstado &e) {
         serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &parte(e, TIPO_BOTAO, NF, "S0"), &parte(e, TIPO_LAMPADA, 0, "H1")});
     },
     "S1 S0 S0 S1", "H1", "1010"},
    {"paralelo",
     [](TEstado &e) {
         TComponente &d1 = parte(e, TIPO_DERIVACAO, 0, ""), &d2 = parte(e, TIPO_DERIVACAO, 0, "");
         TComponente &s1 = parte(e, TIPO_BOTAO, NA, "S1"), &s2 = parte(e, TIPO_BOTAO, NA, "S2");
         ligar_fio(e, borne(e, true), 1, d1, 1);
         ligar_fio(e, d1, 3, s1, 1);
         ligar_fio(e, d1, 4, s2, 1);
         ligar_fio(e, s1, 2, d2, 3);
         ligar_fio(e, s2, 2, d2, 4);
         TComponente &h1 = parte(e, TIPO_LAMPADA, 0, "H1");
         ligar_fio(e, d2, 2, h1, 1);
         ligar_fio(e, h1, 2, borne(e, false), 1);
     },
     "S1 S2 S1 S2", "H1", "1110"},
    {"comutador: NF em repouso, NA acionado",
     [](TEstado &e) {
         serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &parte(e, TIPO_BOBINA, RELE, "K1")});
         TComponente &k = parte(e, TIPO_CONTATO, 2, "K1");
         ligar_fio(e, borne(e, true), 1, k, 1);
         TComponente &h1 = parte(e, TIPO_LAMPADA, 0, "H1"), &h2 = parte(e, TIPO_LAMPADA, 0, "H2");
         ligar_fio(e, k, 2, h1, 1);
         ligar_fio(e, k, 3, h2, 1);
         ligar_fio(e, h1, 2, borne(e, false), 1);
         ligar_fio(e, h2, 2, borne(e, false), 1);
     },
     ". S1 . S1", "H1", "1001"},
    {"selo: S1 liga, S0 desliga", selo, "S1 S1 . S0 S0 .", "K1", "111000"},
    {"relé que corta a própria bobina vibra uma vez por passo",
     [](TEstado &e) { serie(e, {&parte(e, TIPO_CONTATO, NF, "K1"), &parte(e, TIPO_BOBINA, RELE, "K1")}); },
     ". . . . . .", "K1", "101010"},
    {"retardo na ligação de 2 s: cinco passos",
     [](TEstado &e) {
         TComponente &kt = parte(e, TIPO_BOBINA, RETARDO_LIGAR, "KT1");
         kt.eletrico->tempo = 2000;
         serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &kt});
         serie(e, {&parte(e, TIPO_CONTATO, NA, "KT1"), &parte(e, TIPO_LAMPADA, 0, "H1")});
     },
     "S1 . . . . . S1 .", "H1", "00000100"},
    {"retardo no desligamento de 0,8 s: dois passos",
     [](TEstado &e) {
         TComponente &kt = parte(e, TIPO_BOBINA, RETARDO_DESLIGAR, "KT1");
         kt.eletrico->tempo = 800;
         serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &kt});
     },
     "S1 . S1 . . .", "KT1", "111100"},
    {"contador: três bordas de subida, depois reset",
     [](TEstado &e) {
         TComponente &kc = parte(e, TIPO_CONTADOR, 0, "KC1");
         kc.eletrico->preset = 3;
         TComponente &s1 = parte(e, TIPO_BOTAO, NA, "S1"), &s0 = parte(e, TIPO_BOTAO, NA, "S0");
         ligar_fio(e, borne(e, true), 1, s1, 1);
         ligar_fio(e, s1, 2, kc, 1);
         ligar_fio(e, kc, 2, borne(e, false), 1);
         ligar_fio(e, borne(e, true), 1, s0, 1);
         ligar_fio(e, s0, 2, kc, 3);
         ligar_fio(e, kc, 4, borne(e, false), 1);
         serie(e, {&parte(e, TIPO_CONTATO, NA, "KC1"), &parte(e, TIPO_LAMPADA, 0, "H1")});
     },
     "S1 S1 S1 S1 S1 S1 S0 S0", "H1", "00001100"},
};

class Conducao : public ::testing::TestWithParam<Caso> {};

TEST_P(Conducao, PassoAPasso)
{
    const Caso &caso = GetParam();
    TEstado e;
    caso.montar(e);
    const std::vector<std::string> acoes = dividir(caso.acoes);
    ASSERT_EQ(acoes.size(), strlen(caso.esperado));
    std::string obtido;
    for (const std::string &tag : acoes) {
        if (!tag.empty())
            por_tag(e, tag.c_str())->eletrico->acionado ^= true;
        TCircuito_Eletrico circuito(e.lista(), nullptr);
        ASSERT_EQ(circuito.resolver(), QString());
        obtido += ligado(e, caso.observado) ? '1' : '0';
    }
    EXPECT_EQ(obtido, caso.esperado);
}

INSTANTIATE_TEST_SUITE_P(Eletrico, Conducao, ::testing::ValuesIn(CASOS),
                         [](const ::testing::TestParamInfo<Caso> &i) { return "caso" + std::to_string(i.index); });

// The conductors marked as carrying current after the steps, in list order: only those on a
// path from +24 V through an energised load to 0 V, not a live wire ending at an open contact
// nor the 0 V wire of a load that is off.
TEST(Condutores, SoOsDoCaminhoDaCorrente)
{
    const struct {
        std::function<void(TEstado &)> montar;
        const char *acoes;
        const char *esperado;
    } casos[] = {
        {selo, "S1", "11111111"},
        {selo, "S1 S1", "11010111"}, // held by K1: S1's branch is open
        {selo, "S1 S1 S0", "00000000"},
        {[](TEstado &e) {
             serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &parte(e, TIPO_LAMPADA, 0, "H1")});
             serie(e, {&parte(e, TIPO_BOTAO, NA, "S2"), &parte(e, TIPO_LAMPADA, 0, "H2")});
         },
         "S1", "111000"},
    };
    for (const auto &caso : casos) {
        TEstado e;
        caso.montar(e);
        for (const std::string &tag : dividir(caso.acoes)) {
            por_tag(e, tag.c_str())->eletrico->acionado ^= true;
            ASSERT_EQ(TCircuito_Eletrico(e.lista(), nullptr).resolver(), QString());
        }
        std::string obtido;
        for (int i = 0; i < e.lista().numero_componentes(); ++i)
            if (e.lista()[i].e_fio())
                obtido += e.lista()[i].fio->corrente ? '1' : '0';
        EXPECT_EQ(obtido, caso.esperado) << caso.acoes;
    }
}

// A path through no load refuses the step, names its parts and leaves every state as it was.
TEST(CurtoCircuito, RecusaOPassoENomeiaOCaminho)
{
    TEstado e;
    serie(e, {&parte(e, TIPO_BOTAO, NA, "S2"), &parte(e, TIPO_LAMPADA, 0, "H1")});
    serie(e, {&parte(e, TIPO_BOTAO, NA, "S1"), &parte(e, TIPO_CONTATO, NF, "K9"), &parte(e, TIPO_DERIVACAO, 0, "")});
    por_tag(e, "S2")->eletrico->acionado = true;
    ASSERT_EQ(TCircuito_Eletrico(e.lista(), nullptr).resolver(), QString());
    por_tag(e, "S1")->eletrico->acionado = true;
    por_tag(e, "S2")->eletrico->acionado = false;
    EXPECT_EQ(TCircuito_Eletrico(e.lista(), nullptr).resolver(),
              QStringLiteral("Curto-circuito: +24 V ligado a 0 V sem carga, por S1, K9."));
    EXPECT_TRUE(ligado(e, "H1"));
}

// Sensors follow the labels the cylinders stand on, a pressure switch the tube on its air port.
TEST(Entradas, SensoresEPressostato)
{
    TEstado e;
    TComponente &sensor = parte(e, TIPO_SENSOR, 0, "1S2");
    sensor.eletrico->rotulo = QStringLiteral("a1");
    serie(e, {&sensor, &parte(e, TIPO_LAMPADA, 0, "H1")});
    TComponente &p = parte(e, TIPO_PRESSOSTATO, 0, "1B1");
    TComponente &h2 = parte(e, TIPO_LAMPADA, 0, "H2");
    TComponente &tubo = ligar_fio(e, teste::componente(e, TIPO_JUMP, 0, 0), 1, p, 1);
    ligar_fio(e, borne(e, true), 1, p, 2);
    ligar_fio(e, p, 3, h2, 1);
    ligar_fio(e, h2, 2, borne(e, false), 1);
    for (bool alcancado : {false, true})
        for (int pressao : {0, 6}) {
            tubo.fio->pressao = pressao;
            TCircuito_Eletrico(e.lista(), [&](const QString &r) { return alcancado && r == "a1"; }).resolver();
            EXPECT_EQ(ligado(e, "H1"), alcancado);
            EXPECT_EQ(ligado(e, "H2"), pressao > 0);
        }
}

} // namespace
} // namespace zefira
