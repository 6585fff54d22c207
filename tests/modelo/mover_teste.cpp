#include "modelo/mover_componentes.h"
#include "apoio/circuito.h"
#include <gtest/gtest.h>
#include <vector>

using namespace zefira;
using namespace zefira::teste;

namespace {

int indice(TEstado &e, const TComponente &c) { return e.lista().indice(c.codigo); }

void mover(TEstado &e, const TComponente &c, int dx, int dy) { Mover_Componentes(e, indice(e, c), dx, dy); }

// What the drag handler does on a pointer move: every selected component, in list order.
void arrastar(TEstado &e, int dx, int dy)
{
    for (int i = 0; i < e.lista().numero_componentes(); ++i)
        if (e.lista()[i].selecionado())
            Mover_Componentes(e, i, dx, dy);
}

std::vector<TPonto> pontos(const TComponente &w) { return w.fio->pontos; }

} // namespace

TEST(MoverComponentes, PontasEPrimeirasDobrasSeguemAsPortas)
{
    TEstado e;
    TComponente &a = valvula2(e, 100, 100); // port 1 (136, 130)
    TComponente &b = valvula2(e, 300, 200); // port 1 (336, 230)
    TComponente &w = ligar_fio(e, a, 1, b, 1, {{136, 150}, {250, 150}, {250, 240}, {336, 240}});
    mover(e, a, -1, 0);
    EXPECT_EQ(a.esquerda, 99);
    const std::vector<TPonto> esperado = {{135, 130}, {135, 150}, {250, 150}, {250, 240}, {336, 240}, {336, 230}};
    EXPECT_EQ(pontos(w), esperado);
    EXPECT_TRUE(e.modificado);

    // A wire of two points, up from a's top port to d's bottom port: the far end stays put.
    TComponente &d = valvula2(e, 100, 0);
    TComponente &reto = ligar_fio(e, a, 2, d, 1, {});
    mover(e, d, 5, 0);
    EXPECT_EQ(reto.fio->ponto(1), d.ponto(1));
    EXPECT_EQ(reto.fio->ponto(0), a.ponto(2));
}

TEST(MoverComponentes, GrupoArrastadoComOFioEntreEles)
{
    TEstado e;
    TComponente &a = valvula2(e, 100, 100); // port 2 (136, 95)
    TComponente &b = valvula2(e, 300, 100); // port 2 (336, 95)
    TComponente &w = ligar_fio(e, a, 2, b, 2, {{136, 60}, {336, 60}});
    a.selecionar();
    b.selecionar();
    w.selecionar(); // selected, but no segment highlighted: the wire itself does not slide
    arrastar(e, 10, 5);
    arrastar(e, 2, -1);
    EXPECT_EQ(a.esquerda, 112);
    EXPECT_EQ(b.topo, 104);
    const std::vector<TPonto> esperado = {{148, 99}, {148, 60}, {348, 60}, {348, 99}};
    EXPECT_EQ(pontos(w), esperado);
}

TEST(MoverComponentes, LimitesDaAreaRecusamOMovimentoInteiro)
{
    TEstado e;
    TComponente &a = valvula2(e, 1, 1);
    TComponente &b = valvula2(e, 300, 300);
    TComponente &w = ligar_fio(e, a, 1, b, 2, {{13, 200}, {336, 200}});
    const std::vector<TPonto> antes = pontos(w);

    mover(e, a, -1, 0);
    mover(e, a, -2, 0);
    mover(e, a, 0, -1);
    EXPECT_EQ(a.esquerda, 1);
    EXPECT_EQ(a.topo, 1);
    EXPECT_EQ(pontos(w), antes);

    // Right edge: direita must stay below largura_area - 8, bottom below altura_area - 34.
    e.largura_area = 400;
    e.altura_area = 400;
    mover(e, b, 42, 0); // direita 349 + 42 = 391 < 392
    EXPECT_EQ(b.direita, 391);
    mover(e, b, 1, 0);
    EXPECT_EQ(b.direita, 391);
    mover(e, b, 0, 41); // baixo 325 + 41 = 366 is not < 366
    EXPECT_EQ(b.baixo, 325);

    // In a group the refused member stays behind while the others move.
    a.selecionar();
    b.selecionar();
    e.modificado = false;
    arrastar(e, -5, 0);
    EXPECT_EQ(a.esquerda, 1);
    EXPECT_EQ(b.esquerda, 337);
    EXPECT_TRUE(e.modificado);
}

