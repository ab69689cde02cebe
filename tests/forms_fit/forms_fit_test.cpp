// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the program's designed forms shows whole: each label, button, check box, radio
// and frame title of the planner, the options dialog, the station dialog, the About dialog (both
// pages) and the profile editor is at least as wide and as high as its text needs in the font it
// shows it in.
#include "app/about/about.h"
#include "app/about/about_ids.h"
#include "app/settings/settings_file.h"
#include "app/shell/app_paths.h"
#include "app/shell/planner.h"
#include "app/shell/planner_ids.h"
#include "app/shell/startup.h"
#include "app/toolkit/ez.h"
#include "app/toolkit/ez_testing.h"
#include "msgbox/message_dialog.h"
#include "plan/plan_state.h"
#include "plan/profile_editor.h"
#include "prefs/options.h"
#include "prefs/options_layout.h"
#include "prefs/station_layout.h"
#include "tests/planner/planner_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace {

// One text as shown: the widget's size and the size it needs for the text, in pixels. What a
// widget needs is the text's own size plus what the widget keeps around the area it draws its
// text in (frame, margins, a check box's indicator and spacing).
struct Fit {
    std::string where; // control id, or the id of the control it is a part of
    std::string kind;
    QString text;
    int needWidth = 0, givenWidth = 0, needHeight = 0, givenHeight = 0;
    bool fits() const { return needWidth <= givenWidth && needHeight <= givenHeight; }
};

// The text as drawn: "&&" shows one ampersand, a single "&" marks the mnemonic and does not show.
QString withoutMnemonic(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

// The room a text of one or more lines takes in a font: the widest line's advance, one line
// height per line (or what the painter's own layout of the whole text takes, when more).
QSize textSize(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    int width = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QRect laidOut =
        metrics.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, text);
    return {std::max(width, laidOut.width()),
            std::max(static_cast<int>(lines.size()) * metrics.height(), laidOut.height())};
}

// `area` is where the widget draws its text, in its own coordinates.
Fit fitIn(const char* kind, const QWidget* widget, const QString& text, const QString& drawn,
          const QRect& area, int minimumHeight = 0) {
    const QSize needs = textSize(widget->font(), drawn);
    const QSize around = widget->size() - area.size();
    return {"",
            kind,
            text,
            needs.width() + around.width(),
            widget->width(),
            std::max(needs.height() + around.height(), minimumHeight),
            widget->height()};
}

Fit labelFit(const QLabel* label) {
    // Inside its frame and margin, indented from a frame on the side it is aligned to.
    const int margin = label->margin();
    QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = QFontMetrics(label->font()).horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0 && (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
        area.setWidth(area.width() - indent);
    Fit fit = fitIn("label", label, label->text(), label->text(), area);
    if (label->wordWrap()) {
        // A label that wraps its text needs the room of the lines it breaks it into.
        const QRect laidOut =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, area.width(), 100000), Qt::TextWordWrap, label->text());
        const QSize around = label->size() - area.size();
        fit.needWidth = laidOut.width() + around.width();
        fit.needHeight = laidOut.height() + around.height();
    }
    return fit;
}

QStyleOptionButton buttonOption(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    }
    return option;
}

Fit pushButtonFit(const QPushButton* button) {
    // The face inside the button's frame.
    const QStyleOptionButton option = buttonOption(button);
    const QRect face = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return fitIn("button", button, button->text(), withoutMnemonic(button->text()), face);
}

// A check box or radio draws its text after the indicator and the spacing the style gives it.
Fit indicatorButtonFit(const QAbstractButton* button, bool radio) {
    const QStyleOptionButton option = buttonOption(button);
    const QRect text = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    const int indicator = button->style()->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, &option, button);
    return fitIn(radio ? "radio" : "check box", button, button->text(), withoutMnemonic(button->text()), text,
                 indicator);
}

Fit frameFit(const QGroupBox* frame) {
    // The title sits in the frame's top edge, after the style's inset.
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    const QSize needs = textSize(frame->font(), withoutMnemonic(frame->title()));
    return {"",
            "frame",
            frame->title(),
            title.left() + needs.width(),
            frame->width(),
            needs.height(),
            frame->height()};
}

