#include "EditorFixture.h"

#include "data/Settings.h"
#include "print/RecordingSurface.h"

using namespace kakitori;

namespace {

// A printer whose dialog answers from a script and whose surface records.
class RecordingPrinter : public PrintService {
public:
    std::deque<bool> confirmations;
    int dialogs = 0;
    RecordingSurface surface;

    QStringList pdfNames; // what each printer dialog would offer for a PDF
    QStringList exported; // the paths of PDF exports

    bool confirmPrint(const QString& pdfName) override
    {
        ++dialogs;
        pdfNames.append(pdfName);
        if (confirmations.empty())
            return false;
        const bool answer = confirmations.front();
        confirmations.pop_front();
        return answer;
    }
    void choosePrinter() override { ++dialogs; }
    void print(const PrintJob& job) override { runPrintJob(surface, job); }
    std::deque<bool> previewAnswers; // print from the preview, or close it
    int previews = 0;
    bool printFromPreview(const PrintJob& job) override
    {
        ++previews;
        const bool print = !previewAnswers.empty() && previewAnswers.front();
        if (!previewAnswers.empty())
            previewAnswers.pop_front();
        if (print)
            runPrintJob(surface, job);
        return print;
    }
    QString exportPdf(const PrintJob& job, const QString& path) override
    {
        exported.append(path);
        runPrintJob(surface, job);
        return {};
    }

    int pages() const
    {
        int n = 0;
        for (const RecordedOp& op : surface.ops())
            n += op.kind == RecordedOp::Page;
        return n;
    }
    // The heading's first character as printed on each page (vertical layout).
    QStringList headings() const
    {
        QStringList out;
        for (const RecordedOp& op : surface.ops())
            if (op.kind == RecordedOp::Text && op.x1 == 230 && op.y1 == 230)
                out.append(op.text);
        return out;
    }
};

class EditorPrintingTest : public EditorTest {
protected:
    EditorPrintingTest()
    {
        editor.setPrintService(&printer);
        openLines({pageLine(QStringLiteral("一"), QStringLiteral("@ＭＳ 明朝"),
                            {{"", "朝", "あさ", "。"}}),
                   pageLine(QStringLiteral("二"), QStringLiteral("ＭＳ 明朝"), {}),
                   pageLine(QStringLiteral("三"), QStringLiteral("ＭＳ 明朝"), {})});
        editor.choosePage(0);
    }
    RecordingPrinter printer;
};

} // namespace

TEST_F(EditorPrintingTest, CancelledPrinterDialogPrintsNothingAndKeepsTheBatchMark)
{
    editor.run(Command::BatchAll, Origin::Menu);
    EXPECT_EQ(state().pageListColour, PageListColour::Green);
    editor.run(Command::PrintWriting, Origin::Menu);
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.surface.ops().isEmpty());
    EXPECT_EQ(state().pageListColour, PageListColour::Green);
}

TEST_F(EditorPrintingTest, BatchPrintsEveryPageInTheWorkingPagesLayoutAndClearsTheMark)
{
    editor.run(Command::BatchAll, Origin::Menu);
    printer.confirmations = {true};
    editor.run(Command::PrintWriting, Origin::Toolbar);
    EXPECT_EQ(printer.pages(), 3);
    EXPECT_EQ(printer.headings(),
              (QStringList{QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}));
    EXPECT_EQ(state().pageListColour, PageListColour::White);
}

TEST_F(EditorPrintingTest, TheToolbarPrintsWhatIsOnScreenAndDirectModeAsksNothing)
{
    editor.setPageListText(QStringLiteral("画面の見出し"));
    editor.run(Command::PrinterDirect, Origin::Menu);
    EXPECT_EQ(printer.dialogs, 1) << "the printer choice is shown once";
    editor.run(Command::PrintWriting, Origin::Toolbar);
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_EQ(printer.headings(), QStringList{QStringLiteral("画")});

    printer.surface.clear();
    editor.run(Command::PrintWriting, Origin::Menu);
    EXPECT_EQ(printer.headings(), QStringList{QStringLiteral("一")})
        << "the menu prints the record";

    editor.run(Command::PrinterNormal, Origin::Menu);
    editor.run(Command::PrintWriting, Origin::Menu);
    EXPECT_EQ(printer.dialogs, 2);
}

