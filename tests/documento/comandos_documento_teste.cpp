#include "documento/apoio_arquivos.h"
#include "documento/arquivos_recentes.h"
#include "documento/comandos_documento.h"
#include "modelo/interface_roteirizada.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

const QString PERGUNTA = QStringLiteral("pergunta: Deseja salvar o Sistema Atual?");

struct Documento : ::testing::Test {
    TEstado estado;
    TInterfaceRoteirizada ui;
    QTemporaryDir pasta;

    void SetUp() override { Limpar_Lista(estado); }
    QString arquivo(const QString &nome) const { return pasta.filePath(nome); }
    void um_componente()
    {
        TComponente &c = estado.lista().adicionar(TIPO_JUMP, 10, -1, -1, -1, 10);
        c.atualizar_geometria();
        estado.modificado = true;
    }
};

} // namespace

// "Sim" with the save dialog cancelled, or "Cancelar": the unsaved circuit survives; "Sim" and a
// name: written, then emptied.
TEST_F(Documento, NovoSoEsvaziaDepoisDeGravar)
{
    const struct {
        Resposta resposta;
        const char *arquivo;
        int restantes;
    } casos[] = {{Resposta::Sim, "", 1}, {Resposta::Cancelar, "", 1}, {Resposta::Sim, "a.zfr", 0}};
    um_componente();
    for (const auto &c : casos) {
        estado.novo_confirmado = true;
        ui.registro.clear();
        ui.respostas = {c.resposta};
        ui.arquivos = {*c.arquivo ? arquivo(c.arquivo) : QString()};
        novoClick(estado, ui);
        EXPECT_EQ(ui.registro, QStringList{PERGUNTA});
        EXPECT_EQ(estado.lista().numero_componentes(), c.restantes);
        if (c.restantes)
            EXPECT_FALSE(estado.novo_confirmado);
    }
    EXPECT_TRUE(QFile::exists(arquivo("a.zfr")));
    EXPECT_TRUE(estado.nome_documento.isEmpty());
    ui.registro.clear();
    novoClick(estado, ui); // nothing to lose: no question
    EXPECT_TRUE(ui.registro.isEmpty());
}

// The save right after Salvar Como, or after Abrir, asks first; the one after that does not.
TEST_F(Documento, SalvarPerguntaSoNaPrimeiraVezDepoisDeSalvarComoOuAbrir)
{
    um_componente();
    ui.arquivos = {arquivo("b.zfr")};
    ASSERT_TRUE(salvarcomoClick(estado, ui));
    EXPECT_EQ(estado.nome_documento, " - " + arquivo("b.zfr"));
    EXPECT_TRUE(salvarClick(estado, ui));
    EXPECT_TRUE(ui.registro.isEmpty()) << "the second write asks nothing";
    ui.respostas = {Resposta::Nao};
    EXPECT_FALSE(salvarClick(estado, ui));
    EXPECT_EQ(ui.registro, QStringList{PERGUNTA});

    estado.modificado = false;
    ui.registro.clear();
    ui.arquivos = {arquivo("b.zfr")};
    abrirClick(estado, ui);
    EXPECT_TRUE(ui.registro.isEmpty()) << "an unmodified circuit is replaced without asking";
    EXPECT_EQ(estado.lista().numero_componentes(), 1);
    EXPECT_EQ(estado.nome_documento, " - " + arquivo("b.zfr"));
    ui.respostas = {Resposta::Sim};
    EXPECT_TRUE(salvarClick(estado, ui));
    EXPECT_EQ(ui.registro, QStringList{PERGUNTA});
}

TEST_F(Documento, SalvarComoSobreArquivoExistenteComNaoNaoMudaNada)
{
    um_componente();
    ASSERT_TRUE(teste::gravar_bytes(arquivo("c.zfr"), "antigo"));
    ui.arquivos = {arquivo("c.zfr")};
    ui.respostas = {Resposta::Nao};
    EXPECT_FALSE(salvarcomoClick(estado, ui));
    EXPECT_EQ(ui.registro, QStringList{"pergunta: Arquivo já existe!\n\rDeseja substitui-lo?"});
    EXPECT_EQ(teste::ler_bytes(arquivo("c.zfr")), QByteArray("antigo"));
    EXPECT_TRUE(estado.nome_documento.isEmpty());
}

