#include "simbolos/imagens.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace zefira;

namespace {

bool so_cores(const QImage &img, QRgb a, QRgb b)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb c = img.pixel(x, y) & 0xFFFFFF;
            if (c != (a & 0xFFFFFF) && c != (b & 0xFFFFFF))
                return false;
        }
    return true;
}

} // namespace

// The pictures' pixels (and so their sizes) are pinned by SimbolosCli against the help's figures,
// and the boxes laid out from their sizes by Componente; the table is not restated here.
TEST(Imagens, NadaEBrancoESemVarianteSelecionada)
{
    TImagens imagens;
    QImage nada = imagens.copiar("nada");
    ASSERT_EQ(nada.size(), QSize(25, 25));
    EXPECT_TRUE(so_cores(nada, qRgb(255, 255, 255), qRgb(255, 255, 255)));
    EXPECT_FALSE(imagens.existe("nada_selec"));
}

TEST(Imagens, SelecionadaEAMesmaFiguraComPretoVermelho)
{
    TImagens imagens;
    int n = 0;
    const TImagens::Entrada *tabela = TImagens::tabela(n);
    for (int i = 1; i < n; ++i) {
        const QString nome = QString::fromLatin1(tabela[i].nome);
        QImage normal = imagens.copiar(nome);
        QImage selec = imagens.copiar(nome + "_selec");
        ASSERT_EQ(selec.size(), normal.size()) << nome.toStdString();
        EXPECT_TRUE(so_cores(normal, qRgb(0, 0, 0), qRgb(255, 255, 255))) << nome.toStdString();
        bool tem_preto = false;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                QRgb c = normal.pixel(x, y) & 0xFFFFFF;
                QRgb s = selec.pixel(x, y) & 0xFFFFFF;
                if (c == 0) {
                    tem_preto = true;
                    EXPECT_EQ(s, 0xFF0000u);
                } else {
                    EXPECT_EQ(s, 0xFFFFFFu);
                }
            }
        EXPECT_TRUE(tem_preto) << nome.toStdString() << " sem desenho";
    }
}

TEST(Imagens, NomeDesconhecidoNaoDaNadaENaoMudaODestino)
{
    TImagens imagens;
    EXPECT_TRUE(imagens.copiar("fig_99").isNull());
    EXPECT_FALSE(imagens.tamanho("fig_99").isValid());
    QImage destino = imagens.copiar("jump");
    EXPECT_FALSE(imagens.copiar("nao_existe", destino));
    EXPECT_EQ(destino.size(), QSize(9, 9));
}

// ---- the drawings themselves ----

namespace {

bool preto(const QImage &img, int x, int y)
{
    return x >= 0 && y >= 0 && x < img.width() && y < img.height()
           && (img.pixel(x, y) & 0xFFFFFF) == 0;
}

// A port of a valve square: column and edge (top or bottom).
struct Porta {
    int x;
    bool topo;
};

struct Quadro {
    const char *nome;
    std::vector<std::pair<Porta, Porta>> ligadas; // flow lines between two ports
    std::vector<Porta> bloqueadas;                // ports ending in a "T"
};

// Ports are named by where the layout puts their stubs: x 12 for a 2-way square and the
// middle lower port of a 5-way square, x 6 and 18 for the others.
const Porta T6{6, true}, T12{12, true}, T18{18, true};
const Porta B6{6, false}, B12{12, false}, B18{18, false};

const std::vector<Quadro> &quadros()
{
    static const std::vector<Quadro> q = {
        {"fig_2va", {{B12, T12}}, {}},
        {"fig_2vf", {}, {T12, B12}},
        {"fig_3cf", {}, {T6, B6, B18}},
        {"fig_3va", {{B6, T6}}, {B18}},
        {"fig_3vf", {{T6, B18}}, {B6}},
        {"fig_4can", {{T6, B18}, {T18, B18}}, {B6}},
        {"fig_4cap", {{B6, T6}, {B6, T18}}, {B18}},
        {"fig_4cf", {}, {T6, T18, B6, B18}},
        {"fig_4cfb", {{B6, B18}}, {T6, T18}},
        {"fig_4d", {{B6, T18}, {T6, B18}}, {}},
        {"fig_4e", {{B6, T6}, {T18, B18}}, {}},
        {"fig_5can", {{T6, B6}, {T18, B18}}, {B12}},
        {"fig_5cap", {{B12, T6}, {B12, T18}}, {B6, B18}},
        {"fig_5cf", {}, {T6, T18, B6, B12, B18}},
        {"fig_5d", {{B12, T18}, {T6, B6}}, {B18}},
        {"fig_5e", {{B12, T6}, {T18, B18}}, {B6}},
    };
    return q;
}

// Labels the black pixels inside the square's border by 8-connected component.
std::vector<int> componentes_internos(const QImage &img)
{
    const int w = img.width(), h = img.height();
    std::vector<int> rotulo(w * h, -1);
    int proximo = 0;
    for (int y0 = 1; y0 < h - 1; ++y0)
        for (int x0 = 1; x0 < w - 1; ++x0) {
            if (!preto(img, x0, y0) || rotulo[y0 * w + x0] >= 0)
                continue;
            std::vector<QPoint> pilha{{x0, y0}};
            rotulo[y0 * w + x0] = proximo;
            while (!pilha.empty()) {
                const QPoint p = pilha.back();
                pilha.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x < 1 || y < 1 || x > w - 2 || y > h - 2 || !preto(img, x, y)
                            || rotulo[y * w + x] >= 0)
                            continue;
                        rotulo[y * w + x] = proximo;
                        pilha.push_back({x, y});
                    }
            }
            ++proximo;
        }
    return rotulo;
}

