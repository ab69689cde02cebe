// SPDX-License-Identifier: GPL-3.0-or-later
// Plan > Export Monthly Table... on the real planner window: the table of the window's plan in the
// file the user chose, and the notices for a plan not ready and a file that cannot be written.
#include "msgbox/message_dialog.h"
#include "msgbox/message_dialog_state.h"
#include "report/proposal_csv.h"
#include "tests/report/modal_answer.h"
#include "tests/report/planner_print_fixture.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace qm;

namespace {

class ExportFromPlanner : public PlannerPrintFixture {
  protected:
    QString path(const char* name) const { return QString::fromStdString(data.file(name)); }

    // Answers the save dialog with a file name, as typed and saved.
    static void WillChoose(const QString& file) {
        WhenModal<QFileDialog>([file](QFileDialog* dialog) {
            if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        });
    }

    // Runs the command and returns the notice it showed (an empty title when none).
    static MessageDialogState Export() {
        MessageDialogState shown;
        eztest::OnModal(kMessageDialogForm, [&] {
            shown = MessageDialog();
            EZ_UNLOADFORM(kMessageDialogForm);
        });
        eztest::ClickMenu(kForm, kMenuExportTable);
        return shown;
    }
};

TEST_F(ExportFromPlanner, WritesTheWindowsPlanWhereTheUserChose) {
    open();
    enter(kBudget, "24000");
    WillChoose(path("for the client"));
    EXPECT_EQ(Export().title, "");
    const std::string csv = data.read("for the client.csv"); // the dialog adds the suffix
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFMonth,Base,Events,Total,Base ads,Events ads,Percent\r\n", 0), 0u);
    // Florists from November 2018: 65 % of $24,000 over twelve months, at $50 an ad.
    EXPECT_NE(csv.find("\r\nNOV '18,1300.00,0.00,1300.00,27,,7.5\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nGrand total,,,24000.00,,,\r\n"), std::string::npos) << csv;
}

TEST_F(ExportFromPlanner, AFileThatCannotBeWrittenIsToldAndAPlanNotReadyIsNotExported) {
    open();
    WillChoose(path("missing folder/table.csv"));
    MessageDialogState shown = Export();
    EXPECT_EQ(shown.title, "Monthly Table Not Exported");
    EXPECT_EQ(shown.text1, "The monthly table could not be written: No such file or directory.");
    EXPECT_FALSE(QFileInfo::exists(path("missing folder")));

    enter(kSalesrep, "");
    shown = Export(); // no file dialog: the plan is refused first
    EXPECT_EQ(shown.title, "Monthly Table Not Exported");
    EXPECT_EQ(shown.text1, "The plan cannot be exported yet: the salesrep is empty.");
}

} // namespace
