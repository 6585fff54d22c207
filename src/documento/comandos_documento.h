#pragma once
// The document commands: new, open, save, save as, and the closing of the main window, with
// their questions and file dialogs through the user port.

#include "modelo/estado.h"
#include "modelo/interface_usuario.h"

namespace zefira {

extern const char *const PERGUNTA_SALVAR; // "Deseja salvar o Sistema Atual?"

// Empties the document: new lists, no notes, editor reset, unnamed and unmodified, a fresh
// root node; makes sure the folder for circuit files exists.
void Limpar_Lista(TEstado &estado);
// Makes sure "MeusArquivos" exists beside the program, or in the user's documents folder when
// the program is installed or its folder cannot hold it; returns the folder used.
QString Preparar_Pasta_Arquivos(const QString &pasta_programa);

void novoClick(TEstado &estado, TInterfaceUsuario &ui);
void abrirClick(TEstado &estado, TInterfaceUsuario &ui);
// The open command once a file is chosen (its dialog, a recent file, a link in a help
// document): "Arquivo não encontrado!" for a missing file, the save question for a modified
// circuit, then the file is read. True when the document now holds the file.
bool Abrir_Escolhido(TEstado &estado, TInterfaceUsuario &ui, const QString &nome);
// A file shipped with the program (an exercise's solution linked from the help): opened as
// Abrir_Escolhido does, but as an unnamed copy, so that "Salvar" asks for a name instead of
// writing over it and the file does not become a recent one.
bool Abrir_Copia(TEstado &estado, TInterfaceUsuario &ui, const QString &nome);
// Both return true when the document was written.
bool salvarClick(TEstado &estado, TInterfaceUsuario &ui);
bool salvarcomoClick(TEstado &estado, TInterfaceUsuario &ui);
// The main window is about to close: true when it may close.
bool FormClose(TEstado &estado, TInterfaceUsuario &ui);

// Opens a file into an emptied document as the open command does, without its dialogs and
// questions; shows the reader's message. Returns false when the file could not be read.
bool Abrir_Documento(TEstado &estado, TInterfaceUsuario &ui, const QString &nome);
// The file named when the program starts (command line, a file manager's double click): read
// as the open command reads the file its dialog chose. A relative name is taken from the
// current folder. Returns false when nothing was read.
bool Abrir_Arquivo_Inicial(TEstado &estado, TInterfaceUsuario &ui, const QString &nome);

} // namespace zefira
