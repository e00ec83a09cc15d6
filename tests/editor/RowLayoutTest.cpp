#include "editor/RowLayout.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

// 300 twips a character plus a 30-twip border.
double pitch(RowField, const QString& text)
{
    return 30 + 300 * text.size();
}

} // namespace

TEST(RowLayout, CellsStandSideBySideAndReadingsAboveTheirWords)
{
    Row row;
    row[RowField::Lead] = QStringLiteral("あの");
    row[RowField::FirstWord] = QStringLiteral("遠足");
    row[RowField::FirstReading] = QStringLiteral("えんそくにいくのがたのしみ");
    row[RowField::Middle] = QStringLiteral("は");
    row[RowField::SecondWord] = QStringLiteral("楽");
    row[RowField::Tail] = QStringLiteral("しい");
    const RowGeometry g = layoutRow(3, row, pitch);

    const auto left = [&](RowField f) { return g.cells[static_cast<int>(f)].left; };
    EXPECT_EQ(g.rowNumber.top, 2400);
    EXPECT_EQ(left(RowField::Lead), 360 + 50 + 570);
    EXPECT_EQ(left(RowField::FirstWord), left(RowField::Lead) + 630);
    EXPECT_EQ(left(RowField::Middle), left(RowField::FirstWord) + 630)
        << "the reading pushes nothing";
    EXPECT_EQ(left(RowField::SecondWord), left(RowField::Middle) + 330);
    EXPECT_EQ(left(RowField::Tail), left(RowField::SecondWord) + 330);
    EXPECT_EQ(left(RowField::FirstReading), left(RowField::FirstWord));
    EXPECT_EQ(left(RowField::SecondReading), left(RowField::SecondWord));
    EXPECT_EQ(g.cells[static_cast<int>(RowField::FirstReading)].top, 960 + 1200);
    EXPECT_EQ(g.fiveCellSwitch.top, 1250 + 1200);

    // One more character in the lead moves everything to its right by that character.
    Row wider = row;
    wider[RowField::Lead] += QStringLiteral("日");
    const RowGeometry w = layoutRow(3, wider, pitch);
    for (RowField f : {RowField::FirstWord, RowField::FirstReading, RowField::Middle,
                       RowField::SecondWord, RowField::SecondReading, RowField::Tail})
        EXPECT_EQ(w.cells[static_cast<int>(f)].left, g.cells[static_cast<int>(f)].left + 300);
}
