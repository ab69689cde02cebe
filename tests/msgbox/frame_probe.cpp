// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog's frame under a real window manager: the dialog asks for a close box only,
// the window manager offers neither maximising nor resizing, and the window is a dialog of its owner. Run
// under an X display with a window manager (frame_e2e.sh starts Openbox on Xvfb); the window manager's own
// view is read back with xprop.
#include "tests/msgbox/dialog_alone.h"

#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QStringList>
#include <QWidget>
#include <QtTest/QTest>

#include <cstdio>

namespace {

QString property(QWidget* window, const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()), QString::fromLatin1(name)});
    xprop.waitForFinished(5000);
    return QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
}

bool check(bool ok, const char* title, const char* what, const QString& seen = QString()) {
    std::printf("%s: %s %s %s\n", ok ? "ok" : "FAIL", title, what, qPrintable(seen));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallDialogAlone([](const std::string& form) {
        if (form == "OWNER") EZ_BUTTON(300, 1, 1, 8, 1.5F, "&Close", "T");
    });
    EZ_FORM("OWNER", "", "Owner", 0, 0, 30, 6, "C");
    eztest::Settle();

    struct Question {
        const char* owner; // "" for a notice before any window is open
        const char* title;
        const char* text;
        int32_t defaultButton;
    };
    const Question questions[] = {{"OWNER", "Delete This Profile?", "Delete the profile \"Bar\"?{f10}", 0},
                                  {"OWNER", "Changes Not Saved", "Save your changes?{f7}", 1},
                                  {"", "Business Profiles Not Saved", "Not saved.{f7}", 1}};
    bool allOk = true;
    for (const Question& q : questions) {
        eztest::OnModal(kMessageDialogForm, [&] {
            QWidget* window = eztest::Window(kMessageDialogForm);
            QTest::qWait(800); // the window manager frames and maps it
            const QString actions = property(window, "_NET_WM_ALLOWED_ACTIONS");
            const QString type = property(window, "_NET_WM_WINDOW_TYPE");
            const QString owner = property(window, "WM_TRANSIENT_FOR");
            const char* title = q.title;
            allOk &= check(actions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")), title,
                           " can be closed: ", actions);
            allOk &= check(!actions.contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE")), title,
                           " offers no maximise");
            // What the dialog asks of every window manager (KWin and Mutter follow it): close and
            // move only, a title and a close box. Openbox keeps its own minimise box on every
            // window whatever it is asked, so its allowed actions are not asked for that.
            const QStringList motif =
                property(window, "_MOTIF_WM_HINTS").section(QLatin1Char('='), 1).split(QLatin1Char(','));
            const uint functions = motif.size() >= 3 ? motif[1].trimmed().toUInt(nullptr, 16) : 0xFFFF;
            const uint decorations = motif.size() >= 3 ? motif[2].trimmed().toUInt(nullptr, 16) : 0xFFFF;
            constexpr uint kFuncMinimize = 0x8, kFuncMaximize = 0x10, kFuncClose = 0x20;
            constexpr uint kDecorMinimize = 0x20, kDecorMaximize = 0x40;
            allOk &=
                check((functions & (kFuncMinimize | kFuncMaximize)) == 0 && (functions & kFuncClose) != 0,
                      title, " asks for close and no minimise or maximise: ", motif.join(QLatin1Char(',')));
            allOk &= check((decorations & (kDecorMinimize | kDecorMaximize)) == 0, title,
                           " asks for no minimise or maximise box");
            allOk &= check(!actions.contains(QStringLiteral("_NET_WM_ACTION_RESIZE")), title,
                           " offers no resizing");
            allOk &= check(type.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG")), title,
                           " is a dialog: ", type);
            if (q.owner[0] != '\0')
                allOk &= check(owner.contains(QStringLiteral("window id")), title,
                               " belongs to its owner: ", owner);
            EZ_UNLOADFORM(kMessageDialogForm);
        });
        MarkupMessageBox(q.owner, q.title, q.text, "", "", "*{G,f7}|&Yes|&No", "", q.defaultButton, "C");
    }
    EZ_UNLOADFORM("OWNER");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return allOk ? 0 : 1;
}
