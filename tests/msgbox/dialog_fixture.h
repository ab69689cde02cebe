// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows the real message dialog on the offscreen platform, with the program's fonts, and
// answers it from a script that runs once it has started. A host form "HOST" with a Save button
// stands in for a form that asks before it closes.
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"

#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

#include <functional>
#include <string>

inline const std::string kDialog = kMessageDialogForm;
inline const std::string kHost = "HOST";
inline constexpr int32_t kHostSave = 300, kHostClose = 305;

class MessageDialogTest : public ::testing::Test {
  public:
    int designs = 0;       // how often the dialog was designed (opened)
    bool leftOpen = false; // a script ended with the dialog still open
    std::function<void(int32_t id, int32_t message)> hostEvents;

    void SetUp() override {
        EZ_DEFFONT(6, "Segoe UI", 9.0F, "");
        EZ_DEFFONT(7, "Segoe UI", 9.0F, "B");
        EZ_DEFFONT(10, "Segoe UI", 10.0F, "B");
        eztest::Install(
            [this](const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
                if (form == kDialog) MessageDialogEvents(form, id, message, value, cancel);
                if (form == kHost && hostEvents) hostEvents(id, message);
            },
            [this](const std::string& form) {
                if (form == kDialog) {
                    ++designs;
                    DesignMessageDialog(form);
                }
                if (form == kHost) {
                    EZ_BUTTON(kHostSave, 1, 1, 8, 1.5F, "&Save", "T");
                    EZ_BUTTON(kHostClose, 10, 1, 8, 1.5F, "&Close", "T");
                }
            });
    }
    void TearDown() override { eztest::Reset(); }

    // Runs `script` inside the dialog once it has started. A dialog that the script leaves open
    // is unloaded so that the test goes on; `leftOpen` tells.
    void WhenShown(std::function<void()> script) {
        eztest::OnModal(kDialog, [this, script] {
            script();
            if (eztest::FormExists(kDialog)) {
                leftOpen = true;
                EZ_UNLOADFORM(kDialog);
            }
        });
    }

    static QWidget* Control(int32_t id) { return eztest::Widget(kDialog, id); }
    static bool IsStandardButton(int32_t id) {
        QWidget* w = Control(id);
        return w && std::string(w->metaObject()->className()) == "QPushButton";
    }
    // The dialog's client size in pixels.
    static QSize ClientPixels() {
        float width = 0, height = 0;
        EZ_GETSIZE(kDialog, width, height, 0);
        return {static_cast<int>(std::lround(width * 8)), static_cast<int>(std::lround(height * 16))};
    }
    static void PressOnFocused(Qt::Key key) { eztest::Key(kDialog, EZ_GETFOCUSID(), key); }
};
