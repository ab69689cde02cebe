// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/profile_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// A store with "None" and the given names in rows 1 onward; each row's January holds its row number.
std::unique_ptr<ProfileStore> StoreWith(const std::vector<std::string>& names) {
    auto store = std::make_unique<ProfileStore>();
    store->rows[0].name = "None";
    for (size_t i = 0; i < names.size(); ++i) {
        store->rows[i + 1].name = names[i];
        store->rows[i + 1].percentages[0] = static_cast<float>(i + 1);
    }
    return store;
}

std::unique_ptr<ProfileStore> FullStore() {
    auto store = std::make_unique<ProfileStore>();
    for (int row = 0; row < kProfileRows; ++row) {
        store->rows[static_cast<size_t>(row)].name = "P" + std::to_string(1000 + row);
        store->rows[static_cast<size_t>(row)].percentages[0] = static_cast<float>(row);
    }
    return store;
}

TEST(DefaultProfiles, HoldNoneThenFortyOneSortedCategoriesTotallingOneHundred) {
    auto store = std::make_unique<ProfileStore>();
    ResetToDefaultProfiles(*store);
    ASSERT_EQ(ProfilesInUse(*store), 42);
    EXPECT_EQ(store->rows[0].name, "None");
    for (float value : store->rows[0].percentages)
        EXPECT_EQ(value, 0.0f);
    for (int row = 1; row < 42; ++row) {
        const BusinessProfile& profile = store->rows[static_cast<size_t>(row)];
        SCOPED_TRACE(profile.name);
        double tenths = 0;
        for (float value : profile.percentages)
            tenths += std::round(value * 10.0);
        EXPECT_EQ(tenths, 1000);
        if (row > 1) {
            EXPECT_LT(store->rows[static_cast<size_t>(row - 1)].name, profile.name);
        }
    }
    EXPECT_EQ(store->rows[22].name, "Florists");
    EXPECT_EQ(store->rows[22].percentages[1], 9.6f);
    EXPECT_EQ(store->rows[41].name, "Women's Wear Stores");
    EXPECT_EQ(store->rows[41].percentages[11], 13.8f);
}

TEST(DefaultProfiles, RebuildingRemovesAddedProfiles) {
    auto store = StoreWith({"Apple Stores", "Zoo"});
    store->rows[3].name = "Added";
    ResetToDefaultProfiles(*store);
    EXPECT_EQ(ProfilesInUse(*store), 42);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "Added"), -1);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "Apple Stores"), -1);
}

TEST(ProfileStore, RowsInUseEndAtTheFirstEmptyName) {
    auto store = StoreWith({"A", "B"});
    store->rows[5].name = "after the gap";
    EXPECT_EQ(ProfilesInUse(*store), 3);
    EXPECT_EQ(ProfileNames(*store), (std::vector<std::string>{"None", "A", "B"}));
    EXPECT_EQ(FirstFreeRow(*store), 3);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "after the gap"), -1);

    auto full = FullStore();
    EXPECT_EQ(ProfilesInUse(*full), kProfileRows);
    EXPECT_EQ(FirstFreeRow(*full), -1);
    EXPECT_EQ(ProfileNames(*full).size(), size_t{kProfileRows});
}

TEST(ProfileStore, FindsNamesIgnoringCaseByCodePage1252) {
    auto store = StoreWith({"Beer", "Caf\xC9 Cr\xC8me", "\x8Akoda Dealers", "Jewelry Stores"});
    EXPECT_EQ(FindProfileIgnoringCase(*store, "beer"), 1);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "BEER"), 1);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "caf\xE9 cr\xE8me"), 2); // é and è
    EXPECT_EQ(FindProfileIgnoringCase(*store, "\x9Akoda dealers"), 3); // š
    EXPECT_EQ(FindProfileIgnoringCase(*store, "none"), 0);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "Beers"), -1);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "Bee"), -1);
    EXPECT_EQ(FindProfileIgnoringCase(*store, "\xF7"), -1); // the division sign has no case
}

TEST(ProfileStore, RemovingARowMovesTheRestUp) {
    auto store = StoreWith({"A", "B", "C", "D", "E", "F"});
    RemoveProfile(*store, 5);
    EXPECT_EQ(ProfileNames(*store), (std::vector<std::string>{"None", "A", "B", "C", "D", "F"}));
    EXPECT_EQ(store->rows[5].percentages[0], 6.0f); // F's values moved with it
    EXPECT_TRUE(store->rows[6].name.empty());
    EXPECT_EQ(store->rows[6].percentages[0], 0.0f);

    RemoveProfile(*store, 0); // "None" stays
    RemoveProfile(*store, 6); // not in use
    RemoveProfile(*store, -1);
    RemoveProfile(*store, kProfileRows);
    EXPECT_EQ(ProfilesInUse(*store), 6);
}

TEST(ProfileStore, RemovingFromAFullStoreEmptiesTheLastRow) {
    auto store = FullStore();
    RemoveProfile(*store, 5);
    EXPECT_EQ(ProfilesInUse(*store), kProfileRows - 1);
    EXPECT_EQ(store->rows[5].name, "P1006");
    EXPECT_EQ(store->rows[kProfileRows - 2].name, "P1500");
    EXPECT_TRUE(store->rows[kProfileRows - 1].name.empty());
    EXPECT_EQ(store->rows[kProfileRows - 1].percentages[0], 0.0f);
    EXPECT_EQ(FirstFreeRow(*store), kProfileRows - 1);
}

TEST(ProfileStore, SortingPutsNamesInByteOrderAndKeepsNoneFirst) {
    auto store = StoreWith({"apple stores", "Zoo", "Beer", "Bee", "Apple", "\xC9picerie", "Beer"});
    SortProfiles(*store);
    EXPECT_EQ(ProfileNames(*store), (std::vector<std::string>{"None", "Apple", "Bee", "Beer", "Beer", "Zoo",
                                                              "apple stores", "\xC9picerie"}));
    // the values move with their names; equal names keep their order
    EXPECT_EQ(store->rows[1].percentages[0], 5.0f);
    EXPECT_EQ(store->rows[3].percentages[0], 3.0f);
    EXPECT_EQ(store->rows[4].percentages[0], 7.0f);
    EXPECT_EQ(store->rows[6].percentages[0], 1.0f);

    auto zFirst = StoreWith({"B", "A"});
    zFirst->rows[0].name = "Zero row";
    SortProfiles(*zFirst);
    EXPECT_EQ(ProfileNames(*zFirst), (std::vector<std::string>{"Zero row", "A", "B"}));
}

} // namespace
