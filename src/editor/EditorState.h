#pragma once

#include "data/Page.h"
#include "editor/CommandMap.h"
#include "editor/CursorMoves.h"
#include "editor/RowLayout.h"

#include <QStringList>

#include <array>

namespace kakitori {

// Screen colours as 0xRRGGBB.
using ScreenColour = quint32;

namespace colours {
constexpr ScreenColour kWindow = 0x008000;
constexpr ScreenColour kWhite = 0xFFFFFF;
constexpr ScreenColour kYellow = 0xFFFF00;
constexpr ScreenColour kBatchGreen = 0x00FF00;
constexpr ScreenColour kRowNumberUnchecked = 0xC0FFC0;
constexpr ScreenColour kRowNumberEmpty = 0xFFC0C0;
constexpr ScreenColour kRowNumberFilled = 0x00FF00;
constexpr ScreenColour kOverLimit = 0xFF0000;
// Normal backgrounds of the seven text cells, by RowField.
constexpr std::array<ScreenColour, kRowFieldCount> kCell = {0x80FFFF, 0xFFFF80, 0xFFE0C0, 0xC0C0FF,
                                                            0xFFFF00, 0xFFC080, 0x8080FF};
} // namespace colours

// The client area below the menu bar, in twips: the page editor's, and the taller arrangement
// board's (its 12500-twip window less title and menu bar).
constexpr double kEditorCanvasHeight = 8700;
constexpr double kBoardCanvasHeight = 11870;

// What the line under the kanji search box says while the search text is usable.
inline const QString kSearchHint = QStringLiteral("ひらがな入力して　　　　　　クリック");
// The heading label while no page is shown.
inline const QString kNoHeading = QStringLiteral("頁の見出し");

enum class PageListColour { White, Yellow, Green };
enum class KeyType { Hard, Soft, DownOnly };

struct MenuEntryState {
    bool enabled = true;
    bool checked = false;
};

struct ToolButtonState {
    bool enabled = true;
    bool visible = true;
    ToolPicture picture = ToolPicture::None;
    bool hasTooltip = true; // a button re-added to change its picture has none
};

// The five panels of the status bar, left to right.
struct StatusBar {
    QString file = QStringLiteral("ファイル");
    QString font = QStringLiteral("フォント"); // shows the font that prints
    QString fontSize = QStringLiteral("フォントサイズ");
    QString page = QStringLiteral("作業番号");
    QString publisher = QStringLiteral("教科書会社"); // the textbook choice
};

// The window itself: caption, size, menus, toolbar, status bar and what stands on the canvas.
struct ShellState {
    QString caption = QStringLiteral("2020筆丸さんplusくみたて坊");
    double windowWidth = 9700;
    double canvasHeight = kEditorCanvasHeight;
    bool watermarkVisible = true;
    bool hintArrowBlinking = false;
    bool hintArrowVisible = false;
    StatusBar status;
    std::array<MenuEntryState, kMenuEntryCount> menu{};
    std::array<ToolButtonState, kCommandCount> buttons{}; // by command; toolbar commands only
    bool pageEditorShown = true; // false while the arrangement board takes its place
    int lengthShown = 0;         // characters of the edit box, or of the board's text
    int lengthMarks = 0;         // the ▲ marks under the edit box: one at 5 characters, two at 10

    const MenuEntryState& entry(MenuEntry e) const { return menu[static_cast<int>(e)]; }
    MenuEntryState& entry(MenuEntry e) { return menu[static_cast<int>(e)]; }
    const ToolButtonState& button(Command c) const { return buttons[static_cast<int>(c)]; }
    ToolButtonState& button(Command c) { return buttons[static_cast<int>(c)]; }
};

// The page list, the heading label and the registration of a blank page's heading.
struct PageListState {
    QStringList pageListEntries;
    QString pageListText = QStringLiteral("見出しの選択");
    PageListColour pageListColour = PageListColour::White;
    bool pageListEnabled = false;
    QString headingLabel = kNoHeading;
    bool registrationVisible = false;
    bool registrationEnabled = true;
    QString registrationCaption = QStringLiteral("見出し登録");
    QString editingIndicator;
    bool editingIndicatorVisible = false;
};

struct GridRowState {
    QString rowNumber; // with its leading blank
    ScreenColour rowNumberColour = colours::kRowNumberUnchecked;
    bool switchOn = false;
    QString switchTooltip;
    std::array<ScreenColour, kRowFieldCount> background = colours::kCell;
    RowGeometry geometry;
    int length = 0; // characters, readings not counted
};

// The ten rows of cells, the cursor, the edit box and the arrow pad.
struct RowGridState {
    Page cells;
    std::array<GridRowState, kRowsPerPage> rows{};
    bool cellsEnabled = true;
    bool switchesEnabled = true;
    CellPosition cursor;
    QString editBoxText;
    bool editBoxEnabled = false;
    ScreenColour editBoxColour = colours::kWhite;
    std::array<bool, 5> padVisible = {true, true, true, true,
                                      true}; // up, down, left, right, centre
};

// Print options shown outside the menus.
struct PrintOptionsState {
    QString tracingIndicator;
    bool tracingIndicatorVisible = true;
    int kanaSliderVertical = 0; // −10 … 10, 30 twips a step
    int kanaSliderHorizontal = 0;
};

// The kanji panel, the wide view and the arrangement board.
struct KanjiPanelState {
    bool wideView = false;
    bool arrangementMode = false;
    int visibleKanjiCells = 0;        // 0, 110 in the wide view, 220 on the arrangement board
    bool searchOnReading = true;      // "音" chosen (else "訓")
    QString searchHint = kSearchHint; // under the search box; says why a search text is unusable
    QString arrangementText;
    bool spreadsheetSeparators = false; // "エクセル用"
};

// Everything the main window shows, held here and only shown by the widgets. Each part belongs
// to the model that decides it.
struct EditorState : ShellState, PageListState, RowGridState, PrintOptionsState, KanjiPanelState {};

} // namespace kakitori
