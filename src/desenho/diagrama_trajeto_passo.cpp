#include "desenho/diagrama_trajeto_passo.h"

#include "simulacao/avaliacao_sequencia.h"
#include "simulacao/registro_movimentos.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zefira {

namespace {

constexpr double MARGEM = 8;
constexpr int PIXELS_FONTE = 12;
constexpr int PASSOS_MINIMOS = 10;       // columns the plot is sized for before it fills up
constexpr double LARGURA_PASSO_MAXIMA = 40;
constexpr double LARGURA_PASSO_MINIMA = 8; // below this the earliest steps scroll out
constexpr double LARGURA_PASSO_NATURAL = 30;
constexpr double ALTURA_CILINDRO_NATURAL = 80;
constexpr double FOLGA_LINHA = 0.18;     // share of a row kept free above and below its plot

const QColor COR_GRADE(215, 215, 215);
const QColor COR_CILINDRO(0, 0, 128);
const QColor COR_VALVULA(0, 110, 40);
const QColor COR_ELETRICO(170, 0, 0);
const QColor COR_CUMPRIDA(0, 128, 0);
const QColor COR_NAO_CUMPRIDA(190, 0, 0);

// Valve rows are half as tall as cylinder rows.
double peso(const TLinha_Diagrama &l) { return l.cilindro ? 2 : 1; }

} // namespace

TDiagrama_Trajeto_Passo::TDiagrama_Trajeto_Passo(const THistorico_Passos &h, const QStringList &observacoes,
                                                 bool mostrar_valvulas, bool ocultar_ociosos, bool mostrar_eletricos)
{
    const int total = h.numero_passos();
    if (ocultar_ociosos && total > 0) {
        const auto cilindros_parados = [&h](int k) {
            for (size_t i = 0; i < h.linhas.size(); ++i)
                if (h.linhas[i].cilindro && h.passos[size_t(k)][i] != h.passos[size_t(k - 1)][i])
                    return false;
            return true;
        };
        int k = 1;
        while (k < total && cilindros_parados(k))
            ++k;
        // From the last step at rest before the first movement, so the valve switches that
        // led to it stay in sight; with no movement at all, only the present step.
        int j = k - 1;
        while (k < total && j > 0 && h.passos[size_t(j)] != h.passos[size_t(j - 1)])
            --j;
        passo_inicial_ = j;
    }
    numero_passos_ = total - passo_inicial_;
    for (size_t i = 0; i < h.linhas.size(); ++i) {
        const TLinha_Historico &lh = h.linhas[i];
        if (lh.eletrico ? !mostrar_eletricos : !lh.cilindro && !mostrar_valvulas)
            continue;
        TLinha_Diagrama l;
        l.cilindro = lh.cilindro;
        l.eletrico = lh.eletrico;
        l.rotulo = lh.nome.isEmpty() ? QStringLiteral("V%1").arg(lh.codigo) : lh.nome;
        for (int k = passo_inicial_; k < total; ++k)
            l.valores.push_back(h.passos[size_t(k)][i]);
        if (l.eletrico) {
            l.maximo = 1;
        } else if (!l.cilindro) {
            l.minimo = 1;
            l.maximo = 2;
            for (int v : l.valores)
                l.maximo = std::max(l.maximo, v);
        }
        linhas_.push_back(std::move(l));
    }
    // Cylinders first, as textbooks draw them, then valves, solenoids and relays; each kind keeps
    // the list order.
    std::stable_sort(linhas_.begin(), linhas_.end(), [](const TLinha_Diagrama &a, const TLinha_Diagrama &b) {
        return (a.cilindro ? 0 : a.eletrico ? 2 : 1) < (b.cilindro ? 0 : b.eletrico ? 2 : 1);
    });
    observada_ = Sequencia_Observada(h);
    esperada_ = Sequencia_Das_Observacoes(observacoes);
    cumprida_ = Sequencia_Cumprida(esperada_, observada_);
}

QString TDiagrama_Trajeto_Passo::texto_observada() const
{
    return QStringLiteral("Sequência observada: ")
        + (observada_.isEmpty() ? QStringLiteral("nenhum movimento") : observada_.join(QLatin1Char(' ')));
}

QString TDiagrama_Trajeto_Passo::texto_esperada() const
{
    if (esperada_.isEmpty())
        return QString();
    return QStringLiteral("Sequência esperada: %1 — %2")
        .arg(esperada_.join(QLatin1Char(' ')),
             cumprida_ ? QStringLiteral("cumprida") : QStringLiteral("não cumprida"));
}

QFont TDiagrama_Trajeto_Passo::fonte() const
{
    QFont f;
    f.setPixelSize(PIXELS_FONTE);
    return f;
}

