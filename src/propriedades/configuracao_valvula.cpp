#include "propriedades/configuracao_valvula.h"

#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include "propriedades/configuracao_entrada.h"

#include <utility>

namespace zefira {

namespace {

constexpr bool ESQ = false;
constexpr bool DIR = true;

// Square code of each symbol index (1..6) per number of ways (2..5); 0 where there is none.
constexpr int CODIGOS_PARTE[4][7] = {
    {0, 1, 2, 0, 0, 0, 0},
    {0, 4, 5, 3, 0, 0, 0},
    {0, 11, 10, 6, 7, 9, 8},
    {0, 16, 15, 12, 13, 14, 0},
};

// Symbol index of each square code 1..16, whatever the number of ways.
constexpr int INDICES_FIGURA[17] = {0, 1, 2, 3, 1, 2, 3, 4, 6, 5, 2, 1, 3, 4, 5, 2, 1};

const char *const MANUAIS[] = {"nada", "manual_botao", "manual_botao_trava", "manual_alavanca",
                               "manual_alavanca_trava", "manual_pedal"};
const char *const MECANICAS[] = {"nada", "mecanica_pino", "mecanica_rolete", "mecanica_gatilho"};

QString figura_acionador(const char *const *nomes, int quantidade, bool dir, int codigo)
{
    if (codigo < 0 || codigo >= quantidade)
        return {};
    if (codigo == 0)
        return QStringLiteral("nada");
    return QString::fromLatin1(nomes[codigo]) + (dir ? QStringLiteral("_dir") : QStringLiteral("_esq"));
}

} // namespace

void TConfiguracao_Valvula::preparar(TLista_Componente &lista, TComponente &componente)
{
    valvula_lista = &lista;
    valvula_componente = &componente;
}

int TConfiguracao_Valvula::numero_vias() const
{
    return valvula_componente && valvula_componente->valvula_direcional
               ? valvula_componente->valvula_direcional->numero_vias
               : 0;
}

bool TConfiguracao_Valvula::tres_posicoes() const
{
    return figuras.figura_posicao[1] != 0 && figuras.figura_posicao[2] != 0 && figuras.figura_posicao[3] != 0;
}

int TConfiguracao_Valvula::indice_figura(int codigo_parte)
{
    return codigo_parte >= 1 && codigo_parte <= 16 ? INDICES_FIGURA[codigo_parte] : 0;
}

int TConfiguracao_Valvula::codigo_parte(int numero_vias, int indice)
{
    if (indice == 0)
        return -1;
    if (numero_vias < 2 || numero_vias > 5 || indice < 0 || indice > 6)
        return -2;
    const int codigo = CODIGOS_PARTE[numero_vias - 2][indice];
    return codigo == 0 ? -2 : codigo;
}

QString TConfiguracao_Valvula::figura_indice(int numero_vias, int indice)
{
    const QStringList figuras = TConfiguracao_Figuras::figuras_lista(LISTA_POSICOES_2VIAS - 2 + numero_vias);
    return numero_vias >= 2 && indice >= 0 && indice < figuras.size() ? figuras[indice] : QString();
}

QString TConfiguracao_Valvula::figura_manual(bool dir, int codigo) { return figura_acionador(MANUAIS, 6, dir, codigo); }

QString TConfiguracao_Valvula::figura_mecanica(bool dir, int codigo)
{
    return figura_acionador(MECANICAS, 4, dir, codigo);
}

void TConfiguracao_Valvula::marcar_mola(bool dir, bool marcado)
{
    if (mola[dir].marcado == marcado)
        return;
    mola[dir].marcado = marcado;
    AtualizarMola(dir);
}

void TConfiguracao_Valvula::marcar_piloto(bool dir, bool marcado)
{
    if (piloto[dir].marcado == marcado)
        return;
    piloto[dir].marcado = marcado;
    AtualizarPiloto(dir);
}

void TConfiguracao_Valvula::marcar_solenoide(bool dir, bool marcado)
{
    if (solenoide[dir].marcado == marcado)
        return;
    solenoide[dir].marcado = marcado;
    AtualizarSolenoide(dir);
}

void TConfiguracao_Valvula::definir_tag_solenoide(bool dir, const QString &texto)
{
    tag_solenoide[dir] = Filtrar_Texto_Arquivo(texto).toUpper().left(8);
}

QString TConfiguracao_Valvula::tag_padrao(bool dir) { return dir ? QStringLiteral("1Y2") : QStringLiteral("1Y1"); }

void TConfiguracao_Valvula::desmarcar_sinais(bool dir)
{
    marcar_piloto(dir, false);
    marcar_solenoide(dir, false);
}

void TConfiguracao_Valvula::habilitar_sinais(bool dir, bool habilitado)
{
    piloto[dir].habilitado = habilitado;
    solenoide[dir].habilitado = habilitado;
}

void TConfiguracao_Valvula::definir_descricao(const QString &texto) { descricao = Filtrar_Texto_Arquivo(texto); }

void TConfiguracao_Valvula::Butpos(int posicao)
{
    figuras.tipo_lista = LISTA_POSICOES_2VIAS - 2 + numero_vias();
    figuras.posicao_editada = posicao;
}

void TConfiguracao_Valvula::limpar_acionadores(bool dir)
{
    figuras.manual(dir) = 0;
    figuras.mecanica(dir) = 0;
}

// Manual and mechanical buttons and pilot box of one side.
void TConfiguracao_Valvula::liberar_lado(bool dir)
{
    botao_manual_habilitado[dir] = true;
    botao_mecanica_habilitado[dir] = true;
    habilitar_sinais(dir, true);
}

// A side's actuators are free as far as the springs allow: its own spring excludes them, and
// the other side's spring excludes its spring.
void TConfiguracao_Valvula::habilitar_lado(bool dir)
{
    if (!mola[dir].marcado)
        liberar_lado(dir);
    if (!mola[!dir].marcado)
        mola[dir].habilitado = true;
}

// A detented manual actuator on the other side leaves nothing on this side.
void TConfiguracao_Valvula::esvaziar_lado(bool dir)
{
    marcar_mola(dir, false);
    desmarcar_sinais(dir);
    limpar_acionadores(dir);
    mola[dir].habilitado = false;
    habilitar_sinais(dir, false);
    botao_manual_habilitado[dir] = false;
    botao_mecanica_habilitado[dir] = false;
}

void TConfiguracao_Valvula::AtualizarMola(bool dir)
{
    // A three-position valve is spring-centred: its springs are not the user's to change.
    if (tres_posicoes())
        return;
    if (mola[dir].marcado) {
        marcar_mola(!dir, false);
        mola[!dir].habilitado = false;
        desmarcar_sinais(dir);
        habilitar_sinais(dir, false);
        limpar_acionadores(dir);
        botao_manual_habilitado[dir] = false;
        botao_mecanica_habilitado[dir] = false;
        liberar_lado(!dir);
    } else {
        mola[!dir].habilitado = true;
        habilitar_sinais(dir, true);
        botao_manual_habilitado[dir] = true;
        botao_mecanica_habilitado[dir] = true;
    }
}

void TConfiguracao_Valvula::AtualizarPiloto(bool dir)
{
    if (!piloto[dir].marcado)
        return;
    marcar_solenoide(dir, false);
    apos_sinal(dir);
}

void TConfiguracao_Valvula::AtualizarSolenoide(bool dir)
{
    if (!solenoide[dir].marcado)
        return;
    marcar_piloto(dir, false);
    apos_sinal(dir);
}

// A pilot or a solenoid just put on a side takes the side's other actuators off.
void TConfiguracao_Valvula::apos_sinal(bool dir)
{
    limpar_acionadores(dir);
    if (tres_posicoes()) {
        marcar_mola(ESQ, true);
        marcar_mola(DIR, true);
        liberar_lado(!dir);
        return;
    }
    mola[!dir].habilitado = true;
    if (!mola[!dir].marcado)
        liberar_lado(!dir);
}

void TConfiguracao_Valvula::colocar_rotulos()
{
    rotulos.clear();
    rotulos << QStringLiteral(" ");
    if (!valvula_lista)
        return;
    const TLista_Componente &lista = *valvula_lista;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (const TCilindro *ci = lista[i].cilindro.get())
            for (int k = 1; k <= NUMERO_ROTULOS; ++k)
                if (!ci->rotulo(k).texto.isEmpty())
                    rotulos << ci->rotulo(k).texto;
    // A label already taken by another valve is no longer free.
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (c.valvula_direcional && c.codigo != valvula_componente->codigo && !c.valvula_direcional->rotulo.isEmpty())
            rotulos.removeAll(c.valvula_direcional->rotulo);
    }
}

