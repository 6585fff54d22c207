#pragma once
// TFamilia_Bobina: a relay coil K, or a timer relay KT that switches its contacts a set time
// after its coil is energised (on-delay) or de-energised (off-delay).

#include "componentes/eletrico/familia_eletrica.h"

namespace zefira {

class TFamilia_Bobina final : public TFamilia_Eletrica {
public:
    int tipo() const override;
    int numero_portas() const override;
    TPapel papel() const override;
    bool responder(TContexto_Eletrico &ctx, TComponente &c) const override;
    void fechar_passo(TComponente &c) const override;
    TEstado_Simulado estado_simulado(const TComponente &c, bool forca_teorica) const override;
    bool registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const override;
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
