// An electrical part's picture: its symbol in the state it stands in, red when selected, and
// its tag to the right, halfway down.
#include "componentes/eletrico/familia_eletrica.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"
#include "simbolos/imagens.h"

namespace zefira {

void TFamilia_Eletrica::desenhar(TComponente &c, TPintor &pintor) const
{
    if (pintor.longe(c))
        return;
    const bool selecionado = c.eletrico->selecionado();
    const QString nome = figura(c) + (selecionado ? QStringLiteral("_selec") : QString());
    pintor.figura(c.esquerda, c.topo, c.imagens().copiar(nome));
    if (!c.eletrico->tag.isEmpty())
        pintor.texto(c.direita + 3, c.topo + (c.baixo - c.topo) / 2 - 7, c.eletrico->tag,
                     selecionado ? TPintor::VERMELHO : TPintor::PRETO);
}

void TFamilia_Eletrica::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Eletrica::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Eletrica::repor_desenho_pendente(TComponente &) const {}
TComponente *TFamilia_Eletrica::amostra(TLista_Componente &, int, QString &, QStringList &) const { return nullptr; }

} // namespace zefira
