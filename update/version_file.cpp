#include "update/version_file.h"

namespace {
// The field that starts at `at`: up to the next blank or the end. Moves `at` past the blank.
std::string NextField(std::string_view line, std::size_t& at) {
    if (at > line.size()) return {};
    std::size_t blank = line.find(' ', at);
    std::size_t end = blank == std::string_view::npos ? line.size() : blank;
    std::string field(line.substr(at, end - at));
    at = end + 1;
    return field;
}
} // namespace

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find('\n'));
}

std::string_view LatestVersionLine(std::string_view text) {
    std::size_t lastFeed = text.rfind('\n');
    return lastFeed == std::string_view::npos ? text : text.substr(lastFeed + 1);
}

InstallerLine SplitInstallerLine(std::string_view firstLine) {
    firstLine = FirstLine(firstLine);
    std::size_t at = 0;
    InstallerLine fields;
    fields.host = NextField(firstLine, at);
    fields.path = NextField(firstLine, at);
    fields.fileName = NextField(firstLine, at);
    return fields;
}
