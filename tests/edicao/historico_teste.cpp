// The headless editor driven through the action-script player. Undo and redo: every kind of edit
// is one step that undo takes back and redo does again, the modified flag follows the history,
// and random scripts on an empty circuit and on each demonstration undo back to where they started.
#include "edicao/area_trabalho.h"
#include "apoio/circuito.h"
#include "propriedades/configuracao_eletrica.h"
#include "propriedades/configuracao_reguladora.h"
#include "propriedades/configuracao_tomada_ar.h"
#include "propriedades/configuracao_valvula.h"
#include "edicao/roteiro.h"
#include "modelo/modo.h"
#include "demonstracoes/demonstracoes.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "documento/apoio_arquivos.h"
#include "documento/comandos_documento.h"
#include "documento/historico_documento.h"
#include "modelo/interface_roteirizada.h"
#include "simulacao/controle_simulacao.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace zefira;
using teste::sem_data;

namespace {

// A scripted user whose valve dialog confirms with the compressed-air box cleared, and who
// ticks the Fuzzy box of a supply or regulator, then confirms "Grande" or cancels.
class UsuarioSemAr : public TInterfaceRoteirizada {
public:
    bool editar_propriedades(TEstado &, TComponente &c) override
    {
        if (c.tomada_ar || c.valvula_e_ou_esc_reg) {
            TConfiguracao_Tomada_Ar tomada;
            TConfiguracao_Reguladora reguladora;
            TConfiguracao_Valor_Fuzzy &d = c.tomada_ar ? static_cast<TConfiguracao_Valor_Fuzzy &>(tomada) : reguladora;
            d.preparar(c);
            d.FormShow();
            d.cbFuzzyClick(true);
            d.grau = 2;
            if (fuzzy_ok)
                d.ButOKClick();
            return fuzzy_ok;
        }
        if (c.eletrico) {
            TConfiguracao_Eletrica d;
            d.preparar(*lista, c);
            d.FormShow();
            d.definir_tag(QStringLiteral("K7"));
            d.ButOKClick();
            return true;
        }
        if (c.tipo != TIPO_VALVULA_DIRECIONAL)
            return false;
        TConfiguracao_Figuras figuras;
        TConfiguracao_Valvula d(figuras);
        d.preparar(*lista, c);
        d.FormShow();
        d.ar_comprimido = false;
        d.ButOKClick();
        return true;
    }
    TLista_Componente *lista = nullptr;
    bool fuzzy_ok = true;
};

struct Editor {
    TEstado e;
    UsuarioSemAr ui;

    Editor()
    {
        FormCreate(e, 1000, 650);
        e.aleatorio = [](int) { return 7; };
        Iniciar_Historico(e);
    }
    void rodar(const QString &texto)
    {
        TRoteiro r;
        ASSERT_EQ(r.analisar(texto), 0) << texto.toStdString();
        ui.lista = &e.lista();
        for (const TRoteiro::TAcao &a : r.acoes()) {
            ui.lista = &e.lista(); // undo replaces the list
            r.executar(e, ui, a);
        }
    }
    std::string bytes() const { return sem_data(Conteudo_Arquivo(e)).toStdString(); }
    void tiques(int n)
    {
        for (int i = 0; i < n; ++i)
            Timer1Timer(e, TApresentacaoSimulacao{});
    }
};

// Valve 1 at (100, 100) with its supply 2 docked; valve 3 at (300, 200) with supply 4;
// cylinder 5 at (203, 300), port 1 at (207, 332).
const QString TRES = QStringLiteral("paleta 3\npressionar 100 100\nsoltar 100 100\n"
                                    "paleta 3\npressionar 300 200\nsoltar 300 200\n"
                                    "paleta 7\npressionar 203 300\nsoltar 203 300\n");
// A wire from valve 1's port 2 to the cylinder's port 1.
const QString FIO = QStringLiteral("mover 130 95\npressionar 130 95\nsoltar 130 95\n"
                                   "mover 207 332\npressionar 207 332\nsoltar 207 332\n");

// The midpoint of the wire's first segment long enough to grab.
QString meio_segmento(const TEstado &e)
{
    for (int i = 0; i < e.lista_componentes->numero_componentes(); ++i) {
        const TComponente &c = (*e.lista_componentes)[i];
        if (c.tipo != TIPO_FIO)
            continue;
        for (int k = 0; k + 1 < c.fio->numero_pontos(); ++k) {
            const TPonto a = c.fio->pontos[size_t(k)], b = c.fio->pontos[size_t(k + 1)];
            if (std::abs(a.x - b.x) + std::abs(a.y - b.y) > 20)
                return QStringLiteral("%1 %2").arg((a.x + b.x) / 2).arg((a.y + b.y) / 2);
        }
    }
    return QStringLiteral("0 0");
}

// An edit of every kind; in its script %M stands for the middle of a wire's segment, %X for its x.
struct Passo {
    const char *nome;
    QString preparo, acao;
    int componentes_depois; // change in the component count the step makes
};

} // namespace

