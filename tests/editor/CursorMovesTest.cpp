#include "editor/CursorMoves.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

using F = RowField;

RowSwitches switchesOn(std::initializer_list<int> rows)
{
    RowSwitches s{};
    for (int r : rows)
        s[r - 1] = true;
    return s;
}

std::vector<F> walk(int row, const RowSwitches& switches, bool pass)
{
    std::vector<F> visited;
    CellPosition at{row, F::Lead};
    while (at.row == row) {
        visited.push_back(at.kind);
        at = enterTarget(at, switches, pass, false).target;
    }
    EXPECT_EQ(at, (CellPosition{row + 1, F::Lead}));
    return visited;
}

} // namespace

TEST(CursorMoves, EnterWalksASentence)
{
    EXPECT_EQ(walk(3, switchesOn({}), true), (std::vector{F::Lead, F::FirstWord, F::Middle}));
    EXPECT_EQ(walk(3, switchesOn({3}), true),
              (std::vector{F::Lead, F::FirstWord, F::Middle, F::SecondWord, F::Tail}));
    EXPECT_EQ(walk(3, switchesOn({3}), false),
              (std::vector{F::Lead, F::FirstWord, F::FirstReading, F::Middle, F::SecondWord,
                           F::SecondReading, F::Tail}));
    // A reading clicked directly continues with the cell after it.
    EXPECT_EQ(enterTarget({2, F::FirstReading}, switchesOn({}), true, false).target,
              (CellPosition{2, F::Middle}));
}

TEST(CursorMoves, EnterAtTheEndOfRow10OffersANewPageAndDownOnlyWraps)
{
    EXPECT_EQ(enterTarget({10, F::Middle}, switchesOn({}), true, false).move, EnterMove::NewPage);
    EXPECT_EQ(enterTarget({10, F::Middle}, switchesOn({10}), true, false).move, EnterMove::Move);
    EXPECT_EQ(enterTarget({4, F::FirstWord}, switchesOn({}), true, true).target,
              (CellPosition{5, F::FirstWord}));
    EXPECT_EQ(enterTarget({10, F::Tail}, switchesOn({1, 10}), true, true).target,
              (CellPosition{1, F::Tail}));
    EXPECT_EQ(enterTarget({10, F::Tail}, switchesOn({10}), true, true).target,
              (CellPosition{1, F::Middle}))
        << "row 1 hides its tail";
}

TEST(CursorMoves, ArrowPad)
{
    struct Case {
        const char* name;
        Arrow arrow;
        CellPosition from;
        RowSwitches switches;
        std::optional<CellPosition> to;
    } cases[] = {
        {"up from a tail to the lead of a short row",
         Arrow::Up,
         {5, F::Tail},
         switchesOn({5}),
         CellPosition{4, F::Lead}},
        {"up from a tail below a long row",
         Arrow::Up,
         {5, F::Tail},
         switchesOn({4, 5}),
         std::nullopt},
        {"up from row 2's second word (code 26)",
         Arrow::Up,
         {2, F::SecondWord},
         switchesOn({2}),
         std::nullopt},
        {"up from row 2's tail (code 28)",
         Arrow::Up,
         {2, F::Tail},
         switchesOn({2}),
         CellPosition{1, F::Lead}},
        {"up keeps the kind",
         Arrow::Up,
         {3, F::FirstReading},
         switchesOn({}),
         CellPosition{2, F::FirstReading}},
        {"up on row 1", Arrow::Up, {1, F::Middle}, switchesOn({}), std::nullopt},
        {"down from a second word",
         Arrow::Down,
         {3, F::SecondWord},
         switchesOn({3}),
         CellPosition{4, F::Lead}},
        {"down on row 10", Arrow::Down, {10, F::Lead}, switchesOn({}), std::nullopt},
        {"left on the lead", Arrow::Left, {2, F::Lead}, switchesOn({}), std::nullopt},
        {"left onto a reading",
         Arrow::Left,
         {2, F::Middle},
         switchesOn({}),
         CellPosition{2, F::FirstReading}},
        {"right at the end of a short row",
         Arrow::Right,
         {2, F::Middle},
         switchesOn({}),
         std::nullopt},
        {"right into the second part",
         Arrow::Right,
         {2, F::Middle},
         switchesOn({2}),
         CellPosition{2, F::SecondWord}},
        {"right at the tail", Arrow::Right, {2, F::Tail}, switchesOn({2}), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(padTarget(c.arrow, c.from, c.switches), c.to) << c.name;
}

TEST(CursorMoves, ArrowKeysStopAtTheMiddleText)
{
    const RowSwitches all = switchesOn({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(keyTarget(Arrow::Up, {1, F::Lead}, all), std::nullopt);
    EXPECT_EQ(keyTarget(Arrow::Right, {4, F::Middle}, all), std::nullopt);
    EXPECT_EQ(keyTarget(Arrow::Down, {4, F::Tail}, all), (CellPosition{5, F::Tail}));
    EXPECT_EQ(keyTarget(Arrow::Left, {4, F::FirstWord}, all), (CellPosition{4, F::Lead}));
}

// A row's second part is hidden while its switch is off: no move may land there or step past a
// row's seventh cell, whichever way the cursor came.
TEST(CursorMoves, NoMoveLandsOnAHiddenCellOrLeavesTheRow)
{
    const RowSwitches firstOnly = switchesOn({1});
    EXPECT_EQ(keyTarget(Arrow::Down, {1, F::Tail}, firstOnly), (CellPosition{2, F::Middle}));
    EXPECT_EQ(keyTarget(Arrow::Up, {2, F::SecondWord}, switchesOn({2})),
              (CellPosition{1, F::Middle}));
    EXPECT_EQ(enterTarget({1, F::Tail}, firstOnly, true, true).target, (CellPosition{2, F::Middle}))
        << "the down-only route";
    for (RowField hidden : {F::SecondWord, F::SecondReading, F::Tail}) {
        SCOPED_TRACE(static_cast<int>(hidden));
        const EnterResult from = enterTarget({2, hidden}, firstOnly, true, false);
        EXPECT_EQ(from.target, (CellPosition{3, F::Lead}));
        EXPECT_EQ(enterTarget({10, hidden}, firstOnly, true, false).move, EnterMove::NewPage);
    }
}
