#include "ui/MainWindow.h"

#include "ui/CellLabel.h"
#include "ui/EditBox.h"
#include "ui/KanjiPanelView.h"
#include "ui/Pictures.h"
#include "ui/PrintOptionWindows.h"
#include "ui/PrinterService.h"
#include "ui/RowGridView.h"
#include "ui/ScreenGeometry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace kakitori {

namespace {

constexpr double kToolbarHeight = 600;

// Entries that form a choice and show a tick mark.
constexpr MenuEntry kTickable[] = {
    MenuEntry::GradeChartShow,  MenuEntry::GradeChartHide, MenuEntry::TwoSheetReading,
    MenuEntry::AnswerKeys,      MenuEntry::PrintPreview,   MenuEntry::WritingFrameOn,
    MenuEntry::WritingFrameOff, MenuEntry::TracingOff,     MenuEntry::TracingOn,
    MenuEntry::SpacingNormal,   MenuEntry::SpacingNarrow,  MenuEntry::JoinFiles,
    MenuEntry::EditFileText,    MenuEntry::FontPersistent, MenuEntry::FontTemporary,
    MenuEntry::KeysHard,        MenuEntry::KeysSoft,       MenuEntry::KeysDownOnly,
    MenuEntry::PrinterNormal,   MenuEntry::PrinterDirect,  MenuEntry::PassReading,
    MenuEntry::NoPassReading,   MenuEntry::Limit15,        MenuEntry::Limit10,
    MenuEntry::Limit17,         MenuEntry::SampleDisplay,
};

void setTextColour(QWidget* widget, QColor colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

void setBackground(QWidget* widget, QPalette::ColorRole role, QColor colour)
{
    QPalette pal = widget->palette();
    if (pal.color(role) == colour)
        return;
    pal.setColor(role, colour);
    widget->setPalette(pal);
}

QColor pageListColour(PageListColour colour)
{
    switch (colour) {
    case PageListColour::White:
        return Qt::white;
    case PageListColour::Yellow:
        return screenColour(colours::kYellow);
    case PageListColour::Green:
        return screenColour(colours::kBatchGreen);
    }
    return Qt::white;
}

} // namespace

MainWindow::MainWindow(EditorEnvironment environment, EditorDialogs* dialogs,
                       PrintService* printing, QWidget* parent)
    : QMainWindow(parent)
{
    if (!dialogs) {
        m_ownDialogs = std::make_unique<WidgetDialogs>(this);
        dialogs = m_ownDialogs.get();
    }
    if (!printing) {
        m_ownPrinting = std::make_unique<PrinterService>(this, *dialogs);
        printing = m_ownPrinting.get();
    }
    m_editor = std::make_unique<Editor>(*dialogs, measureCell, std::move(environment));
    m_editor->setPrintService(printing);

    m_canvas = new QWidget(this);
    m_canvas->setAutoFillBackground(true);
    setBackground(m_canvas, QPalette::Window, screenColour(colours::kWindow));
    setCentralWidget(m_canvas);

    buildMenus();
    buildToolbar(m_canvas);
    buildControls(m_canvas);
    m_grid = new RowGridView(*m_editor, m_canvas);
    m_kanjiPanel = new KanjiPanelView(*m_editor, m_canvas);
    buildStatusBar();

    m_blink = new QTimer(this);
    m_blink->setInterval(500);
    connect(m_blink, &QTimer::timeout, m_editor.get(), &Editor::blinkTick);

    connect(m_editor.get(), &Editor::changed, this, &MainWindow::sync);
    connect(m_editor.get(), &Editor::focusRequested, this, &MainWindow::focus);
    connect(m_editor.get(), &Editor::quitRequested, this, &QWidget::close);
    connect(m_editor.get(), &Editor::colourWindowRequested, this, &MainWindow::showColourWindow);
    connect(m_editor.get(), &Editor::kanaWindowRequested, this, &MainWindow::showKanaWindow);
    connect(m_editor.get(), &Editor::publisherWindowRequested, this,
            &MainWindow::showPublisherWindow);
    connect(m_editor.get(), &Editor::publisherWindowCloseRequested, this, [this] {
        if (m_publisherWindow)
            m_publisherWindow->close();
    });
    m_editor->startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    // Nine menus share the narrow window's menu bar.
    menuBar()->setFont(screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 8.25));
    std::map<MenuEntry, QMenu*> menus;
    const auto hasChildren = [](MenuEntry e) {
        for (const MenuEntryInfo& info : menuEntries())
            if (info.parent == e)
                return true;
        return false;
    };
    for (const MenuEntryInfo& info : menuEntries()) {
        const QString text = QString::fromUtf16(info.text);
        QMenu* parentMenu = info.parent == MenuEntry::Count ? nullptr : menus.at(info.parent);
        QAction* action = nullptr;
        if (hasChildren(info.entry)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(text) : menuBar()->addMenu(text);
            menus[info.entry] = menu;
            action = menu->menuAction();
        } else {
            action = parentMenu->addAction(text);
            action->setCheckable(std::find(std::begin(kTickable), std::end(kTickable),
                                           info.entry) != std::end(kTickable));
            const MenuEntry entry = info.entry;
            if (const auto command = commandOfMenuEntry(entry))
                connect(action, &QAction::triggered, this,
                        [this, command] { m_editor->run(*command, Origin::Menu); });
        }
        m_menuActions[info.entry] = action;
    }
    m_menuActions[MenuEntry::OpenFile]->setShortcut(QKeySequence::Open);
    m_menuActions[MenuEntry::NewFile]->setShortcut(QKeySequence::New);
    m_menuActions[MenuEntry::SaveFile]->setShortcut(QKeySequence::Save);
    m_menuActions[MenuEntry::Exit]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainWindow::buildToolbar(QWidget* canvas)
{
    m_toolbar = new QToolBar(canvas);
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->setMovable(false);
    m_toolbar->setAutoFillBackground(true);
    for (const ToolButtonInfo& info : toolButtons()) {
        if (info.command == Command::Count) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction* action =
            m_toolbar->addAction(toolIcon(info.picture), QString::fromUtf16(info.tooltip));
        action->setToolTip(QString::fromUtf16(info.tooltip));
        const Command command = info.command;
        connect(action, &QAction::triggered, this,
                [this, command] { m_editor->run(command, Origin::Toolbar); });
        m_toolActions[command] = action;
    }
}

void MainWindow::buildStatusBar()
{
    statusBar()->setSizeGripEnabled(false);
    const double widths[5] = {0, 2000, 1600, 1000, 1440};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i > 0)
            panel->setFixedWidth(px(widths[i]));
        statusBar()->addWidget(panel, i == 0 ? 1 : 0);
        m_panels[i] = panel;
    }
}

