// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's help: a help window over the HTML pages of the help folder.
#include <cstdint>
#include <string>

// The folder of the help pages (the assets folder + "Help/"), set once at start-up.
void SetHelpFolder(const std::string& folder);

// Opens the help window, or raises it when it is open: command 1 shows the contents, 2 the
// keyword index, 15 the page of the context number `topic` (10 client information, 15 main
// window, 20 Business Profile and months, 35 budget allocation, 60 options dialog, 80 toolbar,
// 105 Business Profile editor). Any other command does nothing.
void GETHELP(int32_t& command, int32_t& topic);
