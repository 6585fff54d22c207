// The component list: the code counter, appending existing records and copies, and the removal
// cascade that keeps both sides of every connection consistent.
#include "apoio_modelo.h"
#include "documento/arquivo_circuito.h"
#include "modelo/lista_componente.h"
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace zefira;
using namespace zefira::teste;

namespace {

class ListaComponente : public ::testing::Test {
protected:
    TImagens imagens;
    TLista_Componente lista{imagens};

    TComponente &valvula(int vias, int esquerda = 100, int topo = 100)
    {
        TComponente &c = lista.adicionar(TIPO_VALVULA_DIRECIONAL, esquerda, -1, -1, vias, topo);
        c.valvula_direcional->definir_parte(1, 6);
        c.valvula_direcional->definir_parte(2, 7);
        c.valvula_direcional->definir_parte(3, 8);
        c.atualizar_geometria();
        return c;
    }
    TComponente &tomada() { return lista.adicionar(TIPO_TOMADA_AR, 10, -1, -1, -1, 10); }
    TComponente &cilindro(int tipo = 2) { return lista.adicionar(TIPO_CILINDRO, 300, -1, tipo, -1, 10); }
    TComponente &e_ou(int tipo) { return lista.adicionar(TIPO_E_OU_ESC_REG, 50, tipo, -1, -1, 200); }
    TComponente &jump() { return lista.adicionar(TIPO_JUMP, 400, -1, -1, -1, 400); }

    std::vector<int> codigos() const
    {
        std::vector<int> v;
        for (int i = 0; i < lista.numero_componentes(); ++i)
            v.push_back(lista[i].codigo);
        return v;
    }
};

using Codigos = std::vector<int>;

} // namespace

// --- codes, counter and copies ---

// A code kept from a file moves the counter one past it, never back; the list holds the record
// itself. Near the top of the range the counter neither wraps nor repeats a code.
TEST_F(ListaComponente, ContadorNoTopoDaFaixaNaoDaVoltaNemRepete)
{
    const int MAX = std::numeric_limits<int>::max();
    struct {
        Codigos lidos;     // codes kept from a file, in order
        Codigos novos;     // codes of the next three records placed
        int contador;      // the counter afterwards
    } const casos[] = {
        {{MAX}, {1, 2, 3}, MAX},
        {{1, 2, 4, MAX}, {3, 5, 6}, MAX},
        {{MAX - 3}, {MAX - 1, MAX, 1}, MAX},
        {{-7, MAX}, {1, 2, 3}, MAX},
        {{5}, {7, 8, 9}, 9},
        {{7, 3}, {9, 10, 11}, 11},
        {{7, 8}, {10, 11, 12}, 12},
    };
    for (const auto &c : casos) {
        TLista_Componente l(imagens);
        for (const int codigo : c.lidos) {
            auto lido = std::make_shared<TComponente>(imagens, codigo, -1, -1, -1, 0, 0, TIPO_JUMP);
            EXPECT_EQ(&l.adicionar_existente(lido, false, false), lido.get());
            EXPECT_EQ(lido->codigo, codigo);
        }
        Codigos novos;
        novos.push_back(l.adicionar(TIPO_JUMP, 0, -1, -1, -1, 0).codigo);
        novos.push_back(l.adicionar_existente(l.componente(0), false, true).codigo); // a copy
        auto renumerado = std::make_shared<TComponente>(imagens, 0, -1, -1, -1, 0, 0, TIPO_JUMP);
        novos.push_back(l.adicionar_existente(renumerado, true, false).codigo);
        EXPECT_EQ(novos, c.novos) << c.lidos.back();
        EXPECT_EQ(l.ultimo_codigo, c.contador) << c.lidos.back();
    }
}

