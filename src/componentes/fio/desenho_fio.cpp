// The tube's picture: its polyline, red when selected; while simulating, blue, and wide navy
// where there is air. A conductor (a wire between electrical ports) is thinner, and while
// simulating black, red where current runs.
#include "componentes/fio/familia_fio.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"

namespace zefira {

void TFamilia_Fio::desenhar(TComponente &c, TPintor &pintor) const
{
    if (!c.fio)
        return;
    const TFio &f = *c.fio;
    if (pintor.condutor(c)) {
        const bool vermelho = pintor.simulando() ? f.corrente : f.selecionado();
        pintor.caneta(vermelho ? TPintor::VERMELHO : TPintor::PRETO);
        for (int i = 0; i + 1 < f.numero_pontos(); ++i)
            pintor.linha_fina(f.ponto(i).x, f.ponto(i).y, f.ponto(i + 1).x, f.ponto(i + 1).y);
        return;
    }
    int largura = 1;
    if (pintor.simulando()) {
        // While simulating the colour shows where the air is, not what is selected.
        const bool com_pressao = f.pressao != 0;
        pintor.caneta(com_pressao ? TPintor::MARINHO : TPintor::AZUL);
        largura = com_pressao ? 3 : 1;
    } else {
        pintor.caneta(f.selecionado() ? TPintor::VERMELHO : TPintor::PRETO);
    }
    for (int i = 0; i + 1 < f.numero_pontos(); ++i) {
        const TPonto &a = f.ponto(i), &b = f.ponto(i + 1);
        if (largura == 1)
            pintor.linha(a.x, a.y, b.x, b.y);
        else
            pintor.linha_larga(a.x, a.y, b.x, b.y, largura);
    }
}

void TFamilia_Fio::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Fio::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Fio::repor_desenho_pendente(TComponente &) const {}
TComponente *TFamilia_Fio::amostra(TLista_Componente &, int, QString &, QStringList &) const { return nullptr; }

} // namespace zefira
