// The electrical parts in a run: their state is the solver's (simulacao/circuito_eletrico); here
// the start and the stop clear it, clicks press buttons and the release lets momentary ones go.
#include "componentes/contexto_eletrico.h"
#include "componentes/contexto_simulacao.h"
#include "componentes/eletrico/familia_eletrica.h"
#include "modelo/componente.h"
#include "modelo/estado.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace zefira {

bool TFamilia_Eletrica::responder(TContexto_Eletrico &ctx, TComponente &c) const
{
    c.eletrico->energizada[0] = ctx.energizada(0);
    c.eletrico->energizada[1] = ctx.energizada(1);
    return false;
}

void TFamilia_Eletrica::fechar_passo(TComponente &) const {}
TFamilia_Eletrica::TPapel TFamilia_Eletrica::papel() const { return TPapel::outro; }
bool TFamilia_Eletrica::clicavel(const TComponente &) const { return false; }
bool TFamilia_Eletrica::pressionar(TComponente &) const { return false; }
void TFamilia_Eletrica::soltar(TComponente &) const {}

void TFamilia_Eletrica::simular(TContexto_Simulacao &sim, int indice, TEtapa_Simulacao etapa) const
{
    TComponente &c = sim.estado().lista()[indice];
    switch (etapa) {
    case TEtapa_Simulacao::partida:
    case TEtapa_Simulacao::parada:
        c.eletrico->reiniciar();
        c.atualizar_geometria();
        break;
    case TEtapa_Simulacao::soltura: soltar(c); break;
    default: break;
    }
}

void TFamilia_Eletrica::restaurar_partida(TComponente &, const TComponente &) const {}

// A button takes a click on either side band as on itself.
bool TFamilia_Eletrica::acionar(TComponente &c, bool) const { return pressionar(c); }

// A script and zefira-cli name a button by its tag.
bool TFamilia_Eletrica::acionavel(const TComponente &c, QString &nome) const
{
    if (!clicavel(c))
        return false;
    nome = c.eletrico->tag;
    return true;
}

bool TFamilia_Eletrica::registrar_posicao(const TComponente &, TLinha_Historico &, int &) const { return false; }
TFamilia::TEstado_Simulado TFamilia_Eletrica::estado_simulado(const TComponente &, bool) const { return {}; }

QString Texto_Json(const QString &texto)
{
    const QByteArray lista = QJsonDocument(QJsonArray{texto}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(lista.mid(1, lista.size() - 2));
}

// Every port of a part must be wired for current to pass it (a pressure switch's air port too).
TFamilia::TVerificado TFamilia_Eletrica::verificado(const TComponente &) const
{
    TVerificado v{nome(), {}};
    for (int porta = 1; porta <= std::min(numero_portas(), 3); ++porta)
        v.portas[porta - 1] = porta;
    return v;
}

} // namespace zefira
