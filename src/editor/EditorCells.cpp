// The row grid's events: clicks, the five-cell switches, the edit box with its reading fill,
// Enter, the arrow pad and the arrow keys; every cell change is written back at once.
#include "editor/Editor.h"

#include "data/Characters.h"

namespace kakitori {

namespace {

RowField readingOf(RowField word)
{
    return word == RowField::FirstWord ? RowField::FirstReading : RowField::SecondReading;
}

} // namespace

void Editor::moveCursor(CellPosition to)
{
    m_grid.moveCursor(to);
}

void Editor::setCell(int row, RowField kind, const QString& text)
{
    if (!m_grid.setCell(row, kind, text))
        return;
    writeBackWorkingPage();
    if (kind != RowField::FirstReading)
        checkLimit();
}

void Editor::writeBackWorkingPage()
{
    if (!m_pages.pageShown() || m_pages.workingPage() < 0)
        return;
    if (m_printFont != fontForWriting(m_printFont))
        setPrintFont(fontForWriting(m_printFont));
    Page page = m_grid.cells();
    page.heading = m_state.headingLabel;
    page.font = m_printFont;
    m_problem.writeBack(m_pages.workingPage(), page);
}

void Editor::checkLimit()
{
    for (int over = m_grid.checkLimit(characterLimit()); over > 0; --over)
        m_dialogs.beep();
    enterEditingState();
    setSavingEnabled();
}

void Editor::switchOn(int row, bool on)
{
    requestFocus(FocusTarget::EditBox);
    m_grid.setSwitch(row, on);
}

void Editor::clickCell(int row, RowField kind)
{
    const ChangeScope scope(*this);
    if (!m_state.cellsEnabled || !m_grid.isVisible({row, kind}))
        return; // hidden cells take no clicks
    requestFocus(FocusTarget::EditBox);
    moveCursor({row, kind});
}

void Editor::toggleFiveCellSwitch(int row)
{
    const ChangeScope scope(*this);
    if (row < 1 || row > kRowsPerPage || !m_state.switchesEnabled)
        return;
    switchOn(row, !m_grid.switchOn(row));
}

void Editor::inputMethodEvent(const QString& preedit, const QString& commit)
{
    m_grid.inputMethodEvent(preedit, commit);
}

void Editor::editBoxEdited(const QString& text)
{
    const ChangeScope scope(*this);
    if (!m_state.editBoxEnabled || !m_pages.pageShown())
        return;
    const CellPosition at = m_state.cursor;
    const bool changedText = m_grid.cells().rows[at.row - 1][at.kind] != text;
    m_state.editBoxText = text;
    setCell(at.row, at.kind, text);
    if (isWordCell(at.kind) && m_grid.wordChanged())
        setCell(at.row, readingOf(at.kind), text.isEmpty() ? QString() : m_grid.reading());
    checkLimit();
    m_grid.setWordChanged(false);
    if (changedText)
        m_unsaved = true;
}

void Editor::editBoxEnter()
{
    const ChangeScope scope(*this);
    if (!m_state.editBoxEnabled)
        return;
    const EnterResult result = m_grid.enterMove(m_passReading);
    if (result.move != EnterMove::NewPage || m_grid.downOnlyPad())
        moveCursor(result.target);
    else if (m_state.pageListEntries.isEmpty())
        startBlankPage(1);
    else if (m_dialogs.ask(QStringLiteral("確認"), QStringLiteral("新しいページに移動しますか"),
                           EditorDialogs::Icon::Question))
        startBlankPage(m_problem.pageCount() + 1);
}

void Editor::arrowPad(Arrow arrow)
{
    const ChangeScope scope(*this);
    m_grid.pad(arrow);
}

bool Editor::arrowKey(Arrow arrow)
{
    const ChangeScope scope(*this);
    return m_grid.key(arrow);
}

} // namespace kakitori
