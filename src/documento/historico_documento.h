#pragma once
// Undo and redo of the document. A snapshot of the circuit is taken at the end of every finished
// edit (a placement, a wire, a whole drag, a dialog's OK...); restoring one reads it back with
// the circuit reader, so codes and connections come back exactly as they were.

#include "modelo/estado.h"

namespace zefira {

// The circuit as it is now (file text without date and selection, plus the selected codes).
TInstantaneo Instantaneo_Documento(const TEstado &estado);
// Puts the document in the snapshot's state; the editor's transient state is reset. A Fuzzy
// box, which no file stores, stays as it is on a component still there.
void Restaurar_Instantaneo(TEstado &estado, const TInstantaneo &instantaneo);

// A fresh history whose base is the document as it is; clean unless the document is modified.
void Iniciar_Historico(TEstado &estado);
// True when no gesture is under way: no drag, no rubber band, no wire being drawn, no
// simulation. Snapshots are taken and restored only then.
bool Em_Repouso(const TEstado &estado);
// After an edit: when the circuit differs from the current snapshot, records a step named
// `nome` (shown as "Desfazer nome"). Selecting alone makes no step. Then `modificado`
// follows the history: false exactly in the snapshot last saved.
void Registrar_Edicao(TEstado &estado, const QString &nome);

bool Pode_Desfazer(const TEstado &estado);
bool Pode_Refazer(const TEstado &estado);
void Desfazer(TEstado &estado);
void Refazer(TEstado &estado);
// Menu captions: "&Desfazer mover", or "&Desfazer" when there is nothing to undo.
QString Legenda_Desfazer(const TEstado &estado);
QString Legenda_Refazer(const TEstado &estado);

} // namespace zefira
