// The record, its ports and its editing, shared by every electrical part.
#include "componentes/eletrico/familia_eletrica.h"

#include "componentes/contexto_percurso.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/acoplamento.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"
#include "simbolos/imagens.h"

#include <QRegularExpression>
#include <memory>

namespace zefira {

const TFamilia_Eletrica *TFamilia_Eletrica::eletrica() const { return this; }

void TFamilia_Eletrica::criar(TComponente &c, const TImagens &, const TVariante &variante) const
{
    c.eletrico = std::make_unique<TEletrico>();
    padrao(c, variante.eletrico < 0 ? 0 : variante.eletrico);
}

bool TFamilia_Eletrica::selecionado(const TComponente &c) const { return c.eletrico->selecionado(); }
void TFamilia_Eletrica::selecionar(TComponente &c) const { c.eletrico->selecionar(true); }
void TFamilia_Eletrica::desselecionar(TComponente &c) const { c.eletrico->selecionar(false); }

TDominio TFamilia_Eletrica::dominio(int) const { return TDominio::eletrico; }

int TFamilia_Eletrica::direcao(const TComponente &c, int porta) const
{
    return porta >= 1 && porta <= numero_portas() ? porta_simbolo(c, porta).direcao : 0;
}

int TFamilia_Eletrica::conexao(const TComponente &c, int porta) const
{
    return porta <= numero_portas() ? c.eletrico->conexao(porta) : -1;
}

void TFamilia_Eletrica::ligar(TComponente &c, int porta, int codigo) const
{
    if (porta <= numero_portas())
        c.eletrico->ligar(porta, codigo);
}

void TFamilia_Eletrica::desligar(TComponente &c, int porta) const { ligar(c, porta, -1); }

void TFamilia_Eletrica::atualizar_geometria(TComponente &c) const
{
    const QSize tamanho = c.imagens().tamanho(figura(c));
    c.direita = somar(c.esquerda, tamanho.width());
    c.baixo = somar(c.topo, tamanho.height());
    for (int porta = 1; porta <= numero_portas(); ++porta) {
        const TPorta_Simbolo p = porta_simbolo(c, porta);
        if (p.direcao == 0)
            c.definir_ponto(porta, FORA_DO_DESENHO, FORA_DO_DESENHO);
        else
            c.definir_ponto(porta, somar(c.esquerda, p.x), somar(c.topo, p.y));
    }
}

// The conductors on its ports go with it.
void TFamilia_Eletrica::remover_ligacoes(TLista_Componente &lista, TComponente &r) const
{
    for (int porta = 1; porta <= numero_portas(); ++porta) {
        const int s = r.conexao(porta);
        TComponente *c = s == -1 ? nullptr : lista.procurar(s);
        if (!c || !c->e_fio())
            continue;
        if (c->fio->conexao(true) == r.codigo || c->fio->conexao(false) == r.codigo)
            lista.remover(s);
    }
}

// No air passes an electrical part; a tube never reaches one, and a pressure switch's air port
// ends the line like a pilot port does.
TPasso_Percurso TFamilia_Eletrica::sair(TContexto_Percurso &p, TComponente &, int) const { return p.retornar(false); }
TPasso_Percurso TFamilia_Eletrica::entrar(TContexto_Percurso &p, TComponente &, int) const { return p.retornar(false); }
bool TFamilia_Eletrica::percorrer_uma_vez() const { return false; }
void TFamilia_Eletrica::receber_ar(TContexto_Simulacao &, TComponente &, const TTomada_Ar &) const {}

// -- edição e acoplamento --

int TFamilia_Eletrica::portas_para_fio(const TComponente &) const { return numero_portas(); }
bool TFamilia_Eletrica::portas_juntas() const { return false; }
void TFamilia_Eletrica::ligar_fio(TComponente &c, int porta, int codigo) const { c.ligar(porta, codigo); }

TFamilia::TComandos TFamilia_Eletrica::comandos(const TComponente &c) const
{
    TComandos k;
    k.liberar = dialogo_propriedades(c).isEmpty();
    return k;
}

bool TFamilia_Eletrica::rotacionar(TComponente &) const { return false; }
bool TFamilia_Eletrica::acoplavel() const { return false; }
bool TFamilia_Eletrica::fornece_ar() const { return false; }
int TFamilia_Eletrica::recuo_acoplado() const { return 0; }
void TFamilia_Eletrica::prender(TComponente &, int, int) const {}
bool TFamilia_Eletrica::encaixar(TLista_Componente &, TComponente &) const { return false; }
bool TFamilia_Eletrica::acolhe(const TComponente &) const { return false; }
bool TFamilia_Eletrica::acoplar(TComponente &, TComponente &) const { return false; }
TFamilia::TEncaixe TFamilia_Eletrica::encaixe(const TComponente &hospedeiro, int porta) const
{
    return Sob_Porta(hospedeiro, porta);
}
bool TFamilia_Eletrica::leva_ligacoes_dos_acoplados() const { return false; }
TComponente *TFamilia_Eletrica::alimentar(TLista_Componente &, TComponente &) const { return nullptr; }

// -- paleta --

// A new part takes the first free number after its prefix among the parts of its family: a
// second button placed is S2.
void TFamilia_Eletrica::posicionar(TLista_Componente &lista, TComponente &c, const TVariante &variante) const
{
    padrao(c, variante.eletrico < 0 ? 0 : variante.eletrico);
    const QString prefixo = prefixo_tag(c);
    if (!prefixo.isEmpty()) {
        for (int n = 1;; ++n) {
            const QString tag = prefixo + QString::number(n);
            bool usada = false;
            for (int i = 0; i < lista.numero_componentes() && !usada; ++i) {
                const TComponente &o = lista[i];
                usada = &o != &c && &o.familia() == this && o.eletrico->tag.compare(tag, Qt::CaseInsensitive) == 0;
            }
            if (!usada) {
                c.eletrico->tag = tag;
                break;
            }
        }
    }
    c.atualizar_geometria();
}

// -- arquivo e demonstrações --

void TFamilia_Eletrica::concluir_leitura(TComponente &c) const { c.atualizar_geometria(); }
bool TFamilia_Eletrica::palavra_demonstracao(const QString &p, TVariante &) const
{
    return p == QLatin1String(palavra());
}

// Settings: `mode N` (the kind within the family, first), `tag "S1"`, `nf`, `label "a1"`,
// `time N` (ms), `preset N`.
bool TFamilia_Eletrica::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    static const QRegularExpression texto(R"re(^(tag|label) "([^"]*)"$)re");
    static const QRegularExpression numero(R"(^(mode|time|preset) (\d+)$)");
    int esquerda = 0, topo = 0;
    if (!linha.ler_posicao(esquerda, topo))
        return false;
    c.codigo = linha.codigo;
    c.esquerda = esquerda;
    c.topo = topo;
    TEletrico &e = *c.eletrico;
    for (const QString &ajuste : linha.lista_ajustes()) {
        if (ajuste == QLatin1String("nf")) {
            e.nf = true;
        } else if (auto m = texto.match(ajuste); m.hasMatch()) {
            (m.captured(1) == QLatin1String("tag") ? e.tag : e.rotulo) = m.captured(2);
        } else if (auto m = numero.match(ajuste); m.hasMatch()) {
            const int n = m.captured(2).toInt();
            if (m.captured(1) == QLatin1String("mode")) // the kind's defaults, then what follows
                padrao(c, n);
            else
                (m.captured(1) == QLatin1String("time") ? e.tempo : e.preset) = n;
        } else {
            return false;
        }
    }
    c.atualizar_geometria();
    return true;
}

void TFamilia_Eletrica::ligar_demonstracao(TLista_Componente &, TComponente &) const {}

} // namespace zefira
