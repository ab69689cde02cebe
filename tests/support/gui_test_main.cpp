// SPDX-License-Identifier: GPL-3.0-or-later
// main() for tests that need a QApplication. The offscreen platform is chosen unless the
// caller asked for another one (an X display in an end-to-end run, say). A run whose tests were
// all skipped reports itself so.
#include "tests/support/skip_status.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return TestExitCode(RUN_ALL_TESTS());
}
