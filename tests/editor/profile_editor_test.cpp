// SPDX-License-Identifier: GPL-3.0-or-later
// The Business Profile editor over the real planner: what it offers for the chosen profile, the
// three actions and what they leave in Categories.dat and on the planner, the refusals, and a
// save that fails.
#include "tests/editor/editor_session.h"

#include "app/help/help.h"
#include "app/help/help_browser.h"
#include "app/help/help_topics.h"
#include "app/help/help_viewer.h"
#include "plan/field_text.h"
#include "plan/number_text.h"

#include <QLineEdit>
#include <algorithm>
#include <filesystem>

using namespace qm;
using namespace editor;

namespace {

constexpr int kFloristsRow = 22;

class ProfileEditor : public EditorSession {
  protected:
    ProfileStore defaults;
    void SetUp() override {
        EditorSession::SetUp();
        ResetToDefaultProfiles(defaults);
    }
    // Months that total 100 with "None" chosen, so that Edit is offered.
    static void typeMonthsOfAHundred() {
        enter(MonthField(1), "100");
        ASSERT_EQ(text(kTotal), "100.0");
    }
};

TEST_F(ProfileEditor, WithNoneOnlySaveAsNewCanBeUsedAndOkWaitsForAName) {
    open();
    typeMonthsOfAHundred();
    const std::string fileBefore = data.read("Categories.dat");
    edit([] {
        EXPECT_EQ(EZ_GETTEXT(kEditor, 0), "Edit Business Profile");
        EXPECT_EQ(editorText(kNameLabel), "");
        EXPECT_FALSE(enabled(kUpdateRadio));
        EXPECT_FALSE(enabled(kDeleteRadio));
        EXPECT_TRUE(checked(kSaveNewRadio));
        EXPECT_FALSE(enabled(kOkButton));
        typeName("  ");
        EXPECT_FALSE(enabled(kOkButton)) << "blanks are no name";
        typeName("Bakeries");
        EXPECT_TRUE(enabled(kOkButton));
        typeName("");
        eztest::Type(kEditor, kNameBox, "x");
        eztest::Key(kEditor, kNameBox, Qt::Key_Backspace);
        EXPECT_FALSE(enabled(kOkButton));
        click(kCancelButton);
    });
    EXPECT_FALSE(editorLeftOpen);
    EXPECT_EQ(data.read("Categories.dat"), fileBefore);
}

TEST_F(ProfileEditor, WithAProfileItsNameIsShownAndUpdateIsChosen) {
    open();
    choose(kProfile, "Florists");
    edit([] {
        EXPECT_EQ(editorText(kNameLabel), "Florists");
        EXPECT_TRUE(checked(kUpdateRadio));
        EXPECT_FALSE(checked(kSaveNewRadio));
        EXPECT_FALSE(checked(kDeleteRadio));
        for (int32_t id :
             {kUpdateRadio, kSaveNewRadio, kDeleteRadio, kOkButton, kCancelButton, editor::kHelpButton})
            EXPECT_TRUE(enabled(id)) << id;
        // The three actions are one group: choosing one turns the others off.
        click(kDeleteRadio);
        EXPECT_FALSE(checked(kUpdateRadio));
        click(kSaveNewRadio);
        EXPECT_FALSE(checked(kDeleteRadio));
        EXPECT_FALSE(enabled(kOkButton)) << "Save as new without a name";
        click(kUpdateRadio);
        EXPECT_TRUE(enabled(kOkButton));
        click(kCancelButton);
    });
}

TEST_F(ProfileEditor, UpdateKeepsTheRowsPlaceAndRewritesTheFile) {
    open();
    choose(kProfile, "Florists");
    enter(MonthField(2), "10.6");
    enter(MonthField(3), "6.7");
    ASSERT_EQ(text(kTotal), "100.0");
    edit([] { click(kOkButton); });
    EXPECT_FALSE(editorLeftOpen);

    ProfileStore expected = defaults;
    expected.rows[kFloristsRow].percentages[1] = 10.6F;
    expected.rows[kFloristsRow].percentages[2] = 6.7F;
    EXPECT_EQ(data.read("Categories.dat"), ProfileFileText(expected));

    EXPECT_EQ(text(kProfile), "Florists");
    EXPECT_EQ(Plan().ProfileIndex, kFloristsRow);
    EXPECT_EQ(text(MonthField(2)), "10.6");
    EXPECT_EQ(text(MonthField(3)), "6.7");
    EXPECT_EQ(text(kTotal), "100.0");
    EXPECT_TRUE(offered(kMenuEdit, kEditButton));
}

TEST_F(ProfileEditor, SaveAsNewSortsByBytesAndSelectsTheNewProfile) {
    open();
    choose(kProfile, "Beer");
    // "Bakeries" goes between "Auto Repairs" and "Beer"; "apple stores" (small a) after every
    // name that begins with a capital.
    const std::pair<const char*, int> cases[] = {{"  Bakeries ", 8}, {"apple stores", 43}};
    for (const auto& [typed, row] : cases) {
        SCOPED_TRACE(typed);
        edit([typed = typed] {
            click(kSaveNewRadio);
            typeName(typed);
            click(kOkButton);
        });
        EXPECT_FALSE(editorLeftOpen);
        const std::string name = TrimText(typed);
        const ProfileStore onDisk = fileProfiles();
        EXPECT_EQ(onDisk.rows[static_cast<size_t>(row)].name, name);
        EXPECT_EQ(onDisk.rows[static_cast<size_t>(row)].percentages, defaults.rows[8].percentages)
            << "Beer's months";
        EXPECT_EQ(text(kProfile), name);
        EXPECT_EQ(Plan().ProfileIndex, row);
        EXPECT_EQ(EZ_GETATTR(kForm, kProfile, "ISel"), row);
        EXPECT_EQ(text(MonthField(1)), "7.5");
    }
    const std::vector<std::string> names = fileNames();
    ASSERT_EQ(names.size(), 44U);
    EXPECT_EQ(names[0], "None");
    EXPECT_EQ(names[9], "Beer");
    EXPECT_EQ(names[42], "Women's Wear Stores");
    EXPECT_TRUE(std::is_sorted(names.begin() + 1, names.end()));
}

TEST_F(ProfileEditor, DuplicateNamesAreRefusedAndTheEditorStaysOpen) {
    const std::pair<const char*, const char*> cases[] = {
        {"beer", "beer"},
        {"  FLORISTS ", "FLORISTS"},
        {"none", "none"},
        {"Women's WEAR Stores", "Women's WEAR Stores"},
    };
    open();
    typeMonthsOfAHundred();
    const std::string fileBefore = data.read("Categories.dat");
    for (size_t i = 0; i < std::size(cases); ++i)
        answerNextDialog(1);
    edit([&] {
        for (const auto& [typed, name] : cases) {
            SCOPED_TRACE(typed);
            typeName(typed);
            click(kOkButton);
            EXPECT_TRUE(eztest::FormExists(kEditor));
            EXPECT_EQ(EZ_GETFOCUSID(), kNameBox);
        }
        click(kCancelButton);
    });
    ASSERT_EQ(asked.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].first);
        EXPECT_EQ(asked[i].title, "Duplicate Category Name");
        EXPECT_EQ(asked[i].text1, std::string("There is already a category on file with the name \"") +
                                      cases[i].second + "\".{f10}");
        EXPECT_EQ(asked[i].text2, "Please enter a unique name for this category.{f6}");
    }
    EXPECT_EQ(data.read("Categories.dat"), fileBefore);
    EXPECT_EQ(text(kProfile), "None");
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "beer", 9), -1) << "one Beer only";
}

