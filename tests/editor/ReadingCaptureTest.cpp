#include "editor/ReadingCapture.h"
#include "data/KanaText.h"

#include <gtest/gtest.h>

using namespace kakitori;

namespace {

struct Event {
    const char* preedit;
    const char* commit;
};

QString readingAfter(std::initializer_list<Event> events)
{
    ReadingCapture capture;
    for (const Event& e : events)
        capture.inputMethodEvent(QString::fromUtf8(e.preedit), QString::fromUtf8(e.commit));
    return capture.reading();
}

} // namespace

TEST(ReadingCapture, TakesTheLastKanaPreeditOfAConversion)
{
    struct Case {
        const char* name;
        std::initializer_list<Event> events;
        const char* reading;
    } cases[] = {
        {"romaji typing then conversion",
         {{"え", ""}, {"えn", ""}, {"えん", ""}, {"えんそく", ""}, {"遠足", ""}, {"", "遠足"}},
         "えんそく"},
        {"commit without conversion", {{"はる", ""}, {"", "はる"}}, ""},
        {"katakana typed, converted", {{"エンソク", ""}, {"遠足", ""}, {"", "遠足"}}, "えんそく"},
        {"half-width katakana", {{"ｶﾞｯｺｳ", ""}, {"", "学校"}}, "がっこう"},
        {"commit with no preedit", {{"", "x"}}, ""},
        {"a second conversion replaces the first",
         {{"ほし", ""}, {"", "星"}, {"そら", ""}, {"空", ""}, {"", "空"}},
         "そら"},
        {"commit and new preedit in one event", {{"あめ", ""}, {"かさ", "雨"}}, "あめ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readingAfter(c.events), QString::fromUtf8(c.reading)) << c.name;
}

TEST(KanaText, WidensAndTurnsKatakanaIntoHiragana)
{
    EXPECT_EQ(toFullWidth(QStringLiteral("ｶﾞｯｺｳ A1")), QStringLiteral("ガッコウ　Ａ１"));
    EXPECT_EQ(toHiragana(QStringLiteral("ガッコウー漢")), QStringLiteral("がっこうー漢"));
    EXPECT_TRUE(isKanaText(QStringLiteral("えんそくー")));
    EXPECT_FALSE(isKanaText(QStringLiteral("えんs")));
    EXPECT_FALSE(isKanaText(QString()));
}
