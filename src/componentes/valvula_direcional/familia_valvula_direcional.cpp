#include "componentes/valvula_direcional/familia_valvula_direcional.h"

#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/lista_componente.h"

#include <memory>
#include <vector>

namespace zefira {

int TFamilia_Valvula_Direcional::tipo() const { return TIPO_VALVULA_DIRECIONAL; }

void TFamilia_Valvula_Direcional::criar(TComponente &c, const TImagens &imagens, const TVariante &v) const
{
    c.valvula_direcional = std::make_unique<TValvula_Direcional>(imagens, v.numero_vias);
    if (v.numero_vias >= 2 && v.numero_vias <= 5)
        c.nome = QStringLiteral("Válvula de %1 vias").arg(v.numero_vias);
}

bool TFamilia_Valvula_Direcional::selecionado(const TComponente &c) const { return c.valvula_direcional->selecionado(); }
void TFamilia_Valvula_Direcional::selecionar(TComponente &c) const { c.valvula_direcional->selecionar(); }
void TFamilia_Valvula_Direcional::desselecionar(TComponente &c) const { c.valvula_direcional->desselecionar(); }

const TFamilia_Eletrica *TFamilia_Valvula_Direcional::eletrica() const { return nullptr; }
int TFamilia_Valvula_Direcional::numero_portas() const { return 7; }
TDominio TFamilia_Valvula_Direcional::dominio(int) const { return TDominio::ar; }

int TFamilia_Valvula_Direcional::direcao(const TComponente &, int porta) const
{
    constexpr int B = DIRECAO_BAIXO, C = DIRECAO_CIMA;
    constexpr int DIRECOES[8] = {0, B, C, B, C, B, DIRECAO_ESQUERDA, DIRECAO_DIREITA};
    return porta >= 1 && porta <= 7 ? DIRECOES[porta] : 0;
}

int TFamilia_Valvula_Direcional::conexao(const TComponente &c, int porta) const
{
    return c.valvula_direcional->conexao(porta);
}
void TFamilia_Valvula_Direcional::ligar(TComponente &c, int porta, int codigo) const
{
    c.valvula_direcional->ligar(porta, codigo);
}
void TFamilia_Valvula_Direcional::desligar(TComponente &c, int porta) const { c.valvula_direcional->desligar(porta); }

namespace {

// Port x offsets from the valve's left edge, by family and position (W = square width).
// A: the left port of 3/4/5-way squares; B: the right port; C: the middle (single) port.
int deslocamento(char familia, int posicao, double W)
{
    switch (familia) {
    case 'A': {
        const int v[] = {R(W / 3) - 2, R(4 * W / 3) - 3, R(7 * W / 3) - 4};
        return v[posicao - 1];
    }
    case 'B': {
        const int v[] = {R(2 * W / 3) + 1, R(5 * W / 3), R(8 * W / 3) - 1};
        return v[posicao - 1];
    }
    default: {
        const int v[] = {R(W / 2), R(3 * W / 2) - 2, R(5 * W / 2) - 2};
        return v[posicao - 1];
    }
    }
}

struct PortaCorpo {
    int porta;
    bool em_cima;
    char familia;
};

// Body ports by number of ways (index 2..5).
const std::vector<PortaCorpo> PORTAS_CORPO[6] = {
    {},
    {},
    {{1, false, 'C'}, {2, true, 'C'}},
    {{2, true, 'A'}, {1, false, 'A'}, {3, false, 'B'}},
    {{4, true, 'A'}, {1, false, 'A'}, {2, true, 'B'}, {3, false, 'B'}},
    {{4, true, 'A'}, {5, false, 'A'}, {2, true, 'B'}, {3, false, 'B'}, {1, false, 'C'}},
};

} // namespace

void TFamilia_Valvula_Direcional::atualizar_geometria(TComponente &c) const
{
    TValvula_Direcional &v = *c.valvula_direcional;
    const TParte *p1 = v.parte(1);
    // Without a first square the layout falls back to the size of a blank square.
    const int W = p1 ? p1->figura().width() : 25;
    const int H = p1 ? p1->figura().height() : 25;

    // Re-anchoring: the newly active square takes the place of the old one.
    const int passo = W - 1;
    if (v.posicao_atual != v.posicao_desenhada) {
        const auto valida = [](int pos) { return pos >= 1 && pos <= 3; };
        if (valida(v.posicao_atual) && valida(v.posicao_desenhada))
            c.esquerda = somar(c.esquerda, std::int64_t(v.posicao_desenhada - v.posicao_atual) * passo);
        v.posicao_desenhada = v.posicao_atual;
    }

    const int L = c.esquerda, T = c.topo;
    c.direita = L;
    if (p1) {
        c.direita = somar(c.direita, p1->figura().width());
        c.baixo = somar(T, p1->figura().height());
    }
    if (const TParte *p2 = v.parte(2))
        c.direita = somar(c.direita, p2->figura().width() - 1);
    if (const TParte *p3 = v.parte(3))
        c.direita = somar(c.direita, p3->figura().width() - 1);

    const int meio = somar(T, R(H / 2.0));
    if (v.piloto_esq)
        c.definir_ponto(6, somar(L, -20), somar(meio, v.mola_esq ? 8 : 0));
    else
        c.definir_ponto(6, FORA_DO_DESENHO, FORA_DO_DESENHO);
    if (v.piloto_dir)
        c.definir_ponto(7, somar(c.direita, 19), somar(meio, v.mola_dir ? 8 : 0));
    else
        c.definir_ponto(7, FORA_DO_DESENHO, FORA_DO_DESENHO);

    const int p = v.posicao_atual;
    if (v.numero_vias < 2 || v.numero_vias > 5 || p < 1 || p > 3)
        return;
    if (v.numero_vias == 2 && p == 3)
        return; // a 2-way valve has no third position to lay out
    for (const PortaCorpo &pc : PORTAS_CORPO[v.numero_vias]) {
        const int x = somar(L, deslocamento(pc.familia, p, W));
        c.definir_ponto(pc.porta, x, pc.em_cima ? somar(T, -5) : somar(c.baixo, 5));
    }
}

void TFamilia_Valvula_Direcional::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    for (int porta = 1; porta <= 7; ++porta) {
        const int s = r.conexao(porta);
        if (s == -1)
            continue;
        TComponente *c = lista.procurar(s);
        if (!c)
            continue;
        if (c->e_fio())
            lista.remover(s);
        else if (porta == 1 && c->tipo == TIPO_TOMADA_AR)
            c->tomada_ar->desligar();
    }
}

} // namespace zefira
