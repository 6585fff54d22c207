// The recent files list: newest first, no repeats, eight at most, demonstrations left out.
#include "documento/arquivos_recentes.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace zefira;

namespace {

// The names as the list keeps them: absolute, with the extension added.
QStringList absolutos(const QStringList &nomes, const QString &extensao = QString())
{
    QStringList r;
    for (const QString &n : nomes)
        r << QDir::current().absoluteFilePath(n + extensao);
    return r;
}

} // namespace

TEST(ArquivosRecentes, OrdemSemRepeticaoELimite)
{
    // Operations, one letter each: "+x" registers x.zfr, "-x" removes it, "=x" registers the
    // document " - x.zfr", "d" registers a demonstration; then the expected list.
    const struct {
        QStringList passos;
        QStringList esperado;
    } casos[] = {
        {{}, {}},
        {{"+a", "+b", "+c"}, {"c", "b", "a"}},
        {{"+a", "+b", "+a"}, {"a", "b"}},
        {{"+a", "+b", "-a"}, {"b"}},
        {{"+a", "-z"}, {"a"}},
        {{"+a", "+b", "+c", "+d", "+e", "+f", "+g", "+h", "+i"}, {"i", "h", "g", "f", "e", "d", "c", "b"}},
        {{"=a", "d", "+b"}, {"b", "a"}},
    };
    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.passos.join(' ').toStdString());
        TArquivosRecentes r;
        for (const QString &p : caso.passos) {
            const QString nome = p.mid(1) + ".zfr";
            if (p[0] == '+')
                r.registrar(nome);
            else if (p[0] == '-')
                r.remover(nome);
            else if (p[0] == '=')
                EXPECT_TRUE(r.registrar_documento(" - " + nome));
            else
                EXPECT_FALSE(r.registrar_documento(" - DEMO - Comando Básico 1"));
        }
        EXPECT_EQ(r.nomes(), absolutos(caso.esperado, ".zfr"));
    }
    EXPECT_FALSE(TArquivosRecentes().registrar_documento(QString())); // unnamed

    // A stored list is tidied the same way: blanks and repeats dropped, eight kept, order kept.
    QStringList guardada{"x.zfr", "", "y.zfr", "x.zfr"};
    for (int i = 0; i < 10; ++i)
        guardada << QString("n%1.zfr").arg(i);
    const TArquivosRecentes r(guardada);
    EXPECT_EQ(r.nomes(), absolutos({"x.zfr", "y.zfr", "n0.zfr", "n1.zfr", "n2.zfr", "n3.zfr", "n4.zfr", "n5.zfr"}));
}
