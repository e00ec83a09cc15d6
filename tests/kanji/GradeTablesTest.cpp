#include "kanji/GradeTables.h"

#include <gtest/gtest.h>

#include <map>

using namespace kakitori;

namespace {

const GradeTables& tables()
{
    return GradeTables::builtIn();
}

std::optional<KanjiRow> kanaRowOf(const QString& kanji)
{
    for (const QString& line : tables().kanaOrder())
        if (const auto row = parseKanjiRow(line); row && row->kanji == kanji && !row->isHeader())
            return row;
    return std::nullopt;
}

} // namespace

TEST(GradeTables, RowCountsOfEveryTableAndGrade)
{
    const std::map<QString, std::array<int, 7>> counts = {
        {QStringLiteral("光村図書20"), {1025, 80, 160, 200, 201, 196, 188}},
        {QStringLiteral("学校図書20"), {1019, 79, 159, 200, 202, 190, 189}},
        {QStringLiteral("教育出版20"), {1022, 80, 160, 200, 199, 200, 183}},
        {QStringLiteral("東京書籍20"), {1027, 80, 162, 200, 202, 193, 190}},
        {QStringLiteral("教科書指定なし"), {1071, 88, 168, 208, 214, 199, 194}},
    };
    for (const auto& [choice, expected] : counts) {
        EXPECT_EQ(tables().rows(choice).size(), expected[0]) << choice.toStdString();
        for (int grade = 1; grade <= 6; ++grade)
            EXPECT_EQ(tables().gradeRows(choice, QString::number(grade)).size(), expected[grade])
                << choice.toStdString() << " grade " << grade;
    }
    EXPECT_EQ(tables().walkBound(QStringLiteral("東京書籍20")), 1028);
    EXPECT_EQ(tables().walkBound(QStringLiteral("光村図書20")), 1025);
    EXPECT_TRUE(tables().rows(QStringLiteral("どこか")).isEmpty());
    EXPECT_EQ(tables().walkBound(QStringLiteral("どこか")), 0);
}

TEST(GradeTables, RowsAsStored)
{
    const QStringList mitsumura = tables().rows(QStringLiteral("光村図書20"));
    EXPECT_TRUE(mitsumura.first().startsWith(QStringLiteral("1,木,")));
    EXPECT_TRUE(mitsumura.first().endsWith(QStringLiteral(",1")));
    for (const QString& row : tables().rows(QStringLiteral("東京書籍20")))
        ASSERT_TRUE(row.endsWith(u' ') && !row.endsWith(QStringLiteral("  "))) << row.toStdString();

    // A grade 5 kanji among the grade 6 rows keeps its grade.
    const QStringList kyoiku = tables().rows(QStringLiteral("教育出版20"));
    qsizetype self = -1;
    for (qsizetype i = 0; i < kyoiku.size(); ++i)
        if (parseKanjiRow(kyoiku[i])->kanji == QStringLiteral("己"))
            self = i;
    ASSERT_GE(self, 0);
    EXPECT_EQ(parseKanjiRow(kyoiku[self + 1])->kanji, QStringLiteral("退"));
    EXPECT_EQ(parseKanjiRow(kyoiku[self + 1])->grade, QStringLiteral("5"));

    const QStringList kana = tables().gradeRows(kNoTextbook, QStringLiteral("1"));
    EXPECT_EQ(kana.first(), QStringLiteral("1,あ,あ,あ,00001"));
    int headers = 0;
    for (const QString& row : kana)
        headers += parseKanjiRow(row)->isHeader();
    EXPECT_EQ(headers, 8);
    EXPECT_TRUE(tables()
                    .gradeRows(kNoTextbook, QStringLiteral("6"))
                    .first()
                    .endsWith(QStringLiteral(",00876")));
}

TEST(GradeTables, ReadingsAreOnePairPerKanjiInEveryTable)
{
    EXPECT_EQ(kanaRowOf(QStringLiteral("学"))->on, QStringLiteral("がく"));
    EXPECT_EQ(kanaRowOf(QStringLiteral("学"))->kun, QStringLiteral("まな（ぶ）"));
    EXPECT_EQ(kanaRowOf(QStringLiteral("円"))->kun, QStringLiteral("えん"));

    std::map<QString, std::pair<QString, QString>> readings;
    for (const QString& choice : textbookChoices())
        for (const QString& line : tables().rows(choice)) {
            const auto row = parseKanjiRow(line.trimmed());
            ASSERT_TRUE(row) << line.toStdString();
            if (row->isHeader())
                continue;
            const auto [it, fresh] = readings.try_emplace(row->kanji, row->on, row->kun);
            EXPECT_EQ(it->second, std::pair(row->on, row->kun)) << row->kanji.toStdString();
            EXPECT_FALSE(row->on.isEmpty() || row->kun.isEmpty()) << row->kanji.toStdString();
        }
}
