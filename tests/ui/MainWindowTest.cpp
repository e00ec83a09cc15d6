#include "ui/MainWindow.h"
#include "ui/CellLabel.h"
#include "ui/EditBox.h"
#include "ui/KanjiPanelView.h"
#include "ui/RowGridView.h"
#include "ui/ScreenGeometry.h"
#include "ui/WidgetDialogs.h"

#include "EditorFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

using namespace kakitori;

namespace {

class MainWindowTest : public testing::Test {
protected:
    MainWindowTest()
        : window(EditorEnvironment{folder.path(QStringLiteral("FM3.ini")),
                                   QDir(folder.path(QString()))},
                 &dialogs)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void openSample()
    {
        ASSERT_TRUE(window.editor().openFile(resourcePath(QStringLiteral("sample.mojx"))));
        window.editor().choosePage(0);
    }

    CellLabel* cell(int row, RowField kind) { return window.grid().cellLabel(row, kind); }

    TestFolder folder;
    ScriptedDialogs dialogs;
    MainWindow window;
};

} // namespace

TEST_F(MainWindowTest, ToolbarFollowsTheCommandMap)
{
    const QList<QAction*> actions = window.toolbar()->actions();
    ASSERT_EQ(actions.size(), kToolbarPlaces);
    for (const ToolButtonInfo& info : toolButtons()) {
        SCOPED_TRACE(info.index);
        QAction* action = actions[info.index - 1];
        EXPECT_EQ(action->isSeparator(), info.command == Command::Count);
        if (info.command != Command::Count) {
            EXPECT_EQ(action, window.toolAction(info.command));
        }
    }
    EXPECT_EQ(window.toolAction(Command::Open)->toolTip(), QStringLiteral("ファイルを開く"));
    EXPECT_FALSE(window.toolAction(Command::Save)->isEnabled());
    EXPECT_FALSE(window.toolAction(Command::ListTable)->isVisible());

    dialogs.files.push_back(resourcePath(QStringLiteral("sample.mojx")));
    window.toolAction(Command::Open)->trigger();
    EXPECT_EQ(window.pageList()->count(), 4);
    EXPECT_EQ(window.windowTitle().left(9), QStringLiteral("2002筆丸さん　"));
    EXPECT_TRUE(window.menuAction(MenuEntry::PrintWriting)->isEnabled());
    EXPECT_TRUE(window.menuAction(MenuEntry::Limit15)->isChecked());
}

TEST_F(MainWindowTest, ClickingACellShowsItsTextInTheEditBox)
{
    openSample();
    QTest::mouseClick(cell(1, RowField::FirstWord), Qt::LeftButton);
    EXPECT_EQ(window.editBox()->text(), QStringLiteral("筆丸"));
    EXPECT_EQ(window.editBox()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x80));
    EXPECT_EQ(cell(1, RowField::FirstWord)->text(), QStringLiteral("筆丸"));
    EXPECT_TRUE(cell(1, RowField::SecondWord)->isVisible()) << "row 1 has a second part";
    EXPECT_FALSE(cell(2, RowField::SecondWord)->isVisible());
}

TEST_F(MainWindowTest, TypingReLaysTheRowOutAndTheReadingComesFromTheInputMethod)
{
    openSample();
    QTest::mouseClick(cell(1, RowField::Lead), Qt::LeftButton);
    const int wordLeft = cell(1, RowField::FirstWord)->x();
    const int readingLeft = cell(1, RowField::FirstReading)->x();
    QTest::keyClicks(window.editBox(), QStringLiteral("ab"));
    EXPECT_EQ(cell(1, RowField::Lead)->text(), QStringLiteral("むこうのab"));
    const int grown = cell(1, RowField::FirstWord)->x() - wordLeft;
    EXPECT_GT(grown, 10);
    EXPECT_EQ(cell(1, RowField::FirstReading)->x() - readingLeft, grown);
    EXPECT_EQ(cell(1, RowField::FirstWord)->x(),
              cell(1, RowField::Lead)->x() + cell(1, RowField::Lead)->width());

    QTest::mouseClick(cell(5, RowField::FirstWord), Qt::LeftButton);
    for (const char* preedit : {"え", "えん", "えんそく", "遠足"}) {
        QInputMethodEvent event(QString::fromUtf8(preedit), {});
        QApplication::sendEvent(window.editBox(), &event);
    }
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("遠足"));
    QApplication::sendEvent(window.editBox(), &commit);
    EXPECT_EQ(cell(5, RowField::FirstWord)->text(), QStringLiteral("遠足"));
    EXPECT_EQ(cell(5, RowField::FirstReading)->text(), QStringLiteral("えんそく"));

    QTest::keyClick(window.editBox(), Qt::Key_Return);
    EXPECT_EQ(window.editor().state().cursor, (CellPosition{5, RowField::Middle}));
    EXPECT_TRUE(window.editBox()->text().isEmpty());
}

