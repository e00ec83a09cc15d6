#include "ui/RowGridView.h"
#include "ui/CellLabel.h"
#include "ui/MainWindow.h"
#include "ui/ScreenGeometry.h"

#include "EditorFixture.h"

#include <QTest>

using namespace kakitori;

namespace kakitori {

// Failures name the cell.
static void PrintTo(const CellPosition& p, std::ostream* os)
{
    *os << "row " << p.row << " field " << static_cast<int>(p.kind);
}

} // namespace kakitori

namespace {

class RowGridViewTest : public testing::Test {
protected:
    RowGridViewTest()
        : window(EditorEnvironment{folder.path(QStringLiteral("FM3.ini")),
                                   QDir(folder.path(QString()))},
                 &dialogs)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Row 1: one-kanji words with nothing before, between or over them; row 2 is empty.
        const QString line = pageLine(QStringLiteral("一"), QStringLiteral("ＭＳ 明朝"),
                                      {{"", "星", "", "", "話", "", "す。"}});
        EXPECT_TRUE(window.editor().openFile(folder.write(QStringLiteral("a.mojx"), cp932(line))));
        window.editor().choosePage(0);
    }

    CellLabel* cell(int row, RowField kind) { return window.grid().cellLabel(row, kind); }

    // A press and release where a teacher's mouse would be: the window finds the widget there.
    void clickAt(QPoint onCanvas)
    {
        const QWidget* canvas = cell(1, RowField::Lead)->parentWidget();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          canvas->mapTo(&window, onCanvas));
    }

    CellPosition cursor() { return window.editor().state().cursor; }

    TestFolder folder;
    ScriptedDialogs dialogs;
    MainWindow window;
};

} // namespace

TEST_F(RowGridViewTest, AnEmptyCellBetweenWordsTakesClicksOneCharacterWide)
{
    CellLabel* middle = cell(1, RowField::Middle);
    ASSERT_LT(middle->width(), 10) << "an empty cell is drawn as a sliver";
    EXPECT_EQ(cell(1, RowField::FirstWord)->geometry().right() + 1, middle->x())
        << "the row still reads as one sentence";
    EXPECT_EQ(middle->geometry().right() + 1, cell(1, RowField::SecondWord)->x());

    // Just inside a character's width centred on the sliver, over the words' inner edges.
    const int halfCharacter = QFontMetrics(cellFont(RowField::Middle)).horizontalAdvance(u'字') / 2;
    const QPoint centre = middle->geometry().center();
    for (int dx : {-(halfCharacter - 1), 0, halfCharacter - 1}) {
        clickAt(centre + QPoint(dx, 0));
        EXPECT_EQ(cursor(), (CellPosition{1, RowField::Middle})) << dx;
    }
    // The words are still theirs at their centres.
    for (RowField word : {RowField::FirstWord, RowField::SecondWord}) {
        clickAt(cell(1, word)->geometry().center());
        EXPECT_EQ(cursor(), (CellPosition{1, word}));
    }
}

TEST_F(RowGridViewTest, TheCentreOfEveryShownCellsTargetSelectsIt)
{
    for (int row : {1, 2}) {
        const GridRowState& r = window.editor().state().rows[row - 1];
        for (int f = 0; f < kRowFieldCount; ++f) {
            const RowField kind = RowField(f);
            if (!cell(row, kind)->isVisible())
                continue;
            SCOPED_TRACE(testing::Message() << "row " << row << " cell " << f);
            const auto elsewhere = [&] { window.editor().clickCell(3 - row, RowField::Lead); };
            const CellBox& t = r.geometry.clickTargetsFor(r.switchOn)[f];
            elsewhere();
            clickAt(QPoint(px(t.left + t.width / 2), px(t.top + t.height / 2)));
            EXPECT_EQ(cursor(), (CellPosition{row, kind}));
            // A click on the cell as drawn still selects it.
            elsewhere();
            clickAt(cell(row, kind)->geometry().center());
            EXPECT_EQ(cursor(), (CellPosition{row, kind}));
        }
    }
}
