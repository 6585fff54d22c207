#pragma once
// TConfiguracao_Cilindro: the cylinder dialog without its window: name, rod position and the
// piston and rod diameters, the rod's limit following the piston, and the first-show flag that
// keeps the values being edited across a trip to the label editor.

#include "propriedades/configuracao_entrada.h"

#include <QString>

namespace zefira {

class TComponente;
class TLista_Componente;

class TConfiguracao_Cilindro {
public:
    static constexpr int TAMANHO_NOME = 5;

    TConfiguracao_Cilindro();

    // Inputs, set by the caller: the cylinder (shared with the label editor), the circuit for
    // the label editor, and the flag that makes the next show load from the cylinder.
    TComponente *componente = nullptr;
    TLista_Componente *lista = nullptr;
    bool primeira_exibicao = true;

    QString legenda;
    QString nome;
    TCaixa_Numero posicao, pistao, haste;
    QString texto_haste; // the rod's range label (Label5)

    void preparar(TLista_Componente &lista_, TComponente &componente_);
    // The name box: upper case, at most five characters, nothing the circuit file cannot hold.
    void definir_nome(const QString &texto);
    // Typing into the piston box; an empty text is vazio.
    void definir_pistao(int valor, bool vazio = false);

    void FormShow();
    void SEpistaoChange();
    void ButOKClick();
};

} // namespace zefira
