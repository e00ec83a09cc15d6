// The shell's file and font commands: the editing state, open, save, new file, the font
// dialogs, the settings file and exit.
#include "editor/Editor.h"

#include "data/OwnSettings.h"
#include "data/ProblemFile.h"
#include "data/Settings.h"

#include <QFileInfo>

namespace kakitori {

namespace {

const QString kConfirmTitle = QStringLiteral("確認メッセージ");
const QString kErrorTitle = QStringLiteral("エラー");
const QString kOpenFilter = QStringLiteral("問題ファイル(*.moj)(*.mojx) (*.moj *.mojx)");
const QString kSaveFilter = QStringLiteral("問題ファイル(*.mojx) (*.mojx)");
const QString kNewProblemPanel = QStringLiteral("ファイル");

} // namespace

void Editor::enterEditingState()
{
    m_state.entry(MenuEntry::SaveFile).enabled = false;
    m_state.button(Command::Save).enabled = false;
    m_state.button(Command::AddPage).enabled = false;
    for (Command c : kPrintCommands) {
        m_state.entry(*menuEntryOf(c)).enabled = true;
        if (toolButtonOf(c))
            m_state.button(c).enabled = true;
    }
    m_state.entry(MenuEntry::PrintOptionMenu).enabled = true;
    m_state.button(Command::DeleteRows).enabled = true;
    m_state.caption = QStringLiteral("2020筆丸さん");
    m_state.watermarkVisible = false;
    m_sampleShown = false;
    m_state.pageListEnabled = true;
    m_state.switchesEnabled = true;
    for (GridRowState& r : m_state.rows)
        r.switchTooltip = QStringLiteral("５マス表示ボタン");
}

void Editor::setSavingEnabled()
{
    m_state.entry(MenuEntry::SaveFile).enabled = true;
    m_state.button(Command::Save).enabled = true;
    m_state.button(Command::AddPage).enabled = true;
}

void Editor::setPrintFont(const QString& font)
{
    m_printFont = font;
    m_state.status.font = font.isEmpty() ? QStringLiteral("フォント") : font;
}

bool Editor::confirmDiscardChanges(const QString& action)
{
    if (!m_unsaved)
        return true;
    return m_dialogs.ask(kConfirmTitle, QStringLiteral("保存されていない変更があります。") + action,
                         EditorDialogs::Icon::Warning);
}

void Editor::openCommand(Origin origin)
{
    if (!confirmDiscardChanges(QStringLiteral("変更を保存せずにファイルを開きますか？")))
        return;
    enterEditingState();
    m_state.headingLabel = kNoHeading;
    m_grid.resetColours();
    if (const auto path = m_dialogs.chooseFileToOpen(kOpenFilter))
        openFile(*path);
    if (origin == Origin::Toolbar)
        m_state.hintArrowBlinking = true;
}

bool Editor::openFile(const QString& path)
{
    const ChangeScope scope(*this);
    const ProblemRead read = readProblemFile(path);
    if (!read.ok()) {
        m_dialogs.inform(kErrorTitle, read.error, EditorDialogs::Icon::Warning);
        return false;
    }
    enterEditingState();
    m_dialogFileName = path;
    m_state.status.file = QStringLiteral("作業ファイル:　") + QFileInfo(path).fileName();
    m_state.caption = QStringLiteral("2002筆丸さん　") + QFileInfo(path).absoluteFilePath();
    m_problem = Problem(read.lines);
    m_unsaved = false;
    m_pages.setEntries(m_problem.headings());
    m_grid.fill(Page{});
    m_state.editBoxText.clear();
    m_state.editBoxEnabled = false; // until a page is chosen: there is nothing to edit yet
    setSavingEnabled();             // saving under another name needs no page chosen
    for (const QString& warning : read.warnings)
        m_dialogs.inform(kConfirmTitle, warning, EditorDialogs::Icon::Information);
    return true;
}

void Editor::saveCommand(Origin origin)
{
    // A page whose heading is empty saves like any other: only a blank page's heading that was
    // never registered is asked about.
    if (origin == Origin::Toolbar && m_state.registrationVisible &&
        m_state.pageListColour == PageListColour::Yellow) {
        if (!m_dialogs.ask(kConfirmTitle,
                           QStringLiteral("見出しが登録されていません\r\nこのまま保存しますか？"),
                           EditorDialogs::Icon::Information))
            return;
        m_state.pageListColour = PageListColour::White;
        m_state.pageListText = QStringLiteral("無題");
        m_state.headingLabel = QStringLiteral("無題");
        m_state.editingIndicatorVisible = true;
    }
    saveProblem();
    m_state.entry(MenuEntry::OpenFile).enabled = true;
    m_state.button(origin == Origin::Toolbar ? Command::NewFile : Command::Save).enabled = true;
    m_state.button(Command::AddPage).enabled = true;
}

bool Editor::saveProblem()
{
    QString name = m_dialogFileName;
    if (m_state.status.file == kNewProblemPanel || name.isEmpty())
        name = defaultProblemFileName(m_env.workFolder, m_env.clock());
    const auto chosen = m_dialogs.chooseFileToSave(normalisedSaveName(name), kSaveFilter);
    if (!chosen)
        return false;
    m_dialogFileName = *chosen;
    if (QFileInfo::exists(*chosen) &&
        !m_dialogs.ask(kConfirmTitle, QStringLiteral("上書き保存します。よろしいですか？"),
                       EditorDialogs::Icon::Question)) {
        m_state.button(Command::Save).enabled = true;
        m_state.button(Command::AddPage).enabled = true;
        return false;
    }
    const ProblemSave saved = saveProblemFile(
        *chosen, m_sampleShown ? QList<TextLine>{{kSampleLine, {}}} : m_problem.lines());
    if (!saved.ok()) {
        m_dialogs.inform(kErrorTitle, saved.error, EditorDialogs::Icon::Warning);
        return false;
    }
    if (!saved.warning.isEmpty())
        m_dialogs.inform(kConfirmTitle, saved.warning, EditorDialogs::Icon::Warning);
    if (!m_sampleShown) {
        m_state.status.file = *chosen;
        m_unsaved = false;
    }
    return true;
}

void Editor::newFileCommand(Origin origin)
{
    const QString question = QStringLiteral("新規のデータを作成しますか？");
    if (m_unsaved) {
        if (!confirmDiscardChanges(question))
            return;
    } else if (origin == Origin::Toolbar && !m_state.pageListEntries.isEmpty() &&
               !m_dialogs.ask(QStringLiteral("新規作成確認"), question,
                              EditorDialogs::Icon::Warning)) {
        return;
    }
    // A new problem is empty: the pages of the one open before are not carried into it.
    m_problem = Problem();
    m_pages.clear();
    m_unsaved = false;
    enterEditingState();
    startBlankPage(1);
    m_state.status.file = kNewProblemPanel;
    setPrintFont(m_storedFontName.isEmpty() ? kDefaultFontName : m_storedFontName);
    m_state.hintArrowBlinking = true;
}

void Editor::writeSettings(bool withPassword)
{
    Settings s;
    s.fontName = m_printFont;
    s.kanaOffset1 = m_print.kanaOffset1();
    s.kanaOffset2 = m_print.kanaOffset2();
    s.publisher = m_state.status.publisher;
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

void Editor::writeOwnSettings()
{
    OwnSettings own;
    own.printPreview = m_printPreview;
    const QString error =
        kakitori::writeOwnSettings(ownSettingsPathBeside(m_env.settingsPath), own);
    if (!error.isEmpty())
        m_dialogs.inform(kErrorTitle, error, EditorDialogs::Icon::Warning);
}

void Editor::applyFont(const QString& name, int printSize, bool writeFile)
{
    m_print.setFontSize(printSize);
    m_storedFontName = name;
    setPrintFont(m_storedFontName);
    m_state.status.fontSize = QStringLiteral("フォントサイズ %1").arg(printSize);
    if (writeFile)
        writeSettings(false);
    // The shown page prints with the new font from now on.
    if (m_pages.pageShown()) {
        writeBackWorkingPage();
        m_unsaved = true;
    }
}

void Editor::fontCommand()
{
    const auto chosen = m_dialogs.chooseFont(FontChoice{m_printFont, 25, false, false});
    if (!chosen)
        return;
    m_print.setFontStyle(chosen->bold, chosen->italic);
    applyFont(chosen->name, chosen->pointSize, true);
}

void Editor::fontSetting(bool persistent)
{
    m_fontPersistent = persistent;
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
        return; // the timer runs on; nothing changes, nothing to announce
    const ChangeScope scope(*this);
    m_state.hintArrowVisible = !m_state.hintArrowVisible;
}

} // namespace kakitori
