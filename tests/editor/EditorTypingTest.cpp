#include "EditorFixture.h"

using namespace kakitori;

namespace {

QStringList onePage()
{
    return {pageLine(QStringLiteral("一"), QStringLiteral("@ＭＳ 明朝"),
                     {{"", "朝", "あさ", "です。"}, {"あの", "", "", ""}})};
}

} // namespace

TEST_F(EditorTest, ConvertedWordFillsItsReadingAndClearingTheWordClearsIt)
{
    openLines(onePage());
    editor.choosePage(0);
    convert(2, RowField::FirstWord, QStringLiteral("えんそく"), QStringLiteral("遠足"));
    EXPECT_EQ(cell(2, RowField::FirstWord), QStringLiteral("遠足"));
    EXPECT_EQ(cell(2, RowField::FirstReading), QStringLiteral("えんそく"));
    EXPECT_EQ(editor.problem().page(0).rows[1][RowField::FirstReading], QStringLiteral("えんそく"));

    // A reading typed by hand stays until the word itself changes.
    type(2, RowField::FirstReading, QStringLiteral("えんそくｘ"));
    type(2, RowField::Middle, QStringLiteral("に"));
    EXPECT_EQ(cell(2, RowField::FirstReading), QStringLiteral("えんそくｘ"));

    editor.clickCell(2, RowField::FirstWord);
    EXPECT_EQ(state().editBoxText, QStringLiteral("遠足")) << "a click shows the cell's text";
    EXPECT_EQ(state().editBoxColour, 0xFFFF80u);
    editor.editBoxEdited(QString());
    EXPECT_TRUE(cell(2, RowField::FirstReading).isEmpty());
    EXPECT_FALSE(editor.wordChanged());
}

TEST_F(EditorTest, CharacterLimitColoursRowsAndBeepsOncePerRedRow)
{
    openLines(onePage());
    editor.choosePage(0);
    type(3, RowField::Lead, QStringLiteral("あいうえおかきくけこさしすせそ")); // 15
    EXPECT_EQ(state().rows[2].length, 15);
    EXPECT_EQ(state().rows[2].background[0], colours::kCell[0]);
    EXPECT_EQ(state().rows[2].rowNumberColour, colours::kRowNumberFilled);
    EXPECT_EQ(dialogs.beeps, 0);

    type(3, RowField::FirstReading, QStringLiteral("よみがなはかぞえないよみがな"));
    EXPECT_EQ(state().rows[2].length, 15) << "readings never count";

    // A filled second part counts while hidden.
    editor.toggleFiveCellSwitch(3);
    type(3, RowField::Tail, QStringLiteral("た"));
    editor.toggleFiveCellSwitch(3);
    EXPECT_FALSE(state().rows[2].switchOn);
    dialogs.beeps = 0;
    type(4, RowField::Lead, QStringLiteral("あいうえおかきくけこさしすせそた"));
    EXPECT_EQ(state().rows[2].background[6], colours::kOverLimit);
    EXPECT_EQ(state().rows[3].background[0], colours::kOverLimit);
    EXPECT_EQ(dialogs.beeps, 2 * 2) << "two red rows, checked at the cell change and at the end";

    editor.run(Command::Limit17, Origin::Menu);
    editor.run(Command::SpacingNarrow, Origin::Menu);
    EXPECT_EQ(editor.characterLimit(), 22);
    EXPECT_EQ(state().editingIndicator, QStringLiteral("　編集中（文字制限２２字）"));
    editor.run(Command::SpacingNormal, Origin::Menu);
    EXPECT_EQ(state().editingIndicator, QStringLiteral("　編集中（文字制限１７字）"));
    editor.run(Command::SpacingNarrow, Origin::Menu);
    editor.run(Command::Limit10, Origin::Menu);
    EXPECT_TRUE(state().entry(MenuEntry::SpacingNormal).checked);
    EXPECT_EQ(editor.characterLimit(), 10);
    EXPECT_EQ(state().editingIndicator, QStringLiteral("　編集中（文字制限１０字）"));
}

TEST_F(EditorTest, LengthDisplayCountsTheEditBox)
{
    openLines(onePage());
    editor.choosePage(0);
    editor.clickCell(5, RowField::Lead);
    for (const auto& [text, length] :
         {std::pair{"あいうえ", 4}, {"あいうえお", 5}, {"一二三四五六七八九十", 10}}) {
        editor.editBoxEdited(QString::fromUtf8(text));
        EXPECT_EQ(state().lengthShown, length);
    }
}

