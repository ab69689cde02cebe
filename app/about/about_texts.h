// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About dialog's texts, in code page 1252 ("|" starts a new line in a label).
#include <string>

constexpr const char* kTradeMark = "\x99";
constexpr const char* kEmDash = "\x97";

// "Quillmark" with the trade mark sign.
std::string AboutProgramName();
// "About Quillmark(TM)".
std::string AboutCaption();
// "Version 3.0.0.0 -- Released 10-16-2018": the version text and the build date.
std::string AboutVersionLine(const std::string& version);
std::string AboutCopyrightText();
std::string AboutFreeNoteText();
std::string AboutThanksText();

// The page button's caption: it names the page that it leads to from the page shown.
std::string PageButtonCaption(int32_t currentPage);
