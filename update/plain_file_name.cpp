// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/plain_file_name.h"

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' || c == ':') return false;
    }
    return true;
}
