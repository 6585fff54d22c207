#include "desenho/impressao.h"

#include "desenho/limites_desenho.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace zefira {

namespace {

constexpr double DPI_TELA = 96.0;
// A small circuit grows to fill the page, but not beyond twice its size on a 96 dpi screen.
constexpr double AMPLIACAO_MAXIMA = 2.0;
constexpr int PONTO_CABECALHO = 11;
constexpr int PONTO_OBSERVACOES = 9;
// Gaps as fractions of an inch: below the header's rule and above the notes.
constexpr double ESPACO_CABECALHO = 0.15;
constexpr double ESPACO_OBSERVACOES = 0.2;
// The notes never take more than this part of the page; lines beyond it are left out.
constexpr double PARTE_MAXIMA_OBSERVACOES = 0.4;

QFont fonte(int pontos, bool negrito)
{
    QFont f;
    f.setPointSize(pontos);
    f.setBold(negrito);
    return f;
}

// Header: the name on the left, the date on the right, a rule below. Returns its height.
double desenhar_cabecalho(QPainter &p, const QRectF &pagina, const QString &nome, const QString &data, double dpi)
{
    p.setFont(fonte(PONTO_CABECALHO, true));
    const QFontMetricsF m(p.font(), p.device());
    const double altura = m.height();
    p.setPen(Qt::black);
    const QRectF linha(pagina.left(), pagina.top(), pagina.width(), altura);
    p.drawText(linha, Qt::AlignLeft | Qt::AlignVCenter, m.elidedText(nome, Qt::ElideRight, pagina.width() * 0.7));
    p.setFont(fonte(PONTO_CABECALHO, false));
    p.drawText(linha, Qt::AlignRight | Qt::AlignVCenter, data);
    const double y = pagina.top() + altura + dpi * 0.05;
    p.setPen(QPen(Qt::black, std::max(1.0, dpi / DPI_TELA)));
    p.drawLine(QPointF(pagina.left(), y), QPointF(pagina.right(), y));
    return y - pagina.top() + dpi * ESPACO_CABECALHO;
}

// Lines of the notes that fit in `altura_maxima`, with the title, and the height they take.
QStringList linhas_observacoes(QPainter &p, const QStringList &observacoes, double altura_maxima, double &altura)
{
    const QFontMetricsF m(fonte(PONTO_OBSERVACOES, false), p.device());
    QStringList linhas;
    altura = 0;
    const int cabem = int(altura_maxima / m.lineSpacing()) - 1; // one line for the title
    for (int i = 0; i < observacoes.size() && i < cabem; ++i)
        linhas << observacoes[i];
    altura = m.lineSpacing() * (linhas.size() + 1);
    return linhas;
}

void desenhar_observacoes(QPainter &p, const QRectF &area, const QStringList &linhas)
{
    p.setPen(Qt::black);
    p.setFont(fonte(PONTO_OBSERVACOES, true));
    const QFontMetricsF m(p.font(), p.device());
    double y = area.top();
    p.drawText(QRectF(area.left(), y, area.width(), m.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Observações"));
    p.setFont(fonte(PONTO_OBSERVACOES, false));
    const QFontMetricsF mn(p.font(), p.device());
    for (const QString &l : linhas) {
        y += mn.lineSpacing();
        p.drawText(QRectF(area.left(), y, area.width(), mn.lineSpacing()), Qt::AlignLeft | Qt::AlignVCenter,
                   mn.elidedText(l, Qt::ElideRight, area.width()));
    }
}

bool sem_texto(const QStringList &linhas)
{
    return std::all_of(linhas.begin(), linhas.end(), [](const QString &l) { return l.trimmed().isEmpty(); });
}

} // namespace

QPageLayout::Orientation Orientacao_Impressao(TEstado &estado)
{
    const QRect area = Area_Exportacao(estado);
    return area.width() > area.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QString Nome_Impressao(const TEstado &estado)
{
    static const QString SEPARADOR = QStringLiteral(" - ");
    static const QString DEMO = QStringLiteral(" - DEMO - ");
    const QString &nome = estado.nome_documento;
    if (nome.startsWith(DEMO))
        return nome.mid(SEPARADOR.size());
    if (nome.startsWith(SEPARADOR))
        return QFileInfo(nome.mid(SEPARADOR.size())).fileName();
    return nome.isEmpty() ? QStringLiteral("Sem nome") : nome;
}

bool Imprimir_Circuito(TEstado &estado, QPagedPaintDevice &dispositivo, const QString &data, bool com_observacoes)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return false;
    const double dpi = dispositivo.logicalDpiY();
    const QRectF pagina(0, 0, dispositivo.width(), dispositivo.height());
    const double topo = desenhar_cabecalho(p, pagina, Nome_Impressao(estado), data, dpi);

    QStringList linhas;
    double altura_obs = 0;
    if (com_observacoes && !sem_texto(estado.observacoes))
        linhas = linhas_observacoes(p, estado.observacoes, pagina.height() * PARTE_MAXIMA_OBSERVACOES, altura_obs);
    const double reserva = altura_obs > 0 ? altura_obs + dpi * ESPACO_OBSERVACOES : 0;
    const QRectF livre(pagina.left(), pagina.top() + topo, pagina.width(), pagina.height() - topo - reserva);

    const QRect area = Area_Exportacao(estado);
    const double escala = std::min({AMPLIACAO_MAXIMA * dpi / DPI_TELA, livre.width() / area.width(), livre.height() / area.height()});
    const QSizeF tamanho = QSizeF(area.size()) * escala;
    // Centred across, at the top of the free space, so the notes follow the drawing.
    const QPointF canto(livre.left() + (livre.width() - tamanho.width()) / 2, livre.top());
    p.save();
    // The renderer clears its whole device before painting: kept inside the drawing's place, it
    // cannot wipe the header.
    p.setClipRect(QRectF(canto, tamanho));
    p.translate(canto);
    p.scale(escala, escala);
    Desenhar_Area(estado, p, area);
    p.restore();

    if (!linhas.isEmpty() || altura_obs > 0)
        desenhar_observacoes(p, QRectF(pagina.left(), canto.y() + tamanho.height() + dpi * ESPACO_OBSERVACOES,
                                       pagina.width(), altura_obs),
                             linhas);
    return p.end();
}

} // namespace zefira
