// SPDX-License-Identifier: GPL-3.0-or-later
// The built program itself, started as a user starts it, over a data folder of its own: the
// automatic check at start-up against nginx on the days the date is set to (offscreen); the offer
// answered from the keyboard on a virtual X display (Xvfb, xdotool), after which the program
// downloads and ends; and the updater's "/update" argument read from the real command line. The
// clean-up after the check deletes kelvup.exe, which tells the test that the start-up work is over
// (a dialog shown during the check would hold it back).
#include "nginx_server.h"
#include "program_run.h"

#include "app/settings/settings_file.h"
#include "dates/dates.h"
#include "tests/support/temp_folder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

using e2e::kStartUpLimitMs;
using e2e::ProgramRun;
using e2e::VirtualDisplay;
using e2e::WaitFor;

std::string IsoDate(int32_t dayNumber) {
    int32_t month = 0, day = 0, year = 0;
    DateFromJulian(dayNumber, month, day, year);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string UpdateKey(const TempFolder& data, const std::string& key) {
    return GETINI(data.file("QMK.ini"), "Update", key, "<missing>");
}

TEST(Program, ChecksAtStartUpOnTheFirstDayAndAgainOnTheEleventh) {
    NginxServer nginx;
    ASSERT_EQ(nginx.failure(), "");
    nginx.serve("QMKVersion.txt", nginx.host() + " /files/QuillmarkSetup.deb QuillmarkSetup.deb\n3.0.0.0");
    TempFolder data;
    const int32_t first = JulianFromDate(12, 28, 2025); // the eleven days run into the next year
    struct Start {
        int32_t day;
        int versionRequests; // after this start
        int32_t lastCheck;
    };
    const Start starts[] = {{first, 1, first + 10}, {first + 10, 1, first + 10}, {first + 11, 2, first + 21}};
    for (const Start& start : starts) {
        SCOPED_TRACE(IsoDate(start.day));
        data.write("kelvup.exe", "MZ updater");
        ProgramRun run(data, IsoDate(start.day), nginx.address("/QMKVersion.txt"), {});
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(
            WaitFor([&] { return !std::filesystem::exists(data.path() / "kelvup.exe"); }, kStartUpLimitMs))
            << "the start-up did not finish: " << run.output();
        EXPECT_TRUE(run.running()); // up to date: the program goes on, nothing downloaded
        EXPECT_EQ(nginx.requestsFor("/QMKVersion.txt"), start.versionRequests);
        EXPECT_EQ(UpdateKey(data, "LastCheck"), std::to_string(start.lastCheck));
    }
    EXPECT_EQ(nginx.requestsFor("/files/QuillmarkSetup.deb"), 0);
}

// The offer at start-up answered from the keyboard on a real display: Yes (the default button)
// downloads the installer from nginx into the data folder, records it, and the program ends.
TEST(Program, YesToTheStartUpOfferDownloadsTheInstallerAndEndsTheProgram) {
    NginxServer nginx;
    ASSERT_EQ(nginx.failure(), "");
    std::string installer(200000, '\0');
    for (std::size_t i = 0; i < installer.size(); ++i)
        installer[i] = static_cast<char>((i * 31 + i / 97) & 0xFF);
    nginx.serve("QMKVersion.txt", nginx.host() + " /files/QuillmarkSetup.deb QuillmarkSetup.deb\n3.1.0.0");
    nginx.serve("files/QuillmarkSetup.deb", installer);
    VirtualDisplay display;
    ASSERT_NE(display.name(), "") << "Xvfb did not start";
    TempFolder data;

    ProgramRun run(data, "2025-03-10", nginx.address("/QMKVersion.txt"), {}, display.name());
    ASSERT_TRUE(run.started());
    std::string xdotoolLog;
    ASSERT_TRUE(display.focusWindow("New Version Available", xdotoolLog)) << xdotoolLog << run.output();
    ASSERT_TRUE(display.pressKey("Return", xdotoolLog)) << xdotoolLog;
    ASSERT_TRUE(run.finished(kStartUpLimitMs)) << "the program did not end: " << run.output();
    EXPECT_TRUE(run.exitedNormally());
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(nginx.requestsFor("/files/QuillmarkSetup.deb"), 1);
    EXPECT_TRUE(data.read("QuillmarkSetup.deb") == installer) << "the stored installer differs";
    EXPECT_EQ(UpdateKey(data, "Install"), data.path().string() + "/QuillmarkSetup.deb");
    EXPECT_EQ(UpdateKey(data, "NewVer"), "3.1.0.0");
    EXPECT_EQ(UpdateKey(data, "Failed"), "1");
}

TEST(Program, TheUpdatersArgumentIsReadFromTheCommandLineExactly) {
    struct Case {
        const char* argument;
        const char* newVerAfter; // "/update" takes the version and clears the key
    };
    const Case cases[] = {{"/update", ""}, {"/UPDATE", "3.1.0.0"}, {"update", "3.1.0.0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        TempFolder data;
        const std::string settings = data.file("QMK.ini");
        PutIni(settings, "Update", "LastCheck", "99999999");
        PutIni(settings, "Update", "NewVer", "3.1.0.0");
        PutIni(settings, "Update", "Failed", "1");
        ProgramRun run(data, "2025-03-10", "http://127.0.0.1:9/QMKVersion.txt",
                       {QString::fromLatin1(c.argument)});
        ASSERT_TRUE(run.started());
        // "Failed" is reset before either notice is shown; the notice then waits for the user.
        ASSERT_TRUE(WaitFor([&] { return UpdateKey(data, "Failed") == "0"; }, kStartUpLimitMs))
            << run.output();
        EXPECT_EQ(UpdateKey(data, "NewVer"), c.newVerAfter);
    }
}

} // namespace
