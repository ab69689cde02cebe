#pragma once
// The few Qt widget classes of the toolkit's own.
#include <QObject>
#include <QPushButton>
#include <QWidget>

#include <string>

namespace ez {

// A form's top-level window. Its close box raises the close request on the form.
class FormWindow : public QWidget {
    Q_OBJECT
  public:
    FormWindow(std::string name, QWidget* parent);
    const std::string& formName() const { return name_; }
    // Set while the toolkit itself closes the window (after the close request was granted).
    bool closingByToolkit = false;

  protected:
    void closeEvent(QCloseEvent* event) override;
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
