#pragma once
// The circuit file: writer (Salvar_Arquivo) and validating reader (Abrir_Arquivo).

#include "model/estado.h"

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
// file could not be written, with the system's reason in `motivo` when given.
bool Salvar_Arquivo(TEstado &estado, const QString &nome, QString *motivo = nullptr);
// The bytes Salvar_Arquivo writes for the document (line 2 holds the current date and time).
QByteArray Conteudo_Arquivo(const TEstado &estado);

} // namespace zefira
