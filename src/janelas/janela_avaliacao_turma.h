#pragma once
// TJanelaAvaliacaoTurma: Arquivo › "Avaliar turma...". A folder of student circuits, each run
// with the same start clicks and graded against the expected sequence; the results in a table
// that can be saved as CSV, each row opening its file in the main window on a double click.

#include "simulacao/avaliacao_turma.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zefira {

class TInterfaceUsuario;

class TJanelaAvaliacaoTurma : public QDialog {
    Q_OBJECT
public:
    TJanelaAvaliacaoTurma(TInterfaceUsuario &ui, QWidget *pai);

    // Grades every circuit of the folder and fills the table; a malformed sequence or a folder
    // without circuits grades nothing and says why.
    void avaliar();
    // Writes the table as CSV, the header and one line per row; false (message shown) when the
    // file could not be written.
    bool salvar_csv(const QString &caminho);
    const std::vector<TResultado_Avaliacao> &resultados() const { return resultados_; }

    QLineEdit *pasta, *sequencia, *partida;
    QSpinBox *ciclos;
    QPushButton *procurar, *avaliar_botao, *salvar, *fechar;
    QLabel *resumo;
    QTableWidget *tabela;

signals:
    // A row was double-clicked: the main window opens the file as Arquivo › Abrir would.
    void abrir_arquivo(const QString &arquivo);

private:
    void procurarClick();
    void salvarClick();
    void mostrar(int linha, const TResultado_Avaliacao &r);

    TInterfaceUsuario &ui_;
    std::vector<TResultado_Avaliacao> resultados_;
};

} // namespace zefira