double TDiagrama_Trajeto_Passo::largura_rotulos() const
{
    const QFontMetricsF fm(fonte());
    double nomes = 0;
    for (const TLinha_Diagrama &l : linhas_)
        nomes = std::max(nomes, fm.horizontalAdvance(l.rotulo));
    return nomes + 8 + fm.horizontalAdvance(QStringLiteral("100")) + 6;
}

double TDiagrama_Trajeto_Passo::altura_minima_linha() const
{
    // The row's name fits between its separators, and the value numbers, centred on the plot
    // lines a share FOLGA_LINHA inside the row, stay clear of the separators.
    const QFontMetricsF fm(fonte());
    return std::max(fm.height() + 4, (fm.capHeight() / 2 + 2.5) / FOLGA_LINHA);
}

QSizeF TDiagrama_Trajeto_Passo::tamanho(double largura_passo, double altura_linha) const
{
    const QFontMetricsF fm(fonte());
    double pesos = 0;
    for (const TLinha_Diagrama &l : linhas_)
        pesos += peso(l);
    const int colunas = std::max(numero_passos_ - 1, PASSOS_MINIMOS);
    const double linhas_texto = esperada_.isEmpty() ? 1 : 2;
    return QSizeF(2 * MARGEM + largura_rotulos() + colunas * largura_passo + fm.horizontalAdvance(QStringLiteral("00")),
                  2 * MARGEM + (fm.height() + 6) * (1 + linhas_texto) + std::max(pesos, 2.0) * altura_linha);
}

QSizeF TDiagrama_Trajeto_Passo::tamanho_natural() const
{
    return tamanho(LARGURA_PASSO_NATURAL, ALTURA_CILINDRO_NATURAL / 2);
}

QSizeF TDiagrama_Trajeto_Passo::tamanho_minimo() const { return tamanho(LARGURA_PASSO_MINIMA, altura_minima_linha()); }

TDiagrama_Trajeto_Passo::TGeometria TDiagrama_Trajeto_Passo::geometria(const QRectF &area) const
{
    const QFontMetricsF fm(fonte());
    const double faixa = fm.height() + 6;
    const double linhas_texto = esperada_.isEmpty() ? 1 : 2;
    TGeometria g;
    const double esquerda = area.left() + MARGEM + largura_rotulos();
    // Room on the right for the last step number, centred on its line.
    const double direita = area.right() - MARGEM - fm.horizontalAdvance(QStringLiteral("00")) / 2;
    const double topo = area.top() + MARGEM + faixa;
    const double baixo = area.bottom() - MARGEM - faixa * linhas_texto;
    g.grafico = QRectF(QPointF(esquerda, topo), QPointF(std::max(esquerda + 1, direita), std::max(topo + 1, baixo)));
    const int colunas = std::max(numero_passos_ - 1, PASSOS_MINIMOS);
    g.largura_passo = std::clamp(g.grafico.width() / colunas, LARGURA_PASSO_MINIMA, LARGURA_PASSO_MAXIMA);
    // The epsilon keeps a width made for n columns from losing one to rounding.
    const int cabem = int(std::floor(g.grafico.width() / g.largura_passo + 1e-9));
    g.primeiro = std::max(0, numero_passos_ - 1 - cabem);
    double pesos = 0;
    for (const TLinha_Diagrama &l : linhas_)
        pesos += peso(l);
    g.altura_linha = pesos > 0 ? g.grafico.height() / pesos : 0;
    if (pesos > 0 && g.altura_linha < altura_minima_linha()) {
        g.altura_linha = altura_minima_linha();
        g.grafico.setHeight(pesos * g.altura_linha);
    }
    return g;
}

int TDiagrama_Trajeto_Passo::primeiro_passo(const QRectF &area) const { return geometria(area).primeiro; }

QPointF TDiagrama_Trajeto_Passo::ponto(const QRectF &area, int linha, int passo) const
{
    const TGeometria g = geometria(area);
    double topo = g.grafico.top();
    for (int i = 0; i < linha; ++i)
        topo += peso(linhas_[size_t(i)]) * g.altura_linha;
    return ponto(g, linha, topo, passo);
}

QPointF TDiagrama_Trajeto_Passo::ponto(const TGeometria &g, int linha, double topo, int passo) const
{
    const TLinha_Diagrama &l = linhas_[size_t(linha)];
    const double altura = peso(l) * g.altura_linha;
    const double folga = altura * FOLGA_LINHA;
    const double fracao = double(l.valores[size_t(passo)] - l.minimo) / (l.maximo - l.minimo);
    return QPointF(g.grafico.left() + (passo - g.primeiro) * g.largura_passo,
                   topo + altura - folga - fracao * (altura - 2 * folga));
}

