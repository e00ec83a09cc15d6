#include "print/PracticeSheet.h"
#include "print/PrintJob.h"
#include "print/ReadingSheet.h"
#include "print/RecordingSurface.h"
#include "print/SentenceSheet.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

// Row r holds lead "あ", first word of r characters "字…", reading "よ…", middle "に",
// second word "音", tail "。"; rows 3 and 7 have no first word.
SheetInput sample(bool vertical)
{
    SheetInput in;
    in.page.heading = QStringLiteral("見出");
    in.font = vertical ? QStringLiteral("@ＭＳ 明朝") : QStringLiteral("ＭＳ 明朝");
    for (int r = 1; r <= kRowsPerPage; ++r) {
        Row& row = in.page.rows[r - 1];
        row[RowField::Lead] = QStringLiteral("あ");
        if (r != 3 && r != 7) {
            row[RowField::FirstWord] = QString(r, QChar(u'字'));
            row[RowField::FirstReading] = QString(r, QChar(u'よ'));
        }
        row[RowField::Middle] = QStringLiteral("に");
        row[RowField::SecondWord] = QStringLiteral("音");
        row[RowField::Tail] = QStringLiteral("。");
    }
    return in;
}

QList<RecordedOp> ops(const RecordingSurface& s, RecordedOp::Kind kind, double size = 0)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : s.ops())
        if (op.kind == kind && (size == 0 || op.size == size))
            out.append(op);
    return out;
}

bool isCircledNumber(const QString& text)
{
    return text.size() == 1 && text[0].unicode() >= 0x2460 && text[0].unicode() <= 0x2473;
}

// The nth run of characters that starts with a circled number, up to the next one.
QList<RecordedOp> runFrom(const QList<RecordedOp>& texts, const QString& number, int nth = 0)
{
    for (int i = 0; i < texts.size(); ++i)
        if (texts[i].text == number && nth-- == 0) {
            QList<RecordedOp> run{texts[i]};
            for (int j = i + 1; j < texts.size() && !isCircledNumber(texts[j].text); ++j)
                run.append(texts[j]);
            return run;
        }
    return {};
}

} // namespace

TEST(PracticeSheet, VerticalGridModelsAndReadings)
{
    RecordingSurface s;
    drawPracticeVertical(s, sample(true));
    const QList<RecordedOp> lines = ops(s, RecordedOp::Line);
    ASSERT_EQ(lines.size(), 4 + 11 + 11 + 10);
    EXPECT_DOUBLE_EQ(lines[4 + 10].y1, 1400 + 1481.2 * 10);
    EXPECT_EQ(lines[4].x2, 10780);
    EXPECT_EQ(lines[4 + 11 + 10].x1, 200 + 1058 * 10);
    EXPECT_EQ(lines[4 + 11].y2, 16212);
    EXPECT_DOUBLE_EQ(lines.last().y1, 1800 + 1481.2 * 9);

    const QList<RecordedOp> models = ops(s, RecordedOp::Text, 45);
    ASSERT_EQ(models.size(), 55 - 3 - 7) << "only first words";
    EXPECT_EQ(models[1].x1, 300);
    EXPECT_DOUBLE_EQ(models[1].y1, 1850 + 1481.2);
    EXPECT_EQ(models[2].x1, 300 + 1058);
    const QList<RecordedOp> readings = ops(s, RecordedOp::Text, 15);
    EXPECT_EQ(readings[2].x1, 300 + 300);
    EXPECT_DOUBLE_EQ(readings[2].y1, 1500 + 1481.2);
    for (const RecordedOp& t : ops(s, RecordedOp::Text))
        EXPECT_NE(t.text, QStringLiteral("音")) << "the second word is never printed";
}

TEST(PracticeSheet, HorizontalGridStartsAtTheOriginAndModelsStep1050)
{
    RecordingSurface s;
    SheetInput in = sample(false);
    in.page.rows[0][RowField::FirstWord] = QString(10, QChar(u'字'));
    drawPracticeHorizontal(s, in);
    const QList<RecordedOp> lines = ops(s, RecordedOp::Line);
    ASSERT_EQ(lines.size(), 4 + 11 + 11 + 10);
    EXPECT_EQ(lines[4].x1, 0);
    EXPECT_EQ(lines[4].x2, 14812);
    EXPECT_EQ(lines[4 + 11].y2, 10588);
    EXPECT_DOUBLE_EQ(lines[4 + 22].x1, 1481.2 - 423.2);

    const QList<RecordedOp> models = ops(s, RecordedOp::Text, 45);
    const RecordedOp tenth = models.last(); // row 1 is the rightmost column, drawn last
    EXPECT_DOUBLE_EQ(tenth.x1, 100 + 1481.2 * 9);
    EXPECT_EQ(tenth.y1, 9550);
    EXPECT_DOUBLE_EQ(ops(s, RecordedOp::Text, 15).first().x1, 1100);
}

