// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/profile_file.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <limits>
#include <memory>
#include <random>
#include <sstream>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// The built-in profiles as the product's table lists them: row, name, January ... December.
constexpr const char* kBuiltInTable =
    R"table(| 0 | "None" | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 |
| 1 | "All Retail Sales" | 7.2 | 7.1 | 8.1 | 8.1 | 8.6 | 8.4 | 8.5 | 8.6 | 8.1 | 8.5 | 8.5 | 10.3 |
| 2 | "Appliance Stores" | 7.4 | 6.9 | 7.8 | 7.6 | 8.1 | 9.0 | 9.6 | 8.5 | 8.0 | 8.3 | 8.6 | 10.2 |
| 3 | "Auto Dealers (domestic)" | 6.4 | 8.2 | 9.6 | 8.7 | 9.6 | 10.1 | 8.3 | 8.9 | 8.1 | 7.5 | 7.0 | 7.6 |
| 4 | "Auto Dealers (import)" | 6.3 | 7.3 | 8.5 | 8.4 | 9.6 | 8.6 | 9.6 | 9.4 | 8.2 | 8.5 | 7.6 | 8.0 |
| 5 | "Auto Dealers (used)" | 7.2 | 7.5 | 8.8 | 8.5 | 8.9 | 9.0 | 8.8 | 8.8 | 8.4 | 8.4 | 7.7 | 8.0 |
| 6 | "Auto Parts Stores" | 7.1 | 6.9 | 8.2 | 8.5 | 8.6 | 8.9 | 9.2 | 9.0 | 8.5 | 8.8 | 8.2 | 8.1 |
| 7 | "Auto Repairs" | 8.3 | 6.9 | 7.9 | 9.1 | 8.8 | 8.4 | 9.0 | 8.5 | 8.1 | 8.9 | 8.1 | 8.0 |
| 8 | "Beer" | 7.5 | 7.2 | 8.1 | 8.5 | 9.2 | 9.5 | 9.6 | 9.2 | 8.2 | 7.9 | 7.4 | 7.7 |
| 9 | "Book Stores" | 11.4 | 6.8 | 6.6 | 6.5 | 6.9 | 7.1 | 6.8 | 10.1 | 9.1 | 7.2 | 7.6 | 13.9 |
| 10 | "Bridal Market" | 4.8 | 6.5 | 6.3 | 7.5 | 9.5 | 10.7 | 9.7 | 10.4 | 9.6 | 9.5 | 7.6 | 7.9 |
| 11 | "Building Supply Stores" | 6.2 | 6.3 | 7.8 | 8.8 | 9.4 | 9.4 | 9.4 | 8.8 | 8.8 | 9.0 | 8.2 | 7.9 |
| 12 | "Camera Stores" | 6.1 | 5.9 | 6.8 | 7.0 | 7.8 | 8.1 | 8.2 | 8.3 | 7.5 | 7.7 | 9.2 | 17.4 |
| 13 | "Carpet Stores" | 6.7 | 6.9 | 8.1 | 8.5 | 8.2 | 8.7 | 8.6 | 8.7 | 8.9 | 9.2 | 8.8 | 8.7 |
| 14 | "Children's Wear Stores" | 5.7 | 6.6 | 8.9 | 7.9 | 7.2 | 6.4 | 7.0 | 10.5 | 9.6 | 9.3 | 9.5 | 11.4 |
| 15 | "Consumer Electronics" | 7.7 | 7.2 | 7.4 | 6.9 | 7.3 | 7.3 | 7.7 | 8.3 | 7.6 | 7.5 | 9.6 | 15.5 |
| 16 | "Department Stores" | 5.5 | 6.4 | 7.6 | 7.4 | 8.1 | 7.3 | 7.0 | 8.1 | 7.6 | 8.1 | 10.0 | 16.9 |
| 17 | "Discount Stores" | 6.4 | 6.5 | 7.6 | 7.7 | 8.4 | 8.0 | 7.9 | 8.3 | 7.5 | 8.3 | 9.8 | 13.6 |
| 18 | "Drug Stores" | 7.9 | 7.7 | 8.3 | 8.1 | 8.3 | 8.1 | 8.2 | 8.2 | 8.0 | 8.4 | 8.3 | 10.5 |
| 19 | "Fabric & Sewing Stores" | 7.2 | 7.1 | 8.5 | 7.8 | 7.7 | 7.1 | 7.6 | 7.6 | 8.5 | 10.0 | 10.4 | 10.5 |
| 20 | "Factory Outlets" | 6.0 | 6.2 | 7.8 | 7.9 | 8.2 | 7.8 | 7.9 | 9.0 | 8.0 | 8.4 | 9.3 | 13.5 |
| 21 | "Fast Food" | 7.3 | 7.3 | 8.1 | 8.3 | 8.9 | 8.7 | 8.9 | 8.9 | 8.2 | 8.7 | 8.1 | 8.6 |
| 22 | "Florists" | 6.5 | 9.6 | 7.7 | 8.5 | 11.7 | 8.1 | 7.0 | 7.0 | 7.5 | 7.9 | 7.5 | 11.0 |
| 23 | "Furniture Stores" | 7.8 | 7.5 | 8.2 | 7.7 | 8.2 | 8.1 | 8.3 | 8.5 | 8.4 | 8.6 | 9.1 | 9.6 |
| 24 | "Hardware Stores" | 6.9 | 6.3 | 7.5 | 8.8 | 9.6 | 9.4 | 9.0 | 8.6 | 8.4 | 8.6 | 8.2 | 8.7 |
| 25 | "Jewelry Stores" | 5.1 | 7.1 | 5.9 | 6.3 | 8.0 | 6.9 | 6.7 | 6.8 | 6.5 | 7.0 | 9.1 | 24.6 |
| 26 | "Lawn & Garden Stores" | 3.5 | 3.7 | 6.4 | 12.4 | 18.0 | 12.0 | 8.8 | 6.6 | 6.9 | 7.7 | 6.3 | 7.7 |
| 27 | "Life Insurance" | 7.4 | 7.3 | 8.5 | 8.2 | 7.8 | 8.7 | 8.5 | 7.4 | 7.9 | 8.3 | 7.8 | 12.2 |
| 28 | "Men's Wear Stores" | 6.8 | 6.2 | 7.2 | 7.8 | 8.1 | 8.0 | 7.4 | 8.3 | 7.5 | 8.6 | 9.6 | 14.5 |
| 29 | "Mobile Home Dealers" | 6.1 | 7.0 | 8.6 | 8.9 | 8.3 | 10.0 | 9.2 | 9.1 | 9.3 | 7.9 | 7.7 | 7.9 |
| 30 | "Movie Theatres" | 7.6 | 6.6 | 6.9 | 7.6 | 7.5 | 11.0 | 11.6 | 9.5 | 7.2 | 6.2 | 7.7 | 10.6 |
| 31 | "Music Stores" | 7.4 | 7.2 | 7.7 | 7.2 | 7.5 | 7.3 | 7.3 | 8.0 | 8.0 | 8.0 | 8.7 | 15.7 |
| 32 | "Office Supply Stores" | 8.1 | 7.6 | 7.5 | 7.2 | 7.9 | 7.9 | 8.4 | 9.0 | 9.0 | 8.7 | 8.1 | 10.6 |
| 33 | "Optical Goods Stores" | 7.8 | 7.5 | 8.8 | 8.3 | 8.1 | 8.8 | 8.9 | 9.2 | 8.2 | 8.3 | 7.8 | 8.3 |
| 34 | "Real Estate (new houses)" | 7.4 | 8.7 | 9.6 | 9.4 | 9.1 | 9.1 | 8.7 | 8.6 | 7.7 | 7.8 | 7.2 | 6.7 |
| 35 | "Restaurants" | 7.6 | 7.5 | 8.3 | 8.3 | 8.7 | 8.4 | 8.8 | 8.9 | 8.2 | 8.7 | 8.1 | 8.5 |
| 36 | "Shoe Stores" | 6.1 | 6.8 | 8.3 | 8.3 | 8.8 | 8.3 | 8.4 | 10.2 | 7.8 | 7.9 | 8.1 | 11.0 |
| 37 | "Sporting Goods Stores" | 6.3 | 6.3 | 7.7 | 8.1 | 8.5 | 9.4 | 8.8 | 9.1 | 7.6 | 7.2 | 7.7 | 13.3 |
| 38 | "Supermarkets" | 8.0 | 7.4 | 8.2 | 8.1 | 8.6 | 8.2 | 8.7 | 8.5 | 8.2 | 8.5 | 8.4 | 9.2 |
| 39 | "Tire Dealers" | 9.1 | 8.5 | 8.6 | 7.6 | 8.2 | 8.0 | 8.2 | 8.1 | 8.0 | 9.1 | 7.8 | 8.8 |
| 40 | "Video Stores" | 9.2 | 8.1 | 8.3 | 8.0 | 8.1 | 7.7 | 9.7 | 10.0 | 9.0 | 6.7 | 6.9 | 8.3 |
| 41 | "Women's Wear Stores" | 6.2 | 6.4 | 8.0 | 8.3 | 8.8 | 8.0 | 7.7 | 8.1 | 7.7 | 8.2 | 8.8 | 13.8 |)table";

