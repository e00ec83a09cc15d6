#pragma once

#include "editor/EditorState.h"
#include "editor/ReadingCapture.h"

namespace kakitori {

// The ten rows of the working page: their cells and layout, the five-cell switches, the
// character limit's colours, the cursor with the edit box that mirrors it, the reading of the
// last conversion, and where Enter, the arrow pad and the arrow keys move the cursor.
class RowGridModel {
public:
    RowGridModel(RowGridState& state, CellMeasure measure)
        : m_state(state), m_measure(std::move(measure))
    {
    }

    const Page& cells() const { return m_state.cells; }
    RowSwitches switches() const;

    // Shows a page: every cell and layout, nothing of the page before. The heading is kept apart.
    void fill(const Page& page);
    void clearForBlankPage(int pageIndex);
    void setRowNumbers(int pageIndex);

    // Sets a cell and lays its row out again; false when it held the text already. A word that
    // changes marks its reading for the next fill from the input method.
    bool setCell(int row, RowField kind, const QString& text);
    // Colours every row by the limit: red past it, else by emptiness. Returns how many rows are
    // past it.
    int checkLimit(int limit);
    int rowLength(int row) const { return m_state.rows[row - 1].length; }

    void setSwitch(int row, bool on);
    bool switchOn(int row) const { return m_state.rows[row - 1].switchOn; }
    bool isVisible(CellPosition at) const;

    void moveCursor(CellPosition to);
    void resetColours();

    // The input method's events and the reading they leave for the word cell at the cursor.
    void inputMethodEvent(const QString& preedit, const QString& commit);
    const QString& reading() const { return m_reading.reading(); }
    bool wordChanged() const { return m_wordChanged; }
    void setWordChanged(bool changed) { m_wordChanged = changed; }

    // The key type shows and hides pad arrows; the arrow keys move the cursor from the hard type
    // on until the soft type is chosen.
    void setKeyType(KeyType type);
    KeyType keyType() const { return m_keyType; }
    // The arrow pad as the key type shows it, after the wide view or the board hid it.
    void showPadOfKeyType();
    // The down-only pad: its down arrow alone is shown.
    bool downOnlyPad() const;
    // The cursor moves; each lands on a visible cell of the row grid or does not move.
    EnterResult enterMove(bool passReading) const;
    bool pad(Arrow arrow);
    bool key(Arrow arrow);

private:
    void relayoutRow(int row);

    RowGridState& m_state;
    CellMeasure m_measure;
    ReadingCapture m_reading;
    bool m_wordChanged = true;
    KeyType m_keyType = KeyType::Soft;
    bool m_arrowKeysActive = false;
};

} // namespace kakitori
