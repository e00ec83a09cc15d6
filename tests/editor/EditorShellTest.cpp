#include "EditorFixture.h"

#include "data/PageLine.h"
#include "data/ProblemFile.h"
#include "data/Settings.h"

#include <QFileInfo>

using namespace kakitori;

TEST_F(EditorTest, StartsWithDefaultsAndSavingAndPrintingDisabled)
{
    EXPECT_EQ(state().status.font, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(state().status.fontSize, QStringLiteral("フォントサイズ 25"));
    EXPECT_EQ(state().status.publisher, QStringLiteral("教科書指定なし"));
    EXPECT_EQ(state().windowWidth, 9700);
    EXPECT_FALSE(state().entry(MenuEntry::SaveFile).enabled);
    EXPECT_FALSE(state().entry(MenuEntry::PrintOptionMenu).enabled);
    EXPECT_TRUE(state().entry(MenuEntry::Limit15).checked);
    EXPECT_TRUE(state().entry(MenuEntry::PassReading).checked);
    EXPECT_TRUE(state().entry(MenuEntry::KeysSoft).checked);
    using C = Command;
    for (C hidden : {C::ListTable, C::PracticeBook, C::Publisher, C::PourIn})
        EXPECT_FALSE(state().button(hidden).visible) << static_cast<int>(hidden);
    for (C disabled : {C::AddPage, C::Save, C::PrintWriting, C::PrintPractice, C::PrintReading,
                       C::PrintThree, C::PrintSentence, C::DeleteRows})
        EXPECT_FALSE(state().button(disabled).enabled) << static_cast<int>(disabled);
    EXPECT_TRUE(state().button(Command::Open).enabled);
    EXPECT_FALSE(state().editBoxEnabled);
    EXPECT_EQ(state().headingLabel, QStringLiteral("頁の見出し"));
    EXPECT_EQ(state().editingIndicator, QStringLiteral("　編集中（文字制限１５字）"));
}

TEST_F(EditorTest, StartUpReadsTheSettingsAndCloseWritesThemBack)
{
    folder.write(QStringLiteral("FM3.ini"),
                 cp932(QStringLiteral("@ＭＳ 明朝\r\n 90\r\n 60\r\n光村図書20\r\nhimitsu\r\n")));
    editor.startUp();
    EXPECT_EQ(state().status.font, QStringLiteral("@ＭＳ 明朝"));
    EXPECT_EQ(state().status.publisher, QStringLiteral("光村図書20"));
    editor.windowClosing();
    EXPECT_EQ(folder.read(QStringLiteral("FM3.ini")),
              cp932(QStringLiteral("@ＭＳ 明朝\r\n 90\r\n 60\r\n光村図書20\r\nhimitsu\r\n")));
}

TEST_F(EditorTest, OpenShowsTheFileAndSavingAtOnceKeepsEveryByte)
{
    const QStringList lines = {kSampleLine,
                               pageLine(QStringLiteral("二"), QStringLiteral("ＭＳ 明朝"),
                                        {{"", "字", "じ", "をかく。"}})};
    openLines(lines);
    EXPECT_EQ(state().status.file, QStringLiteral("作業ファイル:　a.mojx"));
    EXPECT_TRUE(state().caption.startsWith(QStringLiteral("2002筆丸さん　/")));
    EXPECT_TRUE(state().caption.endsWith(QStringLiteral("/a.mojx")));
    EXPECT_EQ(state().pageListEntries,
              (QStringList{QStringLiteral("サンプル"), QStringLiteral("二")}));
    const QByteArray before = folder.read(QStringLiteral("a.mojx"));

    // Saving before any page was chosen writes the file as it was, not the empty grid.
    dialogs.files.push_back(folder.path(QStringLiteral("a.mojx")));
    dialogs.answers = {true}; // overwrite
    editor.run(Command::Save, Origin::Menu);
    EXPECT_EQ(dialogs.suggestedNames.value(0), folder.path(QStringLiteral("a.mojx")));
    EXPECT_EQ(dialogs.questions.value(0), QStringLiteral("上書き保存します。よろしいですか？"));
    EXPECT_EQ(folder.read(QStringLiteral("a.mojx")), before);
    EXPECT_EQ(folder.read(QStringLiteral("aBK.mojx")), before);
}

TEST_F(EditorTest, OpenErrorsAreShownAndKeepTheOpenProblem)
{
    openLines({kSampleLine});
    dialogs.files.push_back(folder.write(QStringLiteral("bad.mojx"), QByteArray("\0\1\2", 3)));
    editor.run(Command::Open, Origin::Toolbar);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("bad.mojx")));
    EXPECT_EQ(state().pageListEntries, QStringList{QStringLiteral("サンプル")});
}

