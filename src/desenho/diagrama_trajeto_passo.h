#pragma once
// TDiagrama_Trajeto_Passo: the displacement-step diagram of a run, laid out from the record
// of its steps and painted onto any QPainter (window, printer, PNG, SVG, PDF). One row per
// cylinder with its position (0 to 100) against the step number, optionally one row per
// directional valve with its position, the step numbers along the top, and below them the
// sequence of movements observed so far and, when the notes hold a line "Sequência: ...",
// the expected sequence marked as met or not met.

#include "model/historico_passos.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

namespace zefira {

struct TLinha_Diagrama {
    QString rotulo;
    bool cilindro = true;
    int minimo = 0, maximo = 100; // the values at the bottom and top of the row
    std::vector<int> valores;     // one per step
};

class TDiagrama_Trajeto_Passo {
public:
    TDiagrama_Trajeto_Passo(const THistorico_Passos &historico, const QStringList &observacoes,
                            bool mostrar_valvulas = true);

    const std::vector<TLinha_Diagrama> &linhas() const { return linhas_; }
    int numero_passos() const { return numero_passos_; }
    QStringList observada() const { return observada_; }
    QStringList esperada() const { return esperada_; }
    bool cumprida() const { return cumprida_; }
    QString texto_observada() const;
    QString texto_esperada() const; // empty when the notes expect nothing

    // The size the diagram has with roomy columns and rows, for export.
    QSizeF tamanho_natural() const;
    // Paints the diagram into `area`. When the steps do not fit, the latest ones are shown.
    void desenhar(QPainter &p, const QRectF &area) const;

    // Where the value of row `linha` at step `passo` is plotted when painting into `area`;
    // the step must be among the shown ones.
    QPointF ponto(const QRectF &area, int linha, int passo) const;
    // The first step shown when painting into `area`.
    int primeiro_passo(const QRectF &area) const;

private:
    struct TGeometria {
        QRectF grafico;        // the plotting area, rows stacked, without labels
        double largura_passo;  // between two step lines
        int primeiro;          // first step shown
        double altura_linha;
    };
    TGeometria geometria(const QRectF &area) const;
    // The plotted point with the geometry already worked out; topo is the row's top.
    QPointF ponto(const TGeometria &g, int linha, double topo, int passo) const;
    QFont fonte() const;
    double largura_rotulos() const;

    std::vector<TLinha_Diagrama> linhas_;
    int numero_passos_ = 0;
    QStringList observada_, esperada_;
    bool cumprida_ = false;
};

} // namespace zefira
