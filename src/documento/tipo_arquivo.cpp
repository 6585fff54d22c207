#include "documento/tipo_arquivo.h"

#include "documento/campos_linha.h"
#include "documento/linhas_arquivo.h"

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

QString numero(int v) { return QString::number(v); }
QString sinal(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

TValvula_Direcional &V(C &x) { return *x.componente.valvula_direcional; }
TCilindro &Ci(C &x) { return *x.componente.cilindro; }
TTomada_Ar &Ta(C &x) { return *x.componente.tomada_ar; }
TValvula_E_OU_ESC_REG &E(C &x) { return *x.componente.valvula_e_ou_esc_reg; }
TFio &F(C &x) { return *x.componente.fio; }

// --- fields every kind but the wire shares ---
const TCampo_Arquivo CODIGO{T::Inteiro, "Código", G::Masculino,
                            [](C &x, int n, const QString &) { return x.componente.codigo = n, true; },
                            [](const TComponente &c) { return numero(c.codigo); }};
const TCampo_Arquivo NOME{T::Texto, nullptr, G::Masculino,
                          [](C &x, int, const QString &t) { return x.componente.nome = t, true; },
                          [](const TComponente &c) { return c.nome; }};
const TCampo_Arquivo SELECAO{T::Sinal, "Seleção", G::Feminino,
                             [](C &x, int n, const QString &) {
                                 if (n)
                                     x.componente.selecionar();
                                 return true;
                             },
                             [](const TComponente &c) { return sinal(c.selecionado()); }, true};
const TCampo_Arquivo ESQUERDA{T::Inteiro, "Esquerda", G::Feminino,
                              [](C &x, int n, const QString &) { return x.componente.esquerda = n, true; },
                              [](const TComponente &c) { return numero(c.esquerda); }};
const TCampo_Arquivo TOPO{T::Inteiro, "Topo", G::Masculino,
                          [](C &x, int n, const QString &) { return x.componente.topo = n, true; },
                          [](const TComponente &c) { return numero(c.topo); }};

// --- directional valve ---
template <int I> bool aplicar_parte(C &x, int n, const QString &) { return V(x).definir_parte(I, n), true; }
template <int I> QString valor_parte(const TComponente &c)
{
    const TParte *p = c.valvula_direcional->parte(I);
    return numero(p ? p->tipo() : -1);
}
template <int P> bool ligar_valvula(C &x, int n, const QString &) { return V(x).ligar(P, n), true; }
template <int P> QString conexao_valvula(const TComponente &c) { return numero(c.valvula_direcional->conexao(P)); }

template <bool Dir> bool aplicar_manual(C &x, int n, const QString &) { return V(x).definir_acao_manual(Dir, n), true; }
template <bool Dir> QString valor_manual(const TComponente &c) { return numero(c.valvula_direcional->acao_manual(Dir)); }
template <bool Dir> bool aplicar_mecanica(C &x, int n, const QString &)
{
    return V(x).definir_acao_mecanica(Dir, n), true;
}
template <bool Dir> QString valor_mecanica(const TComponente &c)
{
    return numero(c.valvula_direcional->acao_mecanica(Dir));
}

template <int P> TCampo_Arquivo conexao_valvula_campo(const char *palavra)
{
    return {T::Conexao, palavra, G::Feminino, ligar_valvula<P>, conexao_valvula<P>};
}

std::vector<TCampo_Arquivo> campos_valvula()
{
    return {
        CODIGO,
        NOME,
        {T::Inteiro, "Posição Inicial", G::Feminino,
         [](C &x, int n, const QString &) { return V(x).posicao_inicial = n, true; },
         [](const TComponente &c) { return numero(c.valvula_direcional->posicao_inicial); }},
        {T::Inteiro, "Posição Atual", G::Feminino,
         [](C &x, int n, const QString &) {
             // The record is laid out afresh for the stored position: nothing to re-anchor.
             V(x).posicao_atual = n;
             V(x).posicao_desenhada = n;
             return true;
         },
         [](const TComponente &c) { return numero(c.valvula_direcional->posicao_atual); }},
        {T::Inteiro, "Número de Vias", G::Masculino,
         [](C &x, int n, const QString &) { return V(x).numero_vias = n, true; },
         [](const TComponente &c) { return numero(c.valvula_direcional->numero_vias); }},
        {T::Inteiro, "Parte 1", G::Feminino, aplicar_parte<1>, valor_parte<1>},
        {T::Inteiro, "Parte 2", G::Feminino, aplicar_parte<2>, valor_parte<2>},
        {T::Inteiro, "Parte 3", G::Feminino, aplicar_parte<3>, valor_parte<3>},
        SELECAO,
        {T::Sinal, "Mola Direita", G::Feminino, [](C &x, int n, const QString &) { return V(x).mola_dir = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->mola_dir); }},
        {T::Sinal, "Mola Esquerda", G::Feminino, [](C &x, int n, const QString &) { return V(x).mola_esq = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->mola_esq); }},
        {T::Sinal, "Piloto Direito", G::Masculino,
         [](C &x, int n, const QString &) { return V(x).piloto_dir = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->piloto_dir); }},
        {T::Sinal, "Piloto Esquerdo", G::Masculino,
         [](C &x, int n, const QString &) { return V(x).piloto_esq = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->piloto_esq); }},
        {T::Inteiro, "Ação Manual Direita", G::Feminino, aplicar_manual<true>, valor_manual<true>},
        {T::Inteiro, "Ação Manual Esquerda", G::Feminino, aplicar_manual<false>, valor_manual<false>},
        {T::Inteiro, "Ação Mecânica Direita", G::Feminino, aplicar_mecanica<true>, valor_mecanica<true>},
        {T::Inteiro, "Ação Mecânica Esquerda", G::Feminino, aplicar_mecanica<false>, valor_mecanica<false>},
        {T::Sinal, "Índice Manual", G::Masculino,
         [](C &x, int n, const QString &) { return V(x).indice_manual = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->indice_manual); }},
        {T::Sinal, "Índice Mecânico", G::Masculino,
         [](C &x, int n, const QString &) { return V(x).indice_mecanico = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->indice_mecanico); }},
        {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { return V(x).rotulo = t, true; },
         [](const TComponente &c) { return c.valvula_direcional->rotulo; }},
        conexao_valvula_campo<1>("Conexão 1"),
        conexao_valvula_campo<2>("Conexão 2"),
        conexao_valvula_campo<3>("Conexão 3"),
        conexao_valvula_campo<4>("Conexão 4"),
        conexao_valvula_campo<5>("Conexão 5"),
        conexao_valvula_campo<6>("Conexão 6"),
        conexao_valvula_campo<7>("Conexão 7"),
        {T::Sinal, "Tomada de Ar", G::Feminino, [](C &x, int n, const QString &) { return V(x).tomada_ar = n, true; },
         [](const TComponente &c) { return sinal(c.valvula_direcional->tomada_ar); }},
        // Drawing names a valve worked by a cylinder label after that label; a snapshot takes the
        // name as drawn, so the first drawing of a circuit is no edit.
        {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { return V(x).descricao = t, true; },
         [](const TComponente &c) { return c.valvula_direcional->descricao; }, false,
         [](const TComponente &c) {
             const TValvula_Direcional &v = *c.valvula_direcional;
             return v.rotulo.isEmpty() ? v.descricao : v.rotulo;
         }},
        // Shown by default: "0" hides the name, "1" keeps it shown.
        {T::Sinal, "Mostrar Nome", G::Masculino,
         [](C &x, int n, const QString &) {
             if (!n)
                 V(x).mostrar_nome = false;
             return true;
         },
         [](const TComponente &c) { return sinal(c.valvula_direcional->mostrar_nome); }},
        ESQUERDA,
        TOPO,
    };
}

