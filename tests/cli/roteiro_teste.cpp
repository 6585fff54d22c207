// zefira-cli roteiro: a script of user actions replayed headless, the circuit it writes, its
// printed questions and its exit statuses.
#include "documento/apoio_arquivos.h"

#include "apoio/executar_cli.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zefira {
namespace {

using Resultado = teste::Execucao;
Resultado executar_roteiro(const QStringList &args) { return teste::executar_cli(QStringList{"roteiro"} + args); }

// Two 3-way valves, a single-acting cylinder, and a wire from the first valve's port 2 to the
// cylinder's port 1. The pointer is moved onto each port first, which marks it.
const char *const ROTEIRO_ACEITACAO = R"(# two valves and a cylinder
paleta 3
pressionar 100 100
soltar 100 100
paleta 3
pressionar 300 100
soltar 300 100
paleta 7
pressionar 203 300
soltar 203 300

# the wire
mover 130 95
pressionar 130 95
soltar 130 95
mover 180 200
mover 207 332
pressionar 207 332
soltar 207 332
)";

class CliRoteiro : public ::testing::Test {
protected:
    QString arquivo(const char *nome, const QByteArray &conteudo)
    {
        const QString c = caminho(nome);
        EXPECT_TRUE(teste::gravar_bytes(c, conteudo));
        return c;
    }
    QString caminho(const char *nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
};

TEST_F(CliRoteiro, AceitacaoDuasValvulasUmCilindroEUmFioDesfeitosERefeitos)
{
    const QString saida = caminho("out.zfr");
    const Resultado r =
        executar_roteiro({"-", arquivo("script.txt", ROTEIRO_ACEITACAO), saida, "--desvio", "7"});
    ASSERT_EQ(r.status, 0) << r.erros.toStdString();
    EXPECT_EQ(r.saida, QString());
    EXPECT_EQ(r.erros, QString());

    TEstado e;
    const TResultadoLeitura leitura = Abrir_Arquivo(e, saida);
    EXPECT_EQ(leitura.status, StatusLeitura::Ok);
    EXPECT_EQ(leitura.mensagem, QString());
    // Each valve placed with its supply docked (as PaletaPosicionamento pins it), then the
    // cylinder and the wire.
    const TLista_Componente &l = e.lista();
    ASSERT_EQ(l.numero_componentes(), 6);
    const int tipos[] = {TIPO_VALVULA_DIRECIONAL, TIPO_TOMADA_AR, TIPO_VALVULA_DIRECIONAL, TIPO_TOMADA_AR,
                         TIPO_CILINDRO, TIPO_FIO};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(l[i].tipo, tipos[i]) << i;
    EXPECT_EQ(std::tie(l[0].esquerda, l[2].esquerda, l[4].esquerda, l[4].topo),
              std::make_tuple(100, 300, 203, 300));
    const TComponente &f = l[5];
    EXPECT_EQ(std::tie(f.fio->conexao_origem, f.fio->pino_origem, f.fio->conexao_destino, f.fio->pino_destino),
              std::make_tuple(1, 2, 5, 1));
    EXPECT_EQ(l[0].conexao(2), 6);
    EXPECT_EQ(l[4].conexao(1), 6);
    // S = valve port 2 (130, 95), leaving upwards; E = cylinder port 1 (207, 332), entered
    // from below; E lies right and below. With r = 7 and hx = R(77 / 2) = 38 (half to even):
    // (Sx, Sy-5-r), (Sx+5+hx, Sy-5-r), (Sx+5+hx, Ey+5+r), (Ex, Ey+5+r).
    EXPECT_EQ(f.fio->pontos,
              (std::vector<TPonto>{{130, 95}, {130, 83}, {173, 83}, {173, 344}, {207, 344}, {207, 332}}));

    // Undone back to the input circuit (none: an empty one), then redone to the same result.
    const QString desfeito = caminho("desfeito.zfr"), refeito = caminho("refeito.zfr"), vazio = caminho("vazio.zfr");
    const QByteArray desfazer = QByteArray(ROTEIRO_ACEITACAO) + QByteArray("menu desfazer\n").repeated(5);
    const QByteArray refazer = desfazer + QByteArray("menu refazer\n").repeated(5);
    for (const auto &[roteiro, arquivo_saida] : {std::pair{desfazer, desfeito}, std::pair{refazer, refeito}})
        ASSERT_EQ(executar_roteiro({"-", arquivo("s.txt", roteiro), arquivo_saida, "--desvio", "7"}).status, 0);
    TEstado nenhum;
    ASSERT_TRUE(Salvar_Arquivo(nenhum, vazio));
    EXPECT_EQ(teste::sem_data(teste::ler_bytes(desfeito)), teste::sem_data(teste::ler_bytes(vazio)));
    EXPECT_EQ(teste::sem_data(teste::ler_bytes(refeito)), teste::sem_data(teste::ler_bytes(saida)));
}

TEST_F(CliRoteiro, EntradaLidaPerguntasImpressasERespostas)
{
    const QString primeiro = caminho("um.zfr");
    ASSERT_EQ(executar_roteiro({"-", arquivo("a.txt", ROTEIRO_ACEITACAO), primeiro, "--desvio", "0"}).status, 0);

    const QString segundo = caminho("dois.zfr");
    const Resultado nao = executar_roteiro(
        {primeiro, arquivo("b.txt", "menu selecionartudo\nresponder nao\ntecla Delete\n"), segundo});
    EXPECT_EQ(nao.status, 0);
    EXPECT_EQ(nao.saida, QStringLiteral("pergunta: Tem certeza que deseja excluir componentes selecionados?\n"));
    TEstado e;
    ASSERT_EQ(Abrir_Arquivo(e, segundo).status, StatusLeitura::Ok);
    EXPECT_EQ(e.lista().numero_componentes(), 6);

    const Resultado sim =
        executar_roteiro({primeiro, arquivo("c.txt", "menu selecionartudo\ntecla Delete\n"), segundo});
    EXPECT_EQ(sim.status, 0);
    TEstado vazio;
    ASSERT_EQ(Abrir_Arquivo(vazio, segundo).status, StatusLeitura::Ok);
    EXPECT_EQ(vazio.lista().numero_componentes(), 0);
}

TEST_F(CliRoteiro, LinhaInvalidaNaoGravaNada)
{
    const QString saida = caminho("nada.zfr");
    const Resultado r =
        executar_roteiro({"-", arquivo("ruim.txt", "paleta 3\n\n# ok so far\npressionar 10 dez\nsoltar 1 1\n"), saida});
    EXPECT_EQ(r.status, 4);
    EXPECT_EQ(r.erros, QStringLiteral("roteiro: linha 4 inválida\n"));
    EXPECT_EQ(r.saida, QString());
    EXPECT_FALSE(QFile::exists(saida));
}

TEST_F(CliRoteiro, ArgumentosErradosSaoUsoIncorreto)
{
    const QString roteiro = arquivo("r.txt", "paleta 3\n");
    const QString saida = caminho("x.zfr");
    for (const QStringList &args : {QStringList{"-", roteiro}, QStringList{"-", roteiro, saida, "--desvio", "30"},
                                    QStringList{"-", roteiro, saida, "--desvio"},
                                    QStringList{"-", roteiro, saida, "--desvio", "-1"},
                                    QStringList{"-", roteiro, saida, "extra"}}) {
        EXPECT_EQ(executar_roteiro(args).status, 4) << args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(saida));
    }
}

