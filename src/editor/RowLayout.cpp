#include "editor/RowLayout.h"

#include <algorithm>

namespace kakitori {

namespace {

using CellBoxes = std::array<CellBox, kRowFieldCount>;

constexpr std::array kTextCells = {RowField::Lead, RowField::FirstWord, RowField::Middle,
                                   RowField::SecondWord, RowField::Tail};
constexpr int kFirstPartTextCells = 3; // lead, first word, middle

// What a cell at least one character wide lends its short neighbours: half its box in all, and
// to one side no closer than a pixel to its centre, so it stays clickable where it is read.
constexpr double kLentInAll = 0.5;
constexpr double kKeptBesideCentre = 15;

CellBox& at(CellBoxes& boxes, RowField f)
{
    return boxes[static_cast<int>(f)];
}

const CellBox& at(const CellBoxes& boxes, RowField f)
{
    return boxes[static_cast<int>(f)];
}

double rightOf(const CellBox& box)
{
    return box.left + box.width;
}

// The first n text cells (those shown) stand edge to edge, so their targets are those edges
// moved: into the room before and after them, or into a neighbour that lends.
void placeTextTargets(const CellBoxes& cells,
                      const std::array<double, kTextCells.size()>& oneCharacter, int n,
                      CellBoxes& targets)
{
    std::array<double, kTextCells.size()> width{}, want{}, spare{}, lentLeft{}, lentRight{},
        growLeft{}, growRight{};
    std::array<bool, kTextCells.size()> lends{};
    for (int i = 0; i < n; ++i) {
        width[i] = at(cells, kTextCells[i]).width;
        want[i] = std::max(0.0, oneCharacter[i] - width[i]);
        lends[i] = want[i] == 0;
        spare[i] = lends[i] ? kLentInAll * width[i] : 0;
    }
    // The row-number cell takes no clicks; nothing is shown after the last cell.
    const double roomBefore = at(cells, kTextCells[0]).left - kRowNumberLeft;
    growLeft[0] = std::min(want[0], roomBefore);
    want[0] -= growLeft[0];
    growRight[n - 1] = want[n - 1];
    want[n - 1] = 0;

    // First half of what is missing from each side that lends (a lender keeps half its spare
    // for its other side), then what is still missing from whichever side has some left.
    const auto take = [&](int lender, double amount, double& lentThatSide, double& grow,
                          double& missing) {
        const double limit = width[lender] / 2 - kKeptBesideCentre - lentThatSide;
        const double given = std::max(0.0, std::min({amount, limit, spare[lender]}));
        spare[lender] -= given;
        lentThatSide += given;
        grow += given;
        missing -= given;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            const bool left = i > 0 && lends[i - 1];
            const bool right = i + 1 < n && lends[i + 1];
            if (want[i] <= 0 || !(left || right))
                continue;
            const double ask = pass == 0 && left && right ? want[i] / 2 : want[i];
            if (left) {
                const double reserved = kLentInAll * width[i - 1] / 2 - lentRight[i - 1];
                take(i - 1, pass == 0 ? std::min(ask, reserved) : want[i], lentRight[i - 1],
                     growLeft[i], want[i]);
            }
            if (right) {
                const double reserved = kLentInAll * width[i + 1] / 2 - lentLeft[i + 1];
                take(i + 1, pass == 0 ? std::min(ask, reserved) : want[i], lentLeft[i + 1],
                     growRight[i], want[i]);
            }
        }
    }

    for (int i = 0; i < n; ++i) {
        const CellBox& box = at(cells, kTextCells[i]);
        const double left = box.left - growLeft[i] + lentLeft[i];
        const double right = rightOf(box) + growRight[i] - lentRight[i];
        at(targets, kTextCells[i]) = {left, box.top, right - left, box.height};
    }
}

// Nothing else stands in the readings' strip. The second reading is drawn in front of a first
// one long enough to reach it, so while it is shown the first one's target ends where it begins.
void placeReadingTargets(const CellBoxes& cells, double firstCharacter, double secondCharacter,
                         bool secondShown, CellBoxes& targets)
{
    const CellBox& second = at(cells, RowField::SecondReading);
    if (secondShown)
        at(targets, RowField::SecondReading) = {
            second.left, second.top, std::max(second.width, secondCharacter), second.height};

    const CellBox& first = at(cells, RowField::FirstReading);
    double right = first.left + std::max(first.width, firstCharacter);
    if (secondShown)
        right = std::min(right, second.left);
    const double left = std::min(first.left, right - firstCharacter);
    at(targets, RowField::FirstReading) = {left, first.top, right - left, first.height};
}

} // namespace

RowGeometry layoutRow(int row, const Row& cells, const CellMeasure& measure)
{
    const double step = 600.0 * (row - 1);
    const double textTop = 1200 + step;
    RowGeometry g;
    g.fiveCellSwitch = {120, 1250 + step, 255, 255};
    g.rowNumber = {kRowNumberLeft, textTop, kRowNumberWidth, 345};

    double left = kRowNumberLeft + kCellGap + kRowNumberWidth;
    for (RowField kind : kTextCells) {
        const double width = measure(kind, cells[kind]);
        g.cells[static_cast<int>(kind)] = {left, textTop, width, 345};
        left += width;
    }
    for (auto [reading, word] : {std::pair{RowField::FirstReading, RowField::FirstWord},
                                 std::pair{RowField::SecondReading, RowField::SecondWord}}) {
        const double wordLeft = g.cells[static_cast<int>(word)].left;
        g.cells[static_cast<int>(reading)] = {wordLeft, 960 + step,
                                              measure(reading, cells[reading]), 210};
    }

    // A kanji is full width in every face, proportional ones too.
    const QString oneCharacter = QStringLiteral("字");
    std::array<double, kTextCells.size()> textCharacter{};
    for (std::size_t i = 0; i < kTextCells.size(); ++i)
        textCharacter[i] = measure(kTextCells[i], oneCharacter);
    const double firstReading = measure(RowField::FirstReading, oneCharacter);
    const double secondReading = measure(RowField::SecondReading, oneCharacter);
    placeTextTargets(g.cells, textCharacter, kTextCells.size(), g.clickTargets);
    placeReadingTargets(g.cells, firstReading, secondReading, true, g.clickTargets);

    // Hidden cells take no clicks: an empty box where they stand.
    for (RowField kind : {RowField::SecondWord, RowField::SecondReading, RowField::Tail}) {
        const CellBox& box = at(g.cells, kind);
        at(g.firstPartClickTargets, kind) = {box.left, box.top, 0, box.height};
    }
    placeTextTargets(g.cells, textCharacter, kFirstPartTextCells, g.firstPartClickTargets);
    placeReadingTargets(g.cells, firstReading, secondReading, false, g.firstPartClickTargets);
    return g;
}

} // namespace kakitori
