#pragma once

#include "editor/EditorState.h"
#include "kanji/KanjiBrowser.h"

namespace kakitori {

// The kanji panel of the wide view and the arrangement board: the browser's cells by grade or
// reading search, the half switch, which cells are shown, and the board's free text with its
// text files. Placing a kanji into the page belongs to the editor, which owns the page.
class KanjiPanelModel {
public:
    explicit KanjiPanelModel(KanjiPanelState& state,
                             const GradeTables& tables = GradeTables::builtIn())
        : m_state(state), m_browser(tables)
    {
    }

    const KanjiBrowser& browser() const { return m_browser; }
    KanjiBrowser::Cell& cell(int n) { return m_browser.cells()[n]; }
    // A shown cell that a click reaches.
    bool isClickable(int n) const { return n >= 0 && n < m_state.visibleKanjiCells; }
    // Header cells (the syllabary's kana) and empty ones are white and place nothing.
    bool isWhite(int n) const { return m_browser.cells()[n].background == 0xFFFFFF; }
    // The reference sheets print the browser's kanji: they are offered once it holds some.
    bool holdsKanji() const { return !m_browser.cells()[1].text.isEmpty(); }

    void showGrade(int grade, const QString& textbookChoice);
    void switchHalf() { m_browser.switchHalf(); }
    void setSearchReading(bool onReading) { m_state.searchOnReading = onReading; }
    void search(const QString& text);

    void enterWideView();
    // Back to the narrow window: no cell shown, the first `cleared` cells emptied.
    void leaveWideView(int cleared);

    void enterBoard();
    void leaveBoard();
    // A click on the board: a coloured cell's kanji joins the text (with a comma for a
    // spreadsheet), a white cell loses its mark.
    void boardClick(int n);
    void setBoardText(const QString& text) { m_state.arrangementText = text; }
    void setSpreadsheetSeparators(bool on) { m_state.spreadsheetSeparators = on; }
    // Appends the board's text to a text or CSV file; an error message or empty.
    QString exportBoard(const QString& path) const;
    // Replaces the board's text by a file's lines; an error message or empty.
    QString importBoard(const QString& path);

private:
    ReadingKind tooltips() const
    {
        return m_state.searchOnReading ? ReadingKind::On : ReadingKind::Kun;
    }
    void clearCells(int count);

    KanjiPanelState& m_state;
    KanjiBrowser m_browser;
};

} // namespace kakitori