void MainWindow::buildControls(QWidget* canvas)
{
    m_watermark = new QLabel(QStringLiteral("2020Fdmr3plus"), canvas);
    QFont times(QStringLiteral("Times New Roman"));
    times.setPointSize(48);
    m_watermark->setFont(times);
    setTextColour(m_watermark, QColor(0xE0, 0xE0, 0xE0));
    m_watermark->setGeometry(pxRect(1680, 4680, 7095, 1095));
    m_watermark->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_headingLabel = new QLabel(canvas);
    m_headingLabel->setFont(screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    setTextColour(m_headingLabel, QColor(0x80, 0xFF, 0x80));
    m_editingIndicator = new QLabel(canvas);
    m_editingIndicator->setFont(m_headingLabel->font());
    setTextColour(m_editingIndicator, QColor(0x80, 0xFF, 0x80));

    m_tracingIndicator = new CellLabel(canvas);
    m_tracingIndicator->setFrameShape(QFrame::NoFrame);
    m_tracingIndicator->setAutoFillBackground(false);
    m_tracingIndicator->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_tracingIndicator, &CellLabel::clicked, m_editor.get(),
            &Editor::tracingIndicatorClicked);
    setTextColour(m_tracingIndicator, QColor(0x00, 0xFF, 0xFF));
    m_tracingIndicator->setGeometry(pxRect(4200, 720, 1875, 300));

    m_pageList = new QComboBox(canvas);
    m_pageList->setEditable(true);
    m_pageList->setInsertPolicy(QComboBox::NoInsert);
    m_pageList->setGeometry(pxRect(6240, 720, 1815, 300));
    m_pageList->setToolTip(QStringLiteral("見出しの選択"));
    connect(m_pageList, &QComboBox::activated, m_editor.get(), &Editor::choosePage);
    connect(m_pageList->lineEdit(), &QLineEdit::textEdited, m_editor.get(),
            &Editor::setPageListText);
    connect(m_pageList->lineEdit(), &QLineEdit::returnPressed, m_editor.get(),
            &Editor::pageListEnter);

    m_registration = new QPushButton(canvas);
    m_registration->setGeometry(pxRect(8160, 720, 1215, 300));
    connect(m_registration, &QPushButton::clicked, m_editor.get(), &Editor::registerHeading);

    m_hintArrow = new QLabel(canvas);
    m_hintArrow->setGeometry(pxRect(6480, 1080, 480, 480));
    m_hintArrow->setPixmap(hintArrowPixmap(px(480)));

    m_editBox = new EditBox(canvas);
    m_editBox->setGeometry(pxRect(3960, 8040, 3135, 390));
    m_editBox->setFont(screenFont(QStringLiteral("ＭＳ Ｐ明朝"), 12));
    m_editBox->setToolTip(QStringLiteral("文字を入力して編集"));
    connect(m_editBox, &EditBox::inputMethodText, m_editor.get(), &Editor::inputMethodEvent);
    connect(m_editBox, &QLineEdit::textEdited, m_editor.get(), &Editor::editBoxEdited);
    connect(m_editBox, &EditBox::enterPressed, m_editor.get(), &Editor::editBoxEnter);
    connect(m_editBox, &EditBox::arrowPressed, m_editor.get(), &Editor::arrowKey);

    m_length = new QLabel(canvas);
    m_length->setFont(screenFont(QStringLiteral("ＭＳ Ｐゴシック"), 15.75, true));
    setTextColour(m_length, QColor(0xFF, 0xFF, 0x80));
    m_length->move(px(7200), px(8160));
    for (int i = 0; i < 2; ++i) {
        m_marks[i] = new QLabel(QStringLiteral("▲"), canvas);
        setTextColour(m_marks[i], QColor(0xFF, 0x80, 0x80));
        m_marks[i]->move(px(i == 0 ? 4920 : 6075), px(8445));
    }

    const struct {
        PadPicture picture;
        double left, top;
        Arrow arrow;
    } pad[] = {{PadPicture::Up, 8280, 7080, Arrow::Up},
               {PadPicture::Down, 8280, 8040, Arrow::Down},
               {PadPicture::Left, 7800, 7560, Arrow::Left},
               {PadPicture::Right, 8760, 7560, Arrow::Right},
               {PadPicture::Centre, 8280, 7560, Arrow::Up}};
    for (int i = 0; i < 5; ++i) {
        auto* label = new CellLabel(canvas);
        label->setFrameShape(QFrame::NoFrame);
        label->setAutoFillBackground(false);
        label->setPixmap(padPixmap(pad[i].picture, px(480)));
        label->setGeometry(pxRect(pad[i].left, pad[i].top, 480, 480));
        if (pad[i].picture != PadPicture::Centre) {
            const Arrow arrow = pad[i].arrow;
            connect(label, &CellLabel::clicked, this, [this, arrow] { m_editor->arrowPad(arrow); });
        }
        m_pad[i] = label;
    }
}

