#include "propriedades/editar_rotulos.h"

#include "modelo/componente.h"
#include "modelo/lista_componente.h"

namespace zefira {

TEditar_Rotulos::TEditar_Rotulos()
{
    for (TCaixa_Numero &p : posicao)
        p = TCaixa_Numero{0, 0, 100, false};
}

void TEditar_Rotulos::preparar(TLista_Componente &lista_, TComponente &componente_)
{
    lista = &lista_;
    componente = &componente_;
}

void TEditar_Rotulos::definir_texto(int linha, const QString &t)
{
    if (linha >= 1 && linha <= NUMERO_ROTULOS)
        texto[linha] = Filtrar_Texto_Arquivo(t).toLower();
}

void TEditar_Rotulos::FormShow()
{
    const TCilindro &c = *componente->cilindro;
    for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
        definir_texto(k, c.rotulo(k).texto);
        posicao[k].definir(c.rotulo(k).posicao);
    }
}

bool TEditar_Rotulos::rotulo_em_uso(const QString &t) const
{
    const auto tem = [&t](const TCilindro &ci) {
        for (int k = 1; k <= NUMERO_ROTULOS; ++k)
            if (ci.rotulo(k).texto == t)
                return true;
        return false;
    };
    if (tem(*componente->cilindro))
        return true;
    if (lista)
        for (int i = 0; i < lista->numero_componentes(); ++i)
            if (const TCilindro *ci = (*lista)[i].cilindro.get(); ci && tem(*ci))
                return true;
    return false;
}

void TEditar_Rotulos::ButOKClick()
{
    for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
        if (posicao[k].vazio)
            posicao[k].definir(0);
        if (posicao[k].valor > posicao[k].maximo)
            posicao[k].valor = posicao[k].maximo;
    }
    TCilindro &c = *componente->cilindro;
    for (int k = 1; k <= NUMERO_ROTULOS; ++k)
        c.definir_rotulo(k, QString(), 0);
    // A text taken anywhere in the circuit, this cylinder's earlier rows included, is dropped:
    // a limit switch must know which cylinder position it stands for.
    for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
        const QString t = Filtrar_Texto_Arquivo(texto[k]).trimmed().toLower();
        if (!t.isEmpty() && !rotulo_em_uso(t))
            c.definir_rotulo(k, t, posicao[k].valor);
    }
}

} // namespace zefira
