// The electrical parts' dialog without its window: the fields each family has and which the
// chosen kind leaves open, the time box's reading, and what OK writes into the record.
#include "propriedades/configuracao_eletrica.h"
#include "edicao/paleta.h"
#include "modelo/estado.h"

#include <gtest/gtest.h>

using namespace zefira;
using C = TConfiguracao_Eletrica;

// The fields shown, the ones open as placed, and the kinds offered.
TEST(ConfiguracaoEletrica, CamposDeCadaFamilia)
{
    const struct {
        int codigo, campos, abertos, tipos;
    } casos[] = {
        {16, 0, 0, 0},
        {18, C::TAG | C::CONTATO | C::TIPO, C::TAG | C::CONTATO | C::TIPO, 4},
        {21, C::TAG | C::CONTATO | C::TIPO, C::TAG | C::TIPO, 4}, // an emergency stop is NF
        {23, C::TAG | C::CONTATO | C::TIPO | C::ROTULO, C::TAG | C::CONTATO | C::TIPO | C::ROTULO, 5},
        {25, C::TAG | C::CONTATO, C::TAG | C::CONTATO, 0},
        {26, C::TAG | C::TIPO | C::TEMPO, C::TAG | C::TIPO, 3}, // a plain relay has no time
        {27, C::TAG | C::TIPO | C::TEMPO, C::TAG | C::TIPO | C::TEMPO, 3},
        {28, C::TAG | C::PRESET, C::TAG | C::PRESET, 0},
        {31, C::TAG | C::TIPO, C::TAG | C::TIPO, 3},
        {32, C::TAG, C::TAG, 0},
        {33, C::TAG, C::TAG, 0},
        {34, 0, 0, 0},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.codigo);
        TEstado e;
        TComponente &p = Posicionar_Componente(e, c.codigo, 100, 100);
        C d;
        d.preparar(e.lista(), p);
        d.FormShow();
        EXPECT_EQ(d.campos(), c.campos);
        int abertos = 0;
        for (C::Campo campo : {C::TAG, C::CONTATO, C::TIPO, C::ROTULO, C::TEMPO, C::PRESET})
            abertos |= d.habilitado(campo) ? campo : 0;
        EXPECT_EQ(abertos, c.abertos);
        EXPECT_EQ(d.tipos().size(), c.tipos);
    }
    // The dialog edits exactly the parts whose family names it.
    TEstado e;
    for (const TPeca &peca : Pecas()) {
        TComponente &p = Posicionar_Componente(e, peca.entrada->codigo, 100, 100);
        EXPECT_EQ(p.familia().dialogo_propriedades(p) == QLatin1String("TFormconfiguracaoeletrica"),
                  C::campos(p.tipo) != 0)
            << peca.entrada->codigo;
    }
}

TEST(ConfiguracaoEletrica, TempoEmSegundosComVirgula)
{
    const struct {
        const char *texto;
        int ms;
    } casos[] = {{"2,5", 2500}, {"2.5", 2500}, {" 7 ", 7000}, {"0", 0}, {"0,45", 450}, {"3600", 3600000},
                 {"12,", 12000}, {"3600,001", -1}, {"1,2345", -1}, {"-1", -1}, {"", -1}, {"1e3", -1}, {",5", -1}};
    for (const auto &c : casos)
        EXPECT_EQ(C::tempo_ms(QString::fromUtf8(c.texto)), c.ms) << c.texto;
    for (int ms : {0, 450, 2500, 3000, 3600000})
        EXPECT_EQ(C::tempo_ms(C::texto_tempo(ms)), ms) << C::texto_tempo(ms).toStdString();
    EXPECT_EQ(C::texto_tempo(2500), QStringLiteral("2,5"));
}

// What the boxes are given, then what OK leaves in the record.
TEST(ConfiguracaoEletrica, OKEscreveORegistro)
{
    const struct {
        int codigo;
        const char *tag;
        int modo;
        bool nf;
        const char *rotulo, *tempo;
        int preset;
        bool valido;
        // the record after OK
        const char *tag_depois;
        int modo_depois;
        bool nf_depois;
        const char *rotulo_depois;
        int tempo_depois, preset_depois;
    } casos[] = {
        {18, "s 3)", 2, false, "", "", 1, true, "S 3", 2, true, "", 0, 1},     // emergency: NF
        {23, "", 3, true, " a1 ", "", 1, true, "1S1", 3, true, "a1", 0, 1},   // emptied tag stays
        {26, "k2", 0, false, "", "abc", 1, true, "K2", 0, false, "", 0, 1},    // a relay's time is not read
        {26, "KT9", 2, false, "", "1,5", 1, true, "KT9", 2, false, "", 1500, 1},
        {27, "KT1", 1, false, "", "9999", 1, false, "KT1", 1, false, "", 2000, 1}, // time out of range
        {28, "KC2", 0, false, "", "", 12, true, "KC2", 0, false, "", 0, 12},
        {29, "K4", 1, false, "", "", 1, true, "K4", 0, true, "", 0, 1},        // contact NF
        {29, "K4", 2, false, "", "", 1, true, "K4", 1, false, "", 0, 1},       // changeover
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(testing::Message() << c.codigo << " " << c.tag);
        TEstado e;
        TComponente &cilindro = Posicionar_Componente(e, 8, 300, 300);
        cilindro.cilindro->definir_rotulo(1, QStringLiteral("a1"), 0);
        cilindro.cilindro->definir_rotulo(2, QStringLiteral("a0"), 100);
        TComponente &p = Posicionar_Componente(e, c.codigo, 100, 100);
        C d;
        d.preparar(e.lista(), p);
        d.FormShow();
        EXPECT_EQ(d.rotulos, QStringList({"a1", "a0"}));
        d.definir_tag(QString::fromUtf8(c.tag));
        d.definir_modo(c.modo);
        d.nf = d.nf || c.nf;
        d.definir_rotulo(QString::fromUtf8(c.rotulo));
        d.tempo = QString::fromUtf8(c.tempo);
        d.preset = c.preset;
        EXPECT_EQ(d.valido(), c.valido);
        d.ButOKClick();
        const TEletrico &r = *p.eletrico;
        EXPECT_EQ(r.tag, QString::fromUtf8(c.tag_depois));
        EXPECT_EQ(r.modo, c.modo_depois);
        EXPECT_EQ(r.nf, c.nf_depois);
        EXPECT_EQ(r.rotulo, QString::fromUtf8(c.rotulo_depois));
        EXPECT_EQ(r.tempo, c.tempo_depois);
        EXPECT_EQ(r.preset, c.preset_depois);
    }
}
