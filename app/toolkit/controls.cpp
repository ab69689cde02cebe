// SPDX-License-Identifier: GPL-3.0-or-later
// Creating controls on the form being designed.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"
#include "dates/today.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTextBrowser>
#include <QValidator>

namespace ez {
namespace {

bool has(const std::string& props, char letter) {
    return props.find(letter) != std::string::npos;
}

// Keeps what is typed in upper case (text fields with U).
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

// A label's text as shown: "|" starts a new line, except on a label with the letter P.
QString labelText(const std::string& text, const std::string& props) {
    QString shown = toQt(text);
    if (!has(props, 'P')) shown.replace(QLatin1Char('|'), QLatin1Char('\n'));
    return shown;
}

// A label of several lines (or one that wraps its text) grows downwards until every line shows.
void fitLabelHeight(QLabel* label) {
    const QFontMetrics metrics(label->font());
    const int needed = label->wordWrap()
                           ? label->heightForWidth(label->width())
                           : static_cast<int>(label->text().count(QLatin1Char('\n')) + 1) * metrics.height();
    if (needed > label->height()) label->resize(label->width(), needed);
}

namespace {

struct Geometry {
    float col, row, width, height;
};

// Shared steps of every creation: the creation-pending event, the font, colours, geometry, the
// subclassing and layer settings, and the watcher that raises the control's events.
Control* create(Kind kind, int32_t id, const Geometry& g, const std::string& props,
                const std::function<QWidget*(QWidget* client)>& make) {
    State& s = state();
    Form* form = designForm();
    if (!form) return nullptr;
    if (s.next.creationEvent) {
        s.next.creationEvent = false;
        fireEvent(form->name, id, kEzCreating);
        form = designForm();
        if (!form) return nullptr;
    }
    QWidget* widget = make(form->client);
    widget->setFont(takeNextFont());
    applyColours(widget, kind, s.next.textColour, s.next.backColour);
    widget->setGeometry(toPixelsX(g.col), toPixelsY(g.row), toPixelsX(g.width), toPixelsY(g.height));
    Control& control = form->controls[id];
    control = Control{};
    control.id = id;
    control.kind = kind;
    control.widget = widget;
    control.props = props;
    control.subclassed = s.next.subclass == 2;
    control.layer = s.next.layer;
    if (s.next.autosize &&
        (kind == Kind::Label || kind == Kind::CheckBox || kind == Kind::Radio || kind == Kind::Button)) {
        // Grow to fit the text, keeping the edge (or the centre) that the text is aligned to.
        const QFontMetrics metrics(widget->font());
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        int needed = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            needed = std::max(needed, metrics.horizontalAdvance(line));
        if (kind != Kind::Label) needed += 24;
        QRect r = widget->geometry();
        if (needed > r.width()) {
            const int grow = needed - r.width();
            if (has(props, 'C'))
                r.adjust(-grow / 2, 0, grow - grow / 2, 0);
            else if (has(props, 'R'))
                r.adjust(-grow, 0, 0, 0);
            else
                r.adjust(0, 0, grow, 0);
            widget->setGeometry(r);
        }
    }
    if (s.next.autosize && (kind == Kind::Date || kind == Kind::Combo)) {
        // A date picker or list fits its text and its button.
        const int needed = widget->sizeHint().width();
        if (needed > widget->width()) widget->resize(needed, widget->height());
    }
    s.next.autosize = false;
    s.next.loadText.reset();
    form->lastCreated = id;
    widget->show();
    watchControl(*form, control);
    return &control;
}

std::string takeLoadText(const std::string& text) {
    auto& loaded = state().next.loadText;
    return loaded ? *loaded : text;
}

QString dateFormat(const std::string& propsAndFormat) {
    const auto open = propsAndFormat.find('{');
    const auto close = propsAndFormat.find('}');
    QString format = QStringLiteral("MM/dd/yyyy");
    if (open != std::string::npos && close != std::string::npos && close > open)
        format = toQt(propsAndFormat.substr(open + 1, close - open - 1));
    format.replace(QStringLiteral("DD"), QStringLiteral("dd"))
        .replace(QStringLiteral("YYYY"), QStringLiteral("yyyy"));
    return format;
}

} // namespace
} // namespace ez

using namespace ez;

void EZ_USEAUTOSIZE(const std::string& mode) {
    state().next.autosize = !mode.empty();
}
void EZ_SUBCLASS(int32_t mode) {
    state().next.subclass = mode;
}

void EZ_LABEL(int32_t id, float col, float row, float width, float height, const std::string& text,
              const std::string& props) {
    Control* control = create(Kind::Label, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* label = new QLabel(labelText(takeLoadText(text), props), client);
        Qt::Alignment align = Qt::AlignTop;
        align |= has(props, 'C') ? Qt::AlignHCenter : has(props, 'R') ? Qt::AlignRight : Qt::AlignLeft;
        label->setAlignment(align);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(has(props, 'W'));
        return label;
    });
    if (control) fitLabelHeight(qobject_cast<QLabel*>(control->widget.data()));
}

void EZ_TEXT(int32_t id, float col, float row, float width, float height, const std::string& text,
             const std::string& props) {
    Control* control = create(Kind::Text, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* edit = new QLineEdit(toQt(text), client);
        const bool framed = has(props, 'E');
        const bool tabStop = has(props, 'T');
        edit->setFrame(framed);
        edit->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (!framed && !tabStop) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        if (has(props, 'U')) edit->setValidator(new UpperCaseValidator(edit));
        if (has(props, 'N')) edit->setAlignment(Qt::AlignCenter);
        edit->setTextMargins(1, 0, 1, 0);
        return edit;
    });
    if (!control) return;
    control->editHandle = state().nextEditHandle++;
    state().editHandles[control->editHandle] = control->widget;
}