TEST_F(ProfileEditor, ABlankNameIsRefused) {
    // Blanks alone never enable OK, and the name box loses them when it is left; a blank name
    // that reaches OK all the same is refused.
    open();
    typeMonthsOfAHundred();
    const std::string fileBefore = data.read("Categories.dat");
    answerNextDialog(1);
    int32_t result = -1;
    edit([&result] {
        EZ_SETTEXT(kEditor, kNameBox, " \t ");
        result = ApplyProfileEdit();
        EXPECT_EQ(EZ_GETFOCUSID(), kNameBox);
        click(kCancelButton);
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].title, "No Category Name");
    EXPECT_EQ(asked[0].text1, "Blank category names are not permitted.{f10}");
    EXPECT_EQ(asked[0].text2, "Please enter a name, then click Save.{f6}");
    EXPECT_EQ(data.read("Categories.dat"), fileBefore);
}

TEST_F(ProfileEditor, DeletingRowFiveMovesTheRestUpAndSelectsNone) {
    open();
    choose(kProfile, "Auto Dealers (used)");
    ASSERT_EQ(Plan().ProfileIndex, 5);
    answerNextDialog(1);
    edit([] {
        click(kDeleteRadio);
        click(kOkButton);
    });
    EXPECT_FALSE(editorLeftOpen);
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].title, "Delete This Profile?");
    EXPECT_EQ(asked[0].text1, "Delete the profile \"Auto Dealers (used)\"?{f10}");
    EXPECT_EQ(asked[0].text2, "(This action cannot be reversed){f6}");
    EXPECT_EQ(asked[0].buttons, "*{G,f7}|&Yes|&No");
    EXPECT_EQ(asked[0].defaultButton, 0);

    ProfileStore expected = defaults;
    RemoveProfile(expected, 5);
    const ProfileStore onDisk = fileProfiles();
    EXPECT_EQ(ProfileFileText(onDisk), ProfileFileText(expected));
    EXPECT_EQ(onDisk.rows[5].name, "Auto Parts Stores");
    EXPECT_EQ(onDisk.rows[5].percentages, defaults.rows[6].percentages);
    EXPECT_EQ(ProfilesInUse(onDisk), 41);

    EXPECT_EQ(text(kProfile), "None");
    EXPECT_EQ(Plan().ProfileIndex, 0);
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "Auto Dealers (used)", 0), -1);
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "Women's Wear Stores", 0), 40);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(text(MonthField(m)), "0.0") << m;
    EXPECT_EQ(text(kTotal), "0.0");
    EXPECT_TRUE(withheld(kMenuEdit, kEditButton));
}

