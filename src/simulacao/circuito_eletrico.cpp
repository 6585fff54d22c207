#include "simulacao/circuito_eletrico.h"

#include "componentes/eletrico/familia_eletrica.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <numeric>
#include <queue>

namespace zefira {

namespace {

constexpr int POSITIVO = 0, NEGATIVO = 1;

} // namespace

TCircuito_Eletrico::TCircuito_Eletrico(const TLista_Componente &lista, std::function<bool(const QString &)> alcancado)
    : lista_(lista), alcancado_(std::move(alcancado))
{
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        const TFamilia_Eletrica *f = c.familia().eletrica();
        if (!f)
            continue;
        indice_.insert(c.codigo, int(registros_.size()));
        if (f->papel() == TFamilia_Eletrica::TPapel::comando && !comandos_.contains(Chave_Tag(c.eletrico->tag)))
            comandos_.insert(Chave_Tag(c.eletrico->tag), int(registros_.size()));
        registros_.push_back({&c, f, nos_, {-1, -1}});
        nos_ += f->numero_portas();
    }
    if (registros_.empty())
        return;
    // A conductor joins two electrical ports; one that ends on a pneumatic port carries nothing.
    auto no = [this](int codigo, int porta) {
        auto it = indice_.constFind(codigo);
        if (it == indice_.constEnd())
            return -1;
        const Registro &r = registros_[size_t(*it)];
        if (porta < 1 || porta > r.familia->numero_portas() || r.familia->dominio(porta) != TDominio::eletrico)
            return -1;
        return r.primeiro_no + porta - 1;
    };
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        if (!c.e_fio() || !c.fio)
            continue;
        const int a = no(c.fio->conexao(true), c.fio->pino(true)), b = no(c.fio->conexao(false), c.fio->pino(false));
        if (a >= 0 && b >= 0)
            condutores_.push_back({a, b});
    }
}

int TCircuito_Eletrico::raiz(int no)
{
    while (pai_[size_t(no)] != no) {
        pai_[size_t(no)] = pai_[size_t(pai_[size_t(no)])];
        no = pai_[size_t(no)];
    }
    return no;
}

void TCircuito_Eletrico::unir(int a, int b, int registro)
{
    ligacoes_.push_back({a, b, registro});
    const int ra = raiz(a), rb = raiz(b);
    if (ra != rb)
        pai_[size_t(ra)] = rb;
}

void TCircuito_Eletrico::fonte(int porta, bool positivo)
{
    const Registro &r = registros_[size_t(atual_)];
    unir(r.primeiro_no + porta - 1, positivo ? POSITIVO : NEGATIVO, atual_);
}

void TCircuito_Eletrico::ligar(int porta_a, int porta_b)
{
    const Registro &r = registros_[size_t(atual_)];
    unir(r.primeiro_no + porta_a - 1, r.primeiro_no + porta_b - 1, atual_);
}

void TCircuito_Eletrico::carga(int porta_a, int porta_b)
{
    Registro &r = registros_[size_t(atual_)];
    const int k = r.cargas[0] < 0 ? 0 : 1;
    r.cargas[k] = int(cargas_.size());
    cargas_.push_back({r.primeiro_no + porta_a - 1, r.primeiro_no + porta_b - 1});
}

bool TCircuito_Eletrico::saida(const QString &tag) const
{
    auto it = comandos_.constFind(Chave_Tag(tag));
    return it != comandos_.constEnd() && registros_[size_t(*it)].componente->eletrico->saida;
}

bool TCircuito_Eletrico::rotulo_alcancado(const QString &rotulo) const { return alcancado_ && alcancado_(rotulo); }

bool TCircuito_Eletrico::pressurizada(const TComponente &c, int porta) const
{
    const int codigo = c.conexao(porta);
    const TComponente *fio = codigo == -1 ? nullptr : lista_.procurar(codigo);
    return fio && fio->e_fio() && fio->fio->pressao > 0;
}

bool TCircuito_Eletrico::energizada(int carga) const
{
    const int k = carga >= 0 && carga < 2 ? registros_[size_t(atual_)].cargas[carga] : -1;
    return k >= 0 && energizadas_[size_t(k)];
}

