// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_fonts.h"

#include "app/text/cp1252.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {
// Faces the page may name that are not installed under their own name, and who draws them.
const std::array<std::pair<const char16_t*, const char16_t*>, 1> kFaceStandIns = {{
    {u"Arial", u"Liberation Sans"},
}};
} // namespace

QString FamilyForFace(const QString& face) {
    for (const auto& [named, standIn] : kFaceStandIns)
        if (face.compare(QString::fromUtf16(named), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(standIn);
    return face;
}

QFont QtFontFor(const PageFont& font, double pixelsPerPoint, double deviceDotsPerInch) {
    const QString face = FromCp1252(font.face);
    QFont qtFont;
    qtFont.setFamilies(QStringList{FamilyForFace(face), face});
    qtFont.setBold((font.style & kFontBold) != 0);
    // Qt turns points into device units at the device's own resolution; the page may be drawn at
    // another one (a zoomed preview), so the size is given in the device's points.
    qtFont.setPointSizeF(font.points * pixelsPerPoint * 72.0 / deviceDotsPerInch);
    qtFont.setKerning(true);
    return qtFont;
}