// Every text of a form as it is now, shown or on a page not shown.
std::vector<Fit> textsOf(const std::string& form) {
    // The toolkit knows controls by id; which widget is which control.
    std::map<const QWidget*, int32_t> ids;
    for (int32_t id = 1; id < 1000; ++id)
        if (const QWidget* w = eztest::Widget(form, id)) ids[w] = id;
    std::vector<Fit> fits;
    for (const auto& [widget, id] : ids) {
        std::vector<std::pair<const QWidget*, std::string>> texts{{widget, std::to_string(id)}};
        // The parts a control is made of that show a text of their own (the status bar's parts).
        int part = 0;
        for (const QLabel* label : widget->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            texts.push_back({label, std::to_string(id) + " part " + std::to_string(++part)});
        for (const auto& [w, where] : texts) {
            Fit fit;
            if (auto* label = qobject_cast<const QLabel*>(w); label && label->pixmap().isNull())
                fit = labelFit(label);
            else if (auto* radio = qobject_cast<const QRadioButton*>(w))
                fit = indicatorButtonFit(radio, true);
            else if (auto* box = qobject_cast<const QCheckBox*>(w))
                fit = indicatorButtonFit(box, false);
            else if (auto* button = qobject_cast<const QPushButton*>(w))
                fit = pushButtonFit(button);
            else if (auto* frame = qobject_cast<const QGroupBox*>(w))
                fit = frameFit(frame);
            else
                continue;
            if (fit.text.isEmpty()) continue;
            fit.where = where;
            fits.push_back(fit);
        }
    }
    return fits;
}

std::string describe(const std::string& form, const Fit& f) {
    std::ostringstream out;
    out << form << " " << f.where << " " << f.kind << " \""
        << QString(f.text).replace(QLatin1Char('\n'), QLatin1Char('|')).toStdString() << "\": width needs "
        << f.needWidth << " px, has " << f.givenWidth << "; height needs " << f.needHeight << " px, has "
        << f.givenHeight;
    return out.str();
}

// What a case saw: every text of every state it looked at, by form.
struct Seen {
    std::vector<std::pair<std::string, Fit>> texts;
    void look(const std::string& form) {
        for (const Fit& f : textsOf(form))
            texts.push_back({form, f});
    }
};

struct FormCase {
    const char* name;
    // Opens the form from the planner and calls seen.look() in every state worth looking at.
    std::function<void(Seen& seen)> show;
    std::vector<const char*> sample; // texts that must be among those measured
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.name;
}

// The profile in the planner's list with the widest name in the planner's font.
std::string widestProfile() {
    auto* list = qobject_cast<QComboBox*>(eztest::Widget(qm::kForm, qm::kProfile));
    const QFontMetrics metrics(eztest::Widget(qm::kForm, 100)->font());
    std::string widest;
    int widestPixels = -1;
    for (int i = 0; list && i < list->count(); ++i) {
        const int pixels = metrics.horizontalAdvance(list->itemText(i));
        if (pixels > widestPixels) {
            widestPixels = pixels;
            widest = list->itemText(i).toStdString();
        }
    }
    return widest;
}

void chooseProfile(const std::string& name) {
    const int32_t index = EZ_FINDNEXT(qm::kForm, qm::kProfile, name, 0);
    ASSERT_GE(index, 0) << name;
    eztest::ChooseItem(qm::kForm, qm::kProfile, index);
}

// Looks at a modal form inside its modal loop and closes it.
void lookInside(const char* form, Seen& seen, const std::function<void()>& open,
                const std::function<void()>& more = {}) {
    bool shown = false;
    eztest::OnModal(form, [&] {
        shown = true;
        seen.look(form);
        if (more) more();
        if (eztest::FormExists(form)) EZ_UNLOADFORM(form);
    });
    open();
    eztest::Settle();
    EXPECT_TRUE(shown) << form << " did not open";
}

const FormCase kCases[] = {
    {"Planner",
     [](Seen& seen) {
         chooseProfile(widestProfile()); // the total and the months filled in
         seen.look(qm::kForm);
     },
     {"Start Month:", "Client Information", "Version 3.0.0.0"}},
    {"OptionsDialog",
     [](Seen& seen) { lookInside(po::kForm, seen, [] { eztest::ClickMenu(qm::kForm, qm::kMenuOptions); }); },
     {"Automatically check for program updates", "United Kingdom pound (\xA3)", "&Save"}},
    {"StationDialog",
     [](Seen& seen) {
         // A logo that cannot be read, so that the preview's status shows a long reason.
         PutIni(Paths().settingsFile, "Station", "Logo", Paths().settingsFile);
         lookInside(sc::kForm, seen, [] { eztest::ClickMenu(qm::kForm, qm::kMenuStation); });
     },
     {"Rep's e-mail:", "&Browse...", "Logo Preview", "it is not a PNG, JPEG or SVG picture"}},
    {"AboutBothPages",
     [](Seen& seen) {
         lookInside(
             kAboutForm, seen, [] { eztest::ClickMenu(qm::kForm, qm::kMenuAbout); },
             [&seen] {
                 eztest::Click(kAboutForm, kAboutPageButton); // the history page: the button's other caption
                 seen.look(kAboutForm);
             });
     },
     {"&View Program History", "&View Program Info", "&Close"}},
    {"ProfileEditor",
     [](Seen& seen) {
         chooseProfile(widestProfile()); // its name shows in the editor
         lookInside(kProfileEditorForm, seen, [] { eztest::ClickToolbar(qm::kForm, qm::kEditButton); });
     },
     {"Update &existing profile", "NOTE: This action cannot be reversed.", "&Cancel"}},
};

class FormTexts : public PlannerFixture, public ::testing::WithParamInterface<FormCase> {
  protected:
    void SetUp() override {
        PlannerFixture::SetUp();
        // The fonts the program defines at start-up.
        EZ_DEFFONT(6, "Segoe UI", 9, "L+V");
        EZ_DEFFONT(7, "Segoe UI", 9, "BV");
        EZ_DEFFONT(10, "Segoe UI", 10, " BV");
        SetAboutSources(Paths().assetsFolder, Paths().version);
        setting("Options", "AutoUpdate", "0");
        // No message dialog is expected; one that comes is closed so that the test goes on.
        eztest::OnModal(kMessageDialogForm, [] {
            ADD_FAILURE() << "unexpected message dialog";
            eztest::CloseBox(kMessageDialogForm);
        });
        open();
        ASSERT_TRUE(eztest::FormExists(qm::kForm));
    }
};

TEST_P(FormTexts, EveryTextFitsItsControl) {
    Seen seen;
    GetParam().show(seen);
    for (const char* sample : GetParam().sample) {
        const QString text = QString::fromLatin1(sample);
        const bool measured = std::any_of(seen.texts.begin(), seen.texts.end(),
                                          [&](const auto& t) { return t.second.text.contains(text); });
        EXPECT_TRUE(measured) << "not among the texts measured: " << sample;
    }
    for (const auto& [form, fit] : seen.texts)
        EXPECT_TRUE(fit.fits()) << describe(form, fit);
}

INSTANTIATE_TEST_SUITE_P(Forms, FormTexts, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FormCase>& param) { return param.param.name; });

} // namespace