TEST(HistoricoEdicao, CadaTipoDePassoDesfazERefaz)
{
    const QString SELECIONAR_VALVULA = QStringLiteral("pressionar 110 110\nsoltar 110 110\n");
    const QString SELECIONAR_CILINDRO = QStringLiteral("pressionar 250 310\nsoltar 250 310\n");
    const Passo passos[] = {
        {"inserir", "", "paleta 3\npressionar 100 100\nsoltar 100 100\n", 2},
        {"ligar fio", TRES, FIO, 1},
        {"mover", TRES, "pressionar 110 110\nmover 150 180\nmover 170 190\nsoltar 170 190\n", 0},
        // A supply dragged onto the cylinder's port docks there within the same step.
        {"mover", TRES + "paleta 6\npressionar 500 500\nsoltar 500 500\n",
         "pressionar 505 510\nmover 208 344\nsoltar 208 344\n", 0},
        {"mover", TRES + FIO, "mover %M\npressionar %M\nmover %X 60\nsoltar %X 60\n", 0},
        {"mover", TRES + SELECIONAR_VALVULA, "tecla Direita\n", 0},
        // The valve goes with the wire on its port; its docked supply stays, undocked.
        {"excluir", TRES + FIO + SELECIONAR_VALVULA, "tecla Delete\n", -2},
        {"cortar", TRES + SELECIONAR_CILINDRO, "menu cortar\n", -1},
        {"colar", TRES + SELECIONAR_CILINDRO + "menu copiar\n", "menu colar\n", 1},
        {"rotacionar", "paleta 13\npressionar 500 400\nsoltar 500 400\npressionar 505 405 dir\nsoltar 505 405 dir\n",
         "menu rotacionar\n", 0},
        // The valve dialog's OK without compressed air takes the docked supply away.
        {"alterar propriedades", TRES + SELECIONAR_VALVULA, "duplo 110 110\n", -1},
        // An electrical part's dialog: a relay renamed.
        {"alterar propriedades", "paleta 26\npressionar 600 100\nsoltar 600 100\npressionar 615 120\nsoltar 615 120\n",
         "duplo 615 120\n", 0},
    };
    for (const Passo &p : passos) {
        SCOPED_TRACE(p.nome);
        Editor x;
        x.rodar(p.preparo);
        const std::string antes = x.bytes();
        const int n_antes = x.e.lista().numero_componentes();
        const int passos_antes = x.e.historico_edicao.numero_passos();
        const QString meio = meio_segmento(x.e);
        x.rodar(QString(p.acao).replace("%M", meio).replace("%X", meio.section(' ', 0, 0)));
        const std::string depois = x.bytes();
        ASSERT_NE(antes, depois);
        EXPECT_EQ(x.e.lista().numero_componentes() - n_antes, p.componentes_depois);
        EXPECT_EQ(x.e.historico_edicao.numero_passos(), passos_antes + 1) << "one step, not more";
        EXPECT_EQ(Legenda_Desfazer(x.e), QStringLiteral("&Desfazer ") + QString::fromUtf8(p.nome));

        x.rodar("menu desfazer\n");
        EXPECT_EQ(x.bytes(), antes);
        EXPECT_EQ(Legenda_Refazer(x.e), QStringLiteral("&Refazer ") + QString::fromUtf8(p.nome));
        EXPECT_EQ(x.e.numero_selecionados, teste::contar_selecionados(x.e));
        x.rodar("menu refazer\n");
        EXPECT_EQ(x.bytes(), depois);
        EXPECT_EQ(x.e.numero_selecionados, teste::contar_selecionados(x.e));
        // The restored circuit is live: a further edit on it is a step of its own.
        x.rodar("paleta 14\npressionar 800 50\nsoltar 800 50\nmenu desfazer\n");
        EXPECT_EQ(x.bytes(), depois);
    }
}