// Categories.dat as it must be written for the built-in table: per row the quoted name, then the
// twelve values without a trailing ".0" (7.2, 10.3, 0), every line ending in CR LF.
std::string ExpectedBuiltInFile() {
    std::string file;
    std::istringstream rows(kBuiltInTable);
    std::string row;
    while (std::getline(rows, row)) {
        std::vector<std::string> cells;
        std::istringstream cellStream(row);
        std::string cell;
        while (std::getline(cellStream, cell, '|')) {
            cell.erase(0, cell.find_first_not_of(' '));
            cell.erase(cell.find_last_not_of(' ') + 1);
            cells.push_back(cell);
        }
        // cells: "", row number, quoted name, twelve values
        file += cells.at(2) + "\r\n";
        for (size_t month = 3; month < 15; ++month) {
            std::string value = cells.at(month);
            if (value.size() > 2 && value.compare(value.size() - 2, 2, ".0") == 0)
                value.resize(value.size() - 2);
            file += value + "\r\n";
        }
    }
    return file;
}

QString PathIn(const TempFolder& folder, const std::string& name) {
    return QString::fromStdString(folder.file(name));
}

std::unique_ptr<ProfileStore> NewStore() {
    return std::make_unique<ProfileStore>();
}

// The 13 lines of one row as the file holds them.
std::string RowLines(const std::string& quotedName, const std::vector<std::string>& values) {
    std::string lines = quotedName + "\r\n";
    for (size_t month = 0; month < 12; ++month)
        lines += (month < values.size() ? values[month] : "0") + "\r\n";
    return lines;
}

