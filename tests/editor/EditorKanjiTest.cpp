#include "EditorFixture.h"

using namespace kakitori;

namespace {

class EditorKanjiTest : public EditorTest {
protected:
    EditorKanjiTest()
    {
        openLines({pageLine(QStringLiteral("一"), QStringLiteral("@ＭＳ 明朝"),
                            {{"", "朝", "あさ", "。"}})});
        editor.choosePage(0);
        editor.run(Command::KanjiPanel, Origin::Toolbar);
    }

    int cellOf(const QString& kanji) const
    {
        for (int n = 0; n < KanjiBrowser::kCells; ++n)
            if (editor.kanjiBrowser().cells()[n].text == kanji)
                return n;
        return -1;
    }
};

} // namespace

TEST_F(EditorKanjiTest, TheWideViewShowsThePanelAndTwiceReturnsToTheNarrowView)
{
    EXPECT_EQ(state().windowWidth, 12300);
    EXPECT_EQ(state().visibleKanjiCells, 110);
    EXPECT_TRUE(state().button(Command::Publisher).visible);
    EXPECT_EQ(state().padVisible, (std::array<bool, 5>{}));
    editor.showKanjiGrade(1);
    EXPECT_TRUE(state().button(Command::ListTable).visible) << "the reference sheets are offered";
    editor.run(Command::KanjiPanel, Origin::Toolbar);
    EXPECT_EQ(state().windowWidth, 9700);
    EXPECT_EQ(state().visibleKanjiCells, 0);
    EXPECT_TRUE(editor.kanjiBrowser().cells()[0].text.isEmpty());
    EXPECT_FALSE(state().button(Command::Publisher).visible);
}

TEST_F(EditorKanjiTest, AClickedKanjiGoesIntoTheFirstEmptyFirstWordAndASecondClickTakesItOut)
{
    editor.showKanjiGrade(1);
    const int gaku = cellOf(QStringLiteral("学"));
    ASSERT_GE(gaku, 0);
    editor.clickKanjiCell(gaku);
    EXPECT_EQ(cell(2, RowField::FirstWord), QStringLiteral("学"));
    EXPECT_EQ(cell(2, RowField::FirstReading), QStringLiteral("がく"));
    EXPECT_TRUE(editor.kanjiBrowser().cells()[gaku].marked);
    EXPECT_EQ(editor.problem().page(0).rows[1][RowField::FirstWord], QStringLiteral("学"));
    editor.clickKanjiCell(gaku);
    EXPECT_TRUE(cell(2, RowField::FirstWord).isEmpty());
    EXPECT_TRUE(cell(2, RowField::FirstReading).isEmpty());

    editor.setSearchReading(false);
    editor.showKanjiGrade(1);
    editor.clickKanjiCell(gaku);
    EXPECT_EQ(cell(2, RowField::FirstReading), QStringLiteral("まな（ぶ）"));

    // A marked header cell places nothing; a plain one is placed like a kanji.
    editor.showKanjiGrade(1);
    editor.clickKanjiCell(0);
    EXPECT_EQ(cell(3, RowField::FirstWord), QStringLiteral("あ"));
    editor.clickKanjiCell(0);
    EXPECT_EQ(cell(3, RowField::FirstWord), QStringLiteral("あ"));
    EXPECT_FALSE(editor.kanjiBrowser().cells()[0].marked);
}

TEST_F(EditorKanjiTest, AFullPageTakesNoMoreKanji)
{
    editor.showKanjiGrade(2);
    for (int n = 1; n <= 9; ++n)
        editor.clickKanjiCell(n);
    const Page before = state().cells;
    editor.clickKanjiCell(20);
    EXPECT_EQ(state().cells, before);
    EXPECT_FALSE(editor.kanjiBrowser().cells()[20].marked);
}