// Selecting, a press that moves nothing and a cancelled wire change no circuit: no step.
TEST(HistoricoEdicao, SelecionarEGestosSemEfeitoNaoSaoPassos)
{
    const char *const roteiros[] = {
        "pressionar 110 110\nsoltar 110 110\n",
        "pressionar 5 5\nmover 400 400\nsoltar 400 400\n", // rubber band
        "menu selecionartudo\n",
        "mover 130 95\npressionar 130 95\nsoltar 130 95\ntecla Escape\n",
        "pressionar 110 110\nmover 140 140\nmover 110 110\nsoltar 110 110\n",
        "paleta 3\ntecla Escape\n",
    };
    for (const char *r : roteiros) {
        SCOPED_TRACE(r);
        Editor x;
        x.rodar(TRES);
        const int passos = x.e.historico_edicao.numero_passos();
        x.rodar(QString::fromUtf8(r));
        EXPECT_EQ(x.e.historico_edicao.numero_passos(), passos);
    }
}

// The modified flag is false exactly in the state last saved, whichever way it is reached.
TEST(HistoricoEdicao, ModificadoSegueOHistorico)
{
    QTemporaryDir pasta;
    Editor x;
    EXPECT_FALSE(x.e.modificado);
    x.rodar(TRES);
    EXPECT_TRUE(x.e.modificado);
    ASSERT_TRUE(Salvar_Arquivo(x.e, pasta.filePath("a.zfr")));
    EXPECT_FALSE(x.e.modificado);

    struct Caso {
        const char *roteiro;
        bool modificado;
    };
    const Caso casos[] = {
        {"pressionar 250 310\nsoltar 250 310\n", false}, // selecting alone
        {"tecla Direita\n", true},
        {"menu desfazer\n", false},
        {"menu refazer\n", true},
        {"menu desfazer\nmenu desfazer\n", true}, // past the save
        {"menu refazer\n", false},
        {"menu refazer\n", true},
    };
    for (const Caso &c : casos) {
        x.rodar(QString::fromUtf8(c.roteiro));
        EXPECT_EQ(x.e.modificado, c.modificado) << c.roteiro;
    }
}

// New and a demonstration leave nothing to undo.
TEST(HistoricoEdicao, DocumentoNovoEDemonstracaoComecamHistoricoNovo)
{
    Editor x;
    x.rodar(TRES);
    ASSERT_TRUE(Pode_Desfazer(x.e));
    x.ui.respostas = {Resposta::Nao}; // "Deseja salvar o Sistema Atual?"
    ASSERT_TRUE(Construir_Demonstracao(x.e, x.ui, QStringLiteral("comandobasico1")));
    EXPECT_FALSE(Pode_Desfazer(x.e));
    EXPECT_FALSE(Pode_Refazer(x.e));
    EXPECT_EQ(Legenda_Desfazer(x.e), QStringLiteral("&Desfazer"));

    // Undo waits while a simulation runs (that a run leaves no step is
    // SimulacaoDeixaOHistoricoComoAchou's).
    x.rodar("paleta 14\npressionar 800 50\nsoltar 800 50\n");
    ASSERT_TRUE(Pode_Desfazer(x.e));
    x.e.controles.TBiniciar_baixo = true;
    TBiniciarClick(x.e);
    EXPECT_FALSE(Pode_Desfazer(x.e));
}