TEST(ReadingSheet, PitchFollowsSpacingAndFontSize)
{
    struct Case {
        bool narrow;
        int size;
        double pitch;
    } cases[] = {{false, 25, 604.5714285714286},
                 {true, 25, 453.42857142857144},
                 {false, 20, 483.6571428571429}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.narrow ? "狭い" : "普通") << " at " << c.size);
        SheetInput in = sample(true);
        in.options.narrowReadingSpacing = c.narrow;
        in.options.printFontSize = c.size;
        EXPECT_NEAR(readingPitch(in.options), c.pitch, 1e-9);
        RecordingSurface s;
        drawReadingVertical(s, in);
        const QList<RecordedOp> row1 =
            runFrom(ops(s, RecordedOp::Text, c.size), QStringLiteral("①"));
        ASSERT_GE(row1.size(), 2);
        EXPECT_EQ(row1[0].x1, 300) << "the start never moves";
        EXPECT_NEAR(row1[1].x1 - row1[0].x1, c.pitch, 1e-9);
    }
}

TEST(ReadingSheet, WhichPartsOfARowEachLayoutPrints)
{
    RecordingSurface v;
    drawReadingVertical(v, sample(true));
    EXPECT_EQ(recordedText(runFrom(ops(v, RecordedOp::Text, 25), QStringLiteral("②"))),
              QStringLiteral("②あ字字に"));
    RecordingSurface h;
    drawReadingHorizontal(h, sample(false));
    const QList<RecordedOp> row2 = runFrom(ops(h, RecordedOp::Text, 25), QStringLiteral("②"));
    EXPECT_EQ(recordedText(row2), QStringLiteral("②あ字字に音。"));
    EXPECT_DOUBLE_EQ(row2[0].x1, 1000 + 1481.2 * 8);
    EXPECT_EQ(row2[0].y1, 600);
    const QList<RecordedOp> title = ops(h, RecordedOp::Text, 10);
    EXPECT_EQ(title[1].y1, 1000) << "the reading sheet's title steps 500";
}

TEST(ReadingSheet, TwoSheetSetOrdersItsRows)
{
    // Vertical: odd rows on the first page as ① to ⑤, even rows on the second, every other band.
    SheetInput v = sample(true);
    v.options.twoSheetReading = true;
    RecordingSurface vs;
    drawReadingVertical(vs, v);
    ASSERT_EQ(ops(vs, RecordedOp::Page).size(), 2);
    const QList<RecordedOp> vt = ops(vs, RecordedOp::Text, 25);
    const QList<RecordedOp> secondOnFirst = runFrom(vt, QStringLiteral("②"));
    EXPECT_EQ(recordedText(secondOnFirst), QStringLiteral("②あに")) << "row 3, which has no word";
    EXPECT_EQ(recordedText(runFrom(vt, QStringLiteral("③"))), QStringLiteral("③あ字字字字字に"))
        << "row 5";
    EXPECT_DOUBLE_EQ(secondOnFirst[0].y1, 1850 + 2 * 1481.2);
    EXPECT_EQ(recordedText(runFrom(vt, QStringLiteral("①"), 1)), QStringLiteral("①あ字字に"))
        << "row 2";
    QStringList headings;
    for (const RecordedOp& t : ops(vs, RecordedOp::Text, 20))
        if (t.y1 == 230)
            headings.append(t.text);
    EXPECT_EQ(headings.join(QString()), QStringLiteral("見出その一見出その二"));
    EXPECT_EQ(ops(vs, RecordedOp::Line).size(), 2 * (4 + 13));

    // Horizontal: rows 1–5 then 6–10 from the left, numbered ⑤ to ①; the heading alone.
    SheetInput h = sample(false);
    h.options.twoSheetReading = true;
    RecordingSurface hs;
    drawReadingHorizontal(hs, h);
    const QList<RecordedOp> ht = ops(hs, RecordedOp::Text, 25);
    const QList<RecordedOp> fifth = runFrom(ht, QStringLiteral("⑤"));
    EXPECT_EQ(recordedText(fifth), QStringLiteral("⑤あ字に")) << "row 1 at the left";
    EXPECT_DOUBLE_EQ(fifth[0].x1, 1981.2);
    EXPECT_DOUBLE_EQ(runFrom(ht, QStringLiteral("①"))[0].x1, 13830.8);
    EXPECT_EQ(recordedText(runFrom(ht, QStringLiteral("①"), 1)),
              QStringLiteral("①あ字字字字字字字字字字に"))
        << "row 10 rightmost on the second page";
    for (const RecordedOp& t : ops(hs, RecordedOp::Text, 20))
        EXPECT_NE(t.text, QStringLiteral("そ"));
}

