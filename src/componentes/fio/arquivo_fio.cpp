// The tube in files and demonstrations.
#include "componentes/fio/familia_fio.h"

#include "componentes/campo_arquivo.h"
#include "componentes/linha_demonstracao.h"
#include "modelo/componente.h"
#include "modelo/direcao_porta.h"
#include "modelo/lista_componente.h"

#include <QRegularExpression>

namespace zefira {

namespace {

using C = TContexto_Leitura;
using T = TipoCampo;
using G = Genero;

// An end is attached only when its connection is not "-1"; its port number comes first.
void pino(C &x, int n, const QString &) { x.pino_pendente = n; }
template <bool Origem> void ligar_ponta(C &x, int n, const QString &)
{
    x.componente.fio->ligar(Origem, n, x.pino_pendente);
}

// "c.p" -> component code and port number.
bool ler_ponta(const QString &texto, int &codigo, int &porta)
{
    const QStringList partes = texto.split(QLatin1Char('.'));
    bool ok1 = false, ok2 = false;
    if (partes.size() == 2) {
        codigo = partes[0].toInt(&ok1);
        porta = partes[1].toInt(&ok2);
    }
    return ok1 && ok2;
}

TTipo_Arquivo tipo_arquivo()
{
    TCampo_Arquivo pontos{T::Pontos, "Pontos", G::Plural, nullptr,
                          [](const TComponente &c) { return c.fio->numero_pontos(); }, nullptr};
    pontos.ponto = [](const TComponente &c, int i) { return c.fio->ponto(i); };
    pontos.acrescentar_ponto = [](TComponente &c, int x, int y) { c.fio->adicionar_ponto(x, y); };
    // The destination end first; the points run from the origin end.
    return {"Fio de Energia", true, true, {
        Campo_Codigo(),
        {T::Inteiro, "Pino", G::Masculino, pino, [](const TComponente &c) { return c.fio->pino_destino; }, nullptr},
        {T::Conexao, "Conexão", G::Feminino, ligar_ponta<false>,
         [](const TComponente &c) { return c.fio->conexao_destino; }, nullptr},
        {T::Inteiro, "Pino", G::Masculino, pino, [](const TComponente &c) { return c.fio->pino_origem; }, nullptr},
        {T::Conexao, "Conexão", G::Feminino, ligar_ponta<true>,
         [](const TComponente &c) { return c.fio->conexao_origem; }, nullptr},
        Campo_Selecao(),
        pontos,
    }};
}

} // namespace

const TTipo_Arquivo *TFamilia_Fio::arquivo() const
{
    static const TTipo_Arquivo tipo = tipo_arquivo();
    return &tipo;
}

void TFamilia_Fio::concluir_leitura(TComponente &) const {}

bool TFamilia_Fio::palavra_demonstracao(const QString &palavra, TVariante &) const
{
    return palavra == QLatin1String("wire");
}

// A wire's row has no place; its settings are its path: "3.2 to 2.1: (90, 168) (90, 87) ...",
// from the origin end, at least two points; or "3.2 to 2.1: auto", routed between the two ports
// once every record is laid out.
bool TFamilia_Fio::montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const
{
    static const QRegularExpression forma(R"(^(\d+\.\d+) to (\d+\.\d+): (.*)$)");
    static const QRegularExpression ponto(R"(\((-?\d+), (-?\d+)\))");
    int origem = -1, pino_origem = -1, destino = -1, pino_destino = -1;
    const auto m = forma.match(linha.ajustes);
    if (!m.hasMatch() || !ler_ponta(m.captured(1), origem, pino_origem) ||
        !ler_ponta(m.captured(2), destino, pino_destino))
        return false;
    c.codigo = linha.codigo;
    c.fio->ligar(true, origem, pino_origem);
    c.fio->ligar(false, destino, pino_destino);
    if (m.captured(3) == QLatin1String("auto"))
        return true;
    for (auto it = ponto.globalMatch(m.captured(3)); it.hasNext();) {
        const auto p = it.next();
        c.fio->adicionar_ponto(p.captured(1).toInt(), p.captured(2).toInt());
    }
    return c.fio->numero_pontos() >= 2;
}

// An automatic route: straight when the ports line up; a wire leaving or reaching a side port
// (a junction's) turns once, so it runs along the port's row; otherwise down (or up) to half
// way, across, and on to the far port.
void TFamilia_Fio::ligar_demonstracao(TLista_Componente &lista, TComponente &c) const
{
    TComponente *o = lista.procurar(c.fio->conexao_origem);
    TComponente *d = lista.procurar(c.fio->conexao_destino);
    if (o)
        o->ligar(c.fio->pino_origem, c.codigo);
    if (d)
        d->ligar(c.fio->pino_destino, c.codigo);
    if (c.fio->numero_pontos() > 0 || !o || !d)
        return;
    const TPonto a = o->ponto(c.fio->pino_origem), b = d->ponto(c.fio->pino_destino);
    c.fio->adicionar_ponto(a);
    auto lateral = [](const TComponente &x, int porta) {
        const int d = x.familia().direcao(x, porta);
        return d == DIRECAO_ESQUERDA || d == DIRECAO_DIREITA;
    };
    if (a.x != b.x && a.y != b.y) {
        if (lateral(*d, c.fio->pino_destino)) {
            c.fio->adicionar_ponto(a.x, b.y);
        } else if (lateral(*o, c.fio->pino_origem)) {
            c.fio->adicionar_ponto(b.x, a.y);
        } else {
            const int meio = a.y + (b.y - a.y) / 2;
            c.fio->adicionar_ponto(a.x, meio);
            c.fio->adicionar_ponto(b.x, meio);
        }
    }
    c.fio->adicionar_ponto(b);
}

} // namespace zefira