// A click that moves nothing is no step: not on a circuit whose valves drawing has just named
// after their labels, nor when the pointer reports a move smaller than a circuit pixel, as a
// dense screen does between press and release.
TEST(HistoricoEdicao, CliqueSemMoverNaoEPasso)
{
    QStringList documentos = Nomes_Demonstracoes();
    const QDir solucoes(QStringLiteral(ZEFIRA_FONTES "/../resources/Ajuda/solucoes"));
    for (const QString &f : solucoes.entryList({QStringLiteral("*.zfr")}))
        documentos << solucoes.filePath(f);
    ASSERT_GT(documentos.size(), 20);
    for (const QString &documento : documentos) {
        Editor x;
        FormCreate(x.e, 4000, 2500);
        if (documento.endsWith(QLatin1String(".zfr")))
            ASSERT_TRUE(Abrir_Documento(x.e, x.ui, documento));
        else
            ASSERT_TRUE(Construir_Demonstracao(x.e, x.ui, documento));
        Imagem_Area_Trabalho(x.e);
        for (int i = 0; i < x.e.lista().numero_componentes(); ++i) {
            const TComponente &c = x.e.lista()[i];
            if (c.tipo == TIPO_FIO)
                continue;
            const QString p = QStringLiteral("%1 %2").arg((c.esquerda + c.direita) / 2).arg((c.topo + c.baixo) / 2);
            x.rodar("mover " + p + "\npressionar " + p + "\nmover " + p + "\nsoltar " + p + "\n");
            Imagem_Area_Trabalho(x.e);
            ASSERT_FALSE(Pode_Desfazer(x.e)) << documento.toStdString() << ", componente " << c.codigo;
        }
    }
}

// A run leaves the history as it found it, down to the captions: no step from a held valve,
// from the rollers the run released, from wires re-routed while valves switched, nor from the
// F5 key's release, which reaches the work area before any tick.
TEST(HistoricoEdicao, SimulacaoDeixaOHistoricoComoAchou)
{
    for (const QString &demo : Nomes_Demonstracoes()) {
        SCOPED_TRACE(demo.toStdString());
        Editor x;
        ASSERT_TRUE(Construir_Demonstracao(x.e, x.ui, demo));
        x.tiques(3);
        x.rodar("paleta 14\npressionar 960 620\nsoltar 960 620\n");
        x.tiques(3);
        const std::string antes = x.bytes();
        const int passos = x.e.historico_edicao.numero_passos();
        ASSERT_EQ(Legenda_Desfazer(x.e), QStringLiteral("&Desfazer inserir"));

        iniciarClick(x.e);
        x.tiques(5);
        for (int i = 0; i < x.e.lista().numero_componentes(); ++i) {
            const TComponente &v = x.e.lista()[i];
            if (v.tipo != TIPO_VALVULA_DIRECIONAL || v.valvula_direcional->acao_manual(false) == 0)
                continue;
            const QString ponto = QStringLiteral("%1 %2").arg(v.esquerda - 10).arg((v.topo + v.baixo) / 2);
            x.rodar("pressionar " + ponto + "\n");
            x.tiques(60);
            x.rodar("soltar " + ponto + "\n");
            x.tiques(100);
        }
        pararClick(x.e);
        FormKeyUp(x.e, Qt::Key_F5, 0);
        EXPECT_EQ(x.bytes(), antes);
        EXPECT_EQ(x.e.historico_edicao.numero_passos(), passos);
        EXPECT_EQ(Legenda_Desfazer(x.e), QStringLiteral("&Desfazer inserir"));
        EXPECT_EQ(Legenda_Refazer(x.e), QStringLiteral("&Refazer"));
        x.rodar("menu desfazer\n");
        EXPECT_EQ(Legenda_Refazer(x.e), QStringLiteral("&Refazer inserir"));
        EXPECT_EQ(Legenda_Desfazer(x.e), QStringLiteral("&Desfazer"));
    }
}

