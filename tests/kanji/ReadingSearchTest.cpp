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
        {"がく", "がく*", true},
        {"がっ", "が?", true},
        {"が", "が?", false},
        {"かい", "*い", true},
        {"か1", "か#", true},
        {"かい", "か#", false},
        {"かい", "[かき]い", true},
        {"けい", "[かき]い", false},
        {"けい", "[!かき]い", true},
        {"かい", "[あ-こ]い", true},
        {"カイ", "かい", false},
        {"かい", "[かい", false},
        {"", "*", true},
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
        searchReadings(tables, ReadingKind::On, QStringLiteral("がく"));
    ASSERT_FALSE(gaku.isEmpty());
    EXPECT_EQ(gaku.first().kanji, QStringLiteral("学"));
    EXPECT_EQ(gaku.first().tooltip, QStringLiteral("まな（ぶ）"));
    EXPECT_EQ(gaku.first().grade, 1);

    const QList<ReadingMatch> mana =
        searchReadings(tables, ReadingKind::Kun, QStringLiteral("まな"));
    ASSERT_FALSE(mana.isEmpty());
    EXPECT_EQ(mana.first().kanji, QStringLiteral("学"));
    EXPECT_EQ(mana.first().tooltip, QStringLiteral("がく"));

    EXPECT_EQ(searchReadings(tables, ReadingKind::On, QStringLiteral("し")).size(), 121);
    EXPECT_TRUE(searchReadings(tables, ReadingKind::On, QStringLiteral("しょうが")).isEmpty());
    for (const ReadingMatch& m : searchReadings(tables, ReadingKind::On, QStringLiteral("あ")))
        EXPECT_NE(m.kanji, QStringLiteral("あ")) << "no header row is a result";

    // Results stand grade by grade in kana order.
    int grade = 0;
    for (const ReadingMatch& m : searchReadings(tables, ReadingKind::On, QStringLiteral("か"))) {
        EXPECT_GE(m.grade, grade);
        grade = m.grade;
    }
    EXPECT_EQ(searchReadings(tables, ReadingKind::On, QString()).size(), 1071 - 48);
}