TEST_F(EditorTest, EnterMovesThroughTheCellsAndOffersANewPageAfterRow10)
{
    openLines(onePage());
    editor.choosePage(0);
    editor.toggleFiveCellSwitch(1);
    editor.clickCell(1, RowField::Lead);
    std::vector<RowField> visited;
    for (int i = 0; i < 5; ++i) {
        visited.push_back(state().cursor.kind);
        editor.editBoxEnter();
    }
    EXPECT_EQ(visited, (std::vector{RowField::Lead, RowField::FirstWord, RowField::Middle,
                                    RowField::SecondWord, RowField::Tail}));
    EXPECT_EQ(state().cursor, (CellPosition{2, RowField::Lead}));

    editor.run(Command::NoPassReading, Origin::Menu);
    editor.clickCell(2, RowField::FirstWord);
    editor.editBoxEnter();
    EXPECT_EQ(state().cursor, (CellPosition{2, RowField::FirstReading}));

    editor.clickCell(10, RowField::Middle);
    editor.editBoxEnter(); // answered No
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("新しいページに移動しますか"));
    EXPECT_EQ(state().cursor, (CellPosition{10, RowField::Middle}));
    dialogs.answers = {true};
    editor.editBoxEnter();
    EXPECT_EQ(state().pageListColour, PageListColour::Yellow);
    EXPECT_EQ(state().rows[0].rowNumber, QStringLiteral(" 11"));
}

TEST_F(EditorTest, ArrowPadAndKeysFollowTheKeyType)
{
    openLines(onePage());
    editor.choosePage(0);
    editor.clickCell(3, RowField::FirstWord);
    EXPECT_FALSE(editor.arrowKey(Arrow::Up)) << "soft type: the window leaves the arrow keys alone";
    editor.arrowPad(Arrow::Up);
    EXPECT_EQ(state().cursor, (CellPosition{2, RowField::FirstWord}));

    editor.run(Command::KeysHard, Origin::Menu);
    EXPECT_EQ(state().padVisible, (std::array<bool, 5>{}));
    EXPECT_TRUE(editor.arrowKey(Arrow::Down));
    EXPECT_EQ(state().cursor, (CellPosition{3, RowField::FirstWord}));

    editor.run(Command::KeysSoft, Origin::Menu);
    editor.run(Command::KeysDownOnly, Origin::Menu);
    EXPECT_TRUE(editor.downOnlyPad());
    editor.editBoxEnter();
    EXPECT_EQ(state().cursor, (CellPosition{4, RowField::FirstWord}));
}

TEST_F(EditorTest, FiveCellSwitchMovesTheCursor)
{
    openLines(onePage());
    editor.choosePage(0);
    editor.toggleFiveCellSwitch(2);
    EXPECT_EQ(state().cursor, (CellPosition{2, RowField::SecondWord}));
    EXPECT_EQ(state().rows[1].switchTooltip, QStringLiteral("３マス表示ボタン"));
    editor.toggleFiveCellSwitch(2);
    EXPECT_EQ(state().cursor, (CellPosition{2, RowField::Lead}));
}

TEST_F(EditorTest, EnterFromACellAnotherRowHidesNeverWritesOutsideTheRows)
{
    openLines({pageLine(QStringLiteral("一"), QStringLiteral("ＭＳ 明朝"),
                        {{"あ", "山", "やま", "に", "川", "かわ", "と"}})});
    editor.choosePage(0);
    editor.run(Command::KeysHard, Origin::Menu);
    editor.clickCell(1, RowField::Tail);
    ASSERT_TRUE(editor.arrowKey(Arrow::Down));
    EXPECT_EQ(state().cursor, (CellPosition{2, RowField::Middle})) << "row 2 hides its tail";
    editor.editBoxEnter();
    EXPECT_EQ(state().cursor, (CellPosition{3, RowField::Lead}));
    editor.editBoxEdited(QStringLiteral("う"));
    EXPECT_EQ(cell(3, RowField::Lead), QStringLiteral("う"));
    EXPECT_EQ(editor.problem().page(0).font, QStringLiteral("ＭＳ 明朝"));
}
