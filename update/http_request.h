// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTTP/1.0 request of a download.
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kDownloadUserAgent = "QuillmarkUpdate/1.0 (Quillmark installer download)";

struct DownloadRequest {
    std::string host; // web host, possibly with ":port"; sent as given in "Host:" and "Referer:"
    std::string path;
    bool keepAlive = true;
    std::string user; // Basic authorization is sent only when user and password are both given
    std::string password;
    std::string localPath; // where the file is stored, code page 1252
    std::string sha256;    // the digest the file must have (lower-case hex); empty: not checked
};

// The request's lines in sending order, without line ends; the last one is the empty line.
// `rememberedConnection` is the last "connection:" value received (see KeptConnection).
std::vector<std::string> RequestLines(const DownloadRequest& request, std::string_view rememberedConnection);

// The lines each ended by carriage return and line feed.
std::string RequestText(const std::vector<std::string>& lines);
