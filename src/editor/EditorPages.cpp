// The page flows: choosing a page, starting a blank page and registering its heading, adding a
// page.
#include "data/PageLine.h"
#include "editor/Editor.h"

namespace kakitori {

void Editor::choosePage(int index)
{
    const ChangeScope scope(*this);
    if (index < 0 || index >= m_problem.pageCount())
        return;
    // The edit box is emptied as display only: the page being left keeps its cells.
    m_state.editBoxText.clear();
    m_state.status.page = QStringLiteral(" %1頁").arg(index + 1);

    Page page;
    const LineFill fill = fillPageFromLine(page, m_problem.line(index));
    if (!m_fontPersistent && fill.hasFont)
        setPrintFont(page.font);
    m_grid.setRowNumbers(index);
    page.heading = m_state.pageListEntries.value(index);
    m_grid.fill(page);
    m_pages.showPage(index, page.heading);
    if (fill.complete) {
        for (int row = 1; row <= kRowsPerPage; ++row)
            if (page.rows[row - 1].hasSecondPart())
                switchOn(row, true);
        setPrintFont(page.font);
        m_state.hintArrowBlinking = false;
        checkLimit();
    }
    m_state.editBoxEnabled = true;
    m_state.cellsEnabled = true;
    // Looking at a page never rewrites its line: only a change of a cell does.
    m_state.hintArrowVisible = false;
    moveCursor(m_state.cursor);
    m_grid.setWordChanged(false);
}

void Editor::setPageListText(const QString& text)
{
    const ChangeScope scope(*this);
    m_pages.setText(text);
}

void Editor::pageListEnter()
{
    const ChangeScope scope(*this);
    if (m_pages.blankPending()) {
        registerPending(false);
        return;
    }
    // No blank page waits for a heading: Enter only returns to the page being edited.
    if (m_pages.pageShown())
        requestFocus(FocusTarget::EditBox);
}

void Editor::registerHeading()
{
    const ChangeScope scope(*this);
    if (m_pages.blankPending() && m_state.registrationVisible && m_state.registrationEnabled)
        registerPending(true);
}

void Editor::registerPending(bool fromButton)
{
    if (m_problem.isFull()) {
        m_dialogs.inform(QStringLiteral("確認メッセージ"),
                         QStringLiteral("ひとつのファイルに入れられるのは%1頁までです。"
                                        "新しいファイルを作ってください。")
                             .arg(Problem::kMaxPages),
                         EditorDialogs::Icon::Information);
        return;
    }
    enterEditingState();
    setSavingEnabled();
    const int index = m_problem.pageCount();
    m_state.status.page = QStringLiteral(" %1頁").arg(index + 1);
    m_grid.setRowNumbers(index);
    m_problem.addPage(m_pages.headingToRegister(), m_printFont);
    m_pages.registered(index, m_problem.headings(), fromButton);
    m_state.hintArrowBlinking = false;
    m_state.hintArrowVisible = false;
    m_unsaved = true;
    m_state.cells.heading = m_state.headingLabel;
    writeBackWorkingPage();
    // The edit box is enabled before it takes the focus, so the next key lands in the first cell
    // and not in the page list's text.
    m_state.editBoxEnabled = true;
    moveCursor({1, RowField::Lead});
    requestFocus(FocusTarget::EditBox);
}

void Editor::startBlankPage(int pageNumber)
{
    m_state.editBoxEnabled = false;
    m_pages.startBlankPage(pageNumber);
    m_grid.clearForBlankPage(pageNumber - 1);
    requestFocus(FocusTarget::PageList);
}

void Editor::addPageCommand(Origin origin)
{
    enterEditingState();
    if (m_problem.isFull()) {
        m_dialogs.inform(QStringLiteral("確認メッセージ"),
                         QStringLiteral("ひとつのファイルに入れられるのは%1頁までです。")
                             .arg(Problem::kMaxPages),
                         EditorDialogs::Icon::Information);
        return;
    }
    const bool empty = m_state.pageListEntries.isEmpty();
    startBlankPage(empty ? 1 : m_problem.pageCount() + 1);
    if (origin == Origin::Toolbar && empty) {
        m_state.status.file = QStringLiteral("ファイル");
        if (m_printFont.isEmpty())
            setPrintFont(kDefaultFontName);
    }
}

} // namespace kakitori
