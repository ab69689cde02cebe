// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/profile_store.h"

#include <algorithm>

namespace {

// Upper case of one code page 1252 byte: a-z, the accented small letters 0xE0-0xFE (but not the
// division sign 0xF7), and the four small letters of 0x9A, 0x9C, 0x9E and 0xFF.
unsigned char UpperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A; // s with caron
    case 0x9C:
        return 0x8C; // ligature oe
    case 0x9E:
        return 0x8E; // z with caron
    case 0xFF:
        return 0x9F; // y with diaeresis
    default:
        return c;
    }
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperCp1252(static_cast<unsigned char>(x)) ==
                      UpperCp1252(static_cast<unsigned char>(y));
           });
}

} // namespace

void ClearProfiles(ProfileStore& store) {
    store.rows.fill(BusinessProfile{});
    store.unreadTail.clear();
}

void ResetToDefaultProfiles(ProfileStore& store) {
    ClearProfiles(store);
    BuildDefaultProfiles(store);
}

int ProfilesInUse(const ProfileStore& store) {
    const auto firstEmpty = std::find_if(store.rows.begin(), store.rows.end(),
                                         [](const BusinessProfile& row) { return row.name.empty(); });
    return static_cast<int>(firstEmpty - store.rows.begin());
}

std::vector<std::string> ProfileNames(const ProfileStore& store) {
    std::vector<std::string> names;
    const int inUse = ProfilesInUse(store);
    names.reserve(static_cast<size_t>(inUse));
    for (int row = 0; row < inUse; ++row)
        names.push_back(store.rows[static_cast<size_t>(row)].name);
    return names;
}

int FindProfileIgnoringCase(const ProfileStore& store, std::string_view name) {
    const int inUse = ProfilesInUse(store);
    for (int row = 0; row < inUse; ++row)
        if (EqualIgnoringCase(store.rows[static_cast<size_t>(row)].name, name)) return row;
    return -1;
}

int FirstFreeRow(const ProfileStore& store) {
    const int inUse = ProfilesInUse(store);
    return inUse < kProfileRows ? inUse : -1;
}

void RemoveProfile(ProfileStore& store, int row) {
    const int inUse = ProfilesInUse(store);
    if (row < 1 || row >= inUse) return;
    const auto first = store.rows.begin() + row;
    const auto end = store.rows.begin() + inUse;
    std::rotate(first, first + 1, end);
    *(end - 1) = BusinessProfile{};
}

void SortProfiles(ProfileStore& store) {
    const int inUse = ProfilesInUse(store);
    if (inUse < 3) return;
    // std::string compares its bytes as unsigned characters, which is byte order.
    std::stable_sort(store.rows.begin() + 1, store.rows.begin() + inUse,
                     [](const BusinessProfile& a, const BusinessProfile& b) { return a.name < b.name; });
}
