#include "editor/CursorMoves.h"

namespace kakitori {

namespace {

RowField kindAt(int k)
{
    return static_cast<RowField>(k);
}

int indexOf(RowField kind)
{
    return static_cast<int>(kind);
}

// 10 × row + kind numbered from 2 (row 1 lead text = 12, row 10 tail text = 108).
int positionCode(CellPosition p)
{
    return 10 * p.row + indexOf(p.kind) + 2;
}

bool switchOf(const RowSwitches& switches, int row)
{
    return switches[row - 1];
}

// A move onto a row whose second part is hidden lands on that row's last shown cell.
CellPosition visibleAt(CellPosition p, const RowSwitches& switches)
{
    if (isSecondPart(p.kind) && !switchOf(switches, p.row))
        p.kind = RowField::Middle;
    return p;
}

} // namespace

RowField lastCellOfRow(bool switchOn)
{
    return switchOn ? RowField::Tail : RowField::Middle;
}

bool isWordCell(RowField kind)
{
    return kind == RowField::FirstWord || kind == RowField::SecondWord;
}

bool isSecondPart(RowField kind)
{
    return kind >= RowField::SecondWord;
}

EnterResult enterTarget(CellPosition from, const RowSwitches& switches, bool passReading,
                        bool downOnlyPad)
{
    if (downOnlyPad)
        return {EnterMove::Move,
                visibleAt({from.row == kRowsPerPage ? 1 : from.row + 1, from.kind}, switches)};
    // A cursor on a hidden cell (its switch turned off under it) counts as at the row's end.
    if (indexOf(from.kind) >= indexOf(lastCellOfRow(switchOf(switches, from.row)))) {
        if (from.row == kRowsPerPage)
            return {EnterMove::NewPage, from};
        return {EnterMove::Move, {from.row + 1, RowField::Lead}};
    }
    const int step = passReading && isWordCell(from.kind) ? 2 : 1;
    return {EnterMove::Move, {from.row, kindAt(indexOf(from.kind) + step)}};
}

namespace {

// Up and down keep the cell kind; left and right step along the row, right no further than
// rightStop.
std::optional<CellPosition> plainMove(Arrow arrow, CellPosition from, RowField rightStop)
{
    const int r = from.row;
    switch (arrow) {
    case Arrow::Up:
        return r >= 2 ? std::optional(CellPosition{r - 1, from.kind}) : std::nullopt;
    case Arrow::Down:
        return r < kRowsPerPage ? std::optional(CellPosition{r + 1, from.kind}) : std::nullopt;
    case Arrow::Left:
        if (from.kind == RowField::Lead)
            return std::nullopt;
        return CellPosition{r, kindAt(indexOf(from.kind) - 1)};
    case Arrow::Right:
        if (from.kind == rightStop || from.kind == RowField::Tail)
            return std::nullopt;
        return CellPosition{r, kindAt(indexOf(from.kind) + 1)};
    }
    return std::nullopt;
}

} // namespace

std::optional<CellPosition> padTarget(Arrow arrow, CellPosition from, const RowSwitches& switches)
{
    const int r = from.row;
    // From a second-part cell the pad goes up or down only onto a row without its second part.
    if (isSecondPart(from.kind) && arrow == Arrow::Up) {
        if (positionCode(from) >= 28 && !switchOf(switches, r - 1))
            return CellPosition{r - 1, RowField::Lead};
        return std::nullopt;
    }
    if (isSecondPart(from.kind) && arrow == Arrow::Down) {
        if (r < kRowsPerPage && !switchOf(switches, r + 1))
            return CellPosition{r + 1, RowField::Lead};
        return std::nullopt;
    }
    return plainMove(arrow, from, lastCellOfRow(switchOf(switches, r)));
}

std::optional<CellPosition> keyTarget(Arrow arrow, CellPosition from, const RowSwitches& switches)
{
    const auto target = plainMove(arrow, from, RowField::Middle);
    return target ? std::optional(visibleAt(*target, switches)) : std::nullopt;
}

} // namespace kakitori
