// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A web host as the version file gives it: a name or address, optionally followed by ":port".
// An IPv6 address with a port is written in brackets ("[::1]:8080").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::uint16_t kDefaultHttpPort = 80;

struct HostPort {
    std::string name;
    std::uint16_t port = kDefaultHttpPort;
};

// nullopt when a port is given but is not a number from 1 to 65535.
std::optional<HostPort> SplitHostPort(std::string_view host);
