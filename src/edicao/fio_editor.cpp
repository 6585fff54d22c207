// Wire start, finish and routing. The routes are kept as a table of coordinate expressions,
// one row per quadrant and pair of port directions, read by a tiny evaluator.
#include "edicao/fio_editor.h"

#include "componentes/fio/edicao_fio.h"

#include "modelo/direcao_porta.h"
#include "edicao/selecao.h"

#include <QtGlobal>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zefira {

namespace {

// Bend points by quadrant of the destination E relative to the origin S (index 0..3), then by
// start direction ds and end direction de (index (ds - 1) * 4 + de - 1). Each coordinate is
// Sx, Sy, Ex or Ey followed by terms +/- 5, r (the random offset), hx or hy (half the
// horizontal or vertical distance between the ports, rounded half to even).
const char *const ROTAS[4][16] = {
    {
        // Quadrant 1: E to the left and below (Ex < Sx, Ey > Sy).
        "(Sx, Ey+5+r), (Ex, Ey+5+r)", // 1, 1
        "(Sx, Sy+5+hy), (Ex, Sy+5+hy)", // 1, 2
        "(Sx, Sy+r+hy), (Ex-5-r, Sy+r+hy), (Ex-5-r, Ey)", // 1, 3
        "(Sx, Ey)", // 1, 4
        "(Sx, Sy-5-r), (Sx-5-hx, Sy-5-r), (Sx-5-hx, Ey+5+r), (Ex, Ey+5+r)", // 2, 1
        "(Sx, Sy-5-r), (Ex, Sy-5-r)", // 2, 2
        "(Sx, Sy-5-r), (Ex-5-r, Sy-5-r), (Ex-5-r, Ey)", // 2, 3
        "(Sx, Sy-5-r), (Ex+5+r, Sy-5-r), (Ex+5+r, Ey)", // 2, 4
        "(Sx-5-hx, Sy), (Sx-5-hx, Ey+5+r), (Ex, Ey+5+r)", // 3, 1
        "(Ex, Sy)", // 3, 2
        "(Ex-5-r, Sy), (Ex-5-r, Ey)", // 3, 3
        "(Sx-r-hx, Sy), (Sx-r-hx, Ey)", // 3, 4
        "(Sx+5+r, Sy), (Sx+5+r, Ey+5+r), (Ex, Ey+5+r)", // 4, 1
        "(Sx+5+r, Sy), (Sx+5+r, Ey-5-hy), (Ex, Ey-5-hy)", // 4, 2
        "(Sx+5+r, Sy), (Sx+5+r, Sy+r+hy), (Ex-5-r, Sy+r+hy), (Ex-5-r, Ey)", // 4, 3
        "(Sx+5+r, Sy), (Sx+5+r, Ey)", // 4, 4
    },
    {
        // Quadrant 2: E to the left, level or above (Ex < Sx, Ey <= Sy).
        "(Sx, Sy+5+r), (Ex, Sy+5+r)", // 1, 1
        "(Sx, Sy+5+r), (Sx-r-hx, Sy+5+r), (Sx-r-hx, Ey-5-r), (Ex, Ey-5-r)", // 1, 2
        "(Sx, Sy+5+r), (Ex-5-r, Sy+5+r), (Ex-5-r, Ey)", // 1, 3
        "(Sx, Sy+5+r), (Ex+5+r, Sy+5+r), (Ex+5+r, Ey)", // 1, 4
        "(Sx, Sy-r-hy), (Ex, Sy-r-hy)", // 2, 1
        "(Sx, Ey-5-r), (Ex, Ey-5-r)", // 2, 2
        "(Sx, Sy-r-hy), (Ex-5-r, Sy-r-hy), (Ex-5-r, Ey)", // 2, 3
        "(Sx, Ey)", // 2, 4
        "(Ex, Sy)", // 3, 1
        "(Sx-5-hx, Sy), (Sx-5-hx, Ey-5-r), (Ex, Ey-5-r)", // 3, 2
        "(Ex-5-r, Sy), (Ex-5-r, Ey)", // 3, 3
        "(Sx-5-hx, Sy), (Sx-5-hx, Ey)", // 3, 4
        "(Sx+5+r, Sy), (Sx+5+r, Sy-r-hy), (Ex, Sy-r-hy)", // 4, 1
        "(Sx+5+r, Sy), (Sx+5+r, Ey-5-r), (Ex, Ey-5-r)", // 4, 2
        "(Sx+5+r, Sy), (Sx+5+r, Ey+r+hy), (Ex-5-r, Ey+r+hy), (Ex-5-r, Ey)", // 4, 3
        "(Sx+5+r, Sy), (Sx+5+r, Ey)", // 4, 4
    },
    {
        // Quadrant 3: E to the right or straight below (Ex >= Sx, Ey > Sy).
        "(Sx, Ey+5+r), (Ex, Ey+5+r)", // 1, 1
        "(Sx, Sy+5+hy), (Ex, Sy+5+hy)", // 1, 2
        "(Sx, Ey)", // 1, 3
        "(Sx, Sy+5+hy), (Ex+5+r, Sy+5+hy), (Ex+5+r, Ey)", // 1, 4
        "(Sx, Sy-5-r), (Sx+5+hx, Sy-5-r), (Sx+5+hx, Ey+5+r), (Ex, Ey+5+r)", // 2, 1
        "(Sx, Sy-5-r), (Ex, Sy-5-r)", // 2, 2
        "(Sx, Sy-5-r), (Sx+5+hx, Sy-5-r), (Sx+5+hx, Ey)", // 2, 3
        "(Sx, Sy-5-r), (Ex+5+r, Sy-5-r), (Ex+5+r, Ey)", // 2, 4
        "(Sx-5-r, Sy), (Sx-5-r, Ey+5+r), (Ex, Ey+5+r)", // 3, 1
        "(Sx-5-r, Sy), (Sx-5-r, Ey-5-hy), (Ex, Ey-5-hy)", // 3, 2
        "(Sx-5-r, Sy), (Sx-5-r, Ey)", // 3, 3
        "(Sx-5-r, Sy), (Sx-5-r, Ey-5-hy), (Ex+5+r, Ey-5-hy), (Ex+5+r, Ey)", // 3, 4
        "(Sx+5+hx, Sy), (Sx+5+hx, Ey+5+r), (Ex, Ey+5+r)", // 4, 1
        "(Ex, Sy)", // 4, 2
        "(Sx+5+hx, Sy), (Sx+5+hx, Ey)", // 4, 3
        "(Ex+5+r, Sy), (Ex+5+r, Ey)", // 4, 4
    },
    {
        // Quadrant 4: E to the right or straight above, or level (Ex >= Sx, Ey <= Sy).
        "(Sx, Sy+5+r), (Ex, Sy+5+r)", // 1, 1
        "(Sx, Sy+5+r), (Sx+r+hx, Sy+5+r), (Sx+r+hx, Ey-5-r), (Ex, Ey-5-r)", // 1, 2
        "(Sx, Sy+5+r), (Sx+r+hx, Sy+5+r), (Sx+r+hx, Ey)", // 1, 3
        "(Sx, Sy+5+r), (Ex+5+r, Sy+5+r), (Ex+5+r, Ey)", // 1, 4
        "(Sx, Sy-r-hy), (Ex, Sy-r-hy)", // 2, 1
        "(Sx, Ey-5-r), (Ex, Ey-5-r)", // 2, 2
        "(Sx, Ey)", // 2, 3
        "(Sx, Sy-5-hy), (Ex+5+r, Sy-5-hy), (Ex+5+r, Ey)", // 2, 4
        "(Sx-5-r, Sy), (Sx-5-r, Sy-5-hy), (Ex, Sy-5-hy)", // 3, 1
        "(Sx-5-r, Sy), (Sx-5-r, Ey-5-r), (Ex, Ey-5-r)", // 3, 2
        "(Sx-5-r, Sy), (Sx-5-r, Ey)", // 3, 3
        "(Sx-5-r, Sy), (Sx-5-r, Sy-5-hy), (Ex+5+r, Sy-5-hy), (Ex+5+r, Ey)", // 3, 4
        "(Ex, Sy)", // 4, 1
        "(Sx+5+hx, Sy), (Sx+5+hx, Ey-5-r), (Ex, Ey-5-r)", // 4, 2
        "(Sx+5+hx, Sy), (Sx+5+hx, Ey)", // 4, 3
        "(Ex+5+r, Sy), (Ex+5+r, Ey)", // 4, 4
    },
};

struct Valores {
    int sx, sy, ex, ey, r, hx, hy;
};

// Evaluates one coordinate expression starting at *p; leaves *p after it.
int avaliar(const char *&p, const Valores &v)
{
    // 64 bits, saturated at the end: ports read from a file may lie anywhere in the int range.
    std::int64_t valor = 0;
    if (p[0] == 'S' && p[1] == 'x')
        valor = v.sx;
    else if (p[0] == 'S' && p[1] == 'y')
        valor = v.sy;
    else if (p[0] == 'E' && p[1] == 'x')
        valor = v.ex;
    else if (p[0] == 'E' && p[1] == 'y')
        valor = v.ey;
    else
        Q_ASSERT_X(false, "avaliar", "route table: unknown base");
    p += 2;
    while (*p == '+' || *p == '-') {
        const int sinal = *p == '+' ? 1 : -1;
        ++p;
        int termo = 0;
        if (*p == '5') {
            termo = 5;
            p += 1;
        } else if (*p == 'r') {
            termo = v.r;
            p += 1;
        } else if (p[0] == 'h' && p[1] == 'x') {
            termo = v.hx;
            p += 2;
        } else if (p[0] == 'h' && p[1] == 'y') {
            termo = v.hy;
            p += 2;
        } else {
            Q_ASSERT_X(false, "avaliar", "route table: unknown term");
        }
        valor += std::int64_t(sinal) * termo;
    }
    return saturar(valor);
}

void pular_espacos(const char *&p)
{
    while (*p == ' ' || *p == ',')
        ++p;
}

// Half the distance between two coordinates, rounded half to even like R().
int metade(int a, int b) { return saturar(std::int64_t(std::nearbyint(std::fabs(double(b) - a) / 2.0))); }

int quadrante(const TPonto &s, const TPonto &e)
{
    if (e.x < s.x)
        return e.y > s.y ? 0 : 1;
    return e.y > s.y ? 2 : 3;
}

int direcao_valida(int d) { return d >= 1 && d <= 4 ? d : DIRECAO_CIMA; }

} // namespace

