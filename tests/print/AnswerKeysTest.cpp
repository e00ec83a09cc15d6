// Answer keys: with the option on, a writing test and a reading sheet are each followed by a key
// page, the same layout with the answers in red in their places.
#include "print/PrintJob.h"
#include "print/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

constexpr PrintColour kRed = 0x0000FF;

SheetInput twoWordPage()
{
    SheetInput in;
    in.page.heading = QStringLiteral("見出");
    Row& row = in.page.rows[0];
    row[RowField::Lead] = QStringLiteral("あの");
    row[RowField::FirstWord] = QStringLiteral("山道");
    row[RowField::FirstReading] = QStringLiteral("やまみち");
    row[RowField::Middle] = QStringLiteral("と");
    row[RowField::SecondWord] = QStringLiteral("川");
    row[RowField::SecondReading] = QStringLiteral("かわ");
    in.switches[0] = true;
    in.options.answerKeys = true;
    return in;
}

QList<QList<RecordedOp>> pagesOf(const RecordingSurface& s)
{
    return recordedPages(s.ops());
}

QList<RecordedOp> redTexts(const QList<RecordedOp>& page)
{
    QList<RecordedOp> red;
    for (const RecordedOp& op : page)
        if (op.kind == RecordedOp::Text && op.colour == kRed)
            red.append(op);
    return red;
}

} // namespace

TEST(AnswerKeys, TheWritingTestKeyWritesEachWordInItsFrameAtTheModelsSize)
{
    for (const QString& font : {QStringLiteral("@ＭＳ 明朝"), QStringLiteral("ＭＳ 明朝")}) {
        SCOPED_TRACE(font.toStdString());
        RecordingSurface s;
        drawSheet(s, SheetKind::Writing, twoWordPage(), font);
        const QList<QList<RecordedOp>> pages = pagesOf(s);
        ASSERT_EQ(pages.size(), 2);
        EXPECT_TRUE(redTexts(pages[0]).isEmpty()) << "the test itself has no answers";
        const QList<RecordedOp> answers = redTexts(pages[1]);
        EXPECT_EQ(recordedText(answers), QStringLiteral("山道川"));
        QList<RecordedOp> frames;
        for (const RecordedOp& op : pages[1])
            if (op.kind == RecordedOp::Box)
                frames.append(op);
        ASSERT_EQ(frames.size(), 2);
        for (int i = 0; i < answers.size(); ++i) {
            const RecordedOp& a = answers[i];
            const RecordedOp& f = frames[i < 2 ? 0 : 1];
            EXPECT_EQ(a.size, 45);
            // The character's em cell (45 points = 900 twips) lies inside its frame.
            EXPECT_GE(a.x1, f.x1) << i;
            EXPECT_GE(a.y1, f.y1) << i;
            EXPECT_LE(a.x1 + 900, f.x2 + 1e-9) << i;
            EXPECT_LE(a.y1 + 900, f.y2 + 1e-9) << i;
        }
        EXPECT_EQ(s.foreColor(), 0u) << "the text colour is black again";
    }
}

TEST(AnswerKeys, TheReadingKeyPutsEachReadingBesideItsWord)
{
    RecordingSurface s;
    drawSheet(s, SheetKind::Reading, twoWordPage(), QStringLiteral("@ＭＳ 明朝"));
    const QList<QList<RecordedOp>> pages = pagesOf(s);
    ASSERT_EQ(pages.size(), 2);
    const QList<RecordedOp> answers = redTexts(pages[1]);
    EXPECT_EQ(recordedText(answers), QStringLiteral("やまみち"))
        << "one sheet prints first parts only";
    // The word 山 is the row's fourth character (①, あ, の, 山); its reading starts above it.
    QList<RecordedOp> row;
    for (const RecordedOp& op : pages[1])
        if (op.kind == RecordedOp::Text && op.size == 25)
            row.append(op);
    ASSERT_GE(row.size(), 4);
    EXPECT_EQ(row[3].text, QStringLiteral("山"));
    EXPECT_DOUBLE_EQ(answers[0].x1, row[3].x1);
    EXPECT_LT(answers[0].y1 + 300, row[3].y1);
}

TEST(AnswerKeys, KeysFollowTheirSheetInTheThreeSheetSetAndInBatch)
{
    RecordingSurface three;
    drawSheet(three, SheetKind::Three, twoWordPage(), QStringLiteral("@ＭＳ 明朝"));
    const QList<QList<RecordedOp>> pages = pagesOf(three);
    ASSERT_EQ(pages.size(), 5) << "writing, its key, practice, reading, its key";
    for (int n : {1, 4})
        EXPECT_FALSE(redTexts(pages[n]).isEmpty()) << n;
    for (int n : {0, 2, 3})
        EXPECT_TRUE(redTexts(pages[n]).isEmpty()) << n;

    RecordingSurface batch;
    PrintJob job;
    job.kind = SheetKind::Writing;
    job.batch = true;
    job.pageCount = 3;
    job.statusFont = QStringLiteral("ＭＳ 明朝");
    job.loadPage = [](int) { return twoWordPage(); };
    runPrintJob(batch, job);
    EXPECT_EQ(pagesOf(batch).size(), 6);
}

TEST(PrintJob, ACancelledBatchStopsBeforeTheNextPageAndSaysSo)
{
    RecordingSurface s;
    PrintJob job;
    job.kind = SheetKind::Writing;
    job.batch = true;
    job.pageCount = 5;
    job.statusFont = QStringLiteral("ＭＳ 明朝");
    job.loadPage = [](int) { return twoWordPage(); };
    QList<int> told;
    job.progress = [&](int done, int) {
        told.append(done);
        return done < 2;
    };
    EXPECT_FALSE(runPrintJob(s, job));
    EXPECT_EQ(told, (QList<int>{0, 1, 2}));
    EXPECT_EQ(pagesOf(s).size(), 4) << "two pages, each with its key";
    EXPECT_EQ(s.ops().last().kind, RecordedOp::EndDoc);
}
