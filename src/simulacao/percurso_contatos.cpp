// The label contacts of the walk: the valves a cylinder standing on a label presses, and their
// release, indexed per label so a step stays linear when many cylinders and valves share one.
#include "simulacao/percurso.h"

namespace zefira {

namespace {

bool gatilho(const TValvula_Direcional &v) { return v.acao_mecanica(false) == 3; }

} // namespace

TPercurso::Grupo *TPercurso::grupo(const QString &texto)
{
    auto it = grupo_por_rotulo_.constFind(texto);
    return it == grupo_por_rotulo_.constEnd() ? nullptr : &grupos_[size_t(*it)];
}

void TPercurso::alterar(const TValvula_Direcional &v)
{
    auto it = contato_da_valvula_.find(&v);
    if (it == contato_da_valvula_.end() || contatos_[size_t(it->second)].alterada)
        return;
    contatos_[size_t(it->second)].alterada = true;
    grupo(v.rotulo)->alterados.push_back(it->second);
}

void TPercurso::liberar(Grupo &g)
{
    for (int indice : g.alterados) {
        Contato &k = contatos_[size_t(indice)];
        k.valvula->acionado_esq = false;
        k.valvula->liberado = true;
        k.valvula->redesenhar = false;
        k.alterada = false;
    }
    g.alterados.clear();
}

void TPercurso::Atualizar_Contatos(TCilindro &c, TFormaContato forma)
{
    TRotulo rotulos[NUMERO_ROTULOS];
    for (int i = 1; i <= NUMERO_ROTULOS; ++i)
        rotulos[i - 1] = c.rotulo(i);
    for (const TRotulo &r : rotulos)
        if (Grupo *g = grupo(r.texto))
            liberar(*g);
    for (const TRotulo &r : rotulos) {
        if (r.posicao != c.posicao)
            continue;
        Grupo *g = grupo(r.texto);
        if (!g)
            continue;
        const int primeira = g->contatos.front();
        TValvula_Direcional &v = *contatos_[size_t(primeira)].valvula;
        alterar(v);
        switch (forma) {
        case TFormaContato::movido:
            if (c.marcado) {
                v.acionado_esq = true;
                v.redesenhar = true;
            }
            v.liberado = gatilho(v);
            break;
        case TFormaContato::direto:
            v.acionado_esq = true;
            v.redesenhar = true;
            v.liberado = gatilho(v);
            break;
        case TFormaContato::passo:
            if (c.marcado) {
                v.acionado_esq = true;
                v.redesenhar = true;
            }
            // A roller or pin stays pressed while the cylinder stands on the label; a trigger
            // acts only in the step the cylinder reaches it.
            if (!gatilho(v)) {
                v.acionado_esq = true;
                v.liberado = false;
            } else {
                v.liberado = true;
            }
            break;
        }
    }
}

} // namespace zefira
