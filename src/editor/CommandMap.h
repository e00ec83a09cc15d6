#pragma once

#include <QString>

#include <array>
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

struct MenuEntryInfo {
    MenuEntry entry;
    MenuEntry parent; // MenuEntry::Count for a top-level menu
    const char16_t* text;
};

// In menu order: each entry follows its parent.
std::span<const MenuEntryInfo> menuEntries();
const MenuEntryInfo& menuEntryInfo(MenuEntry entry);

// The toolbar: 27 buttons addressed by index 1..27; some indexes are separators.
constexpr int kToolButtonCount = 27;

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

struct ToolButtonInfo {
    int index;
    const char16_t* tooltip; // nullptr for a separator
    ToolPicture picture;
};

std::span<const ToolButtonInfo> toolButtons();
const ToolButtonInfo& toolButtonInfo(int index);
bool isToolSeparator(int index);

} // namespace kakitori
