// The work area's state machine, driven through its handlers as the window drives them.
#include "edicao/area_trabalho.h"
#include "apoio/circuito.h"
#include "edicao/fio_editor.h"
#include "edicao/paleta.h"
#include "modelo/interface_roteirizada.h"
#include <Qt>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// A scripted user that also counts the property dialogs it was shown.
class Usuario : public TInterfaceRoteirizada {
public:
    bool editar_propriedades(TEstado &, TComponente &c) override
    {
        dialogos << c.codigo;
        c.esquerda += deslocar; // a dialog that reshapes the component in place
        c.atualizar_geometria();
        return false;
    }
    QList<int> dialogos;
    int deslocar = 0;
};

// Layout used below: a 3-way valve at (100, 100) (box 100..149 x 100..125, port 2 at
// (130, 95), its supply below), a single-acting cylinder at (300, 300) (box 300..386 x
// 300..328, port 1 at (304, 332)).
struct Area {
    TEstado e;
    Usuario ui;
    Area()
    {
        FormCreate(e, 1000, 650);
        e.aleatorio = [](int) { return 0; };
    }
    TComponente &colocar(int codigo, int x, int y) { return Posicionar_Componente(e, codigo, x, y); }
    void pressionar(int x, int y, TShiftState extra = 0)
    {
        imagemMouseDown(e, ui, BotaoMouse::Esquerdo, SHIFT_ESQUERDO | extra, x, y);
    }
    void direito(int x, int y) { imagemMouseDown(e, ui, BotaoMouse::Direito, SHIFT_DIREITO, x, y); }
    void mover(int x, int y) { imagemMouseMove(e, SHIFT_ESQUERDO, x, y); }
    void soltar(int x, int y, TShiftState shift = 0) { imagemMouseUp(e, shift, x, y); }
    void clicar(int x, int y, TShiftState extra = 0)
    {
        pressionar(x, y, extra);
        soltar(x, y, extra);
    }
    void tecla(int k)
    {
        FormKeyDown(e, k, 0);
        FormKeyUp(e, k, 0);
    }
    int selecionados() const { return teste::contar_selecionados(e); }
};

} // namespace

TEST(AreaTrabalhoSelecao, ShiftDesselecionaCliqueSimplesMantemOGrupo)
{
    Area a;
    TComponente &v = a.colocar(3, 100, 100);
    TComponente &c = a.colocar(7, 300, 300);
    a.clicar(120, 110);
    a.clicar(320, 310, SHIFT_SHIFT);
    EXPECT_TRUE(v.selecionado());
    EXPECT_TRUE(c.selecionado());
    EXPECT_EQ(a.e.numero_selecionados, 2);

    // A plain press on a selected member keeps the group and drags it together.
    a.pressionar(320, 310);
    EXPECT_EQ(a.e.numero_selecionados, 2);
    a.mover(330, 305);
    a.soltar(330, 305);
    EXPECT_EQ(v.esquerda, 110);
    EXPECT_EQ(v.topo, 95);
    EXPECT_EQ(c.esquerda, 310);
    EXPECT_EQ(a.e.indice_arrasto, -1);

    a.clicar(330, 305, SHIFT_SHIFT);
    EXPECT_FALSE(c.selecionado());
    EXPECT_EQ(a.e.numero_selecionados, 1);
    // Shift with another modifier is not Shift+left: the press selects only its target.
    a.clicar(330, 305, SHIFT_SHIFT | SHIFT_CTRL);
    EXPECT_TRUE(c.selecionado());
    EXPECT_FALSE(v.selecionado());
}

TEST(AreaTrabalhoSelecao, VazioDesselecionaEIniciaORetangulo)
{
    Area a;
    TComponente &v = a.colocar(3, 100, 100);
    a.clicar(120, 110);
    a.e.modificado = false;
    a.pressionar(500, 500);
    EXPECT_FALSE(v.selecionado());
    EXPECT_TRUE(a.e.modificado);
    EXPECT_TRUE(a.e.selecionando);
    EXPECT_EQ(a.e.cantos_selecao[0], TPonto(500, 500));
    a.mover(90, 90);
    EXPECT_EQ(a.e.cantos_selecao[1], TPonto(90, 90));
    a.soltar(90, 90);
    // The valve's top-left corner (100, 100) lies inside; its supply's (124, 131) as well.
    EXPECT_FALSE(a.e.selecionando);
    EXPECT_TRUE(v.selecionado());
    EXPECT_EQ(a.e.numero_selecionados, 2);

    // With Shift the band toggles on top of the selection: the same band now deselects.
    a.pressionar(500, 500, SHIFT_SHIFT);
    a.soltar(90, 90);
    EXPECT_EQ(a.selecionados(), 0);
    EXPECT_EQ(a.e.numero_selecionados, 0);
}

