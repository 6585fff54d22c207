#include "assistente/desenho_pneumatico.h"

#include "assistente/disposicao_pneumatica.h"
#include "assistente/pecas_pneumaticas.h"
#include "assistente/roteamento_pneumatico.h"
#include "assistente/tabela_circuito.h"

namespace zefira {

TDesenho_Pneumatico::TDesenho_Pneumatico(const TEsquema_Pneumatico &esquema) : e_(esquema) {}

QString TDesenho_Pneumatico::tabela()
{
    TPecas_Pneumaticas pecas;
    TDisposicao_Pneumatica disposicao(e_, pecas);
    disposicao.dispor();
    TRoteamento_Pneumatico roteamento(pecas, disposicao);
    roteamento.rotear();

    TTabela_Circuito t;
    std::vector<int> codigo;
    for (const TPecas_Pneumaticas::TPeca &p : pecas.todas()) {
        const int topo = pecas.topo(p.fileira) + p.dy;
        if (p.forma == TPecas_Pneumaticas::TForma::tomada)
            codigo.push_back(t.componente(p.tipo, p.esquerda, topo, QStringLiteral("on %1.1").arg(codigo[size_t(p.hospedeiro)])));
        else
            codigo.push_back(t.componente(p.tipo, p.esquerda, topo, p.ajustes));
    }
    std::vector<int> jump;
    for (const QPoint &c : roteamento.jumps())
        jump.push_back(t.componente(QStringLiteral("jump"), c.x() - 4, c.y() - 4));
    auto de = [&](const TRoteamento_Pneumatico::TExtremo &e) {
        return e.peca >= 0 ? codigo[size_t(e.peca)] : jump[size_t(e.jump)];
    };
    for (const TRoteamento_Pneumatico::TFio &f : roteamento.fios())
        t.fio(de(f.a), f.a.porta, de(f.b), f.b.porta, f.pontos);
    return t.texto();
}

} // namespace zefira
