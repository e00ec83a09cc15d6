#include "editor/KanjiPanelModel.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace kakitori;

TEST(KanjiPanelModel, TheBoardCollectsColouredCellsAndItsTextMovesThroughFiles)
{
    KanjiPanelState state;
    KanjiPanelModel panel(state);
    panel.enterBoard();
    panel.showGrade(1, QStringLiteral("光村図書20"));
    EXPECT_TRUE(panel.holdsKanji());
    panel.setSpreadsheetSeparators(true);
    panel.boardClick(1);
    panel.boardClick(2);
    const QString expected =
        panel.browser().cells()[1].text + u',' + panel.browser().cells()[2].text + u',';
    EXPECT_EQ(state.arrangementText, expected);

    TestFolder folder;
    const QString path = folder.path(QStringLiteral("board.csv"));
    ASSERT_TRUE(panel.exportBoard(path).isEmpty());
    panel.setBoardText(QString());
    ASSERT_TRUE(panel.importBoard(path).isEmpty());
    EXPECT_EQ(state.arrangementText, expected + QStringLiteral("\r\n"));
    EXPECT_FALSE(panel.importBoard(folder.path(QStringLiteral("missing.txt"))).isEmpty());

    panel.leaveBoard();
    EXPECT_EQ(state.visibleKanjiCells, 0);
    EXPECT_FALSE(panel.isClickable(0));
}

TEST(KanjiPanelModel, AnUnusableSearchTextIsSaidUnderTheBox)
{
    KanjiPanelState state;
    KanjiPanelModel panel(state);
    panel.search(QStringLiteral("[が"));
    EXPECT_NE(state.searchHint, kSearchHint);
    panel.search(QStringLiteral("が"));
    EXPECT_EQ(state.searchHint, kSearchHint);
    EXPECT_TRUE(panel.holdsKanji());
}
