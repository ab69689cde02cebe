// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings/profile_edit.h"

#include "app/settings/profile_lines.h"

#include <vector>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    line.append(key).append("=").append(value).append(kLineEnd);
    return line;
}

// Inserts `text` after the line: a last line without an end gets one first, so that the text starts
// a line of its own.
std::string InsertAfter(std::string_view bytes, const ProfileLine& line, std::string_view text) {
    std::string out(bytes.substr(0, line.next()));
    if (line.endLength == 0) out.append(kLineEnd);
    out.append(text);
    out.append(bytes.substr(line.next()));
    return out;
}

std::string ReplaceKeyLine(std::string_view bytes, const ProfileLine& line, std::string_view value) {
    // The file's spelling of the key stays; so does the line's own end, when it has one.
    std::string out(bytes.substr(0, line.begin));
    out.append(line.name).append("=").append(value);
    out.append(line.endLength == 0 ? kLineEnd : bytes.substr(line.begin + line.length, line.endLength));
    out.append(bytes.substr(line.next()));
    return out;
}

std::string AppendSection(std::string_view bytes, const std::vector<ProfileLine>& lines,
                          std::string_view section, std::string_view key, std::string_view value) {
    std::string out(bytes);
    if (!lines.empty() && lines.back().endLength == 0) out.append(kLineEnd);
    out.append("[").append(section).append("]").append(kLineEnd);
    out.append(KeyLine(key, value));
    return out;
}

} // namespace

std::string WithProfileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<ProfileLine> lines = SplitProfileLines(bytes);
    const std::optional<ProfileSection> found = FindProfileSection(lines, section);
    if (!found) return AppendSection(bytes, lines, section, key, value);
    if (const auto keyLine = FindProfileKey(lines, *found, key))
        return ReplaceKeyLine(bytes, lines[*keyLine], value);

    // A new key follows the section's last key line, ahead of any comments or blank lines after it.
    std::size_t after = found->header;
    for (std::size_t i = found->header + 1; i < found->end; ++i)
        if (lines[i].kind == ProfileLineKind::Key) after = i;
    return InsertAfter(bytes, lines[after], KeyLine(key, value));
}

std::optional<std::string> WithoutProfileKey(std::string_view bytes, std::string_view section,
                                             std::string_view key) {
    const std::vector<ProfileLine> lines = SplitProfileLines(bytes);
    const std::optional<ProfileSection> found = FindProfileSection(lines, section);
    if (!found) return std::nullopt;
    const std::optional<std::size_t> keyLine = FindProfileKey(lines, *found, key);
    if (!keyLine) return std::nullopt;
    const ProfileLine& line = lines[*keyLine];
    std::string out(bytes.substr(0, line.begin));
    out.append(bytes.substr(line.next()));
    return out;
}

std::optional<std::string> WithoutProfileSection(std::string_view bytes, std::string_view section) {
    const std::vector<ProfileLine> lines = SplitProfileLines(bytes);
    const std::optional<ProfileSection> found = FindProfileSection(lines, section);
    if (!found) return std::nullopt;
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool inSection = i >= found->header && i < found->end;
        const bool removed = i == found->header || (inSection && lines[i].kind == ProfileLineKind::Key);
        if (!removed) out.append(bytes.substr(lines[i].begin, lines[i].length + lines[i].endLength));
    }
    return out;
}
