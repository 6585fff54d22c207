// zefira-cli simbolos PASTA [--escala K] [--svg]
// Writes every picture of the symbol library into PASTA, one file per base name, and whole
// cylinders and valves with their port numbers: PNG at K times their size (2 by default), or
// SVG. The help's symbol page is made from these files.
#include "cli/comandos.h"

#include "componentes/registro.h"
#include "desenho/exportacao.h"
#include "desenho/limites_desenho.h"
#include "modelo/estado.h"
#include "simbolos/desenho_simbolos.h"
#include "simbolos/imagens.h"

#include <QDir>
#include <cmath>

namespace zefira::cli {

namespace {

const char *const USO_SIMBOLOS =
    "Uso: zefira-cli simbolos PASTA [--escala K] [--svg]\n"
    "  Grava cada figura da biblioteca de símbolos em PASTA, com o nome da figura, e os cilindros\n"
    "  e válvulas completos, com as vias numeradas: em PNG, ampliados K vezes (padrão 2), ou em SVG.\n"
    "  Saída: 0 gravado; 3 erro ao salvar; 4 uso incorreto.";

constexpr double ESCALA_PADRAO = 2;

// The number beside each port of a whole component: below a port that leaves the bottom of the
// symbol, above the others.
void numerar_portas(QPainter &p, const TComponente &c, const QStringList &numeros)
{
    QFont f = p.font();
    f.setPixelSize(8);
    p.setFont(f);
    p.setPen(Qt::black);
    for (int porta = 1; porta <= numeros.size(); ++porta) {
        const TPonto em = c.ponto(porta);
        if (numeros[porta - 1].isEmpty() || em.x == FORA_DO_DESENHO || em == TPonto(-1, -1))
            continue;
        const bool acima = em.y <= c.baixo;
        const QRectF caixa(em.x - 11.5, acima ? em.y - 11 : em.y + 1, 24, 10);
        p.drawText(caixa, Qt::AlignCenter, numeros[porta - 1]);
    }
}

// Whole components as the work area draws them, as each family shows them on the help's
// symbol page, each in a picture of its own.
bool gravar_amostras(const QString &pasta, double escala, bool svg)
{
    for (const TFamilia *familia : Familias()) {
        for (int i = 0;; ++i) {
            TEstado e;
            QString nome;
            QStringList numeros;
            const TComponente *c = familia->amostra(e.lista(), i, nome, numeros);
            if (!c)
                break;
            const QRect area = Area_Exportacao(e).adjusted(-10, -10, 10, 10);
            const QString arquivo =
                QDir(pasta).filePath(nome + (svg ? QStringLiteral(".svg") : QStringLiteral(".png")));
            const auto r = exportar_desenho(arquivo, QSizeF(area.size()), escala, [&](QPainter &p) {
                Desenhar_Area(e, p, area);
                if (!numeros.isEmpty()) {
                    p.translate(-area.topLeft());
                    numerar_portas(p, *c, numeros);
                }
            });
            if (r != ResultadoExportacao::ok)
                return false;
        }
    }
    return true;
}

} // namespace

int simbolos(const QStringList &args)
{
    QString pasta;
    double escala = ESCALA_PADRAO;
    bool svg = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--svg")) {
            svg = true;
        } else if (a == QLatin1String("--escala") && i + 1 < args.size()) {
            bool ok = false;
            escala = args[++i].toDouble(&ok);
            if (!ok || !std::isfinite(escala) || escala <= 0) {
                erro(QString::fromUtf8(USO_SIMBOLOS));
                return ERRO_USO;
            }
        } else if (!a.startsWith(QLatin1String("--")) && pasta.isEmpty()) {
            pasta = a;
        } else {
            erro(QString::fromUtf8(USO_SIMBOLOS));
            return ERRO_USO;
        }
    }
    if (pasta.isEmpty()) {
        erro(QString::fromUtf8(USO_SIMBOLOS));
        return ERRO_USO;
    }
    if (!QDir().mkpath(pasta)) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    int n = 0;
    const TImagens::Entrada *tabela = TImagens::tabela(n);
    for (int i = 0; i < n; ++i) {
        const QString nome = QString::fromLatin1(tabela[i].nome);
        if (nome == QLatin1String("nada"))
            continue; // the blank stand-in for "no actuator" has nothing to show
        const int w = tabela[i].largura, h = tabela[i].altura;
        const QString arquivo = QDir(pasta).filePath(nome + (svg ? QStringLiteral(".svg") : QStringLiteral(".png")));
        const auto r = exportar_desenho(arquivo, QSizeF(w, h), escala,
                                        [&](QPainter &p) {
                                            // Above 1x the library draws vectors: smoothed, black.
                                            p.setRenderHint(QPainter::Antialiasing, escala != 1);
                                            p.setPen(QPen(Qt::black, 1));
                                            desenhar_simbolo(nome, p, w, h);
                                        });
        if (r != ResultadoExportacao::ok) {
            erro(QStringLiteral("Erro ao salvar arquivo!"));
            return ERRO_ESCRITA;
        }
    }
    if (!gravar_amostras(pasta, escala, svg)) {
        erro(QStringLiteral("Erro ao salvar arquivo!"));
        return ERRO_ESCRITA;
    }
    return OK;
}

} // namespace zefira::cli
