// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a web page in the desktop's browser.
#include <string_view>

void OpenWebPage(std::string_view address);