std::vector<std::string> FolderEntries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void ExpectSameRows(const ProfileStore& a, const ProfileStore& b) {
    for (size_t row = 0; row < a.rows.size(); ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(a.rows[row].name, b.rows[row].name);
        EXPECT_EQ(a.rows[row].percentages, b.rows[row].percentages);
    }
}

TEST(ProfileFile, FirstLoadWithoutTheFileWritesTheBuiltInTable) {
    TempFolder folder;
    auto store = NewStore();
    store->rows[7].name = "left over"; // loading replaces whatever the store held
    ASSERT_TRUE(LoadProfiles(*store, PathIn(folder, "Categories.dat")));

    const std::string written = folder.read("Categories.dat");
    EXPECT_EQ(written, ExpectedBuiltInFile());
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 546);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 546);
    EXPECT_EQ(written.substr(0, 11), "\"None\"\r\n0\r\n");

    auto builtIn = NewStore();
    ResetToDefaultProfiles(*builtIn);
    ExpectSameRows(*store, *builtIn);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Categories.dat"});
}

TEST(ProfileFile, LoadingTheWrittenFileGivesTheSameProfiles) {
    TempFolder folder;
    auto first = NewStore();
    ASSERT_TRUE(LoadProfiles(*first, PathIn(folder, "Categories.dat")));
    auto second = NewStore();
    ASSERT_TRUE(LoadProfiles(*second, PathIn(folder, "Categories.dat")));
    ExpectSameRows(*first, *second);
    EXPECT_EQ(ProfilesInUse(*second), 42);
}

TEST(ProfileFile, AFileHoldingOnlyNoneGivesOneRow) {
    TempFolder folder;
    folder.write("Categories.dat", RowLines("\"None\"", {}));
    auto store = NewStore();
    ASSERT_TRUE(LoadProfiles(*store, PathIn(folder, "Categories.dat")));
    EXPECT_EQ(ProfileNames(*store), std::vector<std::string>{"None"});
    for (float value : store->rows[0].percentages)
        EXPECT_EQ(value, 0.0f);
    EXPECT_EQ(folder.read("Categories.dat"), RowLines("\"None\"", {})); // loading does not rewrite it
}