TEST(AreaTrabalhoSelecao, SoltarSemRetanguloNaoAlternaNada)
{
    Area a;
    TComponente &v = a.colocar(3, 100, 100);
    a.pressionar(500, 500);
    a.soltar(50, 50); // a band over nothing
    a.e.cantos_selecao[0] = TPonto(50, 50);
    a.e.cantos_selecao[1] = TPonto(200, 200); // an old rectangle around the valve

    // A press that starts a wire, its release, a key release: none may toggle the valve.
    a.mover(130, 95);
    a.pressionar(130, 95);
    a.soltar(130, 95);
    FormKeyUp(a.e, Qt::Key_Left, 0);
    a.tecla(Qt::Key_Escape);
    a.mover(120, 110);
    a.clicar(120, 110);
    a.soltar(120, 110);
    EXPECT_TRUE(v.selecionado());
    EXPECT_EQ(a.e.numero_selecionados, 1);
}

TEST(AreaTrabalhoSelecao, PressaoPertoDeUmFioOSelecionaParaArrastar)
{
    Area a;
    a.colocar(14, 600, 600);
    TComponente &f = CriarFio(a.e, 50, 1, -1, 1, -1, 100, 400, 200, 400, 200, 500, 0, 0, false);
    a.pressionar(150, 403); // on the first segment
    EXPECT_EQ(a.e.indice_arrasto, 1);
    EXPECT_TRUE(f.selecionado());
    a.soltar(150, 403);
    a.pressionar(600, 100);
    EXPECT_FALSE(f.selecionado());
    a.soltar(600, 100);
    a.pressionar(203, 498); // near its last point
    EXPECT_EQ(a.e.indice_arrasto, 1);
    EXPECT_TRUE(f.selecionado());
    EXPECT_FALSE(a.e.selecionando);
}

// A wire by dragging from a free port to another is the wire two clicks make; let go anywhere
// else, it goes on as a wire started by a click. The status bar says what a press would do.
TEST(AreaTrabalhoFio, ArrastarDeUmaPortaAOutraLigaComoDoisCliques)
{
    const QString SOBRE_PORTA = QStringLiteral("Clique ou arraste até outra porta para ligar um tubo");
    const QString ARRASTANDO = QStringLiteral("Solte sobre outra porta livre para ligar o tubo");
    const QString EM_ANDAMENTO = QStringLiteral("Clique em outra porta livre para terminar o tubo (Esc desiste)");
    std::vector<std::vector<TPonto>> fios;
    for (int modo : {0, 1, 2}) { // two clicks; one drag; a drag let go off a port, then a click
        SCOPED_TRACE(modo);
        Area a;
        TComponente &v = a.colocar(3, 100, 100);
        TComponente &c = a.colocar(7, 300, 300);
        EXPECT_EQ(Dica_Ponteiro(a.e), QString());
        imagemMouseMove(a.e, 0, 130, 95);
        EXPECT_EQ(Dica_Ponteiro(a.e), SOBRE_PORTA);
        a.pressionar(130, 95);
        if (modo == 0) {
            a.soltar(130, 95);
            EXPECT_EQ(Dica_Ponteiro(a.e), EM_ANDAMENTO);
            imagemMouseMove(a.e, 0, 304, 332);
            a.clicar(304, 332);
        } else {
            EXPECT_EQ(Dica_Ponteiro(a.e), ARRASTANDO);
            a.mover(200, 250);
            const TPonto fim = modo == 1 ? TPonto(304, 332) : TPonto(250, 250);
            a.mover(fim.x, fim.y);
            a.soltar(fim.x, fim.y);
            if (modo == 2) {
                EXPECT_EQ(a.e.modo, 1);
                EXPECT_EQ(Dica_Ponteiro(a.e), EM_ANDAMENTO);
                imagemMouseMove(a.e, 0, 260, 270);
                EXPECT_EQ(a.e.componente_atual->fio->ponto(1), TPonto(260, 270));
                a.clicar(260, 270); // nowhere: the wire goes on
                EXPECT_EQ(a.e.modo, 1);
                imagemMouseMove(a.e, 0, 304, 332);
                a.clicar(304, 332);
            }
        }
        EXPECT_EQ(a.e.modo, 0);
        EXPECT_EQ(Dica_Ponteiro(a.e), QString());
        ASSERT_EQ(a.e.lista().numero_componentes(), 4);
        const TComponente &f = a.e.lista()[3];
        EXPECT_EQ(v.conexao(2), f.codigo);
        EXPECT_EQ(c.conexao(1), f.codigo);
        fios.push_back(f.fio->pontos);
    }
    EXPECT_EQ(fios[1], fios[0]);
    EXPECT_EQ(fios[2], fios[0]);
}