TEST_F(EditorTest, ExitAsksOnlyWhileChangesAreUnsaved)
{
    int quits = 0;
    QObject::connect(&editor, &Editor::quitRequested, &editor, [&] { ++quits; });
    openLines({kSampleLine});
    editor.run(Command::Exit, Origin::Toolbar);
    EXPECT_EQ(quits, 1) << "nothing changed: no question";
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(EditorTest, EditsAreUnsavedUntilASaveAndTheCloseBoxAsksToo)
{
    openLines({kSampleLine});
    editor.choosePage(0);
    EXPECT_FALSE(editor.hasUnsavedChanges()) << "choosing a page is no change";
    type(5, RowField::Lead, QStringLiteral("あたらしい"));
    editor.editBoxEnter(); // the write-back on Enter is not a save
    EXPECT_TRUE(editor.hasUnsavedChanges());

    EXPECT_FALSE(editor.confirmClose()) << "answered No";
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("保存されていませんが、終了しますか？"));

    dialogs.files.push_back(folder.path(QStringLiteral("a.mojx")));
    dialogs.answers = {true};
    editor.run(Command::Save, Origin::Toolbar);
    EXPECT_FALSE(editor.hasUnsavedChanges());
    EXPECT_EQ(state().status.file, folder.path(QStringLiteral("a.mojx")));
    const Page saved =
        pageFromLine(readProblemFile(folder.path(QStringLiteral("a.mojx"))).lines[0].text);
    EXPECT_EQ(saved.rows[4][RowField::Lead], QStringLiteral("あたらしい"));
    EXPECT_TRUE(editor.confirmClose());
}

TEST_F(EditorTest, NewProblemIsOfferedUnderTheTimeAndAFailedSaveSaysWhy)
{
    editor.run(Command::NewFile, Origin::Toolbar);
    editor.setPageListText(QStringLiteral("一"));
    editor.registerHeading();
    type(1, RowField::Lead, QStringLiteral("𠮷"));

    dialogs.files.push_back(folder.path(QStringLiteral("2_1_73.mojx")));
    editor.run(Command::Save, Origin::Toolbar);
    EXPECT_EQ(dialogs.suggestedNames.value(0), folder.path(QStringLiteral("2_1_73.mojx")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("1頁の「𠮷」")));
    EXPECT_FALSE(folder.exists(QStringLiteral("2_1_73.mojx")));
    EXPECT_TRUE(editor.hasUnsavedChanges());
}

TEST_F(EditorTest, ASaveOntoAFullDiskIsAFailedSave)
{
    SmallDisk disk(16 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason();
    editor.run(Command::NewFile, Origin::Toolbar);
    editor.setPageListText(QStringLiteral("一"));
    editor.registerHeading();
    type(1, RowField::Lead, QString(20000, QChar(0x3042))); // 40 KB in code page 932

    dialogs.files.push_back(disk.path(QStringLiteral("full.mojx")));
    editor.run(Command::Save, Origin::Toolbar);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("full.mojx")));
    EXPECT_TRUE(editor.hasUnsavedChanges()) << "the window never says saved";
    EXPECT_FALSE(QFileInfo::exists(disk.path(QStringLiteral("full.mojx"))));
}

TEST_F(EditorTest, FontCommandSetsThePanelsAndWritesFourLines)
{
    dialogs.font = FontChoice{QStringLiteral("@ＭＳ ゴシック"), 12, false, false};
    editor.run(Command::Font, Origin::Toolbar);
    EXPECT_EQ(state().status.font, QStringLiteral("@ＭＳ ゴシック"));
    EXPECT_EQ(state().status.fontSize, QStringLiteral("フォントサイズ 12"));
    EXPECT_EQ(folder.read(QStringLiteral("FM3.ini")),
              cp932(QStringLiteral("@ＭＳ ゴシック\r\n 0\r\n 0\r\n教科書指定なし\r\n")));

    editor.run(Command::FontTemporary, Origin::Menu);
    EXPECT_TRUE(state().entry(MenuEntry::FontTemporary).checked);
    EXPECT_FALSE(state().entry(MenuEntry::FontPersistent).checked);
    EXPECT_EQ(state().status.fontSize, QStringLiteral("フォントサイズ 26"));
    EXPECT_EQ(folder.read(QStringLiteral("FM3.ini")),
              cp932(QStringLiteral("@ＭＳ ゴシック\r\n 0\r\n 0\r\n教科書指定なし\r\n")))
        << "the temporary setting writes nothing";
}

TEST_F(EditorTest, VersionInformationCreditsTheKanjiReadings)
{
    editor.run(Command::About, Origin::Menu);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("KANJIDIC2")));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("CC BY-SA 4.0")));
}