TEST_F(MainWindowTest, CloseBoxAsksWhileChangesAreUnsaved)
{
    openSample();
    QTest::mouseClick(cell(2, RowField::Lead), Qt::LeftButton);
    QTest::keyClicks(window.editBox(), QStringLiteral("x"));
    EXPECT_FALSE(window.close()) << "answered No";
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("保存されていませんが、終了しますか？"));
    dialogs.answers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(folder.exists(QStringLiteral("FM3.ini")));
}

TEST_F(MainWindowTest, TheWideViewAndTheArrangementBoardThroughTheWindow)
{
    openSample();
    window.toolAction(Command::KanjiPanel)->trigger();
    EXPECT_EQ(window.centralWidget()->width(), px(12300));
    QTest::mouseClick(window.kanjiPanel().gradeButton(1), Qt::LeftButton);
    EXPECT_TRUE(window.kanjiPanel().cell(0)->isVisible());
    EXPECT_FALSE(window.kanjiPanel().cell(110)->isVisible());
    EXPECT_FALSE(window.kanjiPanel().cell(1)->text().isEmpty());
    QTest::mouseClick(window.kanjiPanel().halfSwitch(), Qt::LeftButton);
    EXPECT_EQ(window.kanjiPanel().halfSwitch()->text(), QStringLiteral("戻る"));

    window.menuAction(MenuEntry::ArrangeGo)->trigger();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("くみたて坊"));
    EXPECT_TRUE(window.kanjiPanel().board()->isVisible());
    EXPECT_TRUE(window.kanjiPanel().cell(219)->isVisible());
    EXPECT_FALSE(window.editBox()->isVisible());
    EXPECT_FALSE(window.grid().cellLabel(1, RowField::Lead)->isVisible());
    QTest::mouseClick(window.kanjiPanel().gradeButton(2), Qt::LeftButton);
    QTest::mouseClick(window.kanjiPanel().cell(1), Qt::LeftButton);
    EXPECT_EQ(window.kanjiPanel().board()->toPlainText(), window.kanjiPanel().cell(1)->text());

    window.menuAction(MenuEntry::ArrangeCancel)->trigger();
    EXPECT_FALSE(window.kanjiPanel().board()->isVisible());
    EXPECT_TRUE(window.grid().cellLabel(1, RowField::Lead)->isVisible());
    EXPECT_TRUE(window.editBox()->isVisible());
}

TEST_F(MainWindowTest, AfterRegisteringAHeadingTheFirstKeyLandsInTheFirstCell)
{
    openSample();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.editor().run(Command::AddPage, Origin::Menu);
    window.pageList()->setFocus();
    QTest::keyClicks(window.pageList(), QStringLiteral("four"));
    QTest::keyClick(window.pageList(), Qt::Key_Return);
    EXPECT_TRUE(window.editBox()->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    EXPECT_EQ(window.editor().state().cells.rows[0][RowField::Lead], QStringLiteral("abc"));
    EXPECT_EQ(window.editor().state().pageListEntries.last(), QStringLiteral("four"))
        << "the keys did not go into the heading";
}

TEST(WidgetDialogs, ASaveDialogAddsTheExtensionOfItsOwnFilter)
{
    EXPECT_EQ(extensionOfFilter(QStringLiteral("問題ファイル(*.mojx) (*.mojx)")),
              QStringLiteral("mojx"));
    EXPECT_EQ(extensionOfFilter(QStringLiteral("csvファイル(*.csv) (*.csv)")),
              QStringLiteral("csv"));
    EXPECT_EQ(extensionOfFilter(QStringLiteral("テキストファイル(*.txt) (*.txt)")),
              QStringLiteral("txt"));
}
