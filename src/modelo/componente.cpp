#include "modelo/componente.h"

#include "simbolos/imagens.h"

namespace zefira {

TComponente::TComponente(const TImagens &imagens, int codigo_, int tipo_e_ou, int tipo_cilindro, int numero_vias,
                         int topo_, int esquerda_, int tipo_)
    : codigo(codigo_), topo(topo_), esquerda(esquerda_), tipo(tipo_), imagens_(&imagens)
{
    for (auto &p : pontos_)
        p = TPonto(FORA_DO_DESENHO, FORA_DO_DESENHO);
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL:
        valvula_direcional = std::make_unique<TValvula_Direcional>(imagens, numero_vias);
        if (numero_vias >= 2 && numero_vias <= 5)
            nome = QStringLiteral("Válvula de %1 vias").arg(numero_vias);
        break;
    case TIPO_TOMADA_AR:
        tomada_ar = std::make_unique<TTomada_Ar>(imagens);
        nome = QStringLiteral("Tomada de Ar");
        break;
    case TIPO_CILINDRO:
        cilindro = std::make_unique<TCilindro>(imagens, tipo_cilindro);
        nome = QStringLiteral("Cilindro");
        break;
    case TIPO_FIO:
        fio = std::make_unique<TFio>();
        break;
    case TIPO_E_OU_ESC_REG:
        valvula_e_ou_esc_reg = std::make_unique<TValvula_E_OU_ESC_REG>(imagens, tipo_e_ou);
        nome = QStringLiteral("Válvula E OU ESC REG");
        break;
    case TIPO_JUMP:
        jump = std::make_unique<TJump>(imagens);
        nome = QStringLiteral("Jump");
        break;
    default:
        break;
    }
}

bool TComponente::contem(int x, int y) const
{
    return tipo != TIPO_FIO && esquerda <= x && x <= direita && topo <= y && y <= baixo;
}

void TComponente::definir_ponto(int i, int x, int y)
{
    if (i >= 1 && i <= NUMERO_PORTAS)
        pontos_[i] = TPonto(x, y);
}

TPonto TComponente::ponto(int i) const
{
    if (tipo == TIPO_FIO) {
        if (fio && i >= 0 && i < fio->numero_pontos())
            return fio->ponto(i);
        return TPonto(-1, -1);
    }
    if (i >= 1 && i <= NUMERO_PORTAS)
        return pontos_[i];
    return TPonto(-1, -1);
}

bool TComponente::selecionado() const
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: return valvula_direcional->selecionado();
    case TIPO_TOMADA_AR: return tomada_ar->selecionado();
    case TIPO_CILINDRO: return cilindro->selecionado();
    case TIPO_FIO: return fio->selecionado();
    case TIPO_E_OU_ESC_REG: return valvula_e_ou_esc_reg->selecionado();
    case TIPO_JUMP: return jump->selecionado();
    default: return false;
    }
}

void TComponente::selecionar()
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: valvula_direcional->selecionar(); break;
    case TIPO_TOMADA_AR: tomada_ar->selecionar(); break;
    case TIPO_CILINDRO: cilindro->selecionar(); break;
    case TIPO_FIO: fio->selecionar(); break;
    case TIPO_E_OU_ESC_REG: valvula_e_ou_esc_reg->selecionar(); break;
    case TIPO_JUMP: jump->selecionar(); break;
    default: break;
    }
}

void TComponente::desselecionar()
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: valvula_direcional->desselecionar(); break;
    case TIPO_TOMADA_AR: tomada_ar->desselecionar(); break;
    case TIPO_CILINDRO: cilindro->desselecionar(); break;
    case TIPO_FIO: fio->desselecionar(); break;
    case TIPO_E_OU_ESC_REG: valvula_e_ou_esc_reg->desselecionar(); break;
    case TIPO_JUMP: jump->desselecionar(); break;
    default: break;
    }
}

int TComponente::conexao(int porta) const
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: return valvula_direcional->conexao(porta);
    case TIPO_TOMADA_AR: return porta == 1 ? tomada_ar->conexao : -1;
    case TIPO_CILINDRO: return porta == 1 || porta == 2 ? cilindro->conexao(porta == 1) : -1;
    case TIPO_E_OU_ESC_REG: return valvula_e_ou_esc_reg->conexao(porta);
    case TIPO_JUMP: return jump->conexao(porta);
    default: return -1;
    }
}

void TComponente::ligar(int porta, int codigo_)
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: valvula_direcional->ligar(porta, codigo_); break;
    case TIPO_TOMADA_AR:
        if (porta == 1)
            tomada_ar->conexao = codigo_;
        break;
    case TIPO_CILINDRO:
        if (porta == 1 || porta == 2)
            cilindro->ligar(porta == 1, codigo_);
        break;
    case TIPO_E_OU_ESC_REG: valvula_e_ou_esc_reg->ligar(porta, codigo_); break;
    case TIPO_JUMP: jump->ligar(porta, codigo_); break;
    default: break;
    }
}

void TComponente::desligar(int porta)
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: valvula_direcional->desligar(porta); break;
    case TIPO_TOMADA_AR:
        if (porta == 1)
            tomada_ar->desligar();
        break;
    case TIPO_CILINDRO:
        if (porta == 1 || porta == 2)
            cilindro->desligar(porta == 1);
        break;
    case TIPO_E_OU_ESC_REG: valvula_e_ou_esc_reg->desligar(porta); break;
    case TIPO_JUMP: jump->desligar(porta); break;
    default: break;
    }
}

