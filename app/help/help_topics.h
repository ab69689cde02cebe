// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help pages as the program knows them: the page that answers each context number, and the
// two lists kept beside the pages (the contents and the keyword index).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The commands of GETHELP.
constexpr int32_t kHelpShowContents = 1;
constexpr int32_t kHelpShowIndex = 2;
constexpr int32_t kHelpShowContext = 15;

// Files in the help folder.
constexpr const char* kHelpContentsPage = "index.html";
constexpr const char* kHelpContentsList = "contents.txt";
constexpr const char* kHelpKeywordList = "keywords.txt";

// The page (a file name in the help folder) for a context number; empty when the number names
// no topic.
std::string HelpPageForContext(int32_t context);

// One line of a help list: the text shown and the page it opens ("budget.html" or
// "budget.html#slider").
struct HelpEntry {
    std::string title;
    std::string target;
    friend bool operator==(const HelpEntry&, const HelpEntry&) = default;
};

// Reads a help list: one entry a line, "title|target", in code page 1252. Blank lines and lines
// starting with "#" are skipped, and so are lines without a title or a target; blanks around
// both are removed. Line ends may be CR LF or LF.
std::vector<HelpEntry> ParseHelpList(std::string_view text);