TEST(ProfileFile, OddNamesReadBackUnchanged) {
    const std::vector<std::string> names = {
        "Caf\xE9s, Bars & Bistros", // comma and a code page 1252 letter
        "Gifts | Cards",            // the list's item separator
        "Say \"Cheese\" Studios",   // double quotes
        "\"",
        "  Padded  ",
        ",",
        "\x80 Euro Shops \x97 \xA3", // euro sign, em dash, pound sign
        "100% Pure",
        "{f7}Markup",
    };
    auto store = NewStore();
    store->rows[0].name = "None";
    for (size_t i = 0; i < names.size(); ++i) {
        store->rows[i + 1].name = names[i];
        store->rows[i + 1].percentages = {7.2f, 7.1f, 8.1f, 8.1f, 8.6f, 8.4f,
                                          8.5f, 8.6f, 8.1f, 8.5f, 8.5f, static_cast<float>(i)};
    }
    TempFolder folder;
    ASSERT_TRUE(SaveProfiles(*store, PathIn(folder, "Categories.dat")));
    auto loaded = NewStore();
    ASSERT_TRUE(LoadProfiles(*loaded, PathIn(folder, "Categories.dat")));
    ExpectSameRows(*store, *loaded);
    // every row is still 13 lines
    const std::string written = folder.read("Categories.dat");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 13 * static_cast<long>(names.size() + 1));
}

TEST(ProfileFile, ALineBreakInANameIsWrittenAsABlank) {
    auto store = NewStore();
    store->rows[0].name = "None";
    store->rows[1].name = "Two\r\nLines";
    auto loaded = NewStore();
    ReadProfileFileText(*loaded, ProfileFileText(*store));
    EXPECT_EQ(ProfileNames(*loaded), (std::vector<std::string>{"None", "Two  Lines"}));
}

struct PercentageCase {
    float value;
    const char* text;
};

TEST(ProfileFile, PercentagesAreWrittenWithUpToSevenSignificantDigits) {
    const PercentageCase cases[] = {
        {7.2f, "7.2"},
        {10.3f, "10.3"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.5f, "0.5"},
        {100.0f, "100"},
        {24.6f, "24.6"},
        {-2.5f, "-2.5"},
        {1.0f / 3.0f, "0.3333333"},
        {12.34567f, "12.34567"},
        {1234567.8f, "1234568"},
        {1e-7f, "0.0000001"},
        {1e10f, "10000000000"},
        {std::nanf(""), "0"},
    };
    for (const PercentageCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PercentageFileText(c.value), c.text);
    }
    const std::string largest = PercentageFileText(std::numeric_limits<float>::max());
    EXPECT_EQ(largest, "340282300000000000000000000000000000000");
    EXPECT_EQ(PercentageFileText(std::numeric_limits<float>::infinity()), largest);
}

TEST(ProfileFile, ReaderTakesFieldsSplitByCommasAndAnyLineEnd) {
    const std::string text = "\"None\",0,0,0,0,0,0,0,0,0,0,0,0\n"
                             "\n"
                             "  \r\n"
                             "\"Camera, Film\", 6.1 ,.5,0.5,1e5,abc,$3,-2,+4,7.25.1,8,9\r"
                             "10\r\n"
                             "  Unquoted Name  \r\n"
                             "1\r\n";
    auto store = NewStore();
    ReadProfileFileText(*store, text);
    ASSERT_EQ(ProfilesInUse(*store), 3);
    EXPECT_EQ(store->rows[1].name, "Camera, Film");
    const std::array<float, 12> camera = {6.1f,  0.5f, 0.5f,  1.0f, 0.0f, 0.0f,
                                          -2.0f, 4.0f, 7.25f, 8.0f, 9.0f, 10.0f};
    EXPECT_EQ(store->rows[1].percentages, camera);
    // the last row has only two fields: its other values are 0
    EXPECT_EQ(store->rows[2].name, "Unquoted Name");
    const std::array<float, 12> shortRow = {1.0f};
    EXPECT_EQ(store->rows[2].percentages, shortRow);
}

TEST(ProfileFile, ReaderEndsAnUnclosedQuoteAtTheLineBreak) {
    const std::string text =
        RowLines("\"None\"", {}) + RowLines("\"Open quote", {"5"}) + RowLines("\"Next\"xyz", {"6"});
    auto store = NewStore();
    ReadProfileFileText(*store, text);
    EXPECT_EQ(ProfileNames(*store), (std::vector<std::string>{"None", "Open quote", "Next"}));
    EXPECT_EQ(store->rows[1].percentages[0], 5.0f);
    EXPECT_EQ(store->rows[2].percentages[0], 6.0f);
}

