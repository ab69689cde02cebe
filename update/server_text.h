// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text that comes from a web server (a version, a status code, a host name) is shown in the message
// dialog, whose texts carry markup: "{...}" sets fonts and spacing and "|" starts a new line. Such
// text is shown as text: control characters go, the markup characters are replaced by look-alikes
// that mean nothing to the dialog, and it is cut to a length that fits a dialog.
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kShownVersionLimit = 40;
inline constexpr std::size_t kShownHostLimit = 80;
inline constexpr std::size_t kShownStatusLimit = 16;

// `limit` characters at most; a longer text ends in "..." within the limit.
std::string AsPlainDialogText(std::string_view text, std::size_t limit);
