// SPDX-License-Identifier: GPL-3.0-or-later
#include "msgbox/dialog_markup.h"

#include "msgbox/brace_group.h"

#include <cctype>

int32_t StyleCode(ButtonStyle style) {
    switch (style) {
    case ButtonStyle::Raised:
        return 3;
    case ButtonStyle::Rounded:
        return 4;
    case ButtonStyle::Etched:
        return 5;
    case ButtonStyle::Standard:
    case ButtonStyle::Colour:
        break;
    }
    return 0;
}

TitleMarkup ParseTitle(std::string_view title) {
    MarkedText marked = SplitMarkup(title);
    TitleMarkup markup;
    markup.caption = Unescaped(marked.shown);
    for (const BraceItem& item : marked.items) {
        switch (item.key) {
        case 'B':
            markup.background = RoundedMarkupNumber(item.value);
            break;
        case 'W':
            markup.minWidth = item.value;
            break;
        case 'H':
            markup.minHeight = item.value;
            break;
        default:
            break;
        }
    }
    return markup;
}

namespace {

TextMarkup parseText(std::string_view text, bool wraps) {
    MarkedText marked = SplitMarkup(text);
    TextMarkup markup;
    markup.shown = std::move(marked.shown);
    for (const BraceItem& item : marked.items) {
        switch (item.key) {
        case 'F':
            markup.font = RoundedMarkupNumber(item.value);
            break;
        case 'T':
            markup.colour = RoundedMarkupNumber(item.value);
            break;
        case 'W':
            if (wraps) markup.wrapWidth = item.value;
            break;
        default:
            break;
        }
    }
    return markup;
}

// A button's own group, or a defaults item's, applied over the given attributes.
void applyButtonItems(const std::vector<BraceItem>& items, ButtonMarkup& button) {
    for (const BraceItem& item : items) {
        switch (item.key) {
        case 'W':
            button.minWidth = item.value;
            break;
        case 'H':
            button.height = item.value;
            break;
        case 'F':
            button.font = RoundedMarkupNumber(item.value);
            break;
        case 'B':
            button.face = RoundedMarkupNumber(item.value);
            break;
        case 'T':
            button.textColour = RoundedMarkupNumber(item.value);
            break;
        case 'G':
            button.style = ButtonStyle::Standard;
            break;
        case 'C':
            button.style = ButtonStyle::Colour;
            break;
        case '3':
            button.style = ButtonStyle::Raised;
            break;
        case 'R':
            button.style = ButtonStyle::Rounded;
            break;
        case 'E':
            button.style = ButtonStyle::Etched;
            break;
        default:
            break;
        }
    }
}

} // namespace

TextMarkup ParseTextBlock(std::string_view text) {
    return parseText(text, true);
}
TextMarkup ParseCheckText(std::string_view text) {
    return parseText(text, false);
}

DialogOptions ParseOptions(std::string_view letters) {
    DialogOptions options;
    auto has = [&](char letter) {
        for (char c : letters)
            if (std::toupper(static_cast<unsigned char>(c)) == letter) return true;
        return false;
    };
    options.centre = has('C');
    options.rightAlign = has('J');
    options.evenWidths = has('W');
    options.largeMargins = has('L');
    for (char letter : {'F', 'R', 'S'})
        if (has(letter)) options.pictureProps += letter;
    return options;
}

std::vector<ButtonMarkup> ParseButtonList(std::string_view list) {
    std::vector<ButtonMarkup> buttons;
    ButtonMarkup defaults;
    std::vector<std::string> items = SplitUnescaped(list, '|');
    if (items.size() > kMaxButtonItems) items.resize(kMaxButtonItems);
    for (const std::string& raw : items) {
        const std::string item = TrimBlanks(raw);
        if (item.empty()) continue;
        const MarkedText marked = SplitMarkup(item);
        if (item.rfind("*{", 0) == 0) {
            applyButtonItems(marked.items, defaults);
            continue;
        }
        ButtonMarkup button = defaults;
        button.caption = Unescaped(marked.shown);
        applyButtonItems(marked.items, button);
        buttons.push_back(std::move(button));
    }
    return buttons;
}