int TComponente::numero_portas() const
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: return 7;
    case TIPO_TOMADA_AR: return 1;
    case TIPO_CILINDRO: return 2;
    case TIPO_E_OU_ESC_REG: return 3;
    case TIPO_JUMP: return 4;
    default: return 0;
    }
}

void TComponente::atualizar_geometria()
{
    switch (tipo) {
    case TIPO_VALVULA_DIRECIONAL: geometria_valvula(); break;
    case TIPO_TOMADA_AR: {
        geometria_caixa(tomada_ar->figura);
        pontos_[1] = TPonto(somar(esquerda, R(tomada_ar->figura.width() / 2.0)), topo);
        break;
    }
    case TIPO_CILINDRO: geometria_cilindro(); break;
    case TIPO_E_OU_ESC_REG: geometria_e_ou(); break;
    case TIPO_JUMP: {
        geometria_caixa(jump->figura);
        const int w = jump->figura.width(), h = jump->figura.height();
        pontos_[1] = TPonto(somar(esquerda, R(w / 2.0)), topo);
        pontos_[2] = TPonto(somar(esquerda, R(w / 2.0)), baixo);
        pontos_[3] = TPonto(esquerda, somar(topo, R(h / 2.0)));
        pontos_[4] = TPonto(direita, somar(topo, R(h / 2.0)));
        break;
    }
    default: break; // a wire's geometry is its polyline
    }
}

void TComponente::geometria_caixa(const QImage &figura)
{
    direita = somar(esquerda, figura.width());
    baixo = somar(topo, figura.height());
}

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

void TComponente::geometria_valvula()
{
    TValvula_Direcional &v = *valvula_direcional;
    const TParte *p1 = v.parte(1);
    // Without a first square the layout falls back to the size of a blank square.
    const int W = p1 ? p1->figura().width() : 25;
    const int H = p1 ? p1->figura().height() : 25;

    // Re-anchoring: the newly active square takes the place of the old one.
    const int passo = W - 1;
    if (v.posicao_atual != v.posicao_desenhada) {
        const auto valida = [](int pos) { return pos >= 1 && pos <= 3; };
        if (valida(v.posicao_atual) && valida(v.posicao_desenhada))
            esquerda = somar(esquerda, std::int64_t(v.posicao_desenhada - v.posicao_atual) * passo);
        v.posicao_desenhada = v.posicao_atual;
    }

    const int L = esquerda, T = topo;
    direita = L;
    if (p1) {
        direita = somar(direita, p1->figura().width());
        baixo = somar(T, p1->figura().height());
    }
    if (const TParte *p2 = v.parte(2))
        direita = somar(direita, p2->figura().width() - 1);
    if (const TParte *p3 = v.parte(3))
        direita = somar(direita, p3->figura().width() - 1);

    const int meio = somar(T, R(H / 2.0));
    pontos_[6] = v.piloto_esq ? TPonto(somar(L, -20), somar(meio, v.mola_esq ? 8 : 0))
                              : TPonto(FORA_DO_DESENHO, FORA_DO_DESENHO);
    pontos_[7] = v.piloto_dir ? TPonto(somar(direita, 19), somar(meio, v.mola_dir ? 8 : 0))
                              : TPonto(FORA_DO_DESENHO, FORA_DO_DESENHO);

    const int p = v.posicao_atual;
    if (v.numero_vias < 2 || v.numero_vias > 5 || p < 1 || p > 3)
        return;
    if (v.numero_vias == 2 && p == 3)
        return; // a 2-way valve has no third position to lay out
    for (const PortaCorpo &pc : PORTAS_CORPO[v.numero_vias]) {
        const int x = somar(L, deslocamento(pc.familia, p, W));
        pontos_[pc.porta] = TPonto(x, pc.em_cima ? somar(T, -5) : somar(baixo, 5));
    }
}

void TComponente::geometria_cilindro()
{
    geometria_caixa(cilindro->figura_corpo);
    pontos_[1] = TPonto(somar(esquerda, 4), somar(baixo, 4));
    pontos_[2] = TPonto(somar(direita, -4), somar(baixo, 4));
}

void TComponente::geometria_e_ou()
{
    const TValvula_E_OU_ESC_REG &e = *valvula_e_ou_esc_reg;
    geometria_caixa(e.figura);
    const int L = esquerda, T = topo;
    // Midpoints in double: the sum of two ints is exact there and cannot overflow.
    const int ym = somar(I((double(T) + baixo) / 2.0), 3);
    const int xm = I((double(L) + direita) / 2.0);
    switch (e.tipo()) {
    case EOU_E:
    case EOU_OU:
        pontos_[1] = TPonto(L, ym);
        pontos_[3] = TPonto(somar(direita, -1), ym);
        pontos_[2] = TPonto(xm, T);
        break;
    case EOU_ESCAPE:
        pontos_[1] = TPonto(L, ym);
        pontos_[2] = TPonto(xm, T);
        break;
    case EOU_REGULADORA: {
        const int xr = somar(I((double(direita) + L) / 2.0), -6);
        pontos_[1] = TPonto(xr, T);
        pontos_[2] = TPonto(xr, somar(baixo, -1));
        break;
    }
    default: break;
    }
}

} // namespace zefira
