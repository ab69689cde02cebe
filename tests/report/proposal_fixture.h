// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A filled plan to print and helpers that look things up on the recorded proposal page.
#include "report/page_record.h"
#include "report/proposal_inputs.h"
#include "tests/report/proposal_sample.h"

#include <optional>
#include <string>
#include <vector>

// Prints the plan through the page layer and returns the page it recorded.
PageRecord RecordProposal(const ProposalInputs& inputs);

std::vector<PageText> Texts(const PageRecord& page);
std::vector<PageRect> Rects(const PageRecord& page);
std::vector<PageLine> Lines(const PageRecord& page);

// The first text that reads exactly so.
std::optional<PageText> FindText(const PageRecord& page, const std::string& text);
// The texts standing at (x, y), within a thousandth of an inch.
std::vector<std::string> TextsAt(const PageRecord& page, float x, float y);
// The rectangles whose left and right edges are x ∓ halfWidth (a bar or a box of a column).
std::vector<PageRect> RectsAround(const PageRecord& page, float x, float halfWidth);

// Chart column k (1..12) stands at this x.
float ColumnX(int k);

inline constexpr float kPlaces = 1e-4f; // coordinates are single precision
