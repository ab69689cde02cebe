// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about/about_texts.h"

#include "app/about/about.h"
#include "dates/dates.h"

std::string AboutProgramName() {
    return std::string("Quillmark") + kTradeMark;
}

std::string AboutCaption() {
    return "About " + AboutProgramName();
}

std::string AboutVersionLine(const std::string& version) {
    std::string released = BuildDateText();
    SwapDateSeparator(released, 0);
    return "Version " + version + " " + kEmDash + " Released " + released;
}

std::string AboutCopyrightText() {
    return "Copyright \xA9 2018\x96"
           "2026 Quillmark Software|All rights reserved.";
}

std::string AboutFreeNoteText() {
    return "Quillmark is given away free by Quillmark Software.|"
           "Visit our web site for other helpful programs.";
}

std::string AboutThanksText() {
    return "Our thanks to Dana Whitcombe, Luis Ortega and Priya Natarajan,|"
           "whose years of selling radio shaped every screen and page|"
           "of " +
           AboutProgramName() + ".";
}

std::string PageButtonCaption(int32_t currentPage) {
    return currentPage == kAboutHistoryPage ? "&View Program Info" : "&View Program History";
}
