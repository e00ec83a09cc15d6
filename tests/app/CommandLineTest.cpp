#include "app/CommandLine.h"
#include "data/ProblemFile.h"

#include "CommandRun.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kakitori;

TEST(CommandLine, PagesListsIndexHeadingAndFieldCount)
{
    const CommandRun r = runCommand({QStringLiteral("pages"), kSample});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("0\tサンプル\t73\n1\t二年生　一\t73\n2\t二年生　二\t73\n"
                                    "3\t二年生　三\t73\n"));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST(CommandLine, PageIsJsonInFieldOrder)
{
    const CommandRun r = runCommand({QStringLiteral("page"), kSample, QStringLiteral("0")});
    EXPECT_EQ(r.code, 0);
    const QString empty = QStringLiteral(",[\"\",\"\",\"\",\"\",\"\",\"\",\"\"]");
    QString expected = QStringLiteral(
        "{\"heading\":\"サンプル\",\"font\":\"@ＤＦＧ教科書体W4\",\"rows\":["
        "[\"むこうの\",\"筆丸\",\"ふでまる\",\"さん\",\"採用\",\"さいよう\",\"いただき\"],"
        "[\"ありがとう\",\"御\",\"ご\",\"ざいます\",\"\",\"\",\"\"],"
        "[\"\",\"試\",\"ため\",\"しに\",\"印字\",\"いんじ\",\"もしくは\"],"
        "[\"ファイルの\",\"保存\",\"ほぞん\",\"をお試しください\",\"\",\"\",\"\"]");
    for (int i = 0; i < 6; ++i)
        expected += empty;
    EXPECT_EQ(r.out, expected + QStringLiteral("]}\n"));
}

