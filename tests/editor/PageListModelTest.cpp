#include "editor/PageListModel.h"

#include <gtest/gtest.h>

using namespace kakitori;

TEST(PageListModel, ABlankPageWaitsYellowUntilItsHeadingIsRegistered)
{
    PageListState state;
    PageListModel pages(state);
    pages.setEntries({QStringLiteral("一"), QStringLiteral("二")});
    pages.showPage(1, QStringLiteral("二"));
    EXPECT_TRUE(pages.pageShown());
    EXPECT_TRUE(state.editingIndicatorVisible);

    pages.startBlankPage(3);
    EXPECT_EQ(state.pageListColour, PageListColour::Yellow);
    EXPECT_TRUE(pages.blankPending());
    EXPECT_FALSE(pages.pageShown()) << "nothing to write back until it is registered";
    EXPECT_EQ(pages.workingPage(), 2);
    EXPECT_EQ(state.headingLabel, kNoHeading);
    EXPECT_EQ(pages.headingToRegister(), QStringLiteral("れんしゅう")) << "no text, the default";

    pages.setText(QStringLiteral("三"));
    pages.registered(2, {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")}, true);
    EXPECT_EQ(state.pageListColour, PageListColour::White);
    EXPECT_EQ(state.headingLabel, QStringLiteral("三"));
    EXPECT_EQ(state.registrationCaption, QStringLiteral("登録済み"));
    EXPECT_FALSE(state.registrationEnabled);
    EXPECT_TRUE(pages.pageShown());

    pages.setBatchMark(true);
    EXPECT_TRUE(pages.batchMarked());
    pages.setBatchMark(false);
    EXPECT_EQ(state.pageListColour, PageListColour::White);
}
