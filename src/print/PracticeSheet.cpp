#include "print/PracticeSheet.h"

#include "print/SheetParts.h"

namespace kakitori {

namespace {

const QString kTitle = QStringLiteral("漢字練習");
constexpr double kSquare = 1058;
constexpr double kRowPitch = 1058 * 1.4;   // 1481.2
constexpr double kStrip = 1058 * 4 / 10.0; // 423.2

} // namespace

void drawPracticeVertical(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, 20, input.font, kPortrait);
    drawVerticalHeader(s, input.page.heading, kTitle);

    const double gridRight = kSquare * 10 + 200;   // 10780
    const double gridBottom = kSquare * 14 + 1400; // 16212
    for (int i = 0; i <= 10; ++i)
        s.line(200, 1400 + kRowPitch * i, gridRight, 1400 + kRowPitch * i, kBlack);
    for (int i = 0; i <= 10; ++i)
        s.line(200 + kSquare * i, 1400, 200 + kSquare * i, gridBottom, kBlack);
    for (int i = 0; i <= 9; ++i)
        s.line(200, 1800 + kRowPitch * i, gridRight, 1800 + kRowPitch * i, kBlack);

    s.setFontSize(45);
    for (int k = 0; k < kRowsPerPage; ++k)
        printCharacters(s, input.page.rows[k][RowField::FirstWord], 300, 1850 + kRowPitch * k,
                        kSquare, 0);
    s.setFontSize(15);
    for (int k = 0; k < kRowsPerPage; ++k)
        printCharacters(s, input.page.rows[k][RowField::FirstReading], 300, 1500 + kRowPitch * k,
                        300, 0);
}

void drawPracticeHorizontal(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, 20, input.font, kLandscape);
    drawHorizontalHeader(s, input.page.heading, kTitle);

    const double gridRight = kSquare * 14;         // 14812
    const double gridBottom = kSquare * 11 - 1050; // 10588
    for (int i = 0; i <= 10; ++i)
        s.line(0, kSquare * i, gridRight, kSquare * i, kBlack);
    for (int i = 0; i <= 10; ++i)
        s.line(kRowPitch * i, 0, kRowPitch * i, gridBottom, kBlack);
    for (int i = 1; i <= 10; ++i)
        s.line(kRowPitch * i - kStrip, 0, kRowPitch * i - kStrip, gridBottom, kBlack);

    s.setFontSize(45);
    for (int i = 0; i < kRowsPerPage; ++i)
        printCharacters(s, input.page.rows[kRowsPerPage - 1 - i][RowField::FirstWord],
                        100 + kRowPitch * i, 100, 0, 1050);
    s.setFontSize(15);
    for (int i = 0; i < kRowsPerPage; ++i)
        printCharacters(s, input.page.rows[kRowsPerPage - 1 - i][RowField::FirstReading],
                        1100 + kRowPitch * i, 200, 0, 300);
}

} // namespace kakitori