TEST_F(ListaComponente, CopiaDeValvulaDeslocaConformeAPosicao)
{
    const struct {
        int posicao, dx;
    } casos[] = {{2, 30}, {1, 54}, {3, 6}};
    for (const auto &k : casos) {
        TComponente &o = valvula(4, 100, 100);
        o.valvula_direcional->posicao_atual = k.posicao;
        o.atualizar_geometria();
        const int esquerda = o.esquerda;
        auto fonte = lista.componente(lista.numero_componentes() - 1);
        TComponente &copia = lista.adicionar_existente(fonte, true, true);
        SCOPED_TRACE(k.posicao);
        EXPECT_EQ(copia.esquerda, esquerda + k.dx);
        EXPECT_EQ(copia.topo, 150);
        EXPECT_EQ(copia.valvula_direcional->posicao_desenhada, k.posicao);
        // The whole symbol, ports included, moves by the same amount.
        EXPECT_EQ(copia.ponto(1).x, fonte->ponto(1).x + k.dx);
        EXPECT_EQ(copia.baixo, 175);
        EXPECT_EQ(fonte->esquerda, esquerda);
    }
}

// Every stored field of a copy, compared through the record the writer makes of it: once given
// back its source's code and place, a copy writes the same record as its source with the
// connections taken off. Run-time fields, which the file does not hold, are checked one by one.
TEST_F(ListaComponente, CopiaGravaORegistroDaFonteSemLigacoes)
{
    TComponente &o = valvula(5);
    auto &v = *o.valvula_direcional;
    v.definir_parte(1, 12);
    v.definir_parte(2, -1);
    v.definir_parte(3, 16);
    v.posicao_inicial = 1;
    v.posicao_atual = 3;
    v.mola_esq = v.piloto_dir = true;
    v.definir_acao_manual(false, 4);
    v.definir_acao_mecanica(true, 2);
    v.indice_manual = v.indice_mecanico = true;
    v.rotulo = "a1";
    v.descricao = "V1";
    v.tomada_ar = v.retido = v.liberado = true;
    v.mostrar_nome = false;
    v.acionado_esq = v.redesenhar = true;
    o.nome = "outro";
    o.ponto_ativo = 3;
    TComponente &t = tomada();
    acoplar_tomada_valvula(t, o);
    t.tomada_ar->pressao = 8;
    t.tomada_ar->fuzzy = true;
    v.ligar(2, 77);
    TComponente &cil = cilindro(3);
    cil.cilindro->posicao_partida = 40;
    cil.cilindro->posicao = 60;
    cil.cilindro->pistao = 50;
    cil.cilindro->haste = 20;
    cil.cilindro->nome = "A";
    cil.cilindro->definir_rotulo(1, "a0", 0);
    cil.cilindro->definir_rotulo(6, "a1", 100);
    cil.cilindro->forca = 33;
    cil.cilindro->marcado = true;
    cil.ligar(1, 99);
    TComponente &reg = e_ou(EOU_REGULADORA);
    reg.valvula_e_ou_esc_reg->definir_estado(2);
    reg.valvula_e_ou_esc_reg->vazao = 300;
    reg.valvula_e_ou_esc_reg->fuzzy = true;
    reg.valvula_e_ou_esc_reg->ligar(1, 99, 2);
    jump().ligar(3, 99);
    for (int i = 0; i < lista.numero_componentes(); ++i)
        lista[i].atualizar_geometria();

    lista.ultimo_codigo = 20;
    for (int i = 0; i < 5; ++i)
        lista.adicionar_existente(lista.componente(i), true, true);
    ASSERT_EQ(codigos(), (Codigos{1, 2, 3, 4, 5, 21, 22, 23, 24, 25}));
    // The sources keep their connections; a copy takes its kind's name.
    EXPECT_EQ(t.tomada_ar->conexao, o.codigo);
    EXPECT_EQ(v.conexao(2), 77);
    EXPECT_EQ(lista[5].nome, "Válvula de 5 vias");
    lista[5].nome = o.nome;

    auto registro = [this](const std::shared_ptr<TComponente> &c) {
        TEstado e;
        e.lista().adicionar_existente(c, false, false);
        return Conteudo_Instantaneo(e);
    };
    for (int i = 0; i < 5; ++i) {
        TComponente &fonte = lista[i], &copia = lista[i + 5];
        SCOPED_TRACE(fonte.codigo);
        for (int p = 1; p <= fonte.numero_portas(); ++p)
            fonte.desligar(p);
        copia.codigo = fonte.codigo;
        copia.esquerda = fonte.esquerda;
        copia.topo = fonte.topo;
        copia.atualizar_geometria();
        EXPECT_EQ(registro(lista.componente(i + 5)), registro(lista.componente(i)));
    }

    const TValvula_Direcional &w = *lista[5].valvula_direcional;
    EXPECT_TRUE(w.tomada_ar && w.retido && w.liberado);
    EXPECT_FALSE(w.acionado_esq || w.redesenhar);
    EXPECT_EQ(lista[5].ponto_ativo, -1);
    EXPECT_TRUE(mesma_figura(imagens, w.parte(3)->figura(), "fig_5e_selec"));
    EXPECT_TRUE(mesma_figura(imagens, lista[7].cilindro->figura_corpo, "cilindro_dehd_selec"));
    EXPECT_TRUE(mesma_figura(imagens, lista[8].valvula_e_ou_esc_reg->figura, "valvula_reguladora_2_selec"));
    EXPECT_TRUE(lista[6].tomada_ar->fuzzy);
    EXPECT_EQ(lista[7].cilindro->forca, 0);
    EXPECT_FALSE(lista[7].cilindro->marcado);
    EXPECT_TRUE(lista[8].valvula_e_ou_esc_reg->fuzzy);
    EXPECT_EQ(lista[8].valvula_e_ou_esc_reg->pino, -1);
}

