// The circuit reader: header, skipping and trimming rules, what is kept after an error, the
// code counter, selection and current component, integer conversion and hostile input.
#include "documento/apoio_arquivos.h"
#include "documento/cp1252.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

class Leitor : public ::testing::Test {
protected:
    TResultadoLeitura ler(const QString &texto)
    {
        const QString caminho = pasta.filePath(QStringLiteral("c.zfr"));
        EXPECT_TRUE(teste::gravar_bytes(caminho, para_cp1252(texto)));
        return Abrir_Arquivo(estado, caminho);
    }
    int componentes() { return estado.lista().numero_componentes(); }

    QTemporaryDir pasta;
    TEstado estado;
};

const QString INCOMPLETO = QStringLiteral("Arquivo Inválido! Arquivo Incompleto.");
const QString FALTA = QStringLiteral("Arquivo Inválido! Falta Número de Componentes.");

TEST_F(Leitor, Cabecalho)
{
    struct {
        const char *texto;
        const char *mensagem;
    } const casos[] = {
        {"Número de Componentes:\r\n0\r\n", ""},
        {"Número de Componentes:\r\n-5\r\n", ""},
        {"  Número de Componentes:\t\r\n  0  \r\n", ""},
        {"", "Arquivo Inválido! Falta Número de Componentes."},
        {"Arquivo ZEFIRA\r\nNúmero de componentes:\r\n0\r\n", "Arquivo Inválido! Falta Número de Componentes."},
        {"Observações:\r\nduas\r\n", "Arquivo Inválido! Observações inválidas."},
        {"Observações:\r\n", "Arquivo Inválido! Observações inválidas."},
        {"Observações:\r\n0\r\n", "Arquivo Inválido! Falta Número de Componentes."},
        {"Observações:\r\n-1\r\nnota\r\nNúmero de Componentes:\r\n0\r\n", "Arquivo Inválido! Observações inválidas."},
        // Records after the announced count are damage, not trailing text.
        {"Número de Componentes:\r\n-1\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 0 0\r\n",
         "Arquivo Inválido! Número de Componentes inválido: 1 componente não foi lido."},
        {"Número de Componentes:\r\n0\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 0 0\r\n\r\nJump\r\n",
         "Arquivo Inválido! Número de Componentes inválido: 2 componentes não foram lidos."},
        {"Número de Componentes:\r\nquatro\r\n", "Arquivo Inválido! Número de Componentes inválido."},
        {"Número de Componentes:\r\n", "Arquivo Inválido! Número de Componentes inválido."},
        {"Número de Componentes:\r\n1\r\n\r\n  \r\n", "Arquivo Inválido! Arquivo Incompleto."},
        {"Número de Componentes:\r\n1\r\ncilindro\r\n", "Arquivo Inválido! Tipo Inválido."},
        {"Número de Componentes:\r\n1\r\nFio\r\n", "Arquivo Inválido! Tipo Inválido."},
    };
    for (const auto &c : casos) {
        estado.lista_componentes = std::make_unique<TLista_Componente>(estado.imagens);
        const TResultadoLeitura r = ler(QString::fromUtf8(c.texto));
        EXPECT_EQ(r.mensagem, QString::fromUtf8(c.mensagem)) << c.texto;
        EXPECT_EQ(r.status, *c.mensagem ? StatusLeitura::Invalido : StatusLeitura::Ok) << c.texto;
        EXPECT_EQ(componentes(), 0);
    }
}

TEST_F(Leitor, NotasSaoAcrescentadasSemAparar)
{
    estado.observacoes << QStringLiteral("já havia");
    const TResultadoLeitura r =
        ler(QStringLiteral("lixo antes\r\nObservações:\r\n 3 \r\n  recuada \r\n\r\nNúmero de Componentes:\r\n"
                           "Número de Componentes:\r\n0\r\n"));
    EXPECT_EQ(r.status, StatusLeitura::Ok);
    // The marker inside the notes is a note line; the count comes from the next marker.
    EXPECT_EQ(estado.observacoes,
              QStringList({QStringLiteral("já havia"), QStringLiteral("  recuada "), QString(),
                           QStringLiteral("Número de Componentes:")}));
}

// Counts far beyond the file end at the file's end.
TEST_F(Leitor, ContagensEnormesTerminamNoFimDoArquivo)
{
    EXPECT_EQ(ler(QStringLiteral("Observações:\r\n2000000000\r\numa\r\nduas\r\n")).mensagem, FALTA);
    EXPECT_EQ(estado.observacoes.size(), 2);
    EXPECT_EQ(ler(QStringLiteral("Número de Componentes:\r\n2000000000\r\n"
                                 "Jump\r\n1 (J) 0 -1 -1 -1 -1 0 0\r\n"))
                  .mensagem,
              INCOMPLETO);
    EXPECT_EQ(componentes(), 1);
}

TEST_F(Leitor, LinhasEmBrancoEBrancosEmVoltaDoTipoSaoIgnorados)
{
    // Also accepts bare LF line ends and ignores what follows the last component.
    const TResultadoLeitura r = ler(QStringLiteral(
        "Número de Componentes:\n2\n\n\n   Jump  \n 1 (J) 0 -1 -1 -1 -1 0 0 campos a mais\r\n\r\n \t \r\n"
        "Tomada de Ar\r\n2   (Tomada   de Ar)   0 6 -1 -1 10 20\r\nlixo depois\r\n"));
    EXPECT_EQ(r.status, StatusLeitura::Ok) << r.mensagem.toStdString();
    ASSERT_EQ(componentes(), 2);
    EXPECT_EQ(estado.lista()[1].nome, QStringLiteral("Tomada   de Ar"));
    EXPECT_EQ(estado.lista()[1].topo, 20);
}

