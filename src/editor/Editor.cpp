// The shell: construction and start-up, the one dispatch of every command, and the state that
// follows from the models (tick marks, the length display).
#include "editor/Editor.h"

#include "data/Characters.h"
#include "data/OwnSettings.h"
#include "data/Settings.h"

#include <utility>

namespace kakitori {

namespace {

void tick(EditorState& s, std::initializer_list<MenuEntry> group, MenuEntry chosen)
{
    for (MenuEntry e : group)
        s.entry(e).checked = e == chosen;
}

} // namespace

QString aboutText()
{
    return QStringLiteral(
        "2020筆丸さんプラス　ｖ　1.1.4\n\n"
        "漢字の読みは KANJIDIC2 によります。\n"
        "KANJIDIC2 © Electronic Dictionary Research and Development Group (EDRDG), "
        "CC BY-SA 4.0 (https://creativecommons.org/licenses/by-sa/4.0/)");
}

Editor::ChangeScope::ChangeScope(Editor& editor) : m_editor(editor)
{
    ++m_editor.m_changeDepth;
}

Editor::ChangeScope::~ChangeScope()
{
    if (--m_editor.m_changeDepth > 0)
        return;
    m_editor.refreshDerivedState();
    emit m_editor.changed();
    if (const auto focus = std::exchange(m_editor.m_pendingFocus, std::nullopt))
        emit m_editor.focusRequested(*focus);
}

Editor::Editor(EditorDialogs& dialogs, CellMeasure measure, EditorEnvironment environment,
               QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_env(std::move(environment)),
      m_grid(m_state, std::move(measure))
{
    for (const ToolButtonInfo& info : toolButtons())
        if (info.command != Command::Count)
            m_state.button(info.command).picture = info.picture;
}

void Editor::setButton(Command command, bool visible, bool enabled)
{
    m_state.button(command).visible = visible;
    m_state.button(command).enabled = enabled;
}

void Editor::startUp()
{
    const ChangeScope scope(*this);
    m_state.entry(MenuEntry::SaveFile).enabled = false;
    for (Command c : kPrintCommands)
        m_state.entry(*menuEntryOf(c)).enabled = false;
    m_state.entry(MenuEntry::PrintOptionMenu).enabled = false;
    for (Command hidden :
         {Command::ListTable, Command::PracticeBook, Command::Publisher, Command::PourIn})
        m_state.button(hidden).visible = false;
    for (Command disabled :
         {Command::Save, Command::AddPage, Command::PrintWriting, Command::PrintPractice,
          Command::PrintReading, Command::PrintThree, Command::PrintSentence, Command::Publisher,
          Command::PourIn, Command::DeleteRows})
        m_state.button(disabled).enabled = false;
    m_state.windowWidth = 9700;

    m_printPreview = readOwnSettings(ownSettingsPathBeside(m_env.settingsPath)).printPreview;
    const Settings settings = readSettings(m_env.settingsPath);
    m_print.setKanaOffsets(settings.kanaOffset1, settings.kanaOffset2);
    m_storedFontName = settings.fontName;
    m_password = settings.password;
    setPrintFont(m_storedFontName);
    m_state.status.publisher = settings.publisher;

    m_grid.setKeyType(KeyType::Soft);
    m_state.headingLabel = kNoHeading;
    for (GridRowState& r : m_state.rows) {
        r.rowNumber.clear();
        r.switchOn = false;
        r.switchTooltip = QStringLiteral("５マス表示ボタン");
    }
    m_grid.fill(Page{});
    m_print.setLimit(15);
    showLimitInIndicator();
    m_print.setFontSize(25);
    m_state.status.fontSize = QStringLiteral("フォントサイズ %1").arg(25);
    m_grid.setWordChanged(true);
}

bool Editor::isEnabled(Command command, Origin origin) const
{
    if (origin == Origin::Toolbar) {
        const ToolButtonState& b = m_state.button(command);
        return toolButtonOf(command) && b.enabled && b.visible;
    }
    const auto entry = menuEntryOf(command);
    if (!entry)
        return false;
    for (MenuEntry e = *entry; e != MenuEntry::Count; e = menuEntryInfo(e).parent)
        if (!m_state.entry(e).enabled)
            return false;
    return true;
}

void Editor::refreshDerivedState()
{
    using M = MenuEntry;
    EditorState& s = m_state;
    tick(s, {M::WritingFrameOn, M::WritingFrameOff},
         m_print.writingFrames() ? M::WritingFrameOn : M::WritingFrameOff);
    tick(s, {M::TracingOff, M::TracingOn}, m_print.tracing() ? M::TracingOn : M::TracingOff);
    tick(s, {M::SpacingNormal, M::SpacingNarrow},
         m_print.narrowSpacing() ? M::SpacingNarrow : M::SpacingNormal);
    s.entry(M::TwoSheetReading).checked = m_print.twoSheetReading();
    s.entry(M::AnswerKeys).checked = m_print.answerKeys();
    s.entry(M::PrintPreview).checked = m_printPreview;
    tick(s, {M::PrinterNormal, M::PrinterDirect},
         m_print.printerAsking() ? M::PrinterNormal : M::PrinterDirect);
    tick(s, {M::Limit10, M::Limit15, M::Limit17},
         m_print.limitChoice() == 10   ? M::Limit10
         : m_print.limitChoice() == 17 ? M::Limit17
                                       : M::Limit15);
    tick(s, {M::FontPersistent, M::FontTemporary},
         m_fontPersistent ? M::FontPersistent : M::FontTemporary);
    const KeyType keys = m_grid.keyType();
    tick(s, {M::KeysHard, M::KeysSoft, M::KeysDownOnly},
         keys == KeyType::Hard   ? M::KeysHard
         : keys == KeyType::Soft ? M::KeysSoft
                                 : M::KeysDownOnly);
    tick(s, {M::PassReading, M::NoPassReading}, m_passReading ? M::PassReading : M::NoPassReading);
    s.entry(M::SampleDisplay).checked = m_sampleShown;
    s.entry(M::ArrangeGo).checked = s.arrangementMode;

    s.pageEditorShown = !s.arrangementMode;
    s.lengthShown = characterCount(s.arrangementMode ? s.arrangementText : s.editBoxText);
    s.lengthMarks = !s.pageEditorShown ? 0 : s.lengthShown >= 10 ? 2 : s.lengthShown >= 5 ? 1 : 0;
    s.button(Command::PrintReading).picture =
        m_print.twoSheetReading() ? ToolPicture::ReadingTwoSheet : ToolPicture::Reading;
}

void Editor::showLimitInIndicator()
{
    QString digits = QString::number(characterLimit());
    for (QChar& c : digits)
        c = QChar(char16_t(c.unicode() - u'0' + u'０'));
    m_pages.setEditingIndicator(QStringLiteral("　編集中（文字制限") + digits +
                                QStringLiteral("字）"));
}

void Editor::run(Command command, Origin origin)
{
    const ChangeScope scope(*this);
    if (!isEnabled(command, origin))
        return;
    using C = Command;
    switch (command) {
    case C::Open:
        openCommand(origin);
        break;
    case C::NewFile:
        newFileCommand(origin);
        break;
    case C::AddPage:
        addPageCommand(origin);
        break;
    case C::Save:
        saveCommand(origin);
        break;
    case C::PrintWriting:
        printCommand(SheetKind::Writing, origin);
        break;
    case C::PrintPractice:
        printCommand(SheetKind::Practice, origin);
        break;
    case C::PrintReading:
        printCommand(SheetKind::Reading, origin);
        break;
    case C::PrintThree:
        printCommand(SheetKind::Three, origin);
        break;
    case C::PrintSentence:
        printCommand(SheetKind::Sentence, origin);
        break;
    case C::ExportPdf:
        exportPdfCommand();
        break;
    case C::Exit:
        exitCommand();
        break;
    case C::KanjiPanel:
        toggleView();
        break;
    case C::HideKanjiPanel:
        setNarrowView();
        m_state.button(C::KanjiPanel).picture = ToolPicture::KanjiSingle;
        m_state.button(C::KanjiPanel).hasTooltip = false;
        break;
    case C::Font:
        fontCommand();
        break;
    case C::FontPersistent:
    case C::FontTemporary:
        fontSetting(command == C::FontPersistent);
        break;
    case C::KeysHard:
        m_grid.setKeyType(KeyType::Hard);
        break;
    case C::KeysSoft:
        m_grid.setKeyType(KeyType::Soft);
        break;
    case C::KeysDownOnly:
        m_grid.setKeyType(KeyType::DownOnly);
        break;
    case C::PassReading:
    case C::NoPassReading:
        m_passReading = command == C::PassReading;
        break;
    case C::Limit10:
    case C::Limit15:
    case C::Limit17:
        m_print.setLimit(command == C::Limit10 ? 10 : command == C::Limit15 ? 15 : 17);
        showLimitInIndicator();
        break;
    case C::SpacingNormal:
    case C::SpacingNarrow:
        m_print.setNarrowSpacing(command == C::SpacingNarrow);
        showLimitInIndicator();
        break;
    case C::WritingFrameOn:
    case C::WritingFrameOff:
        m_print.setWritingFrames(command == C::WritingFrameOn);
        break;
    case C::TracingOff:
    case C::TracingOn:
        setTracing(command == C::TracingOn);
        break;
    case C::TwoSheetReading:
        m_print.toggleTwoSheetReading();
        // The reading button is put back with the picture of the sheet it prints, and no tooltip.
        m_state.button(C::PrintReading).hasTooltip = false;
        break;
    case C::AnswerKeys:
        m_print.toggleAnswerKeys();
        break;
    case C::PrintPreview:
        m_printPreview = !m_printPreview;
        writeOwnSettings();
        break;
    case C::BatchAll:
    case C::BatchCancel:
        m_pages.setBatchMark(command == C::BatchAll);
        break;
    case C::PrinterNormal:
        m_print.setPrinterAsking(true);
        break;
    case C::PrinterDirect:
        m_print.setPrinterAsking(false);
        if (m_printService)
            m_printService->choosePrinter();
        break;
    case C::KanaPosition:
        emit kanaWindowRequested();
        break;
    case C::Publisher:
        emit publisherWindowRequested();
        break;
    case C::ArrangeGo:
        enterArrangement();
        break;
    case C::ArrangeCancel:
        leaveArrangement();
        break;
    case C::About:
        m_dialogs.inform(QStringLiteral("バージョン情報"), aboutText(),
                         EditorDialogs::Icon::Information);
        break;
    default:
        break; // the windows and sheets of these commands come later
    }
}

} // namespace kakitori
