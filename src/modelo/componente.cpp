#include "modelo/componente.h"

#include "componentes/registro.h"

namespace zefira {

TComponente::TComponente(const TImagens &imagens, int codigo_, int tipo_e_ou, int tipo_cilindro, int numero_vias,
                         int topo_, int esquerda_, int tipo_)
    : codigo(codigo_), topo(topo_), esquerda(esquerda_), tipo(tipo_), imagens_(&imagens), familia_(&Familia(tipo_))
{
    for (auto &p : pontos_)
        p = TPonto(FORA_DO_DESENHO, FORA_DO_DESENHO);
    familia_->criar(*this, imagens, TVariante{tipo_e_ou, tipo_cilindro, numero_vias});
}

bool TComponente::contem(int x, int y) const
{
    return !e_fio() && esquerda <= x && x <= direita && topo <= y && y <= baixo;
}

void TComponente::definir_ponto(int i, int x, int y)
{
    if (i >= 1 && i <= NUMERO_PORTAS)
        pontos_[i] = TPonto(x, y);
}

TPonto TComponente::ponto(int i) const
{
    if (e_fio()) {
        if (fio && i >= 0 && i < fio->numero_pontos())
            return fio->ponto(i);
        return TPonto(-1, -1);
    }
    if (i >= 1 && i <= NUMERO_PORTAS)
        return pontos_[i];
    return TPonto(-1, -1);
}

void TComponente::atualizar_geometria() { familia_->atualizar_geometria(*this); }

void TComponente::ajustar_caixa(const QImage &figura)
{
    direita = somar(esquerda, figura.width());
    baixo = somar(topo, figura.height());
}

// The docked side's pino names the host port, but only supplies and regulators record one (a
// docked AND, OR or quick-exhaust valve keeps -1), so without a matching pino the port is the one
// whose slot holds the docked record's code. Ports holding anything else are left alone: freeing
// them would orphan their wires.
void TComponente::liberar_acoplado(int codigo_acoplado, int pino)
{
    if (pino >= 1 && conexao(pino) == codigo_acoplado) {
        desligar(pino);
        return;
    }
    for (int porta = 1; porta <= numero_portas(); ++porta)
        if (conexao(porta) == codigo_acoplado) {
            desligar(porta);
            return;
        }
}

} // namespace zefira
