// Cylinder drawing of TRenderizador: barrel, rod, piston, end plates, port stubs, return
// spring, stroke labels, name and force.
#include "desenho/renderizador.h"

namespace zefira {

namespace {

constexpr int COMPRIMENTO_TOCO = 6;
constexpr int HASTE_DUPLA = 3;
constexpr int SIMPLES_ACAO = 1;
constexpr int HASTE_SIMPLES = 2;

// Pixels of travel for a stroke position in mm: the 100 mm stroke spans 60 pixels.
int deslocamento(int posicao) { return R(double(posicao) * 6 / 10.0); }

} // namespace

void TRenderizador::desenhar_cilindro(TComponente &c)
{
    const TCilindro &cil = *c.cilindro;
    const int d = deslocamento(cil.posicao);
    const int L = c.esquerda, T = c.topo;
    const int w_dentro = cil.figura_dentro.width(), w_cabo = cil.figura_cabo.width();

    figura(L, T, cil.figura_corpo);
    if (cil.tipo() == HASTE_DUPLA) {
        figura(L - 70 + d, T + 9, cil.figura_cabo);
        figura(L + 8 + d, T + 1, cil.figura_dentro);
        figura(L - 72 + w_cabo + d, T + 4, cil.figura_fora);
        figura(L + 89 - w_cabo + d, T + 4, cil.figura_fora);
    } else if (cil.tipo() == SIMPLES_ACAO || cil.tipo() == HASTE_SIMPLES) {
        figura(L + 7 + w_dentro + d, T + 9, cil.figura_cabo);
        figura(L + 8 + d, T + 1, cil.figura_dentro);
        figura(L + 6 + w_dentro + w_cabo + d, T + 4, cil.figura_fora);
    }

    const QColor cor = cil.selecionado() ? VERMELHO : PRETO;
    caneta(cor);
    p_.setBrush(Qt::NoBrush);
    const TPonto p1 = c.ponto(1);
    linha(p1.x, p1.y, p1.x, p1.y - COMPRIMENTO_TOCO);
    // A type read from a file outside 1..3 gets the barrel and port 1 only.
    if (cil.tipo() == HASTE_SIMPLES || cil.tipo() == HASTE_DUPLA) {
        const TPonto p2 = c.ponto(2);
        linha(p2.x, p2.y, p2.x, p2.y - COMPRIMENTO_TOCO);
    } else if (cil.tipo() == SIMPLES_ACAO) {
        desenhar_mola_cilindro(c, d);
    }
    desenhar_rotulos_cilindro(c);
    texto(L + 35, T - 20, cil.nome, cor);
    const int forca = estado_.mostrar_forca_teorica ? cil.forca_teorica : cil.forca;
    texto(c.direita, T - 20, QStringLiteral("Força: %1 Kgf").arg(forca), cor);
}

void TRenderizador::desenhar_mola_cilindro(const TComponente &c, int d)
{
    // The spring zigzags from the piston to the right end, so it is compressed as the rod
    // extends. Each row moves the real abscissa forward by a growing fraction of the room left,
    // then back, giving peaks that crowd towards the right end.
    struct Dente {
        double fracao;
        double correcao;
        bool em_cima;
    };
    static const Dente DENTES[] = {
        {1.0 / 6, 0, true}, {1.0 / 3, 0, false}, {1.0 / 2, 0, true}, {2.0 / 3, 2, false}, {5.0 / 6, 3, true},
    };
    const TCilindro &cil = *c.cilindro;
    const int x0 = c.esquerda + 7 + cil.figura_dentro.width() + d;
    const int direita = c.direita;
    const int y_cima = c.topo + 1, y_baixo = c.baixo - 2;
    int x = x0, y = y_baixo;
    double a = x0;
    for (const Dente &dente : DENTES) {
        a = a + (direita - a) * dente.fracao - dente.correcao;
        const int nx = I(a), ny = dente.em_cima ? y_cima : y_baixo;
        linha(x, y, nx, ny);
        x = nx;
        y = ny;
        a = a - (direita - a) * dente.fracao + dente.correcao;
    }
    linha(x, y, direita - 1, y_baixo);
}

void TRenderizador::desenhar_rotulos_cilindro(const TComponente &c)
{
    const TCilindro &cil = *c.cilindro;
    const QColor cor = cil.selecionado() ? VERMELHO : PRETO;
    for (int i = 1; i <= NUMERO_ROTULOS; ++i) {
        const TRotulo r = cil.rotulo(i);
        if (r.texto.isEmpty())
            continue;
        const int dl = deslocamento(r.posicao);
        const int x = c.direita + 13 + dl;
        linha(x, c.baixo + 4, x, c.baixo - 2);
        // Labels at the same stroke position stack downwards.
        int k = 0;
        for (int j = 1; j < i; ++j)
            if (cil.rotulo(j).posicao == r.posicao)
                ++k;
        texto(c.direita + 10 + dl, c.baixo + 8 + 16 * k, r.texto, cor);
    }
}

} // namespace zefira
