#pragma once
// TFormsobre: the about window.

#include <QDialog>

namespace zefira {

class TFormsobre : public QDialog {
    Q_OBJECT
public:
    // The picture is read from `arquivo_figura` (a JPEG beside the program).
    explicit TFormsobre(const QString &arquivo_figura, QWidget *pai = nullptr);

public slots:
    void Button1Click();
};

} // namespace zefira
