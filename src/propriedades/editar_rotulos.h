#pragma once
// TEditar_Rotulos: the label editor without its window: the six named stroke positions of a
// cylinder, whose texts are unique over the whole circuit.

#include "propriedades/configuracao_entrada.h"
#include "modelo/constantes.h"

#include <QString>

namespace zefira {

class TComponente;
class TLista_Componente;

class TEditar_Rotulos {
public:
    TEditar_Rotulos();

    TComponente *componente = nullptr;
    TLista_Componente *lista = nullptr;

    // Rows 1..6; index 0 unused.
    QString texto[NUMERO_ROTULOS + 1];
    TCaixa_Numero posicao[NUMERO_ROTULOS + 1];

    void preparar(TLista_Componente &lista_, TComponente &componente_);
    // A row's text box: lower case, nothing the circuit file cannot hold.
    void definir_texto(int linha, const QString &t);

    void FormShow();
    void ButOKClick();

private:
    bool rotulo_em_uso(const QString &t) const;
};

} // namespace zefira
