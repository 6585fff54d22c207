// The directional valve in files and demonstrations.
#include "componentes/valvula_direcional/familia_valvula_direcional.h"

#include "componentes/campo_arquivo.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/componente.h"

#include <QRegularExpression>

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

TValvula_Direcional &V(C &x) { return *x.componente.valvula_direcional; }
const TValvula_Direcional &V(const TComponente &c) { return *c.valvula_direcional; }

template <int I> void aplicar_parte(C &x, int n, const QString &) { V(x).definir_parte(I, n); }
template <int I> int valor_parte(const TComponente &c)
{
    const TParte *p = V(c).parte(I);
    return p ? p->tipo() : -1;
}
template <int I> TCampo_Arquivo parte(const char *palavra)
{
    return {T::Inteiro, palavra, G::Feminino, aplicar_parte<I>, valor_parte<I>, nullptr, true};
}

template <int P> void ligar(C &x, int n, const QString &) { V(x).ligar(P, n); }
template <int P> int conexao(const TComponente &c) { return V(c).conexao(P); }
template <int P> TCampo_Arquivo conexao_campo(const char *palavra)
{
    return {T::Conexao, palavra, G::Feminino, ligar<P>, conexao<P>, nullptr};
}

template <bool Dir> void aplicar_manual(C &x, int n, const QString &) { V(x).definir_acao_manual(Dir, n); }
template <bool Dir> int valor_manual(const TComponente &c) { return V(c).acao_manual(Dir); }
template <bool Dir> void aplicar_mecanica(C &x, int n, const QString &) { V(x).definir_acao_mecanica(Dir, n); }
template <bool Dir> int valor_mecanica(const TComponente &c) { return V(c).acao_mecanica(Dir); }

// The tag of the solenoid on a side, empty for none: written only by a valve that has one.
template <bool Dir> TCampo_Arquivo solenoide()
{
    TCampo_Arquivo campo{T::Texto, nullptr, G::Masculino,
                         [](C &x, int, const QString &t) { V(x).definir_solenoide(Dir, t.trimmed()); }, nullptr,
                         [](const TComponente &c) { return V(c).solenoide(Dir); }, true};
    campo.opcional = true;
    return campo;
}

