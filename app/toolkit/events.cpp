// SPDX-License-Identifier: GPL-3.0-or-later
// Turning Qt's input into the toolkit's events: focus, keys, edits, clicks, right clicks,
// tooltips, list choices, slider moves and date changes.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>

namespace ez {
namespace {

// Key codes as the event handlers know them (the classic virtual-key numbers).
int32_t keyCode(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    if (key >= 0x20 && key < 0x100) return key; // letters arrive upper case, as virtual keys do
    return 0;
}

// Moves the focus to the next control in Tab order, as Tab does between controls (a date picker's
// own Tab moves between its parts, which Enter-as-Tab must not do).
void moveFocusOn(QWidget* from) {
    QWidget* control = from;
    for (QWidget* next = from->nextInFocusChain(); next && next != from; next = next->nextInFocusChain()) {
        if (control->isAncestorOf(next) || next->window() != from->window()) continue;
        if (!next->isVisible() || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)) continue;
        if (next->focusProxy()) continue;
        next->setFocus(Qt::TabFocusReason);
        return;
    }
}

} // namespace

bool handleKey(const std::string& form, int32_t id, QWidget* widget, QKeyEvent* event) {
    if (!state().keyEvents) return false;
    const int32_t original = keyCode(*event);
    if (original == 0) return false;
    int32_t value = original;
    fireEvent(form, id, kEzKey, value);
    if (value == original) return false;
    if (value == 9 && original == 13) {
        if (QWidget* w = widget) moveFocusOn(w);
        return true;
    }
    return true; // swallowed (0), or replaced by a key that is not synthesised
}

namespace {

bool handleTooltip(const std::string& form, int32_t id, QHelpEvent* event, QWidget* widget) {
    Control* control = findControl(form, id);
    const bool toolbarButton = control && control->kind == Kind::Toolbar;
    if (!control || (!control->tooltips && !toolbarButton)) return false;
    state().tooltipAnswer = std::string();
    fireEvent(form, id, kEzTooltip);
    const std::string answer = state().tooltipAnswer.value_or(std::string());
    state().tooltipAnswer.reset();
    if (answer.empty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPos(), toQt(answer), widget);
    }
    return true;
}

} // namespace

ControlWatcher::ControlWatcher(std::string form, int32_t id, QObject* parent)
    : QObject(parent), form_(std::move(form)), id_(id) {}

bool ControlWatcher::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const std::string form = form_; // a handler may unload the form and this watcher with it
    const int32_t id = id_;
    switch (event->type()) {
    case QEvent::FocusIn: {
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) break;
        fireEvent(form, id, kEzHelpContext);
        fireEvent(form, id, kEzGotFocus);
        Control* control = findControl(form, id);
        if (control && control->subclassed && control->kind == Kind::Text) {
            const int32_t handle = control->editHandle;
            QPointer<QWidget> guard = widget;
            // After the widget's own focus handling (which selects the text on Tab).
            QTimer::singleShot(0, [form, id, handle, guard] {
                if (!guard || !guard->hasFocus()) return;
                int32_t value = handle;
                fireEvent(form, id, kEzEditNotify, value);
            });
        }
        break;
    }
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) break;
        // A date typed in short is read before the handlers hear that the field was left.
        if (auto* date = qobject_cast<DateField*>(widget)) date->settleText();
        fireEvent(form, id, kEzLostFocus);
        break;
    case QEvent::KeyPress:
        if (handleKey(form, id, widget, static_cast<QKeyEvent*>(event))) return true;
        break;
    case QEvent::ContextMenu:
        if (fireEvent(form, id, kEzRightClick) != 0) return true;
        break;
    case QEvent::ToolTip:
        if (handleTooltip(form, id, static_cast<QHelpEvent*>(event), widget)) return true;
        break;
    case QEvent::Enter:
        if (Control* c = findControl(form, id); c && c->kind == Kind::Toolbar)
            fireEvent(form, id, kEzHelpContext);
        break;
    case QEvent::Leave:
        if (Control* c = findControl(form, id);
            c && c->kind == Kind::Toolbar && qobject_cast<QToolBar*>(widget)) {
            // Help follows the control being edited again once the mouse leaves the toolbar.
            const int32_t focused = EZ_GETFOCUSID();
            fireEvent(form, focused, kEzHelpContext);
        }
        break;
    default:
        break;
    }
    return false;
}

void watchControl(Form& form, Control& control) {
    QWidget* widget = control.widget;
    if (!widget) return;
    const std::string name = form.name;
    const int32_t id = control.id;
    widget->installEventFilter(new ControlWatcher(name, id, widget));
    switch (control.kind) {
    case Kind::Text:
        QObject::connect(qobject_cast<QLineEdit*>(widget), &QLineEdit::textEdited,
                         [name, id](const QString&) { fireEvent(name, id, kEzChange); });
        break;
    case Kind::Button:
    case Kind::OwnerDrawButton:
    case Kind::CheckBox:
    case Kind::Radio:
        QObject::connect(qobject_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                         [name, id](bool) { fireEvent(name, id, kEzClick); });
        break;
    case Kind::Combo:
        QObject::connect(qobject_cast<QComboBox*>(widget), &QComboBox::activated, [name, id](int index) {
            int32_t value = index;
            fireEvent(name, id, kEzChange, value);
        });
        break;
    case Kind::Slider:
        // A move of the thumb reports twice, the new position and the end of the move, as a
        // slider control does; handlers act on one of the pair.
        QObject::connect(qobject_cast<QSlider*>(widget), &QSlider::valueChanged, [name, id](int position) {
            for (int i = 0; i < 2 && findForm(name); ++i) {
                int32_t value = position;
                fireEvent(name, id, kEzChange, value);
            }
        });
        break;
    case Kind::Date:
        QObject::connect(qobject_cast<QDateEdit*>(widget), &QDateEdit::dateChanged,
                         [name, id](const QDate&) { fireEvent(name, id, kEzChange); });
        break;
    default:
        break;
    }
}

} // namespace ez
