#include "componentes/sensor/familia_sensor.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/arquivo_eletrico.h"
#include "componentes/eletrico/simbolo_eletrico.h"
#include "componentes/entrada_paleta.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"

namespace zefira {

int TFamilia_Sensor::tipo() const { return TIPO_SENSOR; }
int TFamilia_Sensor::numero_portas() const { return 2; }

TFamilia_Eletrica::TPorta_Simbolo TFamilia_Sensor::porta_simbolo(const TComponente &, int porta) const
{
    return Portas_Contato_Acionado(porta);
}

// Modes: roller limit switch, inductive, capacitive, optical and magnetic (reed) sensors.
QString TFamilia_Sensor::figura(const TComponente &c) const
{
    static const char *const BASE[] = {"fim_de_curso", "sensor_indutivo", "sensor_capacitivo", "sensor_optico",
                                       "sensor_magnetico"};
    return Figura_Contato(BASE[c.eletrico->modo], *c.eletrico);
}

void TFamilia_Sensor::padrao(TComponente &c, int modo) const
{
    c.eletrico->modo = qBound(0, modo, 4);
    c.eletrico->tag = QStringLiteral("1S1");
    c.nome = QStringLiteral("Sensor");
}

QString TFamilia_Sensor::prefixo_tag(const TComponente &) const { return QStringLiteral("1S"); }
const char *TFamilia_Sensor::nome() const { return "Sensor"; }
const char *TFamilia_Sensor::palavra() const { return "sensor"; }

void TFamilia_Sensor::conduzir(TContexto_Eletrico &ctx, const TComponente &c) const
{
    const bool alcancado = !c.eletrico->rotulo.trimmed().isEmpty() && ctx.rotulo_alcancado(c.eletrico->rotulo);
    if (c.eletrico->nf != alcancado)
        ctx.ligar(1, 2);
}

bool TFamilia_Sensor::responder(TContexto_Eletrico &ctx, TComponente &c) const
{
    c.eletrico->acionado = !c.eletrico->rotulo.trimmed().isEmpty() && ctx.rotulo_alcancado(c.eletrico->rotulo);
    return false;
}

const TTipo_Arquivo *TFamilia_Sensor::arquivo() const
{
    static const TTipo_Arquivo tipo{"Sensor", false, false, {
        Campo_Codigo(), Campo_Nome(), Campo_Selecao(), Campo_Tag(), Campo_Modo(4), Campo_NF(), Campo_Rotulo(),
        Campo_Conexao_Eletrica(1), Campo_Conexao_Eletrica(2), Campo_Esquerda(), Campo_Topo(),
    }};
    return &tipo;
}

const std::vector<TEntrada_Paleta> &TFamilia_Sensor::paleta() const
{
    static const std::vector<TEntrada_Paleta> entradas = {
        {23, Variante_Eletrica(0), "SBfimdecurso", "Chave fim de curso", "fimdecurso", "Chave fim de &curso", "", 12, 7, 106, 106, "fimdecurso", "fim_de_curso_na"},
        {24, Variante_Eletrica(1), "SBsensor", "Sensor de proximidade", "sensor", "Sensor de pro&ximidade", "", 12, 8, 2, 158, "sensor", "sensor_indutivo_na"},
    };
    return entradas;
}

QString TFamilia_Sensor::dialogo_propriedades(const TComponente &) const { return QStringLiteral("TFormconfiguracaoeletrica"); }

} // namespace zefira