void TConfiguracao_Valvula::FormShow()
{
    const TValvula_Direcional &v = *valvula_componente->valvula_direcional;
    colocar_rotulos();
    ar_comprimido = v.tomada_ar;

    for (bool dir : {ESQ, DIR}) {
        mola[dir].habilitado = true;
        habilitar_sinais(dir, true);
        botao_manual_habilitado[dir] = true;
        botao_mecanica_habilitado[dir] = true;
        tag_solenoide[dir] = v.solenoide(dir).isEmpty() ? tag_padrao(dir) : v.solenoide(dir);
    }
    // A 2-way valve has at most two positions.
    posicao3_habilitada = v.numero_vias != 2;

    descricao = v.descricao;
    mostrar_nome = v.mostrar_nome;
    posicao_escolhida = v.posicao_inicial;

    const auto indice = [&v](int i) { return v.parte(i) ? indice_figura(v.parte(i)->tipo()) : 0; };
    for (int i = 1; i <= 3; ++i)
        figuras.figura_posicao[i] = indice(i);
    numero_posicoes_anterior = 1 + (v.parte(2) ? 1 : 0) + (v.parte(3) ? 1 : 0);

    marcar_mola(ESQ, v.mola_esq);
    marcar_mola(DIR, v.mola_dir);
    marcar_piloto(ESQ, v.piloto_esq);
    marcar_piloto(DIR, v.piloto_dir);
    marcar_solenoide(ESQ, !v.solenoide(ESQ).isEmpty());
    marcar_solenoide(DIR, !v.solenoide(DIR).isEmpty());
    // After the boxes, whose rules clear actuator codes.
    figuras.manual_esq = v.acao_manual(ESQ);
    figuras.manual_dir = v.acao_manual(DIR);
    figuras.mecanica_esq = v.acao_mecanica(ESQ);
    figuras.mecanica_dir = v.acao_mecanica(DIR);

    if (tres_posicoes()) {
        mola[ESQ].habilitado = false;
        mola[DIR].habilitado = false;
    } else {
        AtualizarMola(ESQ);
        AtualizarMola(DIR);
    }
}

