#pragma once

#include <QString>

#include <array>
#include <optional>
#include <span>

namespace kakitori {

// Every entry of the main window's menu bar. Top-level menus are entries too, so a whole menu
// can be disabled; sub-menus hang below their parent entry.
enum class MenuEntry {
    FileMenu,
    OpenFile,
    NewFile,
    AddPage,
    SaveFile,
    PrintWriting,
    PrintPractice,
    PrintReading,
    PrintThree,
    PrintSentence,
    ExportPdf,
    Exit,
    ToolMenu,
    GradeChart,
    GradeChartShow,
    GradeChartHide,
    ManuscriptPaper,
    RuledPaper,
    SmallPrint,
    PrintOptionMenu,
    TwoSheetReading,
    WritingFrame,
    WritingFrameOn,
    WritingFrameOff,
    Tracing,
    TracingOff,
    TracingOn,
    ReadingSpacing,
    SpacingNormal,
    SpacingNarrow,
    BatchPrint,
    BatchAll,
    BatchCancel,
    KanaPosition,
    AnswerKeys,
    PrintPreview,
    EditToolMenu,
    JoinFiles,
    EditFileText,
    OptionMenu,
    FontSetting,
    FontPersistent,
    FontTemporary,
    CursorKeys,
    KeysHard,
    KeysSoft,
    KeysDownOnly,
    PrinterSetting,
    PrinterNormal,
    PrinterDirect,
    FuriganaMenu,
    PassReading,
    NoPassReading,
    LimitMenu,
    Limit15,
    Limit10,
    Limit17,
    HelpMenu,
    Tutorial,
    SampleDisplay,
    DataHelp,
    ButtonHelp,
    WebSite,
    VersionInfo,
    VersionName,
    VersionNumber,
    ArrangeMenu,
    ArrangeGo,
    ArrangeCancel,
    Count
};

constexpr int kMenuEntryCount = static_cast<int>(MenuEntry::Count);

// Every command of the menus and the toolbar. A command reached from both runs the same code;
// where the two differ, the origin says which one it came from.
enum class Command {
    Open,
    NewFile,
    AddPage,
    Save,
    PrintWriting,
    PrintPractice,
    PrintReading,
    PrintThree,
    PrintSentence,
    ExportPdf,
    Exit,
    KanjiPanel,
    HideKanjiPanel,
    ManuscriptPaper,
    RuledPaper,
    SmallPrint,
    TwoSheetReading,
    WritingFrameOn,
    WritingFrameOff,
    TracingOff,
    TracingOn,
    SpacingNormal,
    SpacingNarrow,
    BatchAll,
    BatchCancel,
    KanaPosition,
    AnswerKeys,
    PrintPreview,
    JoinFiles,
    EditFileText,
    FontPersistent,
    FontTemporary,
    KeysHard,
    KeysSoft,
    KeysDownOnly,
    PrinterNormal,
    PrinterDirect,
    PassReading,
    NoPassReading,
    Limit15,
    Limit10,
    Limit17,
    Tutorial,
    SampleDisplay,
    DataHelp,
    ButtonHelp,
    WebSite,
    About,
    ArrangeGo,
    ArrangeCancel,
    Font,
    DeleteRows,
    Help,
    ListTable,
    PracticeBook,
    Publisher,
    PourIn,
    Count
};

constexpr int kCommandCount = static_cast<int>(Command::Count);

enum class Origin { Toolbar, Menu };

// The commands that print, offered once there is something to print.
inline constexpr Command kPrintCommands[] = {Command::PrintThree,    Command::PrintWriting,
                                             Command::PrintPractice, Command::PrintReading,
                                             Command::PrintSentence, Command::ExportPdf};

struct MenuEntryInfo {
    MenuEntry entry;
    MenuEntry parent; // MenuEntry::Count for a top-level menu
    const char16_t* text;
    Command command; // Command::Count for a menu that only opens
};

// In menu order: each entry follows its parent.
std::span<const MenuEntryInfo> menuEntries();
const MenuEntryInfo& menuEntryInfo(MenuEntry entry);

// The command a menu entry runs; nothing for a menu that only opens.
std::optional<Command> commandOfMenuEntry(MenuEntry entry);
// The entry of the menus that runs a command (the first, where two do); nothing for a command
// of the toolbar only.
std::optional<MenuEntry> menuEntryOf(Command command);

enum class ToolPicture {
    None,
    Open,
    New,
    AddPage,
    Save,
    Writing,
    Practice,
    Reading,
    ReadingTwoSheet,
    ThreeSheets,
    Sentence,
    KanjiSingle,
    KanjiWide,
    Manuscript,
    Font,
    DeleteRows,
    MemoryEmpty,
    Help,
    Exit,
    ListTable,
    PracticeBook,
    Publisher,
    PourIn
};

// The toolbar: 27 places numbered 1..27 from the left; some are separators.
constexpr int kToolbarPlaces = 27;

struct ToolButtonInfo {
    int index;               // the place on the toolbar
    Command command;         // Command::Count for a separator
    const char16_t* tooltip; // nullptr for a separator
    ToolPicture picture;     // the picture at start
};

// The toolbar from left to right, separators included.
std::span<const ToolButtonInfo> toolButtons();
// The toolbar button of a command; nothing for a command of the menus only.
const ToolButtonInfo* toolButtonOf(Command command);

} // namespace kakitori
