#include "print/WritingTestSheet.h"
#include "print/PrintJob.h"
#include "print/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

// The sheet's worked example as row 1: "きょうは" + 遠足 (えんそく) + "の" + 日 (ひ) + "です".
SheetInput example(bool frames = true, bool secondSwitch = true)
{
    SheetInput in;
    in.page.heading = QStringLiteral("二年");
    in.page.rows[0].fields = {QStringLiteral("きょうは"), QStringLiteral("遠足"),
                              QStringLiteral("えんそく"), QStringLiteral("の"),
                              QStringLiteral("日"),       QStringLiteral("ひ"),
                              QStringLiteral("です")};
    in.switches[0] = secondSwitch;
    in.options.writingFrames = frames;
    in.font = QStringLiteral("@ＭＳ 明朝");
    return in;
}

QList<RecordedOp> ofKind(const RecordingSurface& s, RecordedOp::Kind kind)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : s.ops())
        if (op.kind == kind)
            out.append(op);
    return out;
}

// The text operations at size, in order.
QList<RecordedOp> texts(const RecordingSurface& s, double size)
{
    QList<RecordedOp> out;
    for (const RecordedOp& op : ofKind(s, RecordedOp::Text))
        if (op.size == size)
            out.append(op);
    return out;
}

struct Box {
    double x1, y1, x2, y2;
};

void expectBoxes(const RecordingSurface& s, const std::vector<Box>& expected)
{
    const QList<RecordedOp> boxes = ofKind(s, RecordedOp::Box);
    ASSERT_EQ(boxes.size(), qsizetype(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(boxes[i].x1, expected[i].x1) << i;
        EXPECT_DOUBLE_EQ(boxes[i].y1, expected[i].y1) << i;
        EXPECT_DOUBLE_EQ(boxes[i].x2, expected[i].x2) << i;
        EXPECT_DOUBLE_EQ(boxes[i].y2, expected[i].y2) << i;
        EXPECT_EQ(boxes[i].colour, 0u);
    }
}

QList<RecordedOp> readingOps(const RecordingSurface& s)
{
    return texts(s, 15);
}

} // namespace

TEST(WritingTestSheet, RowLineHasBlanksForTheWords)
{
    const QString line = writingTestRowLine(1, example().page.rows[0]);
    EXPECT_EQ(line, QStringLiteral("①きょうは　　　　の　　です"));
    EXPECT_EQ(line.size(), 14);
    EXPECT_EQ(writingTestRowLine(10, Row{}), QStringLiteral("⑩"));
}

TEST(WritingTestSheet, VerticalLayoutFollowsTheWorkedExample)
{
    RecordingSurface s;
    drawWritingTestVertical(s, example());
    ASSERT_EQ(s.ops().first().kind, RecordedOp::Page);
    EXPECT_EQ(s.ops().first().page.orientation, kPortrait);
    EXPECT_EQ(s.ops().first().page.paperSize, kPaperA4);

    const QList<RecordedOp> lines = ofKind(s, RecordedOp::Line);
    ASSERT_EQ(lines.size(), 4);
    const double w = s.scaleWidth();
    EXPECT_EQ(lines[0].x1, 200);
    EXPECT_EQ(lines[0].x2, w - 850);
    EXPECT_EQ(lines[2].y2, 1200);

    // Size 20: 名, 前, heading, then the ten row lines.
    const QList<RecordedOp> big = texts(s, 20);
    EXPECT_EQ(big[0].text, QStringLiteral("名"));
    EXPECT_EQ(big[0].x1, 5130);
    EXPECT_EQ(big[1].x1, 5630);
    EXPECT_EQ(big[3].text, QStringLiteral("年"));
    EXPECT_EQ(big[3].x1, 730);
    EXPECT_EQ(big[3].y1, 230);
    const QList<RecordedOp> row1 = big.mid(4, 14);
    for (int c = 0; c < 14; ++c) {
        EXPECT_DOUBLE_EQ(row1[c].x1, 300 + 550.16 * c) << c;
        EXPECT_EQ(row1[c].y1, 1850);
    }
    EXPECT_DOUBLE_EQ(row1[1].x1, 850.16);
    EXPECT_DOUBLE_EQ(row1[2].x1, 1400.32);
    EXPECT_EQ(big[18].text, QStringLiteral("②"));
    EXPECT_DOUBLE_EQ(big[18].y1, 1850 + 1481.2);

    const QList<RecordedOp> title = texts(s, 10);
    ASSERT_EQ(title.size(), 10);
    EXPECT_EQ(title[9].x1, 350 + 300 * 9);
    EXPECT_EQ(title[9].y1, 800);

    expectBoxes(s, {{3000, 1600, 5200, 2500}, {5750, 1600, 6850, 2500}});
    const QList<RecordedOp> readings = readingOps(s);
    ASSERT_EQ(readings.size(), 5);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(readings[n].x1, 3500 + 300 * n);
        EXPECT_EQ(readings[n].y1, 1300);
    }
    EXPECT_EQ(readings[4].text, QStringLiteral("ひ"));
    EXPECT_EQ(readings[4].x1, 6250);
}

