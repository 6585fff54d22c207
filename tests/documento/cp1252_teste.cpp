// The Windows-1252 conversion of circuit files.
#include "documento/cp1252.h"

#include <gtest/gtest.h>

namespace zefira {
namespace {

TEST(Cp1252, TodoByteVaiEVolta)
{
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(char(b));
    const QString texto = de_cp1252(todos);
    EXPECT_EQ(texto.size(), 256);
    EXPECT_EQ(para_cp1252(texto), todos);
}

TEST(Cp1252, CaracteresConhecidosEForaDaTabela)
{
    EXPECT_EQ(de_cp1252(QByteArray("\x80\x8A\x93\x9F\xE1\xC7\xFF")), QStringLiteral("€Š“ŸáÇÿ"));
    EXPECT_EQ(para_cp1252(QStringLiteral("Válvula – “ç”")), QByteArray("V\xE1lvula \x96 \x93\xE7\x94"));
    // Characters absent from the code page, one "?" each, an emoji (two UTF-16 units) included.
    EXPECT_EQ(para_cp1252(QStringLiteral("a日b\u0100c😀d")), QByteArray("a?b?c?d"));
    // C1 controls that the code page uses for printable characters cannot be written as such.
    EXPECT_EQ(para_cp1252(QString(QChar(0x80))), QByteArray("?"));
    EXPECT_EQ(para_cp1252(QString(QChar(0xD800))), QByteArray("?"));
}

} // namespace
} // namespace zefira