TEST(ProfileFile, RowsAfterAnEmptyNameAreDropped) {
    const std::string text = RowLines("\"None\"", {}) + RowLines("\"A\"", {"1"}) + RowLines("\"\"", {"2"}) +
                             RowLines("\"B\"", {"3"});
    auto store = NewStore();
    ReadProfileFileText(*store, text);
    EXPECT_EQ(ProfileNames(*store), (std::vector<std::string>{"None", "A"}));
    for (size_t row = 2; row < store->rows.size(); ++row) {
        EXPECT_TRUE(store->rows[row].name.empty());
        EXPECT_EQ(store->rows[row].percentages, (std::array<float, 12>{}));
    }
    // ... but not lost: a save writes them back after the rows in use.
    EXPECT_EQ(store->unreadTail, RowLines("\"\"", {"2"}) + RowLines("\"B\"", {"3"}));
    EXPECT_EQ(ProfileFileText(*store) + store->unreadTail, text);
}

TEST(ProfileFile, ABlankLineInsideARowIsAnEmptyFieldAndBetweenRowsIsSkipped) {
    // A blank line where a month is due is that month, 0, so the fields after it keep their places;
    // where a name is due it only separates two rows.
    const std::string januaryBlank = RowLines("\"Blank January\"", {"  ", "9"}); // January blank-only
    const std::string text = RowLines("\"None\"", {}) + "\r\n\r\n" + januaryBlank + "\t\r\n" +
                             RowLines("\"Next\"", {"7"}) + "\r\n";
    auto store = NewStore();
    ReadProfileFileText(*store, text);
    EXPECT_EQ(ProfileNames(*store), (std::vector<std::string>{"None", "Blank January", "Next"}));
    EXPECT_EQ(store->rows[1].percentages[0], 0.0f);
    EXPECT_EQ(store->rows[1].percentages[1], 9.0f);
    EXPECT_EQ(store->rows[2].percentages[0], 7.0f);
    EXPECT_TRUE(store->unreadTail.empty());
}

TEST(ProfileFile, ReaderStopsAtTheLastRowOfTheStore) {
    std::string text;
    for (int row = 0; row < 700; ++row)
        text += RowLines("\"P" + std::to_string(1000 + row) + "\"", {std::to_string(row)});
    auto store = NewStore();
    ReadProfileFileText(*store, text);
    ASSERT_EQ(ProfilesInUse(*store), kProfileRows);
    EXPECT_EQ(store->rows[kProfileRows - 1].name, "P1500");
    EXPECT_EQ(store->rows[kProfileRows - 1].percentages[0], 500.0f);
    // The rows past the store's end are kept for the next save.
    EXPECT_EQ(store->unreadTail.substr(0, 9), "\"P1501\"\r\n");
    EXPECT_EQ(ProfileFileText(*store) + store->unreadTail, text);
}

TEST(ProfileFile, MoreProfilesThanTheStoreHoldsAreToldAndKeptByASave) {
    TempFolder folder;
    std::string text;
    for (int row = 0; row < 600; ++row)
        text += RowLines("\"P" + std::to_string(1000 + row) + "\"", {std::to_string(row)});
    folder.write("Categories.dat", text);
    auto store = NewStore();
    const ProfileFileState state = LoadProfiles(*store, PathIn(folder, "Categories.dat"));
    EXPECT_TRUE(state.readable);
    EXPECT_TRUE(state.overCapacity);
    RemoveProfile(*store, 3); // the user deletes one: the rest must still be in the file
    ASSERT_TRUE(SaveProfiles(*store, PathIn(folder, "Categories.dat")));
    const std::string saved = folder.read("Categories.dat");
    EXPECT_EQ(saved.find("\"P1003\""), std::string::npos);
    EXPECT_NE(saved.find("\"P1599\"\r\n599\r\n"), std::string::npos);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 13 * 599);
}

TEST(ProfileFile, JunkNeverBreaksTheReader) {
    std::mt19937 random(20181016);
    const std::string alphabet =
        std::string("\"\",,\r\n\n 0123456789.-+abc|\x80\xFF\t") + std::string(1, '\0');
    for (int round = 0; round < 200; ++round) {
        std::string junk(static_cast<size_t>(random() % 4000), ' ');
        for (char& c : junk)
            c = alphabet[random() % alphabet.size()];
        auto store = NewStore();
        ReadProfileFileText(*store, junk);
        const int inUse = ProfilesInUse(*store);
        ASSERT_LE(inUse, kProfileRows);
        for (size_t row = static_cast<size_t>(inUse); row < store->rows.size(); ++row)
            ASSERT_TRUE(store->rows[row].name.empty());
        for (const BusinessProfile& profile : store->rows)
            for (float value : profile.percentages)
                ASSERT_TRUE(std::isfinite(value));
    }
}

