// SPDX-License-Identifier: GPL-3.0-or-later
// The update information window "WN": after an update, the program's history (History.rtf in the
// assets folder) in the toolkit's rich-text view, and a Close button.
#include "app/shell/app_paths.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
#include "update/update_windows.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

constexpr int32_t kFormFont = 6;
constexpr const char* kHistoryFile = "History.rtf";
constexpr int64_t kLimitMargin = 1024; // room beyond the file's length in the view

std::string ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void LoadHistory() {
    const std::string history = ReadWholeFile(Paths().assetsFolder + kHistoryFile);
    if (history.empty()) {
        EZ_SETRICHTEXT(kWhatsNewForm, kWhatsNewHistory, "The program history is not available.", 0, 0);
        return;
    }
    const int64_t limit = std::min<int64_t>(static_cast<int64_t>(history.size()) + kLimitMargin,
                                            std::numeric_limits<int32_t>::max());
    EZ_SETRICHTEXTLEN(kWhatsNewForm, kWhatsNewHistory, static_cast<int32_t>(limit));
    EZ_SETRICHTEXT(kWhatsNewForm, kWhatsNewHistory, history, 1, 0);
}

} // namespace

void ShowUpdateInformation(const std::string& parent) {
    EZ_COLOR(-1, -1);
    EZ_FORM(kWhatsNewForm, parent, "Update Information", 0, 0, 68.25F, 24.75F, "CMR");
}

void DesignWhatsNew() {
    EZ_COLOR(-1, -1);
    EZ_USEFONT(kFormFont);
    EZ_RICHTEXT1(kWhatsNewHistory, 1.25F, 0.875F, 65.75F, 20.75F, "T");
    EZ_BUTTON(kWhatsNewClose, 58.25F, 22.375F, 8.75F, 1.625F, "&Close", "T");
    EzSetAccessibleName(kWhatsNewForm, kWhatsNewHistory, "Program history");
    EzSetAccessibleName(kWhatsNewForm, kWhatsNewClose, "Close");
}

void WhatsNewEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& /*cancel*/) {
    if (id == 0 && message == kEzLoaded) {
        LoadHistory();
        EZ_SETFOCUS(kWhatsNewForm, kWhatsNewClose);
    } else if (id == kWhatsNewClose && message == kEzClick) {
        EZ_UNLOADFORM(kWhatsNewForm);
    } else if (message == kEzKey && value == kEzKeyEscape) {
        value = 0;
        EZ_UNLOADFORM(kWhatsNewForm);
    }
}
