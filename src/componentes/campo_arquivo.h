#pragma once
// TTipo_Arquivo: how one kind of component is stored in a circuit file, as its family declares
// it. Its type line and its data fields in file order; each field knows how a value is applied
// to a record, how it is taken from one, the word of its error message and whether a copy of the
// record takes it along. The reader, the writer and the copy of a record walk this one list, so
// they can never disagree on the fields of a kind or on their order.

#include "componentes/familia.h"
#include "modelo/ponto.h"

#include <QString>
#include <limits>
#include <vector>

namespace zefira {

class TComponente;

enum class TipoCampo {
    Inteiro, // a decimal integer
    Conexao, // "-1" leaves the slot free without conversion, anything else is an integer
    Sinal,   // exactly "1" or "0"
    Texto,   // "(" text ")"
    Pontos,  // a count of points, stored one "x y" line each after the data line
    Memoria, // never stored: a run-time value that a copy of the record takes along
};

// Agreement of the error message: "inválido", "inválida" or "inválidos".
enum class Genero { Masculino, Feminino, Plural };

// The record a field applies to, and what one field leaves for the next: the port number of a
// wire end comes one field before its connection.
struct TContexto_Leitura {
    TComponente &componente;
    int pino_pendente = -1;
};

// A family's list spells the usual fields as {tipo, palavra, genero, aplicar, numero, texto, copiado}
// and sets the rarer members by name.
struct TCampo_Arquivo {
    TipoCampo tipo;
    const char *palavra; // UTF-8 subject of the error message; null for texts
    Genero genero;
    // Numbers and flags (1/0) arrive in numero, texts in texto.
    void (*aplicar)(TContexto_Leitura &contexto, int numero, const QString &texto);
    // The value of a number, flag, count of points or run-time field; null for texts.
    int (*numero)(const TComponente &componente);
    // The bare text of a text field; null for the others.
    QString (*texto)(const TComponente &componente);
    // A copy of the record (a paste) takes the value. Codes, connections, names, places and the
    // selection stay the copy's own.
    bool copiado = false;
    // The creation choice the value is (ways, cylinder type...): a copy is created with it.
    int TVariante::*variante = nullptr;
    bool selecao = false; // the selection flag, which undo snapshots keep apart
    // The text as an undo snapshot keeps it, where that differs from the stored one.
    QString (*texto_instantaneo)(const TComponente &componente) = nullptr;
    // Pontos: point i of the record, and a point read back.
    TPonto (*ponto)(const TComponente &componente, int i) = nullptr;
    void (*acrescentar_ponto)(TComponente &componente, int x, int y) = nullptr;
    // The values a number may take; anything else is refused with the field's message.
    int minimo = std::numeric_limits<int>::min();
    int maximo = std::numeric_limits<int>::max();
    // A field added to a kind after its files were in use: it comes after the others, a line
    // may end before it, and it is written only when some such field of the record is not
    // empty, so a record that does not use it is written as before.
    bool opcional = false;
};

struct TTipo_Arquivo {
    const char *linha;  // UTF-8 type line
    bool preposicao_em; // "Faltam dados em componente" rather than "no componente"
    bool branco_final;  // the data line ends with a blank after its last field
    std::vector<TCampo_Arquivo> campos;
};

// The fields most kinds share, each in its place in the kind's list.
TCampo_Arquivo Campo_Codigo();
TCampo_Arquivo Campo_Nome();
TCampo_Arquivo Campo_Selecao();
TCampo_Arquivo Campo_Esquerda();
TCampo_Arquivo Campo_Topo();

} // namespace zefira
