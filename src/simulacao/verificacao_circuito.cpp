#include "simulacao/verificacao_circuito.h"

#include "componentes/contexto_eletrico.h"
#include "componentes/eletrico/familia_eletrica.h"
#include "componentes/registro.h"
#include "modelo/vista.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace zefira {

namespace {

// A valve's name as the drawing shows it: the label it follows, else the name typed.
QString nome_valvula(const TValvula_Direcional &v)
{
    return v.rotulo.trimmed().isEmpty() ? v.descricao.trimmed() : v.rotulo.trimmed();
}

QString nome_componente(const TComponente &c)
{
    // Each family names its kinds and the ports they need (TFamilia::verificado).
    const TFamilia::TVerificado t = c.familia().verificado(c);
    QString nome = t.nome ? QString::fromUtf8(t.nome) : c.nome;
    const QString proprio = c.valvula_direcional ? nome_valvula(*c.valvula_direcional)
                            : c.cilindro         ? c.cilindro->nome.trimmed()
                            : c.eletrico         ? c.eletrico->tag.trimmed()
                                                 : QString();
    if (!proprio.isEmpty())
        nome += QStringLiteral(" \"%1\"").arg(proprio);
    return nome;
}

bool valvula_de_rolete(const TComponente &c)
{
    return c.valvula_direcional && c.valvula_direcional->acao_mecanica(false) != 0;
}

bool fora_da_area(std::int64_t x, std::int64_t y)
{
    return x < 0 || y < 0 || x >= TVista::LARGURA_MINIMA || y >= TVista::ALTURA_MINIMA;
}

QString em(std::int64_t x, std::int64_t y)
{
    return QStringLiteral("está fora da área de trabalho, em (%1, %2)").arg(x).arg(y);
}

// Components joined by tubes, docking or labels make one circuit; a drawing may hold several
// side by side (the demonstrations show variants so), and names repeat across them harmlessly.
class TCircuitos {
public:
    explicit TCircuitos(int n) : pai_(size_t(n)) { std::iota(pai_.begin(), pai_.end(), 0); }
    int raiz(int i)
    {
        while (pai_[size_t(i)] != i)
            i = pai_[size_t(i)] = pai_[size_t(pai_[size_t(i)])];
        return i;
    }
    void unir(int a, int b) { pai_[size_t(raiz(a))] = raiz(b); }

private:
    std::vector<int> pai_;
};

// The open inside of a symbol's box: a tube running along an edge does not cross it.
struct TCaixa {
    std::int64_t x0, y0, x1, y1;
    int indice;
};

bool cruza(const TPonto &a, const TPonto &b, const TCaixa &k)
{
    // The parameters t of a + t (b - a) strictly inside on both axes, met with [0, 1].
    double baixo = -std::numeric_limits<double>::infinity(), alto = std::numeric_limits<double>::infinity();
    const std::int64_t origem[2] = {a.x, a.y}, delta[2] = {std::int64_t(b.x) - a.x, std::int64_t(b.y) - a.y};
    const std::int64_t minimo[2] = {k.x0, k.y0}, maximo[2] = {k.x1, k.y1};
    for (int e = 0; e < 2; ++e) {
        if (delta[e] == 0) {
            if (origem[e] <= minimo[e] || origem[e] >= maximo[e])
                return false;
            continue;
        }
        double t0 = double(minimo[e] - origem[e]) / double(delta[e]);
        double t1 = double(maximo[e] - origem[e]) / double(delta[e]);
        if (t0 > t1)
            std::swap(t0, t1);
        baixo = std::max(baixo, t0);
        alto = std::min(alto, t1);
    }
    return baixo < alto && baixo < 1 && alto > 0;
}

// Symbol boxes bucketed by square cells, so that a tube meets only the symbols near it.
class TGrade {
public:
    explicit TGrade(std::vector<TCaixa> caixas) : caixas_(std::move(caixas)), marca_(caixas_.size(), -1)
    {
        for (size_t i = 0; i < caixas_.size(); ++i) {
            const TCaixa &k = caixas_[i];
            if (celulas(k.x0, k.y0, k.x1, k.y1) > MAXIMO_CELULAS_CAIXA) {
                grandes_.push_back(int(i));
                continue;
            }
            for (std::int64_t cx = celula(k.x0); cx <= celula(k.x1); ++cx)
                for (std::int64_t cy = celula(k.y0); cy <= celula(k.y1); ++cy)
                    grade_[chave(cx, cy)].push_back(int(i));
        }
    }

