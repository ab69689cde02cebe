// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real planner window on the offscreen platform over a data folder of its own, with the
// program's dispatchers, so that the update check runs from the planner's menu and its started
// event as in the program. Dialogs are answered by scripts; a dialog that no script expects is
// closed by a watchdog and fails the test, so that nothing waits forever.
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "tests/support/temp_folder.h"

#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// What a message dialog showed, as the caller described it.
struct ShownDialog {
    std::string title, text1, text2, buttons;
};

// Records the addresses given to the desktop's URL opener instead of opening a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    std::vector<std::string> opened;
  public Q_SLOTS:
    void open(const QUrl& url) { opened.push_back(url.toString().toStdString()); }
};

class UpdateWindowTest : public ::testing::Test {
  protected:
    TempFolder data;
    TempFolder assets;
    UrlRecorder urls;
    std::vector<ShownDialog> dialogs; // every message dialog answered by a script, in order
    bool strayDialog = false;         // the watchdog had to close a dialog nobody expected

    void SetUp() override;
    void TearDown() override;

    // Answers the next message dialog with the button, after recording what it showed.
    void answer(int32_t button);
    // Opens the planner; its started event runs the automatic check and the post-update notices.
    void openPlanner();
    void closePlanner();
    // Closes the planner and forgets what the update check keeps for one run of the program.
    void endRun();
    static void chooseCheckForUpdate() { eztest::ClickMenu(qm::kForm, qm::kMenuUpdate); }
    static bool plannerOpen() { return eztest::FormExists(qm::kForm); }
    static bool plannerVisible();

    // Stores a last check so far ahead that no automatic check is due.
    void noAutomaticCheck();
    void setting(const std::string& key, const std::string& value) {
        PutIni(Paths().settingsFile, "Update", key, value);
    }
    std::string setting(const std::string& key) const {
        return GETINI(Paths().settingsFile, "Update", key, "<missing>");
    }
    // The names in the data folder, sorted.
    std::vector<std::string> dataFiles() const;

  private:
    QTimer watchdog_;
};

// A version file naming the installer on `host` and the latest version as its last line.
std::string VersionFile(const std::string& host, const std::string& fileName, const std::string& latest);
// Bytes of every value, in an order that shows shifted or dropped blocks.
std::string Pattern(std::size_t size);