TEST(MoverComponentes, SemDeslocamentoReprendeOsFiosDepoisDeMudarODesenho)
{
    TEstado e;
    TComponente &v = valvula2(e, 100, 100);
    v.valvula_direcional->piloto_esq = true;
    v.atualizar_geometria(); // port 6 (80, 112), facing left
    TComponente &j = componente(e, TIPO_JUMP, 20, 20);
    TComponente &w = ligar_fio(e, v, 6, j, 2, {{60, 112}, {60, 50}, {j.ponto(2).x, 50}});

    // A spring beside the pilot lowers the port by 8: the end and the bend's y follow.
    v.valvula_direcional->mola_esq = true;
    v.atualizar_geometria();
    Reassentar_Ligacoes(e, indice(e, v));
    EXPECT_EQ(w.fio->ponto(0), TPonto(80, 120));
    EXPECT_EQ(w.fio->ponto(1), TPonto(60, 120));
    EXPECT_EQ(w.fio->ponto(2), TPonto(60, 50));

    // Shown in position 1 the valve re-anchors 24 pixels to the right.
    v.valvula_direcional->posicao_atual = 1;
    v.atualizar_geometria();
    Reassentar_Ligacoes(e, indice(e, v));
    EXPECT_EQ(v.esquerda, 124);
    EXPECT_EQ(w.fio->ponto(0), TPonto(104, 120));
}

TEST(MoverComponentes, ConexoesParaCodigosAusentesSaoIgnoradas)
{
    TEstado e;
    TComponente &v = valvula2(e, 100, 100);
    v.ligar(1, 999);
    v.ligar(2, -10);
    mover(e, v, 3, 4);
    EXPECT_EQ(v.esquerda, 103);
    Mover_Componentes(e, 5, 1, 1); // no such index
    Mover_Componentes(e, -1, 1, 1);
    EXPECT_EQ(v.esquerda, 103);
}

TEST(Acoplamento, TomadaDeArEncaixaESoltaDaPortaDaValvula)
{
    TEstado e;
    TComponente &v = valvula2(e, 100, 100);                    // port 1 (136, 130)
    TComponente &t = componente(e, TIPO_TOMADA_AR, 130, 135); // port 1 (136, 135)
    mover(e, t, 0, 0);
    EXPECT_EQ(v.conexao(1), -1); // 5 pixels is not near
    mover(e, t, 0, -1);
    EXPECT_EQ(v.conexao(1), t.codigo);
    EXPECT_EQ(t.tomada_ar->conexao, v.codigo);
    EXPECT_EQ(t.tomada_ar->pino, 1);
    EXPECT_TRUE(v.valvula_direcional->tomada_ar);
    EXPECT_EQ(t.ponto_ativo, 1);

    mover(e, t, 0, 1);
    EXPECT_EQ(v.conexao(1), -1);
    EXPECT_EQ(t.tomada_ar->conexao, -1);
    EXPECT_EQ(t.tomada_ar->pino, -1);
    EXPECT_FALSE(v.valvula_direcional->tomada_ar);
    EXPECT_EQ(t.ponto_ativo, -1);

    // A supply with a wire on its port does not dock.
    TComponente &j = componente(e, TIPO_JUMP, 500, 300);
    ligar_fio(e, t, 1, j, 2, {{136, 120}, {504, 120}});
    mover(e, t, 0, -1);
    EXPECT_EQ(v.conexao(1), -1);
}

