// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program looks for its data and its assets, for each way it can be laid out on disk:
// an installed copy (bin/ and share/quillmark/), a portable copy, and QUILLMARK_HOME.
#include "app/shell/app_paths.h"
#include "tests/support/temp_folder.h"

#include <QByteArray>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

// Sets (or unsets) an environment variable for one test and puts the old value back after.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name).toStdString();
        if (value)
            qputenv(name, QByteArray::fromStdString(*value));
        else
            qunsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            qputenv(name_, QByteArray::fromStdString(*old_));
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string Slashed(const fs::path& folder) {
    return fs::weakly_canonical(folder).string() + "/";
}

struct Layout {
    const char* what;
    bool assetsBesideProgram;   // History.rtf and Help/ in the program folder
    bool assetsInShare;         // History.rtf and Help/ in ../share/quillmark
    bool homeSet;               // QUILLMARK_HOME names a folder of its own
    const char* expectedData;   // "home", "program" or "user"
    const char* expectedAssets; // "program" or "share"
};

class AppPathsLayout : public ::testing::TestWithParam<Layout> {};

TEST_P(AppPathsLayout, FindsDataAndAssetsFolders) {
    const Layout& layout = GetParam();
    TempFolder root;
    const fs::path program = root.path() / "usr" / "bin";
    const fs::path share = root.path() / "usr" / "share" / "quillmark";
    const fs::path userData = root.path() / "xdg-data";
    const fs::path home = root.path() / "chosen home";
    fs::create_directories(program);
    auto putAssets = [](const fs::path& folder) {
        fs::create_directories(folder / "Help");
        std::FILE* f = std::fopen((folder / "History.rtf").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fclose(f);
    };
    if (layout.assetsBesideProgram) putAssets(program);
    if (layout.assetsInShare) putAssets(share);

    ScopedEnv dataHome("XDG_DATA_HOME", userData.string());
    ScopedEnv chosenHome("QUILLMARK_HOME", layout.homeSet ? std::optional(home.string()) : std::nullopt);
    ComputePaths(program.string() + "/");

    const std::string data = layout.expectedData == std::string("home") ? Slashed(home)
                             : layout.expectedData == std::string("program")
                                 ? Slashed(program)
                                 : Slashed(userData / "Quillmark");
    const std::string assets =
        layout.expectedAssets == std::string("share") ? Slashed(share) : Slashed(program);
    EXPECT_EQ(Slashed(Paths().dataFolder), data);
    EXPECT_TRUE(fs::is_directory(data)) << "the data folder is created when missing";
    EXPECT_EQ(Paths().settingsFile, Paths().dataFolder + "QMK.ini");
    EXPECT_EQ(Slashed(Paths().assetsFolder), assets);
    EXPECT_EQ(Paths().helpFile, Paths().assetsFolder + "Help/index.html");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AppPathsLayout,
    ::testing::Values(Layout{"installed", false, true, false, "user", "share"},
                      Layout{"portable", true, false, false, "program", "program"},
                      Layout{"portable_beats_share", true, true, false, "program", "program"},
                      Layout{"installed_with_home", false, true, true, "home", "share"},
                      Layout{"portable_with_home", true, false, true, "home", "program"},
                      Layout{"no_assets_anywhere", false, false, false, "user", "program"}),
    [](const ::testing::TestParamInfo<Layout>& param) { return std::string(param.param.what); });

} // namespace
