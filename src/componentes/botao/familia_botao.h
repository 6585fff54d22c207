#pragma once
// TFamilia_Botao: a push button (momentary or latching), the emergency stop and the selector
// switch, each with an NA or NF contact, worked by the user's clicks while simulating.

#include "componentes/eletrico/familia_eletrica.h"

namespace zefira {

class TFamilia_Botao final : public TFamilia_Eletrica {
public:
    int tipo() const override;
    int numero_portas() const override;
    bool clicavel(const TComponente &c) const override;
    bool pressionar(TComponente &c) const override;
    void soltar(TComponente &c) const override;
    TPorta_Simbolo porta_simbolo(const TComponente &c, int porta) const override;
    QString figura(const TComponente &c) const override;
    void padrao(TComponente &c, int modo) const override;
    QString prefixo_tag(const TComponente &c) const override;
    const char *nome() const override;
    const char *palavra() const override;
    void conduzir(TContexto_Eletrico &ctx, const TComponente &c) const override;
    const TTipo_Arquivo *arquivo() const override;
    const std::vector<TEntrada_Paleta> &paleta() const override;
    QString dialogo_propriedades(const TComponente &c) const override;
};

} // namespace zefira
