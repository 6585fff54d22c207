#pragma once
// TCampos_Linha: splits a component's data line into fields from left to right. A plain field
// runs to the next blank; a text field starts with "(" and ends at the next ")".

#include <QString>

namespace zefira {

class TCampos_Linha {
public:
    explicit TCampos_Linha(const QString &linha) : linha_(linha) {}

    // false when the line holds no further field.
    bool proximo_simples(QString &campo);
    // The text between the field's first character (the "(") and the next ")"; a text without
    // its ")" runs to the end of the line.
    bool proximo_texto(QString &campo);

private:
    void pular_brancos();

    QString linha_;
    qsizetype posicao_ = 0;
};

// A decimal integer: an optional "-" and at least one digit, nothing else, within 32 bits.
bool converter_inteiro(const QString &texto, int &valor);

} // namespace zefira
