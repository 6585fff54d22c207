#include "edicao/area_transferencia.h"
#include "apoio/circuito.h"
#include "edicao/selecao.h"
#include "modelo/interface_roteirizada.h"
#include <gtest/gtest.h>
#include <memory>

using namespace zefira;
using namespace zefira::teste;

namespace {

const QString PERGUNTA = QStringLiteral("pergunta: Tem certeza que deseja excluir componentes selecionados?");

// A valve joined by wires to a cylinder (port 2 to port 1) and to a jump (port 1 to port 2).
struct Circuito {
    TEstado e;
    TComponente &v = valvula2(e, 100, 100);
    TComponente &c = componente(e, TIPO_CILINDRO, 300, 50, -1, 2);
    TComponente &j = componente(e, TIPO_JUMP, 120, 250);
    TComponente &w1 = ligar_fio(e, v, 2, c, 1);
    TComponente &w2 = ligar_fio(e, v, 1, j, 1);
};

} // namespace

// Nothing selected, nothing is asked; answered no, all stays but the selection.
TEST(Excluir, SemSelecaoNadaEPerguntadoRespostaNaoSoDesseleciona)
{
    Circuito k;
    TInterfaceRoteirizada ui;
    TBexcluirClick(k.e, ui);
    EXPECT_TRUE(ui.registro.isEmpty());
    k.e.mostrar_cruz = true;
    selecionar(k.e, k.v);
    selecionar(k.e, k.w2);
    ui.respostas = {Resposta::Nao};
    TBexcluirClick(k.e, ui);
    EXPECT_EQ(ui.registro, QStringList{PERGUNTA});
    EXPECT_EQ(k.e.lista().numero_componentes(), 5);
    EXPECT_EQ(contar_selecionados(k.e), 0);
    EXPECT_EQ(k.e.numero_selecionados, 0);
    EXPECT_TRUE(k.e.mostrar_cruz);
}

TEST(Excluir, RespostaSimRemoveEmCascataELiberaAsPortas)
{
    Circuito k;
    k.e.mostrar_cruz = true;
    k.e.modificado = false;
    selecionar(k.e, k.v);
    TComponente &solto = componente(k.e, TIPO_JUMP, 500, 500);
    TComponente &w3 = ligar_fio(k.e, k.j, 4, solto, 3);
    selecionar(k.e, w3);
    // Removed records die with the list's reference, so only their codes are kept.
    const int removidos[] = {k.v.codigo, k.w1.codigo, k.w2.codigo, w3.codigo};
    TInterfaceRoteirizada ui;
    ui.respostas = {Resposta::Sim};
    TBexcluirClick(k.e, ui);
    EXPECT_EQ(ui.registro, QStringList{PERGUNTA});
    ASSERT_EQ(k.e.lista().numero_componentes(), 3);
    for (int codigo : removidos)
        EXPECT_EQ(k.e.lista().procurar(codigo), nullptr) << codigo;
    EXPECT_EQ(k.c.conexao(1), -1);
    EXPECT_EQ(k.j.conexao(1), -1);
    EXPECT_EQ(k.j.conexao(4), -1);
    EXPECT_EQ(solto.conexao(3), -1);
    EXPECT_EQ(k.e.numero_selecionados, 0);
    EXPECT_FALSE(k.e.mostrar_cruz);
    EXPECT_TRUE(k.e.modificado);
}

TEST(AreaTransferencia, CopiarSoFiosEsvaziaEColarSoDesseleciona)
{
    Circuito k;
    selecionar(k.e, k.v);
    copiarClick(k.e);
    ASSERT_EQ(k.e.area_transferencia.size(), 1u);

    Liberar_Componentes(k.e);
    selecionar(k.e, k.w1);
    copiarClick(k.e);
    EXPECT_TRUE(k.e.area_transferencia.empty());

    selecionar(k.e, k.j);
    colarClick(k.e);
    EXPECT_EQ(k.e.lista().numero_componentes(), 5);
    EXPECT_FALSE(k.j.selecionado());
    EXPECT_TRUE(k.w1.selecionado()); // wires keep their selection
    EXPECT_EQ(k.e.numero_selecionados, 1);
}

