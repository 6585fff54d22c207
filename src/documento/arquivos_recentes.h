#pragma once
// TArquivosRecentes: the circuit files opened or saved last, newest first, at most eight.
// The list itself is plain data; the shell keeps it between runs.

#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

#include <QStringList>

namespace zefira {

class TArquivosRecentes {
public:
    static constexpr int MAXIMO = 8;

    // A stored list, tidied: empty and repeated names dropped, at most MAXIMO kept.
    explicit TArquivosRecentes(const QStringList &nomes = {});

    const QStringList &nomes() const { return nomes_; }
    // Puts the file first; a file already listed moves up instead of appearing twice.
    void registrar(const QString &nome);
    void remover(const QString &nome);
    // Registers the file the document is named after; unnamed documents and demonstrations
    // have no file. Returns whether the list changed.
    bool registrar_documento(const QString &nome_documento);

private:
    QStringList nomes_;
};

// Opens a file chosen from the list as the open command does after its dialog. A file that
// no longer exists is taken off the list, and the user is told so.
bool Abrir_Recente(TEstado &estado, TInterfaceUsuario &ui, TArquivosRecentes &recentes, const QString &nome);

} // namespace zefira