TEST_F(ProfileEditor, NoToTheDeleteQuestionKeepsTheEditorOpenAndCancelSavesNothing) {
    open();
    choose(kProfile, "Florists");
    const std::string fileBefore = data.read("Categories.dat");
    answerNextDialog(2);
    answerNextDialog(kDismiss);
    edit([] {
        click(kDeleteRadio);
        click(kOkButton);
        EXPECT_TRUE(eztest::FormExists(kEditor)) << "after No";
        click(kOkButton);
        EXPECT_TRUE(eztest::FormExists(kEditor)) << "after closing the question";
        // A name typed for a new profile, then Cancel.
        click(kSaveNewRadio);
        typeName("Garden Centers");
        click(kCancelButton);
    });
    EXPECT_FALSE(editorLeftOpen);
    EXPECT_EQ(asked.size(), 2U);
    EXPECT_EQ(data.read("Categories.dat"), fileBefore);
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "Garden Centers", 0), -1);
    EXPECT_EQ(FindProfileIgnoringCase(Profiles(), "Garden Centers"), -1);
    EXPECT_EQ(text(kProfile), "Florists");
    EXPECT_EQ(Plan().ProfileIndex, kFloristsRow);
}

TEST_F(ProfileEditor, ClosingTheEditorFromItsFrameChangesNothing) {
    open();
    choose(kProfile, "Florists");
    const std::string fileBefore = data.read("Categories.dat");
    edit([] {
        click(kDeleteRadio);
        eztest::CloseBox(kEditor);
    });
    EXPECT_FALSE(editorLeftOpen);
    EXPECT_EQ(data.read("Categories.dat"), fileBefore);
    EXPECT_EQ(text(kProfile), "Florists");
}

