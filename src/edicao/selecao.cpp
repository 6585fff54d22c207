// Geometric queries over the component list and the selection operations.
#include "edicao/selecao.h"

#include "edicao/fio_editor.h"
#include "modelo/constantes.h"
#include "modelo/modo.h"

#include <QRect>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zefira {

namespace {

// Pointer tolerances in circuit pixels; zoomed out, the view widens them so that they never
// shrink below the same number of screen pixels.
constexpr int PERTO = 5;               // pointer tolerance for ports, wire points and segments
constexpr int PERTO_PORTAS_JUNTAS = 3; // ports close together (a junction's) need a tighter hit

bool valido(const TEstado &estado, int indice)
{
    return indice >= 0 && indice < estado.lista_componentes->numero_componentes();
}

const TFio *fio_em(const TEstado &estado, int indice)
{
    if (!valido(estado, indice))
        return nullptr;
    const TComponente &c = (*estado.lista_componentes)[indice];
    return c.e_fio() ? c.fio.get() : nullptr;
}

int porta_livre_perto(const TVista &vista, const TComponente &c, const TPonto &p)
{
    const int limite = vista.tolerancia(c.familia().portas_juntas() ? PERTO_PORTAS_JUNTAS : PERTO);
    const int n = c.familia().portas_para_fio(c);
    for (int porta = 1; porta <= n; ++porta) {
        const TPonto q = c.ponto(porta);
        if (q.x == FORA_DO_DESENHO && q.y == FORA_DO_DESENHO)
            continue; // a port the valve does not have
        if (c.conexao(porta) == LIVRE && Distancia(p, q) < limite)
            return porta;
    }
    return -1;
}

// Strict range test of one axis, tolerant by 5 pixels, for segments running either way.
bool dentro_da_faixa(std::int64_t r, std::int64_t d, std::int64_t perto)
{
    return (-perto < r && r < d + perto) || (d - perto < r && r < perto);
}

} // namespace

TPonto Ponto(int x, int y) { return TPonto(x, y); }

int Achar_Componente(const TEstado &estado, const TPonto &p)
{
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = lista.numero_componentes() - 1; i >= 0; --i)
        if (lista[i].contem(p.x, p.y))
            return i;
    return -1;
}

int Achar_Ponto(const TEstado &estado, int indice_fio, const TPonto &p)
{
    const TFio *fio = fio_em(estado, indice_fio);
    if (!fio)
        return -1;
    for (int i = 0; i < fio->numero_pontos(); ++i)
        if (Distancia(p, fio->ponto(i)) < estado.vista.tolerancia(PERTO))
            return i;
    return -1;
}

TSegmento Perto_Das_Semi_Retas(const TEstado &estado, int indice_fio, const TPonto &p)
{
    TSegmento resultado;
    const TFio *fio = fio_em(estado, indice_fio);
    if (!fio)
        return resultado;
    for (int i = 0; i + 1 < fio->numero_pontos(); ++i) {
        const TPonto &a = fio->ponto(i), &b = fio->ponto(i + 1);
        // 64-bit differences: points read from a file may lie anywhere in the 32-bit range.
        const std::int64_t dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
        const std::int64_t rx = std::int64_t(p.x) - a.x, ry = std::int64_t(p.y) - a.y;
        const int perto = estado.vista.tolerancia(PERTO);
        if (!dentro_da_faixa(rx, dx, perto) || !dentro_da_faixa(ry, dy, perto))
            continue;
        double distancia;
        if (dx != 0) {
            const double m = double(dy) / dx;
            distancia = std::fabs(m * double(rx) - double(ry)) / std::sqrt(m * m + 1);
        } else {
            distancia = double(std::llabs(rx));
        }
        if (distancia <= perto) {
            resultado.componente = (*estado.lista_componentes)[indice_fio].codigo;
            resultado.segmento = i;
            return resultado;
        }
    }
    return resultado;
}

bool DesenharBolinha(TEstado &estado, int x, int y)
{
    const TPonto p(x, y);
    bool marcou = false;
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = lista.numero_componentes() - 1; i >= 0; --i) {
        TComponente &c = lista[i];
        if (c.e_fio())
            continue;
        c.ponto_ativo = porta_livre_perto(estado.vista, c, p);
        // A wire being drawn offers only ports of its own domain: air or current.
        if (c.ponto_ativo != -1 && estado.modo == MODO_FIO && !Mesmo_Dominio_Do_Fio(estado, c, c.ponto_ativo))
            c.ponto_ativo = -1;
        marcou = marcou || c.ponto_ativo != -1;
    }
    return marcou;
}

bool Ponto_Dentro_Quadrado(const TEstado &estado, const TPonto &p)
{
    const TPonto &a = estado.cantos_selecao[0], &b = estado.cantos_selecao[1];
    const bool em_x = (a.x < p.x && p.x < b.x) || (b.x < p.x && p.x < a.x);
    const bool em_y = (a.y < p.y && p.y < b.y) || (b.y < p.y && p.y < a.y);
    return em_x && em_y;
}

void SelecionarDentroQuadrado(TEstado &estado)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        bool dentro;
        if (c.e_fio()) {
            const TFio &f = *c.fio;
            dentro = f.numero_pontos() > 0 &&
                     (Ponto_Dentro_Quadrado(estado, f.ponto(0)) ||
                      Ponto_Dentro_Quadrado(estado, f.ponto(f.numero_pontos() - 1)));
        } else {
            dentro = Ponto_Dentro_Quadrado(estado, TPonto(c.esquerda, c.topo));
        }
        if (!dentro)
            continue;
        if (c.selecionado()) {
            c.desselecionar();
            --estado.numero_selecionados;
        } else {
            c.selecionar();
            ++estado.numero_selecionados;
        }
    }
}

void selecionartudoClick(TEstado &estado)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        lista[i].selecionar();
    estado.numero_selecionados = lista.numero_componentes();
}

void Liberar_Componentes(TEstado &estado)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        lista[i].desselecionar();
    estado.numero_selecionados = 0;
}

QRect Selecionar_Componente(TEstado &estado, int codigo)
{
    TComponente *c = estado.lista().procurar(codigo);
    if (!c)
        return {};
    if (estado.modo == MODO_EDICAO) {
        Liberar_Componentes(estado);
        c->selecionar();
        estado.numero_selecionados = 1;
    }
    // Kept to a range the view's arithmetic takes; anything farther is off the surface anyway.
    const auto perto = [](int v) { return std::clamp(v, -(1 << 24), 1 << 24); };
    QRect area;
    if (c->fio) {
        for (const TPonto &p : c->fio->pontos)
            area |= QRect(perto(p.x), perto(p.y), 1, 1);
        return area;
    }
    return QRect(QPoint(perto(c->esquerda), perto(c->topo)),
                 QPoint(perto(std::max(c->esquerda, c->direita)), perto(std::max(c->topo, c->baixo))));
}

} // namespace zefira