// --- cylinder ---
template <int I> bool aplicar_texto_rotulo(C &x, int, const QString &t) { return Ci(x).definir_rotulo(I, t, 0), true; }
template <int I> QString valor_texto_rotulo(const TComponente &c) { return c.cilindro->rotulo(I).texto; }
template <int I> bool aplicar_posicao_rotulo(C &x, int n, const QString &)
{
    return Ci(x).definir_rotulo(I, Ci(x).rotulo(I).texto, n), true;
}
template <int I> QString valor_posicao_rotulo(const TComponente &c) { return numero(c.cilindro->rotulo(I).posicao); }
template <int I> TCampo_Arquivo texto_rotulo()
{
    return {T::Texto, nullptr, G::Masculino, aplicar_texto_rotulo<I>, valor_texto_rotulo<I>};
}
template <int I> TCampo_Arquivo posicao_rotulo(const char *palavra)
{
    return {T::Inteiro, palavra, G::Feminino, aplicar_posicao_rotulo<I>, valor_posicao_rotulo<I>};
}

std::vector<TCampo_Arquivo> campos_cilindro()
{
    return {
        CODIGO,
        NOME,
        {T::Inteiro, "Posição", G::Feminino, [](C &x, int n, const QString &) { return Ci(x).posicao = n, true; },
         [](const TComponente &c) { return numero(c.cilindro->posicao); }},
        {T::Inteiro, "Pistão", G::Masculino, [](C &x, int n, const QString &) { return Ci(x).pistao = n, true; },
         [](const TComponente &c) { return numero(c.cilindro->pistao); }},
        {T::Inteiro, "Haste", G::Feminino, [](C &x, int n, const QString &) { return Ci(x).haste = n, true; },
         [](const TComponente &c) { return numero(c.cilindro->haste); }},
        SELECAO,
        {T::Conexao, "Conexão 1", G::Feminino, [](C &x, int n, const QString &) { return Ci(x).ligar(true, n), true; },
         [](const TComponente &c) { return numero(c.cilindro->conexao(true)); }},
        {T::Conexao, "Conexão 2", G::Feminino,
         [](C &x, int n, const QString &) { return Ci(x).ligar(false, n), true; },
         [](const TComponente &c) { return numero(c.cilindro->conexao(false)); }},
        {T::Inteiro, "Tipo", G::Masculino, [](C &x, int n, const QString &) { return Ci(x).definir_tipo(n), true; },
         [](const TComponente &c) { return numero(c.cilindro->tipo()); }},
        texto_rotulo<1>(),
        texto_rotulo<2>(),
        texto_rotulo<3>(),
        texto_rotulo<4>(),
        texto_rotulo<5>(),
        texto_rotulo<6>(),
        posicao_rotulo<1>("Posição do rótulo 1"),
        posicao_rotulo<2>("Posição do rótulo 2"),
        posicao_rotulo<3>("Posição do rótulo 3"),
        posicao_rotulo<4>("Posição do rótulo 4"),
        posicao_rotulo<5>("Posição do rótulo 5"),
        posicao_rotulo<6>("Posição do rótulo 6"),
        {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { return Ci(x).nome = t, true; },
         [](const TComponente &c) { return c.cilindro->nome; }},
        ESQUERDA,
        TOPO,
    };
}

