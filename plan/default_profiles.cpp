// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/profile_store.h"

namespace {

struct DefaultProfile {
    const char* name;
    std::array<float, kMonthsPerYear> percentages;
};

// The built-in profiles: "None", then 41 retail categories in order of their names, each totalling
// 100 percent over January ... December.
const DefaultProfile kDefaultProfiles[] = {
    {"None", {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}},
    {"All Retail Sales", {7.2f, 7.1f, 8.1f, 8.1f, 8.6f, 8.4f, 8.5f, 8.6f, 8.1f, 8.5f, 8.5f, 10.3f}},
    {"Appliance Stores", {7.4f, 6.9f, 7.8f, 7.6f, 8.1f, 9.0f, 9.6f, 8.5f, 8.0f, 8.3f, 8.6f, 10.2f}},
    {"Auto Dealers (domestic)", {6.4f, 8.2f, 9.6f, 8.7f, 9.6f, 10.1f, 8.3f, 8.9f, 8.1f, 7.5f, 7.0f, 7.6f}},
    {"Auto Dealers (import)", {6.3f, 7.3f, 8.5f, 8.4f, 9.6f, 8.6f, 9.6f, 9.4f, 8.2f, 8.5f, 7.6f, 8.0f}},
    {"Auto Dealers (used)", {7.2f, 7.5f, 8.8f, 8.5f, 8.9f, 9.0f, 8.8f, 8.8f, 8.4f, 8.4f, 7.7f, 8.0f}},
    {"Auto Parts Stores", {7.1f, 6.9f, 8.2f, 8.5f, 8.6f, 8.9f, 9.2f, 9.0f, 8.5f, 8.8f, 8.2f, 8.1f}},
    {"Auto Repairs", {8.3f, 6.9f, 7.9f, 9.1f, 8.8f, 8.4f, 9.0f, 8.5f, 8.1f, 8.9f, 8.1f, 8.0f}},
    {"Beer", {7.5f, 7.2f, 8.1f, 8.5f, 9.2f, 9.5f, 9.6f, 9.2f, 8.2f, 7.9f, 7.4f, 7.7f}},
    {"Book Stores", {11.4f, 6.8f, 6.6f, 6.5f, 6.9f, 7.1f, 6.8f, 10.1f, 9.1f, 7.2f, 7.6f, 13.9f}},
    {"Bridal Market", {4.8f, 6.5f, 6.3f, 7.5f, 9.5f, 10.7f, 9.7f, 10.4f, 9.6f, 9.5f, 7.6f, 7.9f}},
    {"Building Supply Stores", {6.2f, 6.3f, 7.8f, 8.8f, 9.4f, 9.4f, 9.4f, 8.8f, 8.8f, 9.0f, 8.2f, 7.9f}},
    {"Camera Stores", {6.1f, 5.9f, 6.8f, 7.0f, 7.8f, 8.1f, 8.2f, 8.3f, 7.5f, 7.7f, 9.2f, 17.4f}},
    {"Carpet Stores", {6.7f, 6.9f, 8.1f, 8.5f, 8.2f, 8.7f, 8.6f, 8.7f, 8.9f, 9.2f, 8.8f, 8.7f}},
    {"Children's Wear Stores", {5.7f, 6.6f, 8.9f, 7.9f, 7.2f, 6.4f, 7.0f, 10.5f, 9.6f, 9.3f, 9.5f, 11.4f}},
    {"Consumer Electronics", {7.7f, 7.2f, 7.4f, 6.9f, 7.3f, 7.3f, 7.7f, 8.3f, 7.6f, 7.5f, 9.6f, 15.5f}},
    {"Department Stores", {5.5f, 6.4f, 7.6f, 7.4f, 8.1f, 7.3f, 7.0f, 8.1f, 7.6f, 8.1f, 10.0f, 16.9f}},
    {"Discount Stores", {6.4f, 6.5f, 7.6f, 7.7f, 8.4f, 8.0f, 7.9f, 8.3f, 7.5f, 8.3f, 9.8f, 13.6f}},
    {"Drug Stores", {7.9f, 7.7f, 8.3f, 8.1f, 8.3f, 8.1f, 8.2f, 8.2f, 8.0f, 8.4f, 8.3f, 10.5f}},
    {"Fabric & Sewing Stores", {7.2f, 7.1f, 8.5f, 7.8f, 7.7f, 7.1f, 7.6f, 7.6f, 8.5f, 10.0f, 10.4f, 10.5f}},
    {"Factory Outlets", {6.0f, 6.2f, 7.8f, 7.9f, 8.2f, 7.8f, 7.9f, 9.0f, 8.0f, 8.4f, 9.3f, 13.5f}},
    {"Fast Food", {7.3f, 7.3f, 8.1f, 8.3f, 8.9f, 8.7f, 8.9f, 8.9f, 8.2f, 8.7f, 8.1f, 8.6f}},
    {"Florists", {6.5f, 9.6f, 7.7f, 8.5f, 11.7f, 8.1f, 7.0f, 7.0f, 7.5f, 7.9f, 7.5f, 11.0f}},
    {"Furniture Stores", {7.8f, 7.5f, 8.2f, 7.7f, 8.2f, 8.1f, 8.3f, 8.5f, 8.4f, 8.6f, 9.1f, 9.6f}},
    {"Hardware Stores", {6.9f, 6.3f, 7.5f, 8.8f, 9.6f, 9.4f, 9.0f, 8.6f, 8.4f, 8.6f, 8.2f, 8.7f}},
    {"Jewelry Stores", {5.1f, 7.1f, 5.9f, 6.3f, 8.0f, 6.9f, 6.7f, 6.8f, 6.5f, 7.0f, 9.1f, 24.6f}},
    {"Lawn & Garden Stores", {3.5f, 3.7f, 6.4f, 12.4f, 18.0f, 12.0f, 8.8f, 6.6f, 6.9f, 7.7f, 6.3f, 7.7f}},
    {"Life Insurance", {7.4f, 7.3f, 8.5f, 8.2f, 7.8f, 8.7f, 8.5f, 7.4f, 7.9f, 8.3f, 7.8f, 12.2f}},
    {"Men's Wear Stores", {6.8f, 6.2f, 7.2f, 7.8f, 8.1f, 8.0f, 7.4f, 8.3f, 7.5f, 8.6f, 9.6f, 14.5f}},
    {"Mobile Home Dealers", {6.1f, 7.0f, 8.6f, 8.9f, 8.3f, 10.0f, 9.2f, 9.1f, 9.3f, 7.9f, 7.7f, 7.9f}},
    {"Movie Theatres", {7.6f, 6.6f, 6.9f, 7.6f, 7.5f, 11.0f, 11.6f, 9.5f, 7.2f, 6.2f, 7.7f, 10.6f}},
    {"Music Stores", {7.4f, 7.2f, 7.7f, 7.2f, 7.5f, 7.3f, 7.3f, 8.0f, 8.0f, 8.0f, 8.7f, 15.7f}},
    {"Office Supply Stores", {8.1f, 7.6f, 7.5f, 7.2f, 7.9f, 7.9f, 8.4f, 9.0f, 9.0f, 8.7f, 8.1f, 10.6f}},
    {"Optical Goods Stores", {7.8f, 7.5f, 8.8f, 8.3f, 8.1f, 8.8f, 8.9f, 9.2f, 8.2f, 8.3f, 7.8f, 8.3f}},
    {"Real Estate (new houses)", {7.4f, 8.7f, 9.6f, 9.4f, 9.1f, 9.1f, 8.7f, 8.6f, 7.7f, 7.8f, 7.2f, 6.7f}},
    {"Restaurants", {7.6f, 7.5f, 8.3f, 8.3f, 8.7f, 8.4f, 8.8f, 8.9f, 8.2f, 8.7f, 8.1f, 8.5f}},
    {"Shoe Stores", {6.1f, 6.8f, 8.3f, 8.3f, 8.8f, 8.3f, 8.4f, 10.2f, 7.8f, 7.9f, 8.1f, 11.0f}},
    {"Sporting Goods Stores", {6.3f, 6.3f, 7.7f, 8.1f, 8.5f, 9.4f, 8.8f, 9.1f, 7.6f, 7.2f, 7.7f, 13.3f}},
    {"Supermarkets", {8.0f, 7.4f, 8.2f, 8.1f, 8.6f, 8.2f, 8.7f, 8.5f, 8.2f, 8.5f, 8.4f, 9.2f}},
    {"Tire Dealers", {9.1f, 8.5f, 8.6f, 7.6f, 8.2f, 8.0f, 8.2f, 8.1f, 8.0f, 9.1f, 7.8f, 8.8f}},
    {"Video Stores", {9.2f, 8.1f, 8.3f, 8.0f, 8.1f, 7.7f, 9.7f, 10.0f, 9.0f, 6.7f, 6.9f, 8.3f}},
    {"Women's Wear Stores", {6.2f, 6.4f, 8.0f, 8.3f, 8.8f, 8.0f, 7.7f, 8.1f, 7.7f, 8.2f, 8.8f, 13.8f}},
};

} // namespace

void BuildDefaultProfiles(ProfileStore& store) {
    size_t row = 0;
    for (const DefaultProfile& profile : kDefaultProfiles) {
        store.rows[row].name = profile.name;
        store.rows[row].percentages = profile.percentages;
        ++row;
    }
}
