// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog's events: the form's loaded event fills it, the page button switches pages,
// Close and Escape unload it.
#include "app/about/about.h"
#include "app/about/about_ids.h"
#include "app/about/about_texts.h"
#include "app/toolkit/ez.h"

namespace {

// The form's own events and those of the controls without a handler: only the form's loaded
// event acts; the dialog has no context help.
void formEvents(int32_t id, int32_t message) {
    if (id == 0 && message == kEzLoaded) InitAbout();
}

void thanksLabelEvents(int32_t message) {
    if (message == kEzCreating) EZ_SETLOADSTR("T", AboutThanksText());
}

void closeButtonEvents(int32_t message) {
    if (message == kEzClick) EZ_UNLOADFORM(kAboutForm);
}

void pageButtonEvents(int32_t message) {
    if (message != kEzClick) return;
    AboutState& about = About();
    about.currentPage = about.currentPage == kAboutInfoPage ? kAboutHistoryPage : kAboutInfoPage;
    EZ_DISPLAYLAYER(kAboutForm, about.currentPage, 32);
    EZ_SETTEXT(kAboutForm, kAboutPageButton, PageButtonCaption(about.currentPage));
}

} // namespace

AboutState& About() {
    static AboutState state;
    return state;
}

void SetAboutSources(const std::string& assetsFolder, const std::string& version) {
    About().assetsFolder = assetsFolder;
    About().version = version;
}

void AboutEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& /*cancel*/) {
    // Escape closes the dialog from wherever the focus is, as it closes any dialog.
    if (message == kEzKey && value == kEzKeyEscape) {
        value = 0;
        EZ_UNLOADFORM(kAboutForm);
        return;
    }
    switch (id) {
    case kAboutThanks:
        thanksLabelEvents(message);
        break;
    case kAboutHistoryView:
        break;
    case kAboutCloseButton:
        closeButtonEvents(message);
        break;
    case kAboutPageButton:
        pageButtonEvents(message);
        break;
    default:
        formEvents(id, message);
        break;
    }
}

void InitAbout() {
    EZ_SETTEXT(kAboutForm, 0, AboutCaption());
    EZ_SETTEXT(kAboutForm, kAboutProgramName, AboutProgramName());
    EZ_SETTEXT(kAboutForm, kAboutVersionLine, AboutVersionLine(About().version));
    EZ_SETTEXT(kAboutForm, kAboutCopyright, AboutCopyrightText());
    EZ_SETTEXT(kAboutForm, kAboutFreeNote, AboutFreeNoteText());
    LoadHistory();
    About().currentPage = kAboutInfoPage;
}
