#pragma once

#include "print/PrintSurface.h"
#include "print/SheetInput.h"

namespace kakitori {

// The reading sheet "読み方": the sentences with their kanji and without readings, large and
// widely spaced. With the two-sheet option a set of two pages of five rows, a ruled writing
// band after every row.
void drawReadingVertical(PrintSurface& surface, const SheetInput& input);
void drawReadingHorizontal(PrintSurface& surface, const SheetInput& input);

// The character pitch of the sentences: 1058 × spacing factor × print font size / 25.
double readingPitch(const PrintOptions& options);

// The reading spacing factor: 20/35 normally, 15/35 with "狭い".
double readingSpacingFactor(const PrintOptions& options);

} // namespace kakitori
