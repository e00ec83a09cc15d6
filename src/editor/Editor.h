#pragma once

#include "data/Page.h"
#include "data/Problem.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorState.h"
#include "editor/KanjiPanelModel.h"
#include "editor/PageListModel.h"
#include "editor/PrintOptionsModel.h"
#include "editor/PrintService.h"
#include "editor/RowGridModel.h"

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

// The main window as a model: the open problem and the shell around the small models that
// decide each part of the window (page list, row grid, print options, kanji panel). Widgets show
// state() and forward user events to the methods here; every method runs its whole flow before it
// returns and then announces changed() once.
class Editor : public QObject {
    Q_OBJECT

public:
    Editor(EditorDialogs& dialogs, CellMeasure measure, EditorEnvironment environment,
           QObject* parent = nullptr);

    // The printer; without one the print commands do nothing.
    void setPrintService(PrintService* service) { m_printService = service; }

    const EditorState& state() const { return m_state; }
    const Problem& problem() const { return m_problem; }
    const PrintOptionsModel& printOptions() const { return m_print; }
    const KanjiBrowser& kanjiBrowser() const { return m_kanji.browser(); }
    // The font the working page prints with (the status bar shows it).
    const QString& printFont() const { return m_printFont; }
    int characterLimit() const { return m_print.characterLimit(); }
    bool hasUnsavedChanges() const { return m_unsaved; }
    bool wordChanged() const { return m_grid.wordChanged(); }
    bool downOnlyPad() const { return m_grid.downOnlyPad(); }

    // Start-up: reads the settings file and lays the window out.
    void startUp();

    // A command of the menus or the toolbar; nothing when its entry or button is disabled.
    void run(Command command, Origin origin);

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
    // Every public method holds one: changed() goes out once, when the outermost one ends,
    // after the state derived from the models is brought up to date.
    class ChangeScope {
    public:
        explicit ChangeScope(Editor& editor);
        ~ChangeScope();

    private:
        Editor& m_editor;
    };

    bool isEnabled(Command command, Origin origin) const;
    void refreshDerivedState();
    void setButton(Command command, bool visible, bool enabled);
    // The focus moves once the window shows the state that the command left.
    void requestFocus(FocusTarget target) { m_pendingFocus = target; }
    void showLimitInIndicator();

    // Files and the shell (EditorFiles.cpp).
    void enterEditingState();
    void setSavingEnabled();
    void openCommand(Origin origin);
    void saveCommand(Origin origin);
    bool saveProblem();
    void fontCommand();
    void fontSetting(bool persistent);
    void applyFont(const QString& name, int printSize, bool writeFile);
    void setPrintFont(const QString& font);
    void exitCommand();
    bool confirmDiscardChanges(const QString& action);
    void writeSettings(bool withPassword);
    void writeOwnSettings();
    void newFileCommand(Origin origin);

    // Pages (EditorPages.cpp).
    void addPageCommand(Origin origin);
    void startBlankPage(int pageNumber);
    void registerPending(bool fromButton);

    // Cells (EditorCells.cpp).
    void setCell(int row, RowField kind, const QString& text);
    void checkLimit();
    void switchOn(int row, bool on);
    void writeBackWorkingPage();
    void moveCursor(CellPosition to);

    // Kanji panel and views (EditorKanji.cpp).
    void toggleView();
    void setNarrowView();
    void leaveWideView();
    void updateReferenceButtons();
    void enterArrangement();
    void leaveArrangement();
    bool placeKanji(const KanjiBrowser::Cell& cell);
    bool takeOutKanji(const QString& kanji);

    // Printing (EditorPrinting.cpp).
    PrintJob printJob(SheetKind kind, Origin origin) const;
    QString pdfNameFor(const PrintJob& job) const;
    void printCommand(SheetKind kind, Origin origin);
    void exportPdfCommand();
    SheetInput printInput(int pageIndex, bool batch, Origin origin) const;
    void setTracing(bool on);

    EditorDialogs& m_dialogs;
    PrintService* m_printService = nullptr;
    EditorEnvironment m_env;
    EditorState m_state;
    PageListModel m_pages{m_state};
    RowGridModel m_grid;
    PrintOptionsModel m_print{m_state};
    KanjiPanelModel m_kanji{m_state};
    Problem m_problem;
    int m_changeDepth = 0;
    std::optional<FocusTarget> m_pendingFocus;

    bool m_unsaved = false; // the problem holds changes no file has received
    bool m_closeConfirmed = false;
    bool m_fontPersistent = true; // "常時設定" rather than "一時設定"
    bool m_passReading = true;    // "パスする"
    bool m_sampleShown = false;   // "サンプル表示": a save writes the sample page alone
    bool m_printPreview = false;  // "印刷プレビュー": every print shows its pages first
    QString m_printFont;          // the font the working page prints with
    QString m_storedFontName;     // the font of the settings file
    QString m_dialogFileName;
    QString m_password;
    SheetKind m_lastSheet = SheetKind::Writing; // what PDFに書き出す writes
    Origin m_lastPrintOrigin = Origin::Menu;
};

} // namespace kakitori
