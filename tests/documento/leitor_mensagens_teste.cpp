// The validation messages of the circuit reader, from crafted files: one spoiled field per field
// kind and per message shape (the field lists live in each family), each data line cut short.
// The component before the spoiled one must stay.
#include "documento/apoio_arquivos.h"
#include "documento/cp1252.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

struct Erro {
    int indice;          // 0-based field
    const char *mensagem;
};

struct Caso {
    const char *tipo;
    std::vector<const char *> campos; // a valid data line, field by field
    const char *pontos;               // the lines after it (a wire's points)
    std::vector<Erro> erros;
    const char *faltam;
};

const char *const JUMP_VALIDO = "Jump\r\n1 (J) 0 -1 -1 -1 -1 0 0\r\n\r\n";

std::vector<Caso> casos()
{
    return {
        {"Válvula Direcional",
         {"3", "(Válvula de 3 vias)", "2", "2", "3", "4", "5", "-1", "0", "1", "0", "0", "0", "0", "3", "0", "0", "0",
          "0", "()", "5", "4", "-1", "-1", "-1", "-1", "-1", "1", "(a2)", "1", "60", "173"},
         "",
         {
             {0, "Arquivo Inválido! Código do componente \"Válvula Direcional\" inválido."},
             {2, "Arquivo Inválido! Posição Inicial do componente \"Válvula Direcional\" inválida."},
             {4, "Arquivo Inválido! Número de Vias do componente \"Válvula Direcional\" inválido."},
             {8, "Arquivo Inválido! Seleção do componente \"Válvula Direcional\" inválida."},
             {9, "Arquivo Inválido! Mola Direita do componente \"Válvula Direcional\" inválida."},
             {20, "Arquivo Inválido! Conexão 1 do componente \"Válvula Direcional\" inválida."},
             {31, "Arquivo Inválido! Topo do componente \"Válvula Direcional\" inválido."},
         },
         "Arquivo Inválido! Faltam dados no componente \"Válvula Direcional\"."},
        {"Cilindro",
         {"2", "(Cilindro)", "0", "100", "40", "0", "4", "-1", "1", "()", "()", "()", "()", "()", "()", "0", "0", "0",
          "0", "0", "0", "(A)", "86", "39"},
         "",
         {
             {8, "Arquivo Inválido! Tipo do componente \"Cilindro\" inválido."},
             {15, "Arquivo Inválido! Posição do rótulo 1 do componente \"Cilindro\" inválida."},
         },
         "Arquivo Inválido! Faltam dados no componente \"Cilindro\"."},
        {"Tomada de Ar",
         {"5", "(Tomada de Ar)", "0", "6", "3", "1", "84", "204"},
         "",
         {
             {5, "Arquivo Inválido! Pino do componente \"Tomada de Ar\" inválido."},
         },
         "Arquivo Inválido! Faltam dados no componente \"Tomada de Ar\"."},
        {"Válvula E/OU/ESC/REG",
         {"7", "(E)", "1", "1000", "0", "-1", "-1", "-1", "1", "-1", "10", "20"},
         "",
         {
             {2, "Arquivo Inválido! Estado do componente \"Válvula E/OU/ESC/REG\" inválido."},
             {3, "Arquivo Inválido! Vazão do componente \"Válvula E/OU/ESC/REG\" inválida."},
         },
         "Arquivo Inválido! Faltam dados no componente \"Válvula E/OU/ESC/REG\"."},
        {"Fio de Energia",
         {"4", "1", "2", "2", "3", "0", "2"},
         "1 2\r\n3 4\r\n",
         {
             {1, "Arquivo Inválido! Pino do componente \"Fio de Energia\" inválido."},
             {2, "Arquivo Inválido! Conexão do componente \"Fio de Energia\" inválida."},
             {6, "Arquivo Inválido! Pontos do componente \"Fio de Energia\" inválidos."},
         },
         "Arquivo Inválido! Faltam dados em componente \"Fio de Energia\"."},
        {"Jump",
         {"8", "(Jump)", "0", "-1", "-1", "-1", "-1", "5", "6"},
         "",
         {
             {3, "Arquivo Inválido! Conexão do componente \"Jump\" inválida."},
         },
         "Arquivo Inválido! Faltam dados em componente \"Jump\"."},
    };
}

