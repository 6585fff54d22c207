// Springs, pilots and the manual and mechanical actuators of the directional valves.
// Each is drawn for the right side of a valve: column 0 touches the valve and the symbol
// extends to the right. The left-side pictures are exact mirror images.
//
// The renderer places these pictures so that one row meets the middle of the valve when the
// actuator is alone on its side (row 7 of a button, row 13 of a lever, ...); the stems are
// drawn on that row. With a spring on the same side the spring is drawn over the top rows of
// the actuator's picture near the valve, so nothing that matters is put there.

#include "simbolos/desenho_auxiliar.h"

namespace zefira::desenho {

namespace {

// Zig-zag touching the valve at mid height.
void mola(QPainter &p, int, int)
{
    const int pontos[][2] = {{0, 6}, {1, 1}, {3, 11}, {5, 1}, {7, 11}, {9, 1}};
    for (int i = 0; i + 1 < int(sizeof(pontos) / sizeof(pontos[0])); ++i)
        linha(p, pontos[i][0], pontos[i][1], pontos[i + 1][0], pontos[i + 1][1]);
}

// Hollow triangle pointing into the valve and a dashed line out to the pilot port, which
// sits on the far column of row 3; the dashes are laid from that end so the port is inked.
void piloto(QPainter &p, int largura, int)
{
    const int meio = 3, base = 6;
    linha(p, 0, meio, base, 0);
    linha(p, 0, meio, base, 6);
    linha(p, base, 0, base, 6);
    tracejado(p, largura - 1, meio, base + 1, meio, 3, 2);
}

// Detent: a notched rail under the stem with a pawl resting in one notch.
void trava(QPainter &p, int haste_y)
{
    const int topo = haste_y + 3, fundo = haste_y + 5;
    const int dentes[][2] = {{3, topo}, {5, fundo}, {7, topo}, {9, fundo}, {11, topo}};
    for (int i = 0; i + 1 < 5; ++i)
        linha(p, dentes[i][0], dentes[i][1], dentes[i + 1][0], dentes[i + 1][1]);
    linha(p, 5, haste_y, 5, fundo - 1);
}

const int BOTAO_HASTE = 7;

// Stem ending in a flat face with a rounded knob.
void botao(QPainter &p, int, int)
{
    const int face = 14, raio = 6;
    linha(p, 0, BOTAO_HASTE, face, BOTAO_HASTE);
    linha(p, face, BOTAO_HASTE - raio, face, BOTAO_HASTE + raio);
    circulo(p, face, BOTAO_HASTE, raio, true);
}

void botao_trava(QPainter &p, int largura, int altura)
{
    botao(p, largura, altura);
    trava(p, BOTAO_HASTE);
}

const int ALAVANCA_HASTE = 13;

// Stem with a handle rising at an angle from its end, a ball on the tip.
void alavanca(QPainter &p, int, int)
{
    const int pivo = 12;
    linha(p, 0, ALAVANCA_HASTE, pivo, ALAVANCA_HASTE);
    linha(p, pivo, ALAVANCA_HASTE, 21, 4);
    disco(p, 22, 3, 2);
}

void alavanca_trava(QPainter &p, int largura, int altura)
{
    alavanca(p, largura, altura);
    trava(p, ALAVANCA_HASTE);
}

// Stem pressing a tilted foot plate hinged on a short floor line.
void pedal(QPainter &p, int, int)
{
    const int haste = 11;
    linha(p, 0, haste, 16, haste);
    linha(p, 12, 17, 21, 3);
    linha(p, 8, 17, 14, 17);
}

// Plunger: a thick rod with a rounded end, its flat end against the valve.
void pino(QPainter &p, int, int)
{
    const int fim = 15, meio = 3, raio = 3;
    linha(p, 0, meio - raio, 0, meio + raio);
    linha(p, 0, meio - raio, fim, meio - raio);
    linha(p, 0, meio + raio, fim, meio + raio);
    circulo(p, fim, meio, raio, true);
}

// Roller: a wheel on the end of a stem.
void rolete(QPainter &p, int, int)
{
    const int haste = 7, centro = 17, raio = 4;
    linha(p, 0, haste, centro - raio, haste);
    circulo(p, centro, haste, raio);
}

// One-way roller: the stem is hinged, so the arm holding the wheel folds away when the
// cam passes the other way. Drawn with the hinge knot and the arm bent down from it.
void gatilho(QPainter &p, int, int)
{
    const int haste = 2, dobra = 9;
    linha(p, 0, haste, dobra, haste);
    disco(p, dobra, haste, 1);
    linha(p, dobra, haste, 15, 12);
    circulo(p, 18, 15, 4);
}

// Solenoid: a short stem and the coil's box crossed by the winding's diagonal; the stem meets
// the valve on row 7, like a button's. Energised, the box is filled and the diagonal cut out.
template <bool ON>
void solenoide(QPainter &p, int largura, int altura)
{
    const int meio = altura / 2, caixa = 3;
    linha(p, 0, meio, caixa, meio);
    if (ON) {
        retangulo_cheio(p, caixa, 0, largura - 1, altura - 1);
        p.setPen(QPen(Qt::white, 1));
    } else {
        retangulo(p, caixa, 0, largura - 1, altura - 1);
    }
    linha(p, caixa, altura - 1, largura - 1, 0);
}

const Desenho DESENHOS[] = {
    {"mola_dir", mola},
    {"mola_esq", espelho<mola>},
    {"piloto_dir", piloto},
    {"piloto_esq", espelho<piloto>},
    {"manual_botao_dir", botao},
    {"manual_botao_esq", espelho<botao>},
    {"manual_botao_trava_dir", botao_trava},
    {"manual_botao_trava_esq", espelho<botao_trava>},
    {"manual_alavanca_dir", alavanca},
    {"manual_alavanca_esq", espelho<alavanca>},
    {"manual_alavanca_trava_dir", alavanca_trava},
    {"manual_alavanca_trava_esq", espelho<alavanca_trava>},
    {"manual_pedal_dir", pedal},
    {"manual_pedal_esq", espelho<pedal>},
    {"mecanica_pino_dir", pino},
    {"mecanica_pino_esq", espelho<pino>},
    {"mecanica_rolete_dir", rolete},
    {"mecanica_rolete_esq", espelho<rolete>},
    {"mecanica_gatilho_dir", gatilho},
    {"mecanica_gatilho_esq", espelho<gatilho>},
    {"solenoide_dir", solenoide<false>},
    {"solenoide_esq", espelho<solenoide<false>>},
    {"solenoide_dir_on", solenoide<true>},
    {"solenoide_esq_on", espelho<solenoide<true>>},
};

} // namespace

const Desenho *desenhos_acionadores(int &quantidade)
{
    quantidade = int(sizeof(DESENHOS) / sizeof(DESENHOS[0]));
    return DESENHOS;
}

} // namespace zefira::desenho
