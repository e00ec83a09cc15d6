// Showing a grade in the kanji panel and a reading search over the kana-order table.
#include "kanji/KanjiBrowser.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace kakitori;

namespace {

void showGrade(benchmark::State& state)
{
    KanjiBrowser browser;
    int grade = 1;
    for (auto _ : state) {
        browser.showGrade(grade, QStringLiteral("東京書籍20"), ReadingKind::On);
        benchmark::DoNotOptimize(browser.cells()[0].text.size());
        grade = grade % 6 + 1;
    }
}

void readingSearch(benchmark::State& state)
{
    KanjiBrowser browser;
    for (auto _ : state) {
        browser.showSearch(ReadingKind::On, QStringLiteral("し"));
        benchmark::DoNotOptimize(browser.cells()[0].text.size());
    }
}

} // namespace

BENCHMARK(showGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK(readingSearch)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
