// The editor's hot path and the window's start-up, on the offscreen platform.
#include "data/PageLine.h"
#include "data/ProblemFile.h"
#include "ui/MainWindow.h"
#include "ui/ScreenGeometry.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace kakitori;

namespace {

// Answers nothing: the benchmarks never reach a dialog.
class NoDialogs : public EditorDialogs {
public:
    bool ask(const QString&, const QString&, Icon) override { return false; }
    void inform(const QString&, const QString&, Icon) override {}
    std::optional<QString> chooseFileToOpen(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<FontChoice> chooseFont(const std::optional<FontChoice>&) override
    {
        return std::nullopt;
    }
    void beep() override {}
};

// A page whose ten rows all hold two words, the cursor on row 10's first word.
void editBoxChangeOnAFullPage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.mojx"));
    Page page;
    page.heading = QStringLiteral("二年生");
    page.font = QStringLiteral("@ＭＳ 明朝");
    for (Row& row : page.rows)
        row.fields = {QStringLiteral("きょうは"), QStringLiteral("図書"),
                      QStringLiteral("としょ"),   QStringLiteral("しつで"),
                      QStringLiteral("読書"),     QStringLiteral("どくしょ"),
                      QStringLiteral("をする。")};
    saveProblemFile(path, {TextLine{joinPageLine(page), {}}});

    NoDialogs dialogs;
    Editor editor(dialogs, measureCell,
                  EditorEnvironment{dir.filePath(QStringLiteral("FM3.ini")), QDir(dir.path())});
    editor.startUp();
    editor.openFile(path);
    editor.choosePage(0);
    editor.clickCell(10, RowField::FirstWord);
    editor.inputMethodEvent(QStringLiteral("どくしょ"), QString());
    editor.inputMethodEvent(QString(), QStringLiteral("読書"));
    bool longer = false;
    for (auto _ : state) {
        editor.editBoxEdited(longer ? QStringLiteral("読書会") : QStringLiteral("読書"));
        longer = !longer;
    }
}

void startUpToTheFirstShownWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        MainWindow window(
            EditorEnvironment{dir.filePath(QStringLiteral("FM3.ini")), QDir(dir.path())});
        window.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
        window.editor().windowClosing();
    }
}

} // namespace

BENCHMARK(editBoxChangeOnAFullPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(startUpToTheFirstShownWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
