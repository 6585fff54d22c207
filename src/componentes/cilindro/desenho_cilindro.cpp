// The cylinder's picture: barrel, rod, piston, end plates, port stubs, return spring, stroke
// labels, name and force.
#include "componentes/cilindro/familia_cilindro.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <QStringList>
#include <iterator>

namespace zefira {

namespace {

constexpr int COMPRIMENTO_TOCO = 6;
constexpr int HASTE_DUPLA = 3;
constexpr int SIMPLES_ACAO = 1;
constexpr int HASTE_SIMPLES = 2;

// Pixels of travel for a stroke position in mm: the 100 mm stroke spans 60 pixels.
int deslocamento(int posicao) { return R(double(posicao) * 6 / 10.0); }

void desenhar_mola(const TComponente &c, TPintor &pintor, int d)
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
        pintor.linha(x, y, nx, ny);
        x = nx;
        y = ny;
        a = a - (direita - a) * dente.fracao + dente.correcao;
    }
    pintor.linha(x, y, direita - 1, y_baixo);
}

void desenhar_rotulos(const TComponente &c, TPintor &pintor)
{
    const TCilindro &cil = *c.cilindro;
    const QColor cor = cil.selecionado() ? TPintor::VERMELHO : TPintor::PRETO;
    for (int i = 1; i <= NUMERO_ROTULOS; ++i) {
        const TRotulo r = cil.rotulo(i);
        if (r.texto.isEmpty())
            continue;
        const int dl = deslocamento(r.posicao);
        const int x = c.direita + 13 + dl;
        pintor.linha(x, c.baixo + 4, x, c.baixo - 2);
        // Labels at the same stroke position stack downwards.
        int k = 0;
        for (int j = 1; j < i; ++j)
            if (cil.rotulo(j).posicao == r.posicao)
                ++k;
        pintor.texto(c.direita + 10 + dl, c.baixo + 8 + 16 * k, r.texto, cor);
    }
}

// The cylinders of the help's symbol page, by kind.
const char *const AMOSTRAS[] = {
    "cilindro_simples_acao",
    "cilindro_dupla_acao_haste_simples",
    "cilindro_dupla_acao_haste_dupla",
};

} // namespace

void TFamilia_Cilindro::desenhar(TComponente &c, TPintor &pintor) const
{
    if (pintor.longe(c))
        return;
    const TCilindro &cil = *c.cilindro;
    const int d = deslocamento(cil.posicao);
    const int L = c.esquerda, T = c.topo;
    const int w_dentro = cil.figura_dentro.width(), w_cabo = cil.figura_cabo.width();

    pintor.figura(L, T, cil.figura_corpo);
    if (cil.tipo() == HASTE_DUPLA) {
        pintor.figura(L - 70 + d, T + 9, cil.figura_cabo);
        pintor.figura(L + 8 + d, T + 1, cil.figura_dentro);
        pintor.figura(L - 72 + w_cabo + d, T + 4, cil.figura_fora);
        pintor.figura(L + 89 - w_cabo + d, T + 4, cil.figura_fora);
    } else if (cil.tipo() == SIMPLES_ACAO || cil.tipo() == HASTE_SIMPLES) {
        pintor.figura(L + 7 + w_dentro + d, T + 9, cil.figura_cabo);
        pintor.figura(L + 8 + d, T + 1, cil.figura_dentro);
        pintor.figura(L + 6 + w_dentro + w_cabo + d, T + 4, cil.figura_fora);
    }

    const QColor cor = cil.selecionado() ? TPintor::VERMELHO : TPintor::PRETO;
    pintor.caneta(cor);
    const TPonto p1 = c.ponto(1);
    pintor.linha(p1.x, p1.y, p1.x, p1.y - COMPRIMENTO_TOCO);
    // A type read from a file outside 1..3 gets the barrel and port 1 only.
    if (cil.tipo() == HASTE_SIMPLES || cil.tipo() == HASTE_DUPLA) {
        const TPonto p2 = c.ponto(2);
        pintor.linha(p2.x, p2.y, p2.x, p2.y - COMPRIMENTO_TOCO);
    } else if (cil.tipo() == SIMPLES_ACAO) {
        desenhar_mola(c, pintor, d);
    }
    desenhar_rotulos(c, pintor);
    pintor.texto(L + 35, T - 20, cil.nome, cor);
    const int forca = pintor.forca_teorica() ? cil.forca_teorica : cil.forca;
    pintor.texto(c.direita, T - 20, QStringLiteral("Força: %1 Kgf").arg(forca), cor);
}

void TFamilia_Cilindro::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Cilindro::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Cilindro::repor_desenho_pendente(TComponente &) const {}

TComponente *TFamilia_Cilindro::amostra(TLista_Componente &lista, int i, QString &arquivo, QStringList &numeros) const
{
    if (i < 0 || i >= int(std::size(AMOSTRAS)))
        return nullptr;
    TComponente &c = lista.adicionar(tipo(), 40, -1, i + 1, -1, 40);
    c.atualizar_geometria();
    arquivo = QString::fromLatin1(AMOSTRAS[i]);
    numeros.clear();
    return &c;
}

} // namespace zefira
