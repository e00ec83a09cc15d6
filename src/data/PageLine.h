#pragma once

#include "data/Page.h"

#include <QStringList>

namespace kakitori {

// A page as one line of a problem file: 73 fields joined by "," with no quoting.
//   0 heading, 1 empty, 2 + 4(i−1) … 5 + 4(i−1) lead, first word, first reading, middle of row i,
//   42 font, 43 + 3(i−1) … 45 + 3(i−1) second word, second reading, tail of row i.
// Lines of the older ".moj" files stop after the font field (43 fields).

constexpr int kPageLineFields = 73;
constexpr int kOldPageLineFields = 43;
constexpr int kFontField = 42;

// The line field holding a row's field (row 1..10).
int lineFieldIndex(int row, RowField field);

// Every "," splits, without limit.
QStringList splitPageLine(const QString& line);

// The heading is the text before the first ",".
QString headingOfLine(const QString& line);

// The line of a page; always 73 fields. A "," inside a cell would shift every later field when
// the line is read again, so it is stored as the full-width "，"; line breaks are dropped.
QString joinPageLine(const Page& page);

// The page written into an existing line: the fields the page holds are replaced, the others
// (field 1 and anything past the 73rd, which other versions of the tool may use) kept as they
// were; a shorter line is filled up to 73 fields.
QString mergePageIntoLine(const QString& line, const Page& page);

struct LineFill {
    bool complete = true; // every field of the split was present
    bool hasFont = false; // the line reached the font field
};

// Fills cells from a line one field kind at a time over all ten rows (lead texts of rows 1..10,
// then first words, …), stopping at the first field the line lacks; cells not reached keep what
// they held. The heading is not touched; the font is set when the line has its field.
LineFill fillPageFromLine(Page& page, const QString& line);

// The page a line describes, with empty cells where the line is short.
Page pageFromLine(const QString& line);

} // namespace kakitori
