// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/plan_file.h"

#include "app/settings/private_profile.h"
#include "app/settings/profile_file.h"
#include "plan/number_text.h"

#include <algorithm>

const std::array<const char*, 12> kPlanInfoKeys = {"Client",     "Station",     "Salesrep", "PresentDate",
                                                   "StartMonth", "Year",        "Budget",   "Rate",
                                                   "Profile",    "Opportunity", "MaxValue", "CurrValue"};
const std::array<const char*, 12> kPlanMonthKeys = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

namespace {

constexpr const char* kInfo = "Info";
constexpr const char* kProfile = "Profile";
// A default no stored value can equal: a value never holds a line break.
constexpr const char* kAbsent = "\n";

std::optional<std::string> Value(std::string_view bytes, const char* section, const char* key) {
    const ProfileValue value = ReadProfileValueFrom(bytes, section, key, kAbsent, 4000);
    if (value.text == kAbsent) return std::nullopt;
    return value.text;
}

// A plain number as the window shows a month: digits with at most one point, nothing else.
bool IsPlainNumber(std::string_view text) {
    if (text.empty() || text == ".") return false;
    int points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1;
}

bool HasSection(std::string_view bytes, const char* section) {
    // Any key of the section answers; a section with no keys at all is as good as missing.
    return Value(bytes, section, "Name").has_value() || Value(bytes, section, "Client").has_value() ||
           Value(bytes, section, "Jan").has_value();
}

std::string MonthsProblem(const std::array<std::string, 12>& months) {
    int64_t total = 0;
    for (size_t m = 0; m < months.size(); ++m) {
        if (!IsPlainNumber(months[m]))
            return std::string("the percentage for ") + kPlanMonthKeys[m] + " (\"" + months[m] +
                   "\") is not a number of 0 or more";
        total += ToScaledInteger(ReadLeadingNumber(months[m]), 4).value_or(INT64_MAX / 16);
        total = std::min<int64_t>(total, INT64_MAX / 16);
    }
    if (total != 100 * 10000)
        return "its twelve percentages add up to " +
               FormatNumber(static_cast<double>(total) / 10000.0, "0.0##") + ", not 100";
    return {};
}

} // namespace

std::string PlanDocument::Info(std::string_view key, std::string_view fallback) const {
    for (const auto& [name, value] : info)
        if (name == key) return value;
    return std::string(fallback);
}

std::string StoredPlanText(std::string value) {
    value.erase(0, value.find_first_not_of(' '));
    value.erase(value.find_last_not_of(' ') + 1);
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return quoted ? '"' + value + '"' : value;
}

PlanRead ParsePlan(std::string_view bytes) {
    if (bytes.empty()) return {std::nullopt, "the file is empty"};
    if (IsUtf16Profile(bytes) || bytes.find('\0') != std::string_view::npos)
        return {std::nullopt, "the file is not a plan (it holds binary data)"};
    if (!HasSection(bytes, kProfile))
        return {std::nullopt,
                "the file is not a plan: it has no [Profile] section with the profile's percentages"};
    if (!HasSection(bytes, kInfo)) return {std::nullopt, "the file is not a plan: it has no [Info] section"};

    PlanDocument plan;
    for (const char* key : kPlanInfoKeys)
        if (auto value = Value(bytes, kInfo, key)) plan.info.emplace_back(key, *value);
    plan.profileName = Value(bytes, kProfile, "Name").value_or("");
    if (plan.profileName.empty()) return {std::nullopt, "its [Profile] section names no profile"};
    for (size_t m = 0; m < plan.months.size(); ++m) {
        const auto month = Value(bytes, kProfile, kPlanMonthKeys[m]);
        if (!month)
            return {std::nullopt,
                    std::string("its [Profile] section has no percentage for ") + kPlanMonthKeys[m]};
        plan.months[m] = *month;
    }
    if (std::string problem = MonthsProblem(plan.months); !problem.empty()) return {std::nullopt, problem};

    const std::string currency = Value(bytes, kInfo, "Currency").value_or("");
    if (currency != "0" && currency != "1" && currency != "2")
        return {std::nullopt,
                "its currency (\"" + currency + "\") is not one of 0 (dollar), 1 (euro), 2 (pound)"};
    plan.currency = currency[0] - '0';
    return {plan, {}};
}

PlanRead ReadPlanFile(const QString& path) {
    const FileRead read = ReadFileSafely(path, kPlanFileMaxBytes);
    if (read.status == FileRead::Status::Missing) return {std::nullopt, "there is no such file"};
    if (!read.ok()) return {std::nullopt, read.reason};
    return ParsePlan(read.bytes);
}

std::optional<std::string> PlanFileBytes(const PlanDocument& plan, std::string_view existing) {
    std::optional<std::string> bytes = std::string(existing);
    auto put = [&bytes](const char* section, std::string_view key, std::string_view value) {
        if (bytes) bytes = WithStoredProfileValue(*bytes, section, key, value);
    };
    for (const auto& [key, value] : plan.info)
        put(kInfo, key, StoredPlanText(value));
    put(kInfo, "Currency", std::to_string(plan.currency));
    put(kProfile, "Name", StoredPlanText(plan.profileName));
    for (size_t m = 0; m < plan.months.size(); ++m)
        put(kProfile, kPlanMonthKeys[m], plan.months[m]);
    return bytes;
}

FileResult WritePlanFile(const QString& path, const PlanDocument& plan) {
    // What the old file holds besides the plan is kept, when it is text this program can edit.
    const FileRead old = ReadFileSafely(path, kPlanFileMaxBytes);
    const bool keep = old.ok() && !IsUtf16Profile(old.bytes) && old.bytes.find('\0') == std::string::npos;
    const std::optional<std::string> bytes = PlanFileBytes(plan, keep ? old.bytes : std::string());
    if (!bytes) return FileResult::Failed("a value of the plan cannot be stored in a plan file");
    return WriteFileAtomically(path, *bytes);
}