// One description of the whole circuit as it stands: the nodes each closed link joins.
void TCircuito_Eletrico::rodada()
{
    pai_.resize(size_t(nos_));
    std::iota(pai_.begin(), pai_.end(), 0);
    cargas_.clear();
    ligacoes_.clear();
    for (const auto &[a, b] : condutores_)
        unir(a, b, -1);
    for (atual_ = 0; atual_ < int(registros_.size()); ++atual_) {
        Registro &r = registros_[size_t(atual_)];
        r.cargas[0] = r.cargas[1] = -1;
        r.familia->conduzir(*this, *r.componente);
    }
}

QString TCircuito_Eletrico::resolver()
{
    if (registros_.empty())
        return QString();
    // A short circuit leaves everything as the step found it.
    std::vector<TEletrico> antes;
    antes.reserve(registros_.size());
    for (Registro &r : registros_) {
        r.componente->eletrico->mudou = false;
        antes.push_back(*r.componente->eletrico);
    }
    // Every round but the last changes at least one output, and each changes once a step.
    const int rodadas = int(registros_.size()) + 2;
    for (int k = 0; k < rodadas; ++k) {
        rodada();
        if (raiz(POSITIVO) == raiz(NEGATIVO)) {
            for (size_t i = 0; i < registros_.size(); ++i)
                *registros_[i].componente->eletrico = antes[i];
            return curto_circuito();
        }
        const int mais = raiz(POSITIVO), menos = raiz(NEGATIVO);
        energizadas_.assign(cargas_.size(), 0);
        for (size_t i = 0; i < cargas_.size(); ++i) {
            const int a = raiz(cargas_[i].a), b = raiz(cargas_[i].b);
            energizadas_[i] = (a == mais && b == menos) || (a == menos && b == mais);
        }
        bool mudou = false;
        for (atual_ = 0; atual_ < int(registros_.size()); ++atual_) {
            Registro &r = registros_[size_t(atual_)];
            mudou |= r.familia->responder(*this, *r.componente);
        }
        if (!mudou)
            break;
    }
    solenoides_.clear();
    for (const Registro &r : registros_) {
        r.familia->fechar_passo(*r.componente);
        if (r.familia->papel() == TFamilia_Eletrica::TPapel::solenoide && r.componente->eletrico->energizada[0])
            solenoides_.insert(Chave_Tag(r.componente->eletrico->tag));
    }
    return QString();
}

// The shortest chain of closed links from +24 V to 0 V, named by the tags of its parts.
QString TCircuito_Eletrico::curto_circuito()
{
    const size_t n = size_t(nos_);
    std::vector<std::vector<size_t>> vizinhos(n);
    for (size_t i = 0; i < ligacoes_.size(); ++i) {
        vizinhos[size_t(ligacoes_[i].a)].push_back(i);
        vizinhos[size_t(ligacoes_[i].b)].push_back(i);
    }
    std::vector<long> chegada(n, -1); // the link each node was reached by
    std::vector<char> visto(n, 0);
    std::queue<int> fila;
    fila.push(POSITIVO);
    visto[POSITIVO] = 1;
    while (!fila.empty() && !visto[NEGATIVO]) {
        const int no = fila.front();
        fila.pop();
        for (size_t i : vizinhos[size_t(no)]) {
            const int outro = ligacoes_[i].a == no ? ligacoes_[i].b : ligacoes_[i].a;
            if (visto[size_t(outro)])
                continue;
            visto[size_t(outro)] = 1;
            chegada[size_t(outro)] = long(i);
            fila.push(outro);
        }
    }
    QStringList nomes;
    for (int no = NEGATIVO; no != POSITIVO && chegada[size_t(no)] >= 0;) {
        const Ligacao &l = ligacoes_[size_t(chegada[size_t(no)])];
        // Terminals and junctions carry no tag; the rails are named by the message itself.
        const QString nome = l.registro >= 0 ? registros_[size_t(l.registro)].componente->eletrico->tag.trimmed() : QString();
        const bool trilho = l.a <= NEGATIVO || l.b <= NEGATIVO;
        if (!trilho && !nome.isEmpty() && (nomes.isEmpty() || nomes.front() != nome))
            nomes.prepend(nome);
        no = l.a == no ? l.b : l.a;
    }
    if (nomes.isEmpty())
        return QStringLiteral("Curto-circuito: +24 V ligado diretamente a 0 V.");
    return QStringLiteral("Curto-circuito: +24 V ligado a 0 V sem carga, por %1.").arg(nomes.join(QStringLiteral(", ")));
}

} // namespace zefira