TEST_F(EditorKanjiTest, TheArrangementBoardCollectsKanjiAndItsTextGoesToFiles)
{
    editor.run(Command::ArrangeGo, Origin::Menu);
    EXPECT_EQ(state().caption, QStringLiteral("くみたて坊"));
    EXPECT_EQ(state().visibleKanjiCells, 220);
    EXPECT_FALSE(state().entry(MenuEntry::FileMenu).enabled);
    EXPECT_FALSE(state().button(Command::Open).enabled);
    EXPECT_TRUE(state().button(Command::Exit).enabled);
    editor.showKanjiGrade(1);
    editor.setSpreadsheetSeparators(true);
    for (const char* kanji : {"山", "川", "山"})
        editor.clickKanjiCell(cellOf(QString::fromUtf8(kanji)));
    EXPECT_EQ(state().arrangementText, QStringLiteral("山,川,山,"));
    EXPECT_EQ(state().lengthShown, 6);
    EXPECT_EQ(cell(2, RowField::FirstWord), QString()) << "the page is left alone";

    const QString path = folder.path(QStringLiteral("board.csv"));
    dialogs.files = {path, path};
    editor.saveArrangement();
    editor.saveArrangement();
    EXPECT_EQ(folder.read(QStringLiteral("board.csv")),
              QByteArray("\x8e\x52,\x90\xec,\x8e\x52,\r\n"
                         "\x8e\x52,\x90\xec,\x8e\x52,\r\n"));
    dialogs.files = {
        folder.write(QStringLiteral("three.txt"), cp932(QStringLiteral("一\r\n二\r\n三\r\n")))};
    editor.readArrangement();
    EXPECT_EQ(state().arrangementText, QStringLiteral("一\r\n二\r\n三\r\n"));

    editor.run(Command::ArrangeCancel, Origin::Menu);
    EXPECT_EQ(state().caption, QStringLiteral("2020筆丸さん"));
    EXPECT_EQ(state().windowWidth, 9700);
    EXPECT_TRUE(state().entry(MenuEntry::FileMenu).enabled);
    EXPECT_EQ(state().button(Command::KanjiPanel).picture, ToolPicture::KanjiSingle)
        << "the next press of button 12 widens the window again";
    editor.run(Command::KanjiPanel, Origin::Toolbar);
    EXPECT_EQ(state().windowWidth, 12300);
}

TEST_F(EditorTest, CancelOnTheNarrowViewOnlyResetsTheCaption)
{
    editor.run(Command::ArrangeCancel, Origin::Menu);
    EXPECT_EQ(state().caption, QStringLiteral("2020筆丸さん"));
    EXPECT_FALSE(state().entry(MenuEntry::ArrangeGo).checked);
    EXPECT_EQ(state().windowWidth, 9700);
}

TEST_F(EditorTest, TheWideViewWithNoPageShownStartsABlankPage)
{
    editor.run(Command::KanjiPanel, Origin::Toolbar);
    EXPECT_EQ(state().pageListColour, PageListColour::Yellow);
    EXPECT_TRUE(state().registrationVisible);
    EXPECT_EQ(state().rows[0].rowNumber, QStringLiteral(" 1"));
}

TEST_F(EditorTest, AnUnusableSearchTextSaysWhyUnderTheSearchBox)
{
    editor.searchKanji(QStringLiteral("[か"));
    EXPECT_TRUE(state().searchHint.contains(QStringLiteral("]")));
    EXPECT_TRUE(editor.kanjiBrowser().cells()[0].text.isEmpty());
    editor.searchKanji(QStringLiteral("がく"));
    EXPECT_EQ(state().searchHint, kSearchHint);
    EXPECT_EQ(editor.kanjiBrowser().cells()[0].text, QStringLiteral("学"));
}

TEST_F(EditorKanjiTest, ASearchResultClickedTwiceKeepsItsColourAndCanBePlacedAgain)
{
    editor.searchKanji(QStringLiteral("がく"));
    const int gaku = cellOf(QStringLiteral("学"));
    ASSERT_GE(gaku, 0);
    const BrowserColour colour = editor.kanjiBrowser().cells()[gaku].background;
    ASSERT_NE(colour, 0xFFFFFFu);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        editor.clickKanjiCell(gaku);
        EXPECT_EQ(cell(2, RowField::FirstWord), QStringLiteral("学"));
        editor.clickKanjiCell(gaku);
        EXPECT_TRUE(cell(2, RowField::FirstWord).isEmpty()) << "taken out again";
        EXPECT_EQ(editor.kanjiBrowser().cells()[gaku].background, colour);
    }
    EXPECT_TRUE(cell(3, RowField::FirstWord).isEmpty()) << "never placed twice";
}

TEST_F(EditorKanjiTest, HidingThePanelPutsTheNarrowViewBack)
{
    editor.showKanjiGrade(1);
    ASSERT_TRUE(state().button(Command::ListTable).visible);
    editor.run(Command::HideKanjiPanel, Origin::Menu);
    EXPECT_EQ(state().windowWidth, 9700);
    for (Command c :
         {Command::ListTable, Command::PracticeBook, Command::Publisher, Command::PourIn})
        EXPECT_FALSE(state().button(c).visible) << static_cast<int>(c);
    EXPECT_EQ(state().padVisible, (std::array<bool, 5>{true, true, true, true, true}))
        << "the soft key type's pad";
}

TEST_F(EditorTest, KanjiClickedIntoAnUnregisteredPageAskForItsHeading)
{
    editor.run(Command::KanjiPanel, Origin::Toolbar); // starts a blank page
    ASSERT_EQ(state().pageListColour, PageListColour::Yellow);
    editor.showKanjiGrade(1);
    editor.clickKanjiCell(1);
    EXPECT_TRUE(state().editingIndicatorVisible);
    EXPECT_EQ(state().editingIndicator, QStringLiteral("見出しを登録してください"));
}
