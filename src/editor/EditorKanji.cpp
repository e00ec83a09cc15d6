// The kanji panel's flows: the wide and narrow views, grades, halves and the reading search,
// placing a clicked kanji into the working page and taking it out, and the arrangement board.
#include "editor/Editor.h"

namespace kakitori {

namespace {

constexpr double kNarrowWidth = 9700;
constexpr double kWideWidth = 12300;

// The menus the arrangement board disables.
constexpr MenuEntry kBoardDisabledMenus[] = {MenuEntry::FileMenu,        MenuEntry::ToolMenu,
                                             MenuEntry::PrintOptionMenu, MenuEntry::EditToolMenu,
                                             MenuEntry::OptionMenu,      MenuEntry::FuriganaMenu,
                                             MenuEntry::LimitMenu,       MenuEntry::HelpMenu};

constexpr Command kReferenceSheets[] = {Command::ListTable, Command::PracticeBook};
constexpr Command kWideViewButtons[] = {Command::Publisher, Command::PourIn};

} // namespace

void Editor::updateReferenceButtons()
{
    for (Command c : kReferenceSheets)
        setButton(c, m_kanji.holdsKanji(), m_kanji.holdsKanji());
}

void Editor::toggleView()
{
    ToolButtonState& panel = m_state.button(Command::KanjiPanel);
    if (panel.picture == ToolPicture::KanjiWide) {
        leaveWideView();
        return;
    }
    panel.picture = ToolPicture::KanjiWide;
    panel.hasTooltip = false;
    m_state.padVisible.fill(false);
    for (Command c : kWideViewButtons)
        setButton(c, true, true);
    m_state.windowWidth = kWideWidth;
    m_kanji.enterWideView();
    if (m_state.rows[0].rowNumber.isEmpty())
        startBlankPage(m_state.pageListEntries.isEmpty() ? 1 : m_problem.pageCount() + 1);
    m_state.watermarkVisible = false;
    m_state.pageListColour =
        m_state.pageListText.isEmpty() ? PageListColour::Yellow : PageListColour::White;
    updateReferenceButtons();
}

void Editor::setNarrowView()
{
    // The narrow window as it was before the wide one: no panel buttons, the arrow pad back.
    m_state.windowWidth = kNarrowWidth;
    for (Command c : kWideViewButtons)
        setButton(c, false, false);
    for (Command c : kReferenceSheets)
        setButton(c, false, false);
    m_kanji.leaveWideView(120);
    m_grid.showPadOfKeyType();
}

void Editor::leaveWideView()
{
    m_state.button(Command::KanjiPanel).picture = ToolPicture::KanjiSingle;
    m_state.button(Command::KanjiPanel).hasTooltip = false;
    setNarrowView();
    m_kanji.leaveWideView(200);
}

void Editor::showKanjiGrade(int grade)
{
    const ChangeScope scope(*this);
    if (grade < 1 || grade > 6)
        return;
    m_kanji.showGrade(grade, m_state.status.publisher);
    if (m_state.arrangementMode)
        for (const ToolButtonInfo& info : toolButtons())
            if (info.command != Command::Count)
                m_state.button(info.command).enabled = info.command == Command::Exit;
    emit publisherWindowCloseRequested();
    updateReferenceButtons();
}

void Editor::switchKanjiHalf()
{
    const ChangeScope scope(*this);
    m_kanji.switchHalf();
    updateReferenceButtons();
}

void Editor::setSearchReading(bool onReading)
{
    const ChangeScope scope(*this);
    m_kanji.setSearchReading(onReading);
}

void Editor::searchKanji(const QString& text)
{
    const ChangeScope scope(*this);
    m_kanji.search(text);
    updateReferenceButtons();
}

void Editor::choosePublisher(const QString& choice)
{
    const ChangeScope scope(*this);
    m_state.status.publisher = choice;
}

bool Editor::placeKanji(const KanjiBrowser::Cell& cell)
{
    for (int row = 1; row <= kRowsPerPage; ++row) {
        if (!m_grid.cells().rows[row - 1][RowField::FirstWord].isEmpty())
            continue;
        setCell(row, RowField::FirstWord, cell.text);
        setCell(row, RowField::FirstReading, cell.tooltip);
        m_unsaved = m_unsaved || m_pages.pageShown();
        return true;
    }
    return false;
}

bool Editor::takeOutKanji(const QString& kanji)
{
    for (int row = 1; row <= kRowsPerPage; ++row) {
        if (m_grid.cells().rows[row - 1][RowField::FirstWord] != kanji)
            continue;
        setCell(row, RowField::FirstWord, QString());
        setCell(row, RowField::FirstReading, QString());
        m_unsaved = m_unsaved || m_pages.pageShown();
        return true;
    }
    return false;
}

void Editor::clickKanjiCell(int n)
{
    const ChangeScope scope(*this);
    if (!m_kanji.isClickable(n))
        return;
    if (m_state.arrangementMode) {
        m_kanji.boardClick(n);
        return;
    }
    const bool unregistered = m_state.pageListColour == PageListColour::Yellow;
    m_pages.setEditingIndicator(unregistered ? QStringLiteral("見出しを登録してください")
                                             : QStringLiteral("編集中"));
    m_state.editingIndicatorVisible = true;
    KanjiBrowser::Cell& cell = m_kanji.cell(n);
    // A second click takes the kanji out again; each cell keeps its own colour.
    if (cell.marked) {
        cell.marked = false;
        if (m_kanji.isWhite(n) || takeOutKanji(cell.text))
            return;
    }
    if (placeKanji(cell))
        cell.marked = true;
}

void Editor::enterArrangement()
{
    m_kanji.enterBoard();
    for (const ToolButtonInfo& info : toolButtons())
        if (info.command != Command::Count)
            m_state.button(info.command).enabled = info.command == Command::Exit;
    setButton(Command::Publisher, true, true);
    for (MenuEntry menu : kBoardDisabledMenus)
        m_state.entry(menu).enabled = false;
    m_state.windowWidth = kWideWidth;
    m_state.canvasHeight = kBoardCanvasHeight;
    m_state.watermarkVisible = false;
    m_state.caption = QStringLiteral("くみたて坊");
}

void Editor::leaveArrangement()
{
    if (m_state.visibleKanjiCells > 0) {
        m_kanji.leaveBoard();
        m_state.windowWidth = kNarrowWidth;
        m_state.canvasHeight = kEditorCanvasHeight;
        for (Command c : {Command::Open, Command::NewFile, Command::AddPage, Command::KanjiPanel,
                          Command::ManuscriptPaper, Command::Font, Command::Help, Command::Exit})
            m_state.button(c).enabled = true;
        for (MenuEntry menu : kBoardDisabledMenus)
            m_state.entry(menu).enabled = true;
        m_state.registrationVisible = false;
        for (Command c :
             {Command::ListTable, Command::PracticeBook, Command::Publisher, Command::PourIn})
            m_state.button(c).visible = false;
        m_grid.showPadOfKeyType();
        // The window is narrow again, so button 12 shows the narrow view's picture: its next
        // press widens the window.
        m_state.button(Command::KanjiPanel).picture = ToolPicture::KanjiSingle;
        m_state.button(Command::KanjiPanel).hasTooltip = false;
    }
    m_state.caption = QStringLiteral("2020筆丸さん");
}

void Editor::setArrangementText(const QString& text)
{
    const ChangeScope scope(*this);
    m_kanji.setBoardText(text);
}

void Editor::setSpreadsheetSeparators(bool on)
{
    const ChangeScope scope(*this);
    m_kanji.setSpreadsheetSeparators(on);
}

void Editor::saveArrangement()
{
    const ChangeScope scope(*this);
    const auto path = m_dialogs.chooseFileToSave(
        QString(), QStringLiteral("csvファイル(*.csv) (*.csv);;テキストファイル(*.txt) (*.txt)"));
    if (!path)
        return;
    if (const QString error = m_kanji.exportBoard(*path); !error.isEmpty())
        m_dialogs.inform(QStringLiteral("エラー"), error, EditorDialogs::Icon::Warning);
}

void Editor::readArrangement()
{
    const ChangeScope scope(*this);
    const auto path = m_dialogs.chooseFileToOpen(
        m_state.spreadsheetSeparators ? QStringLiteral("エクセル用ファイル(*.csv) (*.csv)")
                                      : QStringLiteral("テキストファイル(*.txt) (*.txt)"));
    if (!path)
        return;
    if (const QString error = m_kanji.importBoard(*path); !error.isEmpty())
        m_dialogs.inform(QStringLiteral("エラー"), error, EditorDialogs::Icon::Warning);
}

} // namespace kakitori