TEST_F(ProfileEditor, NamesWithQuotesAndCommasAreStoredAndReadBackUnchanged) {
    const char* const names[] = {"Joe's \"Best\" Bait", "\"Quoted\"", "Tackle, Bait & Boats"};
    open();
    choose(kProfile, "Florists");
    for (const char* name : names) {
        SCOPED_TRACE(name);
        edit([name] {
            click(kSaveNewRadio);
            typeName(name);
            click(kOkButton);
        });
        EXPECT_EQ(text(kProfile), name);
        EXPECT_EQ(FindProfileIgnoringCase(fileProfiles(), name), Plan().ProfileIndex);
    }
    EXPECT_NE(data.read("Categories.dat").find("\"Joe's \"\"Best\"\" Bait\"\r\n"), std::string::npos);

    // And the planner lists them so after a restart.
    closeByCloseBox();
    open();
    for (const char* name : names) {
        const int32_t index = EZ_FINDNEXT(kForm, kProfile, name, 0);
        ASSERT_GE(index, 0) << name;
        eztest::ChooseItem(kForm, kProfile, index);
        EXPECT_EQ(text(kProfile), name);
        EXPECT_EQ(text(MonthField(12)), "11.0") << "Florists' December";
    }
}

TEST_F(ProfileEditor, AFullStoreRefusesANewProfileAndStillDeletes) {
    // "None" and 500 profiles: every row is in use.
    ProfileStore full;
    full.rows[0].name = "None";
    for (int row = 1; row < kProfileRows; ++row) {
        auto& profile = full.rows[static_cast<size_t>(row)];
        profile.name = "Profile " + FormatNumber(row, "000");
        profile.percentages.fill(8.0F);
        profile.percentages[11] = 12.0F;
    }
    data.write("Categories.dat", ProfileFileText(full));
    open();
    choose(kProfile, "Profile 250");
    answerNextDialog(1); // the maximum reached
    answerNextDialog(1); // yes, delete
    edit([] {
        click(kSaveNewRadio);
        typeName("Zebra Stores");
        click(kOkButton);
        EXPECT_TRUE(eztest::FormExists(kEditor));
        click(kDeleteRadio);
        click(kOkButton);
    });
    EXPECT_FALSE(editorLeftOpen);
    ASSERT_EQ(asked.size(), 2U);
    EXPECT_EQ(asked[0].title, "Unable To Add New Category");
    EXPECT_EQ(asked[0].text1, "You have reached the maximum of 500 categories.{f10}");
    EXPECT_EQ(asked[0].text2, "");

    const ProfileStore onDisk = fileProfiles();
    EXPECT_EQ(ProfilesInUse(onDisk), 500);
    EXPECT_EQ(onDisk.rows[250].name, "Profile 251");
    EXPECT_EQ(onDisk.rows[499].name, "Profile 500");
    EXPECT_EQ(FindProfileIgnoringCase(onDisk, "Zebra Stores"), -1);
    EXPECT_EQ(FindProfileIgnoringCase(Profiles(), "Profile 250"), -1);
    EXPECT_EQ(Profiles().rows[500].name, "");

    // The freed row takes a new profile.
    choose(kProfile, "Profile 001");
    edit([] {
        click(kSaveNewRadio);
        typeName("Zebra Stores");
        click(kOkButton);
    });
    EXPECT_EQ(fileProfiles().rows[500].name, "Zebra Stores");
    EXPECT_EQ(Plan().ProfileIndex, 500);
}

