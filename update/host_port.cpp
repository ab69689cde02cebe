// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/host_port.h"

namespace {
std::optional<std::uint16_t> ParsePort(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    unsigned value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<HostPort> WithPort(std::string_view name, std::string_view portText) {
    std::optional<std::uint16_t> port = ParsePort(portText);
    if (!port) return std::nullopt;
    return HostPort{std::string(name), *port};
}
} // namespace

std::optional<HostPort> SplitHostPort(std::string_view host) {
    if (host.starts_with('[')) {
        std::size_t close = host.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        std::string_view name = host.substr(1, close - 1);
        std::string_view rest = host.substr(close + 1);
        if (rest.empty()) return HostPort{std::string(name), kDefaultHttpPort};
        if (!rest.starts_with(':')) return std::nullopt;
        return WithPort(name, rest.substr(1));
    }
    std::size_t colon = host.find(':');
    // More than one colon without brackets is a bare IPv6 address.
    if (colon == std::string_view::npos || host.find(':', colon + 1) != std::string_view::npos)
        return HostPort{std::string(host), kDefaultHttpPort};
    return WithPort(host.substr(0, colon), host.substr(colon + 1));
}