TEST_F(EditorPrintingTest, PrintOptionsTickAndTheReadingButtonChangesItsPicture)
{
    editor.run(Command::WritingFrameOff, Origin::Menu);
    EXPECT_FALSE(editor.printOptions().options().writingFrames);
    EXPECT_TRUE(state().entry(MenuEntry::WritingFrameOff).checked);

    editor.run(Command::TwoSheetReading, Origin::Menu);
    EXPECT_EQ(state().button(Command::PrintReading).picture, ToolPicture::ReadingTwoSheet);
    EXPECT_FALSE(state().button(Command::PrintReading).hasTooltip);
    editor.run(Command::TwoSheetReading, Origin::Menu);
    EXPECT_EQ(state().button(Command::PrintReading).picture, ToolPicture::Reading);

    int colourWindows = 0;
    QObject::connect(&editor, &Editor::colourWindowRequested, &editor, [&] { ++colourWindows; });
    editor.run(Command::TracingOn, Origin::Menu);
    EXPECT_EQ(colourWindows, 1);
    editor.colourWindowCancelled();
    EXPECT_TRUE(state().entry(MenuEntry::TracingOff).checked);
    EXPECT_FALSE(state().tracingIndicatorVisible);
    editor.run(Command::TracingOn, Origin::Menu);
    editor.colourWindowDecided(4);
    EXPECT_EQ(editor.printOptions().tracingColour(), 8421504u);
    EXPECT_EQ(state().tracingIndicator, QStringLiteral("漢字なぞり書きあり"));
    editor.tracingIndicatorClicked();
    EXPECT_TRUE(state().tracingIndicator.isEmpty());
    EXPECT_TRUE(state().entry(MenuEntry::TracingOff).checked);
}

TEST_F(EditorTest, KanaOffsetsSurviveARestartAndFollowTheSliders)
{
    folder.write(QStringLiteral("FM3.ini"),
                 cp932(QStringLiteral("ＭＳ 明朝\r\n 90\r\n 60\r\n光村図書20\r\n\r\n")));
    editor.startUp();
    EXPECT_EQ(state().kanaSliderVertical, 3);
    EXPECT_EQ(state().kanaSliderHorizontal, 2);
    EXPECT_EQ(editor.printOptions().kanaOffset1(), 90);
    EXPECT_EQ(editor.printOptions().kanaOffset2(), 60);
    editor.windowClosing();
    EXPECT_EQ(readSettings(folder.path(QStringLiteral("FM3.ini"))).kanaOffset1, 90);

    // A horizontal font: offset 1 along x follows the horizontal slider.
    editor.setKanaSliders(1, 3);
    EXPECT_EQ(editor.printOptions().kanaOffset1(), 90);
    EXPECT_EQ(editor.printOptions().kanaOffset2(), 30);
    editor.kanaWindowDiscarded();
    EXPECT_EQ(state().kanaSliderHorizontal, 0);
    EXPECT_EQ(editor.printOptions().kanaOffset1(), 90) << "the offsets keep their values";
}

TEST_F(EditorPrintingTest, EverySheetPrintsFromTheToolbarAloneAndInBatch)
{
    struct Case {
        Command button;
        bool twoSheet;
        bool batch;
        int pages;
    } cases[] = {
        {Command::PrintPractice, false, false, 1}, {Command::PrintReading, true, false, 2},
        {Command::PrintThree, false, false, 3},    {Command::PrintSentence, false, true, 3},
        {Command::PrintThree, true, true, 12},     {Command::PrintWriting, false, true, 3}};
    editor.run(Command::PrinterDirect, Origin::Menu);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "command " << static_cast<int>(c.button)
                     << (c.twoSheet ? ", two-sheet" : "") << (c.batch ? ", batch" : ""));
        printer.surface.clear();
        if (c.twoSheet != state().entry(MenuEntry::TwoSheetReading).checked)
            editor.run(Command::TwoSheetReading, Origin::Menu);
        if (c.batch)
            editor.run(Command::BatchAll, Origin::Menu);
        editor.run(c.button, Origin::Toolbar);
        EXPECT_EQ(printer.pages(), c.pages);
    }
}

