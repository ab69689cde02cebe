// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base64 with the standard alphabet, "=" padding to a multiple of four characters and no line breaks;
// used for the Basic authorization of downloads.
#include <string>
#include <string_view>

std::string EncodeBase64(std::string_view bytes);
