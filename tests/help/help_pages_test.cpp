// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages that ship with the program: every page the program or a list opens exists,
// every link and anchor leads somewhere, every page can be reached from the contents.
#include "app/help/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

fs::path helpFolder() {
    const char* source = std::getenv("QUILLMARK_SOURCE_DIR");
    return fs::path(source ? source : ".") / "assets" / "Help";
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> pages() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(helpFolder()))
        if (entry.path().extension() == ".html") found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

bool hasAnchor(const std::string& html, const std::string& anchor) {
    return html.find("id=\"" + anchor + "\"") != std::string::npos ||
           html.find("name=\"" + anchor + "\"") != std::string::npos;
}

// "" when the target (page, page#anchor or #anchor) exists; otherwise what is wrong.
std::string checkTarget(const std::string& fromPage, const std::string& target) {
    const auto hash = target.find('#');
    std::string page = target.substr(0, hash);
    if (page.empty()) page = fromPage;
    const fs::path file = helpFolder() / page;
    if (!fs::is_regular_file(file)) return "no page " + page;
    if (hash != std::string::npos && !hasAnchor(readFile(file), target.substr(hash + 1)))
        return "no anchor " + target.substr(hash + 1) + " in " + page;
    return {};
}

std::vector<HelpEntry> list(const char* name) {
    return ParseHelpList(readFile(helpFolder() / name));
}

TEST(HelpPages, TheContentsPageAndEveryContextPageExist) {
    ASSERT_TRUE(fs::is_directory(helpFolder())) << helpFolder();
    EXPECT_TRUE(fs::is_regular_file(helpFolder() / kHelpContentsPage));
    for (int32_t context : {10, 15, 20, 35, 60, 80, 105}) {
        const std::string page = HelpPageForContext(context);
        EXPECT_TRUE(fs::is_regular_file(helpFolder() / page)) << context << " " << page;
    }
}

TEST(HelpPages, EveryContentsAndKeywordEntryLeadsToAPageAndAnchor) {
    const auto contents = list(kHelpContentsList);
    const auto keywords = list(kHelpKeywordList);
    ASSERT_FALSE(contents.empty());
    ASSERT_FALSE(keywords.empty());
    for (const auto* entries : {&contents, &keywords})
        for (const HelpEntry& entry : *entries)
            EXPECT_EQ(checkTarget("", entry.target), "") << entry.title;
}

TEST(HelpPages, EveryLinkInThePagesLeadsSomewhere) {
    const std::regex href("href=\"([^\"]*)\"");
    for (const fs::path& page : pages()) {
        const std::string html = readFile(page);
        for (std::sregex_iterator it(html.begin(), html.end(), href), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target.find(':') != std::string::npos) continue; // a web address, opened outside
            EXPECT_EQ(checkTarget(page.filename().string(), target), "")
                << page.filename() << " -> " << target;
        }
    }
}

TEST(HelpPages, EveryPageHasATitleAndIsInTheContents) {
    std::set<std::string> listed;
    for (const HelpEntry& entry : list(kHelpContentsList))
        listed.insert(entry.target.substr(0, entry.target.find('#')));
    for (const fs::path& page : pages()) {
        const std::string html = readFile(page);
        EXPECT_NE(html.find("<title>"), std::string::npos) << page.filename();
        EXPECT_NE(html.find("charset=\"utf-8\""), std::string::npos) << page.filename();
        EXPECT_EQ(listed.count(page.filename().string()), 1U) << page.filename() << " is not in the contents";
    }
}

TEST(HelpPages, TheKeywordIndexIsInAlphabeticalOrder) {
    auto folded = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        return text;
    };
    const auto keywords = list(kHelpKeywordList);
    for (size_t i = 1; i < keywords.size(); ++i)
        EXPECT_LE(folded(keywords[i - 1].title), folded(keywords[i].title)) << keywords[i].title;
}

} // namespace
