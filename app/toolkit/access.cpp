// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and changing controls: texts, checks, enabling, focus, lists, slider, progress bar,
// dates, edit selection and rich text.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTextBrowser>

namespace ez {
namespace {

template <typename T> T* widgetAs(const std::string& form, int32_t id) {
    return qobject_cast<T*>(controlWidget(form, id));
}

QLineEdit* editByHandle(int32_t handle) {
    auto it = state().editHandles.find(handle);
    return it == state().editHandles.end() ? nullptr : qobject_cast<QLineEdit*>(it->second.data());
}

void setSelection(QLineEdit* edit, int32_t start, int32_t end) {
    if (!edit) return;
    const int length = static_cast<int>(edit->text().size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start == end) {
        edit->deselect();
        edit->setCursorPosition(start);
    } else {
        edit->setSelection(start, end - start);
    }
}

// Finds the control that holds a widget (the widget itself or one of its inner parts).
std::pair<Form*, int32_t> controlOf(QWidget* widget) {
    for (auto& [name, form] : state().forms)
        for (auto& [id, control] : form->controls)
            if (control.widget && (control.widget == widget || control.widget->isAncestorOf(widget)))
                return {form.get(), id};
    return {nullptr, 0};
}

} // namespace
} // namespace ez

using namespace ez;

