// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as a screen reader finds it: each control has a name, the lists are known by their
// names rather than the item shown, and a label that shows a value reads that value.
#include "app/about/about_ids.h"
#include "msgbox/message_dialog.h"
#include "plan/profile_editor.h"
#include "tests/planner/planner_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

#include <set>
#include <vector>

using namespace qm;

namespace {

// Roles of what a user acts on or reads a state from: each needs a name of its own.
bool needsName(QAccessible::Role role) {
    static const std::set<QAccessible::Role> roles = {
        QAccessible::PushButton, QAccessible::CheckBox,       QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText,   QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::ProgressBar,    QAccessible::List,
        QAccessible::ToolBar,    QAccessible::MenuItem,       QAccessible::PageTab,
        QAccessible::ButtonMenu, QAccessible::ButtonDropDown, QAccessible::Link,
        QAccessible::ScrollBar,  QAccessible::Table,          QAccessible::Tree,
        QAccessible::StatusBar,  QAccessible::Graphic};
    return roles.count(role) != 0;
}

// Walks the window's accessible tree; returns what is shown and has no name, with the way to it.
void collectUnnamed(QAccessibleInterface* node, const QString& path, std::vector<std::string>& unnamed,
                    int& controls) {
    if (!node || !node->isValid() || node->state().invisible) return;
    const QString here =
        path + QLatin1Char('/') + QString::number(node->role(), 16) + QLatin1Char(':') +
        QString::fromLatin1(node->object() ? node->object()->metaObject()->className() : "?");
    // A text view (the history) reads as static text; a label is its own text and needs no name.
    const bool textView = node->role() == QAccessible::StaticText && !qobject_cast<QLabel*>(node->object());
    if (needsName(node->role()) || textView) {
        ++controls;
        if (node->text(QAccessible::Name).trimmed().isEmpty()) unnamed.push_back(here.toStdString());
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed, controls);
}

// The unnamed controls of a form's window; at least `least` controls must be found in it.
void ExpectEveryControlNamed(const std::string& form, int least) {
    QWidget* window = eztest::Window(form);
    ASSERT_NE(window, nullptr) << form;
    std::vector<std::string> unnamed;
    int controls = 0;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), QString::fromStdString(form), unnamed,
                   controls);
    EXPECT_GE(controls, least) << form;
    EXPECT_EQ(unnamed, std::vector<std::string>{}) << form;
}

QAccessibleInterface* Reader(int32_t id) {
    return QAccessible::queryAccessibleInterface(eztest::Widget(kForm, id));
}

class Accessibility : public PlannerFixture {};

TEST_F(Accessibility, ListsAreKnownByTheirNamesAndTheTotalReadsItsValue) {
    open();
    EXPECT_EQ(Reader(kProfile)->text(QAccessible::Name).toStdString(), "Business Profile");
    EXPECT_EQ(Reader(kProfile)->text(QAccessible::Value).toStdString(), "None");
    EXPECT_EQ(Reader(kStartMonth)->text(QAccessible::Name).toStdString(), "Start Month");
    EXPECT_EQ(Reader(kStartMonth)->text(QAccessible::Value).toStdString(), "January");
    EXPECT_EQ(Reader(kSlider)->text(QAccessible::Name).toStdString(), "Base/Events split");
    EXPECT_EQ(Reader(kTotal)->text(QAccessible::Name).toStdString(), "Total: 0.0");
    chooseProfile("Florists");
    EXPECT_EQ(Reader(kProfile)->text(QAccessible::Name).toStdString(), "Business Profile");
    EXPECT_EQ(Reader(kProfile)->text(QAccessible::Value).toStdString(), "Florists");
    EXPECT_EQ(Reader(kTotal)->text(QAccessible::Name).toStdString(), "Total: 100.0");
    for (int32_t id = kPrintButton; id <= kExitButton; ++id)
        EXPECT_FALSE(Reader(id)->text(QAccessible::Name).isEmpty()) << id;
}

TEST_F(Accessibility, EveryWindowNamesEveryControl) {
    open();
    chooseProfile("Florists");
    ExpectEveryControlNamed(kForm, 30);

    // Each dialog as the menu opens it; About on both its pages.
    struct Dialog {
        const char* form;
        int32_t menu;
        int least; // controls that must at least be found
        bool historyPage;
    };
    const Dialog dialogs[] = {{"PO", kMenuOptions, 8, false},
                              {kProfileEditorForm, kMenuEdit, 4, false},
                              {kAboutForm, kMenuAbout, 2, true},
                              {kMessageDialogForm, kMenuRebuild, 2, false}};
    for (const Dialog& d : dialogs) {
        SCOPED_TRACE(d.form);
        bool walked = false;
        eztest::OnModal(d.form, [&] {
            ExpectEveryControlNamed(d.form, d.least);
            if (d.historyPage) {
                eztest::Click(kAboutForm, kAboutPageButton);
                ExpectEveryControlNamed(d.form, d.least + 1);
            }
            walked = true;
            eztest::CloseBox(d.form);
        });
        eztest::ClickMenu(kForm, d.menu);
        EXPECT_TRUE(walked);
    }
}

} // namespace
