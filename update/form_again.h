// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing a form again that the update check hid while it downloaded.
#include <string>

// Shows the form's window again if it is hidden; nothing happens when the form is gone.
void ShowFormAgain(const std::string& form);

// True while the form exists (every form of the program has a caption).
bool FormIsOpen(const std::string& form);
