// Scripts of user actions replayed on the headless editor, end to end. What each gesture does
// is pinned a layer down (MoverComponentes, Acoplamento, RetanguloDeSelecao, AreaTransferencia);
// here the script's words reach it.
#include "edicao/roteiro.h"
#include "edicao/area_trabalho.h"
#include <Qt>
#include <gtest/gtest.h>
#include <memory>

using namespace zefira;

namespace {

struct Execucao {
    TEstado e;
    TInterfaceRoteirizada ui;
    TRoteiro roteiro;
    int linha_invalida = 0;
    TLista_Componente &lista() { return e.lista(); }
    TComponente *por_codigo(int codigo) { return e.lista().procurar(codigo); }
};

std::unique_ptr<Execucao> rodar(const QString &texto, int desvio = 7)
{
    auto x = std::make_unique<Execucao>();
    FormCreate(x->e, 1000, 650);
    x->e.aleatorio = [desvio](int) { return desvio; };
    x->linha_invalida = x->roteiro.analisar(texto);
    if (x->linha_invalida == 0)
        x->roteiro.executar(x->e, x->ui);
    return x;
}

// Two 3-way valves (codes 1 and 3, supplies 2 and 4) and a single-acting cylinder (code 5).
// Valve 1 at (100, 100): port 2 (130, 95). Valve 3 at (300, 200): port 3 (342, 230).
// Cylinder at (203, 300): box 203..289 x 300..328, port 1 (207, 332).
const char *const TRES_COMPONENTES = R"(
paleta 3
pressionar 100 100
soltar 100 100
paleta 3
pressionar 300 200
soltar 300 200
paleta 7
pressionar 203 300
soltar 203 300
)";

} // namespace

TEST(RoteiroLeitura, LinhasInvalidasDaoONumeroDaPrimeira)
{
    struct Caso {
        const char *texto;
        int linha;
    };
    const Caso casos[] = {
        {"paleta 3\n\n# comment\n   \nvoar 1 2\n", 5}, {"paleta 1", 1}, {"paleta 15", 1}, {"paleta tres", 1},
        {"paleta 3 4", 1}, {"pressionar 10", 1}, {"pressionar 10 x", 1}, {"pressionar 10 20 esq", 1},
        {"pressionar 10 20 shift shift", 1}, {"mover 10 20 dir", 1}, {"soltar 10 20 dir dir", 1},
        {"duplo 10 20 shift", 1}, {"tecla Enter", 1}, {"tecla", 1}, {"tecla escape", 1}, {"menu", 1},
        {"menu colar tudo", 1}, {"menu Copiar", 1}, {"responder talvez", 1},
        {"paleta 3\r\nmover 1 2\r\nPaleta 3\r\n", 3},
    };
    for (const Caso &c : casos) {
        TRoteiro r;
        EXPECT_EQ(r.analisar(QString::fromUtf8(c.texto)), c.linha) << c.texto;
        EXPECT_TRUE(r.acoes().empty()) << c.texto;
    }
}

TEST(RoteiroLeitura, OpcoesEmQualquerOrdemEComentarios)
{
    TRoteiro r;
    ASSERT_EQ(r.analisar("  # header\npressionar 5 -6 shift dir\nsoltar 5 6 dir\ntecla Baixo shift\n"
                         "menu selecionartudo\nresponder cancelar\nduplo 1 2\nmover 3 4 shift\n"),
              0);
    ASSERT_EQ(r.acoes().size(), 7u);
    const TRoteiro::TAcao &p = r.acoes()[0];
    EXPECT_EQ(p.acao, TRoteiro::TipoAcao::Pressionar);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, -6);
    EXPECT_TRUE(p.direito);
    EXPECT_TRUE(p.shift);
    EXPECT_FALSE(r.acoes()[1].shift);
    EXPECT_EQ(r.acoes()[2].codigo, int(Qt::Key_Down));
    EXPECT_EQ(r.acoes()[3].comando, TRoteiro::Comando::SelecionarTudo);
    EXPECT_EQ(r.acoes()[4].resposta, Resposta::Cancelar);
}

// What a cut and paste does is pinned in AreaTransferencia; here the menu words reach it.
TEST(RoteiroEdicao, MenusCortarColarEExcluir)
{
    auto x = rodar(QString(TRES_COMPONENTES) + "pressionar 250 310\nsoltar 250 310\nmenu cortar\n"
                                               "menu colar\nresponder nao\nmenu excluir\n");
    EXPECT_EQ(x->por_codigo(5), nullptr);
    ASSERT_EQ(x->lista().numero_componentes(), 5);
    EXPECT_EQ(x->lista()[4].tipo, TIPO_CILINDRO);
    EXPECT_EQ(x->ui.registro, QStringList{"pergunta: Tem certeza que deseja excluir componentes selecionados?"});
}

// A palette button pressed during a wire frees the port the same way
// (PaletaFioPendente.BotaoDuranteOFioLiberaAPortaDeOrigem).
TEST(RoteiroEdicao, EscapeDuranteOFioLiberaAPorta)
{
    auto esc = rodar(QString(TRES_COMPONENTES) + "mover 130 95\npressionar 130 95\nsoltar 130 95\n"
                                                 "mover 200 200\ntecla Escape\nmover 130 95\n");
    EXPECT_EQ(esc->e.modo, 0);
    EXPECT_EQ(esc->por_codigo(1)->conexao(2), LIVRE);
    EXPECT_EQ(esc->por_codigo(1)->ponto_ativo, 2); // the port can take a wire again
    EXPECT_EQ(esc->lista().numero_componentes(), 5);
}

// The headless double click: the property dialog the scripted user declines leaves no press
// pending (through the windows: AreaTrabalho.DuploCliqueConsomeOCliqueQueOAcompanha).
TEST(RoteiroEdicao, DuploCliqueNoCilindroNaoDeixaPressaoPendente)
{
    auto x = rodar(QString(TRES_COMPONENTES) + "duplo 250 310\n");
    EXPECT_EQ(x->e.componente_atual.get(), x->por_codigo(5));
    EXPECT_FALSE(x->e.ignorar_clique);
    EXPECT_FALSE(x->e.ignorar_selecao);
    EXPECT_FALSE(x->e.selecionando);
    EXPECT_EQ(x->e.indice_arrasto, -1);
}
