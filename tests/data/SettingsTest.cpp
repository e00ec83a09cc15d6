#include "data/Settings.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

Settings settingsOf(const QString& font, float offset1, float offset2, const QString& publisher,
                    const QString& password)
{
    return {font, offset1, offset2, publisher, password};
}

} // namespace

TEST(Settings, ReadsTheFiveValues)
{
    const QString defaultFont = QStringLiteral("ＭＳ Ｐ明朝");
    const QString none = QStringLiteral("教科書指定なし");
    struct Case {
        const char* name;
        QString content;
        Settings expected;
    } cases[] = {
        {"five lines", QStringLiteral("@ＭＳ 明朝\r\n 90\r\n 60\r\n光村図書20\r\nhimitsu\r\n"),
         settingsOf(QStringLiteral("@ＭＳ 明朝"), 90, 60, QStringLiteral("光村図書20"),
                    QStringLiteral("himitsu"))},
        {"four lines: no password", QStringLiteral("ＭＳ 明朝\r\n-30\r\n 0\r\n東京書籍20\r\n"),
         settingsOf(QStringLiteral("ＭＳ 明朝"), -30, 0, QStringLiteral("東京書籍20"), QString())},
        {"cut at comma, blanks trimmed, later lines ignored",
         QStringLiteral(
             "  ＭＳ 明朝 ,太字\r\n\t30 \r\n60,x\r\n 学校図書20 \r\n pw,1 \r\nextra\r\n"),
         settingsOf(QStringLiteral("ＭＳ 明朝"), 30, 60, QStringLiteral("学校図書20"),
                    QStringLiteral("pw"))},
        {"empty values take their defaults", QStringLiteral("\r\n\r\n\r\n\r\n\r\n"),
         settingsOf(defaultFont, 0, 0, none, QString())},
        {"text where numbers belong", QStringLiteral("a\r\nninety\r\nnan\r\nb\r\nc\r\n"),
         settingsOf(QStringLiteral("a"), 0, 0, QStringLiteral("b"), QStringLiteral("c"))},
        {"short file", QStringLiteral("ＭＳ 明朝\r\n 30"),
         settingsOf(QStringLiteral("ＭＳ 明朝"), 30, 0, none, QString())},
        {"empty file", QString(), settingsOf(defaultFont, 0, 0, none, QString())},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseSettings(cp932(c.content)), c.expected) << c.name;

    EXPECT_EQ(
        parseSettings(QStringLiteral("＠ゴシック\n 0\n 0\n教育出版20\npw\n").toUtf8()).fontName,
        QStringLiteral("＠ゴシック"));
}

TEST(Settings, MissingOrUnreadableFileGivesTheDefaults)
{
    TestFolder folder;
    EXPECT_EQ(readSettings(folder.path(kSettingsFileName)), defaultSettings());
    EXPECT_EQ(readSettings(folder.path(QString())), defaultSettings()) << "a folder";
    EXPECT_EQ(defaultSettings().fontName, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(defaultSettings().publisher, QStringLiteral("教科書指定なし"));
}

TEST(Settings, WritesTheFiveAndFourLineForms)
{
    const Settings s = settingsOf(QStringLiteral("@ＭＳ 明朝"), 90, -30,
                                  QStringLiteral("光村図書20"), QStringLiteral("pw"));
    EXPECT_EQ(formatSettings(s, SettingsForm::WithPassword).bytes,
              cp932(QStringLiteral("@ＭＳ 明朝\r\n 90\r\n-30\r\n光村図書20\r\npw\r\n")));
    EXPECT_EQ(formatSettings(s, SettingsForm::WithoutPassword).bytes,
              cp932(QStringLiteral("@ＭＳ 明朝\r\n 90\r\n-30\r\n光村図書20\r\n")));
    EXPECT_EQ(formatSettings(defaultSettings(), SettingsForm::WithPassword).bytes,
              cp932(QStringLiteral("ＭＳ Ｐ明朝\r\n 0\r\n 0\r\n教科書指定なし\r\n\r\n")));
}

TEST(Settings, ValuesSurviveARestartUnchanged)
{
    TestFolder folder;
    const QString path = folder.path(kSettingsFileName);
    for (float offset : {0.0f, 90.0f, -120.0f, 0.1f, 1e7f, 33.333f}) {
        const Settings s = settingsOf(QStringLiteral("ＭＳ ゴシック"), offset, -offset,
                                      QStringLiteral("教育出版20"), QStringLiteral("新しい合言葉"));
        ASSERT_TRUE(writeSettings(path, s, SettingsForm::WithPassword).isEmpty());
        EXPECT_EQ(readSettings(path), s) << offset;
    }
}

TEST(Settings, ValueThatCannotBeEncodedLeavesTheFileAsItWas)
{
    TestFolder folder;
    const QByteArray previous =
        cp932(QStringLiteral("ＭＳ 明朝\r\n 0\r\n 0\r\n光村図書20\r\n\r\n"));
    const QString path = folder.write(kSettingsFileName, previous);
    Settings s = defaultSettings();
    s.fontName = QStringLiteral("Ｆont𠮷");
    const QString error = writeSettings(path, s, SettingsForm::WithPassword);
    EXPECT_TRUE(error.contains(QStringLiteral("𠮷"))) << error.toStdString();
    EXPECT_EQ(folder.read(kSettingsFileName), previous);
}
