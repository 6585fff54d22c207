#include "assistente/metodo_sequencia.h"

#include <map>

namespace zefira {

namespace {

int numero_cilindro(QChar cilindro)
{
    return cilindro.unicode() - 'A' + 1;
}

QString romano(int n)
{
    static const char *const numeros[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    return n >= 1 && n <= 12 ? QString::fromLatin1(numeros[n - 1]) : QString::number(n);
}

QString nome_sensor(const TMovimento &fim, bool eletrico)
{
    return eletrico ? Tag_Fim_Curso(fim.cilindro, fim.avanco) : Rotulo_Fim_Curso(fim.cilindro, fim.avanco);
}

// What starts step `passo`: the start button for the first, then the sensors that end the step
// before it.
QString sinal_passo(const TSequencia_Movimentos &s, int passo, bool eletrico)
{
    QStringList partes;
    if (passo == 0)
        partes << (eletrico ? QStringLiteral("S1") : QStringLiteral("partida"));
    for (const TMovimento &fim : Fins_Do_Passo(s, (passo + s.numero_passos() - 1) % s.numero_passos()))
        partes << nome_sensor(fim, eletrico);
    return partes.join(QStringLiteral(" e "));
}

QString movimentos_texto(const TPasso_Sequencia &p)
{
    QStringList m;
    for (const TMovimento &x : p)
        m << x.texto();
    return m.join(QLatin1Char(' '));
}

using TPosicoes = std::map<QChar, bool>; // advanced?

bool fins_presentes(const std::vector<TMovimento> &fins, const TPosicoes &pos)
{
    for (const TMovimento &f : fins)
        if (pos.at(f.cilindro) != f.avanco)
            return false;
    return true;
}

} // namespace

bool Ler_Metodo(const QString &palavra, TMetodo &metodo)
{
    for (TMetodo m : {TMetodo::intuitivo, TMetodo::cascata, TMetodo::passo_a_passo})
        if (palavra == Nome_Metodo(m)) {
            metodo = m;
            return true;
        }
    return false;
}

QString Nome_Metodo(TMetodo metodo)
{
    switch (metodo) {
    case TMetodo::intuitivo: return QStringLiteral("intuitivo");
    case TMetodo::cascata: return QStringLiteral("cascata");
    case TMetodo::passo_a_passo: return QStringLiteral("passo-a-passo");
    }
    return QString();
}

QString Rotulo_Fim_Curso(QChar cilindro, bool avancado)
{
    return QString(cilindro.toLower()) + QLatin1Char(avancado ? '1' : '0');
}

QString Tag_Fim_Curso(QChar cilindro, bool avancado)
{
    return QStringLiteral("%1S%2").arg(numero_cilindro(cilindro)).arg(avancado ? 2 : 1);
}

QString Tag_Solenoide(QChar cilindro, bool avanco)
{
    return QStringLiteral("%1Y%2").arg(numero_cilindro(cilindro)).arg(avanco ? 1 : 2);
}

std::vector<TMovimento> Fins_Do_Passo(const TSequencia_Movimentos &s, int passo)
{
    if (passo < 0 || passo >= s.numero_passos())
        return {};
    return s.passos()[size_t(passo)];
}

QString Sobreposicao_Sinais(const TSequencia_Movimentos &s, bool eletrico)
{
    const int n = s.numero_passos();
    TPosicoes pos;
    for (QChar c : s.cilindros())
        pos[c] = false;
    // State k is where the cylinders stand before step k; the last round is the rest after the
    // cycle, with the start button released, where nothing may move.
    for (int k = 0; k <= n; ++k) {
        TPosicoes depois = pos;
        if (k < n)
            for (const TMovimento &m : s.passos()[size_t(k)])
                depois[m.cilindro] = m.avanco;
        for (int j = 0; j < n; ++j) {
            if (j == k || (j == 0 && k != 0))
                continue; // the step due, or the first step without the start button
            if (!fins_presentes(Fins_Do_Passo(s, (j + n - 1) % n), pos))
                continue;
            for (const TMovimento &m : s.passos()[size_t(j)]) {
                if (depois[m.cilindro] == m.avanco)
                    continue; // piloted to where it stands or is going anyway
                // The movement due that this signal fights: the same cylinder's, else the step's first.
                const int devido = k < n ? k : n - 1;
                TMovimento outro = s.passos()[size_t(devido)].front();
                for (const TMovimento &d : s.passos()[size_t(devido)])
                    if (d.cilindro == m.cilindro)
                        outro = d;
                return QStringLiteral("%1 (%2) e %3 (%4)")
                    .arg(outro.texto(), sinal_passo(s, devido, eletrico), m.texto(), sinal_passo(s, j, eletrico));
            }
        }
        pos = depois;
    }
    return QString();
}

std::vector<std::vector<int>> Grupos_Cascata(const TSequencia_Movimentos &s)
{
    std::vector<std::vector<int>> grupos;
    QList<QChar> no_grupo;
    for (int k = 0; k < s.numero_passos(); ++k) {
        bool repete = grupos.empty();
        for (const TMovimento &m : s.passos()[size_t(k)])
            repete = repete || no_grupo.contains(m.cilindro);
        if (repete) {
            grupos.emplace_back();
            no_grupo.clear();
        }
        grupos.back().push_back(k);
        for (const TMovimento &m : s.passos()[size_t(k)])
            no_grupo << m.cilindro;
    }
    return grupos;
}

QStringList Tabela_Metodo(const TSequencia_Movimentos &s, TMetodo metodo, bool eletrico)
{
    QStringList linhas;
    if (metodo == TMetodo::cascata) {
        const auto grupos = Grupos_Cascata(s);
        linhas << QStringLiteral("Método cascata: %1 grupos").arg(grupos.size());
        for (size_t g = 0; g < grupos.size(); ++g) {
            QStringList m;
            for (int k : grupos[g])
                m << movimentos_texto(s.passos()[size_t(k)]);
            linhas << QStringLiteral("Grupo %1: %2 (sinal: %3)")
                          .arg(romano(int(g) + 1), m.join(QLatin1Char(' ')), sinal_passo(s, grupos[g].front(), eletrico));
        }
        return linhas;
    }
    linhas << QStringLiteral("Método %1: %2 passos")
                  .arg(metodo == TMetodo::intuitivo ? QStringLiteral("intuitivo") : QStringLiteral("passo a passo"))
                  .arg(s.numero_passos());
    for (int k = 0; k < s.numero_passos(); ++k)
        linhas << QStringLiteral("Passo %1: %2 (sinal: %3)")
                      .arg(k + 1)
                      .arg(movimentos_texto(s.passos()[size_t(k)]), sinal_passo(s, k, eletrico));
    return linhas;
}

} // namespace zefira
