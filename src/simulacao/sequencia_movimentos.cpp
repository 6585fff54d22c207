#include "simulacao/sequencia_movimentos.h"

#include <map>

namespace zefira {

namespace {

QString nome_caractere(QChar c)
{
    return QStringLiteral("\"%1\"").arg(c);
}

} // namespace

bool TSequencia_Movimentos::ler(const QString &texto, TSequencia_Movimentos &sequencia, QString &erro)
{
    std::vector<TPasso_Sequencia> passos;
    TPasso_Sequencia grupo;
    bool em_grupo = false;
    int i = 0;
    const int n = int(texto.size());
    while (i < n) {
        const QChar c = texto[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('(')) {
            if (em_grupo) {
                erro = QStringLiteral("parênteses dentro de parênteses");
                return false;
            }
            em_grupo = true;
            grupo.clear();
            ++i;
            continue;
        }
        if (c == QLatin1Char(')')) {
            if (!em_grupo) {
                erro = QStringLiteral("\")\" sem \"(\" antes");
                return false;
            }
            if (grupo.empty()) {
                erro = QStringLiteral("parênteses sem movimentos");
                return false;
            }
            em_grupo = false;
            passos.push_back(grupo);
            ++i;
            continue;
        }
        const QChar letra = c.toUpper();
        if (letra < QLatin1Char('A') || letra > QLatin1Char('Z') || !c.isLetter()) {
            erro = QStringLiteral("caractere inesperado %1: escreva os movimentos como A+ B+ B- A-")
                       .arg(nome_caractere(c));
            return false;
        }
        if (letra > QLatin1Char('F')) {
            erro = QStringLiteral("o cilindro %1 não existe: os cilindros vão de A a F").arg(letra);
            return false;
        }
        const QChar sinal = i + 1 < n ? texto[i + 1] : QChar();
        // Text copied from a document often carries the typographic minus or an en dash.
        const bool menos = sinal == QLatin1Char('-') || sinal == QChar(0x2212) || sinal == QChar(0x2013);
        if (sinal != QLatin1Char('+') && !menos) {
            erro = QStringLiteral("falta + ou - depois de %1").arg(letra);
            return false;
        }
        const TMovimento m{letra, !menos};
        i += 2;
        if (!em_grupo) {
            passos.push_back({m});
            continue;
        }
        for (const TMovimento &outro : grupo)
            if (outro.cilindro == letra) {
                erro = QStringLiteral("o cilindro %1 aparece duas vezes no mesmo passo").arg(letra);
                return false;
            }
        grupo.push_back(m);
    }
    if (em_grupo) {
        erro = QStringLiteral("falta fechar um parêntese");
        return false;
    }
    if (passos.empty()) {
        erro = QStringLiteral("a sequência está vazia");
        return false;
    }
    // Every cylinder starts retracted and alternates.
    std::map<QChar, bool> avancado;
    for (const TPasso_Sequencia &p : passos)
        for (const TMovimento &m : p) {
            bool &a = avancado[m.cilindro];
            if (a == m.avanco) {
                erro = m.avanco ? QStringLiteral("o cilindro %1 avança duas vezes seguidas").arg(m.cilindro)
                                : QStringLiteral("o cilindro %1 recua sem ter avançado").arg(m.cilindro);
                // A first movement backwards is not "twice in a row".
                bool ja_moveu = false;
                for (const TPasso_Sequencia &q : passos) {
                    if (&q == &p)
                        break;
                    for (const TMovimento &o : q)
                        ja_moveu = ja_moveu || o.cilindro == m.cilindro;
                }
                if (!m.avanco && ja_moveu)
                    erro = QStringLiteral("o cilindro %1 recua duas vezes seguidas").arg(m.cilindro);
                return false;
            }
            a = m.avanco;
        }
    for (const auto &[cilindro, a] : avancado)
        if (a) {
            erro = QStringLiteral("o cilindro %1 não recua no fim").arg(cilindro);
            return false;
        }
    sequencia.passos_ = std::move(passos);
    return true;
}

QList<QChar> TSequencia_Movimentos::cilindros() const
{
    QList<QChar> lista;
    for (QChar c = QLatin1Char('A'); c <= QLatin1Char('F'); c = QChar(c.unicode() + 1))
        for (const TPasso_Sequencia &p : passos_)
            for (const TMovimento &m : p)
                if (m.cilindro == c && !lista.contains(c))
                    lista << c;
    return lista;
}

QString TSequencia_Movimentos::texto() const
{
    QStringList partes;
    for (const TPasso_Sequencia &p : passos_) {
        QStringList grupo;
        for (const TMovimento &m : p)
            grupo << m.texto();
        const QString junto = grupo.join(QLatin1Char(' '));
        partes << (p.size() > 1 ? QLatin1Char('(') + junto + QLatin1Char(')') : junto);
    }
    return partes.join(QLatin1Char(' '));
}

QStringList TSequencia_Movimentos::movimentos() const
{
    QStringList lista;
    for (const TPasso_Sequencia &p : passos_)
        for (const TMovimento &m : p)
            lista << m.texto();
    return lista;
}

} // namespace zefira
