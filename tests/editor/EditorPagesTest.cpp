#include "EditorFixture.h"

#include "data/PageLine.h"

#include <functional>
#include <vector>

using namespace kakitori;

namespace {

QStringList threePages()
{
    return {pageLine(QStringLiteral("一"), QStringLiteral("@ＭＳ 明朝"),
                     {{"", "朝", "あさ", "です。"}}),
            pageLine(QStringLiteral("二"), QStringLiteral("ＭＳ 明朝"),
                     {{"", "夏", "なつ", "のよるに", "星", "ほし", "をみた。"},
                      {},
                      {},
                      {"", "", "", "", "", "", "。"}}),
            pageLine(QStringLiteral("三"), QStringLiteral("@ＭＳ 明朝"), {})};
}

} // namespace

TEST_F(EditorTest, ChoosingAPageShowsItsRowsNumbersAndFont)
{
    openLines(threePages());
    editor.choosePage(1);
    EXPECT_EQ(state().status.page, QStringLiteral(" 2頁"));
    EXPECT_EQ(state().rows[0].rowNumber, QStringLiteral(" 11"));
    EXPECT_EQ(state().rows[9].rowNumber, QStringLiteral(" 20"));
    EXPECT_EQ(cell(1, RowField::SecondWord), QStringLiteral("星"));
    EXPECT_TRUE(state().rows[0].switchOn);
    EXPECT_TRUE(state().rows[3].switchOn) << "a row with only a tail text shows its second part";
    EXPECT_FALSE(state().rows[1].switchOn);
    EXPECT_EQ(state().status.font, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(state().headingLabel, QStringLiteral("二"));
    EXPECT_EQ(state().rows[0].rowNumberColour, colours::kRowNumberFilled);
    EXPECT_EQ(state().rows[1].rowNumberColour, colours::kRowNumberEmpty);
    EXPECT_TRUE(state().entry(MenuEntry::SaveFile).enabled);
    EXPECT_TRUE(state().editBoxEnabled);
}

TEST_F(EditorTest, ChoosingAnotherPageLeavesThePageBeingLeftAsItWas)
{
    openLines(threePages());
    editor.choosePage(0);
    type(2, RowField::Lead, QStringLiteral("ひる"));
    editor.clickCell(1, RowField::FirstWord);
    editor.choosePage(2);
    editor.choosePage(0);
    EXPECT_EQ(cell(1, RowField::FirstWord), QStringLiteral("朝"))
        << "not emptied by the page switch";
    EXPECT_EQ(cell(2, RowField::Lead), QStringLiteral("ひる"))
        << "edits of an earlier page are kept";
    EXPECT_EQ(state().editBoxText, QStringLiteral("朝")) << "the edit box shows the cursor cell";
}

TEST_F(EditorTest, OldVersionPageDoesNotTakeThePreviousPagesSecondParts)
{
    QStringList old(kOldPageLineFields);
    old[0] = QStringLiteral("旧");
    old[3] = QStringLiteral("字");
    openLines({threePages()[1], old.join(u',')}, QStringLiteral("old.moj"));
    editor.choosePage(0);
    editor.choosePage(1);
    EXPECT_EQ(cell(1, RowField::FirstWord), QStringLiteral("字"));
    EXPECT_TRUE(cell(1, RowField::SecondWord).isEmpty());
    EXPECT_EQ(state().status.font, QStringLiteral("ＭＳ 明朝"))
        << "an old line leaves the font panel";
}

TEST_F(EditorTest, BlankPageJoinsTheProblemWhenItsHeadingIsRegistered)
{
    openLines(threePages());
    editor.choosePage(0);
    editor.run(Command::AddPage, Origin::Toolbar);
    EXPECT_EQ(state().pageListColour, PageListColour::Yellow);
    EXPECT_TRUE(state().registrationVisible);
    EXPECT_FALSE(state().editBoxEnabled);
    EXPECT_EQ(state().rows[0].rowNumber, QStringLiteral(" 31"));
    EXPECT_EQ(state().cursor, (CellPosition{1, RowField::Lead}));

    editor.setPageListText(QString());
    editor.registerHeading();
    EXPECT_EQ(state().pageListEntries.last(), QStringLiteral("れんしゅう"));
    EXPECT_EQ(state().status.page, QStringLiteral(" 4頁")) << "the page actually added";
    EXPECT_EQ(state().registrationCaption, QStringLiteral("登録済み"));
    EXPECT_FALSE(state().registrationEnabled);
    EXPECT_EQ(state().pageListColour, PageListColour::White);
    EXPECT_TRUE(editor.hasUnsavedChanges());
    EXPECT_EQ(splitPageLine(editor.problem().line(3)).size(), kPageLineFields);

    type(1, RowField::Lead, QStringLiteral("あたらしい頁"));
    EXPECT_EQ(editor.problem().page(3).rows[0][RowField::Lead], QStringLiteral("あたらしい頁"));
    EXPECT_EQ(editor.problem().page(0).rows[0][RowField::FirstWord], QStringLiteral("朝"));
}

TEST_F(EditorTest, EnterInThePageListRegistersOnlyAPendingPage)
{
    openLines(threePages());
    editor.choosePage(2);
    editor.pageListEnter();
    EXPECT_EQ(editor.problem().pageCount(), 3) << "no blank page is waiting";
    EXPECT_EQ(state().status.page, QStringLiteral(" 3頁"));

    editor.run(Command::AddPage, Origin::Menu);
    editor.setPageListText(QStringLiteral("四"));
    editor.pageListEnter();
    EXPECT_EQ(state().pageListEntries.last(), QStringLiteral("四"));
    EXPECT_FALSE(state().registrationVisible);
    EXPECT_TRUE(state().editBoxEnabled);
}

TEST_F(EditorTest, NewFileStartsAnEmptyProblemAndAsksFirst)
{
    openLines(threePages());
    editor.run(Command::NewFile, Origin::Toolbar); // answered No
    EXPECT_EQ(dialogs.questions.value(0), QStringLiteral("新規のデータを作成しますか？"));
    EXPECT_EQ(editor.problem().pageCount(), 3);

    dialogs.answers = {true};
    editor.run(Command::NewFile, Origin::Toolbar);
    EXPECT_EQ(editor.problem().pageCount(), 0);
    EXPECT_TRUE(state().pageListEntries.isEmpty());
    EXPECT_EQ(state().status.file, QStringLiteral("ファイル"));
    EXPECT_EQ(state().rows[0].rowNumber, QStringLiteral(" 1"));
    EXPECT_TRUE(state().hintArrowBlinking);

    editor.setPageListText(QStringLiteral("はじめ"));
    editor.registerHeading();
    EXPECT_EQ(editor.problem().headings(), QStringList{QStringLiteral("はじめ")});
    EXPECT_FALSE(state().hintArrowBlinking);

    // With unsaved changes even the menu entry asks.
    editor.run(Command::NewFile, Origin::Menu);
    EXPECT_TRUE(
        dialogs.questions.last().startsWith(QStringLiteral("保存されていない変更があります。")));
    EXPECT_EQ(editor.problem().pageCount(), 1);
}

TEST_F(EditorTest, LookingAtPagesAndSavingRewritesNoLine)
{
    // Lines of every shape the tool meets: heading only, the old 43 fields, more than 73 with
    // field 1 used. Choosing them and saving without an edit writes the file byte for byte.
    QStringList old(kOldPageLineFields);
    old[0] = QStringLiteral("旧");
    old[3] = QStringLiteral("字");
    QStringList wide(200);
    wide[0] = QStringLiteral("長");
    wide[1] = QStringLiteral("予備");
    wide[kFontField] = QStringLiteral("ＭＳ 明朝");
    wide[199] = QStringLiteral("最後");
    const QStringList lines = {QStringLiteral("見出しだけ"), old.join(u','), wide.join(u',')};
    openLines(lines);
    const QByteArray before = folder.read(QStringLiteral("a.mojx"));
    for (int page : {0, 1, 2, 0})
        editor.choosePage(page);
    editor.clickCell(3, RowField::Lead);
    editor.editBoxEnter();
    for (int page = 0; page < 3; ++page)
        EXPECT_EQ(editor.problem().line(page), lines[page]) << page;

    dialogs.files.push_back(folder.path(QStringLiteral("b.mojx")));
    editor.run(Command::Save, Origin::Menu);
    EXPECT_EQ(folder.read(QStringLiteral("b.mojx")), before);

    // An edit rewrites its own page only, and keeps the fields no cell holds.
    editor.choosePage(2);
    type(1, RowField::FirstWord, QStringLiteral("山"));
    const QStringList edited = splitPageLine(editor.problem().line(2));
    ASSERT_EQ(edited.size(), 200);
    EXPECT_EQ(edited[1], QStringLiteral("予備"));
    EXPECT_EQ(edited[199], QStringLiteral("最後"));
    EXPECT_EQ(edited[lineFieldIndex(1, RowField::FirstWord)], QStringLiteral("山"));
    EXPECT_EQ(editor.problem().line(1), lines[1]);
}

TEST_F(EditorTest, ASettingsFileThatCannotBeWrittenIsToldAndKeepsNothingHalfWritten)
{
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("FM3.ini")));
    dialogs.font = FontChoice{QStringLiteral("@ＭＳ 明朝"), 20, false, false};
    editor.run(Command::Font, Origin::Toolbar); // フォント設定
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("FM3.ini")));
    EXPECT_EQ(state().status.font, QStringLiteral("@ＭＳ 明朝")) << "the choice still holds now";
}

