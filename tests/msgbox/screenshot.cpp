// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the question asked before the built-in profiles are restored and saves a picture of the
// dialog, for the documentation and for a person to look at. Run it under a real X display,
// with a window manager for the window's frame and caption:
//   xvfb-run -a sh -c 'openbox & sleep 1; msgbox_screenshot docs/rebuild-question.png'
#include "plan/planner_profiles.h"
#include "tests/msgbox/dialog_alone.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QtTest/QTest>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    InstallDialogAlone();

    bool saved = false;
    eztest::OnModal(kMessageDialogForm, [&] {
        QWidget* window = eztest::Window(kMessageDialogForm);
        // Give a window manager, when there is one, time to frame and paint the window.
        QTest::qWait(800);
        // The window with its frame when a window manager draws one, else the window alone.
        const QRect frame = window->frameGeometry();
        QPixmap shot = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (shot.isNull()) shot = window->grab();
        saved = shot.save(output, "PNG");
        EZ_UNLOADFORM(kMessageDialogForm);
    });
    RebuildProfiles(); // asks, and does nothing more once the dialog is closed without Yes
    if (!saved) {
        std::fprintf(stderr, "could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
