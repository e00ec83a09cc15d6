#pragma once

#include "print/PrintSurface.h"
#include "print/SheetInput.h"

namespace kakitori {

// The writing test "テスト・漢字書き取り": every sentence with blanks where its words stood, the
// readings beside the blanks and, with the writing-frame option, a frame around each blank.
// Vertical layout: A4 portrait in a vertical-writing font; horizontal: A4 landscape.
void drawWritingTestVertical(PrintSurface& surface, const SheetInput& input);
void drawWritingTestHorizontal(PrintSurface& surface, const SheetInput& input);

// The row line: circled number, lead, blank of the first word, middle, blank of the second
// word, tail. A word's blank is two full-width spaces a character.
QString writingTestRowLine(int row, const Row& cells);

} // namespace kakitori
