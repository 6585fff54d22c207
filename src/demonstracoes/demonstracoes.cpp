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
    for (const auto &d : Tabelas_Eletricas())
        t.push_back(&d);
    return t;
}

void acrescentar(TEstado &estado, const std::shared_ptr<TComponente> &c)
{
    estado.lista().adicionar_existente(c, false, false);
    estado.componente_atual = c;
}

void acrescentar_lidos(TEstado &estado, const std::vector<std::shared_ptr<TComponente>> &componentes)
{
    for (const std::shared_ptr<TComponente> &c : componentes)
        acrescentar(estado, c);
    // Every port a wire's end names holds the wire's code; a valve's port 1 holds its supply's.
    for (const std::shared_ptr<TComponente> &c : componentes)
        c->familia().ligar_demonstracao(estado.lista(), *c);
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

bool Acrescentar_Tabela(TEstado &estado, const char *linhas, QString *erro)
{
    std::vector<std::shared_ptr<TComponente>> componentes;
    if (!Ler_Tabela_Demonstracao(linhas, estado.imagens, componentes, erro))
        return false;
    acrescentar_lidos(estado, componentes);
    return true;
}

bool Construir_Demonstracao(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    const TTabelaDemonstracao *tabela = Tabela_Demonstracao(nome);
    std::vector<std::shared_ptr<TComponente>> componentes;
    if (!tabela || !Ler_Tabela_Demonstracao(tabela->linhas, estado.imagens, componentes))
        return false;

    estado.novo_confirmado = true;
    novoClick(estado, ui);
    if (!estado.novo_confirmado)
        return false;
    estado.nome_documento = QString::fromUtf8(tabela->titulo);
    acrescentar_lidos(estado, componentes);
    // A demonstration starts a fresh history: undo stops at the circuit as built.
    Iniciar_Historico(estado);
    return true;
}

} // namespace zefira
