// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving forms from tests as a user would: focus, typing, keys, clicks, list choices, the
// slider, tooltips, closing. Modal forms are answered by scripts registered for their names.
#include "app/toolkit/ez.h"

#include <QtTest/QTest>
#include <functional>
#include <string>

class QWidget;

namespace eztest {

// Installs the callbacks without running a message loop (forms are created by the test).
void Install(EzEventCallback events, EzDesignCallback design);
// Unloads every form (without close requests) and forgets the toolkit's state.
void Reset();

QWidget* Window(const std::string& form);
QWidget* Widget(const std::string& form, int32_t id);
bool FormExists(const std::string& form);

// Runs queued work (posted events, started events, deferred notifications).
void Settle();

// When the modal form `form` has started, runs `script` inside its modal loop. Scripts for the
// same name run in the order registered, one per opening.
void OnModal(const std::string& form, std::function<void()> script);

void Focus(const std::string& form, int32_t id, Qt::FocusReason reason = Qt::TabFocusReason);
void Type(const std::string& form, int32_t id, const std::string& text); // focuses, then types
void Key(const std::string& form, int32_t id, Qt::Key key);              // into the control
void Tab();                                                              // into the focused widget
void Click(const std::string& form, int32_t id);
void RightClick(const std::string& form, int32_t id);
void ChooseItem(const std::string& form, int32_t id, int index);
void MoveSlider(const std::string& form, int32_t id, int position);
void ClickMenu(const std::string& form, int32_t itemId);
bool MenuEnabled(const std::string& form, int32_t itemId);
void ClickToolbar(const std::string& form, int32_t buttonId);
bool ToolbarEnabled(const std::string& form, int32_t buttonId);
std::string Tooltip(const std::string& form, int32_t id); // "" when none is shown
void CloseBox(const std::string& form);                   // the window's close box
void PressShortcut(const std::string& form, const QKeySequence& keys);

} // namespace eztest
