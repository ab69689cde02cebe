// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the reader makes of an RTF file: paragraphs of runs of equally formatted text, and the
// colour table the runs' colours point into.
#include <QString>
#include <cstdint>
#include <vector>

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t halfPoints = 0; // font size in half points; 0 leaves the view's own size
    int32_t colour = 0;     // index into the colour table; 0 is the view's own colour
    friend bool operator==(const RtfCharFormat&, const RtfCharFormat&) = default;
};

struct RtfParaFormat {
    enum class Align { Left, Center, Right, Justify };
    Align align = Align::Left;
    // In twips (1/1440 inch).
    int32_t leftIndent = 0;
    int32_t firstLineIndent = 0;
    int32_t spaceBefore = 0;
    int32_t spaceAfter = 0;
};

struct RtfRun {
    RtfCharFormat format;
    QString text; // a line break within the paragraph is QChar::LineSeparator
};

struct RtfParagraph {
    RtfParaFormat format;
    std::vector<RtfRun> runs;
};

struct RtfColour {
    bool automatic = true; // an empty entry: the view's own colour
    int red = 0, green = 0, blue = 0;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    std::vector<RtfColour> colours;
};
