// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings/profile_lines.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The lower-case partner of a code page 1252 letter; other bytes stay as they are.
unsigned char LowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20); // À..Þ, not ×
    switch (c) {
    case 0x8A:
        return 0x9A; // Š š
    case 0x8C:
        return 0x9C; // Œ œ
    case 0x8E:
        return 0x9E; // Ž ž
    case 0x9F:
        return 0xFF; // Ÿ ÿ
    default:
        return c;
    }
}

void Classify(std::string_view bytes, ProfileLine& line) {
    const std::string_view text = TrimBlanks(bytes.substr(line.begin, line.length));
    if (text.empty()) {
        line.kind = ProfileLineKind::Blank;
    } else if (text.front() == ';') {
        line.kind = ProfileLineKind::Comment;
    } else if (text.front() == '[') {
        // The name ends at the first ']' or, without one, at the end of the line; the rest is ignored.
        const std::string_view inside = text.substr(1);
        line.kind = ProfileLineKind::Section;
        line.name = TrimBlanks(inside.substr(0, inside.find(']')));
    } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos) {
        line.kind = ProfileLineKind::Key;
        line.name = TrimBlanks(text.substr(0, equals));
        line.value = TrimBlanks(text.substr(equals + 1));
    } else {
        line.kind = ProfileLineKind::Other;
    }
}

} // namespace

ProfileLine ProfileLineAt(std::string_view bytes, std::size_t begin) {
    ProfileLine line;
    line.begin = begin;
    const std::size_t stop = bytes.find_first_of("\r\n", begin);
    if (stop == std::string_view::npos) {
        line.length = bytes.size() - begin;
    } else {
        line.length = stop - begin;
        const bool crlf = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
        line.endLength = crlf ? 2 : 1;
    }
    Classify(bytes, line);
    return line;
}

std::vector<ProfileLine> SplitProfileLines(std::string_view bytes) {
    std::vector<ProfileLine> lines;
    for (std::size_t begin = 0; begin < bytes.size(); begin = lines.back().next())
        lines.push_back(ProfileLineAt(bytes, begin));
    return lines;
}

std::optional<std::string_view> FindProfileValue(std::string_view bytes, std::string_view section,
                                                 std::string_view key) {
    bool inSection = false;
    for (std::size_t begin = 0; begin < bytes.size();) {
        const ProfileLine line = ProfileLineAt(bytes, begin);
        begin = line.next();
        if (line.kind == ProfileLineKind::Section) {
            if (inSection) return std::nullopt; // only the first section of the name counts
            inSection = SameProfileName(line.name, section);
        } else if (inSection && line.kind == ProfileLineKind::Key && SameProfileName(line.name, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::optional<ProfileSection> FindProfileSection(const std::vector<ProfileLine>& lines,
                                                 std::string_view name) {
    const auto isHeader = [](const ProfileLine& line) { return line.kind == ProfileLineKind::Section; };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isHeader(lines[i]) || !SameProfileName(lines[i].name, name)) continue;
        const auto after =
            std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end(), isHeader);
        return ProfileSection{i, static_cast<std::size_t>(after - lines.begin())};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindProfileKey(const std::vector<ProfileLine>& lines, ProfileSection section,
                                          std::string_view key) {
    for (std::size_t i = section.header + 1; i < section.end; ++i)
        if (lines[i].kind == ProfileLineKind::Key && SameProfileName(lines[i].name, key)) return i;
    return std::nullopt;
}

bool SameProfileName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return LowerCp1252(static_cast<unsigned char>(x)) == LowerCp1252(static_cast<unsigned char>(y));
    });
}

std::string_view StripProfileQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return TrimTrailingSpaces(text);
}

std::string_view TrimTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}