TEST(AreaTrabalhoFio, MarcadorVelhoDeComponenteAcopladoNaoIniciaFio)
{
    Area a;
    a.colocar(3, 100, 100);
    TComponente &t = a.e.lista()[1];
    t.ponto_ativo = 1; // the green dot of a docked supply
    a.pressionar(400, 400);
    EXPECT_EQ(a.e.modo, 0);
    EXPECT_EQ(t.tomada_ar->conexao, 1);
    EXPECT_EQ(t.tomada_ar->pino, 1);
}

TEST(AreaTrabalhoPosicionamento, CliqueEsquerdoColocaDireitoEEscapeCancelam)
{
    Area a;
    Clicar_Botao_Paleta(a.e, 10);
    a.direito(200, 200);
    EXPECT_EQ(a.e.modo, 0);
    EXPECT_EQ(a.e.botao_paleta, 0);
    EXPECT_EQ(a.e.lista().numero_componentes(), 0);
    EXPECT_TRUE(a.ui.menus.empty());

    Clicar_Botao_Paleta(a.e, 10);
    a.clicar(200, 210);
    ASSERT_EQ(a.e.lista().numero_componentes(), 1);
    EXPECT_EQ(a.e.lista()[0].esquerda, 200);
    EXPECT_EQ(a.e.lista()[0].topo, 210);
    EXPECT_EQ(a.e.modo, 0);
    EXPECT_EQ(a.e.botao_paleta, 0);

    // Escape cancels too, with the button left pressed.
    Clicar_Botao_Paleta(a.e, 9);
    a.tecla(Qt::Key_Escape);
    EXPECT_EQ(a.e.modo, 0);
    EXPECT_EQ(a.e.botao_paleta, 9);
}

TEST(AreaTrabalhoMenu, ItensHabilitadosPorTipoEAcoes)
{
    Area a;
    TComponente &e_ = a.colocar(10, 100, 100);
    TComponente &reg = a.colocar(13, 300, 100);
    a.colocar(7, 100, 300);

    a.direito(110, 110);
    ASSERT_EQ(a.ui.menus.size(), 1u);
    EXPECT_FALSE(a.ui.menus[0].propriedades);
    EXPECT_FALSE(a.ui.menus[0].rotacionar);
    EXPECT_TRUE(a.ui.menus[0].excluir);
    EXPECT_EQ(a.e.componente_atual.get(), &e_);
    EXPECT_TRUE(e_.selecionado());
    EXPECT_EQ(a.e.numero_selecionados, 1);

    a.ui.itens_menu.push_back(ItemMenuContexto::Rotacionar);
    a.direito(310, 110);
    EXPECT_TRUE(a.ui.menus[1].propriedades);
    EXPECT_TRUE(a.ui.menus[1].rotacionar);
    EXPECT_FALSE(e_.selecionado());
    EXPECT_EQ(reg.valvula_e_ou_esc_reg->estado(), 2);

    a.ui.itens_menu.push_back(ItemMenuContexto::Propriedades);
    a.direito(110, 310);
    EXPECT_TRUE(a.ui.menus[2].propriedades);
    EXPECT_FALSE(a.ui.menus[2].rotacionar);
    EXPECT_EQ(a.ui.dialogos, QList<int>{3});
    EXPECT_FALSE(a.e.via_menu);
    EXPECT_FALSE(a.e.ignorar_clique); // no press follows a menu command

    // Excluir asks, and removes the selected component.
    a.ui.itens_menu.push_back(ItemMenuContexto::Excluir);
    a.direito(110, 310);
    EXPECT_EQ(a.e.lista().indice(3), -1);
    EXPECT_EQ(a.ui.registro.last(), "pergunta: Tem certeza que deseja excluir componentes selecionados?");

    // Empty space: no menu, nothing selected, the placeholder is current.
    a.direito(800, 600);
    EXPECT_EQ(a.ui.menus.size(), 4u);
    EXPECT_EQ(a.e.componente_atual, a.e.componente_nulo);
    EXPECT_EQ(a.selecionados(), 0);
}