void TConfiguracao_Valvula::ativar_tres_posicoes(int lista)
{
    const auto centrar = [this](bool lado_livre) {
        marcar_mola(ESQ, true);
        marcar_mola(DIR, true);
        liberar_lado(lado_livre);
    };
    if (TConfiguracao_Figuras::lista_de_posicoes(lista) && numero_posicoes_anterior != 3) {
        // Just became a 3-position valve: spring-centred, springs locked.
        marcar_mola(ESQ, true);
        marcar_mola(DIR, true);
        mola[ESQ].habilitado = false;
        mola[DIR].habilitado = false;
        liberar_lado(ESQ);
        liberar_lado(DIR);
    }
    if (lista == LISTA_MANUAL_ESQ || lista == LISTA_MANUAL_DIR) {
        const bool dir = lista == LISTA_MANUAL_DIR;
        if (figuras.manual(dir) == 0) {
            centrar(!dir);
        } else {
            figuras.mecanica(dir) = 0;
            desmarcar_sinais(dir);
            if (!com_trava(figuras.manual(dir))) {
                centrar(!dir);
            } else {
                marcar_mola(ESQ, false);
                marcar_mola(DIR, false);
                esvaziar_lado(!dir);
            }
        }
    } else if (lista == LISTA_MECANICA_ESQ || lista == LISTA_MECANICA_DIR) {
        const bool dir = lista == LISTA_MECANICA_DIR;
        if (figuras.mecanica(dir) != 0) {
            figuras.manual(dir) = 0;
            desmarcar_sinais(dir);
            centrar(!dir);
        }
    }
}

void TConfiguracao_Valvula::ativar_duas_posicoes(int lista)
{
    if (TConfiguracao_Figuras::lista_de_posicoes(lista) && numero_posicoes_anterior != 2) {
        // Just lost its third position: the springs become the user's choice again.
        marcar_mola(ESQ, false);
        marcar_mola(DIR, false);
        mola[ESQ].habilitado = true;
        mola[DIR].habilitado = true;
        for (bool dir : {ESQ, DIR}) {
            if (com_trava(figuras.manual(dir)))
                esvaziar_lado(!dir);
            else
                habilitar_lado(!dir);
        }
    }
    if (lista == LISTA_MANUAL_ESQ || lista == LISTA_MANUAL_DIR) {
        const bool dir = lista == LISTA_MANUAL_DIR;
        if (figuras.manual(dir) != 0) {
            figuras.mecanica(dir) = 0;
            desmarcar_sinais(dir);
            if (com_trava(figuras.manual(dir)))
                esvaziar_lado(!dir);
            else
                habilitar_lado(!dir);
        } else {
            habilitar_lado(!dir);
        }
    } else if (lista == LISTA_MECANICA_ESQ || lista == LISTA_MECANICA_DIR) {
        const bool dir = lista == LISTA_MECANICA_DIR;
        if (figuras.mecanica(dir) != 0) {
            figuras.manual(dir) = 0;
            desmarcar_sinais(dir);
            if (!mola[!dir].marcado) {
                liberar_lado(!dir);
                mola[!dir].habilitado = true;
            }
        }
    }
}

