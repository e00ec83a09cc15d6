#pragma once

#include "editor/Editor.h"
#include "ui/WidgetDialogs.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;

namespace kakitori {

class CellLabel;
class EditBox;
class KanaPositionWindow;
class KanjiPanelView;
class PublisherWindow;
class PrinterService;
class RowGridView;

// The main window: shows the editor's state and forwards every user event to it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // dialogs and printing default to the real ones; tests pass their own.
    explicit MainWindow(EditorEnvironment environment, EditorDialogs* dialogs = nullptr,
                        PrintService* printing = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Editor& editor() { return *m_editor; }
    QAction* toolAction(Command command) const { return m_toolActions.at(command); }
    QToolBar* toolbar() const { return m_toolbar; }
    QAction* menuAction(MenuEntry entry) const { return m_menuActions.at(entry); }
    RowGridView& grid() const { return *m_grid; }
    KanjiPanelView& kanjiPanel() const { return *m_kanjiPanel; }
    EditBox* editBox() const { return m_editBox; }
    QComboBox* pageList() const { return m_pageList; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar(QWidget* canvas);
    void buildStatusBar();
    void buildControls(QWidget* canvas);
    void sync();
    void focus(FocusTarget target);
    void showColourWindow();
    void showKanaWindow();
    void showPublisherWindow();

    std::unique_ptr<WidgetDialogs> m_ownDialogs;
    std::unique_ptr<Editor> m_editor;
    std::unique_ptr<PrinterService> m_ownPrinting;
    KanaPositionWindow* m_kanaWindow = nullptr;
    QWidget* m_canvas = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::map<Command, QAction*> m_toolActions;
    std::map<MenuEntry, QAction*> m_menuActions;
    std::array<QLabel*, 5> m_panels{};
    RowGridView* m_grid = nullptr;
    KanjiPanelView* m_kanjiPanel = nullptr;
    PublisherWindow* m_publisherWindow = nullptr;
    QComboBox* m_pageList = nullptr;
    QLabel* m_headingLabel = nullptr;
    QLabel* m_editingIndicator = nullptr;
    CellLabel* m_tracingIndicator = nullptr;
    QPushButton* m_registration = nullptr;
    QLabel* m_hintArrow = nullptr;
    QLabel* m_watermark = nullptr;
    EditBox* m_editBox = nullptr;
    QLabel* m_length = nullptr;
    std::array<QLabel*, 2> m_marks{};
    std::array<CellLabel*, 5> m_pad{};
    QTimer* m_blink = nullptr;
};

} // namespace kakitori
