// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form's position (and, for resizable forms, its size) kept in the settings file, in the
// section named after the form: "LastCol", "LastRow", "FormWid", "FormHgt".
#include <cstdint>
#include <string>

void RestorePlacement(std::string& form, std::string& settingsFile, int32_t& resizable);
void SavePlacement(std::string& form, std::string& settingsFile);