void EZ_BUTTON(int32_t id, float col, float row, float width, float height, const std::string& text,
               const std::string& props) {
    create(Kind::Button, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* button = new QPushButton(toQt(text), client);
        // A: Enter presses the button while it has the focus, and the button shows it.
        button->setAutoDefault(has(props, 'A'));
        button->setFocusPolicy(has(props, 'T') ? Qt::StrongFocus : Qt::ClickFocus);
        return button;
    });
}

void EZ_ODBUTTON(int32_t id, float col, float row, float width, float height, const std::string& text,
                 const std::string& props) {
    Form* form = designForm();
    if (!form) return;
    const std::string name = form->name;
    create(Kind::OwnerDrawButton, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* button = new OwnerDrawButton(name, id, client);
        button->setText(toQt(text));
        button->setAutoDefault(has(props, 'A'));
        button->setFocusPolicy(has(props, 'T') ? Qt::StrongFocus : Qt::ClickFocus);
        return button;
    });
}

void EZ_CHECKBOX(int32_t id, float col, float row, float width, float height, const std::string& text,
                 const std::string& props) {
    create(Kind::CheckBox, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* box = new QCheckBox(toQt(text), client);
        box->setFocusPolicy(has(props, 'T') ? Qt::StrongFocus : Qt::ClickFocus);
        return box;
    });
}

void EZ_RADIO(int32_t id, float col, float row, float width, float height, const std::string& text,
              const std::string& props) {
    Form* form = designForm();
    if (!form) return;
    // Radios created one after another form one group.
    QButtonGroup* group = nullptr;
    if (Control* previous = form->find(form->lastCreated);
        previous && previous->kind == Kind::Radio && previous->widget)
        group = qobject_cast<QRadioButton*>(previous->widget.data())->group();
    create(Kind::Radio, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* radio = new QRadioButton(toQt(text), client);
        radio->setFocusPolicy(has(props, 'T') ? Qt::StrongFocus : Qt::ClickFocus);
        if (!group) group = new QButtonGroup(client);
        group->addButton(radio);
        return radio;
    });
}

void EZ_FRAME(int32_t id, float col, float row, float width, float height, const std::string& text,
              const std::string& props) {
    Control* control = create(Kind::Frame, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* frame = new QGroupBox(toQt(takeLoadText(text)), client);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    });
    if (control) control->widget->lower(); // frames sit behind the controls they hold
}

void EZ_COMBOBOX(int32_t id, float col, float row, float width, float height, const std::string& items,
                 const std::string& props) {
    create(Kind::Combo, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* combo = new QComboBox(client);
        if (!items.empty())
            for (const QString& item : toQt(items).split(QLatin1Char('|')))
                combo->addItem(item);
        combo->setFocusPolicy(Qt::StrongFocus);
        combo->setMaxVisibleItems(std::max(5, static_cast<int>(height) - 1));
        return combo;
    });
    // The given height includes the drop-down part; the closed box is one field high.
    if (QWidget* w = controlWidget(designForm() ? designForm()->name : std::string(), id))
        w->resize(w->width(), std::max(toPixelsY(1.375F), w->sizeHint().height()));
}

void EZ_DATETIME(int32_t id, float col, float row, float width, float height,
                 const std::string& propsAndFormat) {
    create(Kind::Date, id, {col, row, width, height}, propsAndFormat, [&](QWidget* client) {
        auto* edit = new DateField(client);
        edit->setDisplayFormat(dateFormat(propsAndFormat));
        const auto brace = propsAndFormat.find('{');
        const bool upDown = propsAndFormat.substr(0, brace).find('U') != std::string::npos;
        edit->setCalendarPopup(!upDown);
        if (!upDown) edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
        const CivilDate today = Today();
        edit->setDate(QDate(today.year, today.month, today.day));
        edit->setFocusPolicy(Qt::StrongFocus);
        return edit;
    });
}

void EZ_HTRACKBAR(int32_t id, float col, float row, float width, float height, const std::string& props) {
    create(Kind::Slider, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* slider = new QSlider(Qt::Horizontal, client);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setFocusPolicy(Qt::StrongFocus);
        return slider;
    });
}

void EZ_PROGRESSBAR(int32_t id, float col, float row, float width, float height, const std::string& props) {
    create(Kind::Progress, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* bar = new QProgressBar(client);
        bar->setTextVisible(false);
        return bar;
    });
}

void EZ_PICTURE(int32_t id, float col, float row, float width, float height, const std::string& picture,
                const std::string& props) {
    create(Kind::Picture, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* label = new QLabel(client);
        auto it = state().pictures.find(picture);
        if (it != state().pictures.end()) label->setPixmap(it->second);
        label->setAlignment(Qt::AlignCenter);
        if (has(props, 'E')) label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        return label;
    });
}

void EZ_RICHTEXT1(int32_t id, float col, float row, float width, float height, const std::string& props) {
    create(Kind::RichText, id, {col, row, width, height}, props, [&](QWidget* client) {
        auto* view = new QTextBrowser(client);
        view->setReadOnly(true);
        view->setOpenLinks(false);
        view->setFocusPolicy(has(props, 'T') ? Qt::StrongFocus : Qt::ClickFocus);
        return view;
    });
}

void EZ_ADDTOOLTIP(const std::string& form, int32_t id) {
    if (Control* control = findControl(form, id)) control->tooltips = true;
}

void EZ_SETTOOLTIP(const std::string& text) {
    state().tooltipAnswer = text;
}
void EZ_DEFTOOLTIPPROP(int32_t, int32_t, const std::string&) {}
