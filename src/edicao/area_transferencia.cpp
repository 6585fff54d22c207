// Deleting the selection and the internal clipboard (copy, cut, paste).
#include "edicao/area_transferencia.h"

#include "edicao/selecao.h"
#include "documento/historico_documento.h"

namespace zefira {

namespace {

int contar_selecionados(const TLista_Componente &lista)
{
    int n = 0;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        n += lista[i].selecionado() ? 1 : 0;
    return n;
}

// Index of the first selected component; wires count only when asked.
int proximo_selecionado(const TLista_Componente &lista, bool com_fios)
{
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (c.selecionado() && (com_fios || !c.e_fio()))
            return i;
    }
    return -1;
}

// Removes selected components one at a time, rescanning from the start each time: a removal
// cascades through attached wires, which may sit anywhere in the list. Returns whether any
// component was removed.
bool remover_selecionados(TLista_Componente &lista, bool com_fios)
{
    bool removeu = false;
    for (int i = proximo_selecionado(lista, com_fios); i != -1; i = proximo_selecionado(lista, com_fios)) {
        lista.remover(lista[i].codigo);
        removeu = true;
    }
    return removeu;
}

} // namespace

void TBexcluirClick(TEstado &estado, TInterfaceUsuario &ui)
{
    if (estado.numero_selecionados > 0 &&
        ui.perguntar(QStringLiteral("Tem certeza que deseja excluir componentes selecionados?"), false) ==
            Resposta::Sim) {
        estado.mostrar_cruz = false;
        if (remover_selecionados(*estado.lista_componentes, true))
            estado.modificado = true;
    }
    Liberar_Componentes(estado);
    Registrar_Edicao(estado, QStringLiteral("excluir"));
}

void copiarClick(TEstado &estado)
{
    // References, not snapshots: a paste takes the components as they are at that moment.
    std::vector<std::shared_ptr<TComponente>> nova;
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const std::shared_ptr<TComponente> &c = lista.componente(i);
        if (c->selecionado() && !c->e_fio())
            nova.push_back(c);
    }
    estado.area_transferencia = std::move(nova);
}

void cortarClick(TEstado &estado)
{
    copiarClick(estado);
    TLista_Componente &lista = *estado.lista_componentes;
    if (remover_selecionados(lista, false))
        estado.modificado = true;
    estado.numero_selecionados = contar_selecionados(lista);
    Registrar_Edicao(estado, QStringLiteral("cortar"));
}

void colarClick(TEstado &estado)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (!lista[i].e_fio())
            lista[i].desselecionar();
    // Copy the handles first: the clipboard must not change while the list grows.
    const std::vector<std::shared_ptr<TComponente>> entradas = estado.area_transferencia;
    for (const std::shared_ptr<TComponente> &c : entradas) {
        if (!c || c->e_fio())
            continue;
        lista.adicionar_existente(c, true, true);
        estado.modificado = true;
    }
    estado.numero_selecionados = contar_selecionados(lista);
    Registrar_Edicao(estado, QStringLiteral("colar"));
}

} // namespace zefira