void Ligar_Porta_Fio(TComponente &c, int porta, int codigo) { c.familia().ligar_fio(c, porta, codigo); }

bool Mesmo_Dominio_Do_Fio(const TEstado &estado, const TComponente &c, int porta)
{
    const std::shared_ptr<TComponente> fio = estado.componente_atual;
    if (!fio || !fio->e_fio())
        return true;
    const TComponente *origem = estado.lista_componentes->procurar(fio->fio->conexao_origem);
    return !origem || origem->familia().dominio(fio->fio->pino_origem) == c.familia().dominio(porta);
}

bool Porta_Marcada_Livre(const TComponente &c)
{
    return !c.e_fio() && c.ponto_ativo >= 1 && c.ponto_ativo <= c.numero_portas() &&
           c.conexao(c.ponto_ativo) == LIVRE;
}

std::vector<TPonto> Rota_Fio(const TPonto &s, const TPonto &e, int ds, int de, int r)
{
    const Valores v{s.x, s.y, e.x, e.y, r, metade(s.x, e.x), metade(s.y, e.y)};
    const char *p = ROTAS[quadrante(s, e)][(direcao_valida(ds) - 1) * 4 + direcao_valida(de) - 1];
    std::vector<TPonto> dobras;
    pular_espacos(p);
    while (*p == '(') {
        ++p;
        const int x = avaliar(p, v);
        pular_espacos(p);
        const int y = avaliar(p, v);
        Q_ASSERT_X(*p == ')', "Rota_Fio", "route table: unclosed point");
        ++p;
        dobras.emplace_back(x, y);
        pular_espacos(p);
    }
    return dobras;
}

