// SPDX-License-Identifier: GPL-3.0-or-later
// Character units. One column is the average width of a character of the forms' 9-point font,
// one row the height of its line, so that every designed text fits its control.
#include "app/toolkit/internal/state.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ez {
namespace {
constexpr double kPixelsPerColumn = 8.0;
constexpr double kPixelsPerRow = 16.0;
} // namespace

int toPixelsX(float columns) {
    return static_cast<int>(std::lround(columns * kPixelsPerColumn));
}
int toPixelsY(float rows) {
    return static_cast<int>(std::lround(rows * kPixelsPerRow));
}
float toColumns(int pixels) {
    return static_cast<float>(pixels / kPixelsPerColumn);
}
float toRows(int pixels) {
    return static_cast<float>(pixels / kPixelsPerRow);
}

} // namespace ez

float EZ_CX(int32_t pixels) {
    return ez::toColumns(pixels);
}
float EZ_CY(int32_t pixels) {
    return ez::toRows(pixels);
}
float EZ_SCALETOCHARSIZE(int32_t pixels, const std::string& axis) {
    return axis == "PY" ? ez::toRows(pixels) : ez::toColumns(pixels);
}

void EZ_GETSCREENSIZE(int32_t& width, int32_t& height) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    width = area.width();
    height = area.height();
}