TEST_F(CliRoteiro, EntradaIlegivelOuInvalida)
{
    const QString roteiro = arquivo("r.txt", "paleta 14\npressionar 50 50\nsoltar 50 50\n");
    const QString saida = caminho("s.zfr");
    const Resultado ausente = executar_roteiro({caminho("nao_existe.zfr"), roteiro, saida});
    EXPECT_EQ(ausente.status, 2);
    EXPECT_EQ(ausente.saida, QStringLiteral("mensagem: Erro ao abrir arquivo!\n"));
    EXPECT_FALSE(QFile::exists(saida));

    // What the reader kept before the invalid field stays, is edited and written; status 1.
    const QByteArray invalido =
        QString::fromUtf8("Número de Componentes:\r\n2\r\nJump\r\n1 (J) 0 -1 -1 -1 -1 5 6\r\nJump\r\n2 (K) 3\r\n")
            .toLatin1();
    const Resultado r = executar_roteiro({arquivo("inv.zfr", invalido), roteiro, saida});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.saida.startsWith(QStringLiteral("mensagem: Arquivo Inválido!"))) << r.saida.toStdString();
    TEstado e;
    ASSERT_EQ(Abrir_Arquivo(e, saida).status, StatusLeitura::Ok);
    EXPECT_EQ(e.lista().numero_componentes(), 2);

    EXPECT_EQ(executar_roteiro({"-", caminho("sem_roteiro.txt"), saida}).status, 2);
}

} // namespace
} // namespace zefira