// --- air supply ---
std::vector<TCampo_Arquivo> campos_tomada()
{
    return {
        CODIGO,
        NOME,
        SELECAO,
        {T::Inteiro, "Pressão", G::Feminino, [](C &x, int n, const QString &) { return Ta(x).pressao = n, true; },
         [](const TComponente &c) { return numero(c.tomada_ar->pressao); }},
        {T::Inteiro, "Conexão", G::Feminino, [](C &x, int n, const QString &) { return Ta(x).ligar(n, -1), true; },
         [](const TComponente &c) { return numero(c.tomada_ar->conexao); }},
        {T::Inteiro, "Pino", G::Masculino, [](C &x, int n, const QString &) { return Ta(x).pino = n, true; },
         [](const TComponente &c) { return numero(c.tomada_ar->pino); }},
        ESQUERDA,
        TOPO,
    };
}

// --- AND / OR / quick exhaust / flow regulator ---
template <int P> bool ligar_e_ou(C &x, int n, const QString &) { return E(x).ligar(P, n), true; }
template <int P> QString conexao_e_ou(const TComponente &c) { return numero(c.valvula_e_ou_esc_reg->conexao(P)); }

std::vector<TCampo_Arquivo> campos_e_ou()
{
    return {
        CODIGO,
        NOME,
        {T::Inteiro, "Estado", G::Masculino, [](C &x, int n, const QString &) { return E(x).definir_estado(n), true; },
         [](const TComponente &c) { return numero(c.valvula_e_ou_esc_reg->estado()); }},
        {T::Inteiro, "Vazão", G::Feminino, [](C &x, int n, const QString &) { return E(x).vazao = n, true; },
         [](const TComponente &c) { return numero(c.valvula_e_ou_esc_reg->vazao); }},
        SELECAO,
        {T::Conexao, "Conexão 1", G::Feminino, ligar_e_ou<1>, conexao_e_ou<1>},
        {T::Conexao, "Conexão 2", G::Feminino, ligar_e_ou<2>, conexao_e_ou<2>},
        {T::Conexao, "Conexão 3", G::Feminino, ligar_e_ou<3>, conexao_e_ou<3>},
        {T::Inteiro, "Tipo", G::Masculino, [](C &x, int n, const QString &) { return E(x).definir_tipo(n), true; },
         [](const TComponente &c) { return numero(c.valvula_e_ou_esc_reg->tipo()); }},
        // Only a regulator records the port its port 1 is docked on.
        {T::Inteiro, "Pino", G::Masculino,
         [](C &x, int n, const QString &) {
             if (E(x).tipo() == EOU_REGULADORA)
                 E(x).ligar(1, E(x).conexao(1), n);
             return true;
         },
         [](const TComponente &c) { return numero(c.valvula_e_ou_esc_reg->pino); }},
        ESQUERDA,
        TOPO,
    };
}