// A junction and an AND valve have no dialog; after a component's dialog, the press that belongs
// to the double click neither selects nor starts a band.
TEST(AreaTrabalhoDialogo, PressaoDepoisDoDialogoNaoSelecionaNemIniciaRetangulo)
{
    Area a;
    TComponente &j = a.colocar(14, 300, 300);
    TComponente &e_ = a.colocar(10, 100, 100);
    TComponente &c = a.colocar(7, 500, 300);
    a.clicar(302, 302);
    imagemDblClick(a.e, a.ui);
    EXPECT_EQ(a.e.componente_atual, a.e.componente_nulo);
    EXPECT_FALSE(j.selecionado());
    EXPECT_FALSE(a.e.ignorar_clique);
    a.clicar(110, 110);
    imagemDblClick(a.e, a.ui);
    EXPECT_EQ(a.e.componente_atual.get(), &e_);
    EXPECT_TRUE(a.ui.dialogos.isEmpty());
    EXPECT_FALSE(a.e.ignorar_selecao);

    a.clicar(510, 310);
    const int revisao = a.e.revisao_simulacao;
    imagemDblClick(a.e, a.ui);
    EXPECT_EQ(a.ui.dialogos, QList<int>{c.codigo});
    EXPECT_EQ(a.e.revisao_simulacao, revisao + 1); // the actuators were laid out again
    EXPECT_EQ(a.e.componente_atual.get(), &c);
    a.pressionar(510, 310);
    EXPECT_FALSE(a.e.selecionando);
    EXPECT_EQ(a.e.indice_arrasto, -1);
    EXPECT_FALSE(c.selecionado());
    a.soltar(510, 310);
    a.pressionar(700, 500);
    EXPECT_TRUE(a.e.selecionando); // the flags were used up
}

TEST(AreaTrabalhoDialogo, ValvulaColadaGanhaTomadaDepoisDoDialogo)
{
    Area a;
    TComponente &v = a.colocar(3, 100, 100);
    v.selecionar();
    a.e.lista().adicionar_existente(a.e.lista().componente(0), true, true); // a pasted copy at (130, 150)
    TComponente &copia = a.e.lista()[2];
    ASSERT_TRUE(copia.valvula_direcional->tomada_ar);
    ASSERT_EQ(copia.conexao(1), LIVRE);
    a.e.botao_paleta = 6;
    a.e.mouse_x = 140;
    a.e.mouse_y = 160;
    imagemDblClick(a.e, a.ui);
    ASSERT_EQ(a.e.lista().numero_componentes(), 4);
    const TComponente &t = a.e.lista()[3];
    EXPECT_EQ(copia.conexao(1), t.codigo);
    EXPECT_EQ(t.tomada_ar->conexao, copia.codigo);
    EXPECT_EQ(t.tomada_ar->pino, 1);
    EXPECT_EQ(t.esquerda, copia.ponto(1).x - 6);
    EXPECT_EQ(t.topo, copia.baixo + 6);
    EXPECT_EQ(a.e.botao_paleta, 0);

    // A dialog that reshapes a valve takes its docked supply along.
    a.ui.deslocar = 4;
    a.e.mouse_x = a.e.mouse_y = 110;
    imagemDblClick(a.e, a.ui);
    EXPECT_EQ(a.e.lista()[1].esquerda, v.ponto(1).x - 6);
}

TEST(AreaTrabalhoTeclas, SetasMovemOsSelecionadosUmPixel)
{
    Area a;
    TComponente &c = a.colocar(7, 300, 300);
    a.tecla(Qt::Key_Left); // nothing selected
    EXPECT_EQ(c.esquerda, 300);
    a.clicar(310, 310);
    a.tecla(Qt::Key_Left);
    a.tecla(Qt::Key_Down);
    a.tecla(Qt::Key_Down);
    EXPECT_EQ(c.esquerda, 299);
    EXPECT_EQ(c.topo, 302);
    EXPECT_EQ(a.e.indice_arrasto, -1);
}

TEST(AreaTrabalhoSimulacao, AcionadoresEEscape)
{
    Area a;
    TComponente &botao = a.colocar(3, 100, 100);
    botao.valvula_direcional->definir_acao_manual(false, 1); // push button on the left
    TComponente &mola = a.colocar(3, 300, 100);              // only a spring
    a.e.modo = MODO_SIMULACAO;
    a.pressionar(90, 110);
    EXPECT_TRUE(botao.valvula_direcional->acionado_esq);
    a.soltar(90, 110, SHIFT_SHIFT); // Shift alone keeps the button applied
    EXPECT_FALSE(botao.valvula_direcional->liberado);
    a.soltar(90, 110);
    EXPECT_TRUE(botao.valvula_direcional->liberado);
    a.pressionar(290, 110);
    EXPECT_FALSE(mola.valvula_direcional->acionado_esq);
    EXPECT_EQ(a.e.lista().numero_componentes(), 4);

    a.tecla(Qt::Key_Escape); // only the stop command leaves the simulation
    EXPECT_EQ(a.e.modo, 15);
    a.direito(120, 110);
    EXPECT_TRUE(a.ui.menus.empty());
}
