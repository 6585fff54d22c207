// Cylinders, AND / OR / quick-exhaust valves, the flow regulator, the air supply and the jump.
//
// The cylinder is assembled by the renderer from four pictures: barrel, rod, piston and rod
// end plate, each drawn opaque on top of the previous one. The rod lines sit 9 and 18 pixels
// below the barrel's top, so the piston and the end plate carry stubs of those two lines on
// their sides to keep the rod continuous where they overlap it.

#include "simbolos/desenho_auxiliar.h"

#include <cmath>

namespace zefira::desenho {

namespace {

// ---- cylinder ----

const int TAMPA = 2;           // thickness of the barrel's end caps
const int HASTE_ALTO = 9;      // rod's upper line, in barrel rows
const int HASTE_BAIXO = 18;    // rod's lower line, in barrel rows

// End cap of the barrel; an open cap leaves the gap the rod passes through.
void tampa(QPainter &p, int x0, int altura, bool aberta)
{
    for (int x = x0; x < x0 + TAMPA; ++x) {
        if (aberta) {
            linha(p, x, 0, x, HASTE_ALTO);
            linha(p, x, HASTE_BAIXO, x, altura - 1);
        } else {
            linha(p, x, 0, x, altura - 1);
        }
    }
}

void camisa(QPainter &p, int largura, int altura, bool aberta_esquerda)
{
    linha(p, 0, 0, largura - 1, 0);
    linha(p, 0, altura - 1, largura - 1, altura - 1);
    tampa(p, 0, altura, aberta_esquerda);
    tampa(p, largura - TAMPA, altura, true);
}

void cilindro_se_dehs(QPainter &p, int largura, int altura) { camisa(p, largura, altura, false); }
void cilindro_dehd(QPainter &p, int largura, int altura) { camisa(p, largura, altura, true); }

void cabo(QPainter &p, int largura, int altura) { retangulo(p, 0, 0, largura - 1, altura - 1); }

// One long rod through the piston: its top and bottom lines break where the piston sits.
void cabo_duplo(QPainter &p, int largura, int altura)
{
    const int vao = 10, inicio = (largura - vao) / 2;
    linha(p, 0, 0, 0, altura - 1);
    linha(p, largura - 1, 0, largura - 1, altura - 1);
    for (int y : {0, altura - 1}) {
        linha(p, 0, y, inicio - 1, y);
        linha(p, inicio + vao, y, largura - 1, y);
    }
}

// Piston: a solid bar spanning the bore, the rod leaving it to the right.
void dentro(QPainter &p, int largura, int altura)
{
    const int barra = 4, alto = HASTE_ALTO - 1, baixo = HASTE_BAIXO - 1;
    retangulo_cheio(p, 0, 0, barra - 1, altura - 1);
    linha(p, barra, alto, largura - 1, alto);
    linha(p, barra, baixo, largura - 1, baixo);
}

// Rod end plate: a solid plate with the rod lines on both sides, since the double-rod
// cylinder uses the same picture at its left end.
void fora(QPainter &p, int largura, int altura)
{
    const int placa0 = 2, placa1 = largura - 3, alto = HASTE_ALTO - 4, baixo = HASTE_BAIXO - 4;
    retangulo_cheio(p, placa0, 0, placa1, altura - 1);
    linha(p, 0, alto, largura - 1, alto);
    linha(p, 0, baixo, largura - 1, baixo);
}

// ---- AND, OR and quick exhaust (51 x 29) ----
// Ports: inputs at the left and right ends of row 17, output at the top of column 25.

const int LINHA_PORTA = 17;
const int CORPO_ESQ = 8, CORPO_DIR = 42, CORPO_TOPO = 9, CORPO_BAIXO = 25;
const int SAIDA_X = 25;

void corpo(QPainter &p, bool entrada_direita)
{
    retangulo(p, CORPO_ESQ, CORPO_TOPO, CORPO_DIR, CORPO_BAIXO);
    linha(p, SAIDA_X, 0, SAIDA_X, CORPO_TOPO);
    linha(p, 0, LINHA_PORTA, CORPO_ESQ, LINHA_PORTA);
    if (entrada_direita)
        linha(p, CORPO_DIR, LINHA_PORTA, 50, LINHA_PORTA);
}

// Two-pressure valve: a spool of two discs on a rod between two seats. A lone input
// pushes the spool across so that its own disc closes its own seat: `desvio` is -2, 0 or
// +2 pixels (shifted left, centred, shifted right).
void valvula_e_com(QPainter &p, int desvio)
{
    corpo(p, true);
    const int sede_esq = 17, sede_dir = 33;
    for (int x : {sede_esq, sede_dir}) {
        linha(p, x, CORPO_TOPO, x, LINHA_PORTA - 4);
        linha(p, x, LINHA_PORTA + 4, x, CORPO_BAIXO);
    }
    const int disco_esq = 13 + desvio, disco_dir = 36 + desvio, meia_altura = 5;
    retangulo_cheio(p, disco_esq, LINHA_PORTA - meia_altura, disco_esq + 1,
                    LINHA_PORTA + meia_altura);
    retangulo_cheio(p, disco_dir, LINHA_PORTA - meia_altura, disco_dir + 1,
                    LINHA_PORTA + meia_altura);
    linha(p, disco_esq + 2, LINHA_PORTA, disco_dir - 1, LINHA_PORTA);
}

void valvula_e(QPainter &p, int, int) { valvula_e_com(p, 0); }
void valvula_e_2(QPainter &p, int, int) { valvula_e_com(p, 2); }
void valvula_e_3(QPainter &p, int, int) { valvula_e_com(p, -2); }

// Shuttle: a conical seat at each end and the ball resting in one of them.
void alternadora(QPainter &p, bool bola_esquerda, bool entrada_direita)
{
    corpo(p, entrada_direita);
    const int boca = 2, profundidade = 5;
    for (int lado : {-1, 1}) {
        const int parede = lado < 0 ? CORPO_ESQ + 1 : CORPO_DIR - 1;
        const int dentro_x = parede - lado * profundidade;
        linha(p, parede, LINHA_PORTA - boca, dentro_x, LINHA_PORTA - boca - profundidade);
        linha(p, parede, LINHA_PORTA + boca, dentro_x, LINHA_PORTA + boca + profundidade);
    }
    const int raio = 4;
    disco(p, bola_esquerda ? CORPO_ESQ + 6 : CORPO_DIR - 6, LINHA_PORTA, raio);
}

void valvula_ou(QPainter &p, int, int) { alternadora(p, true, true); }
void valvula_ou_2(QPainter &p, int, int) { alternadora(p, false, true); }

// Quick exhaust: the shuttle's right-hand port vents to atmosphere through a dashed line
// rising to an exhaust triangle in the top right corner.
void escape(QPainter &p, bool bola_esquerda)
{
    alternadora(p, bola_esquerda, false);
    const int x = 47;
    linha(p, CORPO_DIR, LINHA_PORTA, x, LINHA_PORTA);
    tracejado(p, x, LINHA_PORTA - 1, x, 5, 2, 2);
    linha(p, x - 3, 4, x + 3, 4);
    linha(p, x - 3, 4, x, 1);
    linha(p, x + 3, 4, x, 1);
}

void valvula_escape(QPainter &p, int, int) { escape(p, true); }
void valvula_escape_2(QPainter &p, int, int) { escape(p, false); }

// ---- one-way flow regulator (33 x 39) ----
// Ports at the top and bottom of column 10: the throttle sits on that line, the check
// valve on a parallel branch to the right.

const int REG_X = 10, REG_RAMO_X = 27, REG_RAMO_TOPO = 5, REG_RAMO_BAIXO = 33;

// Arc of the circle (cx, cy, r) between rows y0 and y1, on its right (lado 1) or left
// (lado -1) side.
void arco(QPainter &p, int cx, int cy, int r, int y0, int y1, int lado)
{
    auto x_de = [&](int y) {
        return cx + lado * int(std::lround(std::sqrt(double(r * r - (y - cy) * (y - cy)))));
    };
    for (int y = y0; y < y1; ++y)
        linha(p, x_de(y), y, x_de(y + 1), y + 1);
}

void estrangulamento(QPainter &p)
{
    // Two arcs bowing towards the line, 2 pixels clear of it, and the adjusting arrow at 45
    // degrees so that it stays a clean diagonal.
    const int meio = 19, raio = 6, meia_altura = 5, folga = 3;
    arco(p, REG_X - folga - raio, meio, raio, meio - meia_altura, meio + meia_altura, 1);
    arco(p, REG_X + folga + raio, meio, raio, meio - meia_altura, meio + meia_altura, -1);
    seta(p, {0, 29}, {21, 8});
}

// Check valve on the branch. It lets air pass only from the seat's point towards the ball;
// `livre_para_cima` puts the seat below the ball (free flow upwards).
void retencao(QPainter &p, int altura, bool livre_para_cima)
{
    auto y = [&](int v) { return livre_para_cima ? v : altura - 1 - v; };
    const int bola = 16, raio = 3, ponta = 24, abertura = 5;
    linha(p, REG_RAMO_X, y(REG_RAMO_TOPO), REG_RAMO_X, y(bola - raio - 1));
    circulo(p, REG_RAMO_X, y(bola), raio);
    linha(p, REG_RAMO_X - abertura, y(ponta - abertura), REG_RAMO_X, y(ponta));
    linha(p, REG_RAMO_X + abertura, y(ponta - abertura), REG_RAMO_X, y(ponta));
    linha(p, REG_RAMO_X, y(ponta), REG_RAMO_X, y(REG_RAMO_BAIXO));
}

// estado 1 throttles the flow from the top port to the bottom one, so the check valve
// opens upwards; estado 2 is the reverse.
void reguladora(QPainter &p, int altura, bool livre_para_cima)
{
    linha(p, REG_X, 0, REG_X, altura - 1);
    estrangulamento(p);
    for (int y : {REG_RAMO_TOPO, REG_RAMO_BAIXO}) {
        linha(p, REG_X, y, REG_RAMO_X, y);
        disco(p, REG_X, y, 1);
    }
    retencao(p, altura, livre_para_cima);
}

void valvula_reguladora(QPainter &p, int, int altura) { reguladora(p, altura, true); }
void valvula_reguladora_2(QPainter &p, int, int altura) { reguladora(p, altura, false); }

// ---- air supply and jump ----

// Pressure source: a circle with a dot in the middle, its line rising to the port.
void tomada_de_ar(QPainter &p, int largura, int altura)
{
    const int cx = largura / 2, r = largura / 2, cy = altura - 1 - r;
    linha(p, cx, 0, cx, cy - r);
    circulo(p, cx, cy, r);
    disco(p, cx, cy, 2);
}

void jump(QPainter &p, int largura, int)
{
    const int r = largura / 2;
    disco(p, r, r, r);
}

const Desenho DESENHOS[] = {
    {"cilindro_se_dehs", cilindro_se_dehs},
    {"cilindro_dehd", cilindro_dehd},
    {"cilindro_se_dehs_cabo", cabo},
    {"cilindro_dehd_cabo", cabo_duplo},
    {"cilindro_dentro", dentro},
    {"cilindro_fora", fora},
    {"valvula_e", valvula_e},
    {"valvula_e_2", valvula_e_2},
    {"valvula_e_3", valvula_e_3},
    {"valvula_ou", valvula_ou},
    {"valvula_ou_2", valvula_ou_2},
    {"valvula_escape", valvula_escape},
    {"valvula_escape_2", valvula_escape_2},
    {"valvula_reguladora", valvula_reguladora},
    {"valvula_reguladora_2", valvula_reguladora_2},
    {"tomada_de_ar", tomada_de_ar},
    {"jump", jump},
};

} // namespace

const Desenho *desenhos_componentes(int &quantidade)
{
    quantidade = int(sizeof(DESENHOS) / sizeof(DESENHOS[0]));
    return DESENHOS;
}

} // namespace zefira::desenho