void TConfiguracao_Valvula::FormActivate()
{
    const int lista = figuras.tipo_lista;
    if (lista == LISTA_NENHUMA)
        return;
    numero_posicoes = tres_posicoes() ? 3 : 2;
    if (numero_posicoes == 3)
        ativar_tres_posicoes(lista);
    else
        ativar_duas_posicoes(lista);
    numero_posicoes_anterior = numero_posicoes;
}

void TConfiguracao_Valvula::Fechar_Lacunas(int (&p)[4], int &inicial)
{
    if (p[1] == 0 && p[2] != 0 && p[3] != 0) {
        p[1] = p[2];
        p[2] = p[3];
        p[3] = 0;
        if (inicial > 1)
            --inicial;
    }
    if (p[1] == 0 && p[2] == 0 && p[3] != 0) {
        p[1] = p[3];
        p[3] = 0;
        if (inicial > 1)
            inicial = 1;
    }
    if (p[1] == 0 && p[2] != 0 && p[3] == 0) {
        p[1] = p[2];
        p[2] = 0;
        if (inicial > 1)
            inicial = 1;
    }
    if (p[1] != 0 && p[2] == 0 && p[3] != 0) {
        p[2] = p[3];
        p[3] = 0;
        if (inicial == 3)
            inicial = 2;
    }
    if (p[1] != 0 && p[2] != 0 && p[3] == 0 && inicial == 3)
        inicial = 2;
    if (p[1] != 0 && p[2] == 0 && p[3] == 0 && inicial >= 2)
        inicial = 1;
}

void TConfiguracao_Valvula::ButOKClick()
{
    TComponente &c = *valvula_componente;
    TValvula_Direcional &v = *c.valvula_direcional;
    TLista_Componente &lista = *valvula_lista;

    int p[4] = {0, figuras.figura_posicao[1], figuras.figura_posicao[2], figuras.figura_posicao[3]};
    int inicial = posicao_escolhida;
    Fechar_Lacunas(p, inicial);

    for (bool dir : {ESQ, DIR}) {
        v.definir_mola(dir, mola[dir].marcado);
        v.definir_piloto(dir, piloto[dir].marcado);
        const QString tag = tag_solenoide[dir].trimmed();
        v.definir_solenoide(dir, solenoide[dir].marcado ? (tag.isEmpty() ? tag_padrao(dir) : tag) : QString());
    }
    v.tomada_ar = ar_comprimido;

    // Only a supply docked on the pressure port goes with the box; a wire there stays.
    const int no_suprimento = c.conexao(1);
    if (no_suprimento != LIVRE && !ar_comprimido) {
        const TComponente *s = lista.procurar(no_suprimento);
        if (s && s->familia().fornece_ar())
            lista.remover(no_suprimento);
    }
    // A pilot port without its pilot has nothing to feed.
    for (const auto &[dir, porta] : {std::pair{ESQ, 6}, std::pair{DIR, 7}})
        if (!piloto[dir].marcado && c.conexao(porta) != LIVRE)
            lista.remover(c.conexao(porta));

    v.definir_acao_manual(ESQ, figuras.manual_esq);
    v.definir_acao_manual(DIR, figuras.manual_dir);
    v.definir_acao_mecanica(ESQ, figuras.mecanica_esq);
    v.definir_acao_mecanica(DIR, figuras.mecanica_dir);

    v.descricao = Filtrar_Texto_Arquivo(descricao);
    v.mostrar_nome = mostrar_nome;

    // A name that is a free cylinder label makes the valve that label's limit switch.
    v.rotulo.clear();
    for (const QString &r : rotulos)
        if (r.toUpper() == v.descricao.toUpper())
            v.rotulo = r.trimmed();

    if (p[1] != 0) {
        v.posicao_desenhada = v.posicao_inicial;
        v.posicao_inicial = inicial;
        if (v.acionado_esq)
            v.posicao_desenhada = v.posicao_atual;
        else
            v.posicao_atual = inicial;
        const int ultima = v.numero_vias == 2 ? 2 : 3;
        for (int i = 1; i <= ultima; ++i) {
            // A symbol the valve's way count does not have leaves that square as it was.
            const int codigo = codigo_parte(v.numero_vias, p[i]);
            if (codigo != -2)
                v.definir_parte(i, codigo);
        }
    }

    c.desselecionar();
    c.atualizar_geometria();
}

} // namespace zefira
