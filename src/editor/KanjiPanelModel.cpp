#include "editor/KanjiPanelModel.h"

#include "data/TextExport.h"

namespace kakitori {

void KanjiPanelModel::showGrade(int grade, const QString& textbookChoice)
{
    m_browser.showGrade(grade, textbookChoice, tooltips());
}

void KanjiPanelModel::search(const QString& text)
{
    m_state.searchHint = m_browser.showSearch(tooltips(), text).value_or(kSearchHint);
}

void KanjiPanelModel::clearCells(int count)
{
    for (int i = 0; i < count; ++i) {
        m_browser.cells()[i].text.clear();
        m_browser.cells()[i].tooltip.clear();
    }
}

void KanjiPanelModel::enterWideView()
{
    m_state.wideView = true;
    m_state.visibleKanjiCells = KanjiBrowser::kHalf;
    for (KanjiBrowser::Cell& cell : m_browser.cells())
        cell.background = 0xFFFFFF;
}

void KanjiPanelModel::leaveWideView(int cleared)
{
    m_state.wideView = false;
    m_state.visibleKanjiCells = 0;
    clearCells(cleared);
}

void KanjiPanelModel::enterBoard()
{
    m_state.arrangementMode = true;
    m_state.visibleKanjiCells = KanjiBrowser::kCells;
}

void KanjiPanelModel::leaveBoard()
{
    m_state.arrangementMode = false;
    m_state.wideView = false;
    m_state.visibleKanjiCells = 0;
    clearCells(210);
}

void KanjiPanelModel::boardClick(int n)
{
    KanjiBrowser::Cell& c = cell(n);
    if (isWhite(n)) {
        c.marked = false;
        return;
    }
    c.marked = true;
    m_state.arrangementText +=
        c.text + (m_state.spreadsheetSeparators ? QStringLiteral(",") : QString());
}

QString KanjiPanelModel::exportBoard(const QString& path) const
{
    return appendTextExport(path, m_state.arrangementText);
}

QString KanjiPanelModel::importBoard(const QString& path)
{
    const TextImport read = readTextImport(path);
    if (!read.ok())
        return read.error;
    QString text;
    for (const QString& line : read.lines)
        text += line + QStringLiteral("\r\n");
    m_state.arrangementText = text;
    return {};
}

} // namespace kakitori