TEST_F(Leitor, ErroGuardaOQueFoiLidoEAtualizaContadorESelecao)
{
    const TResultadoLeitura r = ler(QStringLiteral(
        "Número de Componentes:\r\n3\r\n"
        "Jump\r\n7 (J) 1 -1 -1 -1 -1 0 0\r\n"
        "Tomada de Ar\r\n3 () 0 6 -1 -1 10 20\r\n"
        "Jump\r\n9 (K) 1 -1 -1 -1 -1 0\r\n"));
    EXPECT_EQ(r.mensagem, QStringLiteral("Arquivo Inválido! Faltam dados em componente \"Jump\"."));
    ASSERT_EQ(componentes(), 2);
    EXPECT_EQ(estado.lista()[0].codigo, 7);
    EXPECT_EQ(estado.lista()[1].codigo, 3);
    EXPECT_EQ(estado.lista()[1].nome, QString()); // "()" is an empty name
    EXPECT_EQ(estado.lista().ultimo_codigo, 8);
    EXPECT_EQ(estado.componente_atual.get(), estado.lista().componente(1).get());
    // The third jump was selected but never joined the list: only the first one counts.
    EXPECT_EQ(estado.numero_selecionados, 1);
    EXPECT_TRUE(estado.lista()[0].selecionado());
}

TEST_F(Leitor, Inteiros)
{
    struct {
        const char *esquerda;
        bool valido;
        int valor;
    } const casos[] = {
        {"007", true, 7},          {"-0", true, 0},           {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},               {"2147483648", false, 0},
        {"-2147483649", false, 0}, {"99999999999999999999", false, 0},
        {"+5", false, 0},          {"-", false, 0},           {"5-", false, 0},
        {"0x10", false, 0},        {"１", false, 0},
    };
    for (const auto &c : casos) {
        estado.lista_componentes = std::make_unique<TLista_Componente>(estado.imagens);
        const TResultadoLeitura r = ler(QStringLiteral("Número de Componentes:\r\n1\r\nJump\r\n1 () 0 -1 -1 -1 -1 %1 0\r\n")
                                            .arg(QString::fromUtf8(c.esquerda)));
        EXPECT_EQ(r.status == StatusLeitura::Ok, c.valido) << c.esquerda;
        if (c.valido && componentes() == 1)
            EXPECT_EQ(estado.lista()[0].esquerda, c.valor) << c.esquerda;
    }
}

// A wire read without connections is loose; reading leaves the document unmodified, in editing.
TEST_F(Leitor, FioSemConexaoFicaSoltoELeituraVoltaAEdicao)
{
    estado.modificado = true;
    estado.modo = MODO_FIO;
    EXPECT_EQ(ler(QStringLiteral("Número de Componentes:\r\n1\r\nFio de Energia\r\n4 3 -1 5 -1 0 0 \r\n")).status,
              StatusLeitura::Ok);
    EXPECT_FALSE(estado.modificado);
    EXPECT_EQ(estado.modo, 0);
    const TFio &f = *estado.lista()[0].fio;
    EXPECT_EQ(std::make_pair(f.conexao(true), f.pino(true)), std::make_pair(-1, -1));
    EXPECT_EQ(std::make_pair(f.conexao(false), f.pino(false)), std::make_pair(-1, -1));
}

TEST_F(Leitor, ReguladoraGuardaOPinoOutrosTiposNao)
{
    EXPECT_EQ(ler(QStringLiteral("Número de Componentes:\r\n2\r\n"
                                 "Válvula E/OU/ESC/REG\r\n1 () 2 500 0 6 -1 -1 4 2 0 0\r\n"
                                 "Válvula E/OU/ESC/REG\r\n2 () 1 500 0 6 -1 -1 2 2 0 0\r\n"))
                  .status,
              StatusLeitura::Ok);
    EXPECT_EQ(estado.lista()[0].valvula_e_ou_esc_reg->pino, 2);
    EXPECT_EQ(estado.lista()[0].valvula_e_ou_esc_reg->estado(), 2);
    EXPECT_FALSE(estado.lista()[0].valvula_e_ou_esc_reg->figura.isNull());
    EXPECT_EQ(estado.lista()[1].valvula_e_ou_esc_reg->pino, -1);
    EXPECT_EQ(estado.lista()[1].valvula_e_ou_esc_reg->conexao(1), 6);
}

TEST_F(Leitor, ArquivoQueNaoAbre)
{
    for (const QString &caminho : {pasta.filePath(QStringLiteral("nao_existe.zfr")), pasta.path()}) {
        const TResultadoLeitura r = Abrir_Arquivo(estado, caminho);
        EXPECT_EQ(r.status, StatusLeitura::ErroAbrir);
        EXPECT_EQ(r.mensagem, QStringLiteral("Erro ao abrir arquivo!"));
    }
}

TEST_F(Leitor, QualquerPrefixoDeUmArquivoValidoTerminaSemFalhar)
{
    TEstado origem;
    teste::montar_exemplo(origem);
    const QString caminho = pasta.filePath(QStringLiteral("exemplo.zfr"));
    ASSERT_TRUE(Salvar_Arquivo(origem, caminho));
    const QByteArray dados = teste::ler_bytes(caminho);
    for (qsizetype n = 0; n <= dados.size(); ++n) {
        const QString cortado = pasta.filePath(QStringLiteral("cortado.zfr"));
        ASSERT_TRUE(teste::gravar_bytes(cortado, dados.left(n)));
        estado.lista_componentes = std::make_unique<TLista_Componente>(estado.imagens);
        const TResultadoLeitura r = Abrir_Arquivo(estado, cortado);
        EXPECT_NE(r.status, StatusLeitura::ErroAbrir);
        EXPECT_LE(componentes(), 4);
    }
}

} // namespace
} // namespace zefira
