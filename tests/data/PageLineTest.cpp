#include "data/PageLine.h"
#include "data/PageRecord.h"
#include "data/ProblemFile.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

Row row(std::initializer_list<const char*> fields)
{
    Row r;
    int i = 0;
    for (const char* f : fields)
        r.fields[i++] = QString::fromUtf8(f);
    return r;
}

} // namespace

TEST(PageLine, SampleLineSplitsIntoItsRowsAndFont)
{
    const Page page = pageFromLine(kSampleLine);
    EXPECT_EQ(splitPageLine(kSampleLine).size(), kPageLineFields);
    EXPECT_EQ(page.heading, QStringLiteral("サンプル"));
    EXPECT_EQ(page.font, QStringLiteral("@ＤＦＧ教科書体W4"));
    EXPECT_EQ(page.rows[0],
              row({"むこうの", "筆丸", "ふでまる", "さん", "採用", "さいよう", "いただき"}));
    EXPECT_EQ(page.rows[1], row({"ありがとう", "御", "ご", "ざいます"}));
    EXPECT_EQ(page.rows[2], row({"", "試", "ため", "しに", "印字", "いんじ", "もしくは"}));
    EXPECT_EQ(page.rows[3], row({"ファイルの", "保存", "ほぞん", "をお試しください"}));
    for (int i = 4; i < kRowsPerPage; ++i)
        EXPECT_TRUE(page.rows[i].isEmpty()) << "row " << i + 1;
    EXPECT_EQ(joinPageLine(page), kSampleLine);
}

TEST(PageLine, FieldAndSlotMaps)
{
    struct Case {
        int row;
        RowField field;
        int lineField;
        int recordSlot;
    } cases[] = {
        {1, RowField::Lead, 2, 2},         {1, RowField::Middle, 5, 5},
        {10, RowField::Lead, 38, 38},      {10, RowField::Middle, 41, 41},
        {1, RowField::SecondWord, 43, 44}, {1, RowField::Tail, 45, 46},
        {2, RowField::SecondWord, 46, 47}, {10, RowField::Tail, 72, 73},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lineFieldIndex(c.row, c.field), c.lineField) << c.row << "/" << int(c.field);
        EXPECT_EQ(recordSlotIndex(c.row, c.field), c.recordSlot) << c.row << "/" << int(c.field);
    }
}

TEST(PageLine, RecordKeepsUnusedSlotsEmptyAndRoundTrips)
{
    const Page page = pageFromLine(kSampleLine);
    const PageRecord record = recordFromPage(page);
    EXPECT_EQ(record[0], QStringLiteral("サンプル"));
    EXPECT_EQ(record[42], QStringLiteral("@ＤＦＧ教科書体W4"));
    EXPECT_EQ(record[44], QStringLiteral("採用"));
    EXPECT_EQ(record[46], QStringLiteral("いただき"));
    for (int unused : {1, 43, 74})
        EXPECT_TRUE(record[unused].isEmpty()) << unused;
    EXPECT_EQ(pageFromRecord(record), page);
}

TEST(PageLine, EmptyPageIsHeadingFontAnd72Commas)
{
    Page page;
    page.heading = QStringLiteral("れんしゅう");
    page.font = QStringLiteral("ＭＳ Ｐ明朝");
    EXPECT_EQ(joinPageLine(page), QStringLiteral("れんしゅう") + QString(42, QLatin1Char(',')) +
                                      page.font + QString(30, QLatin1Char(',')));
}

TEST(PageLine, CommaInACellDoesNotShiftLaterFields)
{
    Page page;
    page.heading = QStringLiteral("見出し,その一");
    page.rows[0][RowField::Lead] = QStringLiteral("はい,いいえ");
    page.rows[0][RowField::FirstWord] = QStringLiteral("学校");
    page.rows[9][RowField::Tail] = QStringLiteral("おわり\r\n");
    const QString line = joinPageLine(page);
    ASSERT_EQ(splitPageLine(line).size(), kPageLineFields);
    const Page back = pageFromLine(line);
    EXPECT_EQ(back.heading, QStringLiteral("見出し，その一"));
    EXPECT_EQ(back.rows[0][RowField::Lead], QStringLiteral("はい，いいえ"));
    EXPECT_EQ(back.rows[0][RowField::FirstWord], QStringLiteral("学校"));
    EXPECT_EQ(back.rows[9][RowField::Tail], QStringLiteral("おわり"));
}

TEST(PageLine, ShortLinesFillKindByKindAndStopAtTheFirstMissingField)
{
    Page cells;
    for (Row& r : cells.rows)
        r.fields.fill(QStringLiteral("前"));
    cells.font = QStringLiteral("前のフォント");

    // An old-version line: all first parts and the font, no second parts.
    QStringList old(kOldPageLineFields, QStringLiteral("旧"));
    Page page = cells;
    LineFill fill = fillPageFromLine(page, old.join(QLatin1Char(',')));
    EXPECT_FALSE(fill.complete);
    EXPECT_TRUE(fill.hasFont);
    EXPECT_EQ(page.font, QStringLiteral("旧"));
    EXPECT_EQ(page.rows[9][RowField::Middle], QStringLiteral("旧"));
    EXPECT_EQ(page.rows[0][RowField::SecondWord], QStringLiteral("前"));
    EXPECT_EQ(page.rows[9][RowField::Tail], QStringLiteral("前"));

    // Ten fields reach the lead texts of rows 1 to 3 only (fields 2, 6, 10).
    page = cells;
    fill = fillPageFromLine(page, QStringList(10, QStringLiteral("短")).join(QLatin1Char(',')));
    EXPECT_FALSE(fill.hasFont);
    EXPECT_EQ(page.font, QStringLiteral("前のフォント"));
    EXPECT_EQ(page.rows[1][RowField::Lead], QStringLiteral("短"));
    EXPECT_EQ(page.rows[2][RowField::Lead], QStringLiteral("前")); // field 10 does not exist
    EXPECT_EQ(page.rows[0][RowField::FirstWord], QStringLiteral("前"));

    // A line of 73 fields fills everything.
    page = cells;
    EXPECT_TRUE(fillPageFromLine(page, QString(72, QLatin1Char(','))).complete);
    EXPECT_TRUE(page.rows[9][RowField::Tail].isEmpty());
}

TEST(PageLine, RowEmptinessIgnoresReadings)
{
    EXPECT_TRUE(row({"", "", "よみ", "", "", "よみ", ""}).isEmpty());
    EXPECT_FALSE(row({"", "", "", "", "", "", "。"}).isEmpty());
    EXPECT_TRUE(row({"", "", "", "", "", "", "。"}).hasSecondPart());
    EXPECT_TRUE(row({"", "", "", "", "", "よみ", ""}).hasSecondPart());
    EXPECT_FALSE(row({"あ", "字", "じ", "い"}).hasSecondPart());
}

TEST(PageLine, FontFieldIsNeverWrittenEmpty)
{
    EXPECT_EQ(fontForWriting(QString()), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(fontForWriting(QStringLiteral("@ＭＳ 明朝")), QStringLiteral("@ＭＳ 明朝"));
}
