// SPDX-License-Identifier: GPL-3.0-or-later
// main() for tests without a QApplication; a run whose tests were all skipped reports itself so.
#include "tests/support/skip_status.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return TestExitCode(RUN_ALL_TESTS());
}
