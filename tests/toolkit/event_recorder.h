// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test fixture that installs the toolkit with callbacks recording every event, lets a test
// answer events (changing the value or setting cancel) and design forms of its own.
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

struct Event {
    std::string form;
    int32_t id, message, value;
    bool operator==(const Event&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Event& e) {
    return out << "{" << e.form << "," << e.id << "," << e.message << "," << e.value << "}";
}

class EventRecorderTest : public ::testing::Test {
  protected:
    std::vector<Event> events;
    // Lets a test answer events: it may change value and cancel.
    std::function<void(const std::string&, int32_t, int32_t, int32_t&, int32_t&)> handler;
    // Creates the controls of a form the test opens.
    std::function<void(const std::string&)> design;

    void SetUp() override {
        eztest::Install(
            [this](const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
                events.push_back({form, id, message, value});
                if (handler) handler(form, id, message, value, cancel);
            },
            [this](const std::string& form) {
                if (design) design(form);
            });
    }
    void TearDown() override { eztest::Reset(); }
};