TEST_F(EditorPrintingTest, TheFontDialogsBoldFaceStaysInForceForEverySheet)
{
    dialogs.font = FontChoice{QStringLiteral("@ＭＳ ゴシック"), 20, true, false};
    editor.run(Command::Font, Origin::Toolbar);
    editor.run(Command::PrinterDirect, Origin::Menu);
    editor.run(Command::PrintPractice, Origin::Toolbar);
    EXPECT_TRUE(printer.surface.fontBold());
    EXPECT_FALSE(printer.surface.fontItalic());
    for (const RecordedOp& op : printer.surface.ops())
        if (op.kind == RecordedOp::Text) {
            EXPECT_EQ(op.font, QStringLiteral("@ＭＳ ゴシック"));
        }
}

TEST_F(EditorPrintingTest, AnswerKeysFromTheMenuFollowTheSheet)
{
    editor.run(Command::PrinterDirect, Origin::Menu);
    editor.run(Command::AnswerKeys, Origin::Menu);
    EXPECT_TRUE(state().entry(MenuEntry::AnswerKeys).checked);
    editor.run(Command::PrintWriting, Origin::Menu);
    EXPECT_EQ(printer.pages(), 2) << "the test and its key";
    editor.run(Command::AnswerKeys, Origin::Menu);
    printer.surface.clear();
    editor.run(Command::PrintWriting, Origin::Menu);
    EXPECT_EQ(printer.pages(), 1);
}

TEST_F(EditorPrintingTest, PdfExportWritesTheLastPrintedSheetUnderItsOwnName)
{
    const QString folderPath = folder.path(QString());
    dialogs.files = {folder.path(QStringLiteral("a.pdf"))};
    editor.run(Command::ExportPdf, Origin::Menu);
    EXPECT_EQ(dialogs.suggestedNames.value(0),
              QDir(folderPath).filePath(QStringLiteral("一_書き取り.pdf")))
        << "the writing test when nothing was printed yet";
    EXPECT_EQ(printer.exported, QStringList{folder.path(QStringLiteral("a.pdf"))});

    printer.confirmations = {true};
    editor.run(Command::PrintPractice, Origin::Menu);
    EXPECT_EQ(printer.pdfNames.value(0), QDir(folderPath).filePath(QStringLiteral("一_練習.pdf")))
        << "the printer dialog offers the same name for a PDF";
    editor.run(Command::BatchAll, Origin::Menu);
    dialogs.files = {QString()}; // cancelled
    editor.run(Command::ExportPdf, Origin::Menu);
    EXPECT_EQ(dialogs.suggestedNames.value(1),
              QDir(folderPath).filePath(QStringLiteral("全頁_練習.pdf")));
    EXPECT_EQ(printer.exported.size(), 1) << "a cancelled dialog writes nothing";
    EXPECT_EQ(state().pageListColour, PageListColour::Green) << "and keeps the batch mark";
}

TEST_F(EditorPrintingTest, WithThePreviewTickedEveryPrintShowsItsPagesFirst)
{
    editor.run(Command::PrintPreview, Origin::Menu);
    EXPECT_TRUE(state().entry(MenuEntry::PrintPreview).checked);
    editor.run(Command::BatchAll, Origin::Menu);
    printer.previewAnswers = {false, true};
    editor.run(Command::PrintThree, Origin::Toolbar);
    EXPECT_EQ(printer.previews, 1);
    EXPECT_TRUE(printer.surface.ops().isEmpty()) << "closed: nothing printed";
    EXPECT_EQ(state().pageListColour, PageListColour::Green) << "and the batch mark stays";
    editor.run(Command::PrintThree, Origin::Toolbar);
    EXPECT_EQ(printer.pages(), 9);
    EXPECT_EQ(printer.dialogs, 0) << "the preview has its own printer choice";
    EXPECT_EQ(state().pageListColour, PageListColour::White);

    // The tick is remembered beside FM3.ini, which keeps its own lines.
    Editor next(
        dialogs, [](RowField, const QString&) { return 300.0; },
        EditorEnvironment{folder.path(QStringLiteral("FM3.ini")), QDir(folder.path(QString()))});
    next.startUp();
    EXPECT_TRUE(next.state().entry(MenuEntry::PrintPreview).checked);
}
