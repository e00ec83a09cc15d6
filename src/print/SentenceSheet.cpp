#include "print/SentenceSheet.h"

#include "print/ReadingSheet.h"
#include "print/SheetParts.h"

namespace kakitori {

namespace {

const QString kTitle = QStringLiteral("文作り・意味調べ");

double labelPitch(const PrintOptions& options)
{
    return 1058 * readingSpacingFactor(options);
}

} // namespace

QString sentenceLabel(int row, const Row& cells)
{
    const QString& word = cells[RowField::FirstWord];
    return circledNumber(row) + word + (word.isEmpty() ? QString() : QStringLiteral("▼"));
}

void drawSentenceVertical(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, 20, input.font, kPortrait);
    drawVerticalHeader(s, input.page.heading, kTitle);
    drawVerticalRuledBody(s);
    s.setFontSize(input.options.printFontSize);
    for (int k = 0; k < kRowsPerPage; ++k)
        printCharacters(s, sentenceLabel(k + 1, input.page.rows[k]), 300, 1850 + 1058 * 1.4 * k,
                        labelPitch(input.options), 0);
}

void drawSentenceHorizontal(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, 20, input.font, kLandscape);
    drawHorizontalHeader(s, input.page.heading, kTitle);
    drawHorizontalRuledBody(s);
    s.setFontSize(30);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        const Row& cells = input.page.rows[row - 1];
        const double x =
            cells[RowField::FirstWord].isEmpty() ? 500 + 1058 * 1.5 * k : 800 + 1058 * 1.45 * k;
        printCharacters(s, sentenceLabel(row, cells), x, 600, 0, labelPitch(input.options));
    }
}

} // namespace kakitori
