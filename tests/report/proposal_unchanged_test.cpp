// SPDX-License-Identifier: GPL-3.0-or-later
// Plans whose texts fit their places print exactly as they always have: every operation of their
// pages, with its position, size and font, is compared with the pages kept in ordinary_pages.txt.
//
// After a deliberate change to the page, write the file again with
//   QM_WRITE_ORDINARY_PAGES=1 ctest -R report_test
// and look at the difference before committing it.
#include "tests/report/proposal_fixture.h"

#include <QString>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

// Every number exactly, so that a position moved by a single step of float shows.
std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

struct OperationLine {
    std::ostream& out;
    void operator()(const PageText& t) const {
        out << "text " << Number(t.x) << ' ' << Number(t.y) << ' ' << static_cast<int>(t.align) << ' '
            << t.font.face << ' ' << Number(t.font.points) << ' ' << t.font.style << " [" << t.text << "]\n";
    }
    void operator()(const PageLine& l) const {
        out << "line " << Number(l.x1) << ' ' << Number(l.y1) << ' ' << Number(l.x2) << ' ' << Number(l.y2)
            << ' ' << Number(l.width) << ' ' << l.colour << '\n';
    }
    void operator()(const PageRect& r) const {
        out << "rect " << Number(r.left) << ' ' << Number(r.top) << ' ' << Number(r.right) << ' '
            << Number(r.bottom) << ' ' << Number(r.width) << ' ' << r.fill << ' ' << r.line << '\n';
    }
    void operator()(const PageImage& i) const {
        out << "image " << Number(i.left) << ' ' << Number(i.top) << ' ' << Number(i.right) << ' '
            << Number(i.bottom) << ' ' << i.encoded.size() << " bytes\n";
    }
};

std::string Describe(const PageRecord& page) {
    std::ostringstream out;
    out << "title [" << page.title << "]\n";
    for (const PageOperation& operation : page.operations)
        std::visit(OperationLine{out}, operation);
    return out.str();
}

// Ordinary plans in each currency, with and without a rate, with bars of every height, up to
// budgets whose amounts just fit their boxes.
std::vector<std::pair<std::string, ProposalInputs>> OrdinaryPlans() {
    std::vector<std::pair<std::string, ProposalInputs>> plans;
    plans.emplace_back("florists in dollars", FloristsPlan());

    ProposalInputs euro = FloristsPlan();
    euro.currency = 1;
    euro.budget = "\x80"
                  "85.000";
    euro.rate = "\x80"
                "120";
    euro.startMonthIndex = 10;
    euro.year = "2018";
    plans.emplace_back("euro from November", euro);

    ProposalInputs pound = FloristsPlan();
    pound.currency = 2;
    pound.budget = "\xA3"
                   "590,000";
    pound.rate = "";
    pound.monoChart = true;
    pound.base = "60";
    pound.events = "30";
    plans.emplace_back("pounds without a rate, monochrome", pound);

    ProposalInputs uneven = FloristsPlan();
    uneven.client = "Harbour View Garden Centre";
    uneven.months = {"2.0", "3.5", "6.0", "12.5", "15.0", "11.0", "9.0", "8.0", "7.0", "6.0", "10.0", "10.0"};
    uneven.budget = "$240,000";
    uneven.rate = "$85";
    plans.emplace_back("an uneven year", uneven);
    return plans;
}

std::string KeptPagesPath() {
    return qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/tests/report/ordinary_pages.txt";
}

std::string AllPages() {
    std::string all;
    for (const auto& [name, plan] : OrdinaryPlans())
        all += "== " + name + "\n" + Describe(RecordProposal(plan));
    return all;
}

TEST(ProposalUnchanged, OrdinaryPlansPrintAsTheyAlwaysHave) {
    const std::string pages = AllPages();
    if (!qEnvironmentVariableIsEmpty("QM_WRITE_ORDINARY_PAGES")) {
        std::ofstream(KeptPagesPath(), std::ios::binary) << pages;
        GTEST_SKIP() << "wrote " << KeptPagesPath();
    }
    std::ifstream kept(KeptPagesPath(), std::ios::binary);
    ASSERT_TRUE(kept) << KeptPagesPath();
    const std::string expected((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());

    // Line by line, so that a failure names the operation that moved.
    std::istringstream now(pages), before(expected);
    std::string nowLine, beforeLine, plan;
    int lineNumber = 0;
    while (std::getline(before, beforeLine)) {
        ++lineNumber;
        if (beforeLine.rfind("== ", 0) == 0) plan = beforeLine;
        ASSERT_TRUE(std::getline(now, nowLine)) << plan << ": the page ends before line " << lineNumber;
        ASSERT_EQ(nowLine, beforeLine) << plan << ", line " << lineNumber;
    }
    EXPECT_FALSE(std::getline(now, nowLine)) << "more operations than before: " << nowLine;
}

} // namespace
