// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plan file (".qmplan"): one client's plan as INI text in code page 1252 with CR LF line ends.
//
//   [Info]     the keys that QMK.ini's [Info] holds for the remembered client, in the same forms
//              (so that --plan reads a plan file as it reads QMK.ini), and Currency (0, 1, 2)
//   [Profile]  Name, and Jan ... Dec: the twelve percentages as the window showed them
//
// Saving over a plan keeps every section and key this program does not know, byte for byte.
#include "app/files/safe_file.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr const char* kPlanFileSuffix = "qmplan";
inline constexpr const char* kPlanMimeType = "application/x-quillmark-plan";

struct PlanDocument {
    // The [Info] keys in the order QMK.ini keeps them, with their stored texts (Client ...
    // CurrValue); Currency is held apart.
    std::vector<std::pair<std::string, std::string>> info;
    std::string profileName;
    std::array<std::string, 12> months; // as shown, "8.3"
    int currency = 0;                   // 0 dollar, 1 euro, 2 pound

    // The stored text of an [Info] key; the fallback when the plan has none.
    std::string Info(std::string_view key, std::string_view fallback = "") const;
    bool operator==(const PlanDocument&) const = default;
};

// The [Info] keys of a plan, in order.
extern const std::array<const char*, 12> kPlanInfoKeys;
extern const std::array<const char*, 12> kPlanMonthKeys; // "Jan" ... "Dec"

// A plan file's largest size: far above any plan, far below what would hurt to read.
inline constexpr std::size_t kPlanFileMaxBytes = 256 * 1024;

struct PlanRead {
    std::optional<PlanDocument> plan;
    std::string reason; // why the file is not a plan that can be used, for the user
};

// The plan in a file's bytes, checked: text, not UTF-16, an [Info] and a [Profile] section,
// twelve months that are numbers of at least 0 totalling exactly 100 as shown, a currency 0-2.
PlanRead ParsePlan(std::string_view bytes);
// The same from a file; a folder, a FIFO, an unreadable or oversized file is refused.
PlanRead ReadPlanFile(const QString& path);

// The file's new bytes: `existing` (the old file, or empty) with the plan's keys set in it.
// std::nullopt when a value cannot be stored (a name holding a line break).
std::optional<std::string> PlanFileBytes(const PlanDocument& plan, std::string_view existing);
// Writes the plan through the program's one safe way of writing files, keeping what the old
// file held besides the plan's keys (when the old file is a readable text file).
FileResult WritePlanFile(const QString& path, const PlanDocument& plan);

// A text as it is stored so that it reads back the same: without outer spaces, and wrapped in a
// pair of quotes when it begins and ends with the same quote (reading removes one pair).
std::string StoredPlanText(std::string value);
