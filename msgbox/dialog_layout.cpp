// SPDX-License-Identifier: GPL-3.0-or-later
#include "msgbox/dialog_layout.h"

#include "msgbox/brace_group.h"
#include "msgbox/word_wrap.h"

#include <algorithm>

namespace {

// Room beside the picture, and the room a checkbox's box takes before its text.
constexpr float kPictureColumnExtra = 2.0F;
constexpr float kTextBlockExtra = 1.0F;
constexpr float kCheckBoxExtraWidth = 3.0F;
constexpr float kCheckBoxExtraHeight = 0.5F;
constexpr float kButtonCaptionExtra = 1.0F;
constexpr float kButtonGap = 1.0F;

struct BlockSize {
    float width = 0.0F, height = 0.0F;
};

BlockSize measureLines(const std::string& text, int32_t font, const TextMeasure& measure) {
    BlockSize size;
    for (const std::string& line : ShownLines(text)) {
        const TextSize lineSize = measure(font, line);
        size.width = std::max(size.width, lineSize.width);
        size.height += lineSize.height;
    }
    return size;
}

std::optional<PlacedText> textBlock(const TextMarkup& markup, const TextMeasure& measure) {
    if (markup.shown.empty()) return std::nullopt;
    PlacedText placed;
    placed.text = markup.wrapWidth > 0.0F ? WrapText(markup.shown, markup.wrapWidth, markup.font, measure)
                                          : markup.shown;
    const BlockSize size = measureLines(placed.text, markup.font, measure);
    placed.box.width = size.width + kTextBlockExtra;
    placed.box.height = size.height;
    return placed;
}

std::optional<PlacedText> checkBlock(const TextMarkup& markup, const TextMeasure& measure) {
    if (markup.shown.empty()) return std::nullopt;
    PlacedText placed;
    placed.text = markup.shown;
    const BlockSize size = measureLines(placed.text, markup.font, measure);
    placed.box.width = size.width + kCheckBoxExtraWidth;
    placed.box.height = size.height + kCheckBoxExtraHeight;
    return placed;
}

std::vector<Box> buttonSizes(const std::vector<ButtonMarkup>& buttons, bool evenWidths,
                             const TextMeasure& measure) {
    std::vector<Box> boxes;
    float widest = 0.0F;
    for (const ButtonMarkup& button : buttons) {
        Box box;
        box.width = std::max(button.minWidth,
                             measure(std::max(button.font, 0), button.caption).width + kButtonCaptionExtra);
        box.height = button.height;
        widest = std::max(widest, box.width);
        boxes.push_back(box);
    }
    if (evenWidths)
        for (Box& box : boxes)
            box.width = widest;
    return boxes;
}

} // namespace

DialogLayout LayoutDialog(const DialogMarkup& markup, std::optional<PictureSize> picture,
                          const TextMeasure& measure) {
    const DialogOptions& options = markup.options;
    DialogLayout layout;
    layout.horizontalMargin = options.largeMargins ? 2.0F : 1.0F;
    layout.verticalMargin = options.largeMargins ? 1.0F : 0.5F;
    const float hMargin = layout.horizontalMargin, vMargin = layout.verticalMargin;

    const float pictureColumn = picture ? picture->width + kPictureColumnExtra : 0.0F;
    const float pictureHeight = picture ? picture->height : 0.0F;

    layout.buttons = buttonSizes(markup.buttons, options.evenWidths, measure);
    float rowWidth = 0.0F, rowHeight = 0.0F;
    for (const Box& box : layout.buttons) {
        rowWidth += box.width;
        rowHeight = std::max(rowHeight, box.height);
    }
    if (!layout.buttons.empty()) rowWidth += kButtonGap * static_cast<float>(layout.buttons.size() - 1);

    layout.text1 = textBlock(markup.text1, measure);
    layout.text2 = textBlock(markup.text2, measure);
    layout.check = checkBlock(markup.check, measure);

    // The blocks one under the other from the top margin.
    float y = vMargin;
    for (std::optional<PlacedText>* block : {&layout.text1, &layout.text2, &layout.check}) {
        if (!*block) continue;
        (*block)->box.row = y;
        y += (*block)->box.height;
    }

    float column = rowWidth;
    for (const std::optional<PlacedText>* block : {&layout.text1, &layout.text2, &layout.check})
        if (*block) column = std::max(column, (*block)->box.width);

    layout.width = pictureColumn + hMargin + column + hMargin;
    if (markup.title.minWidth > layout.width) {
        column += markup.title.minWidth - layout.width;
        layout.width = markup.title.minWidth;
    }
    layout.textColumnWidth = column;

    layout.height = std::max(pictureHeight + 2.0F * vMargin, rowHeight + y + 2.0F * vMargin);
    if (markup.title.minHeight > layout.height) {
        const float shift = (markup.title.minHeight - layout.height) / 2.0F;
        for (std::optional<PlacedText>* block : {&layout.text1, &layout.text2, &layout.check})
            if (*block) (*block)->box.row += shift;
        layout.height = markup.title.minHeight;
    }

    if (pictureColumn > kPictureColumnExtra)
        layout.picture = Box{hMargin, vMargin, pictureColumn, pictureHeight};

    const float x0 = pictureColumn + hMargin;
    for (std::optional<PlacedText>* block : {&layout.text1, &layout.text2}) {
        if (!*block) continue;
        (*block)->box.col = x0;
        (*block)->box.width = column;
    }
    if (layout.check)
        layout.check->box.col = options.centre ? x0 + (column / 2.0F - layout.check->box.width / 2.0F) : x0;

    float left = x0;
    if (options.rightAlign) {
        left = layout.width - hMargin - rowWidth;
    } else if (options.centre) {
        left = x0 + column / 2.0F - rowWidth / 2.0F;
    }
    const float rowTop = layout.height - rowHeight - vMargin;
    for (Box& box : layout.buttons) {
        box.col = left;
        box.row = rowTop + rowHeight - box.height;
        left += box.width + kButtonGap;
    }
    return layout;
}
