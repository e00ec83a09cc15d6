// Batch printing a full 201-page problem, to PDF and to the trace: the writing test alone and
// the three-sheet set (603 pages).
#include "print/PrintJob.h"
#include "render/PaintTargets.h"
#include "render/TraceSurface.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kakitori;

namespace {

SheetInput fullPage(int p)
{
    SheetInput in;
    in.page.heading = QStringLiteral("二年生　%1").arg(p + 1);
    for (int r = 0; r < kRowsPerPage; ++r) {
        in.page.rows[r].fields = {QStringLiteral("きょうは"), QStringLiteral("図書"),
                                  QStringLiteral("としょ"),   QStringLiteral("しつで"),
                                  QStringLiteral("読書"),     QStringLiteral("どくしょ"),
                                  QStringLiteral("をする。")};
        in.switches[r] = true;
    }
    return in;
}

PrintJob batchJob(SheetKind kind, const QString& font)
{
    PrintJob job;
    job.kind = kind;
    job.batch = true;
    job.pageCount = 201;
    job.statusFont = font;
    job.loadPage = fullPage;
    return job;
}

void toPdf(benchmark::State& state, SheetKind kind, const QString& font)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("batch.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrinterTarget target(printer);
        PainterSurface surface(target);
        runPrintJob(surface, batchJob(kind, font));
    }
    state.counters["pdf_bytes"] = double(QFileInfo(path).size());
}

void toTrace(benchmark::State& state, SheetKind kind)
{
    for (auto _ : state) {
        TraceSurface surface;
        runPrintJob(surface, batchJob(kind, QStringLiteral("@ＭＳ 明朝")));
        QString text;
        QTextStream out(&text);
        writeTrace(surface.ops(), out);
        benchmark::DoNotOptimize(text.size());
    }
}

} // namespace

BENCHMARK_CAPTURE(toPdf, writingVertical, SheetKind::Writing, QStringLiteral("@ＭＳ 明朝"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(toPdf, writingHorizontal, SheetKind::Writing, QStringLiteral("ＭＳ 明朝"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(toPdf, threeVertical, SheetKind::Three, QStringLiteral("@ＭＳ 明朝"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(toPdf, threeHorizontal, SheetKind::Three, QStringLiteral("ＭＳ 明朝"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(toTrace, writing, SheetKind::Writing)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(toTrace, three, SheetKind::Three)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
