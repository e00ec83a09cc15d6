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
    std::array<CellBox, kRowFieldCount> cells; // by RowField
};

// Text cells stand side by side after a gap behind the row-number cell; a reading stands above
// its word at the word's left edge and never pushes its neighbours apart.
RowGeometry layoutRow(int row, const Row& cells, const CellMeasure& measure);

} // namespace kakitori
