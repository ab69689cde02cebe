// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's state, the event raising and the text crossing to Qt.
#include "app/toolkit/internal/state.h"
#include "app/text/cp1252.h"

#include <QAction>

namespace ez {

State& state() {
    static State instance;
    return instance;
}

const Control* Form::find(int32_t id) const {
    auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

Control* Form::find(int32_t id) {
    auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

QAction* Menu::find(int32_t id) const {
    for (const MenuItem& item : items)
        if (item.id == id) return item.action;
    return nullptr;
}

Form* findForm(const std::string& name) {
    auto it = state().forms.find(name);
    return it == state().forms.end() ? nullptr : it->second.get();
}

Control* findControl(const std::string& form, int32_t id) {
    Form* f = findForm(form);
    return f ? f->find(id) : nullptr;
}

QWidget* controlWidget(const std::string& form, int32_t id) {
    Control* c = findControl(form, id);
    return c ? c->widget.data() : nullptr;
}

int32_t fireEvent(const std::string& form, int32_t id, int32_t message, int32_t& value) {
    State& s = state();
    int32_t cancel = 0;
    if (!s.events) return cancel;
    int32_t idCopy = id;
    int32_t messageCopy = message;
    s.eventForms.push_back(form);
    s.events(form, idCopy, messageCopy, value, cancel);
    s.eventForms.pop_back();
    return cancel;
}

QString toQt(const std::string& text) {
    return FromCp1252(text);
}
std::string fromQt(const QString& text) {
    return ToCp1252(text);
}

Form* designForm() {
    return findForm(state().designing);
}

} // namespace ez

std::string EZ_CURRENTFORM() {
    const auto& stack = ez::state().eventForms;
    return stack.empty() ? std::string() : stack.back();
}

void EzSetRichTextReader(std::function<std::string(const std::string&)> toHtmlUtf8) {
    ez::state().rtfToHtml = std::move(toHtmlUtf8);
}
