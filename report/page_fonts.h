// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts a page names, as Qt fonts.
#include "report/page_record.h"

#include <QFont>
#include <QString>

// The installed family that draws a face: "Arial" is drawn by its metric twin Liberation Sans.
QString FamilyForFace(const QString& face);

// The page font at `pixelsPerPoint` device units to the point on a device whose logical
// resolution is `deviceDotsPerInch`.
QFont QtFontFor(const PageFont& font, double pixelsPerPoint, double deviceDotsPerInch);
