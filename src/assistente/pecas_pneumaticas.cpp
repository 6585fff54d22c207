#include "assistente/pecas_pneumaticas.h"

namespace zefira {

namespace {
// -1 a port that faces left, +1 right, 0 up or down.
int lado(bool ou, int porta)
{
    if (ou)
        return porta == 1 ? -1 : porta == 3 ? 1 : 0;
    return porta == 6 ? -1 : porta == 7 ? 1 : 0;
}

bool e_ou(TPecas_Pneumaticas::TForma f)
{
    return f == TPecas_Pneumaticas::TForma::ou || f == TPecas_Pneumaticas::TForma::e;
}
} // namespace

int TPecas_Pneumaticas::peca(TForma forma, int fileira, int esquerda, int dy, const QString &tipo,
                             const QString &ajustes, int desenhada)
{
    pecas_.push_back({forma, fileira, esquerda, dy, desenhada, tipo, ajustes});
    return int(pecas_.size()) - 1;
}

void TPecas_Pneumaticas::tomada(int valvula)
{
    const TPeca &v = pecas_[size_t(valvula)];
    const int i = peca(TForma::tomada, v.fileira, v.esquerda + deslocamento(v, 1).x(), v.dy + 31, QStringLiteral("air supply"), QString());
    pecas_[size_t(i)].hospedeiro = valvula;
}

// Port places as each family lays them out; a valve's working ports sit under the square it
// shows, 24 further right on the second.
QPoint TPecas_Pneumaticas::deslocamento(const TPeca &p, int porta) const
{
    const int s = p.desenhada == 2 ? 24 : 0;
    switch (p.forma) {
    case TForma::cilindro: return porta == 1 ? QPoint(4, 32) : QPoint(82, 32);
    case TForma::valvula5:
    case TForma::valvula3: {
        if (porta == 6)
            return {-20, 12};
        if (porta == 7)
            return {68, 12};
        const bool cinco = p.forma == TForma::valvula5;
        switch (porta) {
        case 1: return {(cinco ? 12 : 6) + s, 30};
        case 2: return {(cinco ? 18 : 6) + s, -5};
        case 3: return {18 + s, 30};
        case 4: return {6 + s, -5};
        default: return {6 + s, 30};
        }
    }
    case TForma::ou:
    case TForma::e: return porta == 1 ? QPoint(0, 17) : porta == 2 ? QPoint(25, 0) : QPoint(50, 17);
    case TForma::tomada: return {6, 0};
    }
    return {};
}

QPoint TPecas_Pneumaticas::ponto(int i, int porta) const
{
    const TPeca &p = pecas_[size_t(i)];
    return QPoint(p.esquerda, topo(p.fileira) + p.dy) + deslocamento(p, porta);
}

bool TPecas_Pneumaticas::de_lado(const TPonta &p) const
{
    return lado(e_ou(pecas_[size_t(p.peca)].forma), p.porta) != 0;
}

int TPecas_Pneumaticas::canal(const TPonta &p) const
{
    // The row's own channel below for a port 1 (the bottom of a valve, the first input of the
    // lowest AND), the channel above for the others; the cylinders' pilots drop below them.
    const int f = pecas_[size_t(p.peca)].fileira;
    return f == 0 ? 0 : p.porta == 1 ? f : f - 1;
}

int TPecas_Pneumaticas::topo(int fileira) const
{
    return fileira < int(topo_.size()) ? topo_[size_t(fileira)] : 0;
}

// A valve's name stands over its left half, where the upper working port of a 5/2 (or of a
// 3/2 with a long name) rises: that port first turns left, under the name, to rise clear of it.
std::vector<QPoint> TPecas_Pneumaticas::saida(const TPonta &p) const
{
    const TPeca &v = pecas_[size_t(p.peca)];
    const QPoint a = ponto(p.peca, p.porta);
    if (!v.desvio || p.porta != (v.forma == TForma::valvula5 ? 4 : 2))
        return {a};
    const int y = topo(v.fileira) + v.dy - 6;
    return {a, QPoint(a.x(), y), QPoint(v.esquerda + 2, y)};
}

int TPecas_Pneumaticas::x_descida(const TPonta &p) const
{
    const TPeca &v = pecas_[size_t(p.peca)];
    if (v.desvio && p.porta == (v.forma == TForma::valvula5 ? 4 : 2))
        return v.esquerda + 2;
    const int l = lado(e_ou(v.forma), p.porta);
    // A valve's body, pilots and all, slides one square when it shifts (its working ports stay):
    // the tube leaves a pilot far enough out on the side the pilot moves towards.
    const bool desliza = (v.forma == TForma::valvula5 || v.forma == TForma::valvula3) &&
                         ((l > 0 && v.desenhada == 2) || (l < 0 && v.desenhada == 1));
    return ponto(p.peca, p.porta).x() + l * (desliza ? 28 : 4);
}

// A side port turns down or up at once.
std::vector<QPoint> TPecas_Pneumaticas::guia(const TPonta &p) const
{
    std::vector<QPoint> pts = saida(p);
    const int x = x_descida(p);
    if (pts.size() == 1 && x != pts.front().x())
        pts.push_back(QPoint(x, pts.front().y()));
    return pts;
}

} // namespace zefira
