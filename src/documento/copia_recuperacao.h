#pragma once
// TCopia_Recuperacao: the recovery copy of one run. While the document has unsaved changes a
// copy of it is written every 60 s into the user's application-data folder; an unmodified
// document has none. Each run locks its own copy, so at start-up a copy whose lock is free was
// left by a run that did not end cleanly (a crash, a kill, a power cut).

#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QThreadPool>
#include <memory>
#include <vector>

namespace zefira {

class TCopia_Recuperacao {
public:
    // A clock of its own, one tick a second: the work area's timer sleeps while idle.
    static constexpr int PERIODO_TIQUE = 1000;  // ms
    static constexpr int TIQUES_POR_COPIA = 60; // 60 s

    // The folder "recuperacao" in the user's application-data folder.
    static QString Pasta_Padrao();

    // Creates the folder and takes this run's lock there.
    explicit TCopia_Recuperacao(const QString &pasta);
    // Waits for a write under way. The copy stays: only encerrar() marks a clean end.
    ~TCopia_Recuperacao();
    TCopia_Recuperacao(const TCopia_Recuperacao &) = delete;
    TCopia_Recuperacao &operator=(const TCopia_Recuperacao &) = delete;

    // One tick of the recovery clock: modified, a copy every TIQUES_POR_COPIA ticks, simulating
    // or not; unmodified (saved, new, opened, a demonstration, undone to the saved state), no
    // copy at all.
    void tique(const TEstado &estado);
    // Writes a copy now: the circuit as edited, so during a simulation the positions it started
    // from, not the ones it reached. The document is serialised here, the disk written on a
    // worker thread, so the window does not wait for the disk.
    void gravar(const TEstado &estado);
    void apagar();
    // Clean exit: the copy and the lock go.
    void encerrar();
    // Waits until the copy being written is on disk.
    void aguardar();

    QString arquivo() const { return arquivo_; }

    struct TCopia_Orfa {
        QString arquivo;
        QDateTime data; // when it was last written
    };
    // Copies left by runs that did not end cleanly, newest first.
    std::vector<TCopia_Orfa> orfas() const;
    // Removes an orphan copy and its stale lock.
    static void descartar(const QString &arquivo);

private:
    QString pasta_, arquivo_;
    std::unique_ptr<QLockFile> trava_;
    QThreadPool fila_;
    int tiques_ = 0;
    bool existe_ = false;
};

extern const char *const PERGUNTA_RECUPERAR; // "Foi encontrado um circuito não salvo de %1. ..."

// At start-up: asks about each copy left by a run that did not end cleanly, newest first. "Sim"
// opens it as an unnamed modified circuit (and it becomes this run's copy); "Não" deletes it.
// Returns true when a circuit was recovered.
bool Oferecer_Recuperacao(TEstado &estado, TInterfaceUsuario &ui, TCopia_Recuperacao &copia);

} // namespace zefira
