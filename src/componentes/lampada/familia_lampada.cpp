#include "componentes/lampada/familia_lampada.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "componentes/pintor.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

int TFamilia_Lampada::tipo() const { return TIPO_LAMPADA; }
int TFamilia_Lampada::numero_portas() const { return 2; }

TFamilia_Eletrica::TPorta_Simbolo TFamilia_Lampada::porta_simbolo(const TComponente &, int porta) const
{
    return Portas_Carga(porta);
}

QString TFamilia_Lampada::figura(const TComponente &c) const { return Figura_Carga("lampada", *c.eletrico); }

void TFamilia_Lampada::padrao(TComponente &c, int) const
{
    c.eletrico->tag = QStringLiteral("H1");
    c.nome = QStringLiteral("Lâmpada");
}

QString TFamilia_Lampada::prefixo_tag(const TComponente &) const { return QStringLiteral("H"); }
const char *TFamilia_Lampada::nome() const { return "Lâmpada"; }
const char *TFamilia_Lampada::palavra() const { return "lamp"; }

// Lit, the lamp's circle is filled with colour behind its cross.
void TFamilia_Lampada::realcar(const TComponente &c, TPintor &pintor) const
{
    if (!c.eletrico->energizada[0])
        return;
    const int x = c.esquerda, y = c.topo;
    pintor.disco(x + 15, y + 20, 7, TPintor::AMARELO);
    pintor.caneta(c.eletrico->selecionado() ? TPintor::VERMELHO : TPintor::PRETO);
    pintor.linha(x + 10, y + 15, x + 21, y + 26);
    pintor.linha(x + 20, y + 15, x + 9, y + 26);
}

void TFamilia_Lampada::conduzir(TContexto_Eletrico &ctx, const TComponente &) const { ctx.carga(1, 2); }

const TTipo_Arquivo *TFamilia_Lampada::arquivo() const
{
    static const TTipo_Arquivo tipo{"Lâmpada", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Conexao_Eletrica(1),
        Campo_Conexao_Eletrica(2), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Lampada::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {33, Variante_Eletrica(0), "SBlampada", "Lâmpada", "lampada", "Lâm&pada", "", 14, 17, 106, 158, "lampada", "lampada"},
    };
    return entradas;
}

QString TFamilia_Lampada::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
