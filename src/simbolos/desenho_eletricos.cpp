// The electrical symbols (IEC 60617 as course handouts draw them), upright between a wire from
// above and one from below: terminals, contacts with their actuators, coils, the solenoid, the
// lamp, the counter and the junction. Each state a part can show is a picture of its own: a
// contact open or closed, a load energised (filled) or not.

#include "simbolos/desenho_auxiliar.h"

namespace zefira::desenho {

namespace {

// ---- contacts: leads above and below x, the blade between y 12 and 28 ----

const int TOPO_LAMINA = 12, PE_LAMINA = 28;

// NA: the blade leans off the upper lead (open) or meets it (closed). NF: the upper lead has a
// seat to the right that the blade rests on (closed) or leaves (open).
void contato(QPainter &p, int x, int altura, bool nf, bool fechado)
{
    linha(p, x, 0, x, TOPO_LAMINA);
    linha(p, x, PE_LAMINA, x, altura - 1);
    if (nf)
        linha(p, x, TOPO_LAMINA, x + 7, TOPO_LAMINA);
    const int ponta = fechado ? (nf ? x + 6 : x + 1) : x - 8;
    linha(p, x, PE_LAMINA, ponta, TOPO_LAMINA + 1);
}

// The actuator's link: dashed from the blade's middle to the actuator on the left.
void ligacao(QPainter &p, int x, bool fechado, int ate)
{
    const int meio = (TOPO_LAMINA + PE_LAMINA) / 2;
    tracejado(p, ate, meio, fechado ? x - 1 : x - 4, meio, 2, 2);
}

const int X_ACIONADO = 28, MEIO = 20;

enum Atuador { BOTAO, TRAVA, EMERGENCIA, SELETOR, ROLETE, INDUTIVO, CAPACITIVO, OPTICO, MAGNETICO, PRESSAO };

// A proximity sensor's body: a diamond, and inside it the mark of its kind.
void losango(QPainter &p, int cx, int cy, int r)
{
    linha(p, cx - r, cy, cx, cy - r);
    linha(p, cx, cy - r, cx + r, cy);
    linha(p, cx + r, cy, cx, cy + r);
    linha(p, cx, cy + r, cx - r, cy);
}

void atuador(QPainter &p, Atuador a)
{
    switch (a) {
    case BOTAO: // a push: the bracket
    case TRAVA:
        linha(p, 4, MEIO - 5, 4, MEIO + 5);
        linha(p, 4, MEIO - 5, 7, MEIO - 5);
        linha(p, 4, MEIO + 5, 7, MEIO + 5);
        if (a == TRAVA) // the detent
            linha(p, 11, MEIO - 3, 13, MEIO), linha(p, 13, MEIO, 15, MEIO - 3);
        break;
    case EMERGENCIA: // the mushroom head
        for (int x = 2; x <= 5; ++x)
            linha(p, x, MEIO - 7 + (5 - x), x, MEIO + 7 - (5 - x));
        linha(p, 6, MEIO - 1, 6, MEIO + 1);
        break;
    case SELETOR: // a turn: the bent lever
        linha(p, 3, MEIO - 5, 6, MEIO - 5);
        linha(p, 6, MEIO - 5, 6, MEIO);
        break;
    case ROLETE: // the roller on its lever
        circulo(p, 5, MEIO, 3);
        break;
    case INDUTIVO:
    case CAPACITIVO:
    case OPTICO:
    case MAGNETICO:
        losango(p, 7, MEIO, 6);
        if (a == INDUTIVO)
            retangulo(p, 6, MEIO - 1, 8, MEIO + 1);
        else if (a == CAPACITIVO)
            linha(p, 6, MEIO - 2, 6, MEIO + 2), linha(p, 8, MEIO - 2, 8, MEIO + 2);
        else if (a == OPTICO)
            linha(p, 5, MEIO - 2, 9, MEIO + 2), linha(p, 5, MEIO + 2, 9, MEIO - 2);
        else
            linha(p, 5, MEIO - 2, 5, MEIO + 2), linha(p, 5, MEIO + 2, 9, MEIO + 2), linha(p, 9, MEIO - 2, 9, MEIO + 2);
        break;
    case PRESSAO: // the air port's line ending in a pressure sensing triangle
        linha(p, 0, MEIO, 5, MEIO);
        linha(p, 6, MEIO - 4, 6, MEIO + 4);
        linha(p, 6, MEIO - 4, 12, MEIO);
        linha(p, 6, MEIO + 4, 12, MEIO);
        break;
    }
}

int fim_atuador(Atuador a)
{
    switch (a) {
    case BOTAO: case TRAVA: return 5;
    case EMERGENCIA: case SELETOR: return 7;
    case ROLETE: return 9;
    case PRESSAO: return 13;
    default: return 14;
    }
}

template <Atuador A, bool NF, bool ON>
void contato_acionado(QPainter &p, int, int altura)
{
    const bool fechado = NF != ON;
    contato(p, X_ACIONADO, altura, NF, fechado);
    atuador(p, A);
    ligacao(p, X_ACIONADO, fechado, fim_atuador(A));
}

template <bool NF, bool ON>
void contato_simples(QPainter &p, int, int altura)
{
    contato(p, 15, altura, NF, NF != ON);
}

// The common above; NF below left, NA below right. At rest the blade rests on the NF side.
template <bool ON>
void contato_comutador(QPainter &p, int, int altura)
{
    linha(p, 20, 0, 20, TOPO_LAMINA);
    linha(p, 8, PE_LAMINA, 8, altura - 1);
    linha(p, 32, PE_LAMINA, 32, altura - 1);
    linha(p, 8, PE_LAMINA, 14, PE_LAMINA);
    linha(p, 20, TOPO_LAMINA, ON ? 31 : 15, PE_LAMINA - 1);
}

// ---- loads: leads above and below x = 15, the body between y 12 and 28 ----

void terminais_carga(QPainter &p, int x, int altura)
{
    linha(p, x, 0, x, 12);
    linha(p, x, 28, x, altura - 1);
}

// Energised, the body is filled and its inner marks are cut out of the fill in white.
void corpo(QPainter &p, int x0, int y0, int x1, int y1, bool cheio)
{
    if (cheio)
        retangulo_cheio(p, x0, y0, x1, y1);
    else
        retangulo(p, x0, y0, x1, y1);
}

void marca(QPainter &p, bool cheio)
{
    if (cheio)
        p.setPen(QPen(Qt::white, 1));
}

// Relay and timer coils. A timer's delay is the box on its left: crossed for the on-delay,
// half filled for the off-delay.
template <int RETARDO, bool ON>
void bobina(QPainter &p, int, int altura)
{
    terminais_carga(p, 15, altura);
    corpo(p, 6, 12, 24, 28, ON);
    if (RETARDO == 0)
        return;
    marca(p, ON);
    linha(p, 10, 12, 10, 28);
    if (RETARDO == 1) {
        linha(p, 6, 12, 10, 28);
        linha(p, 10, 12, 6, 28);
    } else {
        retangulo_cheio(p, 7, 13, 9, 19);
    }
}

template <bool ON>
void solenoide(QPainter &p, int, int altura)
{
    terminais_carga(p, 15, altura);
    corpo(p, 6, 12, 24, 28, ON);
    marca(p, ON);
    linha(p, 6, 28, 24, 12);
}

template <bool ON>
void lampada(QPainter &p, int, int altura)
{
    linha(p, 15, 0, 15, 11);
    linha(p, 15, 29, 15, altura - 1);
    if (ON)
        disco(p, 15, 20, 8);
    else
        circulo(p, 15, 20, 8);
    marca(p, ON);
    linha(p, 10, 15, 20, 25);
    linha(p, 20, 15, 10, 25);
}

// The count input on the left (an arrow up), the reset on the right (a bar).
template <bool ON>
void contador(QPainter &p, int largura, int altura)
{
    linha(p, 12, 0, 12, 10);
    linha(p, 12, 30, 12, altura - 1);
    linha(p, 38, 0, 38, 10);
    linha(p, 38, 30, 38, altura - 1);
    corpo(p, 2, 10, largura - 3, 30, ON);
    marca(p, ON);
    linha(p, 25, 10, 25, 30);
    linha(p, 12, 14, 12, 26);
    linha(p, 12, 14, 9, 18);
    linha(p, 12, 14, 15, 18);
    linha(p, 34, 20, 42, 20);
}

void borne_positivo(QPainter &p, int, int altura)
{
    circulo(p, 10, 5, 4);
    linha(p, 10, 10, 10, altura - 1);
    linha(p, 8, 5, 12, 5);
    linha(p, 10, 3, 10, 7);
}

void borne_negativo(QPainter &p, int, int altura)
{
    linha(p, 10, 0, 10, altura - 11);
    circulo(p, 10, altura - 6, 4);
    linha(p, 8, altura - 6, 12, altura - 6);
}

void derivacao(QPainter &p, int, int) { disco(p, 3, 3, 3); }

#define CONTATO_ACIONADO(nome, A)                                                                            \
    {nome "_na", contato_acionado<A, false, false>}, {nome "_na_on", contato_acionado<A, false, true>},      \
        {nome "_nf", contato_acionado<A, true, false>}, {nome "_nf_on", contato_acionado<A, true, true>}

const Desenho DESENHOS[] = {
    {"borne_positivo", borne_positivo},
    {"borne_negativo", borne_negativo},
    CONTATO_ACIONADO("botao", BOTAO),
    CONTATO_ACIONADO("botao_trava", TRAVA),
    CONTATO_ACIONADO("emergencia", EMERGENCIA),
    CONTATO_ACIONADO("seletor", SELETOR),
    CONTATO_ACIONADO("fim_de_curso", ROLETE),
    CONTATO_ACIONADO("sensor_indutivo", INDUTIVO),
    CONTATO_ACIONADO("sensor_capacitivo", CAPACITIVO),
    CONTATO_ACIONADO("sensor_optico", OPTICO),
    CONTATO_ACIONADO("sensor_magnetico", MAGNETICO),
    CONTATO_ACIONADO("pressostato", PRESSAO),
    {"contato_na", contato_simples<false, false>},
    {"contato_na_on", contato_simples<false, true>},
    {"contato_nf", contato_simples<true, false>},
    {"contato_nf_on", contato_simples<true, true>},
    {"contato_comutador", contato_comutador<false>},
    {"contato_comutador_on", contato_comutador<true>},
    {"bobina", bobina<0, false>},
    {"bobina_on", bobina<0, true>},
    {"bobina_retardo_ligar", bobina<1, false>},
    {"bobina_retardo_ligar_on", bobina<1, true>},
    {"bobina_retardo_desligar", bobina<2, false>},
    {"bobina_retardo_desligar_on", bobina<2, true>},
    {"solenoide", solenoide<false>},
    {"solenoide_on", solenoide<true>},
    {"lampada", lampada<false>},
    {"lampada_on", lampada<true>},
    {"contador", contador<false>},
    {"contador_on", contador<true>},
    {"derivacao", derivacao},
};

#undef CONTATO_ACIONADO

} // namespace

const Desenho *desenhos_eletricos(int &quantidade)
{
    quantidade = int(sizeof(DESENHOS) / sizeof(DESENHOS[0]));
    return DESENHOS;
}

} // namespace zefira::desenho