TEST(Acoplamento, TomadaPassaDiretoDeUmaValvulaParaOutra)
{
    // The new host comes first in the list, so it is scanned before the old one lets go.
    TEstado e;
    TComponente &b = valvula2(e, 300, 100);                    // port 1 (336, 130)
    TComponente &a = valvula2(e, 100, 100);                    // port 1 (136, 130)
    TComponente &t = componente(e, TIPO_TOMADA_AR, 130, 131); // port 1 (136, 131)
    mover(e, t, 0, 0);
    ASSERT_EQ(a.conexao(1), t.codigo);
    mover(e, t, 200, 0);
    EXPECT_EQ(a.conexao(1), -1);
    EXPECT_FALSE(a.valvula_direcional->tomada_ar);
    EXPECT_EQ(b.conexao(1), t.codigo);
    EXPECT_EQ(t.tomada_ar->conexao, b.codigo);
    EXPECT_TRUE(b.valvula_direcional->tomada_ar);
}

TEST(Acoplamento, TomadaAcopladaAcompanhaAValvulaEHospedeiroSelecionadoNaoRecebe)
{
    TEstado e;
    TComponente &v = valvula2(e, 100, 100);
    TComponente &t = componente(e, TIPO_TOMADA_AR, 130, 134);
    mover(e, t, 0, 0);
    ASSERT_EQ(v.conexao(1), t.codigo);

    v.selecionar();
    arrastar(e, 10, 20);
    EXPECT_EQ(t.esquerda, v.ponto(1).x - 6);
    EXPECT_EQ(t.topo, v.baixo + 6);
    EXPECT_EQ(t.ponto(1), TPonto(146, 151));
    EXPECT_EQ(v.conexao(1), t.codigo);

    // A selected host moves with the supply, so it is no docking target.
    v.desselecionar();
    TComponente &u = valvula2(e, 300, 100);                     // port 1 (336, 130)
    TComponente &t2 = componente(e, TIPO_TOMADA_AR, 330, 135); // port 1 (336, 135)
    u.selecionar();
    mover(e, t2, 0, -1);
    EXPECT_EQ(u.conexao(1), -1);
    EXPECT_EQ(t2.tomada_ar->conexao, -1);
    u.desselecionar();
    mover(e, t2, 0, 0);
    EXPECT_EQ(u.conexao(1), t2.codigo);
}

TEST(Acoplamento, TomadaDeArNaPortaDoCilindro)
{
    TEstado e;
    TComponente &c = componente(e, TIPO_CILINDRO, 300, 300, -1, 2);
    const TPonto p2 = c.ponto(2);
    TComponente &t = componente(e, TIPO_TOMADA_AR, p2.x - 6, p2.y + 6);
    mover(e, t, 0, -2);
    EXPECT_EQ(c.conexao(2), t.codigo);
    EXPECT_EQ(c.conexao(1), -1);
    EXPECT_EQ(t.tomada_ar->conexao, c.codigo);
    EXPECT_EQ(t.tomada_ar->pino, 2);

    // The cylinder carries it along.
    mover(e, c, -20, 10);
    EXPECT_EQ(t.esquerda, c.ponto(2).x - 6);
    EXPECT_EQ(t.topo, c.baixo + 5);
    EXPECT_EQ(c.conexao(2), t.codigo);

    mover(e, t, 5, 0); // 5 across, 1 down: 5.1 away
    EXPECT_EQ(c.conexao(2), -1);
    EXPECT_EQ(t.tomada_ar->conexao, -1);
    EXPECT_EQ(t.ponto_ativo, -1);
}