class LeitorMensagens : public ::testing::Test {
protected:
    // Reads "a valid jump, then the kind's type line and this data line" into a fresh list.
    TResultadoLeitura ler(const Caso &caso, const std::vector<QString> &campos, const char *pontos = nullptr)
    {
        QStringList l;
        for (const QString &c : campos)
            l << c;
        const QString texto = QStringLiteral("Número de Componentes:\r\n2\r\n") + QString::fromUtf8(JUMP_VALIDO) +
                              QString::fromUtf8(caso.tipo) + QStringLiteral("\r\n") + l.join(QLatin1Char(' ')) +
                              QStringLiteral("\r\n") + QString::fromUtf8(pontos ? pontos : caso.pontos);
        const QString caminho = pasta.filePath(QStringLiteral("c.zfr"));
        EXPECT_TRUE(teste::gravar_bytes(caminho, para_cp1252(texto)));
        estado.lista_componentes = std::make_unique<TLista_Componente>(estado.imagens);
        return Abrir_Arquivo(estado, caminho);
    }

    static std::vector<QString> validos(const Caso &caso)
    {
        std::vector<QString> v;
        for (const char *c : caso.campos)
            v.push_back(QString::fromUtf8(c));
        return v;
    }

    QTemporaryDir pasta;
    TEstado estado;
};

TEST_F(LeitorMensagens, CadaCampoInvalidoTemSuaMensagemEPreservaOAnterior)
{
    // "x" is no number and no flag; "+1" is refused too: only an optional "-" may lead. A flag
    // (the selection) takes only 1 or 0.
    for (const Caso &caso : casos())
        for (const Erro &erro : caso.erros) {
            const QString mensagem = QString::fromUtf8(erro.mensagem);
            QStringList ruins{QStringLiteral("x"), QStringLiteral("+1")};
            if (mensagem.contains(QStringLiteral("Seleção")))
                ruins << QStringLiteral("2");
            for (const QString &ruim : ruins) {
                std::vector<QString> campos = validos(caso);
                campos[size_t(erro.indice)] = ruim;
                const TResultadoLeitura r = ler(caso, campos);
                EXPECT_EQ(r.status, StatusLeitura::Invalido);
                EXPECT_EQ(r.mensagem, mensagem) << caso.tipo << " campo " << erro.indice << " " << ruim.toStdString();
                ASSERT_EQ(estado.lista().numero_componentes(), 1);
                EXPECT_EQ(estado.lista()[0].tipo, TIPO_JUMP);
            }
        }
}

// Each kind's valid line is read; cut short, it is missing data.
TEST_F(LeitorMensagens, LinhaValidaLidaECurtaDizQueFaltamDados)
{
    for (const Caso &caso : casos()) {
        const TResultadoLeitura valida = ler(caso, validos(caso));
        EXPECT_EQ(valida.status, StatusLeitura::Ok) << caso.tipo << ": " << valida.mensagem.toStdString();
        EXPECT_EQ(estado.lista().numero_componentes(), 2) << caso.tipo;
        std::vector<QString> campos = validos(caso);
        campos.pop_back();
        const TResultadoLeitura r = ler(caso, campos);
        EXPECT_EQ(r.mensagem, QString::fromUtf8(caso.faltam)) << caso.tipo;
        EXPECT_EQ(estado.lista().numero_componentes(), 1);
        // No data line at all: the file ends right after the type line.
        EXPECT_EQ(ler(caso, {}, "").mensagem, QString::fromUtf8(caso.faltam)) << caso.tipo;
    }
}

TEST_F(LeitorMensagens, PontosDoFioInvalidos)
{
    const Caso fio = casos()[4];
    const QString m = QStringLiteral("Arquivo Inválido! Pontos do componente \"Fio de Energia\" inválidos.");
    for (const char *pontos : {"1 2\r\n3 x\r\n", "1 2\r\n3\r\n", "1 2\r\n", "1 2\r\n+3 4\r\n"})
        EXPECT_EQ(ler(fio, validos(fio), pontos).mensagem, m) << pontos;
    // A count far beyond the file ends at the file's end, without reserving room for it.
    std::vector<QString> campos = validos(fio);
    campos[6] = QStringLiteral("2000000000");
    EXPECT_EQ(ler(fio, campos).mensagem, m);
    EXPECT_EQ(estado.lista().numero_componentes(), 1);
}

