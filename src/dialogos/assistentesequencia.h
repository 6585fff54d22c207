#pragma once
// TFormAssistenteSequencia: Arquivo › "Assistente de sequência...". The sequence, the method and
// the kind of command, with a preview that shows as the user types the table of groups or
// steps, or why the circuit cannot be generated. The window lives for the session, so the
// next time it opens with the last request.

#include "assistente/assistente_sequencia.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zefira {

class TFormAssistenteSequencia : public QDialog {
    Q_OBJECT
public:
    explicit TFormAssistenteSequencia(QWidget *pai = nullptr);

    // The request as the controls hold it.
    TPedido_Sequencia pedido() const;
    // Redoes the preview and enables "Gerar" only for a request that can be generated.
    void atualizar_previa();

    QLineEdit *sequencia;
    QRadioButton *intuitivo, *cascata, *passo_a_passo;
    QRadioButton *pneumatico, *eletropneumatico;
    QPlainTextEdit *previa;
    QPushButton *gerar, *cancelar;
};

} // namespace zefira
