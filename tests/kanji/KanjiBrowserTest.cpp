#include "kanji/KanjiBrowser.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

int filled(const KanjiBrowser& b)
{
    int n = 0;
    for (const KanjiBrowser::Cell& c : b.cells())
        n += !c.text.isEmpty();
    return n;
}

} // namespace

TEST(KanjiBrowser, ShowsAGradeInTheChosenTablesOrder)
{
    KanjiBrowser b;
    b.showGrade(1, QStringLiteral("光村図書20"), ReadingKind::On);
    EXPECT_EQ(filled(b), 80);
    EXPECT_EQ(b.cells()[0].text, QStringLiteral("木"));
    EXPECT_EQ(b.cells()[1].text, QStringLiteral("大"));
    EXPECT_EQ(b.cells()[2].text, QStringLiteral("小"));
    EXPECT_EQ(b.cells()[100].background, 0xFF8080u) << "empty cells take the grade's colour";

    b.showGrade(1, kNoTextbook, ReadingKind::Kun);
    EXPECT_EQ(filled(b), 88);
    EXPECT_EQ(b.cells()[0].text, QStringLiteral("あ"));
    EXPECT_EQ(b.cells()[0].background, 0xFFFFFFu);
    EXPECT_EQ(b.cells()[1].text, QStringLiteral("一"));
    EXPECT_EQ(b.cells()[7].text, QStringLiteral("か"));
    EXPECT_EQ(b.cells()[7].background, 0xFFFFFFu);

    b.showGrade(2, QStringLiteral("どこか"), ReadingKind::On);
    EXPECT_EQ(filled(b), 0);
}

TEST(KanjiBrowser, LowerGradeRowsAmongTheNextGradeAppearInNeither)
{
    KanjiBrowser b;
    b.showGrade(5, QStringLiteral("教育出版20"), ReadingKind::On);
    EXPECT_EQ(filled(b), 194) << "200 grade 5 rows less the six among grade 6";
    b.showGrade(6, QStringLiteral("教育出版20"), ReadingKind::On);
    EXPECT_EQ(filled(b), 183);
    for (const KanjiBrowser::Cell& c : b.cells())
        EXPECT_NE(c.text, QStringLiteral("退"));
}

TEST(KanjiBrowser, HalvesSwitchAndMarksStayWithTheirPositions)
{
    KanjiBrowser b;
    b.showGrade(4, kNoTextbook, ReadingKind::On);
    EXPECT_EQ(filled(b), 214);
    const QString secondHalfFirst = b.cells()[110].text;
    b.cells()[5].marked = true;
    b.switchHalf();
    EXPECT_EQ(b.halfSwitchCaption(), QStringLiteral("戻る"));
    EXPECT_EQ(b.cells()[0].text, secondHalfFirst);
    EXPECT_FALSE(b.cells()[103].text.isEmpty());
    EXPECT_TRUE(b.cells()[104].text.isEmpty());
    EXPECT_TRUE(b.cells()[5].marked);
    b.switchHalf();
    EXPECT_EQ(b.cells()[0].text, QStringLiteral("あ"));
    EXPECT_EQ(b.cells()[0].background, 0xFFFFFFu);
    EXPECT_EQ(b.cells()[1].background, 0xC0FFC0u);
}

TEST(KanjiBrowser, SearchResultsKeepTheirGradeColoursThroughTheHalfSwitch)
{
    KanjiBrowser b;
    b.showSearch(ReadingKind::On, QStringLiteral("し"));
    EXPECT_EQ(b.shownGrade(), 0);
    EXPECT_EQ(filled(b), 121);
    const KanjiBrowser::Cell first = b.cells()[110];
    b.switchHalf();
    EXPECT_EQ(b.cells()[0].text, first.text);
    EXPECT_EQ(b.cells()[0].background, first.background);
}
