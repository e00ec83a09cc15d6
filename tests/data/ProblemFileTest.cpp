#include "data/ProblemFile.h"
#include "data/PageLine.h"
#include "data/Problem.h"

#include "TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

QString fullLine(const QString& heading)
{
    return heading + QString(42, QLatin1Char(',')) + QStringLiteral("@ＭＳ 明朝") +
           QString(30, QLatin1Char(','));
}

QByteArray fileOf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += cp932(l) + "\r\n";
    return bytes;
}

} // namespace

TEST(ProblemFile, ReadsTheBundledSample)
{
    const ProblemRead read = readProblemFile(resourcePath(QStringLiteral("sample.mojx")));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_TRUE(read.warnings.isEmpty());
    ASSERT_EQ(read.lines.size(), 4);
    EXPECT_EQ(read.lines[0].text, kSampleLine);
    const Problem problem(read.lines);
    EXPECT_EQ(problem.headings(),
              (QStringList{QStringLiteral("サンプル"), QStringLiteral("二年生　一"),
                           QStringLiteral("二年生　二"), QStringLiteral("二年生　三")}));
    for (int p = 0; p < problem.pageCount(); ++p)
        EXPECT_EQ(splitPageLine(problem.line(p)).size(), kPageLineFields);
}

TEST(ProblemFile, OpenAndSaveUnchangedWritesTheSameBytes)
{
    TestFolder folder;
    // NEC row and NEC-selected IBM characters have a second code; both must survive as stored.
    const QByteArray original = fileOf({kSampleLine, fullLine(QStringLiteral("二頁目"))}) +
                                QByteArray("\x87\x9A\xED\x40") + cp932(fullLine(QString())) +
                                "\r\n";
    const QString path = folder.write(QStringLiteral("a.mojx"), original);

    ProblemRead read = readProblemFile(path);
    ASSERT_TRUE(read.ok());
    Problem problem(read.lines);
    for (int p = 0; p < problem.pageCount(); ++p)
        problem.writeBack(p, problem.page(p)); // choosing every page changes nothing
    const ProblemSave saved = saveProblemFile(path, problem.lines());
    ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("a.mojx")), original);
}

TEST(ProblemFile, OverwriteKeepsThePreviousContentAsBackup)
{
    TestFolder folder;
    const QByteArray previous = fileOf({fullLine(QStringLiteral("前の版"))});
    const QString path = folder.write(QStringLiteral("a.mojx"), previous);

    Problem problem(readProblemFile(path).lines);
    Page page = problem.page(0);
    page.rows[0][RowField::FirstWord] = QStringLiteral("新");
    problem.writeBack(0, page);
    const ProblemSave saved = saveProblemFile(path, problem.lines());
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(saved.backupWritten);
    EXPECT_EQ(folder.read(QStringLiteral("aBK.mojx")), previous);
    EXPECT_EQ(readProblemFile(path).lines[0].text, problem.line(0));
}

TEST(ProblemFile, NewFileHasNoBackupAndEmptyProblemIsAnEmptyFile)
{
    TestFolder folder;
    ASSERT_TRUE(saveProblemFile(folder.path(QStringLiteral("new.mojx")), {}).ok());
    EXPECT_TRUE(folder.exists(QStringLiteral("new.mojx")));
    EXPECT_TRUE(folder.read(QStringLiteral("new.mojx")).isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("newBK.mojx")));
}

TEST(ProblemFile, UnencodableCharacterRefusesTheSaveAndWritesNothing)
{
    TestFolder folder;
    const QByteArray previous = fileOf({fullLine(QStringLiteral("前"))});
    const QString path = folder.write(QStringLiteral("a.mojx"), previous);
    Problem problem(readProblemFile(path).lines);
    problem.addPage(QStringLiteral("二"), QString());
    Page page = problem.page(1);
    page.rows[2][RowField::Tail] = QStringLiteral("𠮷野家");
    problem.writeBack(1, page);

    const ProblemSave saved = saveProblemFile(path, problem.lines());
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error.contains(QStringLiteral("2頁"))) << saved.error.toStdString();
    EXPECT_TRUE(saved.error.contains(QStringLiteral("𠮷"))) << saved.error.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("a.mojx")), previous);
    EXPECT_FALSE(folder.exists(QStringLiteral("aBK.mojx")));
}

TEST(ProblemFile, SaveErrorsLeaveNothingHalfWritten)
{
    TestFolder folder;
    QDir(folder.path(QString())).mkdir(QStringLiteral("folder.mojx"));
    EXPECT_FALSE(saveProblemFile(folder.path(QStringLiteral("folder.mojx")), {}).ok());
    EXPECT_FALSE(saveProblemFile(folder.path(QStringLiteral("missing/a.mojx")), {}).ok());
    EXPECT_FALSE(folder.exists(QStringLiteral("missing")));
}

TEST(ProblemFile, OldVersionFileReadsWithoutSecondParts)
{
    TestFolder folder;
    QStringList fields(kOldPageLineFields);
    fields[0] = QStringLiteral("旧");
    fields[3] = QStringLiteral("字");
    fields[kFontField] = QStringLiteral("ＭＳ 明朝");
    const ProblemRead read =
        readProblemFile(folder.write(QStringLiteral("old.moj"), fileOf({fields.join(u',')})));
    ASSERT_TRUE(read.ok());
    const Page page = pageFromLine(read.lines[0].text);
    EXPECT_EQ(page.rows[0][RowField::FirstWord], QStringLiteral("字"));
    EXPECT_EQ(page.font, QStringLiteral("ＭＳ 明朝"));
    EXPECT_FALSE(page.rows[0].hasSecondPart());
}

