// SPDX-License-Identifier: GPL-3.0-or-later
// Categories.dat that the program cannot use at start: the user is told once, the built-in profiles
// serve, and the file is replaced only when the user agrees to it. Profiles past the 500 that can be
// used are told and kept.
#include "tests/editor/editor_session.h"

#include <filesystem>
#include <sys/stat.h>

using namespace qm;
using namespace editor;

namespace {

constexpr int kFloristsRow = 22;

class ProfileFileGuard : public EditorSession {
  protected:
    // A file of the user's that starts with a row whose name is empty: no profile can be read.
    const std::string unusable = "\"\"\r\n1\r\n2\r\n\"My Shop\"\r\n";

    void changeFlorists() {
        choose(kProfile, "Florists");
        enter(MonthField(2), "10.6");
        enter(MonthField(3), "6.7");
        ASSERT_EQ(text(kTotal), "100.0");
    }
};

TEST_F(ProfileFileGuard, AnUnusableFileIsToldAtStartAndReplacedOnlyWhenTheUserAgrees) {
    data.write("Categories.dat", unusable);
    answerNextDialog(1); // "Business Profiles Not Read"
    open();
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].title, "Business Profiles Not Read");
    EXPECT_NE(asked[0].text1.find(data.file("Categories.dat") + " could not be read: it holds no Business Profile"),
              std::string::npos)
        << asked[0].text1;
    EXPECT_EQ(EZ_FINDNEXT(kForm, kProfile, "Florists", 0), kFloristsRow); // the built-in ones serve

    changeFlorists();
    answerNextDialog(2); // No: keep my file
    answerNextDialog(1); // Yes: replace it
    edit([&] {
        click(kOkButton);
        EXPECT_TRUE(eztest::FormExists(kEditor));
        EXPECT_EQ(data.read("Categories.dat"), unusable);
        click(kOkButton);
    });
    EXPECT_FALSE(editorLeftOpen);
    ASSERT_EQ(asked.size(), 3U);
    EXPECT_EQ(asked[1].title, "Replace Business Profiles?");
    EXPECT_EQ(asked[1].defaultButton, 2);
    EXPECT_EQ(fileProfiles().rows[kFloristsRow].percentages[1], 10.6F);
}

TEST_F(ProfileFileGuard, AFifoInTheFilesPlaceNeitherBlocksTheStartNorIsReplaced) {
    ASSERT_EQ(::mkfifo(data.file("Categories.dat").c_str(), 0600), 0);
    answerNextDialog(1); // "Business Profiles Not Read"
    open();
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_NE(asked[0].text1.find("pipe"), std::string::npos) << asked[0].text1;
    EXPECT_EQ(std::filesystem::status(data.path() / "Categories.dat").type(), std::filesystem::file_type::fifo);
}

TEST_F(ProfileFileGuard, ARebuildReplacesAnUnusableFileWithoutAskingTwice) {
    data.write("Categories.dat", unusable);
    answerNextDialog(1); // "Business Profiles Not Read"
    open();
    answerNextDialog(1); // Yes to the rebuild's own warning
    answerNextDialog(1); // "Operation Complete"
    eztest::ClickMenu(kForm, kMenuRebuild);
    ASSERT_EQ(asked.size(), 3U);
    EXPECT_EQ(asked[1].title, "Rebuild All Business Profiles");
    EXPECT_EQ(ProfilesInUse(fileProfiles()), 42);
}

TEST_F(ProfileFileGuard, MoreThan500ProfilesAreToldAndTheRestKeptBySaves) {
    std::string text;
    for (int row = 0; row < 600; ++row) {
        text += "\"P" + std::to_string(1000 + row) + "\"\r\n";
        for (int month = 0; month < 12; ++month)
            text += (month == 0 ? "100" : "0") + std::string("\r\n");
    }
    data.write("Categories.dat", text);
    answerNextDialog(1); // "Too Many Business Profiles"
    open();
    ASSERT_EQ(asked.size(), 1U);
    EXPECT_EQ(asked[0].title, "Too Many Business Profiles");

    choose(kProfile, "P1002");
    answerNextDialog(1); // yes, delete
    edit([&] {
        click(kDeleteRadio);
        click(kOkButton);
    });
    const std::string saved = data.read("Categories.dat");
    EXPECT_EQ(saved.find("\"P1002\""), std::string::npos);
    EXPECT_NE(saved.find("\"P1599\""), std::string::npos);
}

} // namespace
