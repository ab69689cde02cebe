// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/planner_profiles.h"

#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"
#include "msgbox/markup_literal.h"
#include "msgbox/message_dialog.h"
#include "plan/number_text.h"
#include "plan/plan_state.h"
#include "plan/planner_fields.h"
#include "plan/profile_file.h"

#include <optional>

namespace {
constexpr const char* kForm = "QM";
constexpr int32_t kProfileList = 265;

std::string& FilePath() {
    static std::string path;
    return path;
}

// What loading found, and whether the file may be written: a file that was there but could not be
// read is replaced only when the user chooses to.
struct ProfileFileGuard {
    ProfileFileState loaded;
    bool mayReplace = true;
};

ProfileFileGuard& Guard() {
    static ProfileFileGuard guard;
    return guard;
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
    Guard().loaded = LoadProfiles(Profiles(), FromCp1252(FilePath()));
    Guard().mayReplace = Guard().loaded.readable;
    FillProfileList(kForm, kProfileList);
}

std::optional<std::string> WhyProfilesUnread() {
    if (Guard().loaded.readable) return std::nullopt;
    return "the Business Profiles in " + FilePath() + " cannot be read: " + Guard().loaded.problem;
}

namespace {
void TellProfilesNotSaved(const std::string& reason, const std::string& advice) {
    ShowNotice("Business Profiles Not Saved",
               "The Business Profiles could not be written to " + MarkupLiteral(FilePath() + ": " + reason) + ".{f7}",
               advice + "{f6}");
}

// A file that could not be read at start is replaced only after the user agrees.
bool MayReplaceUnreadFile() {
    if (Guard().mayReplace) return true;
    const int32_t answer = ASKUSER(
        "Replace Business Profiles?",
        "The file " + MarkupLiteral(FilePath()) + " could not be read when the program started: " +
            MarkupLiteral(Guard().loaded.problem) + ".{f7}",
        "Saving now replaces it with the profiles shown in the program, which began as the built-in "
        "ones.|Replace the file?{f6}",
        "", "*{G,f7}|&Yes|&No", 2);
    return answer == 1;
}
} // namespace

void WarnIfProfilesNotKept() {
    const ProfileFileState& loaded = Guard().loaded;
    if (!loaded.readable) {
        ShowNotice("Business Profiles Not Read",
                   "The Business Profiles in " + MarkupLiteral(FilePath()) +
                       " could not be read: " + MarkupLiteral(loaded.problem) + ".{f7}",
                   "The built-in profiles are in use until the program ends. The file is left as it is: it is "
                   "replaced only when you rebuild the profiles, or agree to replace it when you save a "
                   "change.{f6}");
    } else if (!loaded.problem.empty()) {
        TellProfilesNotSaved(loaded.problem,
                             "The built-in profiles are in use until the program ends. Check that the folder "
                             "can be written and that nothing else has that name, then start the program again.");
    } else if (loaded.overCapacity) {
        ShowNotice("Too Many Business Profiles",
                   MarkupLiteral(FilePath()) + " holds more than 500 Business Profiles.{f7}",
                   "Only the first 500 can be used. The others stay in the file and are kept when you save "
                   "a change.{f6}");
    }
}

bool SavePlannerProfiles(bool userReplacesFile) {
    if (!userReplacesFile && !MayReplaceUnreadFile()) return false;
    const FileResult written = SaveProfiles(Profiles(), FromCp1252(FilePath()));
    if (written) {
        Guard().mayReplace = true;
        return true;
    }
    TellProfilesNotSaved(written.reason,
                         "The file on disk is unchanged. Check that the folder exists and can be written, then "
                         "try again.");
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
    if (!SavePlannerProfiles(true)) {
        Profiles() = previous; // the store stays as the file on disk
        return;
    }
    FillProfileList(kForm, kProfileList);
    Plan().ProfileIndex = 0;
    EZ_SELECTITEM(kForm, kProfileList, 0);
    ShowNotice("Operation Complete", "The Business Profiles have been recreated.{f10}", "");
}