// What no file stores is not lost by undo and redo. The Fuzzy box, ticked in a dialog confirmed
// or cancelled, stays as the user left it across an edit undone and redone, on the component
// edited or on one the edit took away; what only a run sets (pressures, forces, actuations,
// marks) is at rest again once undo is possible, so undo brings back the very drawing.
TEST(HistoricoEdicao, DesfazerGuardaOQueOArquivoNaoGuarda)
{
    const QString TOMADA = QStringLiteral("paleta 6\npressionar 500 500\nsoltar 500 500\nduplo 505 510\n");
    const QString REGULADORA = QStringLiteral("paleta 13\npressionar 500 400\nsoltar 500 400\nduplo 505 405\n");
    struct Caso {
        const char *nome;
        const QString &preparo;
        bool ok;
        const char *edicao;
    };
    const Caso casos[] = {
        {"tomada, OK, outro inserido", TOMADA, true, "paleta 14\npressionar 800 50\nsoltar 800 50\n"},
        {"tomada, Cancelar, ela excluída", TOMADA, false, "pressionar 505 510\nsoltar 505 510\ntecla Delete\n"},
        {"reguladora, OK, ela movida", REGULADORA, true, "pressionar 505 405\nmover 605 455\nsoltar 605 455\n"},
        {"reguladora, Cancelar, ela cortada", REGULADORA, false, "pressionar 505 405\nsoltar 505 405\nmenu cortar\n"},
    };
    // The Fuzzy box of the one supply or regulator; -1 when there is none.
    auto fuzzy = [](const TEstado &e) {
        for (int i = 0; i < e.lista_componentes->numero_componentes(); ++i) {
            const TComponente &c = (*e.lista_componentes)[i];
            if (c.tomada_ar || c.valvula_e_ou_esc_reg)
                return int(c.tomada_ar ? c.tomada_ar->fuzzy : c.valvula_e_ou_esc_reg->fuzzy);
        }
        return -1;
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        Editor x;
        x.ui.fuzzy_ok = c.ok;
        x.rodar(c.preparo);
        ASSERT_EQ(fuzzy(x.e), 1);
        const int passos = x.e.historico_edicao.numero_passos();
        x.rodar(QString::fromUtf8(c.edicao));
        ASSERT_EQ(x.e.historico_edicao.numero_passos(), passos + 1);
        x.rodar("menu desfazer\n");
        EXPECT_EQ(fuzzy(x.e), 1) << "undone";
        x.rodar("menu refazer\n");
        EXPECT_NE(fuzzy(x.e), 0) << "redone";
        x.rodar("menu desfazer\n");
        EXPECT_EQ(fuzzy(x.e), 1) << "undone again";
        if (!c.ok)
            continue;
        // Undoing the dialog's own step takes the value back, not the box, which then survives
        // the component's deletion undone.
        x.rodar("menu desfazer\nmenu selecionartudo\ntecla Delete\nmenu desfazer\n");
        EXPECT_EQ(fuzzy(x.e), 1) << "the dialog's step undone";
    }

    // The rollers a cylinder at rest holds down show a cam: after undo too, whether the snapshot
    // was taken before they were worked out (as just after opening) or after (a click since).
    for (const QString &demo : Nomes_Demonstracoes()) {
        for (const char *clique : {"", "pressionar 5 5\nsoltar 5 5\n"}) {
            SCOPED_TRACE(demo.toStdString() + clique);
            Editor x;
            Carregar_Figura_Acionador(x.e);
            ASSERT_TRUE(Construir_Demonstracao(x.e, x.ui, demo));
            iniciarClick(x.e);
            x.tiques(300);
            pararClick(x.e);
            x.tiques(3);
            x.rodar(QString::fromUtf8(clique));
            const QImage antes = Imagem_Area_Trabalho(x.e);
            x.rodar("paleta 14\npressionar 960 620\nsoltar 960 620\nmenu desfazer\n");
            x.tiques(3);
            EXPECT_TRUE(Imagem_Area_Trabalho(x.e) == antes);
        }
    }
}

