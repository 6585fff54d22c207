#include "componentes/botao/familia_botao.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

namespace {

enum { PULSADOR, TRAVA, EMERGENCIA, SELETOR };

} // namespace

int TFamilia_Botao::tipo() const { return TIPO_BOTAO; }
int TFamilia_Botao::numero_portas() const { return 2; }

TFamilia_Eletrica::TPorta_Simbolo TFamilia_Botao::porta_simbolo(const TComponente &, int porta) const
{
    return Portas_Contato_Acionado(porta);
}

QString TFamilia_Botao::figura(const TComponente &c) const
{
    static const char *const BASE[] = {"botao", "botao_trava", "emergencia", "seletor"};
    return Figura_Contato(BASE[c.eletrico->modo], *c.eletrico);
}

// variante.eletrico: the mode times two, plus one for NF.
void TFamilia_Botao::padrao(TComponente &c, int modo) const
{
    TEletrico &e = *c.eletrico;
    e.modo = qBound(0, modo / 2, int(SELETOR));
    e.nf = e.modo == EMERGENCIA || modo % 2 == 1;
    e.tag = e.modo == EMERGENCIA ? QStringLiteral("S0") : QStringLiteral("S1");
    c.nome = QStringLiteral("Botão");
}

QString TFamilia_Botao::prefixo_tag(const TComponente &c) const
{
    return c.eletrico->modo == EMERGENCIA ? QString() : QStringLiteral("S");
}

const char *TFamilia_Botao::nome() const { return "Botão"; }
const char *TFamilia_Botao::palavra() const { return "button"; }

void TFamilia_Botao::conduzir(TContexto_Eletrico &ctx, const TComponente &c) const
{
    if (c.eletrico->nf != c.eletrico->acionado)
        ctx.ligar(1, 2);
}

bool TFamilia_Botao::clicavel(const TComponente &) const { return true; }

// A click toggles the button as it does a valve's push button; the release lets a momentary one
// go (Shift alone keeps it, since no release reaches it then).
bool TFamilia_Botao::pressionar(TComponente &c) const
{
    c.eletrico->acionado = !c.eletrico->acionado;
    return true;
}

void TFamilia_Botao::soltar(TComponente &c) const
{
    if (c.eletrico->modo == PULSADOR)
        c.eletrico->acionado = false;
}


const TTipo_Arquivo *TFamilia_Botao::arquivo() const
{
    static const TTipo_Arquivo tipo{"Botão", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Modo(SELETOR), Campo_NF(),
        Campo_Conexao_Eletrica(1), Campo_Conexao_Eletrica(2), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Botao::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {18, Variante_Eletrica(2 * PULSADOR), "SBbotaona", "Botão NA", "botaona", "Botão N&A", "", 11, 2, 2, 54, "botaona", "botao_na"},
        {19, Variante_Eletrica(2 * PULSADOR + 1), "SBbotaonf", "Botão NF", "botaonf", "&Botão NF", "", 11, 3, 54, 54, "botaonf", "botao_nf"},
        {20, Variante_Eletrica(2 * TRAVA), "SBbotaotrava", "Botão com trava", "botaotrava", "Botão com &trava", "", 11, 4, 106, 54, "botaotrava", "botao_trava_na"},
        {21, Variante_Eletrica(2 * EMERGENCIA + 1), "SBemergencia", "Botão de emergência", "emergencia", "Botão de &emergência", "", 11, 5, 2, 106, "emergencia", "emergencia_nf"},
        {22, Variante_Eletrica(2 * SELETOR), "SBseletor", "Chave seletora", "seletor", "Chave &seletora", "", 11, 6, 54, 106, "seletor", "seletor_na"},
    };
    return entradas;
}

QString TFamilia_Botao::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
