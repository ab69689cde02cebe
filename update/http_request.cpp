// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/http_request.h"

#include "update/base64.h"

namespace {
std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
} // namespace

std::vector<std::string> RequestLines(const DownloadRequest& request, std::string_view rememberedConnection) {
    std::vector<std::string> lines = {
        "GET " + std::string(TrimBlanks(request.path)) + " HTTP/1.0",
        "Host: " + request.host,
        "Referer: http://" + request.host,
        "User-Agent: " + std::string(kDownloadUserAgent),
        "Accept: */*",
        "Accept-Language: de-de,de;q=0.8,en-us;q=0.5,en;q=0.3",
    };
    if (request.keepAlive) {
        lines.emplace_back("Keep-Alive: 300");
        lines.emplace_back("Connection: keep-alive");
    } else if (rememberedConnection == "keep-alive") {
        lines.emplace_back("Connection: close");
    }
    if (!request.user.empty() && !request.password.empty())
        lines.push_back("Authorization: Basic " + EncodeBase64(request.user + ":" + request.password));
    lines.emplace_back();
    return lines;
}

std::string RequestText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