// --- removal (the wires on every family's ports: componentes/familias_teste.cpp) ---

TEST_F(ListaComponente, RemoverAcopladoOuHospedeiroLiberaOOutroLado)
{
    TComponente &v = valvula(3);
    TComponente &t = tomada();
    acoplar_tomada_valvula(t, v);
    ligar_fio(lista, v, 2, v, 3);
    lista.remover(t.codigo);
    EXPECT_EQ(codigos(), (Codigos{1, 3}));
    EXPECT_EQ(v.conexao(1), -1);
    EXPECT_FALSE(v.valvula_direcional->tomada_ar);
    EXPECT_EQ(v.conexao(2), 3);

    // A cylinder removed frees the regulator and the supply docked on it.
    TComponente &cil = cilindro();
    TComponente &reg = e_ou(EOU_REGULADORA);
    TComponente &t2 = tomada();
    acoplar_no_cilindro(reg, cil, 1);
    acoplar_no_cilindro(t2, cil, 2);
    ASSERT_EQ(reg.valvula_e_ou_esc_reg->pino, 1);
    lista.remover(cil.codigo);
    EXPECT_EQ(codigos(), (Codigos{1, 3, reg.codigo, t2.codigo}));
    EXPECT_EQ(reg.conexao(1), -1);
    EXPECT_EQ(reg.valvula_e_ou_esc_reg->pino, -1);
    EXPECT_EQ(t2.tomada_ar->conexao, -1);
    EXPECT_EQ(t2.tomada_ar->pino, -1);
}

// A supply, regulator or AND valve docked on one cylinder port, a wire on the other. Only a
// regulator records the port it is docked on; the others must still free exactly the port they
// sit on, not the other one with its wire.
TEST_F(ListaComponente, RemoverAcopladoNoCilindroLiberaSoASuaPorta)
{
    for (int tipo : {0, int(EOU_REGULADORA), int(EOU_E)}) // 0: an air supply
        for (int porta : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "kind " << tipo << ", port " << porta);
            TImagens im;
            TLista_Componente l(im);
            TComponente &cil = l.adicionar(TIPO_CILINDRO, 0, -1, 2, -1, 0);
            TComponente &v = l.adicionar(TIPO_VALVULA_DIRECIONAL, 0, -1, -1, 3, 0);
            TComponente &a = tipo == 0 ? l.adicionar(TIPO_TOMADA_AR, 0, -1, -1, -1, 0)
                                                    : l.adicionar(TIPO_E_OU_ESC_REG, 0, tipo, -1, -1, 0);
            acoplar_no_cilindro(a, cil, porta);
            if (a.valvula_e_ou_esc_reg)
                ASSERT_EQ(a.valvula_e_ou_esc_reg->pino, tipo == EOU_REGULADORA ? porta : -1);
            const int na_outra = ligar_fio(l, v, 2, cil, 3 - porta).codigo;
            const int na_saida = a.tomada_ar ? -1 : ligar_fio(l, a, 2, v, 3).codigo;
            l.remover(a.codigo);
            EXPECT_EQ(cil.conexao(porta), -1);
            EXPECT_EQ(cil.conexao(3 - porta), na_outra);
            EXPECT_EQ(l.procurar(na_saida), nullptr);
            EXPECT_EQ(v.conexao(3), -1);
            EXPECT_EQ(l.numero_componentes(), 3);
        }
}

