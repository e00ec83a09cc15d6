#include "editor/RowGridModel.h"

#include "data/Characters.h"

namespace kakitori {

namespace {

int lengthOf(const Row& row)
{
    int length = 0;
    for (RowField f : {RowField::Lead, RowField::FirstWord, RowField::Middle, RowField::SecondWord,
                       RowField::Tail})
        length += characterCount(row[f]);
    return length;
}

// Pad pictures: up, down, left, right, centre.
enum Pad { PadUp, PadDown, PadLeft, PadRight, PadCentre };

} // namespace

RowSwitches RowGridModel::switches() const
{
    RowSwitches switches{};
    for (int i = 0; i < kRowsPerPage; ++i)
        switches[i] = m_state.rows[i].switchOn;
    return switches;
}

void RowGridModel::relayoutRow(int row)
{
    m_state.rows[row - 1].geometry = layoutRow(row, m_state.cells.rows[row - 1], m_measure);
}

void RowGridModel::fill(const Page& page)
{
    m_state.cells = page;
    for (int row = 1; row <= kRowsPerPage; ++row)
        relayoutRow(row);
}

void RowGridModel::setRowNumbers(int pageIndex)
{
    for (int row = 1; row <= kRowsPerPage; ++row)
        m_state.rows[row - 1].rowNumber = QStringLiteral(" %1").arg(10 * pageIndex + row);
}

void RowGridModel::clearForBlankPage(int pageIndex)
{
    setRowNumbers(pageIndex);
    m_state.cells = Page{};
    for (int row = 1; row <= kRowsPerPage; ++row) {
        m_state.rows[row - 1].rowNumberColour = colours::kRowNumberEmpty;
        m_state.rows[row - 1].switchOn = false;
        relayoutRow(row);
    }
    m_state.cellsEnabled = true;
    moveCursor({1, RowField::Lead});
    m_state.editBoxText.clear();
}

bool RowGridModel::setCell(int row, RowField kind, const QString& text)
{
    QString& cell = m_state.cells.rows[row - 1][kind];
    if (cell == text)
        return false;
    cell = text;
    if (isWordCell(kind))
        m_wordChanged = true;
    relayoutRow(row);
    return true;
}

int RowGridModel::checkLimit(int limit)
{
    int over = 0;
    for (int i = 0; i < kRowsPerPage; ++i) {
        GridRowState& r = m_state.rows[i];
        const Row& row = m_state.cells.rows[i];
        r.length = lengthOf(row);
        if (r.length > limit) {
            r.background.fill(colours::kOverLimit);
            ++over;
        } else {
            r.rowNumberColour =
                row.isEmpty() ? colours::kRowNumberEmpty : colours::kRowNumberFilled;
            r.background = colours::kCell;
        }
    }
    return over;
}

void RowGridModel::setSwitch(int row, bool on)
{
    m_state.rows[row - 1].switchOn = on;
    moveCursor({row, on ? RowField::SecondWord : RowField::Lead});
    m_state.rows[row - 1].switchTooltip = QStringLiteral("３マス表示ボタン");
}

bool RowGridModel::isVisible(CellPosition at) const
{
    return at.row >= 1 && at.row <= kRowsPerPage && !(isSecondPart(at.kind) && !switchOn(at.row));
}

void RowGridModel::resetColours()
{
    for (GridRowState& r : m_state.rows)
        r.background = colours::kCell;
    m_state.cellsEnabled = true;
}

void RowGridModel::moveCursor(CellPosition to)
{
    resetColours();
    m_state.cursor = to;
    m_state.editBoxColour = colours::kCell[static_cast<int>(to.kind)];
    m_state.editBoxText = m_state.cells.rows[to.row - 1][to.kind];
    m_reading.reset();
}

void RowGridModel::inputMethodEvent(const QString& preedit, const QString& commit)
{
    m_reading.inputMethodEvent(preedit, commit);
}

void RowGridModel::setKeyType(KeyType type)
{
    m_keyType = type;
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

void RowGridModel::showPadOfKeyType()
{
    m_state.padVisible.fill(m_keyType == KeyType::Soft);
    if (m_keyType == KeyType::DownOnly)
        m_state.padVisible[PadDown] = m_state.padVisible[PadCentre] = true;
}

bool RowGridModel::downOnlyPad() const
{
    return !m_state.padVisible[PadUp] && m_state.padVisible[PadDown];
}

EnterResult RowGridModel::enterMove(bool passReading) const
{
    return enterTarget(m_state.cursor, switches(), passReading, downOnlyPad());
}

bool RowGridModel::pad(Arrow arrow)
{
    if (!m_state.cellsEnabled)
        return false;
    const auto target = padTarget(arrow, m_state.cursor, switches());
    if (target)
        moveCursor(*target);
    return target.has_value();
}

bool RowGridModel::key(Arrow arrow)
{
    if (!m_arrowKeysActive)
        return false;
    const auto target = keyTarget(arrow, m_state.cursor, switches());
    if (target)
        moveCursor(*target);
    return target.has_value();
}

} // namespace kakitori
