#pragma once

#include "data/Page.h"
#include "data/Problem.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorState.h"
#include "editor/PrintService.h"
#include "editor/ReadingCapture.h"
#include "kanji/KanjiBrowser.h"

#include <QDateTime>
#include <QDir>
#include <QObject>

#include <functional>

namespace kakitori {

// Where the editor finds its files and the time, so tests can give their own.
struct EditorEnvironment {
    QString settingsPath; // "FM3.ini" in the working folder
    QDir workFolder;      // where a new problem is offered for saving
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};

enum class FocusTarget { EditBox, PageList };

// What バージョン情報 shows: the version and the credit of the kanji readings.
QString aboutText();

// The main window as a model: the open problem, the working page in the row grid, the cursor,
// the page list, the status bar, every tick mark and enabled state, and the commands of the
// toolbar and the menus. Widgets show state() and forward user events to the methods here; every
// method runs its whole flow before it returns and then announces changed().
class Editor : public QObject {
    Q_OBJECT

public:
    Editor(EditorDialogs& dialogs, CellMeasure measure, EditorEnvironment environment,
           QObject* parent = nullptr);

    // The printer; without one the print commands do nothing.
    void setPrintService(PrintService* service) { m_printService = service; }

    const EditorState& state() const { return m_state; }
    const Problem& problem() const { return m_problem; }
    // The page the print commands print: the working page as shown, with the page list's text.
    const Page& printPage() const { return m_printPage; }
    int printFontSize() const { return m_printFontSize; }
    int characterLimit() const;
    bool hasUnsavedChanges() const { return m_unsaved; }
    bool wordChanged() const { return m_wordChanged; }
    bool downOnlyPad() const;
    PrintOptions printOptions() const;
    float kanaOffset1() const { return m_kanaOffset1; }
    float kanaOffset2() const { return m_kanaOffset2; }
    PrintColour tracingColour() const { return m_tracingColour; }

    // Start-up: reads the settings file and lays the window out.
    void startUp();

    // Commands by toolbar index (1..27) and by menu entry.
    void triggerToolButton(int index);
    void triggerMenu(MenuEntry entry);

    // Opens path as the open command does once its dialog has chosen it.
    bool openFile(const QString& path);

    // Page list.
    void choosePage(int index);
    void setPageListText(const QString& text);
    void pageListEnter();
    void registerHeading();

    // Row grid and edit box.
    void clickCell(int row, RowField kind);
    void toggleFiveCellSwitch(int row);
    void editBoxEdited(const QString& text);
    void editBoxEnter();
    void inputMethodEvent(const QString& preedit, const QString& commit);
    void arrowPad(Arrow arrow);
    // An arrow key; true when the key moved the cursor (the edit box still gets it).
    bool arrowKey(Arrow arrow);

    void blinkTick();

    // The small print option windows and the tracing indicator.
    void colourWindowDecided(int choice); // 1 (light) … 4 (dark); 0 when none was clicked
    void colourWindowCancelled();
    void tracingIndicatorClicked();
    void setKanaSliders(int vertical, int horizontal);
    void kanaWindowDiscarded();

    // The kanji panel and the arrangement board.
    const KanjiBrowser& kanjiBrowser() const { return m_browser; }
    void showKanjiGrade(int grade);
    void switchKanjiHalf();
    void setSearchReading(bool onReading);
    void searchKanji(const QString& text);
    void clickKanjiCell(int cell);
    void choosePublisher(const QString& choice);
    void setArrangementText(const QString& text);
    void setSpreadsheetSeparators(bool on);
    void saveArrangement();
    void readArrangement();

    // Asks the exit question when there are unsaved changes; true when the window may close.
    bool confirmClose();
    // The window is closing: writes the settings file.
    void windowClosing();

signals:
    void changed();
    void focusRequested(kakitori::FocusTarget target);
    void quitRequested();
    void colourWindowRequested();
    void publisherWindowRequested();
    void publisherWindowCloseRequested();
    void kanaWindowRequested();

private:
    // Shell.
    void enterEditingState();
    void setSavingEnabled();
    void openCommand(bool fromToolbar);
    void saveCommand(bool fromToolbar);
    bool saveProblem();
    void fontCommand();
    void fontSetting(bool persistent);
    void applyFont(const QString& name, int printSize, bool writeFile);
    void exitCommand();
    bool confirmDiscardChanges(const QString& action);
    void writeSettings(bool withPassword);
    void setFontPanel(const QString& font);
    void setFontSizePanel(int size);

    // Pages.
    void newFileCommand(bool fromToolbar);
    void addPageCommand(bool fromToolbar);
    void startBlankPage(int pageNumber);
    void registerPending(bool fromButton);
    void setRowNumbers(int pageIndex);
    void setPagePanel(int pageIndex);

    // Cells.
    RowSwitches rowSwitches() const;
    void resetGrid();
    void moveCursor(CellPosition to);
    void setCell(int row, RowField kind, const QString& text);
    void relayoutRow(int row);
    void checkLimit();
    void setSwitch(int row, bool on);
    void writeBackWorkingPage();
    void updateIndicator();
    void setLimit(int limit, MenuEntry entry);
    void setSpacing(bool narrow);
    void setKeyType(KeyType type);
    void tick(std::initializer_list<MenuEntry> group, MenuEntry chosen);

    // Kanji panel and views.
    void toggleView();
    void setNarrowView();
    void leaveWideView();
    void enterArrangement();
    void leaveArrangement();
    void updateReferenceButtons();
    void placeKanji(int cell);
    bool isEntryEnabled(MenuEntry entry) const;

    // Printing.
    void printCommand(SheetKind kind, bool fromToolbar);
    SheetInput printInput(int pageIndex, bool batch, bool fromToolbar) const;
    void setTracing(bool on);
    void toggleTwoSheetReading();

    void notify() { emit changed(); }

    EditorDialogs& m_dialogs;
    PrintService* m_printService = nullptr;
    CellMeasure m_measure;
    EditorEnvironment m_env;
    EditorState m_state;
    Problem m_problem;
    Page m_printPage;
    ReadingCapture m_reading;
    KanjiBrowser m_browser;

    int m_workingPage = -1;      // page shown in the grid, or the index a blank page will get
    bool m_pageShown = false;    // a page of the problem is in the grid and editable
    bool m_blankPending = false; // a blank page waits for its heading
    bool m_unsaved = false;      // the problem holds changes no file has received
    bool m_closeConfirmed = false;
    bool m_wordChanged = true;
    bool m_arrowKeysActive = false;
    bool m_narrowSpacing = false;
    int m_limitChoice = 15;
    int m_printFontSize = 25;
    QString m_storedFontName;
    QString m_dialogFileName;
    float m_kanaOffset1 = 0;
    float m_kanaOffset2 = 0;
    QString m_publisher;
    bool m_printerAsking = true;
    bool m_fontBold = false; // chosen with the toolbar's font command, for the printer
    bool m_fontItalic = false;
    PrintColour m_tracingColour = 0;
    QString m_password;
};

} // namespace kakitori
