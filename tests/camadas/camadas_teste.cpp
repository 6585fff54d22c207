// The layers of src/ point downwards only: every #include "pasta/arquivo.h" of a source file
// must name its own folder or one the table below allows. The build already refuses upward
// includes in the core libraries; this test also covers the windows and the command line.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <map>

namespace {

// Each folder and the folders below it that it may include. Written once, here.
const std::map<QString, QSet<QString>> &camadas_permitidas()
{
    static const QSet<QString> nucleo{"simbolos", "modelo", "componentes", "documento", "simulacao",
                                      "desenho", "edicao", "propriedades", "demonstracoes",
                                      "assistente"};
    static const std::map<QString, QSet<QString>> tabela{
        {"simbolos", {}},
        // The component families and the model are one layer: a record asks its family.
        {"modelo", {"simbolos", "componentes"}},
        {"componentes", {"simbolos", "modelo"}},
        {"documento", {"simbolos", "modelo", "componentes"}},
        {"simulacao", {"simbolos", "modelo", "componentes", "documento"}},
        {"desenho", {"simbolos", "modelo", "componentes", "documento", "simulacao"}},
        {"edicao", {"simbolos", "modelo", "componentes", "documento", "simulacao", "desenho"}},
        {"propriedades", {"simbolos", "modelo", "componentes", "documento", "simulacao", "desenho", "edicao"}},
        {"demonstracoes", {"simbolos", "modelo", "componentes", "documento", "simulacao", "desenho", "edicao",
                   "propriedades"}},
        {"assistente", {"simbolos", "modelo", "componentes", "documento", "simulacao", "desenho", "edicao",
                        "propriedades", "demonstracoes"}},
        {"dialogos", nucleo},
        {"janelas", nucleo + QSet<QString>{"dialogos"}},
        {"cli", nucleo},
    };
    return tabela;
}

// True when a file in folder `pasta` may include a header of folder `alvo`.
bool inclusao_permitida(const QString &pasta, const QString &alvo)
{
    if (pasta == alvo)
        return true;
    const auto &tabela = camadas_permitidas();
    const auto linha = tabela.find(pasta);
    return linha != tabela.end() && linha->second.contains(alvo);
}

// "arquivo:linha: pasta -> alvo" for every include of `texto` that leaves the allowed layers.
QStringList inclusoes_proibidas(const QString &pasta, const QString &nome, const QString &texto)
{
    static const QRegularExpression inclusao(R"(^\s*#\s*include\s*"([a-z_]+)/)");
    QStringList erros;
    const QStringList linhas = texto.split('\n');
    for (int i = 0; i < linhas.size(); ++i) {
        const auto m = inclusao.match(linhas[i]);
        if (m.hasMatch() && !inclusao_permitida(pasta, m.captured(1)))
            erros << QString("%1:%2: %3 -> %4").arg(nome).arg(i + 1).arg(pasta, m.captured(1));
    }
    return erros;
}

TEST(Camadas, CadaPastaIncluiApenasSuaCamadaOuAsDeBaixo)
{
    const QDir src(QStringLiteral(ZEFIRA_FONTES));
    ASSERT_TRUE(src.exists()) << ZEFIRA_FONTES;
    QStringList erros;
    int lidos = 0;
    for (const QString &pasta : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        EXPECT_TRUE(camadas_permitidas().count(pasta)) << "pasta sem camada na tabela: " << pasta.toStdString();
        QDirIterator it(src.filePath(pasta), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            erros << inclusoes_proibidas(pasta, f.fileName(), QString::fromUtf8(f.readAll()));
            ++lidos;
        }
    }
    EXPECT_GT(lidos, 100);
    EXPECT_TRUE(erros.isEmpty()) << erros.join('\n').toStdString();
}

TEST(Camadas, InclusaoParaCimaEhRecusada)
{
    struct Caso { const char *pasta, *linha; bool aceita; };
    const Caso casos[] = {
        {"modelo", "#include \"simbolos/imagens.h\"", true},
        {"modelo", "#include \"edicao/selecao.h\"", false},
        {"simbolos", "#include \"modelo/estado.h\"", false},
        {"simulacao", " #  include \"desenho/renderizador.h\"", false},
        {"edicao", "#include \"simulacao/simulacao.h\"", true},
        {"propriedades", "#include \"dialogos/figuras.h\"", false},
        {"cli", "#include \"janelas/principal.h\"", false},
        {"janelas", "#include \"dialogos/figuras.h\"", true},
        {"desenho", "#include <QPainter>", true},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(inclusoes_proibidas(c.pasta, "x.cpp", c.linha).isEmpty(), c.aceita)
            << c.pasta << ": " << c.linha;
}

// The map (docs/arquitetura.md) lists, for each folder, the folders it really includes: a new
// include across layers, or the last one removed, must show there too.
TEST(Camadas, OMapaDizOQueCadaPastaIncluiDeFato)
{
    static const QRegularExpression inclusao(R"(^\s*#\s*include\s*"([a-z_]+)/)",
                                             QRegularExpression::MultilineOption);
    const QDir src(QStringLiteral(ZEFIRA_FONTES));
    std::map<QString, QSet<QString>> reais;
    for (const QString &pasta : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QSet<QString> &usadas = reais[pasta];
        QDirIterator it(src.filePath(pasta), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            for (auto m = inclusao.globalMatch(QString::fromUtf8(f.readAll())); m.hasNext();)
                usadas << m.next().captured(1);
        }
        usadas.remove(pasta);
    }

    QFile mapa(src.filePath(QStringLiteral("../docs/arquitetura.md")));
    ASSERT_TRUE(mapa.open(QIODevice::ReadOnly));
    static const QRegularExpression linha(R"(^\| `([a-z_]+)/` \| ([^|]*) \|$)", QRegularExpression::MultilineOption);
    static const QRegularExpression pasta_citada(R"(`([a-z_]+)/`)");
    std::map<QString, QSet<QString>> no_mapa;
    for (auto m = linha.globalMatch(QString::fromUtf8(mapa.readAll())); m.hasNext();) {
        const auto l = m.next();
        QSet<QString> &usadas = no_mapa[l.captured(1)];
        for (auto p = pasta_citada.globalMatch(l.captured(2)); p.hasNext();)
            usadas << p.next().captured(1);
    }
    for (const auto &[pasta, usadas] : reais) {
        ASSERT_TRUE(no_mapa.count(pasta)) << "pasta fora do mapa: " << pasta.toStdString();
        const auto lista = [](const QSet<QString> &c) {
            QStringList l = c.values();
            l.sort();
            return l.join(' ').toStdString();
        };
        EXPECT_EQ(lista(no_mapa[pasta]), lista(usadas)) << pasta.toStdString();
    }
}

} // namespace
