// Moving a component with everything attached to it, or sliding an inner segment of a wire.
#include "modelo/mover_componentes.h"

#include "modelo/acoplamento.h"
#include "modelo/direcao_porta.h"

#include <cstdint>

namespace zefira {

namespace {

// Room kept free at the right and bottom edges of the work area (window frame and caption).
constexpr int MARGEM_DIREITA = 8;
constexpr int MARGEM_BAIXO = 34;

bool dentro_dos_limites(const TEstado &estado, const TComponente &c, int dx, int dy)
{
    // In 64 bits: a component read from a file may sit anywhere in the 32-bit range.
    using L = std::int64_t;
    return L(c.esquerda) + dx > 0 && L(c.topo) + dy > 0 &&
           L(c.direita) + dx < L(estado.largura_area) - MARGEM_DIREITA &&
           L(c.baixo) + dy < L(estado.altura_area) - MARGEM_BAIXO;
}

// Puts one end of a wire on the port and keeps the segment next to it orthogonal: the
// neighbouring bend takes the port's x for a vertical port, its y for a horizontal one.
void prender_ponta(TFio &fio, bool origem, const TPonto &porta, int direcao)
{
    const int n = fio.numero_pontos();
    if (n == 0)
        return;
    const int ponta = origem ? 0 : n - 1;
    const int vizinho = origem ? 1 : n - 2;
    fio.ponto(ponta) = porta;
    // A wire of two points has no bend: its other point is the far end, which stays on its port.
    if (n < 3)
        return;
    TPonto &dobra = fio.ponto(vizinho);
    if (direcao == DIRECAO_BAIXO || direcao == DIRECAO_CIMA)
        dobra.x = porta.x;
    else if (direcao == DIRECAO_ESQUERDA || direcao == DIRECAO_DIREITA)
        dobra.y = porta.y;
}

void mover_componente(TEstado &estado, int indice, int dx, int dy)
{
    TLista_Componente &lista = *estado.lista_componentes;
    // Held so that the record outlives any nested move that touches the list.
    const std::shared_ptr<TComponente> guarda = lista.componente(indice);
    TComponente &c = *guarda;
    if (!dentro_dos_limites(estado, c, dx, dy))
        return;
    c.esquerda += dx;
    c.topo += dy;
    c.atualizar_geometria();

    for (int porta = 1; porta <= c.numero_portas(); ++porta) {
        const int codigo = c.conexao(porta);
        TComponente *ligado = codigo == LIVRE ? nullptr : lista.procurar(codigo);
        if (!ligado)
            continue;
        if (ligado->e_fio()) {
            TFio &fio = *ligado->fio;
            const TPonto p = c.ponto(porta);
            const int direcao = Direcao_Porta(c, porta);
            if (fio.conexao_origem == c.codigo && fio.pino_origem == porta)
                prender_ponta(fio, true, p, direcao);
            if (fio.conexao_destino == c.codigo && fio.pino_destino == porta)
                prender_ponta(fio, false, p, direcao);
        } else if (Esta_Acoplado(c, porta, *ligado)) {
            Posicionar_Acoplado(c, porta, *ligado);
            // Whatever is wired to a component docked on a cylinder must follow it too.
            if (c.familia().leva_ligacoes_dos_acoplados()) {
                const int j = lista.indice(ligado->codigo);
                if (j >= 0)
                    mover_componente(estado, j, 0, 0);
            }
        }
    }

    if (c.familia().acoplavel())
        Acoplar(estado, c);
}

// Only an inner segment slides: the first and last ones hang on ports.
void mover_segmento(TEstado &estado, TComponente &w, int dx, int dy)
{
    TFio &fio = *w.fio;
    const int k = estado.segmento_destacado.segmento;
    if (estado.segmento_destacado.componente != w.codigo || k <= 0 || k >= fio.numero_pontos() - 2)
        return;
    TPonto &a = fio.ponto(k), &b = fio.ponto(k + 1);
    if (a.x != b.x) {
        a.y = somar(a.y, dy);
        b.y = somar(b.y, dy);
    } else {
        a.x = somar(a.x, dx);
        b.x = somar(b.x, dx);
    }
}

} // namespace

void Reassentar_Ligacoes(TEstado &estado, int indice)
{
    const TLista_Componente &lista = *estado.lista_componentes;
    if (indice >= 0 && indice < lista.numero_componentes() && !lista[indice].e_fio())
        mover_componente(estado, indice, 0, 0);
}

void Mover_Componentes(TEstado &estado, int indice, int dx, int dy)
{
    estado.modificado = true;
    TLista_Componente &lista = *estado.lista_componentes;
    if (indice < 0 || indice >= lista.numero_componentes())
        return;
    TComponente &c = lista[indice];
    if (c.e_fio())
        mover_segmento(estado, c, dx, dy);
    else
        mover_componente(estado, indice, dx, dy);
}

} // namespace zefira
