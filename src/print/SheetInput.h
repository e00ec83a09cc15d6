#pragma once

#include "data/Characters.h"
#include "data/Page.h"

#include <QStringList>

#include <array>

namespace kakitori {

// The print options held by the main window.
struct PrintOptions {
    bool writingFrames = true;         // "あり（ふりがなと枠）"
    bool narrowReadingSpacing = false; // "狭い": reading spacing 15/35 instead of 20/35
    bool twoSheetReading = false;      // "読み方２枚１組"
    int printFontSize = 25;
    bool answerKeys = false; // "解答も印刷": a key page after each writing test and reading sheet
};

// What a sheet layout draws from: the print page, the font chosen for the job, the five-cell
// switches that decide second frames, and the options. Layouts never change it.
struct SheetInput {
    Page page;
    QString font;
    std::array<bool, kRowsPerPage> switches{};
    PrintOptions options;
    bool answerKey = false; // this drawing is the key: the answers in red in their places
};

// A page as it prints once chosen: each row's five-cell switch on when the row has a second part.
SheetInput sheetInputFor(const Page& page, const PrintOptions& options);

// "①" … "⑩" for rows 1..10.
QString circledNumber(int row);

// The text with leading and trailing half-width blanks removed.
QString trimHalfWidthBlanks(const QString& text);

} // namespace kakitori
