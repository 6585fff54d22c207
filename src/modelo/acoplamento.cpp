// Docking and undocking of air supplies and small valves on host ports.
#include "modelo/acoplamento.h"

#include "modelo/ponto.h"

namespace zefira {

namespace {

constexpr int PERTO = 5; // a port within this distance snaps on, at it or beyond it lets go

bool liga_em_fio(const TEstado &estado, int codigo)
{
    const TComponente *c = codigo == LIVRE ? nullptr : estado.lista_componentes->procurar(codigo);
    return c && c->tipo == TIPO_FIO;
}

void marcar_acoplado(TComponente &c, bool acoplado) { c.ponto_ativo = acoplado ? 1 : -1; }

// --- air supply ---

void acoplar_tomada(TComponente &tomada, TComponente &hospedeiro, int porta)
{
    marcar_acoplado(tomada, true);
    tomada.tomada_ar->ligar(hospedeiro.codigo, porta);
    hospedeiro.ligar(porta, tomada.codigo);
    if (hospedeiro.tipo == TIPO_VALVULA_DIRECIONAL)
        hospedeiro.valvula_direcional->tomada_ar = true;
}

void desacoplar_tomada(TComponente &tomada, TComponente &hospedeiro, int porta)
{
    marcar_acoplado(tomada, false);
    // Only let go of the host the supply actually names, so a stale host slot never clears a
    // supply that is docked elsewhere.
    if (tomada.tomada_ar->conexao == hospedeiro.codigo)
        tomada.tomada_ar->desligar();
    hospedeiro.desligar(porta);
    if (hospedeiro.tipo == TIPO_VALVULA_DIRECIONAL)
        hospedeiro.valvula_direcional->tomada_ar = false;
}

// Returns true when the supply docked on this host.
bool tomada_sobre_valvula(TComponente &tomada, TComponente &valvula)
{
    const int d = Distancia(valvula.ponto(1), tomada.ponto(1));
    if (d < PERTO && valvula.conexao(1) == LIVRE && tomada.tomada_ar->conexao == LIVRE) {
        acoplar_tomada(tomada, valvula, 1);
        return true;
    }
    if (valvula.conexao(1) == tomada.codigo && d >= PERTO)
        desacoplar_tomada(tomada, valvula, 1);
    return false;
}

bool tomada_sobre_cilindro(TComponente &tomada, TComponente &cilindro)
{
    if (tomada.tomada_ar->conexao == LIVRE) {
        for (int porta = 1; porta <= 2; ++porta)
            if (cilindro.conexao(porta) == LIVRE && Distancia(cilindro.ponto(porta), tomada.ponto(1)) < PERTO) {
                acoplar_tomada(tomada, cilindro, porta);
                return true;
            }
        return false;
    }
    const int q = tomada.tomada_ar->pino;
    if (tomada.tomada_ar->conexao == cilindro.codigo && (q == 1 || q == 2) &&
        Distancia(cilindro.ponto(q), tomada.ponto(1)) >= PERTO) {
        marcar_acoplado(tomada, false);
        tomada.tomada_ar->desligar();
        if (cilindro.conexao(q) == tomada.codigo)
            cilindro.desligar(q);
    }
    return false;
}

} // namespace

bool Esta_Acoplado(const TComponente &hospedeiro, int porta, const TComponente &acoplado)
{
    if (acoplado.tipo == TIPO_TOMADA_AR)
        return (hospedeiro.tipo == TIPO_VALVULA_DIRECIONAL || hospedeiro.tipo == TIPO_CILINDRO) &&
               acoplado.tomada_ar->conexao == hospedeiro.codigo;
    if (acoplado.tipo == TIPO_E_OU_ESC_REG)
        return hospedeiro.tipo == TIPO_CILINDRO && acoplado.conexao(1) == hospedeiro.codigo;
    (void)porta;
    return false;
}

void Posicionar_Acoplado(const TComponente &hospedeiro, int porta, TComponente &acoplado)
{
    if (hospedeiro.tipo == TIPO_VALVULA_DIRECIONAL) {
        // A supply always docks on a valve's supply port.
        acoplado.esquerda = somar(hospedeiro.ponto(1).x, -6);
        acoplado.topo = somar(hospedeiro.baixo, 6);
    } else {
        acoplado.esquerda = somar(hospedeiro.ponto(porta).x, acoplado.tipo == TIPO_TOMADA_AR ? -6 : -10);
        acoplado.topo = somar(hospedeiro.baixo, 5);
    }
    acoplado.atualizar_geometria();
}

namespace {

void varrer_tomada(TEstado &estado, TComponente &tomada)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &h = lista[i];
        if (&h == &tomada || h.selecionado())
            continue;
        const bool acoplou = h.tipo == TIPO_VALVULA_DIRECIONAL ? tomada_sobre_valvula(tomada, h)
                             : h.tipo == TIPO_CILINDRO         ? tomada_sobre_cilindro(tomada, h)
                                                               : false;
        if (acoplou)
            return;
    }
}

} // namespace

void Acoplar_Tomada_Ar(TEstado &estado, TComponente &tomada)
{
    if (liga_em_fio(estado, tomada.tomada_ar->conexao))
        return;
    const int antes = tomada.tomada_ar->conexao;
    varrer_tomada(estado, tomada);
    // Moved straight from one host's port onto another's: it let go of the old host during the
    // scan, so it may dock on the new one in the same move.
    if (antes != LIVRE && tomada.tomada_ar->conexao == LIVRE)
        varrer_tomada(estado, tomada);
}

namespace {

void varrer_valvula_e_ou(TEstado &estado, TComponente &valvula)
{
    TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &cil = lista[i];
        if (cil.tipo != TIPO_CILINDRO || cil.selecionado())
            continue;
        if (valvula.conexao(1) == LIVRE) {
            for (int porta = 1; porta <= 2; ++porta)
                if (cil.conexao(porta) == LIVRE && Distancia(cil.ponto(porta), valvula.ponto(1)) < PERTO) {
                    marcar_acoplado(valvula, true);
                    valvula.valvula_e_ou_esc_reg->ligar(1, cil.codigo, porta);
                    cil.ligar(porta, valvula.codigo);
                    return;
                }
            continue;
        }
        if (valvula.conexao(1) != cil.codigo)
            continue;
        // Only a regulator remembers its port, so find the docked port from the cylinder's side.
        for (int porta = 1; porta <= 2; ++porta)
            if (cil.conexao(porta) == valvula.codigo && Distancia(cil.ponto(porta), valvula.ponto(1)) >= PERTO) {
                marcar_acoplado(valvula, false);
                valvula.desligar(1);
                cil.desligar(porta);
            }
    }
}

} // namespace

void Acoplar_Valvula_E_OU(TEstado &estado, TComponente &valvula)
{
    if (liga_em_fio(estado, valvula.conexao(1)))
        return;
    const int antes = valvula.conexao(1);
    varrer_valvula_e_ou(estado, valvula);
    if (antes != LIVRE && valvula.conexao(1) == LIVRE)
        varrer_valvula_e_ou(estado, valvula);
}

} // namespace zefira
