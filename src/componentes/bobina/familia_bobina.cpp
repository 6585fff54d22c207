#include "componentes/bobina/familia_bobina.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/historico_passos.h"

namespace zefira {

namespace {

enum { RELE, RETARDO_LIGAR, RETARDO_DESLIGAR };

} // namespace

int TFamilia_Bobina::tipo() const { return TIPO_BOBINA; }
int TFamilia_Bobina::numero_portas() const { return 2; }

TFamilia_Eletrica::TPorta_Simbolo TFamilia_Bobina::porta_simbolo(const TComponente &, int porta) const
{
    return Portas_Carga(porta);
}

QString TFamilia_Bobina::figura(const TComponente &c) const
{
    static const char *const BASE[] = {"bobina", "bobina_retardo_ligar", "bobina_retardo_desligar"};
    return Figura_Carga(BASE[c.eletrico->modo], *c.eletrico);
}

void TFamilia_Bobina::padrao(TComponente &c, int modo) const
{
    c.eletrico->modo = qBound(0, modo, int(RETARDO_DESLIGAR));
    c.eletrico->tag = c.eletrico->modo == RELE ? QStringLiteral("K1") : QStringLiteral("KT1");
    if (c.eletrico->modo != RELE && c.eletrico->tempo == 0)
        c.eletrico->tempo = 2000;
    c.nome = QStringLiteral("Relé");
}

QString TFamilia_Bobina::prefixo_tag(const TComponente &c) const
{
    return c.eletrico->modo == RELE ? QStringLiteral("K") : QStringLiteral("KT");
}

const char *TFamilia_Bobina::nome() const { return "Relé"; }
const char *TFamilia_Bobina::palavra() const { return "coil"; }
TFamilia_Eletrica::TPapel TFamilia_Bobina::papel() const { return TPapel::comando; }

void TFamilia_Bobina::conduzir(TContexto_Eletrico &ctx, const TComponente &) const { ctx.carga(1, 2); }

// contagem: the steps before this one in which the coil stayed as it is now (energised for the
// on-delay, de-energised for the off-delay).
bool TFamilia_Bobina::responder(TContexto_Eletrico &ctx, TComponente &c) const
{
    TEletrico &e = *c.eletrico;
    const bool energizada = ctx.energizada(0);
    e.energizada[0] = energizada;
    const int passos = Passos_Tempo(e.tempo);
    bool alvo = energizada;
    if (e.modo == RETARDO_LIGAR)
        alvo = energizada && e.contagem >= passos;
    else if (e.modo == RETARDO_DESLIGAR)
        alvo = energizada || (e.saida && e.contagem < passos);
    if (alvo == e.saida || e.mudou)
        return false;
    e.saida = alvo;
    e.mudou = true;
    return true;
}

void TFamilia_Bobina::fechar_passo(TComponente &c) const
{
    TEletrico &e = *c.eletrico;
    const bool conta = e.modo == RETARDO_LIGAR ? e.energizada[0] : !e.energizada[0];
    e.contagem = conta ? qMin(e.contagem + 1, 1 << 30) : 0;
}

// The displacement-step diagram may show a relay's or a timer's output.
bool TFamilia_Bobina::registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const
{
    linha.codigo = c.codigo;
    linha.eletrico = true;
    linha.nome = c.eletrico->tag.trimmed();
    posicao = c.eletrico->saida ? 1 : 0;
    return true;
}

// A relay shows its output; a timer also the steps it has stayed as it is (contagem).
TFamilia::TEstado_Simulado TFamilia_Bobina::estado_simulado(const TComponente &c, bool) const
{
    const TEletrico &e = *c.eletrico;
    const QString objeto = QStringLiteral("{\"tag\":%1,\"saida\":%2").arg(Texto_Json(e.tag), e.saida ? "true" : "false");
    if (e.modo == RELE)
        return {"reles", objeto + QLatin1Char('}')};
    return {"temporizadores", objeto + QStringLiteral(",\"contagem\":%1}").arg(e.contagem)};
}

const TTipo_Arquivo *TFamilia_Bobina::arquivo() const
{
    static const TTipo_Arquivo tipo{"Bobina", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Modo(RETARDO_DESLIGAR), Campo_Tempo(),
        Campo_Conexao_Eletrica(1), Campo_Conexao_Eletrica(2), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Bobina::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {26, Variante_Eletrica(RELE), "SBrele", "Relé (bobina)", "rele", "&Relé (bobina)", "", 13, 10, 2, 210, "rele", "bobina"},
        {27, Variante_Eletrica(RETARDO_LIGAR), "SBtemporizador", "Relé temporizador", "temporizador", "Relé te&mporizador", "", 13, 11, 54, 210, "temporizador", "bobina_retardo_ligar"},
    };
    return entradas;
}

QString TFamilia_Bobina::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
