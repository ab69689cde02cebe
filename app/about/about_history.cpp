// SPDX-License-Identifier: GPL-3.0-or-later
// The history page: History.rtf from the assets folder, shown as rich text.
#include "app/about/about.h"
#include "app/about/about_ids.h"
#include "app/toolkit/ez.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

constexpr const char* kHistoryFile = "History.rtf";
constexpr int64_t kLimitMargin = 1024; // room beyond the file's length in the history view

std::string historyPath() {
    std::string folder = About().assetsFolder;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder + kHistoryFile;
}

// Whatever could be read; an unreadable file gives nothing and says nothing.
std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool isRichText(const std::string& text) {
    return text.rfind("{\\rtf", 0) == 0;
}

} // namespace

void LoadHistory() {
    const std::string path = historyPath();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    const std::string text = readWhole(path);
    // A file that is not rich text (empty, unreadable, something else renamed) leaves the page empty.
    if (!isRichText(text)) return;
    const int64_t limit = std::min<int64_t>(static_cast<int64_t>(text.size()) + kLimitMargin,
                                            std::numeric_limits<int32_t>::max());
    EZ_SETRICHTEXTLEN(kAboutForm, kAboutHistoryView, static_cast<int32_t>(limit));
    EZ_SETRICHTEXT(kAboutForm, kAboutHistoryView, text, 1, 0);
}
