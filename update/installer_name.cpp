#include "update/installer_name.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<std::string_view, 3> kProgramDataFiles = {"QMK.ini", "Categories.dat", "Updater.ini"};

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}
} // namespace

bool IsProgramDataFileName(std::string_view name) {
    return std::any_of(kProgramDataFiles.begin(), kProgramDataFiles.end(),
                       [name](std::string_view own) { return SameNameIgnoringCase(name, own); });
}
