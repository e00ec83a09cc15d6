#include "editor/RowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

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

namespace {

// 300 twips a full-width character and 150 a half-width one, readings at half that size; a
// 30-twip border.
double fonts(RowField kind, const QString& text)
{
    const bool reading = kind == RowField::FirstReading || kind == RowField::SecondReading;
    double width = 30;
    for (QChar c : text)
        width += (c.unicode() < 0x80 ? 150 : 300) / (reading ? 2 : 1);
    return width;
}

constexpr double kTextCharacter = 330;
constexpr double kReadingCharacter = 180;

constexpr std::array kTextCells = {RowField::Lead, RowField::FirstWord, RowField::Middle,
                                   RowField::SecondWord, RowField::Tail};

double right(const CellBox& b)
{
    return b.left + b.width;
}

bool contains(const CellBox& outer, const CellBox& inner)
{
    return outer.left <= inner.left && right(inner) <= right(outer) && outer.top == inner.top &&
           outer.height == inner.height;
}

Row textRow(std::array<const char*, 5> text, const char* firstReading = "",
            const char* secondReading = "")
{
    Row row;
    for (std::size_t i = 0; i < kTextCells.size(); ++i)
        row[kTextCells[i]] = QString::fromUtf8(text[i]);
    row[RowField::FirstReading] = QString::fromUtf8(firstReading);
    row[RowField::SecondReading] = QString::fromUtf8(secondReading);
    return row;
}

} // namespace

TEST(RowLayout, ShortCellsGetAClickTargetOneCharacterWide)
{
    // 星 and 話 with nothing between, before or after them, and a half-width tail.
    const RowGeometry g = layoutRow(1, textRow({"", "星", "", "話", "."}), fonts);
    const auto box = [&](RowField f) { return g.cells[static_cast<int>(f)]; };
    const auto target = [&](RowField f) { return g.clickTargets[static_cast<int>(f)]; };

    EXPECT_EQ(box(RowField::Middle).width, 30) << "the text stays where it was";
    EXPECT_GE(target(RowField::Middle).width, kTextCharacter);
    EXPECT_TRUE(contains(target(RowField::Middle), box(RowField::Middle)));
    for (RowField word : {RowField::FirstWord, RowField::SecondWord}) {
        const CellBox b = box(word), t = target(word);
        EXPECT_TRUE(contains(b, t)) << "a word lends, it never grows";
        EXPECT_LT(t.left, b.left + b.width / 2) << "its centre stays its own";
        EXPECT_GT(right(t), b.left + b.width / 2);
        EXPECT_GE(t.width, b.width / 2);
    }
    EXPECT_EQ(right(target(RowField::FirstWord)), target(RowField::Middle).left);
    EXPECT_EQ(right(target(RowField::Middle)), target(RowField::SecondWord).left);

    // The lead reaches over the row-number cell and takes nothing from the word after it.
    EXPECT_GE(target(RowField::Lead).width, kTextCharacter);
    EXPECT_GE(target(RowField::Lead).left, kRowNumberLeft);
    EXPECT_EQ(right(target(RowField::Lead)), box(RowField::FirstWord).left);
    EXPECT_EQ(target(RowField::FirstWord).left, box(RowField::FirstWord).left);
    // The half-width tail grows into the room after the row.
    EXPECT_EQ(target(RowField::Tail).left, box(RowField::Tail).left);
    EXPECT_GE(target(RowField::Tail).width, kTextCharacter);
    EXPECT_EQ(right(target(RowField::SecondWord)), right(box(RowField::SecondWord)));

    // Empty readings, in the reading's own smaller font.
    for (RowField reading : {RowField::FirstReading, RowField::SecondReading}) {
        EXPECT_GE(target(reading).width, kReadingCharacter);
        EXPECT_TRUE(contains(target(reading), box(reading)));
    }
    EXPECT_LE(right(target(RowField::FirstReading)), target(RowField::SecondReading).left);

    // Cells a character wide or more keep their boxes as targets.
    const RowGeometry full = layoutRow(2, textRow({"あの", "遠足", "は", "楽", "しい"}), fonts);
    for (RowField f : kTextCells)
        EXPECT_TRUE(
            contains(full.clickTargets[static_cast<int>(f)], full.cells[static_cast<int>(f)]) &&
            contains(full.cells[static_cast<int>(f)], full.clickTargets[static_cast<int>(f)]));
}

