// Never losing a student's work: the recovery copy written while the circuit has unsaved
// changes and offered after a run that did not end cleanly; a damaged file that is never
// overwritten by the fragment read from it; save failures that say where and why.
#include "documento/apoio_arquivos.h"
#include "documento/comandos_documento.h"
#include "documento/copia_recuperacao.h"
#include "documento/historico_documento.h"
#include "modelo/interface_roteirizada.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace zefira;
using teste::ler_bytes;
using teste::sem_data;

namespace {

struct Recuperacao : ::testing::Test {
    QTemporaryDir raiz;
    QString pasta() const { return raiz.filePath(QStringLiteral("recuperacao")); }
    TEstado estado;
    TInterfaceRoteirizada ui;

    void SetUp() override
    {
        Limpar_Lista(estado);
        teste::montar_exemplo(estado);
        estado.modificado = true;
        Iniciar_Historico(estado);
    }
    static void tiques(TCopia_Recuperacao &c, const TEstado &e, int n)
    {
        for (int i = 0; i < n; ++i)
            c.tique(e);
        c.aguardar();
    }
};

} // namespace

TEST_F(Recuperacao, CopiaSoEnquantoModificadoACadaMinuto)
{
    TCopia_Recuperacao copia(pasta());
    tiques(copia, estado, TCopia_Recuperacao::TIQUES_POR_COPIA - 1);
    EXPECT_FALSE(QFile::exists(copia.arquivo()));
    tiques(copia, estado, 1);
    ASSERT_TRUE(QFile::exists(copia.arquivo()));
    EXPECT_EQ(sem_data(ler_bytes(copia.arquivo())), sem_data(Conteudo_Arquivo(estado)));

    // Saved: the copy goes on the next tick.
    ASSERT_TRUE(Salvar_Arquivo(estado, raiz.filePath(QStringLiteral("salvo.zfr"))));
    tiques(copia, estado, 1);
    EXPECT_FALSE(QFile::exists(copia.arquivo()));

    // Clean exit: no copy left, nothing offered to the next run.
    estado.modificado = true;
    tiques(copia, estado, TCopia_Recuperacao::TIQUES_POR_COPIA);
    ASSERT_TRUE(QFile::exists(copia.arquivo()));
    copia.encerrar();
    EXPECT_FALSE(QFile::exists(copia.arquivo()));
    TCopia_Recuperacao seguinte(pasta());
    EXPECT_TRUE(seguinte.orfas().empty());
}

// A long run does not stop the copies, and they keep the circuit as edited: a crash during the
// run loses neither the edits made before it nor the positions it started from.
TEST_F(Recuperacao, SimulandoCopiaOCircuitoEditado)
{
    const QByteArray editado = sem_data(Conteudo_Arquivo(estado));
    TCopia_Recuperacao copia(pasta());
    estado.modo = MODO_SIMULACAO; // the run advanced the cylinder and switched the valve
    estado.lista()[0].cilindro->posicao = 100;
    estado.lista()[1].valvula_direcional->posicao_atual = 2;
    tiques(copia, estado, TCopia_Recuperacao::TIQUES_POR_COPIA);
    ASSERT_TRUE(QFile::exists(copia.arquivo()));
    TEstado lido;
    Limpar_Lista(lido);
    EXPECT_EQ(Abrir_Arquivo(lido, copia.arquivo()).status, StatusLeitura::Ok);
    EXPECT_EQ(sem_data(Conteudo_Arquivo(lido)), editado);
}

