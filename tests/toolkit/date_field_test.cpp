// SPDX-License-Identifier: GPL-3.0-or-later
// The date pickers on real widgets: one Tab leaves them, the arrow keys move between their parts,
// and a short year or a pasted date is read as the field is left.
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "tests/toolkit/event_recorder.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kDate = 240, kYear = 250, kAfter = 255;

class DateFieldTest : public EventRecorderTest {
  protected:
    DateFieldTest() {
        design = [](const std::string& form) {
            if (form != "D1") return;
            EZ_DATETIME(kDate, 1, 1, 11, 1.375F, "T{MM/DD/YYYY}");
            EZ_DATETIME(kYear, 1, 3, 6.5F, 1.375F, "TU{YYYY}");
            EZ_TEXT(kAfter, 1, 5, 10, 1.125F, "", "EST");
        };
    }
    void SetUp() override {
        EventRecorderTest::SetUp();
        EZ_FORM("D1", "", "Dates", 0, 0, 20, 7, "C");
        eztest::Settle();
        EZ_SETDATETIME("D1", kDate, 10, 16, 2018, 0, 0, 0);
        EZ_SETDATETIME("D1", kYear, 10, 16, 2018, 0, 0, 0);
    }
    static QDate shown(int32_t id) { return qobject_cast<QDateEdit*>(eztest::Widget("D1", id))->date(); }
    static QDateEdit* field(int32_t id) { return qobject_cast<QDateEdit*>(eztest::Widget("D1", id)); }
    // Focuses the field and selects the part at `section`, as a user clicking into it does.
    static void selectPart(int32_t id, int section) {
        eztest::Focus("D1", id);
        field(id)->setCurrentSectionIndex(section);
        field(id)->setSelectedSection(field(id)->sectionAt(section));
    }
};

TEST_F(DateFieldTest, AShortYearTypedInTheYearFieldIsReadWithThePivot) {
    const std::pair<const char*, int> cases[] = {
        {"19", 2019}, {"49", 2049}, {"50", 1950}, {"87", 1987}, {"2031", 2031}};
    for (const auto& [typed, year] : cases) {
        SCOPED_TRACE(typed);
        EZ_SETDATETIME("D1", kYear, 10, 16, 2018, 0, 0, 0);
        selectPart(kYear, 0);
        eztest::Type("D1", kYear, typed);
        eztest::Tab();
        EXPECT_EQ(shown(kYear), QDate(year, 10, 16));
        EXPECT_EQ(EZ_GETFOCUSID(), kAfter); // one Tab left the field
    }
}

TEST_F(DateFieldTest, AShortYearInTheDateFieldAndADatePastedInAnotherFormAreRead) {
    selectPart(kDate, 2);
    eztest::Type("D1", kDate, "19");
    eztest::Focus("D1", kAfter); // left by a click elsewhere
    EXPECT_EQ(shown(kDate), QDate(2019, 10, 16));

    QApplication::clipboard()->setText(QStringLiteral("11/5/87"));
    eztest::Focus("D1", kDate);
    field(kDate)->findChild<QLineEdit*>()->selectAll(); // the whole text chosen, then pasted over
    QTest::keyClick(field(kDate), Qt::Key_V, Qt::ControlModifier);
    eztest::Tab();
    EXPECT_EQ(shown(kDate), QDate(1987, 11, 5));

    // What is no date at all gives the last date back.
    selectPart(kDate, 1);
    eztest::Type("D1", kDate, "0");
    eztest::Tab();
    EXPECT_EQ(shown(kDate), QDate(1987, 11, 5));
}

TEST_F(DateFieldTest, OneTabLeavesTheFieldAndTheArrowKeysMoveBetweenItsParts) {
    eztest::Focus("D1", kDate);
    EXPECT_EQ(field(kDate)->currentSection(), QDateTimeEdit::MonthSection);
    eztest::Key("D1", kDate, Qt::Key_Right);
    EXPECT_EQ(field(kDate)->currentSection(), QDateTimeEdit::DaySection);
    eztest::Key("D1", kDate, Qt::Key_Right);
    EXPECT_EQ(field(kDate)->currentSection(), QDateTimeEdit::YearSection);
    eztest::Key("D1", kDate, Qt::Key_Right); // stays on the last part
    EXPECT_EQ(field(kDate)->currentSection(), QDateTimeEdit::YearSection);
    eztest::Key("D1", kDate, Qt::Key_Left);
    EXPECT_EQ(field(kDate)->currentSection(), QDateTimeEdit::DaySection);
    eztest::Key("D1", kDate, Qt::Key_Up); // up and down still change the part
    EXPECT_EQ(shown(kDate), QDate(2018, 10, 17));
    eztest::Tab();
    EXPECT_EQ(EZ_GETFOCUSID(), kYear);
    eztest::Tab();
    EXPECT_EQ(EZ_GETFOCUSID(), kAfter);
}

} // namespace
