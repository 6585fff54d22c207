// Wire start, finish, routing and direct construction.
#include "edicao/fio_editor.h"
#include "edicao/paleta.h"
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// Every bend shares x or y with its neighbours.
bool ortogonal(const std::vector<TPonto> &l)
{
    for (size_t i = 1; i < l.size(); ++i)
        if (l[i].x != l[i - 1].x && l[i].y != l[i - 1].y)
            return false;
    return true;
}

std::vector<TPonto> polilinha(const TPonto &s, const TPonto &e, int ds, int de, int r)
{
    std::vector<TPonto> l{s};
    for (const TPonto &p : Rota_Fio(s, e, ds, de, r))
        l.push_back(p);
    l.push_back(e);
    return l;
}

std::vector<TPonto> pontos_do_fio(const TComponente &fio) { return fio.fio->pontos; }

// A 3-way valve at (100, 100): port 2 (130, 95), port 1 (130, 130) holding its supply, port 3 (142, 130).
// A single-acting cylinder at (203, 300): port 1 (207, 332).
struct Circuito {
    TEstado estado;
    int valvula = -1, cilindro = -1;
    Circuito()
    {
        estado.aleatorio = [](int) { return 7; };
        valvula = estado.lista().indice(Posicionar_Componente(estado, 3, 100, 100).codigo);
        cilindro = estado.lista().indice(Posicionar_Componente(estado, 7, 203, 300).codigo);
    }
    TComponente &operator[](int i) { return estado.lista()[i]; }
    void finalizar(int indice, int porta)
    {
        estado.lista()[indice].ponto_ativo = porta;
        Finalizar_Fio(estado, indice);
    }
};

} // namespace

TEST(RotaFio, TodasAsCombinacoesSaoOrtogonaisEmCadaQuadrante)
{
    const TPonto s(300, 300);
    const TPonto destinos[] = {{200, 420}, {200, 300}, {200, 180}, {300, 420}, {410, 421}, {410, 300}, {300, 180},
                               {413, 177}, {299, 301}, {301, 299}};
    for (const TPonto &e : destinos)
        for (int ds = 1; ds <= 4; ++ds)
            for (int de = 1; de <= 4; ++de)
                for (int r : {0, 13, 29})
                    EXPECT_TRUE(ortogonal(polilinha(s, e, ds, de, r)))
                        << "e=(" << e.x << "," << e.y << ") ds=" << ds << " de=" << de << " r=" << r;
}