// A solution shipped with the help opens as an unnamed copy: "Salvar" asks for a name and
// never writes over it, and it does not become a recent file.
TEST_F(Documento, CopiaAbertaNaoGravaSobreOOriginal)
{
    um_componente();
    ASSERT_TRUE(Salvar_Arquivo(estado, arquivo("solucao.zfr")));
    const QByteArray original = teste::ler_bytes(arquivo("solucao.zfr"));
    Limpar_Lista(estado);

    ASSERT_TRUE(Abrir_Copia(estado, ui, arquivo("solucao.zfr")));
    EXPECT_EQ(estado.lista().numero_componentes(), 1);
    EXPECT_TRUE(estado.nome_documento.isEmpty());
    EXPECT_FALSE(estado.modificado);
    EXPECT_FALSE(TArquivosRecentes().registrar_documento(estado.nome_documento));

    ui.arquivos = {QString(), arquivo("minha.zfr")};
    EXPECT_FALSE(salvarClick(estado, ui)); // its name dialog, cancelled
    EXPECT_TRUE(salvarClick(estado, ui));
    EXPECT_TRUE(ui.registro.isEmpty());
    EXPECT_EQ(teste::ler_bytes(arquivo("solucao.zfr")), original);
    EXPECT_EQ(estado.nome_documento, " - " + arquivo("minha.zfr"));
}

