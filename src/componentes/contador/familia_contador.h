#pragma once
// TFamilia_Contador: a counter KC: counts the rising edges of its count input and switches its
// contacts when the count reaches its preset, until its reset input is energised.

#include "componentes/eletrico/familia_eletrica.h"

namespace zefira {

class TFamilia_Contador final : public TFamilia_Eletrica {
public:
    int tipo() const override;
    int numero_portas() const override;
    TPapel papel() const override;
    bool responder(TContexto_Eletrico &ctx, TComponente &c) const override;
    void fechar_passo(TComponente &c) const override;
    TEstado_Simulado estado_simulado(const TComponente &c, bool forca_teorica) const override;
    TPorta_Simbolo porta_simbolo(const TComponente &c, int porta) const override;
    QString figura(const TComponente &c) const override;
    void padrao(TComponente &c, int modo) const override;
    QString prefixo_tag(const TComponente &c) const override;
    const char *nome() const override;
    const char *palavra() const override;
    void conduzir(TContexto_Eletrico &ctx, const TComponente &c) const override;
    TVerificado verificado(const TComponente &c) const override;
    const TTipo_Arquivo *arquivo() const override;
    const std::vector<TEntrada_Paleta> &paleta() const override;
    QString dialogo_propriedades(const TComponente &c) const override;
};

} // namespace zefira
