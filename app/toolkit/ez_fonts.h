// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the few windows that the toolkit does not model (the help window, the print preview): the
// fonts the forms use by number, so that those windows read like the rest of the program.
#include <QFont>
#include <cstdint>

QFont EzFont(int32_t number); // 6 the ordinary font, 7 bold, 10 the headline font
