// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installer's file name comes from the web server. It is used only when it names a file directly
// inside the data folder, so that a hostile or damaged version file cannot write anywhere else.
#include <string_view>

// False for an empty name, a name with "/" or "\", with "..", with a drive or stream colon, or with a
// control character (a carriage return included).
bool IsPlainFileName(std::string_view name);
