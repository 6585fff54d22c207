#include "componentes/borne/familia_borne.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

int TFamilia_Borne::tipo() const { return TIPO_BORNE; }
int TFamilia_Borne::numero_portas() const { return 1; }

// Mode 0 is +24 V, its port below; mode 1 is 0 V, its port above.
TFamilia_Eletrica::TPorta_Simbolo TFamilia_Borne::porta_simbolo(const TComponente &c, int porta) const
{
    if (porta != 1)
        return {};
    return c.eletrico->modo == 0 ? TPorta_Simbolo{10, 14, DIRECAO_BAIXO} : TPorta_Simbolo{10, 0, DIRECAO_CIMA};
}

QString TFamilia_Borne::figura(const TComponente &c) const
{
    return c.eletrico->modo == 0 ? QStringLiteral("borne_positivo") : QStringLiteral("borne_negativo");
}

void TFamilia_Borne::padrao(TComponente &c, int modo) const
{
    c.eletrico->modo = modo == 1 ? 1 : 0;
    c.eletrico->tag = modo == 1 ? QStringLiteral("0 V") : QStringLiteral("+24 V");
    c.nome = QStringLiteral("Borne");
}

QString TFamilia_Borne::prefixo_tag(const TComponente &) const { return QString(); }
const char *TFamilia_Borne::nome() const { return "Borne"; }
const char *TFamilia_Borne::palavra() const { return "terminal"; }

void TFamilia_Borne::conduzir(TContexto_Eletrico &ctx, const TComponente &c) const { ctx.fonte(1, c.eletrico->modo == 0); }

// The tag is the polarity's; the file keeps the mode only.
void TFamilia_Borne::concluir_leitura(TComponente &c) const
{
    padrao(c, c.eletrico->modo);
    c.atualizar_geometria();
}

const TTipo_Arquivo *TFamilia_Borne::arquivo() const
{
    static const TTipo_Arquivo tipo{"Borne", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Modo(1), Campo_Conexao_Eletrica(1),
        Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Borne::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {16, Variante_Eletrica(0), "SBborne24", "Borne +24 V", "borne24", "Borne +&24 V", "", 10, 0, 2, 2, "borne24", "borne_positivo"},
        {17, Variante_Eletrica(1), "SBborne0", "Borne 0 V", "borne0", "Borne &0 V", "", 10, 1, 54, 2, "borne0", "borne_negativo"},
    };
    return entradas;
}

QString TFamilia_Borne::dialogo_propriedades(const TComponente &) const { return QString(); }

} // namespace zefira
