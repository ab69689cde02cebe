// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_layer.h"

#include "tests/report/page_capture.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

std::int16_t StartDoc() {
    return dpStartDoc(0, "Quillmark", "", 0, 1, 0, 7, 0x400);
}

TEST(PageLayer, StartFailsWithoutASinkAndGivesNothingToDrawOn) {
    SetPageSink({});
    const std::int16_t doc = StartDoc();
    EXPECT_LT(doc, 1);
    dpText(doc, 1, 1, 0, "lost");
    EXPECT_EQ(dpEndDoc(doc, 4), 0);
}

TEST(PageLayer, RecordsEveryCallInOrderWithTheFontSelectedAtTheTime) {
    PageCapture capture;
    const std::int16_t doc = StartDoc();
    ASSERT_GE(doc, 1);
    dpText(doc, 0.5f, 0.6f, 0, "default font");
    dpFont(doc, 17, 12, 0, "Arial");
    dpText(doc, 4.25f, 0.5f, 1, "Yearly Proposal for Acme");
    dpRect(doc, 0.5f, 0.9f, 8.0f, 7.0f, 2, kPageWhite, kPageBlack);
    dpLine(doc, 0.5f, 3.0f, 7.98f, 3.0f, 2, kPageBlack);
    dpFont(doc, 16, 9, 0, "Arial");
    dpText(doc, 8.0f, 0.5f, 2, "Presented: 01-02-2019");
    dpText(doc, 1, 1, 7, "unknown alignment");
    EXPECT_EQ(dpEndDoc(doc, 4), 1);

    ASSERT_EQ(capture.pages.size(), 1u);
    const PageRecord& page = capture.pages[0];
    EXPECT_EQ(page.title, "Quillmark");
    ASSERT_EQ(page.operations.size(), 6u);

    const auto& first = std::get<PageText>(page.operations[0]);
    EXPECT_EQ(first.font, PageFont{});
    const auto& headline = std::get<PageText>(page.operations[1]);
    EXPECT_EQ(headline.text, "Yearly Proposal for Acme");
    EXPECT_EQ(headline.align, TextAlign::Centre);
    EXPECT_EQ(headline.font, (PageFont{"Arial", 12, 17}));
    const auto& frame = std::get<PageRect>(page.operations[2]);
    EXPECT_FLOAT_EQ(frame.left, 0.5f);
    EXPECT_FLOAT_EQ(frame.bottom, 7.0f);
    EXPECT_FLOAT_EQ(frame.width, 2);
    EXPECT_EQ(std::get<PageLine>(page.operations[3]).x2, 7.98f);
    const auto& date = std::get<PageText>(page.operations[4]);
    EXPECT_EQ(date.align, TextAlign::Right);
    EXPECT_EQ(date.font, (PageFont{"Arial", 9, 16}));
    EXPECT_EQ(std::get<PageText>(page.operations[5]).align, TextAlign::Left);
}

TEST(PageLayer, KeepsOpenDocumentsApartAndEndsEachOnce) {
    PageCapture capture;
    const std::int16_t a = StartDoc();
    const std::int16_t b = StartDoc();
    ASSERT_GE(a, 1);
    ASSERT_GE(b, 1);
    ASSERT_NE(a, b);
    dpText(a, 1, 1, 0, "first");
    dpText(b, 1, 1, 0, "second");
    dpText(b, 1, 2, 0, "second again");
    EXPECT_EQ(dpEndDoc(b, 4), 1);
    EXPECT_EQ(dpEndDoc(b, 4), 0);
    dpText(b, 1, 3, 0, "after the end");
    EXPECT_EQ(dpEndDoc(a, 4), 1);

    ASSERT_EQ(capture.pages.size(), 2u);
    EXPECT_EQ(capture.pages[0].operations.size(), 2u);
    ASSERT_EQ(capture.pages[1].operations.size(), 1u);
    EXPECT_EQ(std::get<PageText>(capture.pages[1].operations[0]).text, "first");
}

TEST(PageLayer, EndReportsASinkThatCouldNotPutThePageOut) {
    PageCapture refusing(false);
    const std::int16_t doc = StartDoc();
    ASSERT_GE(doc, 1);
    EXPECT_EQ(dpEndDoc(doc, 4), 0);
    EXPECT_EQ(refusing.pages.size(), 1u);
}

} // namespace
