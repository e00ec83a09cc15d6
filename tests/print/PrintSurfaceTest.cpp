#include "print/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

int count(const RecordingSurface& s, RecordedOp::Kind kind)
{
    int n = 0;
    for (const RecordedOp& op : s.ops())
        n += op.kind == kind;
    return n;
}

} // namespace

TEST(PrintSurface, PagesAreEmittedOnlyWhenDrawnOn)
{
    RecordingSurface s;
    s.endDoc();
    EXPECT_TRUE(s.ops().isEmpty()) << "EndDoc with nothing drawn makes no document";

    s.line(0, 0, 10, 10);
    s.newPage();
    s.newPage();
    s.line(0, 0, 10, 10);
    s.newPage();
    s.endDoc();
    EXPECT_EQ(count(s, RecordedOp::Page), 2) << "no blank pages";
    EXPECT_EQ(count(s, RecordedOp::EndDoc), 1);
    EXPECT_EQ(s.ops().last().kind, RecordedOp::EndDoc);
}

TEST(PrintSurface, PaperSettingsTakeEffectForThePageAboutToBeDrawn)
{
    RecordingSurface s(Margins{100, 200, 300, 400});
    s.setPaperSize(kPaperA4);
    s.setOrientation(kPortrait);
    EXPECT_EQ(s.scaleWidth(), 11906 - 400);
    s.setOrientation(kLandscape);
    EXPECT_EQ(s.scaleWidth(), 16838 - 400);
    EXPECT_EQ(s.height(), 11906);
    s.line(0, 0, 1, 1);
    s.newPage();
    s.setPaperSize(kPaperB4);
    s.setOrientation(kPortrait);
    s.line(0, 0, 1, 1);
    ASSERT_EQ(s.ops()[2].kind, RecordedOp::Page);
    EXPECT_EQ(s.ops()[0].page.orientation, kLandscape);
    EXPECT_EQ(s.ops()[2].page.paperSize, kPaperB4);
    EXPECT_EQ(s.ops()[2].page.width, 14570);
    EXPECT_EQ(s.ops()[2].page.scaleHeight, 20636 - 600);
}

TEST(PrintSurface, PrintMovesToTheNextLineAndStateCarriesOverBetweenDocuments)
{
    RecordingSurface s;
    s.setFontName(QStringLiteral("@ＭＳ 明朝"));
    s.setFontSize(20);
    s.setCurrentX(300);
    s.setCurrentY(1850);
    s.print(QStringLiteral("①"));
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 1850 + 400);
    s.print(QString());
    EXPECT_EQ(s.currentY(), 1850 + 800) << "an empty Print still moves on";
    EXPECT_EQ(s.ops().size(), 2) << "and draws nothing";
    s.box(1, 2, 3, 4);
    EXPECT_EQ(s.currentX(), 3);
    EXPECT_EQ(s.currentY(), 4);
    s.endDoc();

    s.clear();
    s.print(QStringLiteral("字"));
    EXPECT_EQ(s.ops()[1].font, QStringLiteral("@ＭＳ 明朝"));
    EXPECT_EQ(s.ops()[1].size, 20);
}
