#include "print/WritingTestSheet.h"

namespace kakitori {

namespace {

const QString kTitle = QStringLiteral("テスト・漢字書き取り");
constexpr PrintColour kBlack = 0;

QString blankOf(const QString& word)
{
    return QString(2 * characterCount(word), QChar(0x3000));
}

void printAt(PrintSurface& s, double x, double y, const QString& text)
{
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.print(text);
}

struct RowCounts {
    int lead, firstWord, middle, secondWord;
};

RowCounts countsOf(const Row& row)
{
    return {characterCount(row[RowField::Lead]), characterCount(row[RowField::FirstWord]),
            characterCount(row[RowField::Middle]), characterCount(row[RowField::SecondWord])};
}

// An empty word gets no frame: its zero-width frame would print as a stray line across the row.
void frame(PrintSurface& s, int wordLength, double x1, double y1, double x2, double y2)
{
    if (wordLength > 0)
        s.box(x1, y1, x2, y2, kBlack);
}

void setUp(PrintSurface& s, const SheetInput& input, int orientation)
{
    s.setFontSize(20);
    s.setFontName(input.font);
    s.setPaperSize(kPaperA4);
    s.setOrientation(orientation);
    s.setDrawStyle(0);
}

} // namespace

QString writingTestRowLine(int row, const Row& cells)
{
    return circledNumber(row) + cells[RowField::Lead] + blankOf(cells[RowField::FirstWord]) +
           cells[RowField::Middle] + blankOf(cells[RowField::SecondWord]) + cells[RowField::Tail];
}

void drawWritingTestVertical(PrintSurface& s, const SheetInput& input)
{
    setUp(s, input, kPortrait);
    const double w = s.scaleWidth();
    s.line(200, 200, w - 850, 200, kBlack);
    s.line(w - 850, 200, w - 850, 1200, kBlack);
    s.line(w - 850, 1200, 200, 1200, kBlack);
    s.line(200, 1200, 200, 200, kBlack);

    s.setFontSize(20);
    printAt(s, 5130, 300, QStringLiteral("名"));
    printAt(s, 5630, 300, QStringLiteral("前"));
    const QStringList heading = characters(input.page.heading);
    for (int j = 0; j < heading.size(); ++j)
        printAt(s, 230 + 500.0 * j, 230, heading[j]);
    s.setFontSize(10);
    const QStringList title = characters(kTitle);
    for (int j = 0; j < title.size(); ++j)
        printAt(s, 350 + 300.0 * j, 800, title[j]);

    s.setFontSize(20);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const QStringList line = characters(writingTestRowLine(k + 1, input.page.rows[k]));
        for (int c = 0; c < line.size(); ++c)
            printAt(s, 300 + 550.16 * c, 1850 + 1481.2 * k, line[c]);
    }

    if (input.options.writingFrames) {
        for (int k = 0; k < kRowsPerPage; ++k) {
            const RowCounts n = countsOf(input.page.rows[k]);
            const double top = 1600 + 1500.0 * k, bottom = 2500 + 1500.0 * k;
            const double first = 800 + 550.0 * n.lead;
            frame(s, n.firstWord, first, top, first + 1100.0 * n.firstWord, bottom);
            if (input.switches[k]) {
                const double second = first + 1100.0 * n.firstWord + 550.0 * n.middle;
                frame(s, n.secondWord, second, top, second + 1100.0 * n.secondWord, bottom);
            }
        }
    }

    s.setFontSize(15);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const Row& row = input.page.rows[k];
        const RowCounts n = countsOf(row);
        const double y = 1300 + 1481.2 * k;
        const QStringList first = characters(trimHalfWidthBlanks(row[RowField::FirstReading]));
        for (int i = 0; i < first.size(); ++i)
            printAt(s, 1000 + 550.0 * n.lead + 300.0 * (i + 1), y, first[i]);
        const QStringList second = characters(trimHalfWidthBlanks(row[RowField::SecondReading]));
        const double secondStart = 1000 + 550.0 * n.lead + 1100.0 * n.firstWord + 550.0 * n.middle;
        for (int i = 0; i < second.size(); ++i)
            printAt(s, secondStart + 300.0 * (i + 1), y, second[i]);
    }

    s.setFontSize(10);
    s.setCurrentX(w - 2000);
    s.setCurrentY(0);
}

void drawWritingTestHorizontal(PrintSurface& s, const SheetInput& input)
{
    setUp(s, input, kLandscape);
    const double w = s.scaleWidth();
    s.line(w - 1200, 200, w - 100, 200, kBlack);
    s.line(w - 1200, 200, w - 1200, 10500, kBlack);
    s.line(w - 1200, 10500, w - 100, 10500, kBlack);
    s.line(w - 100, 10500, w - 100, 200, kBlack);

    s.setFontSize(20);
    printAt(s, w - 700, 6000, QStringLiteral("名"));
    printAt(s, w - 700, 6500, QStringLiteral("前"));
    const QStringList heading = characters(input.page.heading);
    for (int j = 0; j < heading.size(); ++j)
        printAt(s, w - 700, 500 + 500.0 * j, heading[j]);
    s.setFontSize(10);
    const QStringList title = characters(kTitle);
    for (int j = 0; j < title.size(); ++j)
        printAt(s, w - 1000, 500 + 300.0 * j, title[j]);

    s.setFontSize(20);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        const QStringList line = characters(writingTestRowLine(row, input.page.rows[row - 1]));
        for (int c = 0; c < line.size(); ++c)
            printAt(s, 600 + 1500.0 * k, 300 + 550.0 * c, line[c]);
    }

    // Where each row's first and second frame begin down the column.
    const auto firstTop = [](const RowCounts& n) {
        return n.lead == 0 ? 1000.0 : 700 + 550.0 * n.lead;
    };
    const auto secondTop = [](const RowCounts& n) {
        return 700 + 550.0 * (n.lead + 2 * n.firstWord + n.middle);
    };

    if (input.options.writingFrames) {
        for (int k = 0; k < kRowsPerPage; ++k) {
            const int row = kRowsPerPage - k;
            const RowCounts n = countsOf(input.page.rows[row - 1]);
            const double left = 300 + 1500.0 * k, right = 1400 + 1500.0 * k;
            const double top = firstTop(n);
            const double length = n.lead == 0 ? 1000.0 * n.firstWord : 1100.0 * n.firstWord;
            frame(s, n.firstWord, left, top, right, top + length);
            if (input.switches[row - 1]) {
                const double t = secondTop(n);
                frame(s, n.secondWord, left, t, right, t + 1100.0 * n.secondWord);
            }
        }
    }

    s.setFontSize(15);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        const Row& cells = input.page.rows[row - 1];
        const RowCounts n = countsOf(cells);
        const double x = 1400 + 1500.0 * k;
        const QStringList first = characters(cells[RowField::FirstReading]);
        for (int i = 0; i < first.size(); ++i)
            printAt(s, x, 700 + 550.0 * n.lead + 300.0 * i, first[i]);
        const QStringList second = characters(cells[RowField::SecondReading]);
        for (int i = 0; i < second.size(); ++i)
            printAt(s, x, secondTop(n) + 300.0 * i, second[i]);
    }

    s.setFontSize(10);
    printAt(s, w - 1400, 10600, input.page.heading);
}

} // namespace kakitori
