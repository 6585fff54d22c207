#include "componentes/pressostato/familia_pressostato.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

int TFamilia_Pressostato::tipo() const { return TIPO_PRESSOSTATO; }
int TFamilia_Pressostato::numero_portas() const { return 3; }

// Port 1 takes a tube; 2 and 3 are its contact's.
TDominio TFamilia_Pressostato::dominio(int porta) const { return porta == 1 ? TDominio::ar : TDominio::eletrico; }

TFamilia_Eletrica::TPorta_Simbolo TFamilia_Pressostato::porta_simbolo(const TComponente &, int porta) const
{
    if (porta == 1)
        return {0, 20, DIRECAO_ESQUERDA};
    return Portas_Contato_Acionado(porta - 1);
}

QString TFamilia_Pressostato::figura(const TComponente &c) const { return Figura_Contato("pressostato", *c.eletrico); }

void TFamilia_Pressostato::padrao(TComponente &c, int) const
{
    c.eletrico->tag = QStringLiteral("1B1");
    c.nome = QStringLiteral("Pressostato");
}

QString TFamilia_Pressostato::prefixo_tag(const TComponente &) const { return QStringLiteral("1B"); }
const char *TFamilia_Pressostato::nome() const { return "Pressostato"; }
const char *TFamilia_Pressostato::palavra() const { return "pressure switch"; }

void TFamilia_Pressostato::conduzir(TContexto_Eletrico &ctx, const TComponente &c) const
{
    if (c.eletrico->nf != ctx.pressurizada(c, 1))
        ctx.ligar(2, 3);
}

bool TFamilia_Pressostato::responder(TContexto_Eletrico &ctx, TComponente &c) const
{
    c.eletrico->acionado = ctx.pressurizada(c, 1);
    return false;
}

const TTipo_Arquivo *TFamilia_Pressostato::arquivo() const
{
    static const TTipo_Arquivo tipo{"Pressostato", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_NF(), Campo_Conexao_Eletrica(1),
        Campo_Conexao_Eletrica(2), Campo_Conexao_Eletrica(3), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Pressostato::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {25, Variante_Eletrica(0), "SBpressostato", "Pressostato", "pressostato", "Press&ostato", "", 12, 9, 54, 158, "pressostato", "pressostato_na"},
    };
    return entradas;
}

QString TFamilia_Pressostato::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