TEST(SentenceSheet, LabelsAndTheirTwoPlaces)
{
    const SheetInput in = sample(false);
    EXPECT_EQ(sentenceLabel(3, in.page.rows[2]), QStringLiteral("③"));
    EXPECT_EQ(sentenceLabel(2, in.page.rows[1]), QStringLiteral("②字字▼"));

    RecordingSurface h;
    SheetInput first = in;
    first.page.rows[0][RowField::FirstWord].clear();
    first.options.printFontSize = 12;
    drawSentenceHorizontal(h, first);
    const QList<RecordedOp> labels = ops(h, RecordedOp::Text, 30);
    EXPECT_EQ(labels.last().text, QStringLiteral("①"));
    EXPECT_EQ(labels.last().x1, 14783);
    EXPECT_EQ(labels.first().text, QStringLiteral("⑩"));
    EXPECT_EQ(labels.first().x1, 800);
    SheetInput withWord = in;
    RecordingSurface h2;
    drawSentenceHorizontal(h2, withWord);
    EXPECT_DOUBLE_EQ(runFrom(ops(h2, RecordedOp::Text, 30), QStringLiteral("①"))[0].x1, 14606.9);

    RecordingSurface v;
    SheetInput narrow = sample(true);
    narrow.options.narrowReadingSpacing = true;
    narrow.options.printFontSize = 18;
    drawSentenceVertical(v, narrow);
    const QList<RecordedOp> row2 = runFrom(ops(v, RecordedOp::Text, 18), QStringLiteral("②"));
    EXPECT_NEAR(row2[1].x1 - row2[0].x1, 453.42857142857144, 1e-9) << "pitch without the size";
    EXPECT_EQ(ops(v, RecordedOp::Line).size(), 4 + 13);
}

TEST(PrintJob, ThreeSheetSetOrderAndBatchPageCounts)
{
    struct Case {
        const char* name;
        SheetKind kind;
        bool vertical;
        bool twoSheet;
        int pagesPerPage;
        QStringList titles; // the first title character of each sheet
    } cases[] = {
        {"three, vertical",
         SheetKind::Three,
         true,
         false,
         3,
         {QStringLiteral("テ"), QStringLiteral("漢"), QStringLiteral("読")}},
        {"three, horizontal",
         SheetKind::Three,
         false,
         false,
         3,
         {QStringLiteral("漢"), QStringLiteral("テ"), QStringLiteral("読")}},
        {"three with the reading set",
         SheetKind::Three,
         true,
         true,
         4,
         {QStringLiteral("テ"), QStringLiteral("漢"), QStringLiteral("読"), QStringLiteral("読")}},
        {"reading set",
         SheetKind::Reading,
         false,
         true,
         2,
         {QStringLiteral("読"), QStringLiteral("読")}},
        {"sentence", SheetKind::Sentence, true, false, 1, {QStringLiteral("文")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface s;
        PrintJob job;
        job.kind = c.kind;
        job.batch = true;
        job.pageCount = 2;
        job.statusFont = c.vertical ? QStringLiteral("@ＭＳ 明朝") : QStringLiteral("ＭＳ 明朝");
        job.loadPage = [&](int) {
            SheetInput in = sample(c.vertical);
            in.options.twoSheetReading = c.twoSheet;
            return in;
        };
        runPrintJob(s, job);
        EXPECT_EQ(ops(s, RecordedOp::Page).size(), 2 * c.pagesPerPage);
        QStringList titles;
        bool first = false;
        for (const RecordedOp& op : s.ops()) {
            if (op.kind == RecordedOp::Page)
                first = true;
            if (op.kind == RecordedOp::Text && op.size == 10 && first) {
                titles.append(op.text);
                first = false;
            }
        }
        EXPECT_EQ(titles, c.titles + c.titles);
    }
}
