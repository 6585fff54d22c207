#include "componentes/eletrico/arquivo_eletrico.h"

#include "modelo/componente.h"

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

TEletrico &E(C &x) { return *x.componente.eletrico; }
const TEletrico &E(const TComponente &c) { return *c.eletrico; }

TCampo_Arquivo numero(const char *palavra, G genero, void (*aplicar)(C &, int, const QString &),
                      int (*valor)(const TComponente &), int minimo, int maximo)
{
    TCampo_Arquivo campo{T::Inteiro, palavra, genero, aplicar, valor, nullptr, true};
    campo.minimo = minimo;
    campo.maximo = maximo;
    return campo;
}

} // namespace

TCampo_Arquivo Campo_Tag()
{
    return {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { E(x).tag = t; }, nullptr,
            [](const TComponente &c) { return E(c).tag; }, true};
}

TCampo_Arquivo Campo_Modo(int maximo)
{
    return numero("Modo", G::Masculino, [](C &x, int n, const QString &) { E(x).modo = n; },
                  [](const TComponente &c) { return E(c).modo; }, 0, maximo);
}

TCampo_Arquivo Campo_NF()
{
    return {T::Sinal, "Contato NF", G::Masculino, [](C &x, int n, const QString &) { E(x).nf = n != 0; },
            [](const TComponente &c) { return int(E(c).nf); }, nullptr, true};
}

TCampo_Arquivo Campo_Rotulo()
{
    return {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { E(x).rotulo = t; }, nullptr,
            [](const TComponente &c) { return E(c).rotulo; }, true};
}

// Up to one hour, in ms.
TCampo_Arquivo Campo_Tempo()
{
    return numero("Tempo", G::Masculino, [](C &x, int n, const QString &) { E(x).tempo = n; },
                  [](const TComponente &c) { return E(c).tempo; }, 0, 3600000);
}

TCampo_Arquivo Campo_Preset()
{
    return numero("Pré-seleção", G::Feminino, [](C &x, int n, const QString &) { E(x).preset = n; },
                  [](const TComponente &c) { return E(c).preset; }, 1, 9999);
}

TCampo_Arquivo Campo_Conexao_Eletrica(int porta)
{
    // The reader hands each field only the value, so the port is told by the field's place.
    static void (*const APLICAR[])(C &, int, const QString &) = {
        [](C &x, int n, const QString &) { E(x).ligar(1, n); }, [](C &x, int n, const QString &) { E(x).ligar(2, n); },
        [](C &x, int n, const QString &) { E(x).ligar(3, n); }, [](C &x, int n, const QString &) { E(x).ligar(4, n); }};
    static int (*const VALOR[])(const TComponente &) = {
        [](const TComponente &c) { return E(c).conexao(1); }, [](const TComponente &c) { return E(c).conexao(2); },
        [](const TComponente &c) { return E(c).conexao(3); }, [](const TComponente &c) { return E(c).conexao(4); }};
    static const char *const PALAVRA[] = {"Conexão 1", "Conexão 2", "Conexão 3", "Conexão 4"};
    return {T::Conexao, PALAVRA[porta - 1], G::Feminino, APLICAR[porta - 1], VALOR[porta - 1], nullptr};
}

} // namespace zefira
