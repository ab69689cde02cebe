// SPDX-License-Identifier: GPL-3.0-or-later
// The date picker's keyboard: Tab leaves it, Left and Right move between its parts, and a short
// year or a pasted date is read as the field is left.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"
#include "dates/typed_date.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace ez {

std::optional<QDate> DateField::typedDate(const QString& text) const {
    const QDate shown = date();
    const std::optional<CivilDate> typed =
        ReadTypedDate(fromQt(text), fromQt(displayFormat()), {shown.year(), shown.month(), shown.day()});
    if (!typed) return std::nullopt;
    const QDate read(typed->year, typed->month, typed->day);
    if (read < minimumDate() || read > maximumDate()) return std::nullopt;
    return read;
}

void DateField::settleText() {
    QString text = lineEdit()->text();
    int position = 0;
    if (QDateEdit::validate(text, position) == QValidator::Acceptable) return; // Qt reads it itself
    if (const std::optional<QDate> read = typedDate(lineEdit()->text())) setDate(*read);
}

QValidator::State DateField::validate(QString& input, int& position) const {
    const QValidator::State state = QDateEdit::validate(input, position);
    if (state != QValidator::Invalid) return state;
    const std::optional<QDate> read = typedDate(input);
    if (!read) return state;
    input = read->toString(displayFormat());
    position = static_cast<int>(input.size());
    return QValidator::Acceptable;
}

bool DateField::focusNextPrevChild(bool next) {
    // Tab leaves the field like any other; the arrow keys move between its parts.
    settleText();
    return QWidget::focusNextPrevChild(next);
}

void DateField::keyPressEvent(QKeyEvent* event) {
    const bool sideways = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (sideways && event->modifiers() == Qt::NoModifier && sectionCount() > 1) {
        settleText();
        const int step = event->key() == Qt::Key_Right ? 1 : -1;
        const int section = std::clamp(currentSectionIndex() + step, 0, sectionCount() - 1);
        setCurrentSectionIndex(section);
        setSelectedSection(sectionAt(section));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) settleText();
    QDateEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event) {
    settleText();
    QDateEdit::focusOutEvent(event);
}

} // namespace ez
