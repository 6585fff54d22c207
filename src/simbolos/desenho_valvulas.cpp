// The 25 x 25 position squares of the directional valves. Each line or arrow enters the
// square exactly where the layout puts the port stub, so a square reads correctly whichever
// position is active: x 12 for the single port of a 2-way square and the middle lower port of
// a 5-way square, x 6 and x 18 for the left and right ports of 3-, 4- and 5-way squares.

#include "simbolos/desenho_auxiliar.h"

namespace zefira::desenho {

namespace {

const int ESQ = 6;    // left port
const int MEIO = 12;  // single or middle port
const int DIR = 18;   // right port
const int TOPO = 0;   // upper edge
const int BASE = 24;  // lower edge
const int LADO = 24;  // right edge
const int FUNDO = 5;  // depth of a blocked port's stem

// Arrow tips stop one pixel inside the border so the heads stay visible.
const int DENTRO_TOPO = TOPO + 1;
const int DENTRO_BASE = BASE - 1;

void quadro(QPainter &p) { retangulo(p, 0, TOPO, LADO, BASE); }

// A blocked port: a stem from the edge ending in a cross bar (the "T" of the standard symbol).
// Five-way squares have three lower ports 6 pixels apart, hence the narrower bar there.
void bloqueio(QPainter &p, int x, bool em_cima, int meia_barra = 3)
{
    const int borda = em_cima ? TOPO : BASE;
    const int barra = em_cima ? TOPO + FUNDO : BASE - FUNDO;
    linha(p, x, borda, x, barra);
    linha(p, x - meia_barra, barra, x + meia_barra, barra);
}

// A sloped line leaves its port straight for a couple of pixels, so that it visibly starts
// on the port's column rather than one pixel beside it.
QPoint saida(QPainter &p, int x, bool em_cima)
{
    const int reto = 2;
    const int borda = em_cima ? TOPO : BASE, fim = em_cima ? TOPO + reto : BASE - reto;
    linha(p, x, borda, x, fim);
    return {x, fim};
}

void sobe(QPainter &p, int de_x, int para_x)
{
    const QPoint de = de_x == para_x ? QPoint(de_x, BASE) : saida(p, de_x, false);
    seta(p, de, {para_x, DENTRO_TOPO});
}

void desce(QPainter &p, int de_x, int para_x)
{
    const QPoint de = de_x == para_x ? QPoint(de_x, TOPO) : saida(p, de_x, true);
    seta(p, de, {para_x, DENTRO_BASE});
}

void fig_2va(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, MEIO, MEIO);
}

void fig_2vf(QPainter &p, int, int)
{
    quadro(p);
    bloqueio(p, MEIO, true);
    bloqueio(p, MEIO, false);
}

void fig_3cf(QPainter &p, int, int)
{
    quadro(p);
    bloqueio(p, ESQ, true);
    bloqueio(p, ESQ, false);
    bloqueio(p, DIR, false);
}

void fig_3va(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, ESQ, ESQ);
    bloqueio(p, DIR, false);
}

void fig_3vf(QPainter &p, int, int)
{
    quadro(p);
    desce(p, ESQ, DIR);
    bloqueio(p, ESQ, false);
}

// Both outlets to the exhaust: the left outlet joins the right-hand line half way down.
void fig_4can(QPainter &p, int, int)
{
    quadro(p);
    desce(p, DIR, DIR);
    const QPoint de = saida(p, ESQ, true);
    linha(p, de.x(), de.y(), DIR, 12);
    bloqueio(p, ESQ, false);
}

// Supply to both outlets: the right outlet branches off the left-hand line.
void fig_4cap(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, ESQ, ESQ);
    seta(p, {ESQ, 12}, {DIR, DENTRO_TOPO});
    bloqueio(p, DIR, false);
}

void fig_4cf(QPainter &p, int, int)
{
    quadro(p);
    bloqueio(p, ESQ, true);
    bloqueio(p, DIR, true);
    bloqueio(p, ESQ, false);
    bloqueio(p, DIR, false);
}

// Outlets blocked, supply joined to the exhaust by a U-shaped line.
void fig_4cfb(QPainter &p, int, int)
{
    quadro(p);
    bloqueio(p, ESQ, true);
    bloqueio(p, DIR, true);
    const int fundo_u = 15;
    linha(p, ESQ, BASE, ESQ, fundo_u);
    linha(p, ESQ, fundo_u, DIR, fundo_u);
    linha(p, DIR, fundo_u, DIR, BASE);
}

void fig_4d(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, ESQ, DIR);
    desce(p, ESQ, DIR);
}

void fig_4e(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, ESQ, ESQ);
    desce(p, DIR, DIR);
}

void fig_5can(QPainter &p, int, int)
{
    quadro(p);
    desce(p, ESQ, ESQ);
    desce(p, DIR, DIR);
    bloqueio(p, MEIO, false, 2);
}

// Supply from the middle port forks to both outlets.
void fig_5cap(QPainter &p, int, int)
{
    quadro(p);
    const int garfo = 16;
    linha(p, MEIO, BASE, MEIO, garfo);
    seta(p, {MEIO, garfo}, {ESQ, DENTRO_TOPO});
    seta(p, {MEIO, garfo}, {DIR, DENTRO_TOPO});
    bloqueio(p, ESQ, false, 2);
    bloqueio(p, DIR, false, 2);
}

void fig_5cf(QPainter &p, int, int)
{
    quadro(p);
    bloqueio(p, ESQ, true);
    bloqueio(p, DIR, true);
    bloqueio(p, ESQ, false, 2);
    bloqueio(p, MEIO, false, 2);
    bloqueio(p, DIR, false, 2);
}

void fig_5d(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, MEIO, DIR);
    desce(p, ESQ, ESQ);
    bloqueio(p, DIR, false, 2);
}

void fig_5e(QPainter &p, int, int)
{
    quadro(p);
    sobe(p, MEIO, ESQ);
    desce(p, DIR, DIR);
    bloqueio(p, ESQ, false, 2);
}

const Desenho DESENHOS[] = {
    {"fig_2va", fig_2va},   {"fig_2vf", fig_2vf},   {"fig_3cf", fig_3cf},
    {"fig_3va", fig_3va},   {"fig_3vf", fig_3vf},   {"fig_4can", fig_4can},
    {"fig_4cap", fig_4cap}, {"fig_4cf", fig_4cf},   {"fig_4cfb", fig_4cfb},
    {"fig_4d", fig_4d},     {"fig_4e", fig_4e},     {"fig_5can", fig_5can},
    {"fig_5cap", fig_5cap}, {"fig_5cf", fig_5cf},   {"fig_5d", fig_5d},
    {"fig_5e", fig_5e},
};

} // namespace

const Desenho *desenhos_valvulas(int &quantidade)
{
    quantidade = int(sizeof(DESENHOS) / sizeof(DESENHOS[0]));
    return DESENHOS;
}

} // namespace zefira::desenho
