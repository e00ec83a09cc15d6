#pragma once

#include "print/PrintSurface.h"
#include "print/SheetInput.h"

namespace kakitori {

// The practice sheet "漢字練習": a line of ten squares a row, the first word as a large model in
// the first squares and its reading in a strip beside them.
void drawPracticeVertical(PrintSurface& surface, const SheetInput& input);
void drawPracticeHorizontal(PrintSurface& surface, const SheetInput& input);

} // namespace kakitori
