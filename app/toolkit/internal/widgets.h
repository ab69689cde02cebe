// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few Qt widget classes of the toolkit's own.
#include <QDateEdit>
#include <QObject>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <string>

namespace ez {

// A form's top-level window. Its close box raises the close request on the form.
class FormWindow : public QWidget {
    Q_OBJECT
  public:
    FormWindow(std::string name, QWidget* parent, bool dialog);
    const std::string& formName() const { return name_; }
    // Set while the toolkit itself closes the window (after the close request was granted).
    bool closingByToolkit = false;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override; // keys while no control has the focus
    bool event(QEvent* event) override;

  private:
    std::string name_;
};

// A button whose face the program draws in the owner-draw event.
class OwnerDrawButton : public QPushButton {
    Q_OBJECT
  public:
    OwnerDrawButton(std::string form, int32_t id, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string form_;
    int32_t id_;
};

// A date picker that is left with one Tab, moves between its parts with the arrow keys and reads
// a one- or two-digit year, or a whole date pasted in another form, when it is left.
class DateField : public QDateEdit {
    Q_OBJECT
  public:
    using QDateEdit::QDateEdit;
    // Reads what was typed when Qt cannot ("19" for a four-digit year, "11/5/19"); text that is no
    // date at all is left to Qt, which puts the last date back.
    void settleText();

  protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // A whole date pasted in another form ("11/5/87", "11-05-2019") is taken in the field's form.
    QValidator::State validate(QString& input, int& position) const override;

  private:
    std::optional<QDate> typedDate(const QString& text) const;
};

// Turns Qt's input events on one control into the toolkit's events.
class ControlWatcher : public QObject {
    Q_OBJECT
  public:
    ControlWatcher(std::string form, int32_t id, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::string form_;
    int32_t id_;
};

} // namespace ez
