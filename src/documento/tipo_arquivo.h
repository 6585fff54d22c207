#pragma once
// TTipo_Arquivo: how one component kind is stored in a circuit file. Its type line and its data
// fields in file order; each field knows how the reader checks and applies it, the word of its
// error message, and how the writer takes it from the record. Reader and writer share this one
// table, so the two can never disagree on the order of the fields.

#include "modelo/componente.h"

#include <QString>
#include <vector>

namespace zefira {

class TLinhas_Arquivo;

enum class TipoCampo {
    Inteiro, // a decimal integer
    Conexao, // "-1" leaves the slot free without conversion, anything else is an integer
    Sinal,   // exactly "1" or "0"
    Texto,   // "(" text ")"
};

// Agreement of the error message: "inválido", "inválida" or "inválidos".
enum class Genero { Masculino, Feminino, Plural };

// What applying a field may need beyond the record: the lines that follow (a wire's points) and
// the port number of a wire end, which comes one field before its connection.
struct TContexto_Leitura {
    TComponente &componente;
    TLinhas_Arquivo &linhas;
    int pino_pendente = -1;
};

struct TCampo_Arquivo {
    TipoCampo tipo;
    const char *palavra; // UTF-8 subject of the error message; null for texts
    Genero genero;
    // Integers and flags (1/0) arrive in numero, texts in texto. false: the field (a wire's
    // point lines) turned out invalid.
    bool (*aplicar)(TContexto_Leitura &contexto, int numero, const QString &texto);
    // The field as stored: a number, a flag as 1/0, or the bare text of a text field.
    QString (*valor)(const TComponente &componente);
    bool selecao = false; // the selection flag, which undo snapshots keep apart
    // The field as an undo snapshot keeps it, where that differs from the stored value.
    QString (*valor_instantaneo)(const TComponente &componente) = nullptr;
};

struct TTipo_Arquivo {
    int tipo;
    const char *linha;     // UTF-8 type line
    bool preposicao_em;    // "Faltam dados em componente" rather than "no componente"
    bool branco_final;     // the data line ends with a blank after its last field
    std::vector<TCampo_Arquivo> campos;

    // The kind stored under a tag or a type line; null for none.
    static const TTipo_Arquivo *por_tipo(int tipo);
    static const TTipo_Arquivo *por_linha(const QString &linha);
};

} // namespace zefira
