// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's file dialog for choosing the station's logo (PNG, JPEG and SVG pictures). Tests
// put their own answer in place of the dialog.
#include <functional>
#include <string>

// The picture chosen, or "" when the user cancelled. `current` is the logo set now: the dialog
// starts in its folder, else in the user's pictures folder. Paths are program text.
std::string AskLogoFile(const std::string& current);

using LogoChooser = std::function<std::string(const std::string& startFolder)>;
// Replaces the dialog (for tests); an empty function brings the real one back.
void SetLogoChooserForTesting(LogoChooser chooser);
