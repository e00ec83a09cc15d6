// Showing a grade in the kanji panel and reading searches over the kana-order table.
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

// A search text as typed, and 1000 characters of "*" and "?" that once backtracked for seconds.
void readingSearch(benchmark::State& state, const QString& text)
{
    KanjiBrowser browser;
    for (auto _ : state) {
        browser.showSearch(ReadingKind::On, text);
        benchmark::DoNotOptimize(browser.cells()[0].text.size());
    }
}

} // namespace

BENCHMARK(showGrade)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readingSearch, typed, QStringLiteral("し"))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readingSearch, wildcards1000, QString(500, u'*') + QString(499, u'?') + u'x')
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
