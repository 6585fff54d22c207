#pragma once
// TFormobs: the notes window. Its text is the circuit's notes, stored in the circuit file.

#include <QDialog>
#include <QPlainTextEdit>

namespace zefira {

struct TEstado;

class TFormobs : public QDialog {
    Q_OBJECT
public:
    TFormobs(TEstado &estado, QWidget *pai = nullptr);

    QPlainTextEdit *memo;

protected:
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void memoChange();

    TEstado &estado_;
    bool carregando_ = false;
};

} // namespace zefira
