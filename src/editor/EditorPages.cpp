// The page list: choosing a page, starting a blank page and registering its heading, and the
// new-file and add-page commands.
#include "data/PageLine.h"
#include "editor/Editor.h"

namespace kakitori {

namespace {

const QString kNoHeading = QStringLiteral("頁の見出し");
const QString kDefaultHeading = QStringLiteral("れんしゅう");

} // namespace

void Editor::setRowNumbers(int pageIndex)
{
    for (int row = 1; row <= kRowsPerPage; ++row)
        m_state.rows[row - 1].rowNumber = QStringLiteral(" %1").arg(10 * pageIndex + row);
}

void Editor::setPagePanel(int pageIndex)
{
    m_state.statusPanels[3] = QStringLiteral(" %1頁").arg(pageIndex + 1);
}

void Editor::choosePage(int index)
{
    if (index < 0 || index >= m_problem.pageCount())
        return;
    // The edit box is emptied as display only: the page being left keeps its cells.
    m_state.editBoxText.clear();
    m_workingPage = index;
    m_blankPending = false;
    m_state.registrationVisible = false;
    setPagePanel(index);

    const QString& line = m_problem.line(index);
    Page page;
    const LineFill fill = fillPageFromLine(page, line);
    if (m_state.entry(MenuEntry::FontTemporary).checked && fill.hasFont)
        setFontPanel(page.font);
    setRowNumbers(index);
    page.heading = m_state.pageListEntries.value(index);
    m_state.cells = page;
    for (int row = 1; row <= kRowsPerPage; ++row)
        relayoutRow(row);

    m_pageShown = true;
    if (fill.complete) {
        for (int row = 1; row <= kRowsPerPage; ++row)
            if (page.rows[row - 1].hasSecondPart())
                setSwitch(row, true);
        setFontPanel(page.font);
        m_state.hintArrowBlinking = false;
        checkLimit();
    }
    m_state.headingLabel = page.heading;
    m_state.pageListText = page.heading;
    m_state.editBoxEnabled = true;
    m_state.cellsEnabled = true;
    // Looking at a page never rewrites its line: only a change of a cell does.
    m_state.hintArrowVisible = false;
    moveCursor(m_state.cursor);
    m_wordChanged = false;
    notify();
}

void Editor::setPageListText(const QString& text)
{
    m_state.pageListText = text;
    notify();
}

void Editor::pageListEnter()
{
    if (m_blankPending) {
        registerPending(false);
        return;
    }
    // No blank page waits for a heading: Enter only returns to the page being edited.
    if (m_pageShown)
        emit focusRequested(FocusTarget::EditBox);
}

void Editor::registerHeading()
{
    if (m_blankPending && m_state.registrationVisible && m_state.registrationEnabled)
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
    if (m_state.pageListText.isEmpty())
        m_state.pageListText = kDefaultHeading;
    const int index = m_problem.pageCount();
    setPagePanel(index);
    m_workingPage = index;
    setRowNumbers(index);
    m_problem.addPage(m_state.pageListText, m_state.statusPanels[1]);
    m_state.pageListEntries = m_problem.headings();
    m_state.editBoxEnabled = true;
    if (fromButton) {
        m_state.registrationEnabled = false;
        m_state.registrationCaption = QStringLiteral("登録済み");
    } else {
        m_state.registrationVisible = false;
    }
    m_state.headingLabel = m_state.pageListText;
    m_state.pageListColour = PageListColour::White;
    m_state.hintArrowBlinking = false;
    m_state.hintArrowVisible = false;
    m_blankPending = false;
    m_pageShown = true;
    m_unsaved = true;
    m_state.cells.heading = m_state.headingLabel;
    writeBackWorkingPage();
    emit focusRequested(FocusTarget::EditBox);
    notify();
}

void Editor::startBlankPage(int pageNumber)
{
    m_state.pageListColour = PageListColour::Yellow;
    m_state.editBoxEnabled = false;
    m_state.registrationVisible = true;
    m_workingPage = pageNumber - 1;
    setRowNumbers(m_workingPage);
    m_state.cells = Page{};
    for (int row = 1; row <= kRowsPerPage; ++row) {
        m_state.rows[row - 1].rowNumberColour = colours::kRowNumberEmpty;
        m_state.rows[row - 1].switchOn = false;
        relayoutRow(row);
    }
    m_state.cellsEnabled = true;
    m_state.headingLabel = kNoHeading;
    m_pageShown = false;
    m_blankPending = true;
    moveCursor({1, RowField::Lead});
    m_state.pageListText.clear();
    m_state.editBoxText.clear();
    m_state.lengthShown = 0;
    m_state.registrationEnabled = true;
    m_state.registrationCaption = QStringLiteral("見出し登録");
    m_state.pageListEnabled = true;
    emit focusRequested(FocusTarget::PageList);
}

void Editor::newFileCommand(bool fromToolbar)
{
    const QString question = QStringLiteral("新規のデータを作成しますか？");
    if (m_unsaved) {
        if (!confirmDiscardChanges(question))
            return;
    } else if (fromToolbar && !m_state.pageListEntries.isEmpty() &&
               !m_dialogs.ask(QStringLiteral("新規作成確認"), question,
                              EditorDialogs::Icon::Warning)) {
        return;
    }
    // A new problem is empty: the pages of the one open before are not carried into it.
    m_problem = Problem();
    m_state.pageListEntries.clear();
    m_unsaved = false;
    m_pageShown = false;
    enterEditingState();
    startBlankPage(1);
    m_state.statusPanels[0] = QStringLiteral("ファイル");
    setFontPanel(m_storedFontName.isEmpty() ? kDefaultFontName : m_storedFontName);
    m_state.hintArrowBlinking = true;
    notify();
}

void Editor::addPageCommand(bool fromToolbar)
{
    enterEditingState();
    if (m_problem.isFull()) {
        m_dialogs.inform(QStringLiteral("確認メッセージ"),
                         QStringLiteral("ひとつのファイルに入れられるのは%1頁までです。")
                             .arg(Problem::kMaxPages),
                         EditorDialogs::Icon::Information);
        notify();
        return;
    }
    const bool empty = m_state.pageListEntries.isEmpty();
    startBlankPage(empty ? 1 : m_problem.pageCount() + 1);
    if (fromToolbar && empty) {
        m_state.statusPanels[0] = QStringLiteral("ファイル");
        if (m_state.statusPanels[1].isEmpty())
            setFontPanel(kDefaultFontName);
    }
    notify();
}

} // namespace kakitori