void MainWindow::sync()
{
    const EditorState& s = m_editor->state();
    setWindowTitle(s.caption);
    const QSize client(px(s.windowWidth), px(s.canvasHeight));
    m_canvas->setFixedSize(client);
    m_toolbar->setGeometry(0, 0, client.width(), px(kToolbarHeight));
    setFixedSize(sizeHint().expandedTo(QSize(client.width(), 0)));

    for (const MenuEntryInfo& info : menuEntries()) {
        QAction* action = m_menuActions.at(info.entry);
        action->setEnabled(s.entry(info.entry).enabled);
        if (action->isCheckable())
            action->setChecked(s.entry(info.entry).checked);
    }
    for (const auto& [command, action] : m_toolActions) {
        const ToolButtonState& b = s.button(command);
        const ToolButtonInfo& info = *toolButtonOf(command);
        action->setVisible(b.visible);
        action->setEnabled(b.enabled);
        action->setIcon(toolIcon(b.picture));
        action->setToolTip(b.hasTooltip ? QString::fromUtf16(info.tooltip) : QString());
    }
    const std::array<const QString*, 5> panels = {
        &s.status.file, &s.status.font, &s.status.fontSize, &s.status.page, &s.status.publisher};
    for (size_t i = 0; i < panels.size(); ++i)
        m_panels[i]->setText(*panels[i]);

    m_watermark->setVisible(s.watermarkVisible);
    m_tracingIndicator->setText(s.tracingIndicator);
    m_tracingIndicator->setVisible(s.tracingIndicatorVisible);
    if (m_kanaWindow)
        m_kanaWindow->sync();
    m_headingLabel->setText(s.headingLabel);
    m_headingLabel->adjustSize();
    m_headingLabel->move(px(240), px(720));
    m_editingIndicator->setText(s.editingIndicator);
    m_editingIndicator->adjustSize();
    m_editingIndicator->move(m_headingLabel->x() + m_headingLabel->width(), px(720));
    m_editingIndicator->setVisible(s.pageEditorShown && s.editingIndicatorVisible);

    {
        const QSignalBlocker block(m_pageList);
        if (m_pageList->count() != s.pageListEntries.size() || [&] {
                for (int i = 0; i < m_pageList->count(); ++i)
                    if (m_pageList->itemText(i) != s.pageListEntries[i])
                        return true;
                return false;
            }()) {
            m_pageList->clear();
            m_pageList->addItems(s.pageListEntries);
        }
        if (m_pageList->currentText() != s.pageListText)
            m_pageList->setEditText(s.pageListText);
        m_pageList->setEnabled(s.pageListEnabled);
        setBackground(m_pageList, QPalette::Base, pageListColour(s.pageListColour));
        setBackground(m_pageList->lineEdit(), QPalette::Base, pageListColour(s.pageListColour));
    }
    m_registration->setEnabled(s.registrationEnabled);
    m_registration->setText(s.registrationCaption);

    if (s.hintArrowBlinking && !m_blink->isActive())
        m_blink->start();
    else if (!s.hintArrowBlinking)
        m_blink->stop();
    m_hintArrow->setVisible(s.hintArrowVisible);

    m_grid->sync(s);
    m_kanjiPanel->sync(s);
    // The arrangement board takes the place of the page editor.
    const bool editor = s.pageEditorShown;
    if (!editor)
        m_grid->hideAll();
    for (QWidget* w : std::initializer_list<QWidget*>{m_editBox, m_headingLabel, m_pageList})
        w->setVisible(editor);
    m_registration->setVisible(editor && s.registrationVisible);

    if (m_editBox->text() != s.editBoxText)
        m_editBox->setText(s.editBoxText);
    m_editBox->setEnabled(s.editBoxEnabled);
    setBackground(m_editBox, QPalette::Base, screenColour(s.editBoxColour));
    m_length->setText(QString::number(s.lengthShown) + QStringLiteral("文字"));
    m_length->adjustSize();
    m_length->move(px(editor ? 7200 : 2200), px(8160));
    m_marks[0]->setVisible(s.lengthMarks >= 1);
    m_marks[1]->setVisible(s.lengthMarks >= 2);
    for (int i = 0; i < 5; ++i)
        m_pad[i]->setVisible(editor && s.padVisible[i]);
}

void MainWindow::focus(FocusTarget target)
{
    if (target == FocusTarget::EditBox)
        m_editBox->setFocus();
    else
        m_pageList->setFocus();
}

void MainWindow::showColourWindow()
{
    auto* window = new ColourWindow(*m_editor, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MainWindow::showKanaWindow()
{
    if (!m_kanaWindow) {
        m_kanaWindow = new KanaPositionWindow(*m_editor, this);
        m_kanaWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_kanaWindow, &QObject::destroyed, this, [this] { m_kanaWindow = nullptr; });
    }
    m_kanaWindow->sync();
    m_kanaWindow->show();
    m_kanaWindow->raise();
}

void MainWindow::showPublisherWindow()
{
    if (!m_publisherWindow) {
        m_publisherWindow = new PublisherWindow(*m_editor, this);
        m_publisherWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_publisherWindow, &QObject::destroyed, this,
                [this] { m_publisherWindow = nullptr; });
    }
    m_publisherWindow->show();
    m_publisherWindow->raise();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_editor->confirmClose()) {
        event->ignore();
        return;
    }
    m_editor->windowClosing();
    event->accept();
}

} // namespace kakitori
