#include "componentes/derivacao/familia_derivacao.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

int TFamilia_Derivacao::tipo() const { return TIPO_DERIVACAO; }
int TFamilia_Derivacao::numero_portas() const { return 4; }

// Ports at the middle of each side: 1 top, 2 bottom, 3 left, 4 right.
TFamilia_Eletrica::TPorta_Simbolo TFamilia_Derivacao::porta_simbolo(const TComponente &, int porta) const
{
    switch (porta) {
    case 1: return {3, 0, DIRECAO_CIMA};
    case 2: return {3, 7, DIRECAO_BAIXO};
    case 3: return {0, 3, DIRECAO_ESQUERDA};
    case 4: return {7, 3, DIRECAO_DIREITA};
    default: return {};
    }
}

QString TFamilia_Derivacao::figura(const TComponente &) const { return QStringLiteral("derivacao"); }

void TFamilia_Derivacao::padrao(TComponente &c, int) const { c.nome = QStringLiteral("Derivação"); }
QString TFamilia_Derivacao::prefixo_tag(const TComponente &) const { return QString(); }
const char *TFamilia_Derivacao::nome() const { return "Derivação"; }
const char *TFamilia_Derivacao::palavra() const { return "electric junction"; }
bool TFamilia_Derivacao::portas_juntas() const { return true; }

void TFamilia_Derivacao::conduzir(TContexto_Eletrico &ctx, const TComponente &) const
{
    for (int porta = 2; porta <= 4; ++porta)
        ctx.ligar(1, porta);
}

// A junction uses the ports its wires need, any of the four.
TFamilia::TVerificado TFamilia_Derivacao::verificado(const TComponente &) const { return {nome(), {}}; }

const TTipo_Arquivo *TFamilia_Derivacao::arquivo() const
{
    static const TTipo_Arquivo tipo{"Derivação", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Conexao_Eletrica(1), Campo_Conexao_Eletrica(2),
        Campo_Conexao_Eletrica(3), Campo_Conexao_Eletrica(4), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Derivacao::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {34, Variante_Eletrica(0), "SBderivacao", "Derivação elétrica", "derivacao", "Der&ivação elétrica", "", 15, 18, 106, 2, "derivacao", "derivacao"},
    };
    return entradas;
}

QString TFamilia_Derivacao::dialogo_propriedades(const TComponente &) const { return QString(); }

} // namespace zefira