TEST(Acoplamento, ReguladoraAcopladaAcompanhaOCilindroComSeuFio)
{
    TEstado e;
    TComponente &c = componente(e, TIPO_CILINDRO, 300, 300, -1, 2);
    const TPonto p1 = c.ponto(1);
    TComponente &g = componente(e, TIPO_E_OU_ESC_REG, p1.x - 10, p1.y + 3, EOU_REGULADORA);
    ASSERT_EQ(g.ponto(1).x, p1.x);
    mover(e, g, 0, 0);
    ASSERT_EQ(c.conexao(1), g.codigo);
    EXPECT_EQ(g.conexao(1), c.codigo);
    EXPECT_EQ(g.valvula_e_ou_esc_reg->pino, 1);
    EXPECT_EQ(g.ponto_ativo, 1);

    TComponente &j = componente(e, TIPO_JUMP, 500, 500);
    const TPonto s = g.ponto(2);
    TComponente &w = ligar_fio(e, g, 2, j, 1, {{s.x, s.y + 30}, {j.ponto(1).x, s.y + 30}});

    c.selecionar();
    arrastar(e, 15, -10);
    EXPECT_EQ(g.esquerda, c.ponto(1).x - 10);
    EXPECT_EQ(g.topo, c.baixo + 5);
    EXPECT_EQ(w.fio->ponto(0), g.ponto(2));
    EXPECT_EQ(w.fio->ponto(1).x, g.ponto(2).x);
    EXPECT_EQ(w.fio->ponto(1).y, s.y + 30);
    EXPECT_EQ(c.conexao(1), g.codigo);
}

TEST(Acoplamento, ValvulaESoltaDaPortaDoCilindroSemGuardarOPino)
{
    TEstado e;
    TComponente &c = componente(e, TIPO_CILINDRO, 300, 300, -1, 2);
    TComponente &a = componente(e, TIPO_E_OU_ESC_REG, 600, 600, EOU_E);
    const TPonto alvo = c.ponto(2);
    mover(e, a, alvo.x - a.ponto(1).x + 2, alvo.y - a.ponto(1).y);
    EXPECT_EQ(c.conexao(2), a.codigo);
    EXPECT_EQ(a.conexao(1), c.codigo);
    EXPECT_EQ(a.valvula_e_ou_esc_reg->pino, -1); // only regulators keep it
    mover(e, a, 3, 0);
    EXPECT_EQ(c.conexao(2), -1);
    EXPECT_EQ(a.conexao(1), -1);
    EXPECT_EQ(a.ponto_ativo, -1);
    // A directional valve's supply port takes only a supply.
    TComponente &v = valvula2(e, 100, 100);
    mover(e, a, v.ponto(1).x - a.ponto(1).x, v.ponto(1).y - a.ponto(1).y);
    EXPECT_EQ(a.ponto(1), v.ponto(1));
    EXPECT_EQ(v.conexao(1), -1);
}

TEST(MoverFio, SoOSegmentoInternoDestacadoDesliza)
{
    TEstado e;
    TComponente &a = valvula2(e, 100, 100); // port 1 (136, 130)
    TComponente &b = valvula2(e, 400, 300); // port 1 (436, 330)
    TComponente &w = ligar_fio(e, a, 1, b, 1, {{136, 150}, {250, 150}, {250, 350}, {436, 350}});
    TComponente &outro = ligar_fio(e, a, 2, b, 2, {{136, 50}, {436, 50}});
    const int iw = indice(e, w);
    const std::vector<TPonto> antes = pontos(w);

    for (int k : {-1, 0, 4}) { // none, the first and the last segment
        e.segmento_destacado = {w.codigo, k};
        Mover_Componentes(e, iw, 7, 7);
        EXPECT_EQ(pontos(w), antes) << k;
    }
    e.segmento_destacado = {outro.codigo, 2};
    Mover_Componentes(e, iw, 7, 7);
    EXPECT_EQ(pontos(w), antes);

    e.segmento_destacado = {w.codigo, 1}; // horizontal: only up or down
    Mover_Componentes(e, iw, 7, -20);
    EXPECT_EQ(w.fio->ponto(1), TPonto(136, 130));
    EXPECT_EQ(w.fio->ponto(2), TPonto(250, 130));

    e.segmento_destacado = {w.codigo, 2}; // vertical: only sideways
    Mover_Componentes(e, iw, 30, 9);
    EXPECT_EQ(w.fio->ponto(2), TPonto(280, 130));
    EXPECT_EQ(w.fio->ponto(3), TPonto(280, 350));
    EXPECT_EQ(w.fio->ponto(0), TPonto(136, 130));
    EXPECT_EQ(w.fio->ponto(5), TPonto(436, 330));
}
