#include "componentes/contador/familia_contador.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

int TFamilia_Contador::tipo() const { return TIPO_CONTADOR; }
int TFamilia_Contador::numero_portas() const { return 4; }

// The count input's terminals on the left (1 above, 2 below), the reset's on the right.
TFamilia_Eletrica::TPorta_Simbolo TFamilia_Contador::porta_simbolo(const TComponente &, int porta) const
{
    switch (porta) {
    case 1: return {12, 0, DIRECAO_CIMA};
    case 2: return {12, 40, DIRECAO_BAIXO};
    case 3: return {38, 0, DIRECAO_CIMA};
    case 4: return {38, 40, DIRECAO_BAIXO};
    default: return {};
    }
}

QString TFamilia_Contador::figura(const TComponente &c) const { return Figura_Carga("contador", *c.eletrico); }

void TFamilia_Contador::padrao(TComponente &c, int) const
{
    c.eletrico->tag = QStringLiteral("KC1");
    c.nome = QStringLiteral("Contador");
}

QString TFamilia_Contador::prefixo_tag(const TComponente &) const { return QStringLiteral("KC"); }
const char *TFamilia_Contador::nome() const { return "Contador"; }
const char *TFamilia_Contador::palavra() const { return "counter"; }
TFamilia_Eletrica::TPapel TFamilia_Contador::papel() const { return TPapel::comando; }

void TFamilia_Contador::conduzir(TContexto_Eletrico &ctx, const TComponente &) const
{
    ctx.carga(1, 2);
    ctx.carga(3, 4);
}

namespace {

// The count this step ends with: reset wins; a count input that was off at the end of the
// previous step and is on now is one more.
int contagem_final(const TEletrico &e)
{
    if (e.energizada[1])
        return 0;
    return e.energizada[0] && !e.entrada_anterior ? e.contagem + 1 : e.contagem;
}

} // namespace

bool TFamilia_Contador::responder(TContexto_Eletrico &ctx, TComponente &c) const
{
    TEletrico &e = *c.eletrico;
    e.energizada[0] = ctx.energizada(0);
    e.energizada[1] = ctx.energizada(1);
    const bool alvo = contagem_final(e) >= e.preset;
    if (alvo == e.saida || e.mudou)
        return false;
    e.saida = alvo;
    e.mudou = true;
    return true;
}

void TFamilia_Contador::fechar_passo(TComponente &c) const
{
    TEletrico &e = *c.eletrico;
    e.contagem = qMin(contagem_final(e), 1 << 30);
    e.entrada_anterior = e.energizada[0];
}

TFamilia::TEstado_Simulado TFamilia_Contador::estado_simulado(const TComponente &c, bool) const
{
    const TEletrico &e = *c.eletrico;
    return {"contadores", QStringLiteral("{\"tag\":%1,\"saida\":%2,\"contagem\":%3}")
                              .arg(Texto_Json(e.tag), e.saida ? "true" : "false")
                              .arg(e.contagem)};
}

// The reset input may be left unused: the count then only grows.
TFamilia::TVerificado TFamilia_Contador::verificado(const TComponente &) const { return {nome(), {1, 2}}; }

const TTipo_Arquivo *TFamilia_Contador::arquivo() const
{
    static const TTipo_Arquivo tipo{"Contador", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Preset(), Campo_Conexao_Eletrica(1),
        Campo_Conexao_Eletrica(2), Campo_Conexao_Eletrica(3), Campo_Conexao_Eletrica(4), Campo_Esquerda(),
        Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Contador::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {28, Variante_Eletrica(0), "SBcontador", "Contador", "contador", "Conta&dor", "", 13, 12, 106, 210, "contador", "contador"},
    };
    return entradas;
}

QString TFamilia_Contador::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
