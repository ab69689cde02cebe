// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_layer.h"

#include <limits>
#include <map>
#include <string>
#include <utility>

namespace {

struct OpenDocument {
    PageRecord page;
    PageFont font;
};

// The page layer's state for the whole run: the sink and the documents being described.
struct PageLayerState {
    PageSink sink;
    std::map<std::int16_t, OpenDocument> open;
    std::int16_t lastHandle = 0;
};

PageLayerState& Layer() {
    static PageLayerState state;
    return state;
}

OpenDocument* Find(std::int16_t doc) {
    auto found = Layer().open.find(doc);
    return found == Layer().open.end() ? nullptr : &found->second;
}

// The next free handle after the last one given, wrapping to 1; 0 when every handle is in use.
std::int16_t NextHandle() {
    PageLayerState& layer = Layer();
    constexpr int kMaxHandle = std::numeric_limits<std::int16_t>::max();
    for (int tries = 0; tries < kMaxHandle; ++tries) {
        layer.lastHandle =
            static_cast<std::int16_t>(layer.lastHandle >= kMaxHandle ? 1 : layer.lastHandle + 1);
        if (!layer.open.contains(layer.lastHandle)) return layer.lastHandle;
    }
    return 0;
}

TextAlign AlignmentFromCode(int alignment) {
    switch (alignment) {
    case 1:
        return TextAlign::Centre;
    case 2:
        return TextAlign::Right;
    default:
        return TextAlign::Left;
    }
}

} // namespace

PageSink SetPageSink(PageSink sink) {
    return std::exchange(Layer().sink, std::move(sink));
}

std::int16_t dpStartDoc(std::intptr_t /*ownerWindow*/, std::string_view title,
                        std::string_view /*outputFile*/, int /*units*/, int /*paper*/, int /*orientation*/,
                        int /*paperSource*/, int /*options*/) {
    if (!Layer().sink) return 0;
    const std::int16_t handle = NextHandle();
    if (handle < 1) return 0;
    OpenDocument& document = Layer().open[handle];
    document.page.title = std::string(title);
    return handle;
}

void dpFont(std::int16_t doc, int style, float points, int /*reserved*/, std::string_view face) {
    if (OpenDocument* document = Find(doc)) document->font = PageFont{std::string(face), points, style};
}

void dpText(std::int16_t doc, float x, float y, int alignment, std::string_view text) {
    if (OpenDocument* document = Find(doc))
        document->page.operations.emplace_back(
            PageText{x, y, AlignmentFromCode(alignment), std::string(text), document->font});
}

void dpLine(std::int16_t doc, float x1, float y1, float x2, float y2, float width, PageColour colour) {
    if (OpenDocument* document = Find(doc))
        document->page.operations.emplace_back(PageLine{x1, y1, x2, y2, width, colour});
}

void dpRect(std::int16_t doc, float left, float top, float right, float bottom, float width, PageColour fill,
            PageColour line) {
    if (OpenDocument* document = Find(doc))
        document->page.operations.emplace_back(PageRect{left, top, right, bottom, width, fill, line});
}

void dpImage(std::int16_t doc, float left, float top, float right, float bottom, std::string_view encoded) {
    if (OpenDocument* document = Find(doc))
        document->page.operations.emplace_back(PageImage{left, top, right, bottom, std::string(encoded)});
}

std::int16_t dpEndDoc(std::int16_t doc, int /*outputMode*/) {
    auto found = Layer().open.find(doc);
    if (found == Layer().open.end()) return 0;
    const PageRecord page = std::move(found->second.page);
    Layer().open.erase(found);
    // A copy of the sink, so that a sink may install another one while it runs.
    const PageSink sink = Layer().sink;
    return sink && sink(page) ? 1 : 0;
}
