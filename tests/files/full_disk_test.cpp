// SPDX-License-Identifier: GPL-3.0-or-later
// Every writer of the program on a disk that is really full (a small tmpfs): each reports the
// failure with the system's reason and leaves every file on the disk byte for byte as it was, with
// no temporary file behind. Where a tmpfs cannot be mounted the whole program is skipped.
#include "app/files/safe_file.h"
#include "app/settings/settings_file.h"
#include "plan/profile_file.h"
#include "report/page_render.h"
#include "report/proposal_csv.h"

#include "tests/report/proposal_fixture.h"
#include "tests/support/full_disk.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <functional>

namespace {

const std::string kOldSettings = "[Info]\r\nClient=Old Client\r\nBudget=1000\r\n[Window]\r\nLastCol=5\r\n";

QString Q(const std::string& path) {
    return QString::fromStdString(path);
}

struct Writer {
    const char* what;
    std::size_t room; // bytes left free: 0 a full disk, more a disk that fills part way through
    std::function<FileResult(const FullDisk&)> write;
};

const std::vector<Writer> kWriters = {
    {"one setting (PutIni)", 0,
     [](const FullDisk& d) {
         return PutIniChecked(d.file("QMK.ini"), "Info", "Client", "New Client")
                    ? FileResult{}
                    : FileResult::Failed("PutIniChecked gave false");
     }},
    {"settings written together", 0,
     [](const FullDisk& d) {
         SettingsBatch batch(d.file("QMK.ini"));
         PutIni(d.file("QMK.ini"), "Info", "Client", "New Client");
         PutIni(d.file("QMK.ini"), "Window", "LastCol", "9");
         return batch.Commit() ? FileResult{} : FileResult::Failed(batch.Reason());
     }},
    {"the Business Profiles", 0,
     [](const FullDisk& d) {
         ProfileStore store;
         ResetToDefaultProfiles(store);
         return SaveProfiles(store, Q(d.file("Categories.dat")));
     }},
    {"a PDF on a disk that fills part way", 8192,
     [](const FullDisk& d) { return WriteProposalPdf(RecordProposal(FloristsPlan()), Q(d.file("plan.pdf"))); }},
    {"the monthly table as CSV", 0,
     [](const FullDisk& d) {
         return WriteFileAtomically(Q(d.file("table.csv")), ProposalCsv(FloristsPlan()));
     }},
};

TEST(FullDisk, EveryWriterKeepsTheOldFileAndSaysWhy) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.what);
        std::string why;
        const auto disk = FullDisk::Mount(256 * 1024, &why);
        if (!disk) GTEST_SKIP() << why;
        disk->write("QMK.ini", kOldSettings);
        disk->write("Categories.dat",
                    "\"None\"\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
        disk->write("plan.pdf", "%PDF-1.4 an older proposal");
        disk->write("table.csv", "Month,Base\r\nlast week,1.00\r\n");
        disk->Fill(writer.room);
        const auto before = disk->Snapshot();

        const FileResult result = writer.write(*disk);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_EQ(disk->Snapshot(), before);
    }
}

TEST(FullDisk, ThePdfCommandFailsAndKeepsTheOldPdf) {
    std::string why;
    const auto disk = FullDisk::Mount(256 * 1024, &why);
    if (!disk) GTEST_SKIP() << why;
    const std::string plan = disk->write(
        "plan.ini", "[Info]\r\nClient=Bloom\r\nStation=WQMK\r\nSalesrep=Pat\r\nPresentDate=2458428\r\n"
                    "StartMonth=November\r\nYear=2458428\r\nBudget=12000\r\nRate=50\r\nProfile=Florists\r\n");
    disk->write("Categories.dat", "");
    std::filesystem::remove(disk->path() / "Categories.dat"); // made from the built-in table at start
    const std::string oldPdf = "%PDF-1.4 last week's proposal";
    disk->write("plan.pdf", oldPdf);
    disk->Fill(8192); // room for the profiles, not for the PDF

    QProcess quillmark;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLMARK_HOME"), Q(disk->path().string()));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    quillmark.setProcessEnvironment(environment);
    quillmark.start(qEnvironmentVariable("QUILLMARK_PROGRAM"),
                    {QStringLiteral("--pdf"), Q(disk->file("plan.pdf")), QStringLiteral("--plan"), Q(plan)});
    ASSERT_TRUE(quillmark.waitForFinished(60000));
    const std::string said = quillmark.readAllStandardError().toStdString();
    EXPECT_EQ(quillmark.exitCode(), 1) << said;
    EXPECT_EQ(said, "quillmark: cannot write " + disk->file("plan.pdf") + ": No space left on device\n");
    EXPECT_EQ(disk->read("plan.pdf"), oldPdf);
}

} // namespace
