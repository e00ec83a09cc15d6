#include "print/ReadingSheet.h"

#include "print/SheetParts.h"

namespace kakitori {

namespace {

const QString kTitle = QStringLiteral("読み方");
constexpr double kRowPitch = 1058 * 1.4; // 1481.2

// Circled number, lead text, first word, middle text; with the second part, the whole sentence.
QString rowText(const QString& number, const Row& row, bool secondPart)
{
    QString text = number + row[RowField::Lead] + row[RowField::FirstWord] + row[RowField::Middle];
    if (secondPart)
        text += row[RowField::SecondWord] + row[RowField::Tail];
    return text;
}

// A row as the sheet prints it, one character a Print from (x, y) stepping (dx, dy); on the key
// each word's reading follows in red beside its word, where the pupil writes it: above the row
// in the vertical layout (right of its column once the sheet is turned), right of the column in
// the horizontal one.
void printRow(PrintSurface& s, const SheetInput& input, const QString& number, const Row& row,
              bool secondPart, double x, double y, double dx, double dy)
{
    printCharacters(s, rowText(number, row, secondPart), x, y, dx, dy);
    if (!input.answerKey)
        return;
    constexpr double kReadingSize = 15, kReadingEm = kReadingSize * 20;
    const double size = input.options.printFontSize;
    const int first = characterCount(number) + characterCount(row[RowField::Lead]);
    const int second =
        first + characterCount(row[RowField::FirstWord]) + characterCount(row[RowField::Middle]);
    s.setFontSize(kReadingSize);
    const auto place = [&](int index, const QString& reading) {
        const QString text = trimHalfWidthBlanks(reading);
        if (dx != 0)
            printAnswer(s, text, x + dx * index, y - kReadingEm - 50, kReadingEm, 0);
        else
            printAnswer(s, text, x + size * 20 + 50, y + dy * index, 0, kReadingEm);
    };
    place(first, row[RowField::FirstReading]);
    if (secondPart)
        place(second, row[RowField::SecondReading]);
    s.setFontSize(size);
}

void drawVerticalBodyFrame(PrintSurface& s)
{
    const double w = s.scaleWidth(), h = s.scaleHeight();
    s.line(200, h / 11 - 100, w - 850, h / 11 - 100, kBlack);
    s.line(200, h - 100, w - 850, h - 100, kBlack);
    s.line(w - 850, h / 11 - 100, w - 850, h - 100, kBlack);
    s.line(200, h - 100, 200, h / 11 - 100, kBlack);
}

void drawHorizontalBodyFrame(PrintSurface& s)
{
    const double u = s.scaleWidth() - 1300, d = u / 10;
    s.line(u, 10500, u, 200, kBlack);
    s.line(u - 11 * d, 10500, u - 11 * d, 200, kBlack);
    s.line(u - 11 * d, 200, u, 200, kBlack);
    s.line(u - 11 * d, 10500, u, 10500, kBlack);
}

// One page of the vertical two-sheet set: rows first, first + 2, … as ① to ⑤.
void drawVerticalHalf(PrintSurface& s, const SheetInput& input, int firstRow, const QString& part)
{
    const int size = input.options.printFontSize;
    drawVerticalHeader(s, input.page.heading + part, kTitle);
    drawVerticalRuledBody(s);
    s.setFontSize(size);
    for (int k = 0; k < 5; ++k) {
        const Row& row = input.page.rows[firstRow - 1 + 2 * k];
        printRow(s, input, circledNumber(k + 1), row, false, 300, 1850 + 2 * k * kRowPitch,
                 readingPitch(input.options), 0);
    }
}

// One page of the horizontal two-sheet set: rows firstRow … firstRow + 4 from the left, numbered
// ⑤ to ① so that they read ① to ⑤ from the right.
void drawHorizontalHalf(PrintSurface& s, const SheetInput& input, int firstRow)
{
    drawHorizontalHeader(s, input.page.heading, kTitle, 500);
    drawHorizontalRuledBody(s);
    s.setFontSize(input.options.printFontSize);
    for (int k = 0; k < 5; ++k) {
        const Row& row = input.page.rows[firstRow - 1 + k];
        printRow(s, input, circledNumber(5 - k), row, false, 500 + (2 * k + 1) * kRowPitch, 600, 0,
                 readingPitch(input.options));
    }
}

} // namespace

double readingSpacingFactor(const PrintOptions& options)
{
    return options.narrowReadingSpacing ? 15.0 / 35 : 20.0 / 35;
}

double readingPitch(const PrintOptions& options)
{
    return 1058 * readingSpacingFactor(options) * options.printFontSize / 25;
}

void drawReadingVertical(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, input.options.printFontSize, input.font, kPortrait);
    if (input.options.twoSheetReading) {
        drawVerticalHalf(s, input, 1, QStringLiteral("その一"));
        s.newPage();
        drawVerticalHalf(s, input, 2, QStringLiteral("その二"));
        return;
    }
    drawVerticalHeader(s, input.page.heading, kTitle);
    drawVerticalBodyFrame(s);
    s.setFontSize(input.options.printFontSize);
    for (int k = 0; k < kRowsPerPage; ++k)
        printRow(s, input, circledNumber(k + 1), input.page.rows[k], false, 300,
                 1850 + kRowPitch * k, readingPitch(input.options), 0);
}

void drawReadingHorizontal(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, input.options.printFontSize, input.font, kLandscape);
    if (input.options.twoSheetReading) {
        drawHorizontalHalf(s, input, 1);
        s.newPage();
        drawHorizontalHalf(s, input, 6);
        return;
    }
    drawHorizontalHeader(s, input.page.heading, kTitle, 500);
    s.setFontSize(input.options.printFontSize);
    drawHorizontalBodyFrame(s);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        printRow(s, input, circledNumber(row), input.page.rows[row - 1], true, 1000 + kRowPitch * k,
                 600, 0, readingPitch(input.options));
    }
}

} // namespace kakitori
