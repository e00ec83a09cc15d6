#include "editor/PrintOptionsModel.h"

#include <gtest/gtest.h>

using namespace kakitori;

TEST(PrintOptionsModel, NarrowSpacingRaisesTheLimitUntilALimitIsChosen)
{
    PrintOptionsState state;
    PrintOptionsModel print(state);
    EXPECT_EQ(print.characterLimit(), 15);
    print.setNarrowSpacing(true);
    EXPECT_EQ(print.characterLimit(), 22);
    EXPECT_TRUE(print.options().narrowReadingSpacing);
    print.setLimit(10);
    EXPECT_EQ(print.characterLimit(), 10);
    EXPECT_FALSE(print.narrowSpacing());
}

TEST(PrintOptionsModel, TracingIsOnOnlyOnceItsColourIsChosen)
{
    PrintOptionsState state;
    PrintOptionsModel print(state);
    print.setTracing(true);
    print.colourWindowCancelled();
    EXPECT_FALSE(print.tracing());
    EXPECT_FALSE(state.tracingIndicatorVisible);

    print.setTracing(true);
    print.colourWindowDecided(4);
    EXPECT_TRUE(print.tracing());
    EXPECT_EQ(print.tracingColour(), 8421504u);
    EXPECT_EQ(state.tracingIndicator, QStringLiteral("漢字なぞり書きあり"));
    print.tracingIndicatorClicked();
    EXPECT_FALSE(print.tracing());
}

TEST(PrintOptionsModel, KanaSlidersMoveAlongTheTurnedAxesOfAVerticalFont)
{
    PrintOptionsState state;
    PrintOptionsModel print(state);
    print.setKanaOffsets(95, -400); // as saved: shown rounded and clamped, kept exactly
    EXPECT_EQ(state.kanaSliderVertical, 3);
    EXPECT_EQ(state.kanaSliderHorizontal, -10);
    EXPECT_EQ(print.kanaOffset1(), 95);
    print.setKanaSliders(2, -1, true);
    EXPECT_EQ(print.kanaOffset1(), 60);
    EXPECT_EQ(print.kanaOffset2(), -30);
    print.setKanaSliders(2, -1, false);
    EXPECT_EQ(print.kanaOffset1(), -30);
    EXPECT_EQ(print.kanaOffset2(), 60);
}
