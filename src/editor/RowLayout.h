#pragma once

#include "data/Page.h"

#include <array>
#include <functional>

namespace kakitori {

// Geometry of the row grid, in twips of the main window.
struct CellBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The width a cell of a kind needs for a text (its border included), in twips. The window
// measures with the cell's real font; tests give a fixed pitch.
using CellMeasure = std::function<double(RowField kind, const QString& text)>;

constexpr double kRowNumberLeft = 360;
constexpr double kRowNumberWidth = 570;
constexpr double kCellGap = 50;

struct RowGeometry {
    CellBox fiveCellSwitch;
    CellBox rowNumber;
    std::array<CellBox, kRowFieldCount> cells; // by RowField: where each cell and its text show
    // By RowField: where a click selects the cell while the row's second part is shown, and
    // while it is hidden (the hidden cells' targets are empty). The targets of a row never overlap.
    std::array<CellBox, kRowFieldCount> clickTargets;
    std::array<CellBox, kRowFieldCount> firstPartClickTargets;

    const std::array<CellBox, kRowFieldCount>& clickTargetsFor(bool secondPartShown) const
    {
        return secondPartShown ? clickTargets : firstPartClickTargets;
    }
};

// Text cells stand side by side after a gap behind the row-number cell; a reading stands above
// its word at the word's left edge and never pushes its neighbours apart.
//
// An empty cell is a sliver of border, too narrow to hit. So a cell narrower than one full-width
// character of its font gets a click target of that width, and no text moves: the lead reaches
// over the row-number cell (which takes no clicks), the last cell shown and the second reading
// into the room after them, the first reading up to a shown second one, else to the left. The
// words and the middle take what they lack, as far as it goes, from neighbours at least one
// character wide, half from each; such a neighbour keeps its centre and at least half of its
// box. Two short cells side by side take nothing from each other, so a click on a cell's own box
// always selects it.
RowGeometry layoutRow(int row, const Row& cells, const CellMeasure& measure);

} // namespace kakitori
