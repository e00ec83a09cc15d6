#include "data/Cp932.h"
#include "data/TextFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace kakitori;

TEST(Cp932, DecodesTheWindowsCharacters)
{
    struct Case {
        QByteArray bytes;
        char16_t expected;
    } cases[] = {
        {QByteArray("\x81\x60"), 0xFF5E}, // ～ as Windows maps it
        {QByteArray("\x87\x40"), 0x2460}, // ①
        {QByteArray("\x87\x9A"), 0x2235}, // ∵ in the NEC row
        {QByteArray("\xED\x40"), 0x7E8A}, // 纊 in the NEC-selected IBM rows
        {QByteArray("\xFA\x5C"), 0x7E8A}, // 纊 in the IBM rows
    };
    for (const Case& c : cases) {
        bool ok = false;
        EXPECT_EQ(decodeCp932(c.bytes, &ok), QString(QChar(c.expected))) << c.bytes.toHex().data();
        EXPECT_TRUE(ok);
    }
}

TEST(Cp932, EncodesLookAlikesAndNamesWhatItCannotHold)
{
    EXPECT_EQ(encodeCp932(QStringLiteral("a\u301Cb")).bytes, QByteArray("a\x81\x60"
                                                                        "b"));
    EXPECT_EQ(encodeCp932(QStringLiteral("\u2212")).bytes, QByteArray("\x81\x7C"));

    const QString text = QStringLiteral("漢字𠮷野家");
    const Cp932Encoding encoded = encodeCp932(text);
    EXPECT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.badIndex, 2);
    EXPECT_EQ(characterAt(text, encoded.badIndex), QStringLiteral("𠮷"));
    EXPECT_TRUE(encoded.bytes.isEmpty());
}

TEST(TextLines, ChoosesTheEncodingAndKeepsTheBytes)
{
    const QByteArray utf8 = QStringLiteral("見出し,,文\r\n二行目\r\n").toUtf8();
    struct Case {
        const char* name;
        QByteArray content;
        TextEncoding encoding;
        QString firstLine;
        bool damaged;
    } cases[] = {
        {"code page 932", cp932(QStringLiteral("見出し,,文\r\n二行目\r\n")), TextEncoding::Cp932,
         QStringLiteral("見出し,,文"), false},
        {"UTF-8", utf8, TextEncoding::Utf8, QStringLiteral("見出し,,文"), false},
        {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + utf8, TextEncoding::Utf8,
         QStringLiteral("見出し,,文"), false},
        {"neither", QByteArray("ok\r\n\x81\xFF\x80\r\n"), TextEncoding::Cp932, QStringLiteral("ok"),
         true},
    };
    for (const Case& c : cases) {
        const TextLines lines = decodeTextLines(c.content, 201);
        EXPECT_EQ(lines.encoding, c.encoding) << c.name;
        ASSERT_EQ(lines.lines.size(), 2) << c.name;
        EXPECT_EQ(lines.lines[0].text, c.firstLine) << c.name;
        EXPECT_EQ(lines.damagedLines == QList<qsizetype>{1}, c.damaged) << c.name;
        if (c.encoding == TextEncoding::Cp932) {
            EXPECT_EQ(lines.lines[1].cp932Bytes, c.content.split('\n')[1].chopped(1)) << c.name;
        }
    }
}

TEST(TextLines, SplitsAtLfWithOrWithoutCrAndCountsLinesBeyondTheLimit)
{
    const TextLines lines = decodeTextLines(QByteArray("a\r\nb\nc\r\n\r\nlast"), 3);
    ASSERT_EQ(lines.lines.size(), 3);
    EXPECT_EQ(lines.lines[1].text, QStringLiteral("b"));
    EXPECT_EQ(lines.lines[2].text, QStringLiteral("c"));
    EXPECT_EQ(lines.linesInFile, 5);
    EXPECT_TRUE(decodeTextLines(QByteArray(), 3).lines.isEmpty());
}
