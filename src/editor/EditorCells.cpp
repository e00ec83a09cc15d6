// The row grid: the cursor, the edit box and its reading fill, the row layout, the character
// limit, the five-cell switches and cursor movement by Enter, the arrow pad and the arrow keys.
#include "editor/Editor.h"

#include "data/Characters.h"

namespace kakitori {

namespace {

int rowLength(const Row& row)
{
    int length = 0;
    for (RowField f : {RowField::Lead, RowField::FirstWord, RowField::Middle, RowField::SecondWord,
                       RowField::Tail})
        length += characterCount(row[f]);
    return length;
}

QString fullWidthNumber(int n)
{
    QString digits = QString::number(n);
    for (QChar& c : digits)
        c = QChar(char16_t(c.unicode() - u'0' + u'０'));
    return digits;
}

RowField readingOf(RowField word)
{
    return word == RowField::FirstWord ? RowField::FirstReading : RowField::SecondReading;
}

// Pad pictures: up, down, left, right, centre.
enum Pad { PadUp, PadDown, PadLeft, PadRight, PadCentre };

} // namespace

int Editor::characterLimit() const
{
    return m_narrowSpacing ? 22 : m_limitChoice;
}

bool Editor::downOnlyPad() const
{
    return !m_state.padVisible[PadUp] && m_state.padVisible[PadDown];
}

RowSwitches Editor::rowSwitches() const
{
    RowSwitches switches{};
    for (int i = 0; i < kRowsPerPage; ++i)
        switches[i] = m_state.rows[i].switchOn;
    return switches;
}

void Editor::resetGrid()
{
    for (GridRowState& r : m_state.rows)
        r.background = colours::kCell;
    m_state.cellsEnabled = true;
}

void Editor::moveCursor(CellPosition to)
{
    resetGrid();
    m_state.cursor = to;
    m_state.editBoxColour = colours::kCell[static_cast<int>(to.kind)];
    m_state.editBoxText = m_state.cells.rows[to.row - 1][to.kind];
    m_state.lengthShown = characterCount(m_state.editBoxText);
    m_reading.reset();
}

void Editor::relayoutRow(int row)
{
    m_state.rows[row - 1].geometry =
        kakitori::layoutRow(row, m_state.cells.rows[row - 1], m_measure);
}

void Editor::setCell(int row, RowField kind, const QString& text)
{
    QString& cell = m_state.cells.rows[row - 1][kind];
    if (cell == text)
        return;
    cell = text;
    if (isWordCell(kind))
        m_wordChanged = true;
    relayoutRow(row);
    writeBackWorkingPage();
    if (kind != RowField::FirstReading)
        checkLimit();
}

void Editor::writeBackWorkingPage()
{
    if (!m_pageShown || m_workingPage < 0)
        return;
    if (m_state.statusPanels[1] != fontForWriting(m_state.statusPanels[1]))
        setFontPanel(fontForWriting(m_state.statusPanels[1]));
    Page page = m_state.cells;
    page.heading = m_state.headingLabel;
    page.font = m_state.statusPanels[1];
    m_problem.writeBack(m_workingPage, page);
}

void Editor::checkLimit()
{
    const int limit = characterLimit();
    for (int i = 0; i < kRowsPerPage; ++i) {
        GridRowState& r = m_state.rows[i];
        const Row& row = m_state.cells.rows[i];
        r.length = rowLength(row);
        if (r.length > limit) {
            r.background.fill(colours::kOverLimit);
            m_dialogs.beep();
        } else {
            r.rowNumberColour =
                row.isEmpty() ? colours::kRowNumberEmpty : colours::kRowNumberFilled;
            r.background = colours::kCell;
        }
    }
    m_printPage.rows = m_state.cells.rows;
    m_printPage.heading = m_state.pageListText;
    enterEditingState();
    setSavingEnabled();
}

void Editor::setSwitch(int row, bool on)
{
    m_state.rows[row - 1].switchOn = on;
    emit focusRequested(FocusTarget::EditBox);
    moveCursor({row, on ? RowField::SecondWord : RowField::Lead});
    m_state.rows[row - 1].switchTooltip = QStringLiteral("３マス表示ボタン");
}

void Editor::updateIndicator()
{
    m_state.editingIndicator = QStringLiteral("　編集中（文字制限") +
                               fullWidthNumber(characterLimit()) + QStringLiteral("字）");
}

void Editor::setLimit(int limit, MenuEntry entry)
{
    if (m_narrowSpacing)
        setSpacing(false);
    m_limitChoice = limit;
    tick({MenuEntry::Limit10, MenuEntry::Limit15, MenuEntry::Limit17}, entry);
    updateIndicator();
}

void Editor::setSpacing(bool narrow)
{
    m_narrowSpacing = narrow;
    tick({MenuEntry::SpacingNormal, MenuEntry::SpacingNarrow},
         narrow ? MenuEntry::SpacingNarrow : MenuEntry::SpacingNormal);
    updateIndicator();
}

void Editor::setKeyType(KeyType type)
{
    tick({MenuEntry::KeysHard, MenuEntry::KeysSoft, MenuEntry::KeysDownOnly},
         type == KeyType::Hard   ? MenuEntry::KeysHard
         : type == KeyType::Soft ? MenuEntry::KeysSoft
                                 : MenuEntry::KeysDownOnly);
    switch (type) {
    case KeyType::Hard:
        m_state.padVisible.fill(false);
        m_arrowKeysActive = true;
        break;
    case KeyType::Soft:
        m_state.padVisible.fill(true);
        m_arrowKeysActive = false;
        break;
    case KeyType::DownOnly:
        for (int hidden : {PadUp, PadLeft, PadRight})
            m_state.padVisible[hidden] = false;
        break;
    }
}

void Editor::clickCell(int row, RowField kind)
{
    if (row < 1 || row > kRowsPerPage || !m_state.cellsEnabled)
        return;
    if (isSecondPart(kind) && !m_state.rows[row - 1].switchOn)
        return; // hidden cells take no clicks
    emit focusRequested(FocusTarget::EditBox);
    moveCursor({row, kind});
    notify();
}

void Editor::toggleFiveCellSwitch(int row)
{
    if (row < 1 || row > kRowsPerPage || !m_state.switchesEnabled)
        return;
    setSwitch(row, !m_state.rows[row - 1].switchOn);
    notify();
}

void Editor::inputMethodEvent(const QString& preedit, const QString& commit)
{
    m_reading.inputMethodEvent(preedit, commit);
}

void Editor::editBoxEdited(const QString& text)
{
    if (!m_state.editBoxEnabled || !m_pageShown)
        return;
    const CellPosition at = m_state.cursor;
    const bool changedText = m_state.cells.rows[at.row - 1][at.kind] != text;
    m_state.editBoxText = text;
    setCell(at.row, at.kind, text);
    if (isWordCell(at.kind) && m_wordChanged)
        setCell(at.row, readingOf(at.kind), text.isEmpty() ? QString() : m_reading.reading());
    checkLimit();
    m_wordChanged = false;
    if (changedText)
        m_unsaved = true;
    m_state.lengthShown = characterCount(text);
    notify();
}

void Editor::editBoxEnter()
{
    if (!m_state.editBoxEnabled)
        return;
    const bool pass = m_state.entry(MenuEntry::PassReading).checked;
    const EnterResult result = enterTarget(m_state.cursor, rowSwitches(), pass, downOnlyPad());
    if (downOnlyPad()) {
        moveCursor(result.target);
    } else if (result.move == EnterMove::NewPage) {
        if (m_state.pageListEntries.isEmpty())
            startBlankPage(1);
        else if (m_dialogs.ask(QStringLiteral("確認"), QStringLiteral("新しいページに移動しますか"),
                               EditorDialogs::Icon::Question))
            startBlankPage(m_problem.pageCount() + 1);
    } else {
        moveCursor(result.target);
    }
    notify();
}

void Editor::arrowPad(Arrow arrow)
{
    if (!m_state.cellsEnabled)
        return;
    if (const auto target = padTarget(arrow, m_state.cursor, rowSwitches())) {
        moveCursor(*target);
        notify();
    }
}

bool Editor::arrowKey(Arrow arrow)
{
    if (!m_arrowKeysActive)
        return false;
    const auto target = keyTarget(arrow, m_state.cursor);
    if (!target)
        return false;
    moveCursor(*target);
    notify();
    return true;
}

} // namespace kakitori