// Saving over a file another program changed since it was opened or saved here asks first;
// No keeps the other program's version and the circuit stays modified.
TEST_F(Documento, SalvarSobreArquivoAlteradoPorOutroProgramaPergunta)
{
    struct Caso {
        const char *nome;
        std::function<void(const QString &)> outro_programa;
        Resposta resposta;
        bool pergunta, gravado;
    };
    auto reescrever = [](const QString &f) { ASSERT_TRUE(teste::gravar_bytes(f, "versão de outro programa")); };
    const Caso casos[] = {
        {"intacto", [](const QString &) {}, Resposta::Nao, false, true},
        {"reescrito", reescrever, Resposta::Nao, true, false},
        {"reescrito_aceito", reescrever, Resposta::Sim, true, true},
        // Same size, later time: only the modification time tells.
        {"tocado", [](const QString &f) {
             QFile arquivo(f);
             ASSERT_TRUE(arquivo.open(QIODevice::ReadWrite));
             ASSERT_TRUE(arquivo.setFileTime(QDateTime::currentDateTime().addSecs(90), QFileDevice::FileModificationTime));
         }, Resposta::Nao, true, false},
        {"apagado", [](const QString &f) { QFile::remove(f); }, Resposta::Nao, false, true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const QString nome = arquivo(QString::fromUtf8(c.nome) + ".zfr");
        Limpar_Lista(estado);
        um_componente();
        ASSERT_TRUE(Salvar_Arquivo(estado, nome));
        ASSERT_TRUE(Abrir_Documento(estado, ui, nome));
        um_componente(); // an edit
        c.outro_programa(nome);
        const QByteArray no_disco = teste::ler_bytes(nome);

        ui.registro.clear();
        ui.respostas = {c.resposta};
        estado.perguntar_ao_salvar = false;
        EXPECT_EQ(salvarClick(estado, ui), c.gravado);
        const QString pergunta = "pergunta: O arquivo " + QDir::toNativeSeparators(nome)
                                 + " foi alterado por outro programa depois de aberto. Deseja substituí-lo?";
        EXPECT_EQ(ui.registro, c.pergunta ? QStringList{pergunta} : QStringList{});
        EXPECT_EQ(teste::ler_bytes(nome) != no_disco, c.gravado);
        EXPECT_EQ(estado.modificado, !c.gravado);
        if (!c.gravado)
            continue;
        // What was saved here is no change by another program.
        ui.registro.clear();
        estado.perguntar_ao_salvar = false;
        EXPECT_TRUE(salvarClick(estado, ui));
        EXPECT_TRUE(ui.registro.isEmpty());
    }
}

TEST_F(Documento, AbrirArquivoInexistente)
{
    ui.arquivos = {arquivo("nao_existe.zfr")};
    abrirClick(estado, ui);
    EXPECT_EQ(ui.registro, QStringList{"mensagem: Arquivo não encontrado!"});
}

TEST_F(Documento, DemonstracaoPedeNomeAoSalvar)
{
    um_componente();
    estado.nome_documento = " - DEMO - Comando Básico 1";
    ui.arquivos = {arquivo("demo.zfr")};
    EXPECT_TRUE(salvarClick(estado, ui));
    EXPECT_TRUE(QFile::exists(arquivo("demo.zfr")));
    EXPECT_FALSE(QFile::exists("Comando Básico 1"));
    EXPECT_EQ(estado.nome_documento, " - " + arquivo("demo.zfr"));
}

// Closing asks only with changes; "Sim" with a save that fails shows why and keeps the window.
TEST_F(Documento, FecharPerguntaSoComAlteracoesEFalhaAoSalvarImpede)
{
    EXPECT_TRUE(FormClose(estado, ui));
    EXPECT_TRUE(ui.registro.isEmpty());
    um_componente();
    ui.respostas = {Resposta::Cancelar};
    EXPECT_FALSE(FormClose(estado, ui));
    ui.registro.clear();
    estado.nome_documento = " - " + pasta.filePath("nao/existe/e.zfr");
    ui.respostas = {Resposta::Sim};
    EXPECT_FALSE(FormClose(estado, ui));
    EXPECT_EQ(ui.registro, (QStringList{PERGUNTA, "mensagem: Erro ao salvar arquivo!"}));
    EXPECT_EQ(estado.lista().numero_componentes(), 1);
    ui.respostas = {Resposta::Nao};
    EXPECT_TRUE(FormClose(estado, ui));
}

TEST_F(Documento, LimparListaReiniciaODocumento)
{
    um_componente();
    estado.observacoes << "nota";
    estado.nome_documento = " - x";
    estado.modo = 3; // placing a 3-way valve
    estado.numero_selecionados = 2;
    estado.acionadores_atualizados = true;
    Limpar_Lista(estado);
    EXPECT_EQ(estado.lista().numero_componentes(), 0);
    EXPECT_EQ(estado.lista().ultimo_codigo, 0);
    EXPECT_TRUE(estado.observacoes.isEmpty());
    EXPECT_TRUE(estado.nome_documento.isEmpty());
    EXPECT_FALSE(estado.modificado);
    EXPECT_EQ(estado.modo, 0);
    EXPECT_EQ(estado.numero_selecionados, 0);
    EXPECT_FALSE(estado.acionadores_atualizados);
    EXPECT_EQ(estado.componente_atual, estado.componente_nulo);
    EXPECT_EQ(estado.componente_nulo->tipo, TIPO_NENHUM);
    ASSERT_EQ(estado.lista_nos->numero_nos(), 1);
    EXPECT_EQ(estado.no_raiz, &(*estado.lista_nos)[0]);
    EXPECT_TRUE(QDir(estado.pasta_arquivos).exists());
}

TEST_F(Documento, PastaDoProgramaSemEscritaUsaOsDocumentosDoUsuario)
{
    // A program folder where "MeusArquivos" cannot be created: a path below a plain file.
    ASSERT_TRUE(teste::gravar_bytes(pasta.filePath("programa"), QByteArray()));
    QTemporaryDir casa;
    const QByteArray home_antiga = qgetenv("HOME");
    qputenv("HOME", casa.path().toUtf8());
    const QString escolhida = Preparar_Pasta_Arquivos(pasta.filePath("programa") + "/");
    qputenv("HOME", home_antiga);
    EXPECT_FALSE(escolhida.startsWith(pasta.filePath("programa")));
    EXPECT_TRUE(escolhida.startsWith(casa.path()));
    EXPECT_TRUE(escolhida.endsWith("MeusArquivos"));
    EXPECT_TRUE(QDir(escolhida).exists());
}

// Opening reports its progress every few hundred components and always closes the indicator,
// also when the file ends before the components it announced.
TEST_F(Documento, AbrirMostraProgressoEFechaNoFim)
{
    struct Registro : TInterfaceRoteirizada {
        QList<QPair<int, int>> chamadas;
        void progresso(const QString &texto, int feito, int total) override
        {
            EXPECT_EQ(texto, QStringLiteral("Abrindo circuito..."));
            chamadas.append({feito, total});
        }
    } registro;
    for (int i = 0; i < 1200; ++i)
        estado.lista().adicionar(TIPO_JUMP, 10 + i % 50 * 20, -1, -1, -1, 10 + i / 50 * 20).atualizar_geometria();
    ASSERT_TRUE(Salvar_Arquivo(estado, arquivo("grande.zfr")));
    ASSERT_TRUE(Abrir_Documento(estado, registro, arquivo("grande.zfr")));
    EXPECT_EQ(estado.lista().numero_componentes(), 1200);
    const QList<QPair<int, int>> esperado{{0, 1200}, {500, 1200}, {1000, 1200}, {1, 1}};
    EXPECT_EQ(registro.chamadas, esperado);

    QByteArray cortado = teste::ler_bytes(arquivo("grande.zfr"));
    cortado.truncate(cortado.size() / 2);
    ASSERT_TRUE(teste::gravar_bytes(arquivo("cortado.zfr"), cortado));
    registro.chamadas.clear();
    Abrir_Documento(estado, registro, arquivo("cortado.zfr"));
    ASSERT_FALSE(registro.chamadas.isEmpty());
    EXPECT_EQ(registro.chamadas.back(), qMakePair(1, 1));
}