// Offered once; "Não" deletes it, "Sim" loads it as an unnamed, modified circuit.
TEST_F(Recuperacao, CopiaDeExecucaoInterrompidaEOferecida)
{
    for (const Resposta resposta : {Resposta::Nao, Resposta::Sim}) {
        SCOPED_TRACE(int(resposta));
        auto interrompida = std::make_unique<TCopia_Recuperacao>(pasta());
        tiques(*interrompida, estado, TCopia_Recuperacao::TIQUES_POR_COPIA);
        const QString arquivo = interrompida->arquivo();
        {
            // A run still open holds its copy: another run does not offer it.
            TCopia_Recuperacao outra(pasta());
            EXPECT_TRUE(outra.orfas().empty());
        }
        interrompida.reset(); // gone without a clean exit, like a crash

        TEstado novo;
        Limpar_Lista(novo);
        TCopia_Recuperacao copia(pasta());
        ASSERT_EQ(copia.orfas().size(), 1u);
        const QString data = QFileInfo(arquivo).lastModified().toString(QStringLiteral("dd/MM/yyyy hh:mm"));
        ui.registro.clear();
        ui.respostas = {resposta};
        EXPECT_EQ(Oferecer_Recuperacao(novo, ui, copia), resposta == Resposta::Sim);
        EXPECT_EQ(ui.registro, QStringList{"pergunta: Foi encontrado um circuito não salvo de " + data
                                           + ". Deseja recuperá-lo?"});
        EXPECT_FALSE(QFile::exists(arquivo));
        if (resposta == Resposta::Nao) {
            EXPECT_EQ(novo.lista().numero_componentes(), 0);
            EXPECT_TRUE(copia.orfas().empty());
            EXPECT_EQ(QDir(pasta()).entryList(QDir::Files).filter(QStringLiteral(".zfr")), QStringList());
            continue;
        }
        EXPECT_EQ(sem_data(Conteudo_Arquivo(novo)), sem_data(Conteudo_Arquivo(estado)));
        EXPECT_TRUE(novo.nome_documento.isEmpty());
        EXPECT_TRUE(novo.modificado);
        EXPECT_FALSE(Pode_Desfazer(novo));
        EXPECT_TRUE(QFile::exists(copia.arquivo())); // the recovered circuit is this run's copy now
    }
}

// After "Arquivo Inválido! ...", the fragment is unnamed and modified: "Salvar" asks for a
// name, and the damaged file keeps its bytes until the user picks it again.
TEST_F(Recuperacao, ArquivoDanificadoFicaSemNome)
{
    const QString danificado = raiz.filePath(QStringLiteral("danificado.zfr"));
    const QByteArray bytes = QString::fromUtf8("Número de Componentes:\r\n2\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 5 6\r\n"
                                               "Jump\r\n2 (K) 3\r\n")
                                 .toLatin1();
    ASSERT_TRUE(teste::gravar_bytes(danificado, bytes));

    TEstado e;
    Limpar_Lista(e);
    ASSERT_TRUE(Abrir_Documento(e, ui, danificado));
    ASSERT_EQ(ui.registro.size(), 1);
    EXPECT_TRUE(ui.registro[0].startsWith(QStringLiteral("mensagem: Arquivo Inválido!")));
    EXPECT_TRUE(e.nome_documento.isEmpty());
    EXPECT_TRUE(e.modificado);

    ui.arquivos = {QString()}; // the save dialog cancelled
    EXPECT_FALSE(salvarClick(e, ui));
    EXPECT_EQ(ler_bytes(danificado), bytes);
    EXPECT_EQ(e.lista().numero_componentes(), 1);
    EXPECT_TRUE(e.modificado);
}

TEST_F(Recuperacao, FalhaAoSalvarDizOndeEPorque)
{
    QDir(raiz.path()).mkdir(QStringLiteral("pasta.zfr"));
    struct Caso {
        QString nome;
        const char *motivo;
    };
    const Caso casos[] = {
        {raiz.filePath(QStringLiteral("pasta.zfr")), "Motivo: já existe uma pasta com esse nome"},
        {raiz.filePath(QStringLiteral("nao/existe/c.zfr")), "Motivo: a pasta não existe"},
    };
    for (const Caso &c : casos) {
        ui.registro.clear();
        ui.detalhes.clear();
        estado.nome_documento = QStringLiteral(" - ") + c.nome;
        estado.perguntar_ao_salvar = false;
        EXPECT_FALSE(salvarClick(estado, ui));
        EXPECT_EQ(ui.registro, QStringList{QStringLiteral("mensagem: Erro ao salvar arquivo!")});
        ASSERT_EQ(ui.detalhes.size(), 1);
        EXPECT_TRUE(ui.detalhes[0].startsWith("Arquivo: " + QDir::toNativeSeparators(c.nome) + "\n"))
            << ui.detalhes[0].toStdString();
        EXPECT_TRUE(ui.detalhes[0].contains(QString::fromUtf8(c.motivo))) << ui.detalhes[0].toStdString();
        EXPECT_TRUE(estado.modificado);
    }
}
