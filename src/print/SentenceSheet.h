#pragma once

#include "print/PrintSurface.h"
#include "print/SheetInput.h"

namespace kakitori {

// The sentence-making sheet "文作り・意味調べ": each row's first word after its number, a "▼"
// and a long band in which the pupil writes a sentence with the word or its meaning.
void drawSentenceVertical(PrintSurface& surface, const SheetInput& input);
void drawSentenceHorizontal(PrintSurface& surface, const SheetInput& input);

// The row's label: its circled number and first word, then "▼" when the word is not empty.
QString sentenceLabel(int row, const Row& cells);

} // namespace kakitori
