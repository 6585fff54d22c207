#pragma once
// TFormCapa: the splash window, shown once at start-up; closes itself at the 26th second.

#include <QDialog>
#include <QTimer>

namespace zefira {

class TFormCapa : public QDialog {
    Q_OBJECT
public:
    explicit TFormCapa(QWidget *pai = nullptr);

    int contador_capa = 0;
    QTimer Timer1; // 1000 ms, running from creation on

public slots:
    void Timer1Timer();
    void ButOKClick();

protected:
    void showEvent(QShowEvent *evento) override;
};

} // namespace zefira
