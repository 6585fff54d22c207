#pragma once
// The circuit file: writer (Salvar_Arquivo) and validating reader (Abrir_Arquivo).

#include "modelo/estado.h"

#include <QString>
#include <functional>

namespace zefira {

enum class StatusLeitura {
    Ok,        // read to the end, no message
    Invalido,  // a validation message; what was read before it stays in the document
    ErroAbrir, // the file could not be opened or read ("Erro ao abrir arquivo!")
};

struct TResultadoLeitura {
    StatusLeitura status = StatusLeitura::Ok;
    QString mensagem; // the reader's message, empty when Ok
};

// Appends the file's components and notes to the (already emptied) document. Clears
// `modificado`. The caller shows `mensagem` to the user.
TResultadoLeitura Abrir_Arquivo(TEstado &estado, const QString &nome,
                                const std::function<void(int, int)> &progresso = {});

// Writes the whole document through Gravar_Arquivo_Seguro: the previous file is replaced only
// after a complete, flushed write, so a failed save leaves it intact. Returns false when the
// file could not be written, with the reason in `motivo` when given.
bool Salvar_Arquivo(TEstado &estado, const QString &nome, QString *motivo = nullptr);

// The file's bytes, as Salvar_Arquivo writes them (line 2 holds the current date and time).
QByteArray Conteudo_Arquivo(const TEstado &estado);
// The circuit as an undo snapshot: the file's bytes with an empty date and nothing selected.
QByteArray Conteudo_Instantaneo(const TEstado &estado);
// Writes bytes safely (complete or not at all); the reason of a failure, in the user's words
// followed by the system's, in `motivo`.
bool Gravar_Bytes(const QString &nome, const QByteArray &dados, QString *motivo = nullptr);

} // namespace zefira
