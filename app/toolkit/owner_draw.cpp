// SPDX-License-Identifier: GPL-3.0-or-later
// Owner-drawn buttons: the button asks its form to draw it (event 300) and the handler answers
// with one of the four looks below, in its face colour, text colour and font.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace ez {
namespace {

enum class Look { Colour, Raised, Rounded, Etched };

void drawButton(int32_t drawHandle, int32_t face, int32_t text, int32_t font, Look look) {
    auto it = state().drawContexts.find(drawHandle);
    if (it == state().drawContexts.end() || !it->second.painter) return;
    DrawContext& context = it->second;
    QPainter& p = *context.painter;
    auto* button = qobject_cast<QPushButton*>(context.button);
    if (!button) return;
    context.drawn = true;
    const QColor faceColour = paletteColour(face).value_or(button->palette().color(QPalette::Button));
    const QColor textColour =
        button->isEnabled() ? paletteColour(text).value_or(button->palette().color(QPalette::ButtonText))
                            : button->palette().color(QPalette::Disabled, QPalette::ButtonText);
    const bool down = button->isDown();
    QRectF r = QRectF(button->rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setRenderHint(QPainter::Antialiasing, look == Look::Rounded);
    switch (look) {
    case Look::Colour:
        p.fillRect(r, faceColour);
        p.setPen(faceColour.darker(160));
        p.drawRect(r);
        break;
    case Look::Raised:
    case Look::Etched: {
        p.fillRect(r, faceColour);
        const QColor light = faceColour.lighter(150), dark = faceColour.darker(170);
        p.setPen(down ? dark : light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? light : dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        if (look == Look::Etched) {
            p.setPen(faceColour.darker(120));
            p.drawRect(r.adjusted(2, 2, -2, -2));
        }
        break;
    }
    case Look::Rounded: {
        QPainterPath path;
        path.addRoundedRect(r, 5, 5);
        p.fillPath(path, down ? faceColour.darker(115) : faceColour);
        p.setPen(faceColour.darker(170));
        p.drawPath(path);
        break;
    }
    }
    p.setPen(textColour);
    p.setFont(fontNumber(std::max(font, 0)));
    const QRectF textRect = down ? r.translated(1, 1) : r;
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    if (button->isDefault()) { // the button that Enter presses: a dark outer edge
        p.setPen(QPen(textColour, 2));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(QRectF(button->rect()).adjusted(1, 1, -1, -1));
    }
    if (button->hasFocus()) {
        p.setPen(QPen(textColour, 1, Qt::DotLine));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(r.adjusted(3, 3, -3, -3));
    }
}

} // namespace

OwnerDrawButton::OwnerDrawButton(std::string form, int32_t id, QWidget* parent)
    : QPushButton(parent), form_(std::move(form)), id_(id) {}

void OwnerDrawButton::paintEvent(QPaintEvent* event) {
    bool drawn = false;
    {
        QPainter painter(this);
        const int32_t handle = state().nextDrawHandle++;
        state().drawContexts[handle] = DrawContext{&painter, this, false};
        int32_t value = handle;
        fireEvent(form_, id_, kEzOwnerDraw, value);
        drawn = state().drawContexts[handle].drawn;
        state().drawContexts.erase(handle);
    }
    if (!drawn) QPushButton::paintEvent(event);
}

} // namespace ez

void EZ_DRAWCOLORBUTTON(const std::string&, int32_t, int32_t drawHandle, int32_t face, int32_t text,
                        int32_t font) {
    ez::drawButton(drawHandle, face, text, font, ez::Look::Colour);
}
void EZ_DRAW3DBUTTON(const std::string&, int32_t, int32_t drawHandle, int32_t face, int32_t text,
                     int32_t font) {
    ez::drawButton(drawHandle, face, text, font, ez::Look::Raised);
}
void EZ_DRAW3DBUTTONRR(const std::string&, int32_t, int32_t drawHandle, int32_t face, int32_t text,
                       int32_t font) {
    ez::drawButton(drawHandle, face, text, font, ez::Look::Rounded);
}
void EZ_DRAW3DBUTTONE(const std::string&, int32_t, int32_t drawHandle, int32_t face, int32_t text,
                      int32_t font) {
    ez::drawButton(drawHandle, face, text, font, ez::Look::Etched);
}
