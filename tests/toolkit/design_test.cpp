// SPDX-License-Identifier: GPL-3.0-or-later
// What a designed form gets on real widgets: the status bar's parts and texts, the toolbar's
// three looks from image lists and its buttons' enabling, texts given in a control's
// creation-pending event, numbered fonts and palette colours; and the events raised when a menu
// item is highlighted and when a form's window is activated.
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "tests/support/temp_folder.h"
#include "tests/toolkit/event_recorder.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

class DesignTest : public EventRecorderTest {
  protected:
    void open(const std::string& form = "T1") {
        EZ_FORM(form, "", "Test " + form, 0, 0, 40, 14, "C");
        eztest::Settle();
        events.clear();
    }

    std::vector<Event> only(int32_t message) const {
        std::vector<Event> out;
        for (const Event& e : events)
            if (e.message == message) out.push_back(e);
        return out;
    }
};

// --- Status bar ----------------------------------------------------------------------------------

constexpr int32_t kStatus = 370;

// The parts of the status bar, left to right.
std::vector<QLabel*> statusParts(const std::string& form) {
    std::vector<QLabel*> parts;
    QWidget* bar = eztest::Widget(form, kStatus);
    for (QLabel* label : eztest::Window(form)->findChildren<QLabel*>())
        if (label->parentWidget() == bar) parts.push_back(label);
    std::sort(parts.begin(), parts.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    return parts;
}

TEST_F(DesignTest, StatusBarPartsShareItsWidthByPercentAndShowTheirTexts) {
    design = [](const std::string&) { EZ_STATUSBAR(kStatus, "Ready", ""); };
    open();
    QWidget* bar = eztest::Widget("T1", kStatus);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry().bottom(), bar->parentWidget()->height() - 1) << "along the bottom";
    EXPECT_EQ(bar->width(), bar->parentWidget()->width());
    {
        const auto parts = statusParts("T1");
        ASSERT_EQ(parts.size(), 1U);
        EXPECT_EQ(parts[0]->text(), QStringLiteral("Ready"));
    }

    struct Case {
        const char* percents;
        std::vector<int> shares;
        std::vector<std::string> texts; // as given; a leading tab centres
        std::vector<QString> shown;
    };
    const Case cases[] = {
        {"80|20",
         {80, 20},
         {" Copyright \xA9 2018\x96"
          "2026",
          "\tVersion 3"},
         {QString::fromUtf8(" Copyright \u00A9 2018\u20132026"), QStringLiteral("Version 3")}},
        {"50|25|25",
         {50, 25, 25},
         {"a", "\tb", "c"},
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
        {"100", {100}, {"\tAlone"}, {QStringLiteral("Alone")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percents);
        const auto count = static_cast<int32_t>(c.shares.size());
        EZ_SETSBPARTS("T1", kStatus, count, c.percents);
        for (int32_t part = 1; part <= count; ++part)
            EZ_SETSBTEXT("T1", kStatus, part, c.texts[static_cast<size_t>(part - 1)], "");
        EZ_SETSBTEXT("T1", kStatus, count + 1, "beyond the last part", ""); // no such part: ignored
        eztest::Settle();
        const auto parts = statusParts("T1");
        ASSERT_EQ(parts.size(), static_cast<size_t>(count)) << "the parts before are replaced";
        int total = 0;
        for (QLabel* part : parts)
            total += part->width();
        for (size_t i = 0; i < parts.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_TRUE(parts[i]->isVisible());
            EXPECT_EQ(parts[i]->text(), c.shown[i]);
            const bool centred = c.texts[i][0] == '\t';
            EXPECT_EQ(parts[i]->alignment() & Qt::AlignHorizontal_Mask,
                      centred ? Qt::AlignHCenter : Qt::AlignLeft);
            EXPECT_NEAR(parts[i]->width(), total * c.shares[i] / 100.0, 2.0);
        }
        EXPECT_LE(parts.front()->x(), 4) << "the parts fill the bar";
        EXPECT_GE(parts.back()->geometry().right(), bar->width() - 5);
    }
}

// --- Toolbar ---------------------------------------------------------------------------------------

constexpr int32_t kToolbar = 50;
constexpr int kImageSize = 16, kImagesPerList = 3;
constexpr QRgb kKey = qRgb(254, 254, 254); // the colour that becomes transparent

// Image `index` of list `list`: a solid colour of its own, with its top-left pixel in the key colour.
QRgb imageColour(int32_t list, int index) {
    return qRgb(20 * list, 60 * index + 30, 100);
}

// Fills `list` from a strip written as a file, as the program loads its toolbar strips.
void defineImageList(const TempFolder& folder, int32_t list) {
    QImage strip(kImageSize * kImagesPerList, kImageSize, QImage::Format_RGB32);
    for (int index = 0; index < kImagesPerList; ++index)
        for (int y = 0; y < kImageSize; ++y)
            for (int x = 0; x < kImageSize; ++x)
                strip.setPixel(index * kImageSize + x, y, x == 0 && y == 0 ? kKey : imageColour(list, index));
    const std::string path = folder.file("strip" + std::to_string(list) + ".png");
    ASSERT_TRUE(strip.save(QString::fromStdString(path)));
    const std::string picture = EZ_LOADPICTURE(path);
    ASSERT_FALSE(picture.empty());
    EZ_DEFIMAGELIST(list, kImageSize, kImagesPerList);
    EZ_ADDPICTTOIMGLIST(list, picture, EzRgb(254, 254, 254));
    EZ_FREEIMAGE(picture);
}

TEST_F(DesignTest, ToolbarButtonsShowTheirImageFromTheNormalHotAndDisabledLists) {
    TempFolder folder;
    for (int32_t list : {5, 6, 7, 8, 9, 10})
        defineImageList(folder, list);

    struct Case {
        const char* what;
        std::optional<std::string> loadImages; // answered in the toolbar's creation-pending event
        int32_t normal, hot, disabled;
    };
    const Case cases[] = {
        {"lists 5, 6 and 7 unless told", std::nullopt, 5, 6, 7},
        {"the lists named at creation", "[8][9][10]", 8, 9, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        handler = [&c](const std::string&, int32_t id, int32_t message, int32_t&, int32_t&) {
            if (id == kToolbar && message == kEzCreating && c.loadImages) EZ_SETLOADSTR("I", *c.loadImages);
        };
        design = [](const std::string&) {
            EZ_ALLOWLOADINGEVENT(2);
            EZ_TOOLBAR(kToolbar, "", "BB B|201", "T16X16");
        };
        open();
        auto* bar = qobject_cast<QToolBar*>(eztest::Widget("T1", kToolbar));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->iconSize(), QSize(kImageSize, kImageSize));
        const int images[] = {2, 0, 1}; // from the layout's digits
        for (int button = 0; button < 3; ++button) {
            SCOPED_TRACE(button + 1);
            auto* tool = qobject_cast<QToolButton*>(eztest::Widget("T1", kToolbar + 1 + button));
            ASSERT_NE(tool, nullptr);
            const QIcon icon = tool->icon();
            const std::pair<QIcon::Mode, int32_t> looks[] = {
                {QIcon::Normal, c.normal}, {QIcon::Active, c.hot}, {QIcon::Disabled, c.disabled}};
            for (const auto& [mode, list] : looks) {
                const QImage shown = icon.pixmap(QSize(kImageSize, kImageSize), mode).toImage();
                ASSERT_EQ(shown.size(), QSize(kImageSize, kImageSize)) << mode;
                EXPECT_EQ(shown.pixel(8, 8), imageColour(list, images[button])) << mode;
                EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << mode << ": the key colour is transparent";
            }
        }
        EZ_UNLOADFORM("T1");
        eztest::Settle();
    }
}

TEST_F(DesignTest, DisabledToolbarButtonsIgnoreClicksUntilEnabledAgain) {
    design = [](const std::string&) { EZ_TOOLBAR(kToolbar, "", "BB B|012", ""); };
    open();
    const int32_t first = kToolbar + 1, second = kToolbar + 2, third = kToolbar + 3;
    auto clickButton = [](int32_t id) {
        QWidget* button = eztest::Widget("T1", id);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        eztest::Settle();
    };
    auto enabled = [](int32_t id) {
        const bool widget = eztest::Widget("T1", id)->isEnabled();
        EXPECT_EQ(widget, eztest::ToolbarEnabled("T1", id)) << "button and command agree";
        return widget;
    };

    EZ_DISABLETB("T1", kToolbar, second);
    EXPECT_TRUE(enabled(first));
    EXPECT_FALSE(enabled(second));
    EXPECT_TRUE(enabled(third));
    clickButton(second);
    clickButton(third);
    EZ_ENABLETB("T1", kToolbar, second);
    EXPECT_TRUE(enabled(second));
    clickButton(second);
    EXPECT_EQ(only(kEzClick), (std::vector<Event>{{"T1", third, kEzClick, 0}, {"T1", second, kEzClick, 0}}));
}

// --- Menus -----------------------------------------------------------------------------------------

TEST_F(DesignTest, HighlightingAMenuItemRaisesTheMenuHighlightEventWithItsId) {
    design = [](const std::string& form) {
        const int32_t bar = EZ_GETMENU(form, 0);
        const int32_t plan = EZ_DEFSUBMENU(9005, "&Print", "");
        EZ_SAVEMENU(form, 1, plan);
        EZ_SETSUBMENU(bar, 9000, plan);
        EZ_ADDMENUITEM(plan, 9010, 0, "&Edit", "");
        EZ_ADDMENUITEM(plan, 9020, 0, "-", "");
        EZ_ADDMENUITEM(plan, 9035, 0, "E&xit", "");
    };
    EZ_DEFMAINMENU(9000, "&Plan", "");
    open();
    QMenu* dropDown = nullptr;
    for (QMenu* menu : eztest::Window("T1")->findChildren<QMenu*>())
        if (!menu->actions().isEmpty() && menu->actions().front()->text() == QStringLiteral("&Print"))
            dropDown = menu;
    ASSERT_NE(dropDown, nullptr);
    dropDown->popup(eztest::Window("T1")->mapToGlobal(QPoint(10, 10)));
    eztest::Settle();
    events.clear();
    // Down moves the highlight from item to item, over the separator and round to the top.
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(dropDown, Qt::Key_Down);
        eztest::Settle();
    }
    std::vector<int32_t> highlighted;
    for (const Event& e : only(kEzMenuHighlight)) {
        EXPECT_EQ(e.form, "T1");
        highlighted.push_back(e.id);
    }
    EXPECT_EQ(highlighted, (std::vector<int32_t>{9005, 9010, 9035, 9005}));
    EXPECT_TRUE(only(kEzClick).empty()) << "highlighting chooses nothing";
    dropDown->hide();
}

// --- Texts given at creation ----------------------------------------------------------------------

TEST_F(DesignTest, TheCreationPendingEventComesBeforeTheControlAndMayGiveItsText) {
    constexpr int32_t kPending = 120, kNext = 125;
    struct Case {
        const char* what;
        std::function<void()> create; // the control kPending, then kNext with the text "own"
        std::string answer;           // given with EZ_SETLOADSTR("T", ...), "" for none
        QString shown;                // kPending's text as it shows
    };
    const auto text = [](int32_t id) -> QString {
        QWidget* w = eztest::Widget("T1", id);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
        return QStringLiteral("<no such control>");
    };
    const Case cases[] = {
        {"a label takes the text, bars breaking lines",
         [] {
             EZ_LABEL(kPending, 1, 1, 30, 1, "designed", "C");
             EZ_LABEL(kNext, 1, 5, 30, 1, "own", "");
         },
         "Our thanks|to everyone", QStringLiteral("Our thanks\nto everyone")},
        {"a frame takes it as its title",
         [] {
             EZ_FRAME(kPending, 1, 1, 30, 3, "designed", "");
             EZ_LABEL(kNext, 1, 5, 30, 1, "own", "");
         },
         "Loaded \x80 title", QString::fromUtf8("Loaded \u20AC title")},
        {"with no answer the designed text stays",
         [] {
             EZ_LABEL(kPending, 1, 1, 30, 1, "designed", "");
             EZ_LABEL(kNext, 1, 5, 30, 1, "own", "");
         },
         "", QStringLiteral("designed")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool existedWhenAsked = true;
        handler = [&](const std::string& form, int32_t id, int32_t message, int32_t&, int32_t&) {
            if (message != kEzCreating || id != kPending) return;
            existedWhenAsked = eztest::Widget(form, id) != nullptr;
            if (!c.answer.empty()) EZ_SETLOADSTR("T", c.answer);
        };
        design = [&c](const std::string&) {
            EZ_ALLOWLOADINGEVENT(2);
            c.create();
        };
        EZ_ALLOWLOADINGEVENT(2); // the form raises its own first
        EZ_FORM("T1", "", "Test", 0, 0, 40, 14, "C");
        eztest::Settle();
        std::vector<Event> creating = only(kEzCreating);
        EXPECT_EQ(creating, (std::vector<Event>{{"T1", 0, kEzCreating, 0}, {"T1", kPending, kEzCreating, 0}}))
            << "once for the form, once for the control asked for, none for the next";
        const auto loaded = std::find(events.begin(), events.end(), Event{"T1", 0, kEzLoaded, 0});
        EXPECT_NE(loaded, events.end());
        EXPECT_LT(std::find(events.begin(), events.end(), Event{"T1", kPending, kEzCreating, 0}), loaded);
        EXPECT_FALSE(existedWhenAsked);
        EXPECT_EQ(text(kPending), c.shown);
        EXPECT_EQ(text(kNext), QStringLiteral("own")) << "the given text is for one control only";
        if (auto* label = qobject_cast<QLabel*>(eztest::Widget("T1", kPending))) {
            EXPECT_GE(label->height(), (c.shown.count(QLatin1Char('\n')) + 1) * label->fontMetrics().height())
                << "every line shows";
        }
        EZ_UNLOADFORM("T1");
        eztest::Settle();
        events.clear();
    }
}

// --- Form activation --------------------------------------------------------------------------------

TEST_F(DesignTest, ActivatingAFormsWindowRaisesItsHelpContext) {
    open("T1");
    open("T2");
    for (const char* form : {"T1", "T2", "T1"}) {
        SCOPED_TRACE(form);
        events.clear();
        QWidget* window = eztest::Window(form);
        window->activateWindow();
        QApplication::setActiveWindow(window);
        eztest::Settle();
        ASSERT_TRUE(window->isActiveWindow());
        std::vector<Event> formHelp;
        for (const Event& e : only(kEzHelpContext))
            if (e.id == 0) formHelp.push_back(e);
        EXPECT_EQ(formHelp, (std::vector<Event>{{form, 0, kEzHelpContext, 0}}));
    }
}

// --- Fonts and colours ------------------------------------------------------------------------------

TEST_F(DesignTest, NumberedFontsApplyToEveryNextControlAndImmediateFontsToOne) {
    struct Case {
        int32_t number;
        const char* face;
        float points;
        const char* props;
        bool bold, italic, underline;
    };
    const Case cases[] = {
        {12, "Arial", 14.0F, "B", true, false, false},
        {13, "Segoe UI", 10.0F, "IU", false, true, true},
        {14, "Times New Roman", 8.5F, "", false, false, false},
    };
    for (const Case& c : cases)
        EZ_DEFFONT(c.number, c.face, c.points, c.props);
    design = [&cases](const std::string&) {
        int32_t id = 100;
        for (const Case& c : cases) {
            EZ_USEFONT(c.number);
            EZ_LABEL(id++, 1, 1, 10, 1, "Label", "");
            EZ_CHECKBOX(id++, 1, 3, 10, 1, "Box", "");
        }
        EZ_USEIFONT("Courier New", 11, "B");
        EZ_LABEL(id++, 1, 5, 10, 1, "Immediate", "");
        EZ_TEXT(id++, 1, 7, 10, 1, "", "ET"); // back to the last numbered font
        EZ_USEFONT(4);
        EZ_LABEL(id++, 1, 9, 10, 1, "Own", "");
    };
    open();
    auto expectFont = [](int32_t id, const char* face, double points, bool bold, bool italic,
                         bool underline) {
        SCOPED_TRACE(id);
        const QFont font = eztest::Widget("T1", id)->font();
        EXPECT_EQ(font.family(), QString::fromLatin1(face));
        EXPECT_DOUBLE_EQ(font.pointSizeF(), points);
        EXPECT_EQ(font.bold(), bold);
        EXPECT_EQ(font.italic(), italic);
        EXPECT_EQ(font.underline(), underline);
    };
    int32_t id = 100;
    for (const Case& c : cases) {
        expectFont(id++, c.face, c.points, c.bold, c.italic, c.underline);
        expectFont(id++, c.face, c.points, c.bold, c.italic, c.underline);
    }
    expectFont(id++, "Courier New", 11, true, false, false);
    const Case& last = cases[std::size(cases) - 1];
    expectFont(id++, last.face, last.points, last.bold, last.italic, last.underline);
    expectFont(id++, "Segoe UI", 9, false, false, false);
}

TEST_F(DesignTest, ColoursComeFromThePaletteByIndexWithMinusOneForTheDefault) {
    // Distinct desktop colours, so that an entry taken from the wrong one shows.
    const QPalette desktop = QApplication::palette();
    QPalette marked = desktop;
    marked.setColor(QPalette::Button, QColor(0x33, 0x66, 0xCC));
    marked.setColor(QPalette::Window, QColor(0xF5, 0xEE, 0xDD));
    QApplication::setPalette(marked);
    EZ_DEFSYSTEMCOLOR(40, 15); // button face
    EZ_DEFSYSTEMCOLOR(41, 5);  // another: the window colour
    QApplication::setPalette(desktop);

    enum class On { Label, Field };
    struct Case {
        const char* what;
        On on;
        int32_t text, back;
        std::optional<QColor> textShown, backShown; // nullopt: as the form's
    };
    const Case cases[] = {
        {"classic colours", On::Label, 12, 14, QColor(0xFF, 0, 0), QColor(0xFF, 0xFF, 0)},
        {"defaults", On::Label, -1, -1, std::nullopt, std::nullopt},
        {"a field's background is its base", On::Field, 0, 25, QColor(0, 0, 0), QColor(0xFF, 0xFF, 0xE1)},
        {"the button face", On::Label, -1, 40, std::nullopt, QColor(0x33, 0x66, 0xCC)},
        {"another system colour", On::Label, 9, 41, QColor(0, 0, 0xFF), QColor(0xF5, 0xEE, 0xDD)},
    };
    design = [&cases](const std::string&) {
        int32_t id = 100;
        for (const Case& c : cases) {
            EZ_COLOR(c.text, c.back);
            if (c.on == On::Label)
                EZ_LABEL(id++, 1, 1, 10, 1, "Label", "");
            else
                EZ_TEXT(id++, 1, 1, 10, 1, "", "ET");
        }
        EZ_COLOR(-1, -1);
    };
    open();
    const QPalette form = eztest::Window("T1")->palette();
    int32_t id = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* w = eztest::Widget("T1", id++);
        const QPalette::ColorRole textRole = c.on == On::Field ? QPalette::Text : QPalette::WindowText;
        const QPalette::ColorRole backRole = c.on == On::Field ? QPalette::Base : QPalette::Window;
        EXPECT_EQ(w->palette().color(textRole), c.textShown.value_or(form.color(textRole)));
        EXPECT_EQ(w->palette().color(backRole), c.backShown.value_or(form.color(backRole)));
        EXPECT_EQ(w->autoFillBackground(), c.on == On::Label && c.backShown.has_value())
            << "a label paints its own background only when it has one";
    }
    // Colours changed afterwards.
    EZ_SETCOLOR("T1", 101, 2, 7);
    EXPECT_EQ(eztest::Widget("T1", 101)->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    EXPECT_EQ(eztest::Widget("T1", 101)->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(eztest::Widget("T1", 101)->autoFillBackground());
}

} // namespace