TEST(RotaFio, PontosDeDobraCalculadosAMao)
{
    struct Caso {
        TPonto s, e;
        int ds, de, r;
        std::vector<TPonto> dobras;
    };
    const Caso casos[] = {
        // Down from a valve's lower port into a cylinder port below and to the right: down past
        // the port, across, and up into it.
        {{130, 130}, {207, 332}, 1, 1, 7, {{130, 344}, {207, 344}}},
        // Left and below, 3 -> 4: half the distance is rounded half to even (37.5 -> 38; 38.5 -> 38).
        {{300, 100}, {225, 200}, 3, 4, 3, {{259, 100}, {259, 200}}},
        {{300, 100}, {223, 200}, 3, 4, 3, {{259, 100}, {259, 200}}},
        // Left and above, 4 -> 3: around the right side, then over to the left of the destination.
        {{300, 300}, {200, 250}, 4, 3, 2, {{307, 300}, {307, 277}, {193, 277}, {193, 250}}},
        {{100, 300}, {200, 200}, 2, 4, 0, {{100, 245}, {205, 245}, {205, 200}}},
        // Level: quadrant 2 on the left, 4 on the right; (1, 1) then goes below the origin.
        {{300, 300}, {200, 300}, 1, 1, 4, {{300, 309}, {200, 309}}},
        {{300, 300}, {400, 300}, 4, 4, 4, {{409, 300}, {409, 300}}},
        // Straight below is quadrant 3, straight above 4: both turn at the destination's height.
        {{300, 300}, {300, 400}, 1, 3, 4, {{300, 400}}},
        {{300, 300}, {300, 200}, 2, 3, 4, {{300, 200}}},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(Rota_Fio(c.s, c.e, c.ds, c.de, c.r), c.dobras) << c.e.x << "," << c.e.y << " " << c.ds << c.de;
    // A direction outside 1..4 counts as up.
    EXPECT_EQ(Rota_Fio({300, 300}, {300, 200}, 0, 9, 4), Rota_Fio({300, 300}, {300, 200}, 2, 2, 4));
}

TEST(IniciarFio, MarcaAPortaPendenteEDeixaOFioForaDaLista)
{
    Circuito c;
    c[c.cilindro].selecionar();
    c.estado.numero_selecionados = 1;
    const int n = c.estado.lista().numero_componentes();
    Iniciar_Fio(c.estado, c.valvula, 2);

    EXPECT_EQ(c.estado.modo, 1);
    EXPECT_EQ(c.estado.direcao_inicial, 2);
    EXPECT_EQ(c[c.valvula].conexao(2), CONEXAO_PENDENTE);
    EXPECT_FALSE(c[c.cilindro].selecionado());
    EXPECT_EQ(c.estado.numero_selecionados, 0);
    const TComponente &fio = *c.estado.componente_atual;
    ASSERT_EQ(fio.tipo, TIPO_FIO);
    EXPECT_EQ(fio.codigo, -1);
    EXPECT_EQ(pontos_do_fio(fio), (std::vector<TPonto>{{130, 95}, {130, 95}}));
    EXPECT_EQ(fio.fio->conexao_origem, c[c.valvula].codigo);
    EXPECT_EQ(fio.fio->pino_origem, 2);
    EXPECT_EQ(c.estado.lista().numero_componentes(), n);
}

TEST(FinalizarFio, LigaAsDuasPontasERoteiaComODesvioSorteado)
{
    Circuito c;
    int pedido = -1;
    c.estado.aleatorio = [&pedido](int n) {
        pedido = n;
        return 7;
    };
    c.estado.mostrar_mira = c.estado.mostrar_cruz = true;
    Iniciar_Fio(c.estado, c.valvula, 2);
    c.estado.componente_atual->fio->ponto(1) = TPonto(180, 200); // loose end wherever the pointer was
    c.finalizar(c.cilindro, 1);

    EXPECT_EQ(pedido, 30);
    EXPECT_EQ(c.estado.modo, 0);
    EXPECT_FALSE(c.estado.mostrar_mira);
    EXPECT_FALSE(c.estado.mostrar_cruz);
    const TComponente &fio = c.estado.lista()[c.estado.lista().numero_componentes() - 1];
    ASSERT_EQ(fio.tipo, TIPO_FIO);
    EXPECT_EQ(fio.codigo, 4); // valve 1, its supply 2, cylinder 3
    EXPECT_EQ(c[c.valvula].conexao(2), 4);
    EXPECT_EQ(c[c.cilindro].conexao(1), 4);
    EXPECT_EQ(fio.fio->conexao_destino, c[c.cilindro].codigo);
    EXPECT_EQ(fio.fio->pino_destino, 1);
    // Up from (130, 95), right past half the distance (77 / 2 -> 38), down below the cylinder
    // port, across and up into it.
    EXPECT_EQ(pontos_do_fio(fio),
              (std::vector<TPonto>{{130, 95}, {130, 83}, {173, 83}, {173, 344}, {207, 344}, {207, 332}}));
}

TEST(FinalizarFio, TomadaDeArLigadaPorFioNaoFicaAcoplada)
{
    Circuito c;
    TComponente &tomada = Posicionar_Componente(c.estado, 6, 400, 400);
    tomada.tomada_ar->pino = 2; // a stale docking port, as a file may leave it
    Iniciar_Fio(c.estado, c.cilindro, 2);
    c.finalizar(c.estado.lista().indice(tomada.codigo), 1);
    const TComponente &fio = c.estado.lista()[c.estado.lista().numero_componentes() - 1];
    EXPECT_EQ(tomada.tomada_ar->conexao, fio.codigo);
    EXPECT_EQ(tomada.tomada_ar->pino, -1);

    // Started on a supply: the pending mark also leaves pino at -1.
    TComponente &outra = Posicionar_Componente(c.estado, 6, 500, 400);
    Iniciar_Fio(c.estado, c.estado.lista().indice(outra.codigo), 1);
    EXPECT_EQ(outra.tomada_ar->conexao, CONEXAO_PENDENTE);
    EXPECT_EQ(outra.tomada_ar->pino, -1);
}

TEST(FinalizarFio, PortaMarcadaOcupadaNaoLigaFioJaTerminadoNaoFazNada)
{
    Circuito c;
    Iniciar_Fio(c.estado, c.valvula, 2);
    // The valve's port 1 holds its docked supply: a stale marker there must not take it.
    c.finalizar(c.valvula, 1);
    EXPECT_EQ(c.estado.modo, 1);
    EXPECT_EQ(c[c.valvula].conexao(1), 2);

    c.finalizar(c.valvula, 3); // two ports of the same component
    const int n = c.estado.lista().numero_componentes();
    EXPECT_EQ(c[c.valvula].conexao(2), c.estado.lista()[n - 1].codigo);
    EXPECT_EQ(c[c.valvula].conexao(3), c.estado.lista()[n - 1].codigo);
    c[c.cilindro].ponto_ativo = 2;
    Finalizar_Fio(c.estado, c.cilindro); // componente_atual is the finished wire
    EXPECT_EQ(c.estado.lista().numero_componentes(), n);
    EXPECT_EQ(c[c.cilindro].conexao(2), LIVRE);
}

TEST(FinalizarFio, OrigemExcluidaDuranteODesenhoDescartaOFio)
{
    Circuito c;
    Iniciar_Fio(c.estado, c.valvula, 2);
    c.estado.lista().remover(c[c.valvula].codigo);
    const int cilindro = c.estado.lista().indice(3);
    const int n = c.estado.lista().numero_componentes();
    c.finalizar(cilindro, 1);
    EXPECT_EQ(c.estado.modo, 0);
    EXPECT_EQ(c.estado.lista().numero_componentes(), n);
    EXPECT_EQ(c[cilindro].conexao(1), LIVRE);
    EXPECT_EQ(c.estado.componente_atual, c.estado.componente_nulo);
}

TEST(CriarFio, MantemOCodigoNaoMexeNasPortasEViraOComponenteAtual)
{
    Circuito c;
    TComponente &fio = CriarFio(c.estado, 20, 1, 3, 2, 1, 130, 95, 130, 80, 207, 80, 207, 332, true);
    EXPECT_EQ(fio.codigo, 20);
    EXPECT_EQ(c.estado.componente_atual.get(), &fio);
    EXPECT_EQ(fio.fio->conexao_origem, 1);
    EXPECT_EQ(fio.fio->pino_origem, 2);
    EXPECT_EQ(fio.fio->conexao_destino, 3);
    EXPECT_EQ(fio.fio->pino_destino, 1);
    EXPECT_EQ(pontos_do_fio(fio), (std::vector<TPonto>{{130, 95}, {130, 80}, {207, 80}, {207, 332}}));
    EXPECT_EQ(c[c.valvula].conexao(2), LIVRE);
    EXPECT_GT(Posicionar_Componente(c.estado, 14, 10, 10).codigo, 20);

    TComponente &curto = CriarFio(c.estado, 30, 1, 3, 2, 1, 1, 2, 3, 4, 5, 6, 7, 8, false);
    EXPECT_EQ(curto.fio->numero_pontos(), 3);
}
