// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads RTF bytes into paragraphs of formatted runs.
#include "app/rtf/rtf_document.h"

#include <string_view>

// Input that does not start with "{\rtf" (after blanks and line ends) is read as plain text.
RtfDocument ReadRtf(std::string_view bytes);
