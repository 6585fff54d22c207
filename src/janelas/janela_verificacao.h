#pragma once
// TJanelaVerificacao: Simulação › "Verificar circuito". A small non-modal window listing the
// findings of the classroom check, one line each; choosing one selects its component and
// scrolls the work area to it.

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zefira {

struct TEstado;
class TFormArquivo;

class TJanelaVerificacao : public QDialog {
    Q_OBJECT
public:
    TJanelaVerificacao(TEstado &estado, TFormArquivo *area, QWidget *pai);

    // The window of the main window `pai`, made the first time: checks the circuit as it is
    // now and shows the findings.
    static TJanelaVerificacao *abrir(TEstado &estado, TFormArquivo *area, QWidget *pai);
    void verificar();

    QLabel *resumo;
    QListWidget *avisos;
    QPushButton *verificar_novamente;
    QPushButton *fechar;

private:
    void escolher(QListWidgetItem *item);

    TEstado &estado_;
    TFormArquivo *area_;
};

} // namespace zefira
