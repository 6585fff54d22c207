#include "componentes/contato/familia_contato.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

namespace {

enum { SIMPLES, COMUTADOR };

} // namespace

int TFamilia_Contato::tipo() const { return TIPO_CONTATO; }
int TFamilia_Contato::numero_portas() const { return 3; }

// A simple contact: 1 above, 2 below. A changeover: the common 1 above, the NF 2 below left,
// the NA 3 below right.
TFamilia_Eletrica::TPorta_Simbolo TFamilia_Contato::porta_simbolo(const TComponente &c, int porta) const
{
    if (c.eletrico->modo == SIMPLES)
        return Portas_Carga(porta);
    switch (porta) {
    case 1: return {20, 0, DIRECAO_CIMA};
    case 2: return {8, 40, DIRECAO_BAIXO};
    case 3: return {32, 40, DIRECAO_BAIXO};
    default: return {};
    }
}

QString TFamilia_Contato::figura(const TComponente &c) const
{
    if (c.eletrico->modo == COMUTADOR)
        return c.eletrico->acionado ? QStringLiteral("contato_comutador_on") : QStringLiteral("contato_comutador");
    return Figura_Contato("contato", *c.eletrico);
}

// variante.eletrico: 0 NA, 1 NF, 2 changeover.
void TFamilia_Contato::padrao(TComponente &c, int modo) const
{
    c.eletrico->modo = modo == 2 ? COMUTADOR : SIMPLES;
    c.eletrico->nf = modo == 1;
    c.eletrico->tag = QStringLiteral("K1");
    c.nome = QStringLiteral("Contato");
}

QString TFamilia_Contato::prefixo_tag(const TComponente &) const { return QString(); }
const char *TFamilia_Contato::nome() const { return "Contato"; }
const char *TFamilia_Contato::palavra() const { return "contact"; }

void TFamilia_Contato::conduzir(TContexto_Eletrico &ctx, const TComponente &c) const
{
    const bool acionado = ctx.saida(c.eletrico->tag);
    if (c.eletrico->modo == COMUTADOR)
        ctx.ligar(1, acionado ? 3 : 2);
    else if (c.eletrico->nf != acionado)
        ctx.ligar(1, 2);
}

bool TFamilia_Contato::responder(TContexto_Eletrico &ctx, TComponente &c) const
{
    c.eletrico->acionado = ctx.saida(c.eletrico->tag);
    return false;
}

// A changeover may leave its NF or its NA unused.
TFamilia::TVerificado TFamilia_Contato::verificado(const TComponente &c) const
{
    if (c.eletrico->modo == COMUTADOR)
        return {nome(), {1}};
    return {nome(), {1, 2}};
}

const TTipo_Arquivo *TFamilia_Contato::arquivo() const
{
    static const TTipo_Arquivo tipo{"Contato", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Modo(COMUTADOR), Campo_NF(),
        Campo_Conexao_Eletrica(1), Campo_Conexao_Eletrica(2), Campo_Conexao_Eletrica(3), Campo_Esquerda(),
        Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Contato::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {29, Variante_Eletrica(0), "SBcontatona", "Contato NA", "contatona", "Contato &NA", "", 13, 13, 2, 262, "contatona", "contato_na"},
        {30, Variante_Eletrica(1), "SBcontatonf", "Contato NF", "contatonf", "Contato N&F", "", 13, 14, 54, 262, "contatonf", "contato_nf"},
        {31, Variante_Eletrica(2), "SBcomutador", "Contato comutador", "comutador", "Contato com&utador", "", 13, 15, 106, 262, "comutador", "contato_comutador"},
    };
    return entradas;
}

QString TFamilia_Contato::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
