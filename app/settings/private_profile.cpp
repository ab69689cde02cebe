// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings/private_profile.h"

#include "app/settings/profile_edit.h"
#include "app/settings/profile_file.h"
#include "app/settings/profile_lines.h"

#include <optional>

namespace {

bool StorableSection(std::string_view section) {
    return section.find_first_of("]\r\n") == std::string_view::npos;
}

bool StorableKey(std::string_view key) {
    if (key.find_first_of("=\r\n") != std::string_view::npos) return false;
    // After its leading blanks, a key must not read as a section header or a comment.
    const std::size_t first = key.find_first_not_of(" \t\v");
    return first == std::string_view::npos || (key[first] != '[' && key[first] != ';');
}

// Reads the file, applies the change and writes the result back when it differs. The change gives
// std::nullopt when there is nothing to do.
template <typename Change> bool ChangeProfileFile(const std::string& file, Change change) {
    const std::optional<std::string> bytes = ReadProfileFile(file);
    if (!bytes || IsUtf16Profile(*bytes)) return false;
    const std::optional<std::string> changed = change(std::string_view(*bytes));
    if (!changed || *changed == *bytes) return true;
    return ReplaceProfileFile(file, *changed);
}

} // namespace

ProfileValue ReadProfileValueFrom(std::string_view bytes, std::string_view section, std::string_view key,
                                  std::string_view defaultValue, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    if (IsUtf16Profile(bytes)) bytes = {};

    const std::optional<std::string_view> stored =
        FindProfileValue(bytes, TrimSpaces(section), TrimSpaces(key));
    std::string_view text = stored ? StripProfileQuotes(*stored) : TrimTrailingSpaces(defaultValue);

    text = text.substr(0, bufferSize - 1);
    return {text.size(), std::string(text)};
}

ProfileValue ReadProfileValue(const std::string& file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    const std::string bytes = ReadProfileFile(file).value_or(std::string());
    return ReadProfileValueFrom(bytes, section, key, defaultValue, bufferSize);
}

std::optional<std::string> WithStoredProfileValue(std::string_view bytes, std::string_view section,
                                                  std::string_view key, std::string_view value) {
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    if (!StorableSection(section) || !StorableKey(key)) return std::nullopt;
    value = value.substr(0, value.find_first_of("\r\n"));
    return WithProfileValue(bytes, section, key, value);
}

bool WriteProfileValue(const std::string& file, std::string_view section, std::string_view key,
                       std::string_view value) {
    if (!StorableSection(TrimSpaces(section)) || !StorableKey(TrimSpaces(key))) return false;
    return ChangeProfileFile(file, [&](std::string_view bytes) {
        return WithStoredProfileValue(bytes, section, key, value);
    });
}

bool DeleteProfileKey(const std::string& file, std::string_view section, std::string_view key) {
    return ChangeProfileFile(file, [&](std::string_view bytes) {
        return WithoutProfileKey(bytes, TrimSpaces(section), TrimSpaces(key));
    });
}

bool DeleteProfileSection(const std::string& file, std::string_view section) {
    return ChangeProfileFile(
        file, [&](std::string_view bytes) { return WithoutProfileSection(bytes, TrimSpaces(section)); });
}