std::string EZ_GETTEXT(const std::string& form, int32_t id) {
    Form* f = findForm(form);
    if (!f) return {};
    if (id == 0) return f->window ? fromQt(f->window->windowTitle()) : std::string();
    Control* control = f->find(id);
    if (!control || !control->widget) return {};
    QWidget* w = control->widget;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return fromQt(edit->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        return fromQt(label->text().replace(QLatin1Char('\n'), QLatin1Char('|')));
    if (auto* combo = qobject_cast<QComboBox*>(w)) return fromQt(combo->currentText());
    if (auto* date = qobject_cast<QDateEdit*>(w)) return fromQt(date->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return fromQt(button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return fromQt(frame->title());
    if (auto* rich = qobject_cast<QTextBrowser*>(w)) return fromQt(rich->toPlainText());
    return {};
}

void EZ_SETTEXT(const std::string& form, int32_t id, const std::string& text) {
    Form* f = findForm(form);
    if (!f) return;
    if (id == 0) {
        if (f->window) f->window->setWindowTitle(toQt(text));
        return;
    }
    Control* control = f->find(id);
    if (!control || !control->widget) return;
    QWidget* w = control->widget;
    const QString qtext = toQt(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(qtext);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(labelText(text, control->props));
        nameValueLabel(*control);
        fitLabelHeight(label);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = combo->findText(qtext);
        if (index >= 0) combo->setCurrentIndex(index);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(qtext);
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        frame->setTitle(qtext);
    } else if (auto* rich = qobject_cast<QTextBrowser*>(w)) {
        rich->setPlainText(qtext);
    }
}

void EZ_SETFOCUS(const std::string& form, int32_t id) {
    Form* f = findForm(form);
    QWidget* w = id == 0 && f ? f->window.data() : controlWidget(form, id);
    if (!w) return;
    if (QWidget* window = w->window(); window && !window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    w->setFocus(Qt::OtherFocusReason);
}

int32_t EZ_GETFOCUSID() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return 0;
    return controlOf(focus).second;
}

void EZ_ENABLEC(const std::string& form, int32_t id) {
    if (QWidget* w = controlWidget(form, id)) w->setEnabled(true);
}

void EZ_DISABLEC(const std::string& form, int32_t id) {
    if (QWidget* w = controlWidget(form, id)) w->setEnabled(false);
}

int32_t EZ_ISCONTROL(const std::string& form, int32_t id, const std::string& what) {
    QWidget* w = controlWidget(form, id);
    if (!w) return menuItemState(form, id, what);
    if (what == "E") return w->isEnabled() ? 1 : 0;
    if (what == "V") return w->isVisibleTo(w->window()) ? 1 : 0;
    return 1;
}

int32_t EZ_GETCHECK(const std::string& form, int32_t id) {
    auto* button = widgetAs<QAbstractButton>(form, id);
    return button && button->isChecked() ? 1 : 0;
}

void EZ_SETCHECK(const std::string& form, int32_t id, int32_t checked) {
    if (auto* button = widgetAs<QAbstractButton>(form, id)) button->setChecked(checked != 0);
}

int32_t EZ_GETATTR(const std::string& form, int32_t id, const std::string& attribute) {
    if (attribute == "ISel")
        if (auto* combo = widgetAs<QComboBox>(form, id)) return combo->currentIndex();
    return 0;
}

void EZ_SETATTR(const std::string& form, int32_t id, const std::string& attribute, int32_t value) {
    if (attribute == "TicUnits")
        if (auto* slider = widgetAs<QSlider>(form, id)) slider->setTickInterval(value);
}

void EZ_REDRAWCONTROL(const std::string& form, int32_t id) {
    if (QWidget* w = controlWidget(form, id)) w->update();
}

void EZ_SETREDRAWSTATE(const std::string& form, int32_t id, int32_t on) {
    if (QWidget* w = controlWidget(form, id)) w->setUpdatesEnabled(on != 0);
}

void EZ_ADDITEMS(const std::string& form, int32_t id, const std::string& text) {
    if (auto* combo = widgetAs<QComboBox>(form, id)) combo->addItem(toQt(text));
}

void EZ_CLEAR(const std::string& form, int32_t id) {
    if (auto* combo = widgetAs<QComboBox>(form, id)) combo->clear();
}

void EZ_SELECTITEM(const std::string& form, int32_t id, int32_t index) {
    auto* combo = widgetAs<QComboBox>(form, id);
    if (combo && index >= 0 && index < combo->count()) combo->setCurrentIndex(index);
}

int32_t EZ_FINDNEXT(const std::string& form, int32_t id, const std::string& text, int32_t start) {
    auto* combo = widgetAs<QComboBox>(form, id);
    if (!combo) return -1;
    // Like a list box's exact search: the whole text, letter case aside.
    const QString wanted = toQt(text);
    for (int i = std::max(0, start); i < combo->count(); ++i)
        if (combo->itemText(i).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void EZ_SETTBAR(const std::string& form, int32_t id, int32_t minimum, int32_t maximum, int32_t position) {
    auto* slider = widgetAs<QSlider>(form, id);
    if (!slider) return;
    const bool blocked = slider->blockSignals(true);
    slider->setRange(minimum, std::max(minimum, maximum));
    slider->setValue(position);
    slider->blockSignals(blocked);
}

void EZ_SETPBAR(const std::string& form, int32_t id, int32_t minimum, int32_t maximum, int32_t value) {
    auto* bar = widgetAs<QProgressBar>(form, id);
    if (!bar) return;
    bar->setRange(minimum, std::max(minimum, maximum));
    bar->setValue(value);
}

void EZ_GETDATETIME(const std::string& form, int32_t id, int16_t& month, int16_t& day, int16_t& year,
                    int16_t& hour, int16_t& minute, int16_t& second, int16_t& milliseconds,
                    int16_t& weekday) {
    auto* edit = widgetAs<QDateEdit>(form, id);
    if (!edit) return;
    // A date still being typed (the field not yet left) is read as it will be read when left.
    if (auto* field = qobject_cast<DateField*>(edit)) field->settleText();
    const QDate date = edit->date();
    month = static_cast<int16_t>(date.month());
    day = static_cast<int16_t>(date.day());
    year = static_cast<int16_t>(date.year());
    hour = minute = second = milliseconds = 0;
    weekday = static_cast<int16_t>(date.dayOfWeek() % 7);
}

void EZ_SETDATETIME(const std::string& form, int32_t id, int32_t month, int32_t day, int32_t year, int32_t,
                    int32_t, int32_t) {
    auto* edit = widgetAs<QDateEdit>(form, id);
    const QDate date(year, month, day);
    if (!edit || !date.isValid()) return;
    const bool blocked = edit->blockSignals(true);
    edit->setDate(date);
    edit->blockSignals(blocked);
}

void EZ_GETSELVAL(int32_t editHandle, int32_t& start, int32_t& end) {
    QLineEdit* edit = editByHandle(editHandle);
    if (!edit) return;
    if (edit->hasSelectedText()) {
        start = static_cast<int32_t>(edit->selectionStart());
        end = static_cast<int32_t>(edit->selectionEnd());
    } else {
        start = end = static_cast<int32_t>(edit->cursorPosition());
    }
}

void EZ_SETSELVAL(int32_t editHandle, int32_t start, int32_t end) {
    setSelection(editByHandle(editHandle), start, end);
}

int32_t EZ_SENDMESSAGE(const std::string& form, int32_t id, int32_t message, int32_t wParam, int32_t lParam) {
    if (message == kEmSetSel) setSelection(widgetAs<QLineEdit>(form, id), wParam, lParam);
    if (message == kEmLimitText)
        if (auto* edit = widgetAs<QLineEdit>(form, id)) edit->setMaxLength(wParam > 0 ? wParam : 32767);
    return 0;
}

void EZ_SETRICHTEXT(const std::string& form, int32_t id, const std::string& textIn, int32_t mode, int32_t) {
    Control* control = findControl(form, id);
    auto* view = control ? qobject_cast<QTextBrowser*>(control->widget.data()) : nullptr;
    if (!view) return;
    std::string text = textIn;
    if (control->richTextLimit > 0 && text.size() > static_cast<size_t>(control->richTextLimit))
        text.resize(static_cast<size_t>(control->richTextLimit));
    if (mode == 1 && state().rtfToHtml) {
        view->setHtml(QString::fromUtf8(state().rtfToHtml(text)));
    } else {
        view->setPlainText(toQt(text));
    }
}

void EZ_SETRICHTEXTLEN(const std::string& form, int32_t id, int32_t maximum) {
    if (Control* control = findControl(form, id)) control->richTextLimit = maximum;
}