    // List indices of the symbols whose box the segment a-b crosses, in no particular order.
    // False, having looked at none, once the work allowed for the whole check is spent.
    template <typename F> bool cruzadas(const TPonto &a, const TPonto &b, int consulta, F &&achou)
    {
        if (testes_ > MAXIMO_TESTES)
            return false;
        const auto testar = [&](int i) {
            if (marca_[size_t(i)] == consulta)
                return;
            marca_[size_t(i)] = consulta;
            ++testes_;
            if (cruza(a, b, caixas_[size_t(i)]))
                achou(caixas_[size_t(i)].indice);
        };
        const std::int64_t x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
        const std::int64_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
        if (celulas(x0, y0, x1, y1) > MAXIMO_CELULAS_SEGMENTO) {
            for (size_t i = 0; i < caixas_.size(); ++i)
                testar(int(i));
            return true;
        }
        for (int i : grandes_)
            testar(i);
        for (std::int64_t cx = celula(x0); cx <= celula(x1); ++cx)
            for (std::int64_t cy = celula(y0); cy <= celula(y1); ++cy) {
                auto it = grade_.find(chave(cx, cy));
                if (it != grade_.end())
                    for (int i : it->second)
                        testar(i);
            }
        return true;
    }

private:
    static constexpr std::int64_t LADO = 64;
    static constexpr std::int64_t MAXIMO_CELULAS_CAIXA = 256;
    static constexpr std::int64_t MAXIMO_CELULAS_SEGMENTO = 4096;
    // Box tests of the whole check: a drawn circuit needs a few per segment; only a file made
    // to have thousands of long tubes over thousands of symbols comes near.
    static constexpr std::int64_t MAXIMO_TESTES = 20'000'000;

    static std::int64_t celula(std::int64_t v) { return v >= 0 ? v / LADO : -((-v + LADO - 1) / LADO); }
    static std::int64_t celulas(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
    {
        return (celula(x1) - celula(x0) + 1) * (celula(y1) - celula(y0) + 1);
    }
    static std::uint64_t chave(std::int64_t cx, std::int64_t cy)
    {
        return (std::uint64_t(std::uint32_t(cx)) << 32) | std::uint32_t(cy);
    }

    std::vector<TCaixa> caixas_;
    std::vector<int> marca_; // the last query that tested each box
    std::vector<int> grandes_;
    std::int64_t testes_ = 0;
    std::unordered_map<std::uint64_t, std::vector<int>> grade_;
};

class TVerificacao {
public:
    explicit TVerificacao(const TLista_Componente &lista) : lista_(lista)
    {
        // The first record of a code, as the list finds it; a damaged file may name codes
        // that are not there, and each of those must not cost a walk of the list.
        for (int i = lista.numero_componentes() - 1; i >= 0; --i)
            indice_[lista[i].codigo] = i;
    }

    std::vector<TAviso> executar()
    {
        portas();
        rotulos();
        nomes_repetidos();
        fora_da_area_de_trabalho();
        tubos_sobre_simbolos();
        eletricos();
        std::stable_sort(achados_.begin(), achados_.end(), [](const TAchado &a, const TAchado &b) {
            return a.indice != b.indice ? a.indice < b.indice : a.aviso.tipo < b.aviso.tipo;
        });
        std::vector<TAviso> avisos;
        avisos.reserve(achados_.size());
        for (TAchado &a : achados_)
            avisos.push_back(std::move(a.aviso));
        return avisos;
    }

private:
    struct TAchado {
        int indice;
        TAviso aviso;
    };

