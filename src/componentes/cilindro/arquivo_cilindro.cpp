// The cylinder in files and demonstrations.
#include "componentes/cilindro/familia_cilindro.h"

#include "componentes/campo_arquivo.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/componente.h"

#include <QRegularExpression>

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

TCilindro &Ci(C &x) { return *x.componente.cilindro; }
const TCilindro &Ci(const TComponente &c) { return *c.cilindro; }

template <int I> TCampo_Arquivo texto_rotulo()
{
    return {T::Texto, nullptr, G::Masculino,
            [](C &x, int, const QString &t) { Ci(x).definir_rotulo(I, t, 0); }, nullptr,
            [](const TComponente &c) { return Ci(c).rotulo(I).texto; }, true};
}
template <int I> TCampo_Arquivo posicao_rotulo(const char *palavra)
{
    return {T::Inteiro, palavra, G::Feminino,
            [](C &x, int n, const QString &) { Ci(x).definir_rotulo(I, Ci(x).rotulo(I).texto, n); },
            [](const TComponente &c) { return Ci(c).rotulo(I).posicao; }, nullptr, true};
}
template <bool Dir> TCampo_Arquivo conexao(const char *palavra)
{
    return {T::Conexao, palavra, G::Feminino, [](C &x, int n, const QString &) { Ci(x).ligar(Dir, n); },
            [](const TComponente &c) { return Ci(c).conexao(Dir); }, nullptr};
}

TTipo_Arquivo tipo_arquivo()
{
    TCampo_Arquivo tipo{T::Inteiro, "Tipo", G::Masculino, [](C &x, int n, const QString &) { Ci(x).definir_tipo(n); },
                        [](const TComponente &c) { return Ci(c).tipo(); }, nullptr};
    tipo.variante = &TVariante::tipo_cilindro;
    return {"Cilindro", false, false, {
        Campo_Codigo(),
        Campo_Nome(),
        {T::Inteiro, "Posição", G::Feminino, [](C &x, int n, const QString &) { Ci(x).posicao = n; },
         [](const TComponente &c) { return Ci(c).posicao; }, nullptr, true},
        {T::Inteiro, "Pistão", G::Masculino, [](C &x, int n, const QString &) { Ci(x).pistao = n; },
         [](const TComponente &c) { return Ci(c).pistao; }, nullptr, true},
        {T::Inteiro, "Haste", G::Feminino, [](C &x, int n, const QString &) { Ci(x).haste = n; },
         [](const TComponente &c) { return Ci(c).haste; }, nullptr, true},
        Campo_Selecao(),
        conexao<true>("Conexão 1"),
        conexao<false>("Conexão 2"),
        tipo,
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
        {T::Texto, nullptr, G::Masculino, [](C &x, int, const QString &t) { Ci(x).nome = t; }, nullptr,
         [](const TComponente &c) { return Ci(c).nome; }, true},
        Campo_Esquerda(),
        Campo_Topo(),
        {T::Memoria, nullptr, G::Feminino, [](C &x, int n, const QString &) { Ci(x).posicao_partida = n; },
         [](const TComponente &c) { return Ci(c).posicao_partida; }, nullptr, true},
    }};
}

} // namespace

const TTipo_Arquivo *TFamilia_Cilindro::arquivo() const
{
    static const TTipo_Arquivo tipo = tipo_arquivo();
    return &tipo;
}

void TFamilia_Cilindro::concluir_leitura(TComponente &c) const
{
    c.cilindro->recarregar(); // the stored type picks the pictures
    c.atualizar_geometria();
}

bool TFamilia_Cilindro::palavra_demonstracao(const QString &palavra, TVariante &) const
{
    return palavra == QLatin1String("cylinder");
}

// Settings: the type ("single acting", "double acting, single rod"), name "A" and
// labels 1 = "a0" at 0, 2 = "a1" at 100.
bool TFamilia_Cilindro::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    static const QRegularExpression nome(R"re(^name "([^"]*)"$)re");
    static const QRegularExpression rotulo(R"re((\d) = "([^"]*)" at (\d+))re");
    int esquerda = 0, topo = 0;
    if (!linha.ler_posicao(esquerda, topo))
        return false;
    int tipo = -1;
    QString texto;
    TRotulo rotulos[NUMERO_ROTULOS];
    for (const QString &ajuste : linha.lista_ajustes()) {
        if (ajuste == QLatin1String("single acting")) {
            tipo = 1;
        } else if (ajuste == QLatin1String("double acting, single rod")) {
            tipo = 2;
        } else if (auto m = nome.match(ajuste); m.hasMatch()) {
            texto = m.captured(1);
        } else if (ajuste.startsWith(QLatin1String("labels "))) {
            int lidos = 0;
            for (auto it = rotulo.globalMatch(ajuste); it.hasNext(); ++lidos) {
                const auto r = it.next();
                const int i = r.captured(1).toInt();
                if (i < 1 || i > NUMERO_ROTULOS)
                    return false;
                rotulos[i - 1] = TRotulo{r.captured(2), r.captured(3).toInt()};
            }
            if (lidos == 0)
                return false;
        } else {
            return false;
        }
    }
    c.codigo = linha.codigo;
    TCilindro &ci = *c.cilindro;
    ci.definir_tipo(tipo);
    ci.posicao = 0;
    ci.pistao = 100;
    ci.haste = 40;
    ci.nome = texto;
    for (int i = 1; i <= NUMERO_ROTULOS; ++i)
        ci.definir_rotulo(i, rotulos[i - 1].texto, rotulos[i - 1].posicao);
    c.esquerda = esquerda;
    c.topo = topo;
    ci.recarregar();
    c.atualizar_geometria();
    return true;
}

void TFamilia_Cilindro::ligar_demonstracao(TLista_Componente &, TComponente &) const {}

} // namespace zefira
