// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a plan on a full disk leaves the old plan file byte for byte and tells why. Needs a
// small tmpfs (root); elsewhere the whole program reports itself Not Run.
#include "plan/plan_file.h"
#include "tests/support/full_disk.h"

#include <gtest/gtest.h>

namespace {

TEST(PlanFullDisk, ASaveThatDoesNotFitLeavesTheOldPlan) {
    std::string why;
    const auto disk = FullDisk::Mount(64 * 1024, &why);
    if (!disk) GTEST_SKIP() << why;
    PlanDocument plan;
    plan.profileName = "Test Shop";
    plan.months = {"8.0", "8.0", "8.0", "8.0", "10.0", "8.0", "8.0", "8.0", "8.0", "8.0", "8.0", "10.0"};
    const std::string old = *PlanFileBytes(plan, "");
    const std::string path = disk->write("a.qmplan", old);
    disk->Fill();

    plan.info = {{"Client", std::string(3000, 'x')}};
    const FileResult result = WritePlanFile(QString::fromStdString(path), plan);
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find("space"), std::string::npos) << result.reason;
    const auto files = disk->Snapshot();
    EXPECT_EQ(files.size(), 1u) << "no temporary file is left";
    EXPECT_EQ(disk->read("a.qmplan"), old);
}

} // namespace