    int indice(int codigo) const
    {
        const auto it = indice_.find(codigo);
        return it == indice_.end() ? -1 : it->second;
    }

    bool ligada(const TComponente &c, int porta) const { return indice(c.conexao(porta)) >= 0; }

    void avisar(int i, TTipoAviso tipo, const QString &texto)
    {
        const TComponente &c = lista_[i];
        achados_.push_back({i, {tipo, c.codigo, nome_componente(c), texto}});
    }

    void portas()
    {
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            for (int porta : c.familia().verificado(c).portas)
                if (porta != 0 && !ligada(c, porta))
                    avisar(i, TTipoAviso::PortaAberta, QStringLiteral("a porta %1 não está ligada a nada").arg(porta));
            if (!c.valvula_direcional)
                continue;
            for (const auto &[dir, porta, lado] : {std::tuple{false, 6, "da esquerda"}, std::tuple{true, 7, "da direita"}})
                if (c.valvula_direcional->piloto(dir) && !ligada(c, porta))
                    avisar(i, TTipoAviso::PilotoSolto,
                           QStringLiteral("o piloto %1 (porta %2) não está ligado a nada").arg(QLatin1String(lado)).arg(porta));
        }
    }

    // Only a left mechanical actuator follows a label, and the texts match exactly, as in the
    // simulation.
    void rotulos()
    {
        QSet<QString> dos_cilindros, dos_cilindros_maiusculos, das_valvulas;
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (c.cilindro)
                for (int r = 1; r <= NUMERO_ROTULOS; ++r) {
                    const QString texto = c.cilindro->rotulo(r).texto;
                    if (!texto.trimmed().isEmpty()) {
                        dos_cilindros << texto;
                        dos_cilindros_maiusculos << texto.trimmed().toUpper();
                    }
                }
            if (valvula_de_rolete(c) && !c.valvula_direcional->rotulo.trimmed().isEmpty())
                das_valvulas << c.valvula_direcional->rotulo;
            if (c.tipo == TIPO_SENSOR)
                das_valvulas << c.eletrico->rotulo;
        }
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (valvula_de_rolete(c)) {
                const TValvula_Direcional &v = *c.valvula_direcional;
                // Typing a name that is no cylinder's label leaves the valve without a label.
                const QString nome = v.descricao.trimmed();
                if (!v.rotulo.trimmed().isEmpty()) {
                    if (!dos_cilindros.contains(v.rotulo))
                        avisar(i, TTipoAviso::RotuloSemCilindro, QStringLiteral("nenhum cilindro tem o rótulo \"%1\"").arg(v.rotulo));
                } else if (!nome.isEmpty() && !dos_cilindros_maiusculos.contains(nome.toUpper())) {
                    avisar(i, TTipoAviso::RotuloSemCilindro, QStringLiteral("nenhum cilindro tem o rótulo \"%1\"").arg(nome));
                } else {
                    avisar(i, TTipoAviso::RotuloSemCilindro, QStringLiteral("o acionamento mecânico não tem rótulo de cilindro"));
                }
            }
            if (c.tipo == TIPO_SENSOR) {
                const QString &rotulo = c.eletrico->rotulo;
                if (rotulo.trimmed().isEmpty())
                    avisar(i, TTipoAviso::RotuloSemCilindro, QStringLiteral("o sensor não tem rótulo de cilindro"));
                else if (!dos_cilindros.contains(rotulo))
                    avisar(i, TTipoAviso::RotuloSemCilindro, QStringLiteral("nenhum cilindro tem o rótulo \"%1\"").arg(rotulo));
            }
            if (c.cilindro)
                for (int r = 1; r <= NUMERO_ROTULOS; ++r) {
                    const TRotulo rotulo = c.cilindro->rotulo(r);
                    if (!rotulo.texto.trimmed().isEmpty() && !das_valvulas.contains(rotulo.texto))
                        avisar(i, TTipoAviso::RotuloSemValvula,
                               QStringLiteral("o rótulo \"%1\" (%2 mm) não aciona nenhuma válvula")
                                   .arg(rotulo.texto, QString::number(rotulo.posicao)));
                }
        }
    }

    void nomes_repetidos()
    {
        const int n = lista_.numero_componentes();
        TCircuitos circuitos(n);
        QHash<QString, QList<int>> por_rotulo; // cylinder label -> cylinders carrying it
        for (int i = 0; i < n; ++i) {
            const TComponente &c = lista_[i];
            for (int p = 1; p <= c.numero_portas(); ++p)
                if (const int j = indice(c.conexao(p)); j >= 0)
                    circuitos.unir(i, j);
            if (c.fio)
                for (bool origem : {true, false})
                    if (const int j = indice(c.fio->conexao(origem)); j >= 0)
                        circuitos.unir(i, j);
            if (c.cilindro)
                for (int r = 1; r <= NUMERO_ROTULOS; ++r)
                    por_rotulo[c.cilindro->rotulo(r).texto] << i;
        }
        for (int i = 0; i < n; ++i)
            if (valvula_de_rolete(lista_[i]))
                for (int j : por_rotulo.value(lista_[i].valvula_direcional->rotulo))
                    circuitos.unir(i, j);

        QHash<QPair<int, QString>, int> primeira; // (circuit, name folded) -> first valve's index
        for (int i = 0; i < n; ++i) {
            const TComponente &c = lista_[i];
            if (!c.valvula_direcional)
                continue;
            const QString nome = nome_valvula(*c.valvula_direcional);
            if (nome.isEmpty())
                continue;
            const auto chave = qMakePair(circuitos.raiz(i), nome.toCaseFolded());
            const auto it = primeira.constFind(chave);
            if (it == primeira.constEnd())
                primeira.insert(chave, i);
            else
                avisar(i, TTipoAviso::NomeRepetido,
                       QStringLiteral("a válvula %1 do mesmo circuito tem o mesmo nome").arg(lista_[*it].codigo));
        }
    }

    void fora_da_area_de_trabalho()
    {
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (c.fio) {
                for (const TPonto &p : c.fio->pontos)
                    if (fora_da_area(p.x, p.y)) {
                        avisar(i, TTipoAviso::ForaDaArea, em(p.x, p.y));
                        break;
                    }
                continue;
            }
            bool fora = fora_da_area(c.esquerda, c.topo) || fora_da_area(std::max(c.esquerda, c.direita), std::max(c.topo, c.baixo));
            // A pilot's arrow stands beyond the box.
            if (c.valvula_direcional)
                for (const auto &[dir, porta] : {std::pair{false, 6}, std::pair{true, 7}})
                    fora = fora || (c.valvula_direcional->piloto(dir) && fora_da_area(c.ponto(porta).x, c.ponto(porta).y));
            if (fora)
                avisar(i, TTipoAviso::ForaDaArea, em(c.esquerda, c.topo));
        }
    }

    void tubos_sobre_simbolos()
    {
        std::vector<TCaixa> caixas;
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (!c.fio && c.direita > c.esquerda && c.baixo > c.topo)
                caixas.push_back({c.esquerda, c.topo, c.direita, c.baixo, i});
        }
        TGrade grade(std::move(caixas));
        int consulta = 0;
        std::vector<int> cruzados;
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (!c.fio)
                continue;
            cruzados.clear();
            const int pontas[2] = {c.fio->conexao_origem, c.fio->conexao_destino};
            for (int k = 0; k + 1 < c.fio->numero_pontos(); ++k)
                if (!grade.cruzadas(c.fio->ponto(k), c.fio->ponto(k + 1), consulta++, [&](int j) {
                        const int codigo = lista_[j].codigo;
                        if (codigo != pontas[0] && codigo != pontas[1])
                            cruzados.push_back(j);
                    })) {
                    avisar(i, TTipoAviso::TuboSobreSimbolo,
                           QStringLiteral("circuito grande demais: os tubos seguintes não foram conferidos"));
                    return;
                }
            std::sort(cruzados.begin(), cruzados.end());
            cruzados.erase(std::unique(cruzados.begin(), cruzados.end()), cruzados.end());
            for (int j : cruzados)
                avisar(i, TTipoAviso::TuboSobreSimbolo,
                       QStringLiteral("passa sobre %1 %2").arg(QString::number(lista_[j].codigo), nome_componente(lista_[j])));
        }
    }

    // Tags name parts whatever the case and the blanks around them, as in the simulation; every
    // +24 V terminal is one net, so a tag means the same part anywhere in the drawing.
    void eletricos()
    {
        QHash<QString, int> comandos; // coil or counter tag -> the first one's index
        QSet<QString> solenoides, das_valvulas;
        int primeiro = -1;
        bool trilho[2] = {false, false};
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (c.valvula_direcional)
                for (bool dir : {false, true})
                    das_valvulas << Chave_Tag(c.valvula_direcional->solenoide(dir));
            const TFamilia_Eletrica *f = c.familia().eletrica();
            if (!f)
                continue;
            if (primeiro < 0)
                primeiro = i;
            const QString tag = Chave_Tag(c.eletrico->tag);
            if (c.tipo == TIPO_BORNE)
                trilho[c.eletrico->modo == 0 ? 0 : 1] = true;
            if (f->papel() == TFamilia_Eletrica::TPapel::solenoide)
                solenoides << tag;
            if (f->papel() != TFamilia_Eletrica::TPapel::comando)
                continue;
            const auto it = comandos.constFind(tag);
            if (it == comandos.constEnd())
                comandos.insert(tag, i);
            else
                avisar(i, TTipoAviso::TagRepetida,
                       QStringLiteral("a tag \"%1\" já é do componente %2").arg(c.eletrico->tag.trimmed()).arg(lista_[*it].codigo));
        }
        for (int i = 0; i < lista_.numero_componentes(); ++i) {
            const TComponente &c = lista_[i];
            if (c.valvula_direcional) {
                for (bool dir : {false, true}) {
                    const QString &tag = c.valvula_direcional->solenoide(dir);
                    if (!tag.isEmpty() && !solenoides.contains(Chave_Tag(tag)))
                        avisar(i, TTipoAviso::TagSemDestino, QStringLiteral("nenhum solenoide tem a tag \"%1\"").arg(tag));
                }
            } else if (c.tipo == TIPO_CONTATO && !comandos.contains(Chave_Tag(c.eletrico->tag))) {
                avisar(i, TTipoAviso::TagSemDestino,
                       QStringLiteral("nenhum relé, temporizador ou contador tem a tag \"%1\"").arg(c.eletrico->tag.trimmed()));
            } else if (c.tipo == TIPO_SOLENOIDE && !das_valvulas.contains(Chave_Tag(c.eletrico->tag))) {
                avisar(i, TTipoAviso::TagSemDestino, QStringLiteral("nenhuma válvula tem este solenoide"));
            }
        }
        if (primeiro >= 0 && !trilho[0])
            avisar(primeiro, TTipoAviso::SemBorne, QStringLiteral("o circuito elétrico não tem borne de +24 V"));
        if (primeiro >= 0 && !trilho[1])
            avisar(primeiro, TTipoAviso::SemBorne, QStringLiteral("o circuito elétrico não tem borne de 0 V"));
    }

    const TLista_Componente &lista_;
    std::unordered_map<int, int> indice_; // code -> list index
    std::vector<TAchado> achados_;
};

} // namespace

QString TAviso::linha() const { return QStringLiteral("%1 %2: %3").arg(QString::number(codigo), componente, texto); }

std::vector<TAviso> Verificar_Circuito(const TLista_Componente &lista) { return TVerificacao(lista).executar(); }

} // namespace zefira
