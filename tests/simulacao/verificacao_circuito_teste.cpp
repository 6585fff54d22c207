// The classroom check: one spoilt copy of a working circuit per kind of finding (the ten
// demonstrations, correct circuits, have none: Demonstracao.FiosNasPortasSemAvisosEmRepouso).

#include "componentes/eletrico/familia_eletrica.h"
#include "demonstracoes/demonstracoes.h"
#include "documento/arquivo_circuito.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/verificacao_circuito.h"
#include <functional>
#include <gtest/gtest.h>

namespace zefira {
namespace {

std::string linhas(const TEstado &estado)
{
    QStringList r;
    for (const TAviso &a : Verificar_Circuito(*estado.lista_componentes))
        r << a.linha();
    return r.join(QLatin1Char('\n')).toStdString();
}

// "A+ A- ciclo único": cylinder 1 "A"; valve 2 "a0" piloted both sides, fed by supply 5;
// lever valve 9 "a2" on supply 10 pilots port 6 through wire 15; roller valve 12 on label
// "a1" (supply 14) pilots port 7 through wire 13.
struct TCaso {
    const char *nome;
    std::function<void(TLista_Componente &)> estragar;
    QStringList esperado;
};

TEST(VerificacaoCircuito, CadaDefeitoApontadoNoSeuComponente)
{
    const auto valvula = [](TLista_Componente &l, int codigo) -> TValvula_Direcional & {
        return *l.procurar(codigo)->valvula_direcional;
    };
    const TCaso casos[] = {
        {"porta de trabalho aberta", [](TLista_Componente &l) { l.remover(3); },
         {"1 Cilindro \"A\": a porta 1 não está ligada a nada",
          "2 Válvula de 5 vias \"a0\": a porta 4 não está ligada a nada"}},
        {"alimentação sem tomada", [](TLista_Componente &l) { l.remover(10); },
         {"9 Válvula de 3 vias \"a2\": a porta 1 não está ligada a nada"}},
        {"tomada solta", [](TLista_Componente &l) { l.remover(12); },
         {"1 Cilindro \"A\": o rótulo \"a1\" (100 mm) não aciona nenhuma válvula",
          "2 Válvula de 5 vias \"a0\": o piloto da direita (porta 7) não está ligado a nada",
          "14 Tomada de Ar: a porta 1 não está ligada a nada"}},
        {"rótulo que nenhum cilindro tem",
         [](TLista_Componente &l) { l.procurar(1)->cilindro->definir_rotulo(2, QStringLiteral("a9"), 100); },
         {"1 Cilindro \"A\": o rótulo \"a9\" (100 mm) não aciona nenhuma válvula",
          "12 Válvula de 3 vias \"a1\": nenhum cilindro tem o rótulo \"a1\""}},
        {"nome que não é rótulo",
         [&](TLista_Componente &l) {
             valvula(l, 12).rotulo.clear();
             valvula(l, 12).descricao = QStringLiteral("a 1");
         },
         {"1 Cilindro \"A\": o rótulo \"a1\" (100 mm) não aciona nenhuma válvula",
          "12 Válvula de 3 vias \"a 1\": nenhum cilindro tem o rótulo \"a 1\""}},
        {"rolete sem rótulo", [&](TLista_Componente &l) { valvula(l, 12).rotulo.clear(); },
         {"1 Cilindro \"A\": o rótulo \"a1\" (100 mm) não aciona nenhuma válvula",
          "12 Válvula de 3 vias: o acionamento mecânico não tem rótulo de cilindro"}},
        {"nome repetido", [&](TLista_Componente &l) { valvula(l, 9).descricao = QStringLiteral("A0 "); },
         {"9 Válvula de 3 vias \"A0\": a válvula 2 do mesmo circuito tem o mesmo nome"}},
        {"fora da área",
         [](TLista_Componente &l) {
             l.procurar(9)->esquerda = -10;
             l.procurar(9)->atualizar_geometria();
             l.procurar(5)->topo = 2600;
         },
         {"5 Tomada de Ar: está fora da área de trabalho, em (201, 2600)",
          "9 Válvula de 3 vias \"a2\": está fora da área de trabalho, em (-10, 216)"}},
        {"tubo sobre um símbolo",
         [](TLista_Componente &l) {
             // Lever valve 9 up to pilot 6 of valve 2, detouring across roller valve 12.
             l.procurar(15)->fio->pontos = {{125, 211}, {125, 150}, {300, 150}, {300, 230}, {280, 230},
                                            {280, 166}, {151, 166}};
         },
         {"15 Tubo: passa sobre 12 Válvula de 3 vias \"a1\""}},
    };
    for (const TCaso &k : casos) {
        SCOPED_TRACE(k.nome);
        TEstado estado;
        TInterfaceRoteirizada ui;
        ASSERT_TRUE(Construir_Demonstracao(estado, ui, QStringLiteral("AAcclonico1")));
        k.estragar(estado.lista());
        EXPECT_EQ(linhas(estado), k.esperado.join(QLatin1Char('\n')).toStdString());
    }
}

// The start/stop circuit of the fixture (see tests/cli/eletrico_teste.cpp), clean as drawn:
// valve 2 "1V1" with solenoid 1Y1 (part 31), S0 21, S1 23, 1S1 33 and 1S2 25 on labels a0 and
// a1, coil K1 26, its contacts 28 and 30, terminals 20, 29 (+24 V) and 27, 32 (0 V).
TEST(VerificacaoCircuito, DefeitosEletricos)
{
    const auto tag = [](TLista_Componente &l, int codigo, const char *t) { l.procurar(codigo)->eletrico->tag = t; };
    const TCaso casos[] = {
        {"sem defeito", [](TLista_Componente &) {}, {}},
        {"solenoide da válvula sem componente",
         [](TLista_Componente &l) { l.procurar(2)->valvula_direcional->definir_solenoide(true, QStringLiteral("1y2")); },
         {"2 Válvula de 5 vias \"1V1\": nenhum solenoide tem a tag \"1y2\""}},
        {"tag sem distinguir maiúsculas; contato sem bobina", [&](TLista_Componente &l) { tag(l, 31, " 1y1 "); tag(l, 30, "k2"); },
         {"30 Contato \"k2\": nenhum relé, temporizador ou contador tem a tag \"k2\""}},
        {"contato e solenoide sem destino", [&](TLista_Componente &l) { tag(l, 31, "1Y3"); tag(l, 28, "KT1"); },
         {"2 Válvula de 5 vias \"1V1\": nenhum solenoide tem a tag \"1Y1\"",
          "28 Contato \"KT1\": nenhum relé, temporizador ou contador tem a tag \"KT1\"",
          "31 Solenoide \"1Y3\": nenhuma válvula tem este solenoide"}},
        {"tag de bobina repetida e portas abertas",
         [](TLista_Componente &l) {
             TComponente &kc = l.adicionar(TIPO_CONTADOR, 700, -1, -1, -1, 200);
             kc.eletrico->tag = QStringLiteral("k1");
             kc.atualizar_geometria();
         },
         {"54 Contador \"k1\": a porta 1 não está ligada a nada", "54 Contador \"k1\": a porta 2 não está ligada a nada",
          "54 Contador \"k1\": a tag \"k1\" já é do componente 26"}},
        {"condutor removido", [](TLista_Componente &l) { l.remover(45); },
         {"25 Sensor \"1S2\": a porta 2 não está ligada a nada", "26 Relé \"K1\": a porta 1 não está ligada a nada"}},
        {"sem 0 V",
         [](TLista_Componente &l) {
             for (int codigo : {27, 32, 46, 51})
                 l.remover(codigo);
         },
         {"20 Borne \"+24 V\": o circuito elétrico não tem borne de 0 V",
          "26 Relé \"K1\": a porta 2 não está ligada a nada", "31 Solenoide \"1Y1\": a porta 2 não está ligada a nada"}},
        {"sensor sem cilindro", [](TLista_Componente &l) { l.procurar(25)->eletrico->rotulo = QStringLiteral("A1"); },
         {"1 Cilindro \"A\": o rótulo \"a1\" (100 mm) não aciona nenhuma válvula",
          "25 Sensor \"1S2\": nenhum cilindro tem o rótulo \"A1\""}},
    };
    for (const TCaso &k : casos) {
        SCOPED_TRACE(k.nome);
        TEstado estado;
        ASSERT_EQ(Abrir_Arquivo(estado, QStringLiteral(ZEFIRA_FIXTURES "/eletropneumatico.zfr")).status, StatusLeitura::Ok);
        k.estragar(estado.lista());
        EXPECT_EQ(linhas(estado), k.esperado.join(QLatin1Char('\n')).toStdString());
    }
}

} // namespace
} // namespace zefira
