// An electrical part's picture: its symbol in the state it stands in, red when selected, and
// its tag to the right, halfway down; under the tag of a coil or counter, the current paths of
// its contacts.
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
    realcar(c, pintor);
    const QColor cor = selecionado ? TPintor::VERMELHO : TPintor::PRETO;
    const int y = c.topo + (c.baixo - c.topo) / 2 - 7;
    if (!c.eletrico->tag.isEmpty())
        pintor.texto(c.direita + 3, y, c.eletrico->tag, cor);
    if (papel() == TPapel::comando) {
        int linha = y;
        for (const QString &s : pintor.contatos(c))
            pintor.texto(c.direita + 3, linha += 11, s, cor);
    }
}

void TFamilia_Eletrica::realcar(const TComponente &, TPintor &) const {}

void TFamilia_Eletrica::anotar_sem_desenhar(TComponente &) const {}
bool TFamilia_Eletrica::desenho_pendente(const TComponente &) const { return false; }
void TFamilia_Eletrica::repor_desenho_pendente(TComponente &) const {}
TComponente *TFamilia_Eletrica::amostra(TLista_Componente &, int, QString &, QStringList &) const { return nullptr; }

} // namespace zefira