void TDiagrama_Trajeto_Passo::desenhar(QPainter &p, const QRectF &area) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(fonte());
    p.fillRect(area, Qt::white);
    const QFontMetricsF fm(fonte());
    const TGeometria g = geometria(area);
    const double faixa = fm.height() + 6;

    if (linhas_.empty()) {
        p.setPen(Qt::darkGray);
        p.drawText(area.adjusted(MARGEM, MARGEM, -MARGEM, -MARGEM), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("Inicie a simulação para traçar o diagrama."));
        p.restore();
        return;
    }

    // Step lines and their numbers along the top; numbers thin out when columns get narrow.
    const int ultimo = numero_passos_ - 1;
    const double largura_numero = fm.horizontalAdvance(QString::number(std::max(ultimo + passo_inicial_, 10))) + 6;
    const int cada = std::max(1, int(std::ceil(largura_numero / g.largura_passo)));
    for (int k = g.primeiro; k <= std::max(ultimo, g.primeiro + PASSOS_MINIMOS); ++k) {
        const double x = g.grafico.left() + (k - g.primeiro) * g.largura_passo;
        if (x > g.grafico.right() + 0.5)
            break;
        p.setPen(QPen(COR_GRADE, 1));
        p.drawLine(QPointF(x, g.grafico.top()), QPointF(x, g.grafico.bottom()));
        if ((k + passo_inicial_) % cada == 0) {
            p.setPen(Qt::black);
            p.drawText(QRectF(x - largura_numero, g.grafico.top() - faixa, 2 * largura_numero, faixa),
                       Qt::AlignHCenter | Qt::AlignVCenter, QString::number(k + passo_inicial_));
        }
    }

    double topo = g.grafico.top();
    for (size_t i = 0; i < linhas_.size(); ++i) {
        const TLinha_Diagrama &l = linhas_[i];
        const double altura = peso(l) * g.altura_linha;
        const double folga = altura * FOLGA_LINHA;
        const double y_max = topo + folga, y_min = topo + altura - folga;
        p.setPen(QPen(COR_GRADE, 1));
        p.drawLine(QPointF(g.grafico.left(), y_max), QPointF(g.grafico.right(), y_max));
        p.drawLine(QPointF(g.grafico.left(), y_min), QPointF(g.grafico.right(), y_min));
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(QPointF(area.left() + MARGEM, topo + altura), QPointF(g.grafico.right(), topo + altura));

        p.setPen(Qt::black);
        p.drawText(QRectF(area.left() + MARGEM, topo, g.grafico.left() - area.left() - MARGEM, altura),
                   Qt::AlignLeft | Qt::AlignVCenter, l.rotulo);
        const QRectF coluna(g.grafico.left() - 40, 0, 36, fm.height());
        p.drawText(coluna.translated(0, y_max - fm.height() / 2), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(l.maximo));
        p.drawText(coluna.translated(0, y_min - fm.height() / 2), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(l.minimo));

        QPainterPath traco;
        for (int k = g.primeiro; k <= ultimo; ++k) {
            const QPointF pt = ponto(g, int(i), topo, k);
            if (k == g.primeiro)
                traco.moveTo(pt);
            else
                traco.lineTo(pt);
        }
        p.setPen(QPen(l.cilindro ? COR_CILINDRO : l.eletrico ? COR_ELETRICO : COR_VALVULA, l.cilindro ? 2.5 : 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(traco);
        topo += altura;
    }

    // The texts below the plot; the latest movements stay visible when the line is too long.
    const double largura_texto = area.width() - 2 * MARGEM;
    QRectF linha_texto(area.left() + MARGEM, g.grafico.bottom() + 3, largura_texto, faixa);
    p.setPen(Qt::black);
    const QString prefixo = QStringLiteral("Sequência observada: ");
    const QString movimentos = texto_observada().mid(prefixo.size());
    p.drawText(linha_texto, Qt::AlignLeft | Qt::AlignVCenter,
               prefixo + fm.elidedText(movimentos, Qt::ElideLeft, largura_texto - fm.horizontalAdvance(prefixo)));
    if (!esperada_.isEmpty()) {
        p.setPen(cumprida_ ? COR_CUMPRIDA : COR_NAO_CUMPRIDA);
        p.drawText(linha_texto.translated(0, faixa), Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(texto_esperada(), Qt::ElideMiddle, largura_texto));
    }
    p.restore();
}

} // namespace zefira

namespace zefira {

ResultadoExportacao Exportar_Diagrama(const TDiagrama_Trajeto_Passo &diagrama, const QString &caminho, double escala,
                                      QString *erro)
{
    const QSizeF tamanho = diagrama.tamanho_natural();
    return exportar_desenho(
        caminho, tamanho, escala, [&](QPainter &p) { diagrama.desenhar(p, QRectF(QPointF(0, 0), tamanho)); }, erro);
}

} // namespace zefira