TEST(ProblemFile, DamagedLinesAreKeptAndReported)
{
    TestFolder folder;
    const QString first = fullLine(QStringLiteral("一"));
    const QString third = fullLine(QStringLiteral("三"));
    const QByteArray content = fileOf({first}) + "headless line\r\n" + fileOf({third}) +
                               QByteArray("bad,\x81\xFF\r\n") + "\r\n\r\n";
    const ProblemRead read = readProblemFile(folder.write(QStringLiteral("d.mojx"), content));
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.lines.size(), 4) << "empty lines at the end are not pages";
    EXPECT_EQ(read.lines[1].text, QStringLiteral("headless line"));
    EXPECT_EQ(read.lines[2].text, third);
    ASSERT_EQ(read.warnings.size(), 2);
    EXPECT_TRUE(read.warnings[0].contains(QStringLiteral("2行目")));
    EXPECT_TRUE(read.warnings[1].contains(QStringLiteral("4行目")));

    // Unchanged, the damaged bytes go back to the file as they came.
    const QString path = folder.path(QStringLiteral("d.mojx"));
    ASSERT_TRUE(saveProblemFile(path, read.lines).ok());
    EXPECT_EQ(folder.read(QStringLiteral("d.mojx")), content.chopped(4));
}

TEST(ProblemFile, ReadsAtMost201LinesAndSaysSo)
{
    TestFolder folder;
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines.append(fullLine(QString::number(i)));
    const ProblemRead read =
        readProblemFile(folder.write(QStringLiteral("big.mojx"), fileOf(lines)));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.lines.size(), 201);
    EXPECT_EQ(headingOfLine(read.lines.last().text), QStringLiteral("200"));
    ASSERT_EQ(read.warnings.size(), 1);
    EXPECT_TRUE(read.warnings[0].contains(QStringLiteral("10000行")));
}

TEST(ProblemFile, AVeryLongLineIsReadWhole)
{
    TestFolder folder;
    const QString heading(1 << 20, QLatin1Char('x'));
    const ProblemRead read =
        readProblemFile(folder.write(QStringLiteral("long.mojx"), fileOf({fullLine(heading)})));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(headingOfLine(read.lines[0].text), heading);
}

TEST(ProblemFile, UnreadableInputGivesAMessage)
{
    TestFolder folder;
    QDir(folder.path(QString())).mkdir(QStringLiteral("dir.mojx"));
    struct Case {
        const char* name;
        QString path;
        QString says;
    } cases[] = {
        {"missing", folder.path(QStringLiteral("none.mojx")), QStringLiteral("見つかりません")},
        {"folder", folder.path(QStringLiteral("dir.mojx")), QStringLiteral("フォルダー")},
        {"binary", folder.write(QStringLiteral("bin.mojx"), QByteArray("\x89PNG\0\0\x01", 7)),
         QStringLiteral("テキストファイルではない")},
        {"other kind", folder.write(QStringLiteral("a.txt"), "a,b\r\n"),
         QStringLiteral("問題ファイル")},
    };
    for (const Case& c : cases) {
        const ProblemRead read = readProblemFile(c.path);
        EXPECT_FALSE(read.ok()) << c.name;
        EXPECT_TRUE(read.error.contains(c.says)) << c.name << ": " << read.error.toStdString();
        EXPECT_TRUE(read.lines.isEmpty()) << c.name;
    }
}

TEST(ProblemFile, NamesOfferedBySave)
{
    const QDir dir(QStringLiteral("/home/sensei"));
    struct Stamp {
        int month, day, hour, minute;
        const char* name;
    } stamps[] = {
        {12, 9, 14, 5, "12_9_145.mojx"},
        {2, 1, 7, 3, "2_1_73.mojx"},
        {1, 1, 0, 0, "1_1_00.mojx"},
    };
    for (const Stamp& s : stamps)
        EXPECT_EQ(defaultProblemFileName(
                      dir, QDateTime(QDate(2026, s.month, s.day), QTime(s.hour, s.minute))),
                  QStringLiteral("/home/sensei/") + QString::fromLatin1(s.name));

    struct Name {
        const char* chosen;
        const char* offered;
        const char* backup;
    } names[] = {
        {"/w/a.moj", "/w/a.mojx", "/w/aBK.mojx"},
        {"/w/a.mojx", "/w/a.mojx", "/w/aBK.mojx"},
        {"/w/words.txt", "/w/words.mojx", "/w/wordsBK.mojx"},
        {"/w/test", "/w/test.mojx", "/w/testBK.mojx"},
        {"/w.old/test", "/w.old/test.mojx", "/w.old/testBK.mojx"},
    };
    for (const Name& n : names) {
        EXPECT_EQ(normalisedSaveName(QString::fromLatin1(n.chosen)),
                  QString::fromLatin1(n.offered));
        EXPECT_EQ(backupPathFor(QString::fromLatin1(n.chosen)), QString::fromLatin1(n.backup));
    }
}
