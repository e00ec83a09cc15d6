// The kanji panel: the wide and narrow views, grades and halves, the reading search, placing a
// clicked kanji into the working page, and the arrangement board with its text files.
#include "editor/Editor.h"

#include "data/Characters.h"
#include "data/TextExport.h"

namespace kakitori {

namespace {

constexpr double kNarrowWidth = 9700;
constexpr double kWideWidth = 12300;

// The menus the arrangement board disables.
constexpr MenuEntry kBoardDisabledMenus[] = {MenuEntry::FileMenu,        MenuEntry::ToolMenu,
                                             MenuEntry::PrintOptionMenu, MenuEntry::EditToolMenu,
                                             MenuEntry::OptionMenu,      MenuEntry::FuriganaMenu,
                                             MenuEntry::LimitMenu,       MenuEntry::HelpMenu};

} // namespace

bool Editor::isEntryEnabled(MenuEntry entry) const
{
    for (MenuEntry e = entry; e != MenuEntry::Count; e = menuEntryInfo(e).parent)
        if (!m_state.entry(e).enabled)
            return false;
    return true;
}

void Editor::updateReferenceButtons()
{
    // The reference sheets print the browser's kanji: they are offered once it holds some.
    const bool filled = !m_browser.cells()[1].text.isEmpty();
    for (int b : {23, 24}) {
        m_state.toolButtons[b].visible = filled;
        m_state.toolButtons[b].enabled = filled;
    }
}

void Editor::toggleView()
{
    if (m_state.toolButtons[12].picture == ToolPicture::KanjiWide) {
        leaveWideView();
        notify();
        return;
    }
    ToolButtonState& twelve = m_state.toolButtons[12];
    twelve.picture = ToolPicture::KanjiWide;
    twelve.hasTooltip = false;
    m_state.padVisible.fill(false);
    m_state.pageListColour = PageListColour::Yellow;
    for (int b : {25, 27}) {
        m_state.toolButtons[b].visible = true;
        m_state.toolButtons[b].enabled = true;
    }
    m_state.windowWidth = kWideWidth;
    m_state.wideView = true;
    m_state.visibleKanjiCells = KanjiBrowser::kHalf;
    for (KanjiBrowser::Cell& cell : m_browser.cells())
        cell.background = 0xFFFFFF;
    if (m_state.rows[0].rowNumber.isEmpty())
        startBlankPage(m_state.pageListEntries.isEmpty() ? 1 : m_problem.pageCount() + 1);
    m_state.watermarkVisible = false;
    m_state.pageListColour =
        m_state.pageListText.isEmpty() ? PageListColour::Yellow : PageListColour::White;
    updateReferenceButtons();
    notify();
}

void Editor::setNarrowView()
{
    m_state.windowWidth = kNarrowWidth;
    m_state.wideView = false;
    for (int b : {25, 27}) {
        m_state.toolButtons[b].visible = false;
        m_state.toolButtons[b].enabled = false;
    }
    m_state.toolButtons[23].enabled = false;
    m_state.toolButtons[24].enabled = false;
    m_state.visibleKanjiCells = 0;
    for (int i = 0; i < 120; ++i)
        m_browser.cells()[i].text.clear();
}

void Editor::leaveWideView()
{
    for (int b : {23, 24, 25, 27})
        m_state.toolButtons[b].visible = false;
    m_state.toolButtons[12].picture = ToolPicture::KanjiSingle;
    m_state.toolButtons[12].hasTooltip = false;
    setNarrowView();
    m_state.padVisible.fill(true);
    for (int i = 0; i < 200; ++i) {
        m_browser.cells()[i].text.clear();
        m_browser.cells()[i].tooltip.clear();
    }
}

void Editor::showKanjiGrade(int grade)
{
    if (grade < 1 || grade > 6)
        return;
    m_browser.showGrade(grade, m_state.statusPanels[4],
                        m_state.searchOnReading ? ReadingKind::On : ReadingKind::Kun);
    if (m_state.arrangementMode) {
        for (int b = 1; b <= kToolButtonCount; ++b)
            m_state.toolButtons[b].enabled = false;
        m_state.toolButtons[21].enabled = true;
    }
    emit publisherWindowCloseRequested();
    updateReferenceButtons();
    notify();
}

void Editor::switchKanjiHalf()
{
    m_browser.switchHalf();
    updateReferenceButtons();
    notify();
}

void Editor::setSearchReading(bool onReading)
{
    m_state.searchOnReading = onReading;
    notify();
}

void Editor::searchKanji(const QString& text)
{
    const auto error =
        m_browser.showSearch(m_state.searchOnReading ? ReadingKind::On : ReadingKind::Kun, text);
    m_state.searchHint = error.value_or(kSearchHint);
    updateReferenceButtons();
    notify();
}

void Editor::choosePublisher(const QString& choice)
{
    m_state.statusPanels[4] = choice;
    notify();
}

void Editor::placeKanji(int n)
{
    KanjiBrowser::Cell& cell = m_browser.cells()[n];
    for (int row = 1; row <= kRowsPerPage; ++row) {
        if (!m_state.cells.rows[row - 1][RowField::FirstWord].isEmpty())
            continue;
        cell.marked = true;
        setCell(row, RowField::FirstWord, cell.text);
        setCell(row, RowField::FirstReading, cell.tooltip);
        m_unsaved = m_unsaved || m_pageShown;
        return;
    }
}

void Editor::clickKanjiCell(int n)
{
    if (n < 0 || n >= KanjiBrowser::kCells || n >= m_state.visibleKanjiCells)
        return;
    KanjiBrowser::Cell& cell = m_browser.cells()[n];
    const bool white = cell.background == 0xFFFFFF;
    if (m_state.arrangementMode) {
        if (white) {
            cell.marked = false;
        } else {
            cell.marked = true;
            setArrangementText(m_state.arrangementText + cell.text +
                               (m_state.spreadsheetSeparators ? QStringLiteral(",") : QString()));
        }
        notify();
        return;
    }
    m_state.editingIndicator = m_state.pageListColour == PageListColour::Yellow
                                   ? QStringLiteral("見出しを登録してください")
                                   : QStringLiteral("編集中");
    if (cell.marked) {
        cell.marked = false;
        if (white) {
            notify();
            return;
        }
        cell.background = gradeColour(m_browser.shownGrade());
        for (int row = 1; row <= kRowsPerPage; ++row) {
            if (m_state.cells.rows[row - 1][RowField::FirstWord] != cell.text)
                continue;
            setCell(row, RowField::FirstWord, QString());
            setCell(row, RowField::FirstReading, QString());
            m_unsaved = m_unsaved || m_pageShown;
            notify();
            return;
        }
    }
    placeKanji(n);
    notify();
}

void Editor::enterArrangement()
{
    m_state.entry(MenuEntry::ArrangeGo).checked = true;
    m_state.arrangementMode = true;
    for (int b = 1; b <= kToolButtonCount; ++b)
        m_state.toolButtons[b].enabled = false;
    m_state.toolButtons[21].enabled = true;
    m_state.toolButtons[25].visible = true;
    m_state.toolButtons[25].enabled = true;
    for (MenuEntry menu : kBoardDisabledMenus)
        m_state.entry(menu).enabled = false;
    m_state.windowWidth = kWideWidth;
    m_state.canvasHeight = kBoardCanvasHeight;
    m_state.visibleKanjiCells = KanjiBrowser::kCells;
    m_state.watermarkVisible = false;
    m_state.caption = QStringLiteral("くみたて坊");
    m_state.lengthShown = characterCount(m_state.arrangementText);
    notify();
}

void Editor::leaveArrangement()
{
    if (m_state.visibleKanjiCells > 0) {
        m_state.arrangementMode = false;
        m_state.windowWidth = kNarrowWidth;
        m_state.canvasHeight = kEditorCanvasHeight;
        for (int b : {1, 2, 3, 12, 13, 14, 15, 19, 21})
            m_state.toolButtons[b].enabled = true;
        for (MenuEntry menu : kBoardDisabledMenus)
            m_state.entry(menu).enabled = true;
        m_state.visibleKanjiCells = 0;
        m_state.registrationVisible = false;
        for (int b : {23, 24, 25, 27})
            m_state.toolButtons[b].visible = false;
        for (int i = 0; i < 210; ++i) {
            m_browser.cells()[i].text.clear();
            m_browser.cells()[i].tooltip.clear();
        }
        m_state.wideView = false;
        m_state.padVisible.fill(true);
        m_state.lengthShown = characterCount(m_state.editBoxText);
        // The window is narrow again, so button 12 shows the narrow view's picture: its next
        // press widens the window.
        m_state.toolButtons[12].picture = ToolPicture::KanjiSingle;
        m_state.toolButtons[12].hasTooltip = false;
    }
    m_state.entry(MenuEntry::ArrangeGo).checked = false;
    m_state.caption = QStringLiteral("2020筆丸さん");
    notify();
}

void Editor::setArrangementText(const QString& text)
{
    m_state.arrangementText = text;
    m_state.lengthShown = characterCount(text);
    notify();
}

void Editor::setSpreadsheetSeparators(bool on)
{
    m_state.spreadsheetSeparators = on;
    notify();
}

void Editor::saveArrangement()
{
    const auto path = m_dialogs.chooseFileToSave(
        QString(), QStringLiteral("csvファイル(*.csv) (*.csv);;テキストファイル(*.txt) (*.txt)"));
    if (!path)
        return;
    const QString error = appendTextExport(*path, m_state.arrangementText);
    if (!error.isEmpty())
        m_dialogs.inform(QStringLiteral("エラー"), error, EditorDialogs::Icon::Warning);
}

void Editor::readArrangement()
{
    const auto path = m_dialogs.chooseFileToOpen(
        m_state.spreadsheetSeparators ? QStringLiteral("エクセル用ファイル(*.csv) (*.csv)")
                                      : QStringLiteral("テキストファイル(*.txt) (*.txt)"));
    if (!path)
        return;
    const TextImport read = readTextImport(*path);
    if (!read.ok()) {
        m_dialogs.inform(QStringLiteral("エラー"), read.error, EditorDialogs::Icon::Warning);
        return;
    }
    QString text;
    for (const QString& line : read.lines)
        text += line + QStringLiteral("\r\n");
    setArrangementText(text);
}

} // namespace kakitori
