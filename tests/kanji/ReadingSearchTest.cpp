#include "kanji/ReadingSearch.h"

#include <gtest/gtest.h>

using namespace kakitori;

TEST(ReadingSearch, WildcardPatterns)
{
    struct Case {
        const char* text;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"がく", "がく*", true},     {"がっ", "が?", true},       {"が", "が?", false},
        {"かい", "*い", true},       {"か1", "か#", true},        {"かい", "か#", false},
        {"かい", "[かき]い", true},  {"けい", "[かき]い", false}, {"けい", "[!かき]い", true},
        {"かい", "[あ-こ]い", true}, {"カイ", "かい", false},     {"かい", "[かい", false},
        {"かい", "[!", false},       {"かい", "か**い", true},    {"かいい", "*い*い", true},
        {"かい", "*い*い", false},   {"か]", "[]]", false},       {"", "*", true},
        {"まな（", "まな*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchesPattern(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)),
                  c.matches)
            << c.text << " ~ " << c.pattern;
}

TEST(ReadingSearch, FindsKanjiByTheStartOfTheirReading)
{
    const GradeTables& tables = GradeTables::builtIn();
    const QList<ReadingMatch> gaku =
        searchReadings(tables, ReadingKind::On, QStringLiteral("がく")).matches;
    ASSERT_FALSE(gaku.isEmpty());
    EXPECT_EQ(gaku.first().kanji, QStringLiteral("学"));
    EXPECT_EQ(gaku.first().tooltip, QStringLiteral("まな（ぶ）"));
    EXPECT_EQ(gaku.first().grade, 1);

    const QList<ReadingMatch> mana =
        searchReadings(tables, ReadingKind::Kun, QStringLiteral("まな")).matches;
    ASSERT_FALSE(mana.isEmpty());
    EXPECT_EQ(mana.first().kanji, QStringLiteral("学"));
    EXPECT_EQ(mana.first().tooltip, QStringLiteral("がく"));

    EXPECT_EQ(searchReadings(tables, ReadingKind::On, QStringLiteral("し")).matches.size(), 121);
    EXPECT_TRUE(
        searchReadings(tables, ReadingKind::On, QStringLiteral("しょうが")).matches.isEmpty());
    for (const ReadingMatch& m :
         searchReadings(tables, ReadingKind::On, QStringLiteral("あ")).matches)
        EXPECT_NE(m.kanji, QStringLiteral("あ")) << "no header row is a result";

    // Results stand grade by grade in kana order.
    int grade = 0;
    for (const ReadingMatch& m :
         searchReadings(tables, ReadingKind::On, QStringLiteral("か")).matches) {
        EXPECT_GE(m.grade, grade);
        grade = m.grade;
    }
    EXPECT_EQ(searchReadings(tables, ReadingKind::On, QString()).matches.size(), 1071 - 48);
}

TEST(ReadingSearch, MalformedPatternSaysSoAndMatchesNothing)
{
    for (const char* text : {"[", "[!", "か[き"}) {
        SCOPED_TRACE(text);
        const ReadingSearch search =
            searchReadings(GradeTables::builtIn(), ReadingKind::On, QString::fromUtf8(text));
        ASSERT_TRUE(search.error.has_value());
        EXPECT_TRUE(search.error->contains(QStringLiteral("]")));
        EXPECT_TRUE(search.matches.isEmpty());
    }
    EXPECT_FALSE(searchReadings(GradeTables::builtIn(), ReadingKind::On, QStringLiteral("[か]"))
                     .error.has_value());
}

TEST(ReadingSearch, LongRunsOfStarsDoNotBacktrack)
{
    // Each star used to try every split of the rest: 25 stars before a mismatch took seconds.
    const QString stars = QString(1000, QLatin1Char('*'));
    EXPECT_FALSE(matchesPattern(QString(40, QChar(0x3042)), stars + QStringLiteral("x")));
    QString alternating;
    for (int i = 0; i < 500; ++i)
        alternating += QStringLiteral("*?");
    EXPECT_FALSE(matchesPattern(QString(400, QChar(0x3042)), alternating));
    EXPECT_TRUE(matchesPattern(QString(600, QChar(0x3042)), alternating));
    EXPECT_TRUE(searchReadings(GradeTables::builtIn(), ReadingKind::On, stars + QStringLiteral("x"))
                    .matches.isEmpty());
}
