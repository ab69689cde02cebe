// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts and texts that every piece of the proposal page shares.
#include "report/page_layer.h"
#include "report/proposal_drawing.h"

#include "plan/number_text.h"

void SelectFont(std::int16_t doc, float points, int style) {
    dpFont(doc, style, points, 0, "Arial");
}

PageFont PageFontOf(float points, int style) {
    return PageFont{"Arial", points, style};
}

std::string MoneyText(const ProposalFigures& figures, Money value) {
    return FormatMoney(value, kWholeMoneyMask, figures.currency);
}

std::string PercentInParentheses(const char* opening, float ratio) {
    return opening + IntegerText(WholePercent(ratio)) + "%)";
}
