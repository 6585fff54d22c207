#include "demonstracoes/demonstracoes.h"

#include "demonstracoes/tabelas_demonstracoes.h"
#include "documento/comandos_documento.h"
#include "documento/historico_documento.h"

#include <memory>

namespace zefira {

namespace {

std::vector<const TTabelaDemonstracao *> todas()
{
    std::vector<const TTabelaDemonstracao *> t;
    for (const auto &d : Tabelas_Basicas())
        t.push_back(&d);
    for (const auto &d : Tabelas_Sequenciais())
        t.push_back(&d);
    return t;
}

// Square codes of the two positions: 3 ways open/exhaust, 5 ways parallel/crossed.
int parte_padrao(int numero_vias, int posicao)
{
    if (numero_vias == 3)
        return posicao == 1 ? 4 : 5;
    return posicao == 1 ? 16 : 15;
}

void acrescentar(TEstado &estado, const std::shared_ptr<TComponente> &c)
{
    estado.lista().adicionar_existente(c, false, false);
    estado.componente_atual = c;
}

void construir_valvula(TEstado &estado, const TEntradaDemo &e)
{
    auto c = std::make_shared<TComponente>(estado.imagens, -1, -1, -1, -1, -1, -1, TIPO_VALVULA_DIRECIONAL);
    c->codigo = e.codigo;
    c->nome = QStringLiteral("Válvula de %1 vias").arg(e.numero_vias);
    TValvula_Direcional &v = *c->valvula_direcional;
    v.numero_vias = e.numero_vias;
    v.definir_parte(1, parte_padrao(e.numero_vias, 1));
    v.definir_parte(2, parte_padrao(e.numero_vias, 2));
    v.posicao_inicial = e.inicial;
    v.posicao_atual = e.atual;
    v.posicao_desenhada = e.desenhada;
    for (bool dir : {false, true}) {
        v.definir_piloto(dir, e.piloto[dir]);
        v.definir_mola(dir, e.mola[dir]);
        v.definir_acao_manual(dir, e.manual[dir]);
        v.definir_acao_mecanica(dir, e.mecanica[dir]);
    }
    v.descricao = e.nome;
    v.rotulo = e.rotulo;
    v.tomada_ar = e.tomada_ar;
    c->esquerda = e.esquerda;
    c->topo = e.topo;
    v.recarregar(3);
    c->atualizar_geometria();
    acrescentar(estado, c);
}

void construir_cilindro(TEstado &estado, const TEntradaDemo &e)
{
    auto c = std::make_shared<TComponente>(estado.imagens, -1, -1, -1, -1, -1, -1, TIPO_CILINDRO);
    c->codigo = e.codigo;
    c->nome = QStringLiteral("Cilindro");
    TCilindro &ci = *c->cilindro;
    ci.definir_tipo(e.tipo_cilindro);
    ci.posicao = 0;
    ci.pistao = 100;
    ci.haste = 40;
    ci.nome = e.nome;
    for (int i = 1; i <= NUMERO_ROTULOS; ++i)
        ci.definir_rotulo(i, e.rotulos[i - 1].texto, e.rotulos[i - 1].posicao);
    c->esquerda = e.esquerda;
    c->topo = e.topo;
    ci.recarregar();
    c->atualizar_geometria();
    acrescentar(estado, c);
}

void construir_simples(TEstado &estado, const TEntradaDemo &e)
{
    auto c = std::make_shared<TComponente>(estado.imagens, -1, e.tipo_e_ou, -1, -1, -1, -1, e.tipo);
    c->codigo = e.codigo;
    c->esquerda = e.esquerda;
    c->topo = e.topo;
    if (c->valvula_e_ou_esc_reg) {
        c->valvula_e_ou_esc_reg->definir_estado(1);
        c->valvula_e_ou_esc_reg->vazao = 1000;
    } else if (c->jump) {
        c->jump->recarregar();
    }
    c->atualizar_geometria();
    acrescentar(estado, c);
}

void construir_fio(TEstado &estado, const TEntradaDemo &e)
{
    auto c = std::make_shared<TComponente>(estado.imagens, -1, -1, -1, -1, -1, -1, TIPO_FIO);
    c->codigo = e.codigo;
    c->fio->ligar(true, e.origem, e.pino_origem);
    c->fio->ligar(false, e.destino, e.pino_destino);
    for (const TPonto &p : e.pontos)
        c->fio->adicionar_ponto(p);
    acrescentar(estado, c);
}

// Every port a wire's end names holds the wire's code; a valve's port 1 holds its supply's.
void ligar_portas(TEstado &estado, const std::vector<TEntradaDemo> &entradas)
{
    TLista_Componente &lista = estado.lista();
    for (const TEntradaDemo &e : entradas) {
        if (e.tipo == TIPO_FIO) {
            if (TComponente *o = lista.procurar(e.origem))
                o->ligar(e.pino_origem, e.codigo);
            if (TComponente *d = lista.procurar(e.destino))
                d->ligar(e.pino_destino, e.codigo);
        } else if (e.tipo == TIPO_TOMADA_AR) {
            if (TComponente *v = lista.procurar(e.valvula))
                v->ligar(e.pino, e.codigo);
        }
    }
}

} // namespace

QStringList Nomes_Demonstracoes()
{
    QStringList nomes;
    for (const TTabelaDemonstracao *t : todas())
        nomes << QString::fromLatin1(t->nome);
    return nomes;
}

const TTabelaDemonstracao *Tabela_Demonstracao(const QString &nome)
{
    for (const TTabelaDemonstracao *t : todas())
        if (nome == QLatin1String(t->nome))
            return t;
    return nullptr;
}

TComponente &CriarTomadaAr(TEstado &estado, int codigo, int pressao, int conexao, int pino, int esquerda, int topo)
{
    auto c = std::make_shared<TComponente>(estado.imagens, -1, -1, -1, -1, -1, -1, TIPO_TOMADA_AR);
    c->codigo = codigo;
    c->nome = QStringLiteral("Tomada de Ar");
    c->tomada_ar->pressao = pressao;
    c->tomada_ar->ligar(conexao, pino);
    c->esquerda = esquerda;
    c->topo = topo;
    c->tomada_ar->recarregar();
    c->atualizar_geometria();
    acrescentar(estado, c);
    return *c;
}

bool Construir_Demonstracao(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    const TTabelaDemonstracao *tabela = Tabela_Demonstracao(nome);
    std::vector<TEntradaDemo> entradas;
    if (!tabela || !Ler_Tabela_Demonstracao(tabela->linhas, entradas))
        return false;

    estado.novo_confirmado = true;
    novoClick(estado, ui);
    if (!estado.novo_confirmado)
        return false;
    estado.nome_documento = QString::fromUtf8(tabela->titulo);

    for (const TEntradaDemo &e : entradas) {
        switch (e.tipo) {
        case TIPO_VALVULA_DIRECIONAL: construir_valvula(estado, e); break;
        case TIPO_CILINDRO: construir_cilindro(estado, e); break;
        case TIPO_TOMADA_AR: CriarTomadaAr(estado, e.codigo, 6, e.valvula, e.pino, e.esquerda, e.topo); break;
        case TIPO_FIO: construir_fio(estado, e); break;
        default: construir_simples(estado, e); break;
        }
    }
    ligar_portas(estado, entradas);
    // A demonstration starts a fresh history: undo stops at the circuit as built.
    Iniciar_Historico(estado);
    return true;
}

} // namespace zefira
