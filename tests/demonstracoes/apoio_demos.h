#pragma once
// Shared by the demonstration tests: the ten circuits as the Demo menu must build them (menu
// name, title, the kind and code of every record in construction order), written here apart
// from the tables the program builds them from, and a driver that builds one and runs it as
// the work area does, with the student's mouse clicks on the valve actuators.

#include "demonstracoes/demonstracoes.h"
#include "modelo/estado.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/roteiro_simulacao.h"
#include "simulacao/simulacao.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace zefira::teste {

struct TDemoEsperada {
    const char *nome;
    const char *titulo;
    // One letter per record: C cylinder, V directional valve, S air supply, W wire,
    // E AND/OR valve, J jump.
    const char *tipos;
    std::vector<int> codigos;
};

// In menu order.
inline const std::vector<TDemoEsperada> &Demos_Esperadas()
{
    static const std::vector<TDemoEsperada> demos = {
        {"comandobasico1", " - DEMO - Comando Básico 1", "CVWSCVWSVSW", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"comandobasico2", " - DEMO - Comando Básico 2", "CVWWSVWSVWSCVWWSVWS",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19, 20}},
        {"funcaoE", " - DEMO - Função E", "CVSWWVWVWSCVWWSEWVWSVWS",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22, 23, 24}},
        {"funcaoOU", " - DEMO - Função OU", "VVSCVWWSVSVSEWWWSCEWWW",
         {6, 8, 10, 11, 12, 13, 14, 15, 19, 21, 22, 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 35}},
        {"AAcclonico1", " - DEMO - A+A- Ciclo Único", "CVWWSVSVWSW", {1, 2, 3, 4, 5, 9, 10, 12, 13, 14, 15}},
        {"AAcclocontnuo1", " - DEMO - A+A- Ciclo Contínuo", "CVWWSVWVSWVWS",
         {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}},
        {"intuitivo1", " - DEMO - Intuitivo 1", "CVWWSVSVSCVWWSVWWWVWSVWS",
         {11, 12, 13, 14, 15, 19, 21, 22, 24, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51}},
        {"intuitivo2", " - DEMO - Intuitivo 2", "CVWWSVSVCVWWSVWWVWVSVSWWJWWWJWWW",
         {11, 12, 13, 14, 15, 19, 21, 22, 36, 37, 38, 39, 40, 42, 43, 45,
          46, 47, 49, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 62, 63, 65}},
        {"cascata", " - DEMO - Cascata", "CVWWSVVCVWWSVVVVSJJWWJJWWWJJWJWWWWWJWWWWWWWW",
         {11, 12, 13, 14, 15, 19, 22, 36, 37, 38, 39, 40, 42, 46, 49, 52, 53, 56, 60, 65, 66, 67,
          69, 71, 72, 73, 74, 75, 76, 78, 79, 80, 81, 82, 83, 84, 86, 87, 88, 89, 90, 91, 92, 93}},
        {"passoapasso", " - DEMO - Passo a Passo",
         "CVWWSVVCVWWSVVVJJJJJJWJJVSVJWWJJWWSWWWVVWJWWWJWWJWWWJSWSWJWWWWWWJWWWWWWWJWJWWW",
         {11,  12,  13,  14,  15,  19,  22,  36,  37,  38,  39,  40,  42,  46,  49,  56,  60,  67,  69,  74,
          75,  76,  84,  95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 108, 109, 111, 112, 113,
          116, 117, 118, 119, 121, 123, 124, 125, 127, 128, 129, 130, 131, 132, 135, 136, 137, 140, 142, 143,
          144, 146, 147, 150, 151, 152, 153, 154, 156, 158, 159, 160, 161, 162, 163, 164, 165, 166}},
    };
    return demos;
}

using Posicoes = std::vector<int>;

// One demonstration under simulation: built on a fresh document, then opened the way the
// window does it (the rest-state update of the first tick) and started with the start button.
class TDemoSimulada {
public:
    explicit TDemoSimulada(const char *nome)
    {
        TInterfaceRoteirizada ui;
        construida = Construir_Demonstracao(estado, ui, QString::fromLatin1(nome));
        TRoteiro_Simulacao().iniciar(estado);
    }

    TEstado estado;
    bool construida = false;

    TComponente &componente(int codigo) { return *estado.lista().procurar(codigo); }
    TValvula_Direcional &valvula(int codigo) { return *componente(codigo).valvula_direcional; }
    int posicao(int cilindro) { return componente(cilindro).cilindro->posicao; }

    // A left-button press in the band left of the valve, where its left actuator is drawn.
    // Only that valve may react: a band shared with a neighbour would make the test meaningless.
    void pressionar(int codigo)
    {
        const TComponente &alvo = componente(codigo);
        std::map<int, bool> antes = sinais_esquerdos();
        Pressionar_Acionador(estado, alvo.esquerda - 10, (alvo.topo + alvo.baixo) / 2);
        std::map<int, bool> depois = sinais_esquerdos();
        EXPECT_NE(antes[codigo], depois[codigo]) << "press missed valve " << codigo;
        antes.erase(codigo);
        depois.erase(codigo);
        EXPECT_EQ(antes, depois) << "press on valve " << codigo << " reached another valve";
    }
    // The button released; with Shift alone held the push buttons stay applied.
    void soltar(bool com_shift = false) { Soltar_Acionadores(estado, com_shift); }
    void clicar(int codigo)
    {
        pressionar(codigo);
        soltar();
    }
    void segurar(int codigo)
    {
        pressionar(codigo);
        soltar(true);
    }

    // Runs n steps; for every cylinder, its position after each step.
    std::map<int, Posicoes> passos(int n)
    {
        std::map<int, Posicoes> r;
        for (int k = 0; k < n; ++k) {
            Atualizar_Sistema(estado);
            const TLista_Componente &lista = estado.lista();
            for (int i = 0; i < lista.numero_componentes(); ++i)
                if (lista[i].cilindro)
                    r[lista[i].codigo].push_back(lista[i].cilindro->posicao);
        }
        return r;
    }

private:
    std::map<int, bool> sinais_esquerdos() const
    {
        std::map<int, bool> s;
        const TLista_Componente &lista = *estado.lista_componentes;
        for (int i = 0; i < lista.numero_componentes(); ++i)
            if (lista[i].valvula_direcional)
                s[lista[i].codigo] = lista[i].valvula_direcional->acionado_esq;
        return s;
    }
};

} // namespace zefira::teste