TTipo_Arquivo tipo_arquivo()
{
    TCampo_Arquivo vias{T::Inteiro, "Número de Vias", G::Masculino,
                        [](C &x, int n, const QString &) { V(x).numero_vias = n; },
                        [](const TComponente &c) { return V(c).numero_vias; }, nullptr};
    vias.variante = &TVariante::numero_vias;
    // Drawing names a valve worked by a cylinder label after that label; a snapshot takes the
    // name as drawn, so the first drawing of a circuit is no edit.
    TCampo_Arquivo descricao{T::Texto, nullptr, G::Masculino,
                             [](C &x, int, const QString &t) { V(x).descricao = t; }, nullptr,
                             [](const TComponente &c) { return V(c).descricao; }, true};
    descricao.texto_instantaneo = [](const TComponente &c) {
        return V(c).rotulo.isEmpty() ? V(c).descricao : V(c).rotulo;
    };
    return {"Válvula Direcional", false, false, {
        Campo_Codigo(),
        Campo_Nome(),
        {T::Inteiro, "Posição Inicial", G::Feminino, [](C &x, int n, const QString &) { V(x).posicao_inicial = n; },
         [](const TComponente &c) { return V(c).posicao_inicial; }, nullptr, true},
        // A copy keeps the place of its source's drawn square: laying it out re-anchors it.
        {T::Inteiro, "Posição Atual", G::Feminino, [](C &x, int n, const QString &) { V(x).posicao_atual = n; },
         [](const TComponente &c) { return V(c).posicao_atual; }, nullptr, true},
        vias,
        parte<1>("Parte 1"),
        parte<2>("Parte 2"),
        parte<3>("Parte 3"),
        Campo_Selecao(),
        {T::Sinal, "Mola Direita", G::Feminino, [](C &x, int n, const QString &) { V(x).mola_dir = n; },
         [](const TComponente &c) { return int(V(c).mola_dir); }, nullptr, true},
        {T::Sinal, "Mola Esquerda", G::Feminino, [](C &x, int n, const QString &) { V(x).mola_esq = n; },
         [](const TComponente &c) { return int(V(c).mola_esq); }, nullptr, true},
        {T::Sinal, "Piloto Direito", G::Masculino, [](C &x, int n, const QString &) { V(x).piloto_dir = n; },
         [](const TComponente &c) { return int(V(c).piloto_dir); }, nullptr, true},
        {T::Sinal, "Piloto Esquerdo", G::Masculino, [](C &x, int n, const QString &) { V(x).piloto_esq = n; },
         [](const TComponente &c) { return int(V(c).piloto_esq); }, nullptr, true},
        {T::Inteiro, "Ação Manual Direita", G::Feminino, aplicar_manual<true>, valor_manual<true>, nullptr, true},
        {T::Inteiro, "Ação Manual Esquerda", G::Feminino, aplicar_manual<false>, valor_manual<false>, nullptr, true},
        {T::Inteiro, "Ação Mecânica Direita", G::Feminino, aplicar_mecanica<true>, valor_mecanica<true>, nullptr, true},
        {T::Inteiro, "Ação Mecânica Esquerda", G::Feminino, aplicar_mecanica<false>, valor_mecanica<false>, nullptr,
         true},
        {T::Sinal, "Índice Manual", G::Masculino, [](C &x, int n, const QString &) { V(x).indice_manual = n; },
         [](const TComponente &c) { return int(V(c).indice_manual); }, nullptr, true},
        {T::Sinal, "Índice Mecânico", G::Masculino, [](C &x, int n, const QString &) { V(x).indice_mecanico = n; },
         [](const TComponente &c) { return int(V(c).indice_mecanico); }, nullptr, true},
        {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { V(x).rotulo = t; }, nullptr,
         [](const TComponente &c) { return V(c).rotulo; }, true},
        conexao_campo<1>("Conexão 1"),
        conexao_campo<2>("Conexão 2"),
        conexao_campo<3>("Conexão 3"),
        conexao_campo<4>("Conexão 4"),
        conexao_campo<5>("Conexão 5"),
        conexao_campo<6>("Conexão 6"),
        conexao_campo<7>("Conexão 7"),
        {T::Sinal, "Tomada de Ar", G::Feminino, [](C &x, int n, const QString &) { V(x).tomada_ar = n; },
         [](const TComponente &c) { return int(V(c).tomada_ar); }, nullptr, true},
        descricao,
        // Shown by default: "0" hides the name, "1" keeps it shown.
        {T::Sinal, "Mostrar Nome", G::Masculino,
         [](C &x, int n, const QString &) {
             if (!n)
                 V(x).mostrar_nome = false;
         },
         [](const TComponente &c) { return int(V(c).mostrar_nome); }, nullptr, true},
        Campo_Esquerda(),
        Campo_Topo(),
        solenoide<false>(),
        solenoide<true>(),
        {T::Memoria, nullptr, G::Masculino, [](C &x, int n, const QString &) { V(x).retido = n; },
         [](const TComponente &c) { return int(V(c).retido); }, nullptr, true},
        {T::Memoria, nullptr, G::Masculino, [](C &x, int n, const QString &) { V(x).liberado = n; },
         [](const TComponente &c) { return int(V(c).liberado); }, nullptr, true},
    }};
}

// The actuator words of a demonstration row, by code (0: none).
const char *const MANUAIS[] = {"", "Botão", "Botão com Trava", "Alavanca", "Alavanca com Trava", "Pedal"};
const char *const MECANICAS[] = {"", "Pino", "Rolete", "Gatilho"};

int codigo_acionador(const char *const *nomes, int quantidade, const QString &nome)
{
    for (int i = 1; i < quantidade; ++i)
        if (nome == QString::fromUtf8(nomes[i]))
            return i;
    return 0;
}

// Square codes of the two positions: 3 ways open/exhaust, 5 ways parallel/crossed.
int parte_padrao(int numero_vias, int posicao)
{
    if (numero_vias == 3)
        return posicao == 1 ? 4 : 5;
    return posicao == 1 ? 16 : 15;
}

// A demonstration row's settings. Side arrays are indexed [0] left, [1] right.
struct Ajustes {
    bool piloto[2] = {false, false};
    bool mola[2] = {false, false};
    int manual[2] = {0, 0};
    int mecanica[2] = {0, 0};
    QString nome, rotulo;
    QString solenoide[2];
    bool tomada_ar = false;
    int inicial = 2, atual = 2, desenhada = 2;
};

