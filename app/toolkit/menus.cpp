// SPDX-License-Identifier: GPL-3.0-or-later
// Menus by handle: the menu bar of a form and its drop-downs.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace ez {
namespace {

int32_t newMenu(std::unique_ptr<Menu> menu) {
    state().menus.push_back(std::move(menu));
    return static_cast<int32_t>(state().menus.size());
}

void applyProps(QAction* action, const std::string& props) {
    action->setEnabled(props.find('D') == std::string::npos);
    action->setVisible(props.find('H') == std::string::npos);
}

void addItem(int32_t handle, int32_t id, const std::string& caption, const std::string& props) {
    Menu* menu = menuByHandle(handle);
    if (!menu || (menu->isBar ? !menu->bar : !menu->menu)) return;
    QAction* action = nullptr;
    if (caption == "-") {
        action = menu->isBar ? menu->bar->addSeparator() : menu->menu->addSeparator();
    } else {
        action = menu->isBar ? menu->bar->addAction(toQt(caption)) : menu->menu->addAction(toQt(caption));
        applyProps(action, props);
        // The form is looked up when the item is used: a drop-down may be attached after creation.
        QObject::connect(action, &QAction::triggered, [handle, id](bool) {
            if (Menu* m = menuByHandle(handle)) fireEvent(m->form, id, kEzClick);
        });
        QObject::connect(action, &QAction::hovered, [handle, id] {
            if (Menu* m = menuByHandle(handle)) fireEvent(m->form, id, kEzMenuHighlight);
        });
    }
    menu->items.push_back(MenuItem{id, action});
}

} // namespace

Menu* menuByHandle(int32_t handle) {
    auto& menus = state().menus;
    if (handle < 1 || handle > static_cast<int32_t>(menus.size())) return nullptr;
    return menus[static_cast<size_t>(handle - 1)].get();
}

void attachMenuBar(Form& form, int32_t handle) {
    Menu* menu = menuByHandle(handle);
    if (!menu || !menu->isBar || !menu->bar || !form.window) return;
    menu->bar->setParent(form.window);
    form.window->layout()->setMenuBar(menu->bar);
    menu->form = form.name;
    form.menus[0] = handle;
}

int32_t menuItemState(const std::string& form, int32_t id, const std::string& what) {
    Form* f = findForm(form);
    if (!f) return 0;
    for (const auto& [number, handle] : f->menus)
        if (Menu* menu = menuByHandle(handle))
            if (QAction* action = menu->find(id)) {
                if (what == "E") return action->isEnabled() ? 1 : 0;
                if (what == "V") return action->isVisible() ? 1 : 0;
                return 1;
            }
    return 0;
}

} // namespace ez

using namespace ez;

int32_t EZ_DEFMAINMENU(int32_t firstId, const std::string& caption, const std::string& props) {
    auto menu = std::make_unique<Menu>();
    menu->isBar = true;
    menu->bar = new QMenuBar();
    const int32_t handle = newMenu(std::move(menu));
    addItem(handle, firstId, caption, props);
    state().next.mainMenu = handle;
    return handle;
}

int32_t EZ_DEFSUBMENU(int32_t firstId, const std::string& caption, const std::string& props) {
    auto menu = std::make_unique<Menu>();
    menu->menu = new QMenu();
    menu->form = state().designing;
    const int32_t handle = newMenu(std::move(menu));
    addItem(handle, firstId, caption, props);
    return handle;
}

void EZ_ADDMENUITEM(int32_t menu, int32_t id, int32_t /*reserved*/, const std::string& caption,
                    const std::string& props) {
    addItem(menu, id, caption, props);
}

void EZ_SETSUBMENU(int32_t menu, int32_t itemId, int32_t subMenu) {
    Menu* owner = menuByHandle(menu);
    Menu* sub = menuByHandle(subMenu);
    if (!owner || !sub || !sub->menu) return;
    if (QAction* action = owner->find(itemId)) {
        action->setMenu(sub->menu);
        // The drop-down belongs to the bar or menu it hangs from, and goes with it.
        QWidget* parent = owner->bar ? static_cast<QWidget*>(owner->bar) : owner->menu;
        sub->menu->setParent(parent, sub->menu->windowFlags());
        sub->form = owner->form;
    }
}

void EZ_SAVEMENU(const std::string& form, int32_t number, int32_t menu) {
    Form* f = findForm(form);
    Menu* m = menuByHandle(menu);
    if (!f || !m) return;
    f->menus[number] = menu;
    m->form = form;
}

int32_t EZ_GETMENU(const std::string& form, int32_t number) {
    Form* f = findForm(form);
    if (!f) return 0;
    auto it = f->menus.find(number);
    return it == f->menus.end() ? 0 : it->second;
}

void EZ_SETMENUITEM(int32_t menu, int32_t id, const std::string& caption, const std::string& props) {
    Menu* m = menuByHandle(menu);
    if (!m) return;
    if (QAction* action = m->find(id)) {
        if (!caption.empty()) action->setText(toQt(caption));
        applyProps(action, props);
    }
}
