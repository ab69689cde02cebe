// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_layer.h"
#include "report/proposal_drawing.h"
#include "report/proposal_fit.h"

namespace {

// A bracket: two uprights and the bar joining them, and a white background for its caption.
struct Bracket {
    float left, right;               // the uprights' x
    float uprightTop, uprightBottom; // the uprights' y
    float barLeft, barY;             // the joining bar runs from barLeft to the right upright
    float captionTop, captionBottom, captionY;
};

// The Events bracket opens downward over the bars, the Base bracket upward under the boxes.
constexpr Bracket kEventsBracket{0.6f, 7.9f, 1.05f, 1.30f, 0.59f, 1.05f, 0.95f, 1.15f, 1.10f};
constexpr Bracket kBaseBracket{0.5f, 8.0f, 7.35f, 7.8f, 0.5f, 7.8f, 7.7f, 7.85f, 7.85f};
constexpr float kCaptionLeft = 2.75f, kCaptionRight = 5.75f, kCentre = 4.25f;
constexpr float kCaptionPoints = 9;

void DrawBracket(std::int16_t doc, const Bracket& b, const std::string& caption) {
    dpLine(doc, b.left, b.uprightTop, b.left, b.uprightBottom, 1, kPageBlack);
    dpLine(doc, b.right, b.uprightTop, b.right, b.uprightBottom, 1, kPageBlack);
    dpLine(doc, b.barLeft, b.barY, b.right, b.barY, 1, kPageBlack);
    dpRect(doc, kCaptionLeft, b.captionTop, kCaptionRight, b.captionBottom, -1, kPageWhite, kPageWhite);
    // The caption stays on its white background, off the bracket's lines.
    SelectFont(
        doc, FitNumberSize(caption, PageFontOf(kCaptionPoints), kCaptionRight - kCaptionLeft - 2 * kTextGap));
    dpText(doc, kCentre, b.captionY, 1, caption);
}

} // namespace

void DrawLegends(std::int16_t doc, const ProposalFigures& f) {
    DrawBracket(doc, kEventsBracket,
                "SPECIAL EVENT BUDGET: " + MoneyText(f, ShareOfBudget(f.eventsRatio, f.budget)) +
                    PercentInParentheses("  (", f.eventsRatio));
    DrawBracket(doc, kBaseBracket,
                "YEARLY BASE BUDGET: " + MoneyText(f, ShareOfBudget(f.baseRatio, f.budget)) +
                    PercentInParentheses("  (", f.baseRatio));
}
