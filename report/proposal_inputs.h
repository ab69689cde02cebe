// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the proposal reads back from the planner window at the moment Print runs: the controls'
// texts as they stand (untrimmed, unparsed) and the two options it depends on.
#include <array>
#include <string>

struct ProposalInputs {
    std::string client;   // field 225
    std::string station;  // field 230
    std::string salesrep; // field 235
    // The presentation date (picker 240) as MM-DD-YYYY (the date text of format 6).
    std::string presentationDate;
    // The selected index of the start month combo box 245: 0 January ... 11 December. Any other
    // value (nothing selected) starts the chart in January.
    int startMonthIndex = 0;
    // The year of picker 250 as its date text of format 3 ("2018"); its last two characters
    // give the two-digit year of the column labels.
    std::string year;
    std::string budget; // field 255, a money text ("$12,000")
    std::string rate;   // field 260, a money text
    // The profile's percentages for January ... December (fields 270, 275, ... 325).
    std::array<std::string, 12> months;
    std::string base;        // field 330, whole percent
    std::string events;      // field 340
    std::string opportunity; // field 345
    int currency = 0;        // CurrencyOption: 0 dollar, 1 euro, 2 pound
    bool monoChart = false;  // option bit MonoChart
};
