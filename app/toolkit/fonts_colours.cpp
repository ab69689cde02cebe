// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts by number and colours by palette index.
#include "app/toolkit/ez_fonts.h"
#include "app/toolkit/internal/state.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <array>

namespace ez {
namespace {

// Faces the forms ask for and the open fonts of the same size and metrics that stand in for them.
void installSubstitutes() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitutions(
        QStringLiteral("Segoe UI"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
}

QFont makeFont(const std::string& face, float points, const std::string& props) {
    installSubstitutes();
    QFont font(toQt(face));
    font.setPointSizeF(points);
    font.setBold(props.find('B') != std::string::npos);
    font.setItalic(props.find('I') != std::string::npos);
    font.setUnderline(props.find('U') != std::string::npos);
    return font;
}

// The toolkit's palette: the sixteen classic colours, then lighter shades. 25 is the pale yellow
// that marks the field being edited.
constexpr std::array<QRgb, 32> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    0xF0F0F0, 0xE0E0E0, 0xD4D0C8, 0xA0A0A4, 0xFFFBF0, 0xC0DCC0, 0xA6CAF0, 0xE6F0FA,
    0xFFF0F0, 0xFFFFE1, 0xF0FFF0, 0xFFE4C4, 0xB0C4DE, 0xFAEBD7, 0xDCDCDC, 0x303030};

} // namespace

QFont fontNumber(int32_t number) {
    auto it = state().fonts.find(number);
    if (it != state().fonts.end()) return it->second;
    return makeFont("Segoe UI", 9.0F, "");
}

QFont takeNextFont() {
    Pending& next = state().next;
    if (next.immediateFont) {
        QFont font = *next.immediateFont;
        next.immediateFont.reset();
        return font;
    }
    return fontNumber(next.fontNumber);
}

std::optional<QColor> paletteColour(int32_t index) {
    if (index < 0) return std::nullopt;
    auto it = state().colours.find(index);
    if (it != state().colours.end()) return it->second;
    if (index < static_cast<int32_t>(kPalette.size()))
        return QColor::fromRgb(kPalette[static_cast<size_t>(index)]);
    return std::nullopt;
}

void applyColours(QWidget* widget, Kind kind, int32_t text, int32_t background) {
    QPalette palette = widget->parentWidget() ? widget->parentWidget()->palette() : QApplication::palette();
    const bool isEdit =
        kind == Kind::Text || kind == Kind::Combo || kind == Kind::Date || kind == Kind::RichText;
    if (auto colour = paletteColour(text)) {
        palette.setColor(QPalette::WindowText, *colour);
        palette.setColor(QPalette::Text, *colour);
        palette.setColor(QPalette::ButtonText, *colour);
    }
    if (auto colour = paletteColour(background)) {
        palette.setColor(isEdit ? QPalette::Base : QPalette::Window, *colour);
        if (!isEdit) palette.setColor(QPalette::Button, *colour);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(!isEdit && paletteColour(background).has_value());
}

} // namespace ez

void EZ_DEFFONT(int32_t number, const std::string& face, float points, const std::string& props) {
    ez::state().fonts[number] = ez::makeFont(face, points, props);
}

void EZ_USEFONT(int32_t number) {
    ez::state().next.fontNumber = number;
    ez::state().next.immediateFont.reset();
}

void EZ_USEIFONT(const std::string& face, float points, const std::string& props) {
    ez::state().next.immediateFont = ez::makeFont(face, points, props);
}

void EZ_COLOR(int32_t text, int32_t background) {
    ez::state().next.textColour = text;
    ez::state().next.backColour = background;
}

void EZ_DEFSYSTEMCOLOR(int32_t index, int32_t systemColour) {
    // 15 is the face colour of buttons and dialogs; anything else falls back to the window colour.
    const QPalette palette = QApplication::palette();
    ez::state().colours[index] =
        systemColour == 15 ? palette.color(QPalette::Button) : palette.color(QPalette::Window);
}

void EZ_SETCOLOR(const std::string& form, int32_t id, int32_t text, int32_t background) {
    ez::Control* control = ez::findControl(form, id);
    if (!control || !control->widget) return;
    ez::applyColours(control->widget, control->kind, text, background);
}

void EZ_GETTEXTSIZE(int32_t font, const std::string& text, float& width, float& height, int32_t /*mode*/) {
    const QFontMetricsF metrics(ez::fontNumber(font));
    width = static_cast<float>(metrics.horizontalAdvance(ez::toQt(text)) / ez::toPixelsX(1.0F));
    height = static_cast<float>(QFontMetrics(ez::fontNumber(font)).height()) / ez::toPixelsY(1.0F);
}

QFont EzFont(int32_t number) {
    return ez::fontNumber(number);
}