TEST(AreaTransferencia, ColarPegaOEstadoDoMomentoDeslocado)
{
    Circuito k;
    selecionar(k.e, k.c);
    selecionar(k.e, k.j);
    selecionar(k.e, k.w1);
    copiarClick(k.e);
    ASSERT_EQ(k.e.area_transferencia.size(), 2u); // the wire is never copied
    k.c.esquerda += 40;
    k.c.topo += 10;
    k.c.cilindro->pistao = 63;

    k.e.modificado = false;
    colarClick(k.e);
    ASSERT_EQ(k.e.lista().numero_componentes(), 7);
    const TComponente &cc = k.e.lista()[5];
    const TComponente &cj = k.e.lista()[6];
    EXPECT_EQ(cc.tipo, TIPO_CILINDRO);
    EXPECT_EQ(cc.esquerda, 370);
    EXPECT_EQ(cc.topo, 110);
    EXPECT_EQ(cc.cilindro->pistao, 63);
    EXPECT_EQ(cc.cilindro->tipo(), 2);
    EXPECT_EQ(cj.tipo, TIPO_JUMP);
    EXPECT_EQ(cj.esquerda, 150);
    EXPECT_EQ(cj.topo, 300);

    // Only the copies and the still selected wire remain selected.
    EXPECT_FALSE(k.c.selecionado());
    EXPECT_FALSE(k.j.selecionado());
    EXPECT_TRUE(cc.selecionado() && cj.selecionado() && k.w1.selecionado());
    EXPECT_EQ(k.e.numero_selecionados, 3);
    EXPECT_TRUE(k.e.modificado);
}

TEST(AreaTransferencia, CortarEColarDuasVezesDaCopiasIndependentes)
{
    Circuito k;
    selecionar(k.e, k.v);
    selecionar(k.e, k.w2);
    std::weak_ptr<TComponente> cortado = k.e.lista().componente(0);
    const int codigo_v = k.v.codigo;
    const int codigo_j = k.j.codigo;
    cortarClick(k.e);

    // The valve and both its wires left the circuit; the valve lives on in the clipboard.
    ASSERT_EQ(k.e.lista().numero_componentes(), 2);
    EXPECT_EQ(k.e.lista().procurar(codigo_v), nullptr);
    EXPECT_EQ(k.e.lista().procurar(codigo_j)->conexao(1), -1);
    EXPECT_EQ(k.e.numero_selecionados, 0);
    ASSERT_FALSE(cortado.expired());

    colarClick(k.e);
    colarClick(k.e);
    ASSERT_EQ(k.e.lista().numero_componentes(), 4);
    TComponente &p1 = k.e.lista()[2];
    TComponente &p2 = k.e.lista()[3];
    EXPECT_NE(p1.codigo, p2.codigo);
    EXPECT_NE(p1.codigo, codigo_v);
    for (TComponente *p : {&p1, &p2}) {
        EXPECT_EQ(p->tipo, TIPO_VALVULA_DIRECIONAL);
        EXPECT_EQ(p->esquerda, 130);
        EXPECT_EQ(p->topo, 150);
    }
    // Only the second paste's copy stays selected.
    EXPECT_FALSE(p1.selecionado());
    EXPECT_TRUE(p2.selecionado());
    EXPECT_EQ(k.e.numero_selecionados, 1);

    // A new copy replaces the clipboard and the cut valve is released.
    Liberar_Componentes(k.e);
    copiarClick(k.e);
    EXPECT_TRUE(cortado.expired());
}

TEST(AreaTransferencia, CortarDeixaFiosSelecionadosQueNaoDependemDoCortado)
{
    Circuito k;
    TComponente &outro = componente(k.e, TIPO_JUMP, 600, 600);
    TComponente &w3 = ligar_fio(k.e, k.j, 3, outro, 4);
    selecionar(k.e, k.c);
    selecionar(k.e, w3);
    const int codigo_w1 = k.w1.codigo;
    cortarClick(k.e);
    EXPECT_EQ(k.e.lista().procurar(codigo_w1), nullptr); // hung on the cylinder
    EXPECT_NE(k.e.lista().procurar(w3.codigo), nullptr);
    EXPECT_TRUE(w3.selecionado());
    EXPECT_EQ(k.e.numero_selecionados, 1);
    EXPECT_EQ(k.v.conexao(2), -1);
}
