// zefira-cli simbolos PASTA [--escala K] [--svg]
// Writes every picture of the symbol library into PASTA, one file per base name: PNG at K
// times its size (2 by default), or SVG. The help's symbol page is made from these files.
#include "cli/comandos.h"

#include "desenho/exportacao.h"
#include "simbolos/desenho_simbolos.h"
#include "simbolos/imagens.h"

#include <QDir>
#include <cmath>

namespace zefira::cli {

namespace {

const char *const USO_SIMBOLOS =
    "Uso: zefira-cli simbolos PASTA [--escala K] [--svg]\n"
    "  Grava cada figura da biblioteca de símbolos em PASTA, com o nome da figura: em PNG,\n"
    "  ampliada K vezes (padrão 2), ou em SVG.\n"
    "  Saída: 0 gravado; 3 erro ao salvar; 4 uso incorreto.";

constexpr double ESCALA_PADRAO = 2;

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
                                        [&](QPainter &p) { desenhar_simbolo(nome, p, w, h); });
        if (r != ResultadoExportacao::ok) {
            erro(QStringLiteral("Erro ao salvar arquivo!"));
            return ERRO_ESCRITA;
        }
    }
    return OK;
}

} // namespace zefira::cli
