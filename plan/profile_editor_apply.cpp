// SPDX-License-Identifier: GPL-3.0-or-later
// What OK does in the editor: delete the selected profile, save the planner's months as a new
// profile, or update the selected profile with them. Every change is saved at once; a save that
// fails has been told to the user, and the store is put back as it was so that it matches the file.
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "plan/field_text.h"
#include "plan/number_text.h"
#include "plan/plan_state.h"
#include "plan/planner_fields.h"
#include "plan/planner_profiles.h"
#include "plan/profile_editor.h"
#include "plan/profile_store.h"

#include <string>

using namespace editor;

namespace {

constexpr const char* kForm = kProfileEditorForm;
constexpr const char* kPlanner = "QM";
constexpr int32_t kPlannerProfileList = 265;
constexpr const char* kYesNo = "*{G,f7}|&Yes|&No";

int32_t PlannerMonthField(int month) {
    return kPlannerProfileList + 5 * month;
}

// Saves the changed store; when that fails the store goes back to `before`, which is what the
// file still holds.
bool SaveOrRestore(const ProfileStore& before) {
    if (SavePlannerProfiles()) return true;
    Profiles() = before;
    return false;
}

// The planner's list refilled from the store, with `row` chosen and its months and total shown.
void ShowInPlanner(int row) {
    FillProfileList(kPlanner, kPlannerProfileList);
    Plan().ProfileIndex = row;
    EZ_SELECTITEM(kPlanner, kPlannerProfileList, row);
    ShowProfileMonths();
    RecalcProfileTotal();
}

// The row whose name is exactly `name`; 0 ("None") when there is none.
int RowNamed(const ProfileStore& store, const std::string& name) {
    const int inUse = ProfilesInUse(store);
    for (int row = 1; row < inUse; ++row)
        if (store.rows[static_cast<size_t>(row)].name == name) return row;
    return 0;
}

void ShowBlankNameNotice() {
    ShowNotice("No Category Name", "Blank category names are not permitted.{f10}",
               "Please enter a name, then click Save.{f6}");
}

// A typed name that was refused: the focus goes back to the name box for another try.
int32_t RefuseTypedName() {
    EZ_SETFOCUS(kForm, kNameBox);
    return 0;
}

// Row `target` gets the name and the months the planner shows; then rows 1 onward are put in
// byte order of their names, the file is saved and the planner selects the profile.
int32_t StoreAndSort(int target, const std::string& name) {
    ProfileStore& store = Profiles();
    const ProfileStore before = store;
    BusinessProfile& profile = store.rows[static_cast<size_t>(target)];
    profile.name = name;
    for (int month = 1; month <= kMonthsPerYear; ++month)
        profile.percentages[static_cast<size_t>(month - 1)] =
            LeadingNumberFloat(EZ_GETTEXT(kPlanner, PlannerMonthField(month)));
    SortProfiles(store);
    if (!SaveOrRestore(before)) return 0;
    ShowInPlanner(RowNamed(store, name));
    return 1;
}

int32_t DeleteProfile() {
    const std::string name = EZ_GETTEXT(kForm, kNameLabel);
    const int32_t answer =
        ASKUSER("Delete This Profile?", "Delete the profile \"" + MarkupLiteral(name) + "\"?{f10}",
                "(This action cannot be reversed){f6}", "", kYesNo, 0);
    if (answer != 1) return 0;
    const int row = Plan().ProfileIndex;
    if (row < 1 || row >= ProfilesInUse(Profiles())) return 0; // "None" stays
    const ProfileStore before = Profiles();
    RemoveProfile(Profiles(), row);
    if (!SaveOrRestore(before)) return 0;
    ShowInPlanner(0);
    return 1;
}

int32_t SaveAsNewProfile() {
    const std::string name = TrimText(EZ_GETTEXT(kForm, kNameBox));
    if (name.empty()) {
        ShowBlankNameNotice();
        return RefuseTypedName();
    }
    if (FindProfileIgnoringCase(Profiles(), name) >= 0) {
        ShowNotice("Duplicate Category Name",
                   "There is already a category on file with the name \"" + MarkupLiteral(name) + "\".{f10}",
                   "Please enter a unique name for this category.{f6}");
        return RefuseTypedName();
    }
    const int target = FirstFreeRow(Profiles());
    if (target < 0) {
        ShowNotice("Unable To Add New Category",
                   "You have reached the maximum of " + IntegerText(kProfileRows - 1) + " categories.{f10}",
                   "");
        return 0;
    }
    return StoreAndSort(target, name);
}

int32_t UpdateProfile() {
    const int target = Plan().ProfileIndex;
    const std::string name = EZ_GETTEXT(kPlanner, kPlannerProfileList);
    if (name.empty()) {
        ShowBlankNameNotice();
        return 0;
    }
    if (target < 1 || target >= ProfilesInUse(Profiles())) return 0; // "None" keeps its zeros
    return StoreAndSort(target, name);
}

} // namespace

int32_t ApplyProfileEdit() {
    if (EZ_GETCHECK(kForm, kDeleteRadio) != 0) return DeleteProfile();
    if (EZ_GETCHECK(kForm, kSaveNewRadio) != 0) return SaveAsNewProfile();
    return UpdateProfile();
}
