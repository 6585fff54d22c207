#pragma once
// Input rules shared by the property dialogs: which characters a text box may take when its
// content is written into the circuit file, and what a key does in a numeric box.

#include <QChar>
#include <QString>

namespace zefira {

// A circuit file keeps a text field between "(" and the next ")" on one line, so a ")" or a
// line break typed into a name would cut the field short and corrupt the file.
bool Caractere_Aceito_Arquivo(QChar c);
QString Filtrar_Texto_Arquivo(const QString &texto);

// A numeric box as the dialogs' rules see it: its value, whether its text was emptied, and
// its current limits (which a rule may move).
struct TCaixa_Numero {
    int valor = 0;
    int minimo = 0;
    int maximo = 0;
    bool vazio = false;

    void definir(int v)
    {
        valor = v;
        vazio = false;
    }
    // Upper limit first, then lower, so that a lower limit above the upper one wins.
    int limitado() const
    {
        const int v = valor > maximo ? maximo : valor;
        return v < minimo ? minimo : v;
    }
};

// What a key pressed in a numeric box does.
enum class AcaoTecla {
    Confirmar, // Enter: the dialog's OK
    Fechar,    // Escape: close the dialog without storing
    Aceitar,   // the box takes the key (digits, Backspace, focus movement)
    Descartar, // everything else is swallowed
};

// tecla is a Qt key code, texto the text the key would type.
AcaoTecla Tecla_Caixa_Numero(int tecla, const QString &texto);

} // namespace zefira
