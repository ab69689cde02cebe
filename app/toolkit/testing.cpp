// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolkit/ez_testing.h"
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSlider>
#include <QToolBar>

namespace eztest {
namespace {

void activate(QWidget* window) {
    if (!window) return;
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
}

QAction* menuAction(const std::string& form, int32_t itemId) {
    ez::Form* f = ez::findForm(form);
    if (!f) return nullptr;
    for (const auto& menu : ez::state().menus)
        if (menu->form == form)
            if (QAction* action = menu->find(itemId)) return action;
    return nullptr;
}

QAction* toolbarAction(const std::string& form, int32_t buttonId) {
    ez::Form* f = ez::findForm(form);
    if (!f) return nullptr;
    for (auto& [id, control] : f->controls)
        if (control.kind == ez::Kind::Toolbar && !control.buttons.empty()) {
            const int32_t index = buttonId - id - 1;
            if (index >= 0 && index < static_cast<int32_t>(control.buttons.size()))
                return control.buttons[static_cast<size_t>(index)];
        }
    return nullptr;
}

} // namespace

void Install(EzEventCallback events, EzDesignCallback design) {
    ez::state().events = std::move(events);
    ez::state().design = std::move(design);
}

void Reset() {
    ez::State& s = ez::state();
    std::vector<std::string> names;
    for (const auto& [name, form] : s.forms)
        names.push_back(name);
    for (auto it = names.rbegin(); it != names.rend(); ++it)
        ez::destroyForm(*it);
    Settle();
    s.events = nullptr;
    s.design = nullptr;
    s.next = ez::Pending{};
    s.modalScripts.clear();
    s.tooltipAnswer.reset();
    s.keyEvents = true;
}

QWidget* Window(const std::string& form) {
    ez::Form* f = ez::findForm(form);
    return f ? f->window.data() : nullptr;
}

QWidget* Widget(const std::string& form, int32_t id) {
    return ez::controlWidget(form, id);
}
bool FormExists(const std::string& form) {
    return ez::findForm(form) != nullptr;
}

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void OnModal(const std::string& form, std::function<void()> script) {
    ez::state().modalScripts[form].push_back(std::move(script));
}

void Focus(const std::string& form, int32_t id, Qt::FocusReason reason) {
    QWidget* w = Widget(form, id);
    if (!w) return;
    activate(w->window());
    w->setFocus(reason);
    Settle();
}

void Type(const std::string& form, int32_t id, const std::string& text) {
    QWidget* w = Widget(form, id);
    if (!w) return;
    if (!w->hasFocus()) Focus(form, id, Qt::MouseFocusReason);
    for (QChar ch : ez::toQt(text)) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(w, ch.toLatin1());
            continue;
        }
        // Characters beyond ASCII arrive as text without a key of their own, as from a keyboard layout.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }
    Settle();
}

void Key(const std::string& form, int32_t id, Qt::Key key) {
    QWidget* w = Widget(form, id);
    if (!w) return;
    QTest::keyClick(w, key);
    Settle();
}

void Tab() {
    if (QWidget* w = QApplication::focusWidget()) QTest::keyClick(w, Qt::Key_Tab);
    Settle();
}

void Click(const std::string& form, int32_t id) {
    QWidget* w = Widget(form, id);
    if (!w) return;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    Settle();
}

void RightClick(const std::string& form, int32_t id) {
    QWidget* w = Widget(form, id);
    if (!w) return;
    const QPoint at = w->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &event);
    Settle();
}

void ChooseItem(const std::string& form, int32_t id, int index) {
    auto* combo = qobject_cast<QComboBox*>(Widget(form, id));
    if (!combo) return;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    Settle();
}

void MoveSlider(const std::string& form, int32_t id, int position) {
    auto* slider = qobject_cast<QSlider*>(Widget(form, id));
    if (!slider) return;
    slider->setSliderPosition(position);
    Settle();
}

void ClickMenu(const std::string& form, int32_t itemId) {
    if (QAction* action = menuAction(form, itemId); action && action->isEnabled()) action->trigger();
    Settle();
}

bool MenuEnabled(const std::string& form, int32_t itemId) {
    QAction* action = menuAction(form, itemId);
    return action && action->isEnabled();
}

void ClickToolbar(const std::string& form, int32_t buttonId) {
    if (QAction* action = toolbarAction(form, buttonId); action && action->isEnabled()) action->trigger();
    Settle();
}

bool ToolbarEnabled(const std::string& form, int32_t buttonId) {
    QAction* action = toolbarAction(form, buttonId);
    return action && action->isEnabled();
}

std::string Tooltip(const std::string& form, int32_t id) {
    QWidget* w = Widget(form, id);
    if (!w) return {};
    ez::state().tooltipAnswer.reset();
    std::string shown;
    // Ask the way the desktop does, and read back what the toolkit would show.
    ez::Control* control = ez::findControl(form, id);
    if (!control || !control->tooltips) return {};
    ez::state().tooltipAnswer = std::string();
    ez::fireEvent(form, id, kEzTooltip);
    shown = ez::state().tooltipAnswer.value_or(std::string());
    ez::state().tooltipAnswer.reset();
    return shown;
}

void CloseBox(const std::string& form) {
    if (QWidget* window = Window(form)) window->close();
    Settle();
}

void PressShortcut(const std::string& form, const QKeySequence& keys) {
    QWidget* window = Window(form);
    if (!window) return;
    for (QShortcut* shortcut : window->findChildren<QShortcut*>())
        if (shortcut->key() == keys && shortcut->isEnabled()) Q_EMIT shortcut->activated();
    Settle();
}

} // namespace eztest
