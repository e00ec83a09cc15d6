#include "editor/RowLayout.h"

namespace kakitori {

RowGeometry layoutRow(int row, const Row& cells, const CellMeasure& measure)
{
    const double step = 600.0 * (row - 1);
    const double textTop = 1200 + step;
    RowGeometry g;
    g.fiveCellSwitch = {120, 1250 + step, 255, 255};
    g.rowNumber = {kRowNumberLeft, textTop, kRowNumberWidth, 345};

    double left = kRowNumberLeft + kCellGap + kRowNumberWidth;
    for (RowField kind : {RowField::Lead, RowField::FirstWord, RowField::Middle,
                          RowField::SecondWord, RowField::Tail}) {
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
    return g;
}

} // namespace kakitori