TEST(RowLayout, WithTheSecondPartHiddenTheMiddleEndsTheRow)
{
    // Only a first word: the empty middle is the last cell shown.
    const RowGeometry g = layoutRow(1, textRow({"", "星", "", "", ""}), fonts);
    const auto box = [&](RowField f) { return g.cells[static_cast<int>(f)]; };
    const auto hidden = [&](RowField f) { return g.firstPartClickTargets[static_cast<int>(f)]; };
    EXPECT_EQ(&g.clickTargetsFor(false), &g.firstPartClickTargets);
    EXPECT_EQ(&g.clickTargetsFor(true), &g.clickTargets);

    EXPECT_EQ(hidden(RowField::Middle).left, box(RowField::Middle).left)
        << "nothing taken from the word";
    EXPECT_GE(hidden(RowField::Middle).width, kTextCharacter);
    EXPECT_TRUE(contains(hidden(RowField::FirstWord), box(RowField::FirstWord)));
    for (RowField f : {RowField::SecondWord, RowField::SecondReading, RowField::Tail})
        EXPECT_EQ(hidden(f).width, 0) << "hidden cells take no clicks";
    EXPECT_EQ(hidden(RowField::FirstReading).left, box(RowField::FirstReading).left)
        << "no second reading to stop the first";
    EXPECT_GE(hidden(RowField::FirstReading).width, kReadingCharacter);

    // Shown, the empty second word stands after the middle and the middle borrows from the word.
    const CellBox shown = g.clickTargets[static_cast<int>(RowField::Middle)];
    EXPECT_EQ(right(shown), right(box(RowField::Middle)));
    EXPECT_LT(shown.left, box(RowField::Middle).left);
}

TEST(RowLayout, ClickTargetsNeverOverlapAndLeaveEveryCellClickable)
{
    const char* texts[] = {"", ".", "日", "遠足"};
    const char* readings[] = {"", "よ", "えんそくにいくのがたのしみ"};
    int layouts = 0;
    for (int combination = 0; combination < 4 * 4 * 4 * 4 * 4; ++combination) {
        std::array<const char*, 5> text;
        for (int i = 0, c = combination; i < 5; ++i, c /= 4)
            text[i] = texts[c % 4];
        for (const char* first : readings)
            for (const char* second : readings)
                for (bool secondPart : {true, false}) {
                    const RowGeometry g = layoutRow(4, textRow(text, first, second), fonts);
                    SCOPED_TRACE(testing::Message()
                                 << text[0] << "|" << text[1] << "|" << text[2] << "|" << text[3]
                                 << "|" << text[4] << " readings " << first << "|" << second
                                 << (secondPart ? "" : ", second part hidden"));
                    ++layouts;
                    const auto& targets = g.clickTargetsFor(secondPart);
                    const int last = secondPart ? 4 : 2;
                    const auto box = [&](int i) {
                        return g.cells[static_cast<int>(kTextCells[i])];
                    };
                    const auto target = [&](int i) {
                        return targets[static_cast<int>(kTextCells[i])];
                    };
                    const auto isShort = [&](int i) { return box(i).width < kTextCharacter; };
                    for (int i = 0; i <= last; ++i) {
                        if (i < last) {
                            EXPECT_EQ(right(target(i)), target(i + 1).left) << "edge to edge";
                        }
                        if (isShort(i)) {
                            EXPECT_TRUE(contains(target(i), box(i))) << "cell " << i;
                        } else {
                            const double centre = box(i).left + box(i).width / 2;
                            EXPECT_TRUE(contains(box(i), target(i))) << "cell " << i;
                            EXPECT_LT(target(i).left, centre) << "cell " << i;
                            EXPECT_GT(right(target(i)), centre) << "cell " << i;
                            EXPECT_GE(target(i).width, box(i).width / 2) << "cell " << i;
                        }
                    }
                    // The first and the last cell shown have room; a word or the middle has it
                    // when both its neighbours lend and lend to nobody else.
                    const auto lendsOnlyTo = [&](int lender, int borrower) {
                        const int other = 2 * lender - borrower;
                        return !isShort(lender) && (other <= 0 || other >= last || !isShort(other));
                    };
                    for (int i = 0; i <= last; ++i) {
                        const bool room =
                            i == 0 || i == last || (lendsOnlyTo(i - 1, i) && lendsOnlyTo(i + 1, i));
                        if (isShort(i) && room) {
                            EXPECT_GE(target(i).width, kTextCharacter) << "cell " << i;
                        }
                    }

                    const CellBox firstBox = g.cells[static_cast<int>(RowField::FirstReading)];
                    const CellBox secondBox = g.cells[static_cast<int>(RowField::SecondReading)];
                    const CellBox firstTarget = targets[static_cast<int>(RowField::FirstReading)];
                    const CellBox secondTarget = targets[static_cast<int>(RowField::SecondReading)];
                    EXPECT_GE(firstTarget.width, kReadingCharacter);
                    EXPECT_LE(firstTarget.left, firstBox.left);
                    if (secondPart) {
                        EXPECT_TRUE(contains(secondTarget, secondBox));
                        EXPECT_GE(secondTarget.width, kReadingCharacter);
                        EXPECT_LE(right(firstTarget), secondTarget.left);
                        // What of the first reading the second one does not cover.
                        EXPECT_GE(right(firstTarget), std::min(right(firstBox), secondBox.left));
                    } else {
                        EXPECT_GE(right(firstTarget), right(firstBox));
                    }
                }
    }
    EXPECT_EQ(layouts, 1024 * 9 * 2);
}