TEST_F(EditorTest, AfterRegistrationTheEditBoxTakesTheFocusAndTheFirstKey)
{
    openLines(threePages());
    editor.run(Command::AddPage, Origin::Menu);
    editor.setPageListText(QStringLiteral("四"));
    // The window shows the state on changed() and moves the focus when asked: a focus asked for
    // before the window has enabled the edit box goes nowhere.
    std::vector<QString> events;
    QObject::connect(&editor, &Editor::changed,
                     [&] { events.push_back(QStringLiteral("changed")); });
    QObject::connect(&editor, &Editor::focusRequested, [&](FocusTarget target) {
        events.push_back(target == FocusTarget::EditBox ? QStringLiteral("edit box")
                                                        : QStringLiteral("page list"));
    });
    editor.pageListEnter();
    EXPECT_EQ(events,
              (std::vector<QString>{QStringLiteral("changed"), QStringLiteral("edit box")}));
    EXPECT_TRUE(state().editBoxEnabled);
    editor.editBoxEdited(QStringLiteral("は"));
    EXPECT_EQ(cell(1, RowField::Lead), QStringLiteral("は"));
    EXPECT_EQ(headingOfLine(editor.problem().line(3)), QStringLiteral("四"));
}

TEST_F(EditorTest, APageWithAnEmptyHeadingSavesFromTheMenuToo)
{
    openLines({pageLine(QString(), QStringLiteral("ＭＳ 明朝"), {{"あ"}})});
    editor.choosePage(0);
    type(1, RowField::Lead, QStringLiteral("いま"));
    dialogs.files.push_back(folder.path(QStringLiteral("saved.mojx")));
    editor.run(Command::Save, Origin::Menu);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.value(0).toStdString();
    EXPECT_TRUE(folder.exists(QStringLiteral("saved.mojx")));
    EXPECT_FALSE(editor.hasUnsavedChanges());
}

TEST_F(EditorTest, EveryCommandAnnouncesOneChange)
{
    openLines(threePages());
    int changes = 0;
    QObject::connect(&editor, &Editor::changed, [&] { ++changes; });
    const std::function<void()> commands[] = {
        [&] { editor.choosePage(1); },
        [&] { editor.run(Command::AddPage, Origin::Toolbar); },
        [&] { editor.registerHeading(); },
        [&] { editor.editBoxEdited(QStringLiteral("あ")); },
        [&] { editor.run(Command::KanjiPanel, Origin::Toolbar); },
        [&] { editor.run(Command::ArrangeGo, Origin::Menu); },
    };
    for (size_t i = 0; i < std::size(commands); ++i) {
        SCOPED_TRACE(i);
        changes = 0;
        commands[i]();
        EXPECT_EQ(changes, 1);
    }
}