TEST_F(ListaComponente, RemoverFioComPontaJaLivreOuCodigoAusente)
{
    TComponente &v = valvula(4);
    TComponente &cil = cilindro();
    TComponente &f = ligar_fio(lista, v, 4, cil, 2);
    v.desligar(4);
    v.ligar(3, 55); // another port of the valve: untouched
    lista.remover(f.codigo);
    EXPECT_EQ(cil.conexao(2), -1);
    EXPECT_EQ(v.conexao(3), 55);

    TComponente &g = ligar_fio(lista, v, 2, cil, 1);
    const int cg = g.codigo;
    g.fio->ligar(true, 99, 2); // the origin names a component that is not there
    lista.remover(cg);
    EXPECT_EQ(cil.conexao(1), -1);
    EXPECT_EQ(v.conexao(2), cg); // only the named component's port is freed
    EXPECT_EQ(codigos(), (Codigos{1, 2}));
}

TEST_F(ListaComponente, RemoverJumpLevaCadaFioUmaVez)
{
    TComponente &j = jump();
    TComponente &v = valvula(4);
    const int iniciado = ligar_fio(lista, j, 1, v, 2).codigo;
    const int laco = ligar_fio(lista, j, 3, j, 4).codigo; // both ends on the jump
    TComponente &t1 = tomada();
    TComponente &t2 = tomada(); // after the wires: a second removal by index would hit them
    lista.remover(j.codigo);
    EXPECT_EQ(codigos(), (Codigos{2, t1.codigo, t2.codigo}));
    EXPECT_EQ(lista.procurar(iniciado), nullptr);
    EXPECT_EQ(lista.procurar(laco), nullptr);
    EXPECT_EQ(v.conexao(2), -1);
}

TEST_F(ListaComponente, CodigosAusentesNasPortasNaoFalham)
{
    TComponente &v = valvula(5);
    for (int p = 1; p <= 7; ++p)
        v.ligar(p, 90 + p);
    TComponente &t = tomada();
    t.tomada_ar->ligar(80, 1);
    TComponente &cil = cilindro();
    cil.ligar(1, 81);
    cil.ligar(2, CONEXAO_PENDENTE);
    TComponente &ou = e_ou(EOU_OU);
    for (int p = 1; p <= 3; ++p)
        ou.ligar(p, 82);
    TComponente &j = jump();
    j.ligar(2, 83);
    const int cj = j.codigo;
    for (int codigo : {v.codigo, t.codigo, cil.codigo, ou.codigo, cj})
        lista.remover(codigo);
    EXPECT_EQ(lista.numero_componentes(), 0);
    lista.remover(1); // already gone: nothing happens
    EXPECT_EQ(lista.ultimo_codigo, 5);
}

TEST_F(ListaComponente, RemocaoEncadeadaNaoUsaIndicesVelhos)
{
    // Wires interleaved before and after the valve, on several of its ports.
    TComponente &a = cilindro();
    TComponente &b = cilindro();
    TComponente &v = valvula(5);
    TComponente &t = tomada();
    acoplar_tomada_valvula(t, v);
    const int f_antes = ligar_fio(lista, a, 1, b, 1).codigo;
    ligar_fio(lista, v, 2, a, 2);
    TComponente &j = jump();
    ligar_fio(lista, b, 2, v, 3);
    ligar_fio(lista, v, 4, j, 1);
    ligar_fio(lista, v, 5, v, 7);
    lista.remover(v.codigo);
    EXPECT_EQ(codigos(), (Codigos{a.codigo, b.codigo, t.codigo, f_antes, j.codigo}));
    EXPECT_EQ(a.conexao(1), f_antes);
    EXPECT_EQ(b.conexao(1), f_antes);
    EXPECT_EQ(a.conexao(2), -1);
    EXPECT_EQ(b.conexao(2), -1);
    EXPECT_EQ(j.conexao(1), -1);
    EXPECT_EQ(t.tomada_ar->conexao, -1);
}
