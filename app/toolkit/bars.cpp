// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar (buttons from image lists) and the status bar (parts by percent).
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

namespace ez {
namespace {

// "[5][6][7]": the image lists for the normal, hot and disabled looks.
std::vector<int32_t> imageListsOf(const std::string& listsText) {
    std::vector<int32_t> lists;
    size_t at = 0;
    while ((at = listsText.find('[', at)) != std::string::npos) {
        const size_t close = listsText.find(']', at);
        if (close == std::string::npos) break;
        lists.push_back(std::atoi(listsText.substr(at + 1, close - at - 1).c_str()));
        at = close;
    }
    return lists;
}

QPixmap imageAt(int32_t list, int index) {
    auto it = state().imageLists.find(list);
    if (it == state().imageLists.end() || index < 0 || index >= static_cast<int>(it->second.size()))
        return {};
    return it->second[static_cast<size_t>(index)];
}

QIcon buttonIcon(const std::vector<int32_t>& lists, int image) {
    QIcon icon;
    const QIcon::Mode modes[] = {QIcon::Normal, QIcon::Active, QIcon::Disabled};
    for (size_t i = 0; i < lists.size() && i < 3; ++i) {
        const QPixmap pixmap = imageAt(lists[i], image);
        if (!pixmap.isNull()) icon.addPixmap(pixmap, modes[i]);
    }
    return icon;
}

QAction* toolbarButton(const std::string& form, int32_t toolbar, int32_t button) {
    Control* control = findControl(form, toolbar);
    if (!control) return nullptr;
    const int32_t index = button - toolbar - 1;
    if (index < 0 || index >= static_cast<int32_t>(control->buttons.size())) return nullptr;
    return control->buttons[static_cast<size_t>(index)];
}

QLabel* statusPart(const std::string& form, int32_t id, int32_t part) {
    Control* control = findControl(form, id);
    if (!control || part < 1 || part > static_cast<int32_t>(control->parts.size())) return nullptr;
    return control->parts[static_cast<size_t>(part - 1)];
}

} // namespace
} // namespace ez

using namespace ez;

void EZ_TOOLBAR(int32_t id, const std::string& /*picture*/, const std::string& layout,
                const std::string& props) {
    State& s = state();
    Form* form = designForm();
    if (!form) return;
    if (s.next.creationEvent) {
        s.next.creationEvent = false;
        fireEvent(form->name, id, kEzCreating);
        if (!(form = designForm())) return;
    }
    const std::vector<int32_t> lists = imageListsOf(s.next.loadImages.value_or("[5][6][7]"));
    s.next.loadImages.reset();
    auto* bar = new QToolBar(form->client);
    int iconSize = 24;
    if (auto at = props.find('T'); at != std::string::npos)
        iconSize = std::max(16, std::atoi(props.c_str() + at + 1));
    bar->setIconSize(QSize(iconSize, iconSize));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    bar->setGeometry(0, 0, form->client->width(), toPixelsY(2.125F));

    Control& control = form->controls[id];
    control = Control{};
    control.id = id;
    control.kind = Kind::Toolbar;
    control.widget = bar;
    control.props = props;

    const auto bar_ = layout.find('|');
    const std::string kinds = layout.substr(0, bar_);
    const std::string images = bar_ == std::string::npos ? std::string() : layout.substr(bar_ + 1);
    const std::string name = form->name;
    int32_t buttonId = id;
    size_t imageIndex = 0;
    for (char kind : kinds) {
        if (kind != 'B') {
            bar->addSeparator();
            continue;
        }
        ++buttonId;
        const int image =
            imageIndex < images.size() ? images[imageIndex] - '0' : static_cast<int>(imageIndex);
        ++imageIndex;
        QAction* action = bar->addAction(buttonIcon(lists, image), QString());
        const int32_t thisId = buttonId;
        QObject::connect(action, &QAction::triggered,
                         [name, thisId](bool) { fireEvent(name, thisId, kEzClick); });
        control.buttons.push_back(action);
        if (QWidget* button = bar->widgetForAction(action)) {
            button->setFocusPolicy(Qt::NoFocus);
            button->installEventFilter(new ControlWatcher(name, thisId, button));
            Control& buttonControl = form->controls[thisId];
            buttonControl = Control{};
            buttonControl.id = thisId;
            buttonControl.kind = Kind::Toolbar;
            buttonControl.widget = button;
            buttonControl.tooltips = true;
        }
    }
    Control& toolbar = form->controls[id];
    bar->installEventFilter(new ControlWatcher(name, id, bar));
    toolbar.tooltips = true;
    bar->show();
}

void EZ_STATUSBAR(int32_t id, const std::string& text, const std::string& props) {
    State& s = state();
    Form* form = designForm();
    if (!form) return;
    if (s.next.creationEvent) {
        s.next.creationEvent = false;
        fireEvent(form->name, id, kEzCreating);
        if (!(form = designForm())) return;
    }
    auto* bar = new QFrame(form->client);
    bar->setAccessibleName(QStringLiteral("Status bar"));
    bar->setFont(takeNextFont());
    const int height = toPixelsY(1.375F);
    bar->setGeometry(0, form->client->height() - height, form->client->width(), height);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    Control& control = form->controls[id];
    control = Control{};
    control.id = id;
    control.kind = Kind::StatusBar;
    control.widget = bar;
    control.props = props;
    bar->show();
    EZ_SETSBPARTS(form->name, id, 1, "100");
    EZ_SETSBTEXT(form->name, id, 1, text, "");
}

void EZ_SETSBPARTS(const std::string& form, int32_t id, int32_t count, const std::string& percents) {
    Control* control = findControl(form, id);
    if (!control || !control->widget || count < 1) return;
    auto* layout = qobject_cast<QHBoxLayout*>(control->widget->layout());
    for (QLabel* part : control->parts)
        delete part;
    control->parts.clear();
    const QStringList shares = toQt(percents).split(QLatin1Char('|'));
    for (int32_t i = 0; i < count; ++i) {
        auto* part = new QLabel(control->widget);
        part->setFrameShape(QFrame::Panel);
        part->setFrameShadow(QFrame::Sunken);
        part->setTextFormat(Qt::PlainText);
        const int share = i < shares.size() ? std::max(1, shares[i].toInt()) : 1;
        layout->addWidget(part, share);
        control->parts.push_back(part);
    }
}

void EZ_SETSBTEXT(const std::string& form, int32_t id, int32_t part, const std::string& text,
                  const std::string& /*props*/) {
    QLabel* label = statusPart(form, id, part);
    if (!label) return;
    const bool centred = !text.empty() && text[0] == '\t';
    label->setText(toQt(centred ? text.substr(1) : text));
    label->setAlignment(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
}

void EZ_ENABLETB(const std::string& form, int32_t toolbar, int32_t button) {
    if (QAction* action = toolbarButton(form, toolbar, button)) action->setEnabled(true);
}

void EZ_DISABLETB(const std::string& form, int32_t toolbar, int32_t button) {
    if (QAction* action = toolbarButton(form, toolbar, button)) action->setEnabled(false);
}
