#include "editor/RowGridModel.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

RowGridModel gridOn(RowGridState& state)
{
    return RowGridModel(state,
                        [](RowField, const QString& text) { return 30.0 + 300 * text.size(); });
}

} // namespace

TEST(RowGridModel, RowsPastTheLimitTurnRedAndAreCounted)
{
    RowGridState state;
    RowGridModel grid = gridOn(state);
    grid.setCell(1, RowField::Lead, QStringLiteral("あいうえお"));
    grid.setCell(2, RowField::Lead, QStringLiteral("あいうえおかきくけこさしすせそた"));
    grid.setCell(2, RowField::FirstReading, QStringLiteral("よみはかぞえない"));
    EXPECT_EQ(grid.checkLimit(15), 1);
    EXPECT_EQ(grid.rowLength(2), 16);
    EXPECT_EQ(state.rows[1].background[0], colours::kOverLimit);
    EXPECT_EQ(state.rows[0].rowNumberColour, colours::kRowNumberFilled);
    EXPECT_EQ(state.rows[2].rowNumberColour, colours::kRowNumberEmpty);
    EXPECT_EQ(grid.checkLimit(17), 0);
}

TEST(RowGridModel, TheEditBoxMirrorsTheCursorAndHiddenCellsAreNotVisible)
{
    RowGridState state;
    RowGridModel grid = gridOn(state);
    grid.setCell(3, RowField::SecondWord, QStringLiteral("川"));
    EXPECT_FALSE(grid.isVisible({3, RowField::SecondWord}));
    grid.setSwitch(3, true);
    EXPECT_TRUE(grid.isVisible({3, RowField::SecondWord}));
    EXPECT_EQ(state.cursor, (CellPosition{3, RowField::SecondWord}));
    EXPECT_EQ(state.editBoxText, QStringLiteral("川"));
    EXPECT_EQ(state.editBoxColour, colours::kCell[static_cast<int>(RowField::SecondWord)]);
}

TEST(RowGridModel, ArrowKeysMoveOnlyWithTheHardKeyType)
{
    RowGridState state;
    RowGridModel grid = gridOn(state);
    EXPECT_FALSE(grid.key(Arrow::Down)) << "the soft type leaves the keys to the edit box";
    grid.setKeyType(KeyType::Hard);
    EXPECT_EQ(state.padVisible, (std::array<bool, 5>{}));
    EXPECT_TRUE(grid.key(Arrow::Down));
    EXPECT_EQ(state.cursor, (CellPosition{2, RowField::Lead}));
    grid.setKeyType(KeyType::DownOnly);
    grid.showPadOfKeyType();
    EXPECT_TRUE(grid.downOnlyPad());
}
