// zefira-cli simbolos PASTA [--escala K] [--svg]
// Writes every picture of the symbol library into PASTA, one file per base name, and whole
// cylinders and valves with their port numbers: PNG at K times their size (2 by default), or
// SVG. The help's symbol page is made from these files.
#include "cli/comandos.h"

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

// Whole components as the work area draws them, for the pictures of the help's symbol page.
// Valves carry their port numbers: the body ports are numbered as the program numbers them
// (1 supply, 2 and 4 outputs, 3 and 5 exhausts); a pilot is numbered after the connection
// its square makes (14: 1 to 4, 12: 1 to 2).
struct Componente {
    const char *arquivo;
    int tipo;
    int subtipo;            // cylinder kind, or number of ways of a valve
    int quadros[2];         // valve squares (left, right)
    bool piloto_dir;        // otherwise a spring on the right
    const char *piloto_esq_numero, *piloto_dir_numero;
};

const Componente COMPONENTES[] = {
    {"cilindro_simples_acao", TIPO_CILINDRO, 1, {}, false, "", ""},
    {"cilindro_dupla_acao_haste_simples", TIPO_CILINDRO, 2, {}, false, "", ""},
    {"cilindro_dupla_acao_haste_dupla", TIPO_CILINDRO, 3, {}, false, "", ""},
    {"valvula_2_2_numerada", TIPO_VALVULA_DIRECIONAL, 2, {1, 2}, false, "12", ""},
    {"valvula_3_2_numerada", TIPO_VALVULA_DIRECIONAL, 3, {4, 5}, false, "12", ""},
    {"valvula_4_2_numerada", TIPO_VALVULA_DIRECIONAL, 4, {11, 10}, true, "14", "12"},
    {"valvula_5_2_numerada", TIPO_VALVULA_DIRECIONAL, 5, {16, 15}, true, "14", "12"},
};

TComponente &montar(TEstado &e, const Componente &k)
{
    TComponente &c = k.tipo == TIPO_CILINDRO ? e.lista().adicionar(TIPO_CILINDRO, 40, -1, k.subtipo, -1, 40)
                                             : e.lista().adicionar(TIPO_VALVULA_DIRECIONAL, 60, -1, -1, k.subtipo, 60);
    if (c.valvula_direcional) {
        TValvula_Direcional &v = *c.valvula_direcional;
        v.definir_parte(1, k.quadros[0]);
        v.definir_parte(2, k.quadros[1]);
        v.piloto_esq = true;
        v.piloto_dir = k.piloto_dir;
        v.mola_dir = !k.piloto_dir;
        v.mostrar_nome = false;
        v.desselecionar(); // loads the actuator pictures
    }
    c.atualizar_geometria();
    return c;
}

// The number beside each port: above the upper ones, below the lower ones and the pilots.
void numerar_portas(QPainter &p, const TComponente &c, const Componente &k)
{
    QFont f = p.font();
    f.setPixelSize(8);
    p.setFont(f);
    p.setPen(Qt::black);
    const auto rotulo = [&p](TPonto em, bool acima, const QString &texto) {
        const QRectF caixa(em.x - 11.5, acima ? em.y - 11 : em.y + 1, 24, 10);
        p.drawText(caixa, Qt::AlignCenter, texto);
    };
    for (int porta = 1; porta <= 5; ++porta) {
        const TPonto pt = c.ponto(porta);
        if (pt.x != FORA_DO_DESENHO && pt != TPonto(-1, -1) && porta <= c.valvula_direcional->numero_vias)
            rotulo(pt, pt.y < c.topo, QString::number(porta));
    }
    if (*k.piloto_esq_numero)
        rotulo(c.ponto(6), true, QString::fromLatin1(k.piloto_esq_numero));
    if (*k.piloto_dir_numero)
        rotulo(c.ponto(7), true, QString::fromLatin1(k.piloto_dir_numero));
}

bool gravar_componente(const QString &pasta, const Componente &k, double escala, bool svg)
{
    TEstado e;
    TComponente &c = montar(e, k);
    const QRect area = Area_Exportacao(e).adjusted(-10, -10, 10, 10);
    const QString arquivo = QDir(pasta).filePath(QString::fromLatin1(k.arquivo) +
                                                 (svg ? QStringLiteral(".svg") : QStringLiteral(".png")));
    return exportar_desenho(arquivo, QSizeF(area.size()), escala, [&](QPainter &p) {
               Desenhar_Area(e, p, area);
               if (c.valvula_direcional) {
                   p.translate(-area.topLeft());
                   numerar_portas(p, c, k);
               }
           }) == ResultadoExportacao::ok;
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
    for (const Componente &k : COMPONENTES) {
        if (!gravar_componente(pasta, k, escala, svg)) {
            erro(QStringLiteral("Erro ao salvar arquivo!"));
            return ERRO_ESCRITA;
        }
    }
    return OK;
}

} // namespace zefira::cli