TEST(ProfileFile, AFileThatCannotBeUsedGivesTheBuiltInTableIsToldAndLeftAlone) {
    const struct {
        const char* what;
        std::function<void(const TempFolder&)> prepare;
        const char* reason; // part of the reason given
    } cases[] = {
        {"an empty file", [](const TempFolder& f) { f.write("Categories.dat", ""); }, "no Business Profile"},
        {"a first name that is empty",
         [](const TempFolder& f) { f.write("Categories.dat", RowLines("\"\"", {}) + RowLines("\"A\"", {"1"})); },
         "no Business Profile"},
        {"a folder", [](const TempFolder& f) { std::filesystem::create_directory(f.path() / "Categories.dat"); },
         "folder"},
        {"a FIFO nobody writes to (must not block)",
         [](const TempFolder& f) { ::mkfifo(f.file("Categories.dat").c_str(), 0600); }, "pipe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        c.prepare(folder);
        const auto before = std::filesystem::status(folder.path() / "Categories.dat").type();
        const std::string bytes = std::filesystem::is_regular_file(folder.path() / "Categories.dat")
                                      ? folder.read("Categories.dat")
                                      : std::string();
        auto store = NewStore();
        const ProfileFileState state = LoadProfiles(*store, PathIn(folder, "Categories.dat"));
        EXPECT_FALSE(state.readable);
        EXPECT_NE(state.problem.find(c.reason), std::string::npos) << state.problem;
        EXPECT_EQ(ProfilesInUse(*store), 42);
        EXPECT_EQ(std::filesystem::status(folder.path() / "Categories.dat").type(), before);
        if (before == std::filesystem::file_type::regular) {
            EXPECT_EQ(folder.read("Categories.dat"), bytes);
        }
    }
}

TEST(ProfileFile, AFirstLoadThatCannotWriteStillGivesTheBuiltInTable) {
    TempFolder folder;
    auto store = NewStore();
    EXPECT_FALSE(LoadProfiles(*store, PathIn(folder, "missing/Categories.dat")));
    EXPECT_EQ(ProfilesInUse(*store), 42);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

TEST(ProfileFile, SavingReplacesTheOldFile) {
    TempFolder folder;
    folder.write("Categories.dat", RowLines("\"None\"", {}) + RowLines("\"Old\"", {"1"}));
    auto store = NewStore();
    ResetToDefaultProfiles(*store);
    ASSERT_TRUE(SaveProfiles(*store, PathIn(folder, "Categories.dat")));
    EXPECT_EQ(folder.read("Categories.dat"), ExpectedBuiltInFile());
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Categories.dat"});
}

TEST(ProfileFile, ASaveThatCannotBeWrittenFailsAndChangesNothing) {
    TempFolder folder;
    auto store = NewStore();
    ResetToDefaultProfiles(*store);

    // the file's name is taken by a folder
    std::filesystem::create_directory(folder.path() / "Categories.dat");
    folder.write("Categories.dat/keep.txt", "kept");
    EXPECT_FALSE(SaveProfiles(*store, PathIn(folder, "Categories.dat")));
    EXPECT_EQ(folder.read("Categories.dat/keep.txt"), "kept");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Categories.dat"});

    // the folder does not exist
    EXPECT_FALSE(SaveProfiles(*store, PathIn(folder, "missing/Categories.dat")));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

#if defined(__unix__)
// Limits the size of the files this process writes, as a full disk would, while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails instead
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

TEST(ProfileFile, ASaveCutOffPartWayKeepsTheOldFile) {
    TempFolder folder;
    const std::string old = RowLines("\"None\"", {}) + RowLines("\"My Own Profile\"", {"8.3"});
    folder.write("Categories.dat", old);
    auto store = NewStore();
    ResetToDefaultProfiles(*store); // about 2,600 bytes
    bool saved = true;
    {
        FileSizeLimit limit(1000);
        ASSERT_TRUE(limit.active());
        saved = SaveProfiles(*store, PathIn(folder, "Categories.dat")).ok;
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(folder.read("Categories.dat"), old);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Categories.dat"});

    auto loaded = NewStore();
    ASSERT_TRUE(LoadProfiles(*loaded, PathIn(folder, "Categories.dat")));
    EXPECT_EQ(ProfileNames(*loaded), (std::vector<std::string>{"None", "My Own Profile"}));
}
#endif

} // namespace
