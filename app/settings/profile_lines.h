// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of a settings file as the private-profile routines see it: a run of lines, each a
// section header, a key line, a comment, a blank line or something else. Lines end at CR LF, a lone
// CR or a lone LF; the last line may have no end. "Blanks" inside a line are space, TAB and VT.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

enum class ProfileLineKind { Blank, Comment, Section, Key, Other };

struct ProfileLine {
    std::size_t begin = 0;     // offset of the line's first byte in the file
    std::size_t length = 0;    // bytes of the line, its end not counted
    std::size_t endLength = 0; // 2 for CR LF, 1 for a lone CR or LF, 0 for a last line without an end
    ProfileLineKind kind = ProfileLineKind::Other;
    std::string_view name;  // section: the name inside the brackets; key: the key; both without blanks
    std::string_view value; // key: the text after the first '=', without blanks around it

    std::size_t next() const { return begin + length + endLength; }
};

// The line that starts at `begin` (below bytes.size()). Its views point into `bytes`.
ProfileLine ProfileLineAt(std::string_view bytes, std::size_t begin);
// The lines of a file, for changing it. The views in the result point into `bytes`.
std::vector<ProfileLine> SplitProfileLines(std::string_view bytes);

// The raw value of the first key of that name in the first section of that name, found in one pass
// without keeping the lines: reading a file must not cost memory in proportion to its line count.
std::optional<std::string_view> FindProfileValue(std::string_view bytes, std::string_view section,
                                                 std::string_view key);

// A section: the index of its header line and one past the index of its last line.
struct ProfileSection {
    std::size_t header = 0;
    std::size_t end = 0;
};

// The first section of that name; later sections of the same name are never looked at.
std::optional<ProfileSection> FindProfileSection(const std::vector<ProfileLine>& lines,
                                                 std::string_view name);
// The first key line of that name inside the section.
std::optional<std::size_t> FindProfileKey(const std::vector<ProfileLine>& lines, ProfileSection section,
                                          std::string_view key);

// Names compare without regard to letter case, by the letter pairs of code page 1252.
bool SameProfileName(std::string_view a, std::string_view b);

// The value as it is handed out: one matching pair of '"' or '\'' around it removed.
std::string_view StripProfileQuotes(std::string_view value);

// Space characters only (tabs stay): what the routines strip from the names they are given.
std::string_view TrimSpaces(std::string_view text);
std::string_view TrimTrailingSpaces(std::string_view text);
