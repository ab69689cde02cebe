// SPDX-License-Identifier: GPL-3.0-or-later
// Plan > Send Proposal by E-mail... on the real planner window, with a recording stand-in for
// xdg-email first on PATH: what the mail program is given, and what the user is told and offered
// when there is no mail program.
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "tests/report/modal_answer.h"
#include "tests/report/pdf_text.h"
#include "tests/report/planner_print_fixture.h"

#include <QFileDialog>
#include <QFileInfo>

#include <filesystem>
#include <sstream>

using namespace qm;

namespace {

// Writes each argument on a line of its own to $QM_MAIL_RECORD and answers $QM_MAIL_EXIT.
constexpr const char* kStandIn =
    "#!/bin/sh\n"
    "for argument in \"$@\"; do printf '%s\\n' \"$argument\"; done > \"$QM_MAIL_RECORD\"\n"
    "exit \"${QM_MAIL_EXIT:-0}\"\n";

class MailFromPlanner : public PlannerPrintFixture {
  protected:
    TempFolder tools;
    QByteArray oldPath = qgetenv("PATH");

    void SetUp() override {
        PlannerPrintFixture::SetUp();
        qputenv("QM_MAIL_RECORD", QByteArray::fromStdString(tools.file("record.txt")));
    }
    void TearDown() override {
        qputenv("PATH", oldPath);
        qunsetenv("QM_MAIL_EXIT");
        qunsetenv("QM_MAIL_RECORD");
        PlannerPrintFixture::TearDown();
    }

    // The stand-in first on PATH, answering `exitCode`.
    void installStandIn(int exitCode) {
        std::filesystem::create_directories(tools.path() / "bin");
        tools.write("bin/xdg-email", kStandIn);
        std::filesystem::permissions(tools.path() / "bin/xdg-email", std::filesystem::perms::owner_all);
        qputenv("PATH", QByteArray::fromStdString((tools.path() / "bin").string()) + ":" + oldPath);
        qputenv("QM_MAIL_EXIT", QByteArray::number(exitCode));
    }

    std::vector<std::string> recorded() const {
        std::vector<std::string> lines;
        std::istringstream text(tools.read("record.txt"));
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    // Sends by the menu; returns the message dialog shown, answered with `button` (1, 2, ...).
    static MessageDialogState Send(int32_t button = 0) {
        MessageDialogState shown;
        eztest::OnModal(kMessageDialogForm, [&] {
            shown = MessageDialog();
            if (button > 0)
                eztest::Click(kMessageDialogForm, ButtonId(button));
            else
                EZ_UNLOADFORM(kMessageDialogForm);
        });
        eztest::ClickMenu(kForm, kMenuSendByEmail);
        return shown;
    }
};

TEST_F(MailFromPlanner, TheMailProgramGetsThePdfAndTheSubject) {
    installStandIn(0);
    open();
    EXPECT_EQ(Send().title, "");
    const std::vector<std::string> arguments = recorded();
    ASSERT_EQ(arguments.size(), 5u) << tools.read("record.txt");
    EXPECT_EQ(arguments[0], "--utf8");
    EXPECT_EQ(arguments[1], "--subject");
    EXPECT_EQ(arguments[2], "Yearly Proposal for Bloom & Petal");
    EXPECT_EQ(arguments[3], "--attach");
    const std::filesystem::path pdf = arguments[4];
    EXPECT_EQ(pdf.filename(), "Yearly Proposal.pdf");
    EXPECT_EQ(std::filesystem::status(pdf.parent_path()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all); // a folder only the user can open
    EXPECT_NE(PdfText(QString::fromStdString(pdf.string())).find("Yearly Proposal for Bloom & Petal"),
              std::string::npos);
    std::filesystem::remove_all(pdf.parent_path());
}

TEST_F(MailFromPlanner, WithoutAMailProgramTheUserIsToldAndOfferedSaveAsPdf) {
    struct Case {
        const char* what;
        int exitCode; // -1: no xdg-email at all
        const char* reason;
    };
    const Case cases[] = {
        {"no mail program configured", 3, "no mail program is set up"},
        {"the mail program failed", 4, "no mail program is set up"},
        {"no xdg-email", -1, "the desktop's mail helper xdg-email is not installed"},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.exitCode >= 0)
            installStandIn(c.exitCode);
        else
            qputenv("PATH", QByteArray::fromStdString(tools.path().string()) + "/nothing");
        const MessageDialogState shown = Send(2); // Cancel
        EXPECT_EQ(shown.title, "No Mail Program");
        EXPECT_EQ(shown.text1,
                  std::string("The proposal could not be handed to a mail program: ") + c.reason + ".");
    }

    // Save as PDF takes the user to the save dialog, and the proposal goes where they choose.
    const QString saved = QString::fromStdString(data.file("for the client.pdf"));
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
        dialog->selectFile(saved);
        static_cast<QDialog*>(dialog)->accept();
    });
    installStandIn(3);
    EXPECT_EQ(Send(1).title, "No Mail Program");
    ASSERT_TRUE(QFileInfo::exists(saved));
    EXPECT_NE(PdfText(saved).find("Yearly Proposal for Bloom & Petal"), std::string::npos);
}

TEST_F(MailFromPlanner, APlanNotReadyIsNotSent) {
    installStandIn(0);
    open();
    enter(kClient, "");
    const MessageDialogState shown = Send();
    EXPECT_EQ(shown.title, "Proposal Not Sent");
    EXPECT_EQ(shown.text1, "The plan cannot be sent yet: the client is empty.");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(tools.file("record.txt"))));
}

} // namespace
