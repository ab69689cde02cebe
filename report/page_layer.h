// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page layer: describes one printed page through six calls and records it. What happens to
// the finished page is up to the program, which installs a page sink: the window shows a
// preview, the command line writes a PDF, tests keep the record.
#include "report/page_record.h"

#include <cstdint>
#include <functional>
#include <string_view>

// Receives each finished page; returns whether the page was put out.
using PageSink = std::function<bool(const PageRecord& page)>;

// Installs the sink for the pages ended from now on; an empty sink makes dpStartDoc fail, since
// a page would have nowhere to go. Returns the sink it replaces.
PageSink SetPageSink(PageSink sink);

// Opens a page description and returns its handle (1 or more), or 0 when no page sink is
// installed or too many documents are open. The page is always US Letter portrait in inches;
// the owner window and the five set-up numbers are accepted for the callers' sake and select
// nothing else.
std::int16_t dpStartDoc(std::intptr_t ownerWindow, std::string_view title, std::string_view outputFile,
                        int units, int paper, int orientation, int paperSource, int options);

// Selects the font of the texts that follow. `reserved` selects nothing.
void dpFont(std::int16_t doc, int style, float points, int reserved, std::string_view face);

// One line of text in the current font; y is the baseline; alignment 0 left, 1 centre, 2 right
// (other values read as left).
void dpText(std::int16_t doc, float x, float y, int alignment, std::string_view text);

void dpLine(std::int16_t doc, float x1, float y1, float x2, float y2, float width, PageColour colour);

void dpRect(std::int16_t doc, float left, float top, float right, float bottom, float width, PageColour fill,
            PageColour line);

// A picture (the bytes of a PNG or JPEG file) drawn to fill the box.
void dpImage(std::int16_t doc, float left, float top, float right, float bottom, std::string_view encoded);

// Ends the description and hands the page to the sink. Returns 1 when the sink put it out, 0
// when it did not or the handle is not an open document. `outputMode` selects nothing.
std::int16_t dpEndDoc(std::int16_t doc, int outputMode);

// Drawing calls with a handle that is not open are ignored.
