#pragma once
// THistorico: the undo history of the document as a list of whole-circuit snapshots and the
// index of the one the document is in. Restoring a snapshot needs no inverse of any edit, so a
// compound change (a drag with its docking, a delete with its cascade) is undone exactly.

#include <QByteArray>
#include <QString>
#include <deque>
#include <vector>

namespace zefira {

struct TInstantaneo {
    QByteArray circuito;            // the circuit as file text, selection left out
    std::vector<int> selecionados;  // codes of the components selected when it was taken
    QString nome;                   // what the step that led here did ("mover"); "" for the base
    // The selection as it was just before that step: undoing it brings this selection back.
    std::vector<int> selecionados_antes;
    // Codes of the components whose Fuzzy box is ticked: the file does not keep it.
    std::vector<int> fuzzy;
    // Codes of the valves whose roller or pin a cylinder at rest holds down (their cam is drawn),
    // unless `acionados_pendentes`: taken before they were worked out, as just after opening.
    std::vector<int> acionados;
    bool acionados_pendentes = false;
};

class THistorico {
public:
    static constexpr int MAXIMO_PASSOS = 100;             // undo depth
    static constexpr qsizetype MAXIMO_BYTES = 256 << 20; // memory the snapshots may hold

    // A fresh history whose only snapshot is `base`; the document is unmodified there.
    void iniciar(TInstantaneo base);
    bool iniciado() const { return !passos_.empty(); }
    // Drops what could be redone and appends `depois` as the new current snapshot. The oldest
    // snapshots go when the depth or the memory limit is exceeded.
    void registrar(TInstantaneo depois);

    bool pode_desfazer() const { return indice_ > 0; }
    bool pode_refazer() const { return indice_ + 1 < int(passos_.size()); }
    // Step back or forward; the snapshot to restore, or null when there is none.
    const TInstantaneo *desfazer();
    const TInstantaneo *refazer();
    // Names of the steps undo and redo would take back or do again; "" when none.
    QString nome_desfazer() const;
    QString nome_refazer() const;

    // The snapshot the document is in (iniciado() must hold).
    TInstantaneo &atual() { return passos_[size_t(indice_)]; }
    const TInstantaneo &atual() const { return passos_[size_t(indice_)]; }

    // The document was saved in the current snapshot / matches no saved file at all.
    void marcar_limpo() { limpo_ = indice_; }
    void marcar_sujo() { limpo_ = -1; }
    bool limpo() const { return limpo_ != -1 && limpo_ == indice_; }

    // The selection at the end of the last gesture that changed nothing else; it becomes the
    // "before" selection of the next step.
    std::vector<int> selecao_repouso;

    int numero_passos() const { return int(passos_.size()); }
    qsizetype bytes() const { return bytes_; }
    // Grows on every change, so a window can tell when to refresh its menu.
    unsigned revisao() const { return revisao_; }

private:
    void aparar();

    std::deque<TInstantaneo> passos_;
    int indice_ = -1;
    int limpo_ = -1;
    qsizetype bytes_ = 0;
    unsigned revisao_ = 0;
};

} // namespace zefira