// The property every script must have: undo as far as possible gives the starting circuit,
// then redo as far as possible gives the script's result (the files compared, date aside).
TEST(HistoricoPropriedade, RoteirosAleatoriosDesfazemERefazemPorCompleto)
{
    QStringList inicios = {QString()};
    inicios << Nomes_Demonstracoes();
    std::mt19937 gerador(20261206);
    auto sorteio = [&gerador](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gerador); };
    // Any palette entry, the electrical ones included.
    auto peca = [&] { return Pecas()[size_t(sorteio(0, Numero_Pecas() - 1))].entrada->codigo; };

    int roteiros = 0;
    for (const QString &inicio : inicios) {
        for (int n = 0; n < 20; ++n, ++roteiros) {
            Editor x;
            if (!inicio.isEmpty())
                ASSERT_TRUE(Construir_Demonstracao(x.e, x.ui, inicio));
            Imagem_Area_Trabalho(x.e); // as seen: drawing names the valves worked by labels
            const std::string comeco = x.bytes();
            QString feito;
            // A press on a port starts a wire; one left unfinished is cancelled.
            auto agir = [&](const QString &acao) {
                feito += acao;
                x.rodar(acao);
                if (x.e.modo == MODO_FIO) {
                    feito += QStringLiteral("tecla Escape\n");
                    x.rodar(QStringLiteral("tecla Escape\n"));
                }
            };
            // A component's box centre, or a port, of a random component.
            auto algum = [&](bool porta) -> QString {
                const int total = x.e.lista().numero_componentes();
                if (total == 0)
                    return QStringLiteral("%1 %2").arg(sorteio(0, 900)).arg(sorteio(0, 600));
                const TComponente &c = x.e.lista()[sorteio(0, total - 1)];
                if (c.tipo == TIPO_FIO)
                    return meio_segmento(x.e);
                if (porta && c.numero_portas() > 0) {
                    const TPonto p = c.ponto(sorteio(1, c.numero_portas()));
                    return QStringLiteral("%1 %2").arg(p.x).arg(p.y);
                }
                return QStringLiteral("%1 %2").arg((c.esquerda + c.direita) / 2).arg((c.topo + c.baixo) / 2);
            };
            // Every script changes something, so it has at least one step to take back.
            agir(QStringLiteral("paleta %1\npressionar %2 %3\nsoltar %2 %3\n")
                     .arg(peca()).arg(sorteio(20, 900)).arg(sorteio(20, 550)));
            const int acoes = sorteio(3, 12);
            for (int a = 0; a < acoes; ++a) {
                const QString p = algum(false);
                switch (sorteio(0, 10)) {
                case 0:
                    agir(QStringLiteral("paleta %1\npressionar %2 %3\nsoltar %2 %3\n")
                             .arg(peca()).arg(sorteio(20, 900)).arg(sorteio(20, 550)));
                    break;
                case 1: {
                    const QString a1 = algum(true), a2 = algum(true);
                    agir("mover " + a1 + "\npressionar " + a1 + "\nsoltar " + a1 + "\nmover " + a2 + "\npressionar "
                         + a2 + "\nsoltar " + a2 + "\n");
                    break;
                }
                case 2:
                case 3: {
                    const int dx = sorteio(-60, 60), dy = sorteio(-60, 60);
                    const int px = p.section(' ', 0, 0).toInt(), py = p.section(' ', 1, 1).toInt();
                    agir(QStringLiteral("mover %1 %2\npressionar %1 %2\nmover %3 %4\nsoltar %3 %4\n")
                             .arg(px).arg(py).arg(px + dx).arg(py + dy));
                    break;
                }
                case 4: agir("pressionar " + p + "\nsoltar " + p + "\ntecla Baixo\ntecla Esquerda\n"); break;
                case 5: agir("pressionar " + p + "\nsoltar " + p + "\ntecla Delete\n"); break;
                case 6: agir("pressionar " + p + "\nsoltar " + p + "\nmenu cortar\n"); break;
                case 7: agir("pressionar " + p + "\nsoltar " + p + "\nmenu copiar\nmenu colar\n"); break;
                case 8: agir("pressionar " + p + " dir\nsoltar " + p + " dir\nmenu rotacionar\n"); break;
                case 9: agir(QStringLiteral("menu colar\n")); break;
                default: agir("pressionar 2 2\nmover " + p + "\nsoltar " + p + "\n"); break;
                }
            }
            const std::string fim = x.bytes();
            int desfeitos = 0;
            while (Pode_Desfazer(x.e) && desfeitos <= THistorico::MAXIMO_PASSOS) {
                x.rodar(QStringLiteral("menu desfazer\n"));
                ++desfeitos;
            }
            ASSERT_EQ(x.bytes(), comeco) << inicio.toStdString() << "\n" << feito.toStdString();
            while (Pode_Refazer(x.e))
                x.rodar(QStringLiteral("menu refazer\n"));
            ASSERT_EQ(x.bytes(), fim) << inicio.toStdString() << "\n" << feito.toStdString();
        }
    }
    EXPECT_EQ(roteiros, 20 * inicios.size());
}

