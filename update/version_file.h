#pragma once
// The version file on the maker's web server. Lines are separated by a line feed only (a carriage
// return stays part of its line). The last line is the latest version; the first line names the
// installer: "host path filename", separated by single blanks.
#include <string>
#include <string_view>

// The text before the first line feed (the whole text when there is none).
std::string_view FirstLine(std::string_view text);

// The text after the last line feed: empty when the file ends with a line feed.
std::string_view LatestVersionLine(std::string_view text);

struct InstallerLine {
    std::string host;     // web host, possibly with ":port"
    std::string path;     // request path on that host
    std::string fileName; // name under which the installer is stored; may hold a carriage return
};

// Splits the first line at blanks; a field that is missing stays empty.
InstallerLine SplitInstallerLine(std::string_view firstLine);