TEST(CommandLine, OldVersionFileAndEscapes)
{
    TestFolder folder;
    QStringList fields(43);
    fields[0] = QStringLiteral("引用\"と\\");
    fields[3] = QStringLiteral("字");
    fields[42] = QStringLiteral("ＭＳ 明朝");
    const QString path = folder.write(QStringLiteral("old.moj"), cp932(fields.join(u',')) + "\r\n");
    EXPECT_EQ(runCommand({QStringLiteral("pages"), path}).out,
              QStringLiteral("0\t引用\"と\\\t43\n"));
    const CommandRun r = runCommand({QStringLiteral("page"), path, QStringLiteral("0")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(
        r.out.startsWith(QStringLiteral("{\"heading\":\"引用\\\"と\\\\\",\"font\":\"ＭＳ 明朝\","
                                        "\"rows\":[[\"\",\"字\",\"\",\"\",\"\",\"\",\"\"]")))
        << r.out.toStdString();
}

TEST(CommandLine, ErrorsAndUsage)
{
    struct Case {
        const char* name;
        QStringList args;
        int code;
    } cases[] = {
        {"pages without file", {QStringLiteral("pages")}, kExitUsage},
        {"page without index", {QStringLiteral("page"), kSample}, kExitUsage},
        {"index not a number",
         {QStringLiteral("page"), kSample, QStringLiteral("one")},
         kExitUsage},
        {"index out of range",
         {QStringLiteral("page"), kSample, QStringLiteral("4")},
         kExitFailure},
        {"negative index", {QStringLiteral("page"), kSample, QStringLiteral("-1")}, kExitFailure},
        {"missing file",
         {QStringLiteral("pages"), QStringLiteral("/nonexistent.mojx")},
         kExitFailure},
    };
    for (const Case& c : cases) {
        const CommandRun r = runCommand(c.args);
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
        EXPECT_FALSE(r.err.isEmpty()) << c.name;
    }
    EXPECT_FALSE(runCommand({}).code.has_value()) << "no subcommand starts the desktop application";
}

TEST(CommandLine, RenderWritesThePdfAndTheTraceOfTheWritingTest)
{
    TestFolder folder;
    const QString pdf = folder.path(QStringLiteral("w.pdf"));
    const CommandRun r =
        runCommand({QStringLiteral("render"), kSample, QStringLiteral("--sheet"),
                    QStringLiteral("writing"), QStringLiteral("--all"), QStringLiteral("--pdf"),
                    pdf, QStringLiteral("--trace"), QStringLiteral("-")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(folder.read(QStringLiteral("w.pdf")).startsWith("%PDF"));
    EXPECT_FALSE(folder.exists(QStringLiteral("w.pdf.part")));
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.filter(QStringLiteral("{\"op\":\"page\"")).size(), 4);
    EXPECT_EQ(lines.last(), QStringLiteral("{\"op\":\"enddoc\"}"));
    // --all prints every page in the first page's font: vertical, portrait.
    EXPECT_TRUE(lines.first().contains(QStringLiteral("\"orientation\":1")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"font\":\"@ＤＦＧ教科書体W4\"")));

    // The last sample page is in a horizontal font; --font overrides it.
    const CommandRun h =
        runCommand({QStringLiteral("render"), kSample, QStringLiteral("--sheet"),
                    QStringLiteral("writing"), QStringLiteral("--page"), QStringLiteral("3"),
                    QStringLiteral("--no-frames"), QStringLiteral("--trace"), QStringLiteral("-")});
    EXPECT_TRUE(h.out.startsWith(QStringLiteral("{\"op\":\"page\",\"paper\":9,\"orientation\":2")));
    EXPECT_FALSE(h.out.contains(QStringLiteral("\"op\":\"box\"")));
}

TEST(CommandLine, RenderRefusesWhatItCannotDo)
{
    struct Case {
        const char* name;
        QStringList args;
        int code;
    } cases[] = {
        {"no output", {QStringLiteral("--sheet"), QStringLiteral("writing")}, kExitUsage},
        {"unknown kind",
         {QStringLiteral("--sheet"), QStringLiteral("poster"), QStringLiteral("--trace"),
          QStringLiteral("-")},
         kExitUsage},
        {"page and all",
         {QStringLiteral("--sheet"), QStringLiteral("writing"), QStringLiteral("--page"),
          QStringLiteral("1"), QStringLiteral("--all"), QStringLiteral("--trace"),
          QStringLiteral("-")},
         kExitUsage},
        {"page out of range",
         {QStringLiteral("--sheet"), QStringLiteral("writing"), QStringLiteral("--page"),
          QStringLiteral("9"), QStringLiteral("--trace"), QStringLiteral("-")},
         kExitFailure},
    };
    for (const Case& c : cases) {
        const CommandRun r = runCommand(QStringList{QStringLiteral("render"), kSample} + c.args);
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_TRUE(r.out.isEmpty()) << c.name;
        EXPECT_FALSE(r.err.isEmpty()) << c.name;
    }
}

TEST(CommandLine, KanjiPrintsAGradeOfATableAsStored)
{
    const CommandRun r =
        runCommand({QStringLiteral("kanji"), QStringLiteral("教育出版20"), QStringLiteral("5")});
    EXPECT_EQ(r.code, 0);
    const QStringList rows = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(rows.size(), 200);
    EXPECT_TRUE(rows.filter(QStringLiteral(",退,")).size() == 1)
        << "the grade 5 kanji among grade 6";

    const CommandRun kana = runCommand(
        {QStringLiteral("kanji"), QStringLiteral("教科書指定なし"), QStringLiteral("1")});
    EXPECT_TRUE(kana.out.startsWith(QStringLiteral("1,あ,あ,あ,00001\n")));
    for (const char* grade : {"abc", "0", "7", ""}) {
        const CommandRun bad = runCommand(
            {QStringLiteral("kanji"), QStringLiteral("光村図書20"), QString::fromUtf8(grade)});
        EXPECT_EQ(bad.code, kExitUsage) << grade;
        EXPECT_TRUE(bad.err.contains(QStringLiteral("1 から 6"))) << grade;
    }
    EXPECT_EQ(
        runCommand({QStringLiteral("kanji"), QStringLiteral("どこか"), QStringLiteral("1")}).code,
        kExitUsage);
}

TEST(CommandLine, SearchPrintsKanjiTooltipAndGrade)
{
    const CommandRun r =
        runCommand({QStringLiteral("search"), QStringLiteral("kun"), QStringLiteral("まな")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("学\tがく\t1\n")));
    EXPECT_EQ(runCommand({QStringLiteral("search"), QStringLiteral("on"), QStringLiteral("し")})
                  .out.count(u'\n'),
              121);
    EXPECT_EQ(
        runCommand({QStringLiteral("search"), QStringLiteral("音"), QStringLiteral("し")}).code,
        kExitUsage);
    const CommandRun malformed =
        runCommand({QStringLiteral("search"), QStringLiteral("on"), QStringLiteral("[!")});
    EXPECT_EQ(malformed.code, kExitUsage);
    EXPECT_TRUE(malformed.err.contains(QStringLiteral("]")));
}

TEST(CommandLine, AnOutputThatCouldNotBeWrittenIsAFailure)
{
    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    QTextStream out(&full);
    QString errText;
    QTextStream err(&errText);
    EXPECT_EQ(runSubcommand({QStringLiteral("pages"), kSample}, out, err), kExitFailure);
    EXPECT_TRUE(errText.contains(QStringLiteral("標準出力")));
}

TEST(CommandLine, TheDesktopStartsOnlyWithADisplayAndAFileOrNothing)
{
    struct Case {
        const char* name;
        QStringList args;
        bool display;
        std::optional<int> code;
    } cases[] = {
        {"nothing, with a display", {}, true, std::nullopt},
        {"the sample, with a display", {kSample}, true, std::nullopt},
        {"a problem file not yet there", {QStringLiteral("new.mojx")}, true, std::nullopt},
        {"no display", {kSample}, false, kExitFailure},
        {"a mistyped subcommand", {QStringLiteral("pagse")}, false, kExitUsage},
        {"an unknown option", {QStringLiteral("--frobnicate")}, true, kExitUsage},
        {"two files", {kSample, kSample}, true, kExitUsage},
    };
    for (const Case& c : cases) {
        QString errText;
        QTextStream err(&errText);
        EXPECT_EQ(desktopStartRefusal(c.args, c.display, err), c.code) << c.name;
        EXPECT_EQ(errText.isEmpty(), !c.code.has_value()) << c.name;
        if (c.code == kExitFailure) {
            EXPECT_TRUE(errText.contains(QStringLiteral("kakitori render"))) << c.name;
        }
    }
}

TEST(CommandLine, RenderWithAnswersAddsARedKeyAfterTheSheet)
{
    const CommandRun plain =
        runCommand({QStringLiteral("render"), kSample, QStringLiteral("--sheet"),
                    QStringLiteral("writing"), QStringLiteral("--page"), QStringLiteral("1"),
                    QStringLiteral("--trace"), QStringLiteral("-")});
    const CommandRun keyed =
        runCommand({QStringLiteral("render"), kSample, QStringLiteral("--sheet"),
                    QStringLiteral("writing"), QStringLiteral("--page"), QStringLiteral("1"),
                    QStringLiteral("--answers"), QStringLiteral("--trace"), QStringLiteral("-")});
    ASSERT_EQ(keyed.code, 0) << keyed.err.toStdString();
    EXPECT_EQ(plain.out.count(QStringLiteral("\"op\":\"page\"")), 1);
    EXPECT_EQ(keyed.out.count(QStringLiteral("\"op\":\"page\"")), 2);
    EXPECT_FALSE(plain.out.contains(QStringLiteral("\"color\":255}")));
    EXPECT_TRUE(keyed.out.contains(QStringLiteral("\"size\":45,\"color\":255}")));
}