void Iniciar_Fio(TEstado &estado, int indice, int porta)
{
    TComponente &c = estado.lista()[indice];
    Liberar_Componentes(estado);
    estado.modo = MODO_FIO;
    auto fio = Novo_Fio(estado.imagens);
    const TPonto p = c.ponto(porta);
    fio->fio->adicionar_ponto(p); // origin
    fio->fio->adicionar_ponto(p); // loose end, follows the pointer
    fio->fio->ligar(true, c.codigo, porta);
    estado.componente_atual = fio;
    Ligar_Porta_Fio(c, porta, CONEXAO_PENDENTE);
    const int direcao = Direcao_Porta(c, porta);
    estado.direcao_inicial = direcao != 0 ? direcao : DIRECAO_CIMA;
}

void Finalizar_Fio(TEstado &estado, int indice)
{
    TLista_Componente &lista = estado.lista();
    const std::shared_ptr<TComponente> fio = estado.componente_atual;
    if (!fio || !fio->e_fio() || fio->codigo != -1 || indice < 0 || indice >= lista.numero_componentes() ||
        !Porta_Marcada_Livre(lista[indice]) || !Mesmo_Dominio_Do_Fio(estado, lista[indice], lista[indice].ponto_ativo))
        return;
    TFio &f = *fio->fio;

    estado.modo = MODO_EDICAO;
    estado.mostrar_mira = false;
    estado.mostrar_cruz = false;
    estado.segmento_destacado = TSegmento();

    // The origin may have been deleted while the wire was drawn: finishing would leave a wire
    // hanging from a component that no longer exists, so the wire is dropped.
    if (!lista.procurar(f.conexao_origem)) {
        estado.componente_atual = estado.componente_nulo;
        return;
    }

    f.remover_ponto(f.numero_pontos() - 1);
    TComponente &destino = lista[indice];
    lista.adicionar_existente(fio, true, false);

    const int q = destino.ponto_ativo;
    const TPonto e = destino.ponto(q);
    f.ligar(false, destino.codigo, q);
    Ligar_Porta_Fio(destino, q, fio->codigo);
    const int de = Direcao_Porta(destino, q);

    const TPonto s = f.ponto(0);
    for (const TPonto &dobra : Rota_Fio(s, e, estado.direcao_inicial, de, estado.aleatorio(30)))
        f.adicionar_ponto(dobra);
    f.adicionar_ponto(e);

    TComponente *origem = lista.procurar(f.conexao_origem);
    for (int porta = 1; porta <= origem->numero_portas(); ++porta)
        if (origem->conexao(porta) == CONEXAO_PENDENTE) {
            Ligar_Porta_Fio(*origem, porta, fio->codigo);
            break;
        }
}

TComponente &CriarFio(TEstado &estado, int codigo, int pino_destino, int conexao_destino, int pino_origem,
                      int conexao_origem, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                      bool com_quarto_ponto)
{
    auto fio = Novo_Fio(estado.imagens);
    fio->codigo = codigo;
    fio->fio->ligar(false, conexao_destino, pino_destino);
    fio->fio->ligar(true, conexao_origem, pino_origem);
    fio->fio->adicionar_ponto(x1, y1);
    fio->fio->adicionar_ponto(x2, y2);
    fio->fio->adicionar_ponto(x3, y3);
    if (com_quarto_ponto)
        fio->fio->adicionar_ponto(x4, y4);
    TComponente &c = estado.lista().adicionar_existente(fio, false, false);
    estado.componente_atual = fio;
    return c;
}

} // namespace zefira
