// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers learn of the controls: names given by the forms, drop-down lists known by
// their names (not by the item shown), and labels that show a value read with that value.
#include "app/toolkit/internal/state.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace ez {
namespace {

// Qt names a drop-down list on Linux by its current item, so that "Business Profile" would be
// read as "None". This one answers with the name the form gave it and keeps the item as its value.
class NamedComboBox : public QAccessibleWidget {
  public:
    explicit NamedComboBox(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !combo()->accessibleName().isEmpty()) return combo()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value) return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (combo()->view()->isVisible())
                combo()->hidePopup();
            else
                combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox")) return nullptr;
    auto* combo = qobject_cast<QComboBox*>(object);
    return combo && !combo->isEditable() ? new NamedComboBox(combo) : nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

// A label that shows a value is read as "Total: 100.0": its name and the value it shows now.
void nameValueLabel(Control& control) {
    auto* label = qobject_cast<QLabel*>(control.widget.data());
    if (!label || control.valueName.empty()) return;
    label->setAccessibleName(toQt(control.valueName) + QStringLiteral(": ") + label->text());
    label->setAccessibleDescription(label->text());
}

} // namespace ez

using namespace ez;

void EzSetAccessibleName(const std::string& form, int32_t id, const std::string& name) {
    Control* control = findControl(form, id);
    if (!control || !control->widget) return;
    if (control->kind == Kind::Label) {
        control->valueName = name;
        nameValueLabel(*control);
        return;
    }
    control->widget->setAccessibleName(toQt(name));
}
