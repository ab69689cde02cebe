// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/report/proposal_fixture.h"

#include "report/proposal.h"
#include "tests/report/page_capture.h"

#include <cmath>
#include <gtest/gtest.h>

PageRecord RecordProposal(const ProposalInputs& inputs) {
    PageCapture capture;
    EXPECT_TRUE(BuildProposal(inputs));
    EXPECT_EQ(capture.pages.size(), 1u);
    return capture.pages.empty() ? PageRecord{} : capture.pages.front();
}

namespace {
template <typename T> std::vector<T> OperationsOf(const PageRecord& page) {
    std::vector<T> found;
    for (const PageOperation& operation : page.operations)
        if (const T* one = std::get_if<T>(&operation)) found.push_back(*one);
    return found;
}
bool Near(float a, float b) {
    return std::fabs(a - b) < 1e-3f;
}
} // namespace

std::vector<PageText> Texts(const PageRecord& page) {
    return OperationsOf<PageText>(page);
}
std::vector<PageRect> Rects(const PageRecord& page) {
    return OperationsOf<PageRect>(page);
}
std::vector<PageLine> Lines(const PageRecord& page) {
    return OperationsOf<PageLine>(page);
}

std::optional<PageText> FindText(const PageRecord& page, const std::string& text) {
    for (const PageText& one : Texts(page))
        if (one.text == text) return one;
    return std::nullopt;
}

std::vector<std::string> TextsAt(const PageRecord& page, float x, float y) {
    std::vector<std::string> found;
    for (const PageText& one : Texts(page))
        if (Near(one.x, x) && Near(one.y, y)) found.push_back(one.text);
    return found;
}

std::vector<PageRect> RectsAround(const PageRecord& page, float x, float halfWidth) {
    std::vector<PageRect> found;
    for (const PageRect& rect : Rects(page))
        if (Near(rect.left, x - halfWidth) && Near(rect.right, x + halfWidth)) found.push_back(rect);
    return found;
}

float ColumnX(int k) {
    return 0.84f + 0.62f * static_cast<float>(k - 1);
}
