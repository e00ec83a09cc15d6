// Reading and writing a full problem file of 201 pages of realistic sentences.
#include "data/PageLine.h"
#include "data/Problem.h"
#include "data/ProblemFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kakitori;

namespace {

Problem fullProblem()
{
    Problem problem;
    for (int p = 0; p < Problem::kMaxPages; ++p) {
        problem.addPage(QStringLiteral("二年生　%1").arg(p + 1), QStringLiteral("@ＭＳ 明朝"));
        Page page = problem.page(p);
        for (Row& row : page.rows) {
            row[RowField::Lead] = QStringLiteral("きょうは");
            row[RowField::FirstWord] = QStringLiteral("図書");
            row[RowField::FirstReading] = QStringLiteral("としょ");
            row[RowField::Middle] = QStringLiteral("しつで");
            row[RowField::SecondWord] = QStringLiteral("読書");
            row[RowField::SecondReading] = QStringLiteral("どくしょ");
            row[RowField::Tail] = QStringLiteral("をする。");
        }
        problem.writeBack(p, page);
    }
    return problem;
}

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bench.mojx"));
    Problem problem = fullProblem();
    Fixture() { saveProblemFile(path, problem.lines()); }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void readFullProblemFile(benchmark::State& state)
{
    for (auto _ : state) {
        ProblemRead read = readProblemFile(fixture().path);
        benchmark::DoNotOptimize(read.lines.data());
    }
}

// Every page was edited, so every line is encoded anew, the backup copied and the file replaced.
void writeFullProblemFile(benchmark::State& state)
{
    for (auto _ : state) {
        ProblemSave saved = saveProblemFile(fixture().path, fixture().problem.lines());
        benchmark::DoNotOptimize(saved.backupWritten);
    }
}

} // namespace

BENCHMARK(readFullProblemFile)->Unit(benchmark::kMillisecond);
BENCHMARK(writeFullProblemFile)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
