// Every registered family through every hook it answers. Each family's records are made the way
// the program makes them (one per palette entry that places the family; a family no entry places,
// the tube, as a bare record) and each row of GANCHOS checks one hook on every one of them.
// A new hook is one more row.
#include "apoio/circuito.h"
#include "componentes/registro.h"
#include "desenho/renderizador.h"
#include "documento/arquivo_circuito.h"
#include "documento/leitor_circuito.h"
#include "edicao/paleta.h"
#include "modelo/modo.h"
#include "simulacao/apresentacao_simulacao.h"
#include "simulacao/controle_simulacao.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace zefira {
namespace {

// Far enough from the area's edges for a copy (+30, +50) and a move to stay inside.
constexpr int X = 300, Y = 300;

const TFamilia &familia(size_t i) { return *Familias()[i]; }

// The palette entries that place the family; one null entry (a bare record) when there is none.
std::vector<const TPeca *> pecas(const TFamilia &f)
{
    std::vector<const TPeca *> r;
    for (const TPeca &p : Pecas())
        if (p.familia == &f)
            r.push_back(&p);
    if (r.empty())
        r.push_back(nullptr);
    return r;
}

// A record placed at (x, y) and laid out. Whatever the placement docks on it (a valve's supply)
// is removed, so the record starts with every port free.
TComponente &colocar(TEstado &e, const TFamilia &f, const TPeca *peca, int x = X, int y = Y)
{
    if (!peca) {
        TComponente &c = e.lista().adicionar(f.tipo(), x, -1, -1, -1, y);
        c.atualizar_geometria();
        return c;
    }
    const int antes = e.lista().numero_componentes();
    TComponente &c = Posicionar_Componente(e, peca->entrada->codigo, x, y);
    while (e.lista().numero_componentes() > antes + 1)
        e.lista().remover(e.lista()[e.lista().numero_componentes() - 1].codigo);
    return c;
}

bool desenhada(const TComponente &c, int porta) { return c.ponto(porta) != TPonto(-50, -50); }

// A wire on every port the drawing shows, from a to the same port of b.
void ligar_portas(TEstado &e, TComponente &a, TComponente &b)
{
    for (int p = 1; p <= a.numero_portas(); ++p)
        if (desenhada(a, p))
            teste::ligar_fio(e, a, p, b, p);
}

// Every port slot names a record of the list, and every wire end that names a record names one
// of the list whose port holds the wire.
::testing::AssertionResult coerente(const TLista_Componente &lista)
{
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &r = lista[i];
        for (int p = 1; p <= r.numero_portas(); ++p)
            if (r.conexao(p) != -1 && !lista.procurar(r.conexao(p)))
                return ::testing::AssertionFailure() << "port " << p << " of " << r.codigo << " names a lost record";
        if (!r.e_fio())
            continue;
        for (bool origem : {true, false}) {
            const int codigo = r.fio->conexao(origem);
            const TComponente *c = codigo == -1 ? nullptr : lista.procurar(codigo);
            if (codigo != -1 && (!c || c->conexao(r.fio->pino(origem)) != r.codigo))
                return ::testing::AssertionFailure() << "wire " << r.codigo << " ends on a lost record or port";
        }
    }
    return ::testing::AssertionSuccess();
}

// The file text of the record alone, selection left out.
QByteArray registro(const std::shared_ptr<TComponente> &c)
{
    TEstado e;
    e.lista().adicionar_existente(c, false, false);
    return Conteudo_Instantaneo(e);
}

using Verificacao = std::function<void(TEstado &, const TFamilia &, const TPeca *)>;

struct Gancho {
    const char *nome;
    Verificacao verificar;
};

