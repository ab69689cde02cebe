// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/installer_name.h"

#include "update/plain_file_name.h"

#include <algorithm>
#include <array>

namespace {
// Everything the program, its assets and its settings keep in a folder that may be the data folder.
constexpr std::array<std::string_view, 9> kProgramFiles = {
    "QMK.ini",           "Categories.dat", "Updater.ini", "kelvup.exe", "quillmark",
    "quillmark-updater", "Help",           "History.rtf", "Graphics"};
constexpr std::size_t kNameLimit = 255;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}
} // namespace

bool IsProgramFileName(std::string_view name) {
    return std::any_of(kProgramFiles.begin(), kProgramFiles.end(),
                       [name](std::string_view own) { return SameNameIgnoringCase(name, own); });
}

bool IsOwnInstallerName(std::string_view name) {
    if (!IsPlainFileName(name) || name.starts_with('.') || name.size() > kNameLimit) return false;
    if (name.size() <= kInstallerExtension.size()) return false;
    const std::string_view extension = name.substr(name.size() - kInstallerExtension.size());
    return SameNameIgnoringCase(extension, kInstallerExtension) && !IsProgramFileName(name);
}
