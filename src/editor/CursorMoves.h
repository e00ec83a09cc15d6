#pragma once

#include "data/Page.h"

#include <array>
#include <optional>

namespace kakitori {

// The cursor of the row grid: a row 1..10 and a cell kind.
struct CellPosition {
    int row = 1;
    RowField kind = RowField::Lead;
    bool operator==(const CellPosition&) const = default;
};

// Five-cell switch of each row (index 0 = row 1): on shows the row's second part.
using RowSwitches = std::array<bool, kRowsPerPage>;

enum class Arrow { Up, Down, Left, Right };

// The last cell of a row: the tail text with the switch on, the middle text with it off.
RowField lastCellOfRow(bool switchOn);

bool isWordCell(RowField kind);
bool isSecondPart(RowField kind);

enum class EnterMove {
    Move,    // to target
    NewPage, // Enter at the last cell of row 10: offer a new page
};

struct EnterResult {
    EnterMove move = EnterMove::Move;
    CellPosition target;
};

// Enter in the edit box. With passReading, a word's reading is skipped. The down-only pad moves
// straight down, wrapping from row 10 to row 1. No move leaves a row's seven cells or lands on a
// cell its row hides.
EnterResult enterTarget(CellPosition from, const RowSwitches& switches, bool passReading,
                        bool downOnlyPad);

// A click on the arrow pad; nothing when the move is not allowed.
std::optional<CellPosition> padTarget(Arrow arrow, CellPosition from, const RowSwitches& switches);

// An arrow key with the hard key type. The keys never go right beyond the middle text; up or
// down onto a row whose second part is hidden they land on its middle text.
std::optional<CellPosition> keyTarget(Arrow arrow, CellPosition from, const RowSwitches& switches);

} // namespace kakitori
