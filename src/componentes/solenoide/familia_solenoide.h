#pragma once
// TFamilia_Solenoide: a valve's solenoid in the circuit of current (1Y1...). While energised it
// acts on every directional valve whose actuator names its tag.

#include "componentes/eletrico/familia_eletrica.h"

namespace zefira {

class TFamilia_Solenoide final : public TFamilia_Eletrica {
public:
    int tipo() const override;
    int numero_portas() const override;
    TPapel papel() const override;
    TPorta_Simbolo porta_simbolo(const TComponente &c, int porta) const override;
    QString figura(const TComponente &c) const override;
    void padrao(TComponente &c, int modo) const override;
    QString prefixo_tag(const TComponente &c) const override;
    const char *nome() const override;
    const char *palavra() const override;
    void conduzir(TContexto_Eletrico &ctx, const TComponente &c) const override;
    bool registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const override;
    const TTipo_Arquivo *arquivo() const override;
    const std::vector<TEntrada_Paleta> &paleta() const override;
    QString dialogo_propriedades(const TComponente &c) const override;
};

} // namespace zefira