const Gancho GANCHOS[] = {
    // The picture lies in the record's box, and the selected picture differs from it. A bare
    // tube has no points to draw.
    {"desenho",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &c = colocar(e, f, peca);
         if (c.e_fio())
             return;
         const QImage normal = Imagem_Area_Trabalho(e);
         c.selecionar();
         const QImage selecionada = Imagem_Area_Trabalho(e);
         EXPECT_NE(normal, selecionada);
         EXPECT_NE(normal.copy(c.esquerda, c.topo, c.direita - c.esquerda + 1, c.baixo - c.topo + 1),
                   Imagem_Area_Trabalho(*std::make_unique<TEstado>())
                       .copy(c.esquerda, c.topo, c.direita - c.esquerda + 1, c.baixo - c.topo + 1));
     }},
    // Wired to another of its kind, fed when it is a supply: a run of steps walks and steps it,
    // and the stop leaves it as it found it.
    {"simulacao",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &a = colocar(e, f, peca);
         TComponente &b = colocar(e, f, peca, X + 200, Y);
         ligar_portas(e, a, b);
         const QByteArray antes = Conteudo_Instantaneo(e);
         const TApresentacaoSimulacao nada;
         TBiniciarClick(e);
         for (int i = 0; i < 10; ++i)
             Timer1Timer(e, nada);
         TBpararClick(e);
         Timer1Timer(e, nada);
         EXPECT_EQ(Conteudo_Instantaneo(e), antes);
         EXPECT_TRUE(coerente(e.lista()));
     }},
    {"criar",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         const TComponente &c = colocar(e, f, peca);
         EXPECT_EQ(&c.familia(), &f);
         EXPECT_EQ(&Familia(f.tipo()), &f);
         const int objetos = !!c.fio + !!c.valvula_direcional + !!c.tomada_ar + !!c.cilindro +
                             !!c.valvula_e_ou_esc_reg + !!c.jump + !!c.eletrico;
         EXPECT_EQ(objetos, 1);
         if (peca)
             EXPECT_FALSE(c.nome.isEmpty());
     }},
    {"portas",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         const TComponente &c = colocar(e, f, peca);
         const int n = f.numero_portas();
         EXPECT_EQ(c.numero_portas(), n);
         for (int p = 1; p <= n; ++p) {
             // An electrical part's ports carry current, but for a pressure switch's air port.
             EXPECT_EQ(f.dominio(p) == TDominio::eletrico, f.eletrica() && (f.tipo() != TIPO_PRESSOSTATO || p > 1)) << p;
             // Only an electrical record lacks ports of its family (an NA contact the third).
             EXPECT_TRUE(f.direcao(c, p) != 0 || f.eletrica()) << p;
             EXPECT_EQ(c.conexao(p), -1) << p;
         }
         for (int p : {0, n + 1}) {
             EXPECT_EQ(f.direcao(c, p), 0) << p;
             EXPECT_EQ(c.conexao(p), -1) << p;
         }
     }},
    {"ligar",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &c = colocar(e, f, peca);
         const int n = f.numero_portas();
         for (int p = 1; p <= n; ++p)
             c.ligar(p, 900 + p);
         c.ligar(n + 1, 999); // a port the kind lacks is ignored
         for (int p = 1; p <= n + 1; ++p)
             EXPECT_EQ(c.conexao(p), p <= n ? 900 + p : -1) << p;
         for (int p = 1; p <= n; ++p) {
             c.desligar(p);
             for (int q = 1; q <= n; ++q)
                 EXPECT_EQ(c.conexao(q), q <= p ? -1 : 900 + q) << p << "/" << q;
         }
     }},
    {"selecao",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &c = colocar(e, f, peca);
         c.selecionar();
         EXPECT_TRUE(c.selecionado());
         c.desselecionar();
         EXPECT_FALSE(c.selecionado());
     }},
    {"geometria",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &c = colocar(e, f, peca);
         if (c.e_fio())
             return; // a wire's geometry is its polyline, placed by the wire editor
         EXPECT_GE(c.direita, c.esquerda);
         EXPECT_GE(c.baixo, c.topo);
         const int n = f.numero_portas();
         std::vector<TPonto> portas;
         for (int p = 1; p <= n; ++p) {
             portas.push_back(c.ponto(p));
             if (!desenhada(c, p))
                 continue;
             // A port sits on the box or a few pixels beside it (a pilot's port, left of the valve).
             EXPECT_TRUE(c.ponto(p).x >= c.esquerda - 25 && c.ponto(p).x <= c.direita + 25 &&
                         c.ponto(p).y >= c.topo - 25 && c.ponto(p).y <= c.baixo + 25)
                 << "port " << p << " at " << c.ponto(p).x << ", " << c.ponto(p).y;
         }
         // Moved, the box and the ports shown follow; laid out again, nothing changes.
         const int largura = c.direita - c.esquerda, altura = c.baixo - c.topo;
         c.esquerda += 40;
         c.topo += 30;
         c.atualizar_geometria();
         c.atualizar_geometria();
         EXPECT_EQ(c.direita - c.esquerda, largura);
         EXPECT_EQ(c.baixo - c.topo, altura);
         for (int p = 1; p <= n; ++p)
             if (portas[size_t(p - 1)] != TPonto(-50, -50))
                 EXPECT_EQ(c.ponto(p), TPonto(portas[size_t(p - 1)].x + 40, portas[size_t(p - 1)].y + 30)) << p;
     }},
    {"arquivo",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &a = colocar(e, f, peca);
         TComponente &b = colocar(e, f, peca, X + 200, Y + 200);
         ligar_portas(e, a, b);
         const QByteArray bytes = Conteudo_Instantaneo(e);
         TEstado lido;
         const TResultadoLeitura r = TLeitor_Circuito(lido, bytes).ler();
         ASSERT_EQ(r.status, StatusLeitura::Ok) << r.mensagem.toStdString();
         ASSERT_EQ(lido.lista().numero_componentes(), e.lista().numero_componentes());
         EXPECT_EQ(Conteudo_Instantaneo(lido), bytes);
         // What the file does not hold is laid out again on reading.
         for (int i = 0; i < e.lista().numero_componentes(); ++i) {
             const TComponente &o = e.lista()[i], &l = lido.lista()[i];
             EXPECT_EQ(&l.familia(), &o.familia());
             EXPECT_EQ(l.nome, o.nome);
             if (!o.e_fio()) // a wire's box is not its own: its polyline is
                 EXPECT_EQ(std::tie(l.esquerda, l.topo, l.direita, l.baixo),
                           std::tie(o.esquerda, o.topo, o.direita, o.baixo));
             for (int p = 1; p <= o.numero_portas(); ++p) {
                 EXPECT_EQ(l.ponto(p), o.ponto(p)) << p;
                 EXPECT_EQ(l.conexao(p), o.conexao(p)) << p;
             }
         }
         EXPECT_TRUE(coerente(lido.lista()));
     }},
    {"copia",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &a = colocar(e, f, peca);
         const std::shared_ptr<TComponente> original = e.lista().componente(0);
         TComponente &copia = e.lista().adicionar_existente(original, false, true);
         EXPECT_NE(copia.codigo, a.codigo);
         EXPECT_EQ(&copia.familia(), &f);
         EXPECT_TRUE(copia.selecionado());
         EXPECT_EQ(copia.esquerda, a.esquerda + 30);
         EXPECT_EQ(copia.topo, a.topo + 50);
         // Put back in the original's place under its code, the copy is written as the original.
         copia.codigo = a.codigo;
         copia.esquerda = a.esquerda;
         copia.topo = a.topo;
         copia.atualizar_geometria();
         EXPECT_EQ(registro(e.lista().componente(1)), registro(original));

         // A copy of a wired record has no connections.
         TComponente &b = colocar(e, f, peca, X + 200, Y + 200);
         ligar_portas(e, a, b);
         const TComponente &solta = e.lista().adicionar_existente(original, false, true);
         for (int p = 1; p <= solta.numero_portas(); ++p)
             EXPECT_EQ(solta.conexao(p), -1) << p;
     }},
    {"excluir",
     [](TEstado &e, const TFamilia &f, const TPeca *peca) {
         TComponente &a = colocar(e, f, peca);
         TComponente &b = colocar(e, f, peca, X + 200, Y + 200);
         const int codigo_a = a.codigo, codigo_b = b.codigo;
         ligar_portas(e, a, b);
         ASSERT_TRUE(coerente(e.lista()));
         // A wire removed alone frees the ports at both of its ends.
         for (int p = 1; p <= a.numero_portas(); ++p) {
             if (a.conexao(p) == -1)
                 continue;
             e.lista().remover(a.conexao(p));
             EXPECT_EQ(a.conexao(p), -1) << p;
             EXPECT_EQ(b.conexao(p), -1) << p;
             teste::ligar_fio(e, a, p, b, p);
             break;
         }
         // The record takes the wires on its ports along and frees the other ends.
         e.lista().remover(codigo_a);
         ASSERT_EQ(e.lista().numero_componentes(), 1);
         EXPECT_EQ(e.lista()[0].codigo, codigo_b);
         EXPECT_EQ(e.lista().procurar(codigo_a), nullptr);
         for (int p = 1; p <= b.numero_portas(); ++p)
             EXPECT_EQ(b.conexao(p), -1) << p;
         EXPECT_TRUE(coerente(e.lista()));
     }},
};