// The electrical parts: a valid line of each kind is read; each spoilt line, after a valid part
// that stays, gets its message (modes, the delay and the preset out of range, flags other than
// 1 and 0, a bad connection, a line cut short).
TEST_F(LeitorMensagens, RegistrosEletricos)
{
    const char *const VALIDOS[][2] = {
        {"Borne", "1 (Borne) 0 1 -1 10 10"},
        {"Botão", "2 (Botão) 0 (S1) 3 1 -1 -1 10 40"},
        {"Sensor", "3 (Sensor) 0 (1S1) 4 0 (a1) -1 -1 10 90"},
        {"Pressostato", "4 (Pressostato) 0 (1B1) 1 -1 -1 -1 10 140"},
        {"Bobina", "5 (Relé) 0 (KT1) 2 3600000 -1 -1 10 190"},
        {"Contador", "6 (Contador) 0 (KC1) 9999 -1 -1 -1 -1 10 240"},
        {"Contato", "7 (Contato) 0 (K1) 1 0 -1 -1 -1 10 290"},
        {"Solenoide", "8 (Solenoide) 0 (1Y1) -1 -1 10 340"},
        {"Lâmpada", "9 (Lâmpada) 0 (H1) -1 -1 10 390"},
        {"Derivação", "10 (Derivação) 0 -1 -1 -1 -1 10 440"},
    };
    const char *const RUINS[][3] = {
        {"Borne", "1 (Borne) 0 2 -1 10 10", "Modo do componente \"Borne\" inválido"},
        {"Botão", "2 (Botão) 0 (S1) 4 0 -1 -1 10 40", "Modo do componente \"Botão\" inválido"},
        {"Botão", "2 (Botão) 0 (S1) 0 2 -1 -1 10 40", "Contato NF do componente \"Botão\" inválido"},
        {"Sensor", "3 (Sensor) 0 (1S1) -1 0 (a1) -1 -1 10 90", "Modo do componente \"Sensor\" inválido"},
        {"Pressostato", "4 (Pressostato) 0 (1B1) x -1 -1 -1 10 140", "Contato NF do componente \"Pressostato\" inválido"},
        {"Bobina", "5 (Relé) 0 (KT1) 3 2000 -1 -1 10 190", "Modo do componente \"Bobina\" inválido"},
        {"Bobina", "5 (Relé) 0 (KT1) 1 3600001 -1 -1 10 190", "Tempo do componente \"Bobina\" inválido"},
        {"Bobina", "5 (Relé) 0 (KT1) 1 -400 -1 -1 10 190", "Tempo do componente \"Bobina\" inválido"},
        {"Contador", "6 (Contador) 0 (KC1) 0 -1 -1 -1 -1 10 240", "Pré-seleção do componente \"Contador\" inválida"},
        {"Contador", "6 (Contador) 0 (KC1) 10000 -1 -1 -1 -1 10 240", "Pré-seleção do componente \"Contador\" inválida"},
        {"Contato", "7 (Contato) 0 (K1) 2 0 -1 -1 -1 10 290", "Modo do componente \"Contato\" inválido"},
        {"Contato", "7 (Contato) 0 (K1) 1 0 -1 -1 x 10 290", "Conexão 3 do componente \"Contato\" inválida"},
        {"Derivação", "10 (Derivação) 0 -1 -1 -1 +4 10 440", "Conexão 4 do componente \"Derivação\" inválida"},
        {"Contato", "7 (Contato) 0", "Faltam dados no componente \"Contato\""},
        {"Solenoide", "8 (Solenoide) 0 (1Y1) -1 -1 10", "Faltam dados no componente \"Solenoide\""},
    };
    const auto ler = [&](const char *tipo, const char *linha) {
        return this->ler({tipo, {linha}, "", {}, ""}, {QString::fromUtf8(linha)});
    };
    for (const auto &v : VALIDOS) {
        const TResultadoLeitura r = ler(v[0], v[1]);
        EXPECT_EQ(r.mensagem, QString()) << v[0];
        EXPECT_EQ(estado.lista().numero_componentes(), 2) << v[0];
    }
    for (const auto &v : RUINS) {
        const TResultadoLeitura r = ler(v[0], v[1]);
        EXPECT_EQ(r.mensagem, QStringLiteral("Arquivo Inválido! %1.").arg(QString::fromUtf8(v[2]))) << v[1];
        EXPECT_EQ(estado.lista().numero_componentes(), 1) << v[1];
    }
}

} // namespace
} // namespace zefira