// --- wire ---
// An end is attached only when its connection is not "-1"; its port number comes first.
bool pino_fio(C &x, int n, const QString &) { return x.pino_pendente = n, true; }
template <bool Origem> bool ligar_fio(C &x, int n, const QString &) { return F(x).ligar(Origem, n, x.pino_pendente), true; }

// The point lines follow the data line, one "x y" each, the origin end first. Points are
// appended as they are read, so a huge count in a short file costs nothing before it fails.
bool ler_pontos(C &x, int n, const QString &)
{
    for (int i = 0; i < n; ++i) {
        QString linha;
        if (!x.linhas.proxima(linha))
            return false;
        TCampos_Linha campos(aparar(linha));
        QString tx, ty;
        int px = 0, py = 0;
        if (!campos.proximo_simples(tx) || !campos.proximo_simples(ty) || !converter_inteiro(tx, px) ||
            !converter_inteiro(ty, py))
            return false;
        F(x).adicionar_ponto(px, py);
    }
    return true;
}

std::vector<TCampo_Arquivo> campos_fio()
{
    return {
        CODIGO,
        {T::Inteiro, "Pino", G::Masculino, pino_fio, [](const TComponente &c) { return numero(c.fio->pino_destino); }},
        {T::Conexao, "Conexão", G::Feminino, ligar_fio<false>,
         [](const TComponente &c) { return numero(c.fio->conexao_destino); }},
        {T::Inteiro, "Pino", G::Masculino, pino_fio, [](const TComponente &c) { return numero(c.fio->pino_origem); }},
        {T::Conexao, "Conexão", G::Feminino, ligar_fio<true>,
         [](const TComponente &c) { return numero(c.fio->conexao_origem); }},
        SELECAO,
        {T::Inteiro, "Pontos", G::Plural, ler_pontos, [](const TComponente &c) { return numero(c.fio->numero_pontos()); }},
    };
}

// --- jump ---
template <int P> bool ligar_jump(C &x, int n, const QString &) { return x.componente.jump->ligar(P, n), true; }
template <int P> QString conexao_jump(const TComponente &c) { return numero(c.jump->conexao(P)); }

std::vector<TCampo_Arquivo> campos_jump()
{
    return {
        CODIGO,
        NOME,
        SELECAO,
        {T::Conexao, "Conexão", G::Feminino, ligar_jump<1>, conexao_jump<1>},
        {T::Conexao, "Conexão", G::Feminino, ligar_jump<2>, conexao_jump<2>},
        {T::Conexao, "Conexão", G::Feminino, ligar_jump<3>, conexao_jump<3>},
        {T::Conexao, "Conexão", G::Feminino, ligar_jump<4>, conexao_jump<4>},
        ESQUERDA,
        TOPO,
    };
}

const std::vector<TTipo_Arquivo> &tipos()
{
    static const std::vector<TTipo_Arquivo> tabela = {
        {TIPO_VALVULA_DIRECIONAL, "Válvula Direcional", false, false, campos_valvula()},
        {TIPO_TOMADA_AR, "Tomada de Ar", false, false, campos_tomada()},
        {TIPO_CILINDRO, "Cilindro", false, false, campos_cilindro()},
        {TIPO_FIO, "Fio de Energia", true, true, campos_fio()},
        {TIPO_E_OU_ESC_REG, "Válvula E/OU/ESC/REG", false, false, campos_e_ou()},
        {TIPO_JUMP, "Jump", true, false, campos_jump()},
    };
    return tabela;
}

} // namespace

const TTipo_Arquivo *TTipo_Arquivo::por_tipo(int tipo)
{
    for (const TTipo_Arquivo &t : tipos())
        if (t.tipo == tipo)
            return &t;
    return nullptr;
}

const TTipo_Arquivo *TTipo_Arquivo::por_linha(const QString &linha)
{
    const QByteArray utf8 = linha.toUtf8();
    for (const TTipo_Arquivo &t : tipos())
        if (utf8 == t.linha)
            return &t;
    return nullptr;
}

} // namespace zefira
