// The classroom check: one spoilt copy of a working circuit per kind of finding (the ten
// demonstrations, correct circuits, have none: Demonstracao.FiosNasPortasSemAvisosEmRepouso).

#include "demonstracoes/demonstracoes.h"
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

} // namespace
} // namespace zefira