TEST_F(ProfileEditor, ASaveThatFailsKeepsTheEditorOpenAndTheStoreAsOnDisk) {
    open();
    choose(kProfile, "Florists");
    enter(MonthField(2), "10.6");
    enter(MonthField(3), "6.7");
    const std::string storeBefore = ProfileFileText(Profiles());
    // Categories.dat cannot be replaced while a folder stands in its place.
    const auto file = data.path() / "Categories.dat";
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);

    for (int i = 0; i < 3; ++i)
        answerNextDialog(1); // "Business Profiles Not Saved"
    answerNextDialog(1);     // yes, delete
    edit([&] {
        click(kOkButton); // Update
        EXPECT_TRUE(eztest::FormExists(kEditor)) << "Update";
        EXPECT_EQ(ProfileFileText(Profiles()), storeBefore) << "Update";
        click(kSaveNewRadio);
        typeName("Garden Centers");
        click(kOkButton);
        EXPECT_TRUE(eztest::FormExists(kEditor)) << "Save as new";
        EXPECT_EQ(ProfileFileText(Profiles()), storeBefore) << "Save as new";
        click(kDeleteRadio);
        click(kOkButton);
        EXPECT_TRUE(eztest::FormExists(kEditor)) << "Delete";
        EXPECT_EQ(ProfileFileText(Profiles()), storeBefore) << "Delete";

        // Once the file can be written again, the same action goes through.
        std::filesystem::remove(file);
        click(kSaveNewRadio);
        click(kOkButton);
    });
    EXPECT_FALSE(editorLeftOpen);
    ASSERT_EQ(asked.size(), 4U);
    for (int i : {0, 1, 3})
        EXPECT_EQ(asked[static_cast<size_t>(i)].title, "Business Profiles Not Saved") << i;
    EXPECT_EQ(asked[2].title, "Delete This Profile?");

    ProfileStore expected = defaults;
    BusinessProfile added = defaults.rows[kFloristsRow];
    added.name = "Garden Centers";
    added.percentages[1] = 10.6F;
    added.percentages[2] = 6.7F;
    expected.rows[42] = added;
    SortProfiles(expected);
    EXPECT_EQ(data.read("Categories.dat"), ProfileFileText(expected));
    EXPECT_EQ(text(kProfile), "Garden Centers");
}

TEST_F(ProfileEditor, TheNameBoxMovesOnWithEnterAndIsTrimmedWhenLeft) {
    open();
    typeMonthsOfAHundred();
    edit([] {
        eztest::Focus(kEditor, kNameBox);
        eztest::Type(kEditor, kNameBox, "  Bakeries  ");
        eztest::Key(kEditor, kNameBox, Qt::Key_Return);
        EXPECT_TRUE(eztest::FormExists(kEditor));
        EXPECT_NE(EZ_GETFOCUSID(), kNameBox);
        EXPECT_EQ(editorText(kNameBox), "Bakeries");
        click(kCancelButton);
    });
}

TEST_F(ProfileEditor, WithSetSelTheCaretGoesAfterTheNameInsteadOfSelectingIt) {
    for (const char* setSel : {"0", "1"}) {
        SCOPED_TRACE(setSel);
        setting("Options", "SetSel", setSel);
        open();
        typeMonthsOfAHundred();
        std::string selected = "?";
        edit([&selected] {
            typeName("Bakeries");
            eztest::Focus(kEditor, kOkButton);
            eztest::Focus(kEditor, kNameBox, Qt::TabFocusReason); // Tab selects the whole text
            selected =
                qobject_cast<QLineEdit*>(eztest::Widget(kEditor, kNameBox))->selectedText().toStdString();
            click(kCancelButton);
        });
        EXPECT_EQ(selected, std::string(setSel) == "1" ? "" : "Bakeries");
        resetWindows();
    }
}

TEST_F(ProfileEditor, F1AndHelpOpenTheEditorsHelpPage) {
    SetHelpFolder(qEnvironmentVariable("QUILLMARK_SOURCE_DIR").toStdString() + "/assets/Help/");
    const std::string editorPage = HelpPageForContext(editor::kHelpTopic);
    ASSERT_FALSE(editorPage.empty());
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"F1", [] { eztest::PressShortcut(kEditor, QKeySequence(Qt::Key_F1)); }},
        {"Help", [] { click(editor::kHelpButton); }},
    };
    open();
    choose(kProfile, "Florists");
    for (const auto& [way, press] : ways) {
        SCOPED_TRACE(way);
        std::string shown;
        edit([&shown, press = press] {
            int32_t contents = kHelpShowContents, none = 0;
            GETHELP(contents, none); // another page first
            press();
            shown = CurrentHelpViewer()->browser()->currentTarget().toStdString();
            EXPECT_TRUE(eztest::FormExists(kEditor));
            click(kCancelButton);
        });
        EXPECT_EQ(shown, editorPage);
    }
    delete CurrentHelpViewer();
}

} // namespace