// The pixel just inside the edge where a port's stub meets the square.
QPoint entrada(const Porta &p) { return {p.x, p.topo ? 1 : 23}; }

} // namespace

// The pixels of every picture are pinned by SimbolosCli; what they mean is checked where the
// program relies on it. Each square is framed, its lines enter exactly at the port columns the
// layout uses, flow lines join the ports the simulation routes between, and a blocked port's
// "T" touches nothing else.
TEST(Imagens, QuadrosDeValvulaLigamEBloqueiamAsPortasCertas)
{
    TImagens imagens;
    for (const Quadro &q : quadros()) {
        SCOPED_TRACE(q.nome);
        const QImage img = imagens.copiar(q.nome);
        ASSERT_EQ(img.size(), QSize(25, 25));
        for (int i = 0; i < 25; ++i) {
            EXPECT_TRUE(preto(img, i, 0) && preto(img, i, 24)) << "moldura, coluna " << i;
            EXPECT_TRUE(preto(img, 0, i) && preto(img, 24, i)) << "moldura, linha " << i;
        }
        std::vector<Porta> portas = q.bloqueadas;
        for (const auto &par : q.ligadas) {
            portas.push_back(par.first);
            portas.push_back(par.second);
        }
        for (const Porta &p : portas)
            EXPECT_TRUE(preto(img, entrada(p).x(), entrada(p).y())) << "porta x=" << p.x;
        // Nothing else meets the top or bottom edge: a line drawn to a wrong column shows here.
        for (int y : {1, 23})
            for (int x = 1; x < 24; ++x) {
                if (!preto(img, x, y))
                    continue;
                bool perto = false;
                for (const Porta &p : portas)
                    perto |= entrada(p).y() == y && std::abs(p.x - x) <= 2;
                EXPECT_TRUE(perto) << "pixel solto em (" << x << ", " << y << ")";
            }

        const std::vector<int> rotulo = componentes_internos(img);
        auto comp = [&](const Porta &p) { return rotulo[entrada(p).y() * 25 + entrada(p).x()]; };
        for (const auto &par : q.ligadas)
            EXPECT_EQ(comp(par.first), comp(par.second))
                << "x=" << par.first.x << " e x=" << par.second.x << " deveriam estar ligadas";
        for (const Porta &b : q.bloqueadas) {
            const int barra = b.topo ? 5 : 19;
            EXPECT_TRUE(preto(img, b.x - 2, barra) && preto(img, b.x + 2, barra))
                << "bloqueio sem barra em x=" << b.x;
            for (const Porta &outra : portas)
                if (outra.x != b.x || outra.topo != b.topo)
                    EXPECT_NE(comp(b), comp(outra)) << "bloqueio em x=" << b.x << " ligado";
        }
    }
}
