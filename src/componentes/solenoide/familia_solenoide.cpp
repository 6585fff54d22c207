#include "componentes/solenoide/familia_solenoide.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/historico_passos.h"

namespace zefira {

int TFamilia_Solenoide::tipo() const { return TIPO_SOLENOIDE; }
int TFamilia_Solenoide::numero_portas() const { return 2; }

TFamilia_Eletrica::TPorta_Simbolo TFamilia_Solenoide::porta_simbolo(const TComponente &, int porta) const
{
    return Portas_Carga(porta);
}

QString TFamilia_Solenoide::figura(const TComponente &c) const { return Figura_Carga("solenoide", *c.eletrico); }

void TFamilia_Solenoide::padrao(TComponente &c, int) const
{
    c.eletrico->tag = QStringLiteral("1Y1");
    c.nome = QStringLiteral("Solenoide");
}

QString TFamilia_Solenoide::prefixo_tag(const TComponente &) const { return QStringLiteral("1Y"); }
const char *TFamilia_Solenoide::nome() const { return "Solenoide"; }
const char *TFamilia_Solenoide::palavra() const { return "solenoid"; }
TFamilia_Eletrica::TPapel TFamilia_Solenoide::papel() const { return TPapel::solenoide; }

void TFamilia_Solenoide::conduzir(TContexto_Eletrico &ctx, const TComponente &) const { ctx.carga(1, 2); }

// The displacement-step diagram may show whether it is energised.
bool TFamilia_Solenoide::registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const
{
    linha.codigo = c.codigo;
    linha.eletrico = true;
    linha.nome = c.eletrico->tag.trimmed();
    posicao = c.eletrico->energizada[0] ? 1 : 0;
    return true;
}

const TTipo_Arquivo *TFamilia_Solenoide::arquivo() const
{
    static const TTipo_Arquivo tipo{"Solenoide", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Conexao_Eletrica(1),
        Campo_Conexao_Eletrica(2), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Solenoide::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {32, Variante_Eletrica(0), "SBsolenoide", "Solenoide", "solenoide", "So&lenoide", "", 14, 16, 2, 314, "solenoide", "solenoide"},
    };
    return entradas;
}

QString TFamilia_Solenoide::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