bool ler_ajuste(const QString &ajuste, Ajustes &a)
{
    static const QRegularExpression lado(R"re(^(left|right) (pilot|spring|none|"([^"]*)")$)re");
    static const QRegularExpression texto(R"re(^(name|label) "([^"]*)"$)re");
    static const QRegularExpression posicoes(R"(^initial (\d), current (\d), drawn (\d)$)");
    static const QRegularExpression solenoide(R"re(^(left|right) solenoid "([^"]+)"$)re");
    if (ajuste == QLatin1String("tomada_ar")) {
        a.tomada_ar = true;
    } else if (auto m = solenoide.match(ajuste); m.hasMatch()) {
        a.solenoide[m.captured(1) == QLatin1String("right") ? 1 : 0] = m.captured(2);
    } else if (auto m = lado.match(ajuste); m.hasMatch()) {
        const int s = m.captured(1) == QLatin1String("right") ? 1 : 0;
        if (m.captured(2) == QLatin1String("pilot"))
            a.piloto[s] = true;
        else if (m.captured(2) == QLatin1String("spring"))
            a.mola[s] = true;
        else if (m.captured(2) != QLatin1String("none")) {
            a.manual[s] = codigo_acionador(MANUAIS, 6, m.captured(3));
            a.mecanica[s] = codigo_acionador(MECANICAS, 4, m.captured(3));
            if (a.manual[s] == 0 && a.mecanica[s] == 0)
                return false;
        }
    } else if (auto m = texto.match(ajuste); m.hasMatch()) {
        (m.captured(1) == QLatin1String("name") ? a.nome : a.rotulo) = m.captured(2);
    } else if (auto m = posicoes.match(ajuste); m.hasMatch()) {
        a.inicial = m.captured(1).toInt();
        a.atual = m.captured(2).toInt();
        a.desenhada = m.captured(3).toInt();
    } else {
        return false;
    }
    return true;
}

} // namespace

const TTipo_Arquivo *TFamilia_Valvula_Direcional::arquivo() const
{
    static const TTipo_Arquivo tipo = tipo_arquivo();
    return &tipo;
}

void TFamilia_Valvula_Direcional::concluir_leitura(TComponente &c) const
{
    // The record is laid out afresh for the stored position: nothing to re-anchor.
    c.valvula_direcional->posicao_desenhada = c.valvula_direcional->posicao_atual;
    c.atualizar_geometria();
    // Selecting again shows the actuator pictures in their selected variant.
    if (c.selecionado())
        c.selecionar();
}

bool TFamilia_Valvula_Direcional::palavra_demonstracao(const QString &palavra, TVariante &variante) const
{
    for (int vias : {3, 5})
        if (palavra == QStringLiteral("valve, %1 ways").arg(vias)) {
            variante.numero_vias = vias;
            return true;
        }
    return false;
}

bool TFamilia_Valvula_Direcional::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    Ajustes a;
    int esquerda = 0, topo = 0;
    if (!linha.ler_posicao(esquerda, topo))
        return false;
    for (const QString &ajuste : linha.lista_ajustes())
        if (!ler_ajuste(ajuste, a))
            return false;
    c.codigo = linha.codigo;
    TValvula_Direcional &v = *c.valvula_direcional;
    v.definir_parte(1, parte_padrao(v.numero_vias, 1));
    v.definir_parte(2, parte_padrao(v.numero_vias, 2));
    v.posicao_inicial = a.inicial;
    v.posicao_atual = a.atual;
    v.posicao_desenhada = a.desenhada;
    for (bool dir : {false, true}) {
        v.definir_piloto(dir, a.piloto[dir]);
        v.definir_mola(dir, a.mola[dir]);
        v.definir_acao_manual(dir, a.manual[dir]);
        v.definir_acao_mecanica(dir, a.mecanica[dir]);
        v.definir_solenoide(dir, a.solenoide[dir]);
    }
    v.descricao = a.nome;
    v.rotulo = a.rotulo;
    v.tomada_ar = a.tomada_ar;
    c.esquerda = esquerda;
    c.topo = topo;
    v.recarregar(3);
    c.atualizar_geometria();
    return true;
}

void TFamilia_Valvula_Direcional::ligar_demonstracao(TLista_Componente &, TComponente &) const {}

} // namespace zefira
