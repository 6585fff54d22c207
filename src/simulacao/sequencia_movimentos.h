#pragma once
// TSequencia_Movimentos: a sequence of cylinder movements as a teacher writes it, "A+ B+ B- A-"
// or "A+ (B+ C+) A-". Cylinders are the letters A to F (typed in either case), each movement
// X+ or X-, blanks optional; parentheses gather the movements of one step. Every cylinder
// starts retracted, alternates + and - and ends retracted: a sequence that breaks any of
// this is refused with a message that names the fault.

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace zefira {

struct TMovimento {
    QChar cilindro; // 'A'..'F'
    bool avanco = true;

    QString texto() const { return QString(cilindro) + QLatin1Char(avanco ? '+' : '-'); }
    bool operator==(const TMovimento &o) const { return cilindro == o.cilindro && avanco == o.avanco; }
};

// The movements of one step, in the order written.
using TPasso_Sequencia = std::vector<TMovimento>;

class TSequencia_Movimentos {
public:
    // Reads `texto`; false with the fault in `erro` ("o cilindro B avança duas vezes seguidas").
    static bool ler(const QString &texto, TSequencia_Movimentos &sequencia, QString &erro);

    const std::vector<TPasso_Sequencia> &passos() const { return passos_; }
    int numero_passos() const { return int(passos_.size()); }
    // The cylinders in alphabetical order: the columns of a generated circuit.
    QList<QChar> cilindros() const;
    // Written back with one blank between movements and each group of several in parentheses.
    QString texto() const;
    // Every movement in order, "A+", "B+", ...
    QStringList movimentos() const;

private:
    std::vector<TPasso_Sequencia> passos_;
};

} // namespace zefira
