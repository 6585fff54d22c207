#pragma once
// TDiagrama_Trajeto_Passo: the displacement-step diagram of a run, laid out from the record
// of its steps and painted onto any QPainter (window, printer, PNG, SVG, PDF). One row per
// cylinder with its position (0 to 100) against the step number, optionally one row per
// directional valve with its position and one per solenoid and relay (1 on, 0 off), the step numbers along the top, and below them the
// sequence of movements observed so far and, when the notes hold a line "Sequência: ...",
// the expected sequence marked as met or not met. Rows are never so thin that their texts touch
// their lines: an area too small for that is overrun (a window scrolls over it).

#include "desenho/exportacao.h"
#include "modelo/historico_passos.h"

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
    bool eletrico = false;
    int minimo = 0, maximo = 100; // the values at the bottom and top of the row
    std::vector<int> valores;     // one per step
};

class TDiagrama_Trajeto_Passo {
public:
    // ocultar_ociosos: the idle steps before a cylinder first moves are left out; the diagram
    // starts at the last step at rest before that movement.
    TDiagrama_Trajeto_Passo(const THistorico_Passos &historico, const QStringList &observacoes,
                            bool mostrar_valvulas = true, bool ocultar_ociosos = false,
                            bool mostrar_eletricos = false);

    const std::vector<TLinha_Diagrama> &linhas() const { return linhas_; }
    // The steps drawn; the first of them is the run's step passo_inicial().
    int numero_passos() const { return numero_passos_; }
    int passo_inicial() const { return passo_inicial_; }
    QStringList observada() const { return observada_; }
    QStringList esperada() const { return esperada_; }
    bool cumprida() const { return cumprida_; }
    QString texto_observada() const;
    QString texto_esperada() const; // empty when the notes expect nothing

    // The size the diagram has with roomy columns and rows, for export.
    QSizeF tamanho_natural() const;
    // The smallest size that shows every step with its texts clear of the lines.
    QSizeF tamanho_minimo() const;
    // Paints the diagram into `area`. When the steps do not fit, the latest ones are shown.
    void desenhar(QPainter &p, const QRectF &area) const;

    // Where the value of row `linha` at the passo-th step drawn is plotted when painting into
    // `area`; the step must be among the shown ones.
    QPointF ponto(const QRectF &area, int linha, int passo) const;
    // The first step shown when painting into `area`, counted among the steps drawn.
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
    double altura_minima_linha() const; // of a valve row; a cylinder row is twice as tall
    QSizeF tamanho(double largura_passo, double altura_linha) const;

    std::vector<TLinha_Diagrama> linhas_;
    int numero_passos_ = 0;
    int passo_inicial_ = 0;
    QStringList observada_, esperada_;
    bool cumprida_ = false;
};

// Writes the whole run, every step at the natural size, as PNG, SVG or PDF by the extension.
ResultadoExportacao Exportar_Diagrama(const TDiagrama_Trajeto_Passo &diagrama, const QString &caminho,
                                      double escala = 1.0, QString *erro = nullptr);

} // namespace zefira