class Familias_ : public ::testing::TestWithParam<std::tuple<size_t, size_t>> {};

TEST_P(Familias_, Gancho)
{
    const TFamilia &f = familia(std::get<0>(GetParam()));
    const Gancho &g = GANCHOS[std::get<1>(GetParam())];
    for (const TPeca *peca : pecas(f)) {
        SCOPED_TRACE(peca ? ::testing::Message() << "palette mode " << peca->entrada->codigo : ::testing::Message() << "bare");
        TEstado e;
        g.verificar(e, f, peca);
    }
}

INSTANTIATE_TEST_SUITE_P(Registro, Familias_,
                         ::testing::Combine(::testing::Range(size_t(0), Familias().size()),
                                            ::testing::Range(size_t(0), std::size(GANCHOS))),
                         [](const ::testing::TestParamInfo<Familias_::ParamType> &i) {
                             return "tipo" + std::to_string(familia(std::get<0>(i.param)).tipo()) + "_" +
                                    GANCHOS[std::get<1>(i.param)].nome;
                         });

} // namespace
} // namespace zefira

namespace zefira {
namespace {

// The record of a tag no family owns (the editor's empty component, a record of a newer file)
// answers nothing and breaks nothing, whichever layer asks.
TEST(FamiliaDesconhecida, NaoRespondeNemQuebraNada)
{
    TEstado e;
    const QImage vazia = Imagem_Area_Trabalho(e);
    const QByteArray sem_nada = Conteudo_Instantaneo(e);
    TComponente &c = e.lista().adicionar(12345, X, -1, -1, -1, Y);
    const TFamilia &f = c.familia();
    EXPECT_EQ(&f, &Familia(TIPO_NENHUM));
    c.atualizar_geometria();
    c.selecionar();
    c.ligar(1, 7);
    EXPECT_FALSE(c.selecionado());
    EXPECT_EQ(c.numero_portas(), 0);
    EXPECT_EQ(c.conexao(1), -1);
    EXPECT_TRUE(f.paleta().empty());
    EXPECT_TRUE(f.dialogo_propriedades(c).isEmpty());
    EXPECT_EQ(Imagem_Area_Trabalho(e), vazia);
    EXPECT_EQ(Conteudo_Instantaneo(e), sem_nada);

    const TApresentacaoSimulacao nada;
    TBiniciarClick(e);
    for (int i = 0; i < 3; ++i)
        Timer1Timer(e, nada);
    TBpararClick(e);
    Timer1Timer(e, nada);
    e.lista().remover(c.codigo);
    EXPECT_EQ(e.lista().numero_componentes(), 0);
}

} // namespace
} // namespace zefira
