// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly table as CSV: its bytes, its quoting, and every figure against the recorded page.
#include "report/proposal_csv.h"
#include "report/proposal_drawing.h"

#include "tests/report/proposal_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Table = std::vector<std::vector<std::string>>;

// The outputs under test hold no quoted field, so a plain split reads them.
Table ReadCsv(std::string text) {
    Table rows;
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(text.substr(0, 3), bom);
    text.erase(0, 3);
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n\""), std::string::npos) << line;
        std::vector<std::string> fields;
        size_t from = 0;
        for (size_t comma; (comma = line.find(',', from)) != std::string::npos; from = comma + 1)
            fields.push_back(line.substr(from, comma - from));
        fields.push_back(line.substr(from));
        rows.push_back(fields);
    }
    EXPECT_EQ(start, text.size()) << "the last line ends in CRLF";
    return rows;
}

Money Amount(const std::string& field) {
    const size_t dot = field.find('.');
    EXPECT_EQ(dot + 3, field.size()) << field << " has two decimals";
    return std::stoll(field.substr(0, dot)) * 100 + std::stoll(field.substr(dot + 1));
}

bool PageHasTextAt(const PageRecord& page, float x, float y, const std::string& text) {
    for (const std::string& t : TextsAt(page, x, y))
        if (t == text) return true;
    return false;
}

// A text in the chart part of column x (above the month labels).
bool ChartShows(const PageRecord& page, float x, const std::string& text) {
    for (const PageText& t : Texts(page))
        if (std::abs(t.x - x) < 1e-3f && t.y < 7.65f && t.text == text) return true;
    return false;
}

struct Plan {
    const char* name;
    int currency;
    const char* rate;
    int startMonthIndex;
};

class ProposalCsvFigures : public ::testing::TestWithParam<Plan> {};

TEST_P(ProposalCsvFigures, EveryFigureIsTheOnePrintedOnThePage) {
    ProposalInputs inputs = FloristsPlan();
    inputs.currency = GetParam().currency;
    inputs.budget = "12345.67";
    inputs.rate = GetParam().rate;
    inputs.startMonthIndex = GetParam().startMonthIndex;
    const PageRecord page = RecordProposal(inputs);
    const ProposalFigures figures = DeriveFigures(inputs);
    const Table rows = ReadCsv(ProposalCsv(inputs));
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Month", "Base", "Events", "Total", "Base ads", "Events ads",
                                                 "Percent"}));
    Money base = 0, events = 0;
    for (size_t k = 0; k < 12; ++k) {
        const std::vector<std::string>& row = rows[k + 1];
        ASSERT_EQ(row.size(), 7u);
        // The totals table: two boxes of six rows.
        const float left = k < 6 ? 0.5f : 4.5f;
        const float y = 8.918f + 0.168f * static_cast<float>(k % 6) - 0.05f;
        EXPECT_TRUE(PageHasTextAt(page, left + 0.05f, y, row[0])) << row[0];
        EXPECT_TRUE(PageHasTextAt(page, left + 1.61f, y, MoneyText(figures, Amount(row[1])))) << row[0];
        EXPECT_TRUE(PageHasTextAt(page, left + 2.45f, y, MoneyText(figures, Amount(row[2])))) << row[0];
        EXPECT_TRUE(PageHasTextAt(page, left + 3.45f, y, MoneyText(figures, Amount(row[3])))) << row[0];
        EXPECT_EQ(Amount(row[3]), Amount(row[1]) + Amount(row[2]));
        base += Amount(row[1]);
        events += Amount(row[2]);
        // The chart column: its percentage tag and its ads lines.
        const float x = ColumnX(static_cast<int>(k) + 1);
        EXPECT_TRUE(ChartShows(page, x, row[6] + "%")) << row[0];
        const bool rated = std::string(GetParam().rate) != "";
        EXPECT_EQ(row[4].empty(), !rated) << row[0];
        if (!row[4].empty()) {
            EXPECT_TRUE(ChartShows(page, x, row[4] + " ads")) << row[0];
        }
        EXPECT_EQ(!row[5].empty(), rated && Amount(row[2]) > 0) << row[0];
        if (!row[5].empty()) {
            EXPECT_TRUE(ChartShows(page, x, row[5] + " ads")) << row[0];
        }
    }
    const char* captions[] = {"Base budget", "Events budget", "Opportunity budget", "Grand total"};
    for (size_t n = 0; n < 4; ++n) {
        const std::vector<std::string>& row = rows[13 + n];
        EXPECT_EQ(row, (std::vector<std::string>{captions[n], "", "", row[3], "", "", ""}));
        EXPECT_TRUE(PageHasTextAt(page, 5.0f, 9.758f + 0.168f * static_cast<float>(n + 1),
                                  MoneyText(figures, Amount(row[3]))))
            << captions[n];
    }
    EXPECT_EQ(Amount(rows[13][3]), base);
    EXPECT_EQ(Amount(rows[14][3]), events);
    EXPECT_EQ(Amount(rows[16][3]), base + events + Amount(rows[15][3]));
    EXPECT_GT(events, 0);
}

INSTANTIATE_TEST_SUITE_P(Plans, ProposalCsvFigures,
                         ::testing::Values(Plan{"DollarFromMarch", 0, "50", 2}, Plan{"EuroNoRate", 1, "", 0},
                                           Plan{"PoundFromDecember", 2, "37.5", 11}),
                         [](const ::testing::TestParamInfo<Plan>& plan) {
                             return std::string(plan.param.name);
                         });

TEST(ProposalCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    const std::pair<std::string, std::string> cases[] = {
        {"JAN '19", "JAN '19"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"{bold}|x", "{bold}|x"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

} // namespace
