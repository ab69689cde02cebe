// SPDX-License-Identifier: GPL-3.0-or-later
// The help's own tables: the page for each context number and the reading of the help lists.
#include "app/help/help_topics.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpTopics, EveryContextNumberOfTheProgramHasItsPage) {
    const struct {
        int32_t context;
        const char* page;
    } cases[] = {{10, "client.html"},  {15, "main-window.html"},    {20, "profiles.html"},
                 {35, "budget.html"},  {60, "options.html"},        {65, "station.html"},
                 {80, "toolbar.html"}, {105, "profile-editor.html"}};
    for (const auto& c : cases)
        EXPECT_EQ(HelpPageForContext(c.context), c.page) << c.context;
}

TEST(HelpTopics, NumbersWithoutATopicHaveNoPage) {
    for (int32_t context : {0, 1, 11, 100, -15})
        EXPECT_EQ(HelpPageForContext(context), "") << context;
}

TEST(HelpLists, ReadsTitlesAndTargetsSkippingWhatIsNotAnEntry) {
    const std::string text = "# comment line\r\n"
                             "Welcome|index.html\r\n"
                             "\r\n"
                             "  Budget, slider  |  budget.html#slider  \n"
                             "no bar on this line\n"
                             "|orphan.html\n"
                             "No target|\n"
                             "Pipes|a.html|b\n"
                             "Last line without an end|toolbar.html";
    const std::vector<HelpEntry> expected = {{"Welcome", "index.html"},
                                             {"Budget, slider", "budget.html#slider"},
                                             {"Pipes", "a.html|b"},
                                             {"Last line without an end", "toolbar.html"}};
    EXPECT_EQ(ParseHelpList(text), expected);
}

TEST(HelpLists, KeepsCodePage1252BytesOfTitles) {
    EXPECT_EQ(ParseHelpList("Currency, \x80 euro|options.html#currency\n"),
              (std::vector<HelpEntry>{{"Currency, \x80 euro", "options.html#currency"}}));
}

TEST(HelpLists, EmptyTextHasNoEntries) {
    EXPECT_TRUE(ParseHelpList("").empty());
    EXPECT_TRUE(ParseHelpList("\r\n\r\n# only comments\n").empty());
}

} // namespace
