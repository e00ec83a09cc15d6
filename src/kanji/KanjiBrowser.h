#pragma once

#include "kanji/GradeTables.h"
#include "kanji/ReadingSearch.h"

#include <array>

namespace kakitori {

// Colours as 0xRRGGBB of the screen.
using BrowserColour = quint32;

// The colour of a grade (its grade button's), 1..6; white for any other.
BrowserColour gradeColour(int grade);

// The panel of 220 kanji cells: a grade of the current table in two halves of 110, or the
// results of a reading search.
class KanjiBrowser {
public:
    static constexpr int kCells = 220;
    static constexpr int kHalf = 110;

    struct Cell {
        QString text;
        QString tooltip;
        BrowserColour background = 0xFFFFFF;
        bool marked = false;
    };

    explicit KanjiBrowser(const GradeTables& tables = GradeTables::builtIn()) : m_tables(tables) {}

    // Fills the cells with grade g of the table a choice text names, tooltips by reading kind.
    void showGrade(int grade, const QString& choice, ReadingKind tooltips);
    // Fills the cells with the matches of a reading search; no grade is shown afterwards. Returns
    // why the text is not a usable pattern (the cells are then empty), or nothing.
    std::optional<QString> showSearch(ReadingKind kind, const QString& text);
    // Exchanges the halves; the marks stay with the cell positions.
    void switchHalf();

    const std::array<Cell, kCells>& cells() const { return m_cells; }
    std::array<Cell, kCells>& cells() { return m_cells; }
    int shownGrade() const { return m_grade; } // 0 for none
    QString halfSwitchCaption() const;

private:
    void clear(BrowserColour colour);

    const GradeTables& m_tables;
    std::array<Cell, kCells> m_cells{};
    int m_grade = 0;
    bool m_secondHalf = false;
};

} // namespace kakitori
