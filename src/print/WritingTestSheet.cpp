#include "print/WritingTestSheet.h"

#include "print/SheetParts.h"

namespace kakitori {

namespace {

const QString kTitle = QStringLiteral("テスト・漢字書き取り");

QString blankOf(const QString& word)
{
    return QString(2 * characterCount(word), QChar(0x3000));
}

struct RowCounts {
    int lead, firstWord, middle, secondWord;
};

RowCounts countsOf(const Row& row)
{
    return {characterCount(row[RowField::Lead]), characterCount(row[RowField::FirstWord]),
            characterCount(row[RowField::Middle]), characterCount(row[RowField::SecondWord])};
}

// A word's writing frame; its characters follow one another along x (vertical layout) or y.
struct WordFrame {
    QString word;
    double x1, y1, x2, y2;
    bool alongX;
};

// An empty word gets no frame: its zero-width frame would print as a stray line across the row.
void addFrame(QList<WordFrame>& frames, const QString& word, double x1, double y1, double x2,
              double y2, bool alongX)
{
    if (characterCount(word) > 0)
        frames.append({word, x1, y1, x2, y2, alongX});
}

// The answer key writes each word in its frame at the size of the practice sheet's models, one
// character a cell, each centred across the frame.
void drawAnswers(PrintSurface& s, const QList<WordFrame>& frames)
{
    constexpr double kModelSize = 45, kModelEm = kModelSize * 20;
    s.setFontSize(kModelSize);
    for (const WordFrame& f : frames) {
        const int n = characterCount(f.word);
        if (f.alongX) {
            const double cell = (f.x2 - f.x1) / n;
            printAnswer(s, f.word, f.x1 + (cell - kModelEm) / 2,
                        f.y1 + (f.y2 - f.y1 - kModelEm) / 2, cell, 0);
        } else {
            const double cell = (f.y2 - f.y1) / n;
            printAnswer(s, f.word, f.x1 + (f.x2 - f.x1 - kModelEm) / 2,
                        f.y1 + (cell - kModelEm) / 2, 0, cell);
        }
    }
}

void drawFrames(PrintSurface& s, const QList<WordFrame>& frames)
{
    for (const WordFrame& f : frames)
        s.box(f.x1, f.y1, f.x2, f.y2, kBlack);
}

} // namespace

QString writingTestRowLine(int row, const Row& cells)
{
    return circledNumber(row) + cells[RowField::Lead] + blankOf(cells[RowField::FirstWord]) +
           cells[RowField::Middle] + blankOf(cells[RowField::SecondWord]) + cells[RowField::Tail];
}

void drawWritingTestVertical(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, 20, input.font, kPortrait);
    const double w = s.scaleWidth();
    drawVerticalHeader(s, input.page.heading, kTitle);

    s.setFontSize(20);
    for (int k = 0; k < kRowsPerPage; ++k) {
        printCharacters(s, writingTestRowLine(k + 1, input.page.rows[k]), 300, 1850 + 1481.2 * k,
                        550.16, 0);
    }

    QList<WordFrame> frames;
    for (int k = 0; k < kRowsPerPage; ++k) {
        const Row& row = input.page.rows[k];
        const RowCounts n = countsOf(row);
        const double top = 1600 + 1500.0 * k, bottom = 2500 + 1500.0 * k;
        const double first = 800 + 550.0 * n.lead;
        addFrame(frames, row[RowField::FirstWord], first, top, first + 1100.0 * n.firstWord, bottom,
                 true);
        if (input.switches[k]) {
            const double second = first + 1100.0 * n.firstWord + 550.0 * n.middle;
            addFrame(frames, row[RowField::SecondWord], second, top, second + 1100.0 * n.secondWord,
                     bottom, true);
        }
    }
    if (input.options.writingFrames)
        drawFrames(s, frames);

    s.setFontSize(15);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const Row& row = input.page.rows[k];
        const RowCounts n = countsOf(row);
        const double y = 1300 + 1481.2 * k;
        printCharacters(s, trimHalfWidthBlanks(row[RowField::FirstReading]),
                        1000 + 550.0 * n.lead + 300, y, 300, 0);
        const double secondStart = 1000 + 550.0 * n.lead + 1100.0 * n.firstWord + 550.0 * n.middle;
        printCharacters(s, trimHalfWidthBlanks(row[RowField::SecondReading]), secondStart + 300, y,
                        300, 0);
    }

    if (input.answerKey)
        drawAnswers(s, frames);
    s.setFontSize(10);
    s.setCurrentX(w - 2000);
    s.setCurrentY(0);
}

void drawWritingTestHorizontal(PrintSurface& s, const SheetInput& input)
{
    setUpWorksheet(s, 20, input.font, kLandscape);
    const double w = s.scaleWidth();
    drawHorizontalHeader(s, input.page.heading, kTitle);

    s.setFontSize(20);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        printCharacters(s, writingTestRowLine(row, input.page.rows[row - 1]), 600 + 1500.0 * k, 300,
                        0, 550);
    }

    // Where each row's first and second frame begin down the column.
    const auto firstTop = [](const RowCounts& n) {
        return n.lead == 0 ? 1000.0 : 700 + 550.0 * n.lead;
    };
    const auto secondTop = [](const RowCounts& n) {
        return 700 + 550.0 * (n.lead + 2 * n.firstWord + n.middle);
    };

    QList<WordFrame> frames;
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        const Row& cells = input.page.rows[row - 1];
        const RowCounts n = countsOf(cells);
        const double left = 300 + 1500.0 * k, right = 1400 + 1500.0 * k;
        const double top = firstTop(n);
        const double length = n.lead == 0 ? 1000.0 * n.firstWord : 1100.0 * n.firstWord;
        addFrame(frames, cells[RowField::FirstWord], left, top, right, top + length, false);
        if (input.switches[row - 1]) {
            const double t = secondTop(n);
            addFrame(frames, cells[RowField::SecondWord], left, t, right, t + 1100.0 * n.secondWord,
                     false);
        }
    }
    if (input.options.writingFrames)
        drawFrames(s, frames);

    s.setFontSize(15);
    for (int k = 0; k < kRowsPerPage; ++k) {
        const int row = kRowsPerPage - k;
        const Row& cells = input.page.rows[row - 1];
        const RowCounts n = countsOf(cells);
        const double x = 1400 + 1500.0 * k;
        printCharacters(s, cells[RowField::FirstReading], x, 700 + 550.0 * n.lead, 0, 300);
        printCharacters(s, cells[RowField::SecondReading], x, secondTop(n), 0, 300);
    }

    if (input.answerKey)
        drawAnswers(s, frames);
    s.setFontSize(10);
    printAt(s, w - 1400, 10600, input.page.heading);
}

} // namespace kakitori
