#pragma once
// TConfiguracao_Valor_Fuzzy: the rules shared by the air supply and flow regulator dialogs.
// One number entered either in a numeric box or, with the Fuzzy box ticked, as one of three
// grades that stand for fixed values.

#include "propriedades/configuracao_entrada.h"

#include <QStringList>

namespace zefira {

class TComponente;

class TConfiguracao_Valor_Fuzzy {
public:
    // What tells one dialog from the other: the range, the grade values and thresholds, and
    // the component fields edited.
    struct TFaixa {
        int minimo, maximo, inicial;
        int graus[3];      // value of "Pequena", "Média", "Grande"
        int inicio_media;  // values from here up are "Média"
        int inicio_grande; // and from here up "Grande"
        int &(*valor)(TComponente &);
        bool &(*fuzzy)(TComponente &);
    };

    static constexpr int NENHUM_GRAU = -1;
    static const QStringList &nomes_graus();

    explicit TConfiguracao_Valor_Fuzzy(const TFaixa &faixa);

    const TFaixa &faixa;
    TComponente *componente = nullptr;
    bool fuzzy = false;
    TCaixa_Numero valor;
    int grau = 1;

    bool valor_habilitado() const { return !fuzzy; }
    bool graus_habilitados() const { return fuzzy; }

    void preparar(TComponente &c) { componente = &c; }
    int grau_de(int v) const;

    void FormShow();
    // Taken into the component at once: Cancelar does not undo it.
    void cbFuzzyClick(bool marcado);
    void ButOKClick();
};

} // namespace zefira