TEST(WritingTestSheet, HorizontalLayoutFollowsTheWorkedExample)
{
    RecordingSurface s;
    SheetInput in = example();
    in.font = QStringLiteral("ＭＳ 明朝");
    drawWritingTestHorizontal(s, in);
    EXPECT_EQ(s.ops().first().page.orientation, kLandscape);
    const double w = s.scaleWidth();

    const QList<RecordedOp> big = texts(s, 20);
    EXPECT_EQ(big[0].x1, w - 700);
    EXPECT_EQ(big[0].y1, 6000);
    EXPECT_EQ(big[3].y1, 1000) << "heading character 1";
    // Columns run from row 10 at the left to row 1 (k = 9) at the right.
    EXPECT_EQ(big[4].text, QStringLiteral("⑩"));
    EXPECT_EQ(big[4].x1, 600);
    const QList<RecordedOp> row1 = big.mid(big.size() - 14);
    EXPECT_EQ(row1[0].text, QStringLiteral("①"));
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(row1[c].x1, 14100);
        EXPECT_EQ(row1[c].y1, 300 + 550 * c);
    }

    expectBoxes(s, {{13800, 2900, 14900, 5100}, {13800, 5650, 14900, 6750}});
    const QList<RecordedOp> readings = readingOps(s);
    ASSERT_EQ(readings.size(), 5);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(readings[n].x1, 14900);
        EXPECT_EQ(readings[n].y1, 2900 + 300 * n);
    }
    EXPECT_EQ(readings[4].y1, 5650);

    const RecordedOp footer = ofKind(s, RecordedOp::Text).last();
    EXPECT_EQ(footer.text, QStringLiteral("二年"));
    EXPECT_EQ(footer.size, 10);
    EXPECT_EQ(footer.x1, w - 1400);
    EXPECT_EQ(footer.y1, 10600);
}

TEST(WritingTestSheet, FrameRules)
{
    struct Case {
        const char* name;
        SheetInput input;
        bool vertical;
        std::vector<Box> boxes;
    };
    SheetInput emptyLead = example();
    emptyLead.page.rows[0][RowField::Lead].clear();
    SheetInput sixCharacters = example(true, false);
    sixCharacters.page.rows[0][RowField::FirstWord] = QStringLiteral("一二三四五六");
    SheetInput emptyWords = example();
    emptyWords.page.rows[0][RowField::FirstWord].clear();
    emptyWords.page.rows[0][RowField::SecondWord].clear();
    const Case cases[] = {
        {"frames off", example(false), true, {}},
        {"switch off: no second frame", example(true, false), true, {{3000, 1600, 5200, 2500}}},
        {"six characters", sixCharacters, true, {{3000, 1600, 9600, 2500}}},
        {"empty words get no frame", emptyWords, true, {}},
        {"horizontal, empty lead",
         emptyLead,
         false,
         {{13800, 1000, 14900, 3000}, {13800, 3450, 14900, 4550}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSurface s;
        (c.vertical ? drawWritingTestVertical : drawWritingTestHorizontal)(s, c.input);
        expectBoxes(s, c.boxes);
        EXPECT_EQ(ofKind(s, RecordedOp::Line).size(), 4) << "the header strip";
    }

    // With the switch off the second blank and reading are printed all the same.
    RecordingSurface s;
    drawWritingTestVertical(s, example(true, false));
    EXPECT_EQ(readingOps(s).size(), 5);
}

TEST(WritingTestSheet, VerticalReadingsAreTrimmedAndHorizontalOnesAreNot)
{
    SheetInput in = example();
    in.page.rows[0][RowField::FirstReading] = QStringLiteral(" えん ");
    RecordingSurface v;
    drawWritingTestVertical(v, in);
    EXPECT_EQ(readingOps(v)[0].text, QStringLiteral("え"));
    EXPECT_EQ(readingOps(v)[0].x1, 3500);
    RecordingSurface h;
    drawWritingTestHorizontal(h, in);
    EXPECT_EQ(readingOps(h).size(), 4 + 1) << "its half-width blanks are printed as they are";
}

TEST(PrintJob, BatchPrintsEveryPageInOrderWithoutABlankLastPage)
{
    RecordingSurface s;
    PrintJob job;
    job.batch = true;
    job.pageCount = 3;
    job.statusFont = QStringLiteral("@ＭＳ 明朝");
    job.loadPage = [](int p) {
        SheetInput in;
        in.page.heading = QString::number(p + 1);
        in.page.font = QStringLiteral("ＭＳ ゴシック");
        return in;
    };
    runPrintJob(s, job);
    QStringList headings;
    int pages = 0;
    for (const RecordedOp& op : s.ops()) {
        pages += op.kind == RecordedOp::Page;
        if (op.kind == RecordedOp::Text && op.x1 == 230 && op.y1 == 230)
            headings.append(op.text);
        if (op.kind == RecordedOp::Text) {
            EXPECT_EQ(op.font, QStringLiteral("@ＭＳ 明朝")) << "the working page's font for all";
        }
    }
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(headings,
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(s.ops().last().kind, RecordedOp::EndDoc);

    // Without a status font the page's own font prints, in the horizontal layout.
    RecordingSurface one;
    job.batch = false;
    job.statusFont.clear();
    runPrintJob(one, job);
    EXPECT_EQ(one.ops()[0].page.orientation, kLandscape);
    EXPECT_EQ(one.ops()[5].font, QStringLiteral("ＭＳ ゴシック"));
}
