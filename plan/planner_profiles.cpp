#include "plan/planner_profiles.h"

#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"
#include "plan/number_text.h"
#include "plan/plan_state.h"
#include "plan/planner_fields.h"
#include "plan/profile_file.h"

#include <QFileInfo>

namespace {
constexpr const char* kForm = "QM";
constexpr int32_t kProfileList = 265;

std::string& FilePath() {
    static std::string path;
    return path;
}
} // namespace

ProfileStore& Profiles() {
    static ProfileStore store;
    return store;
}

std::string ProfileFilePath() {
    return FilePath();
}

void LoadPlannerProfiles(const std::string& dataFolder) {
    FilePath() = dataFolder + "Categories.dat";
    LoadProfiles(Profiles(), FromCp1252(FilePath()));
    FillProfileList(kForm, kProfileList);
}

namespace {
void TellProfilesNotSaved(const std::string& advice) {
    ShowNotice("Business Profiles Not Saved",
               "The Business Profiles could not be written to " + MarkupLiteral(FilePath()) + ".{f7}",
               advice + "{f6}");
}
} // namespace

void WarnIfProfilesNotKept() {
    if (QFileInfo(FromCp1252(FilePath())).isFile()) return;
    TellProfilesNotSaved("The built-in profiles are in use until the program ends. Check that the folder "
                         "can be written and that nothing else has that name, then start the program again.");
}

bool SavePlannerProfiles() {
    if (SaveProfiles(Profiles(), FromCp1252(FilePath()))) return true;
    TellProfilesNotSaved(
        "The file on disk is unchanged. Check that the folder exists and can be written, then try again.");
    return false;
}

void FillProfileList(const std::string& form, int32_t id) {
    EZ_SETREDRAWSTATE(form, id, 0);
    EZ_CLEAR(form, id);
    for (const std::string& name : ProfileNames(Profiles()))
        EZ_ADDITEMS(form, id, name);
    EZ_SETREDRAWSTATE(form, id, 1);
    EZ_REDRAWCONTROL(form, id);
}

void ShowProfileMonths() {
    const int32_t row = Plan().ProfileIndex;
    const bool valid = row >= 0 && row < kProfileRows;
    for (int month = 1; month <= kMonthsPerYear; ++month) {
        const float value =
            valid ? Profiles().rows[static_cast<size_t>(row)].percentages[static_cast<size_t>(month - 1)]
                  : 0.0F;
        EZ_SETTEXT(kForm, kProfileList + 5 * month, FormatNumber(value, "0.0"));
    }
}

void RebuildProfiles() {
    const int32_t answer = ASKUSER("Rebuild All Business Profiles",
                                   "WARNING: YOU ARE ABOUT TO RECREATE THE BUSINESS PROFILES!{f10}",
                                   "This action will REMOVE any custom profiles you have created.|"
                                   "Are you SURE you want to proceed?{f6}",
                                   "", "*{G,f7}|&Yes|&No", 2);
    if (answer != 1) return;
    ProfileStore previous = Profiles();
    ResetToDefaultProfiles(Profiles());
    if (!SavePlannerProfiles()) {
        Profiles() = previous; // the store stays as the file on disk
        return;
    }
    FillProfileList(kForm, kProfileList);
    Plan().ProfileIndex = 0;
    EZ_SELECTITEM(kForm, kProfileList, 0);
    ShowNotice("Operation Complete", "The Business Profiles have been recreated.{f10}", "");
}