// The script's words reach the editor: what each gesture does is pinned a layer down
// (AreaTransferencia, PaletaFioPendente, AreaTrabalhoDialogo).
TEST(RoteiroEdicao, MenusCortarColarEExcluir)
{
    Editor x;
    x.rodar(TRES + "pressionar 250 310\nsoltar 250 310\nmenu cortar\nmenu colar\nresponder nao\nmenu excluir\n");
    EXPECT_EQ(x.e.lista().procurar(5), nullptr);
    ASSERT_EQ(x.e.lista().numero_componentes(), 5);
    EXPECT_EQ(x.e.lista()[4].tipo, TIPO_CILINDRO);
    EXPECT_EQ(x.ui.registro, QStringList{"pergunta: Tem certeza que deseja excluir componentes selecionados?"});
}

TEST(RoteiroEdicao, EscapeDuranteOFioLiberaAPorta)
{
    Editor x;
    x.rodar(TRES + "mover 130 95\npressionar 130 95\nsoltar 130 95\nmover 200 200\ntecla Escape\nmover 130 95\n");
    EXPECT_EQ(x.e.modo, 0);
    EXPECT_EQ(x.e.lista().procurar(1)->conexao(2), LIVRE);
    EXPECT_EQ(x.e.lista().procurar(1)->ponto_ativo, 2); // the port can take a wire again
    EXPECT_EQ(x.e.lista().numero_componentes(), 5);
}

// The property dialog the scripted user declines leaves no press pending (through the windows:
// AreaTrabalho.DuploCliqueConsomeOCliqueQueOAcompanha).
TEST(RoteiroEdicao, DuploCliqueNoCilindroNaoDeixaPressaoPendente)
{
    Editor x;
    x.rodar(TRES + "duplo 250 310\n");
    EXPECT_EQ(x.e.componente_atual.get(), x.e.lista().procurar(5));
    EXPECT_FALSE(x.e.ignorar_clique);
    EXPECT_FALSE(x.e.ignorar_selecao);
    EXPECT_FALSE(x.e.selecionando);
    EXPECT_EQ(x.e.indice_arrasto, -1);
}
