#include "data/Problem.h"
#include "data/PageLine.h"
#include "data/ProblemFile.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

// A ".moj" line: first parts and an empty font field, no second parts.
QString oldVersionLine()
{
    QStringList fields(kOldPageLineFields);
    fields[0] = QStringLiteral("旧");
    fields[3] = QStringLiteral("字");
    return fields.join(QLatin1Char(','));
}

Problem threePages()
{
    const QString other = QStringLiteral("二頁目") + QString(42, QLatin1Char(',')) +
                          QStringLiteral("@ＭＳ 明朝") + QString(30, QLatin1Char(','));
    return Problem({{kSampleLine, QByteArray("sample bytes")},
                    {other, QByteArray("other bytes")},
                    {oldVersionLine(), QByteArray("old bytes")}});
}

} // namespace

TEST(Problem, EditsOfEveryPageSurviveLaterWriteBacks)
{
    Problem problem = threePages();
    Page first = problem.page(0);
    first.rows[4][RowField::FirstWord] = QStringLiteral("新");
    ASSERT_TRUE(problem.writeBack(0, first));

    Page second = problem.page(1);
    second.rows[0][RowField::Lead] = QStringLiteral("二頁の文");
    ASSERT_TRUE(problem.writeBack(1, second));

    EXPECT_EQ(problem.page(0).rows[4][RowField::FirstWord], QStringLiteral("新"));
    EXPECT_EQ(problem.page(1).rows[0][RowField::Lead], QStringLiteral("二頁の文"));
    EXPECT_EQ(problem.record(0)[recordSlotIndex(5, RowField::FirstWord)], QStringLiteral("新"));
    EXPECT_TRUE(problem.lines()[0].cp932Bytes.isEmpty()) << "an edited line is encoded anew";
    EXPECT_EQ(problem.lines()[2].cp932Bytes, QByteArray("old bytes"));
}

TEST(Problem, UnchangedWriteBackKeepsTheStoredBytes)
{
    Problem problem = threePages();
    ASSERT_TRUE(problem.writeBack(0, problem.page(0)));
    EXPECT_EQ(problem.lines()[0].text, kSampleLine);
    EXPECT_EQ(problem.lines()[0].cp932Bytes, QByteArray("sample bytes"));
}

TEST(Problem, OldVersionLineBecomesAFullLineOnceWrittenBack)
{
    Problem problem = threePages();
    EXPECT_EQ(splitPageLine(problem.line(2)).size(), kOldPageLineFields);
    ASSERT_TRUE(problem.writeBack(2, problem.page(2)));
    EXPECT_EQ(splitPageLine(problem.line(2)).size(), kPageLineFields);
    EXPECT_EQ(problem.page(2).rows[0][RowField::FirstWord], QStringLiteral("字"));
    EXPECT_EQ(problem.page(2).font, QStringLiteral("ＭＳ Ｐ明朝")) << "never written empty";
}

TEST(Problem, AddedPageIsAFullLineWithItsHeading)
{
    Problem problem = threePages();
    ASSERT_TRUE(problem.addPage(QStringLiteral("れんしゅう"), QString()));
    ASSERT_EQ(problem.pageCount(), 4);
    EXPECT_EQ(problem.headings().last(), QStringLiteral("れんしゅう"));
    const QStringList fields = splitPageLine(problem.line(3));
    EXPECT_EQ(fields.size(), kPageLineFields);
    EXPECT_EQ(fields[kFontField], QStringLiteral("ＭＳ Ｐ明朝"));
}

TEST(Problem, HoldsAtMost201Pages)
{
    Problem problem;
    for (int i = 0; i < Problem::kMaxPages; ++i)
        ASSERT_TRUE(problem.addPage(QString::number(i), QString()));
    EXPECT_TRUE(problem.isFull());
    EXPECT_FALSE(problem.addPage(QStringLiteral("202"), QString()));
    EXPECT_EQ(problem.pageCount(), 201);
}

TEST(Problem, WriteBackOutsideThePagesStoresNothing)
{
    Problem problem = threePages();
    const QList<TextLine> before = problem.lines();
    EXPECT_FALSE(problem.writeBack(3, Page{}));
    EXPECT_FALSE(problem.writeBack(-1, Page{}));
    EXPECT_EQ(problem.pageCount(), 3);
    EXPECT_EQ(problem.lines()[0].text, before[0].text);
}

TEST(Problem, WriteBackKeepsTheFieldsThePageDoesNotHold)
{
    // Field 1 and fields past the 73rd belong to no cell; other versions of the tool may use them.
    QStringList fields(200);
    fields[0] = QStringLiteral("見出し");
    fields[1] = QStringLiteral("予備");
    fields[kFontField] = QStringLiteral("@ＭＳ 明朝");
    fields[150] = QStringLiteral("先の項目");
    Problem problem({{fields.join(QLatin1Char(',')), {}}});

    Page page = problem.page(0);
    page.rows[0][RowField::FirstWord] = QStringLiteral("山");
    ASSERT_TRUE(problem.writeBack(0, page));

    const QStringList written = splitPageLine(problem.line(0));
    ASSERT_EQ(written.size(), 200);
    EXPECT_EQ(written[1], QStringLiteral("予備"));
    EXPECT_EQ(written[150], QStringLiteral("先の項目"));
    EXPECT_EQ(written[lineFieldIndex(1, RowField::FirstWord)], QStringLiteral("山"));
}

TEST(Problem, WriteBackOfAnUnchangedPageLeavesEveryLineShapeAlone)
{
    QStringList wide(200);
    wide[0] = QStringLiteral("長い");
    wide[kFontField] = QStringLiteral("ＭＳ 明朝");
    QStringList old(kOldPageLineFields);
    old[0] = QStringLiteral("旧");
    old[kFontField] = QStringLiteral("ＭＳ 明朝");
    const QStringList lines = {wide.join(QLatin1Char(',')), old.join(QLatin1Char(','))};
    for (const QString& line : lines) {
        SCOPED_TRACE(splitPageLine(line).size());
        Problem problem({{line, {}}});
        ASSERT_TRUE(problem.writeBack(0, problem.page(0)));
        EXPECT_EQ(problem.line(0), line);
    }
}
