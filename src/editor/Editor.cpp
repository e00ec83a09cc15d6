// The application shell: start-up, the editing state, open, save, fonts, exit, and the
// dispatch of toolbar buttons and menu entries.
#include "editor/Editor.h"

#include "data/ProblemFile.h"
#include "data/Settings.h"

#include "data/FontName.h"

#include <QFileInfo>

#include <cmath>

namespace kakitori {

namespace {

const QString kConfirmTitle = QStringLiteral("確認メッセージ");
const QString kErrorTitle = QStringLiteral("エラー");
const QString kOpenFilter = QStringLiteral("問題ファイル(*.moj)(*.mojx) (*.moj *.mojx)");
const QString kSaveFilter = QStringLiteral("問題ファイル(*.mojx) (*.mojx)");
const QString kNewProblemPanel = QStringLiteral("ファイル");

constexpr MenuEntry kPrintEntries[] = {MenuEntry::PrintThree, MenuEntry::PrintWriting,
                                       MenuEntry::PrintPractice, MenuEntry::PrintReading,
                                       MenuEntry::PrintSentence};
constexpr int kPrintButtons[] = {6, 7, 8, 9, 10};

} // namespace

QString aboutText()
{
    return QStringLiteral(
        "2020筆丸さんプラス　ｖ　1.1.4\n\n"
        "漢字の読みは KANJIDIC2 によります。\n"
        "KANJIDIC2 © Electronic Dictionary Research and Development Group (EDRDG), "
        "CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/)");
}

Editor::Editor(EditorDialogs& dialogs, CellMeasure measure, EditorEnvironment environment,
               QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_measure(std::move(measure)),
      m_env(std::move(environment))
{
    for (const ToolButtonInfo& info : toolButtons())
        m_state.toolButtons[info.index].picture = info.picture;
    for (MenuEntry ticked : {MenuEntry::WritingFrameOn, MenuEntry::TracingOff,
                             MenuEntry::SpacingNormal, MenuEntry::FontPersistent,
                             MenuEntry::KeysSoft, MenuEntry::PrinterNormal, MenuEntry::PassReading})
        m_state.entry(ticked).checked = true;
}

void Editor::startUp()
{
    m_state.entry(MenuEntry::SaveFile).enabled = false;
    for (MenuEntry e : kPrintEntries)
        m_state.entry(e).enabled = false;
    m_state.entry(MenuEntry::PrintOptionMenu).enabled = false;
    for (int hidden : {23, 24, 25, 27})
        m_state.toolButtons[hidden].visible = false;
    for (int disabled : {4, 3, 6, 7, 8, 9, 10, 25, 27, 17})
        m_state.toolButtons[disabled].enabled = false;
    m_state.windowWidth = 9700;

    const Settings settings = readSettings(m_env.settingsPath);
    m_kanaOffset1 = settings.kanaOffset1;
    m_kanaOffset2 = settings.kanaOffset2;
    m_storedFontName = settings.fontName;
    m_publisher = settings.publisher;
    m_password = settings.password;
    setFontPanel(m_storedFontName);
    m_state.statusPanels[4] = m_publisher;
    // The sliders show the saved offsets, which stay exactly as saved until a slider moves.
    m_state.kanaSliderVertical = std::clamp(int(std::lround(m_kanaOffset1 / 30)), -10, 10);
    m_state.kanaSliderHorizontal = std::clamp(int(std::lround(m_kanaOffset2 / 30)), -10, 10);

    setKeyType(KeyType::Soft);
    m_state.headingLabel = QStringLiteral("頁の見出し");
    for (int row = 1; row <= kRowsPerPage; ++row) {
        GridRowState& r = m_state.rows[row - 1];
        r.rowNumber.clear();
        r.switchOn = false;
        r.switchTooltip = QStringLiteral("５マス表示ボタン");
        relayoutRow(row);
    }
    setLimit(15, MenuEntry::Limit15);
    m_printFontSize = 25;
    setFontSizePanel(m_printFontSize);
    m_wordChanged = true;
    notify();
}

void Editor::enterEditingState()
{
    m_state.entry(MenuEntry::SaveFile).enabled = false;
    m_state.toolButtons[4].enabled = false;
    m_state.toolButtons[3].enabled = false;
    for (MenuEntry e : kPrintEntries)
        m_state.entry(e).enabled = true;
    m_state.entry(MenuEntry::PrintOptionMenu).enabled = true;
    for (int b : kPrintButtons)
        m_state.toolButtons[b].enabled = true;
    m_state.toolButtons[17].enabled = true;
    m_state.caption = QStringLiteral("2020筆丸さん");
    m_state.watermarkVisible = false;
    m_state.entry(MenuEntry::SampleDisplay).checked = false;
    m_state.pageListEnabled = true;
    m_state.switchesEnabled = true;
    for (GridRowState& r : m_state.rows)
        r.switchTooltip = QStringLiteral("５マス表示ボタン");
}

void Editor::setSavingEnabled()
{
    m_state.entry(MenuEntry::SaveFile).enabled = true;
    m_state.toolButtons[4].enabled = true;
    m_state.toolButtons[3].enabled = true;
}

void Editor::setFontPanel(const QString& font)
{
    m_state.statusPanels[1] = font;
}

void Editor::setFontSizePanel(int size)
{
    m_state.statusPanels[2] = QStringLiteral("フォントサイズ %1").arg(size);
}

bool Editor::confirmDiscardChanges(const QString& action)
{
    if (!m_unsaved)
        return true;
    return m_dialogs.ask(kConfirmTitle, QStringLiteral("保存されていない変更があります。") + action,
                         EditorDialogs::Icon::Warning);
}

void Editor::openCommand(bool fromToolbar)
{
    if (!confirmDiscardChanges(QStringLiteral("変更を保存せずにファイルを開きますか？")))
        return;
    enterEditingState();
    m_state.headingLabel = QStringLiteral("頁の見出し");
    resetGrid();
    if (const auto path = m_dialogs.chooseFileToOpen(kOpenFilter))
        openFile(*path);
    if (fromToolbar)
        m_state.hintArrowBlinking = true;
    notify();
}

bool Editor::openFile(const QString& path)
{
    const ProblemRead read = readProblemFile(path);
    if (!read.ok()) {
        m_dialogs.inform(kErrorTitle, read.error, EditorDialogs::Icon::Warning);
        notify();
        return false;
    }
    enterEditingState();
    m_dialogFileName = path;
    m_state.statusPanels[0] = QStringLiteral("作業ファイル:　") + QFileInfo(path).fileName();
    m_state.caption = QStringLiteral("2002筆丸さん　") + QFileInfo(path).absoluteFilePath();
    m_problem = Problem(read.lines);
    m_unsaved = false;
    m_pageShown = false;
    m_blankPending = false;
    m_workingPage = -1;
    m_state.registrationVisible = false;
    m_state.pageListEntries = m_problem.headings();
    m_state.pageListText.clear();
    m_state.cells = Page{};
    for (int row = 1; row <= kRowsPerPage; ++row)
        relayoutRow(row);
    m_state.pageListColour = PageListColour::White;
    m_state.editBoxText.clear();
    m_state.editBoxEnabled = false; // until a page is chosen: there is nothing to edit yet
    m_state.lengthShown = 0;
    setSavingEnabled(); // saving under another name needs no page chosen
    for (const QString& warning : read.warnings)
        m_dialogs.inform(kConfirmTitle, warning, EditorDialogs::Icon::Information);
    notify();
    return true;
}

void Editor::saveCommand(bool fromToolbar)
{
    if (fromToolbar) {
        if (m_state.registrationVisible && m_state.pageListColour == PageListColour::Yellow) {
            if (!m_dialogs.ask(
                    kConfirmTitle,
                    QStringLiteral("見出しが登録されていません\r\nこのまま保存しますか？"),
                    EditorDialogs::Icon::Information))
                return;
            m_state.pageListColour = PageListColour::White;
            m_state.pageListText = QStringLiteral("無題");
            m_state.headingLabel = QStringLiteral("無題");
        }
    } else if (m_state.headingLabel.isEmpty()) {
        m_dialogs.inform(kConfirmTitle, QStringLiteral("見出しを登録してください"),
                         EditorDialogs::Icon::Information);
        return;
    }
    saveProblem();
    m_state.entry(MenuEntry::OpenFile).enabled = true;
    if (fromToolbar) {
        m_state.toolButtons[2].enabled = true;
        m_state.toolButtons[3].enabled = true;
    } else {
        m_state.toolButtons[4].enabled = true;
        m_state.toolButtons[3].enabled = true;
    }
    notify();
}

bool Editor::saveProblem()
{
    QString name = m_dialogFileName;
    if (m_state.statusPanels[0] == kNewProblemPanel || name.isEmpty())
        name = defaultProblemFileName(m_env.workFolder, m_env.clock());
    const auto chosen = m_dialogs.chooseFileToSave(normalisedSaveName(name), kSaveFilter);
    if (!chosen)
        return false;
    m_dialogFileName = *chosen;
    if (QFileInfo::exists(*chosen) &&
        !m_dialogs.ask(kConfirmTitle, QStringLiteral("上書き保存します。よろしいですか？"),
                       EditorDialogs::Icon::Question)) {
        m_state.toolButtons[4].enabled = true;
        m_state.toolButtons[3].enabled = true;
        return false;
    }
    const bool sample = m_state.entry(MenuEntry::SampleDisplay).checked;
    const ProblemSave saved =
        saveProblemFile(*chosen, sample ? QList<TextLine>{{kSampleLine, {}}} : m_problem.lines());
    if (!saved.ok()) {
        m_dialogs.inform(kErrorTitle, saved.error, EditorDialogs::Icon::Warning);
        return false;
    }
    if (!saved.warning.isEmpty())
        m_dialogs.inform(kConfirmTitle, saved.warning, EditorDialogs::Icon::Warning);
    if (!sample) {
        m_state.statusPanels[0] = *chosen;
        m_unsaved = false;
    }
    return true;
}

void Editor::writeSettings(bool withPassword)
{
    Settings s;
    s.fontName = m_state.statusPanels[1];
    s.kanaOffset1 = m_kanaOffset1;
    s.kanaOffset2 = m_kanaOffset2;
    s.publisher = m_state.statusPanels[4];
    s.password = m_password;
    // The previous file stays whole when this fails; the teacher is told the choice is not kept.
    const QString error = kakitori::writeSettings(m_env.settingsPath, s,
                                                  withPassword ? SettingsForm::WithPassword
                                                               : SettingsForm::WithoutPassword);
    if (!error.isEmpty())
        m_dialogs.inform(kErrorTitle,
                         error + QStringLiteral("\n設定（フォントや教科書会社）は次の起動に"
                                                "引き継がれません。"),
                         EditorDialogs::Icon::Warning);
}

void Editor::applyFont(const QString& name, int printSize, bool writeFile)
{
    m_printFontSize = printSize;
    m_storedFontName = name;
    setFontPanel(m_storedFontName);
    setFontSizePanel(m_printFontSize);
    if (writeFile)
        writeSettings(false);
    // The shown page prints with the new font from now on.
    if (m_pageShown) {
        writeBackWorkingPage();
        m_unsaved = true;
    }
    notify();
}

void Editor::fontCommand()
{
    const auto chosen = m_dialogs.chooseFont(FontChoice{m_state.statusPanels[1], 25, false, false});
    if (!chosen)
        return;
    m_fontBold = chosen->bold;
    m_fontItalic = chosen->italic;
    applyFont(chosen->name, chosen->pointSize, true);
}

void Editor::fontSetting(bool persistent)
{
    tick({MenuEntry::FontPersistent, MenuEntry::FontTemporary},
         persistent ? MenuEntry::FontPersistent : MenuEntry::FontTemporary);
    notify();
    const auto chosen = m_dialogs.chooseFont(std::nullopt);
    if (!chosen)
        return;
    // The temporary setting prints at 26 points whatever size was chosen, and is not stored.
    applyFont(chosen->name, persistent ? chosen->pointSize : 26, persistent);
}

void Editor::exitCommand()
{
    if (confirmClose())
        emit quitRequested();
}

bool Editor::confirmClose()
{
    if (m_closeConfirmed)
        return true;
    if (m_unsaved &&
        !m_dialogs.ask(kConfirmTitle, QStringLiteral("保存されていませんが、終了しますか？"),
                       EditorDialogs::Icon::Warning))
        return false;
    m_closeConfirmed = true;
    return true;
}

void Editor::windowClosing()
{
    writeSettings(true);
}

void Editor::blinkTick()
{
    if (!m_state.hintArrowBlinking)
        return;
    m_state.hintArrowVisible = !m_state.hintArrowVisible;
    notify();
}

void Editor::tick(std::initializer_list<MenuEntry> group, MenuEntry chosen)
{
    for (MenuEntry e : group)
        m_state.entry(e).checked = e == chosen;
}

void Editor::triggerToolButton(int index)
{
    if (index < 1 || index > kToolButtonCount || isToolSeparator(index))
        return;
    const ToolButtonState& b = m_state.toolButtons[index];
    if (!b.enabled || !b.visible)
        return;
    switch (index) {
    case 1:
        openCommand(true);
        break;
    case 2:
        newFileCommand(true);
        break;
    case 3:
        addPageCommand(true);
        break;
    case 4:
        saveCommand(true);
        break;
    case 6:
        printCommand(SheetKind::Writing, true);
        break;
    case 7:
        printCommand(SheetKind::Practice, true);
        break;
    case 8:
        printCommand(SheetKind::Reading, true);
        break;
    case 9:
        printCommand(SheetKind::Three, true);
        break;
    case 10:
        printCommand(SheetKind::Sentence, true);
        break;
    case 12:
        toggleView();
        break;
    case 15:
        fontCommand();
        break;
    case 25:
        emit publisherWindowRequested();
        break;
    case 21:
        exitCommand();
        break;
    default:
        break; // kanji panel, paper, deleting rows, help: later
    }
}

void Editor::triggerMenu(MenuEntry entry)
{
    if (!isEntryEnabled(entry))
        return;
    switch (entry) {
    case MenuEntry::OpenFile:
        openCommand(false);
        break;
    case MenuEntry::NewFile:
        newFileCommand(false);
        break;
    case MenuEntry::AddPage:
        addPageCommand(false);
        break;
    case MenuEntry::SaveFile:
        saveCommand(false);
        break;
    case MenuEntry::Exit:
        exitCommand();
        break;
    case MenuEntry::FontPersistent:
        fontSetting(true);
        break;
    case MenuEntry::FontTemporary:
        fontSetting(false);
        break;
    case MenuEntry::KeysHard:
        setKeyType(KeyType::Hard);
        break;
    case MenuEntry::KeysSoft:
        setKeyType(KeyType::Soft);
        break;
    case MenuEntry::KeysDownOnly:
        setKeyType(KeyType::DownOnly);
        break;
    case MenuEntry::PassReading:
    case MenuEntry::NoPassReading:
        tick({MenuEntry::PassReading, MenuEntry::NoPassReading}, entry);
        break;
    case MenuEntry::Limit10:
        setLimit(10, entry);
        break;
    case MenuEntry::Limit15:
        setLimit(15, entry);
        break;
    case MenuEntry::Limit17:
        setLimit(17, entry);
        break;
    case MenuEntry::SpacingNormal:
        setSpacing(false);
        break;
    case MenuEntry::SpacingNarrow:
        setSpacing(true);
        break;
    case MenuEntry::PrintWriting:
        printCommand(SheetKind::Writing, false);
        break;
    case MenuEntry::PrintPractice:
        printCommand(SheetKind::Practice, false);
        break;
    case MenuEntry::PrintReading:
        printCommand(SheetKind::Reading, false);
        break;
    case MenuEntry::PrintThree:
        printCommand(SheetKind::Three, false);
        break;
    case MenuEntry::PrintSentence:
        printCommand(SheetKind::Sentence, false);
        break;
    case MenuEntry::WritingFrameOn:
    case MenuEntry::WritingFrameOff:
        tick({MenuEntry::WritingFrameOn, MenuEntry::WritingFrameOff}, entry);
        break;
    case MenuEntry::TracingOff:
        setTracing(false);
        break;
    case MenuEntry::TracingOn:
        setTracing(true);
        break;
    case MenuEntry::TwoSheetReading:
        toggleTwoSheetReading();
        break;
    case MenuEntry::BatchAll:
        m_state.pageListColour = PageListColour::Green;
        break;
    case MenuEntry::BatchCancel:
        m_state.pageListColour = PageListColour::White;
        break;
    case MenuEntry::PrinterNormal:
        tick({MenuEntry::PrinterNormal, MenuEntry::PrinterDirect}, entry);
        m_printerAsking = true;
        break;
    case MenuEntry::PrinterDirect:
        tick({MenuEntry::PrinterNormal, MenuEntry::PrinterDirect}, entry);
        m_printerAsking = false;
        if (m_printService)
            m_printService->choosePrinter();
        break;
    case MenuEntry::KanaPosition:
        emit kanaWindowRequested();
        break;
    case MenuEntry::GradeChartShow:
        toggleView();
        break;
    case MenuEntry::GradeChartHide:
        setNarrowView();
        m_state.toolButtons[12].picture = ToolPicture::KanjiSingle;
        m_state.toolButtons[12].hasTooltip = false;
        break;
    case MenuEntry::ArrangeGo:
        enterArrangement();
        break;
    case MenuEntry::ArrangeCancel:
        leaveArrangement();
        break;
    case MenuEntry::VersionName:
    case MenuEntry::VersionNumber:
        m_dialogs.inform(QStringLiteral("バージョン情報"), aboutText(),
                         EditorDialogs::Icon::Information);
        break;
    default:
        break; // entries whose windows and sheets come later
    }
    notify();
}

} // namespace kakitori
