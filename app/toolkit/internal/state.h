// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's own state: forms, their controls, menus, images and the settings that apply to
// the next control created. Only the toolkit's files include this header.
#include "app/toolkit/ez.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QEventLoop;
class QMenu;
class QMenuBar;
class QAction;
class QPainter;
class QToolBar;
class QLabel;
class QKeyEvent;

namespace ez {

class FormWindow;

enum class Kind {
    Label,
    Text,
    Button,
    OwnerDrawButton,
    CheckBox,
    Radio,
    Frame,
    Combo,
    Date,
    Slider,
    Progress,
    Picture,
    RichText,
    Toolbar,
    StatusBar
};

struct Control {
    int32_t id = 0;
    Kind kind = Kind::Label;
    QPointer<QWidget> widget;
    std::string props;
    bool subclassed = false;
    bool tooltips = false;
    int32_t layer = 0;
    int32_t editHandle = 0;        // text fields: the handle passed with kEzEditNotify
    int32_t richTextLimit = 0;     // rich text: maximum length, 0 = none
    std::vector<QAction*> buttons; // toolbar: the buttons, id = toolbar id + 1 + index
    std::vector<QLabel*> parts;    // status bar: the parts
    std::string valueName;         // a label that shows a value: what the value is ("Total")
};

struct Form {
    std::string name;
    std::string parent;
    QPointer<FormWindow> window;
    QWidget* client = nullptr; // controls are placed on it; below the menu bar
    std::map<int32_t, Control> controls;
    int32_t lastCreated = -1; // id of the control created last (radios in a row form a group)
    std::map<int32_t, int32_t> userData;
    std::map<int32_t, int32_t> menus; // number -> menu handle
    bool modal = false;
    bool unloading = false;
    QEventLoop* loop = nullptr;
    const Control* find(int32_t id) const;
    Control* find(int32_t id);
};

struct MenuItem {
    int32_t id = 0;
    QAction* action = nullptr;
};

struct Menu {
    bool isBar = false;
    QMenuBar* bar = nullptr; // the bar menu
    QMenu* menu = nullptr;   // a drop-down
    std::string form;        // the form whose events its items raise
    std::vector<MenuItem> items;
    QAction* find(int32_t id) const;
};

// What applies to the next control created.
struct Pending {
    int32_t fontNumber = 4;
    std::optional<QFont> immediateFont; // EZ_USEIFONT
    int32_t textColour = -1;
    int32_t backColour = -1;
    bool autosize = false;
    int32_t subclass = 0;
    int32_t layer = 0;
    bool creationEvent = false;            // EZ_ALLOWLOADINGEVENT(2): one-shot
    std::optional<std::string> loadImages; // EZ_SETLOADSTR("I", ...)
    std::optional<std::string> loadText;   // EZ_SETLOADSTR("T", ...)
    int32_t mainMenu = 0;                  // EZ_DEFMAINMENU for the next form
};

struct DrawContext {
    QPainter* painter = nullptr;
    QWidget* button = nullptr;
    bool drawn = false;
};

struct State {
    EzEventCallback events;
    EzDesignCallback design;
    std::map<std::string, std::unique_ptr<Form>> forms;
    std::vector<std::unique_ptr<Form>> buried; // unloaded, freed once the events in hand are done
    std::string designing;                     // the form whose design callback runs
    std::vector<std::string> eventForms;       // stack of forms whose events are being handled
    Pending next;
    std::map<int32_t, QFont> fonts;
    std::map<int32_t, QColor> colours;        // palette entries defined by the program
    std::vector<std::unique_ptr<Menu>> menus; // handle = index + 1
    std::map<std::string, QPixmap> pictures;
    std::map<std::string, QIcon> icons;
    int32_t nextPicture = 1;
    std::map<int32_t, std::vector<QPixmap>> imageLists;
    std::map<int32_t, int32_t> imageListSizes;
    std::string imageFolder = "Graphics";
    std::map<int32_t, QPointer<QWidget>> editHandles;
    int32_t nextEditHandle = 1;
    std::map<int32_t, DrawContext> drawContexts;
    int32_t nextDrawHandle = 1;
    std::optional<std::string> tooltipAnswer; // set by EZ_SETTOOLTIP while a request is handled
    bool keyEvents = true;
    std::function<std::string(const std::string&)> rtfToHtml;
    QEventLoop* mainLoop = nullptr;
    // Test hooks: scripts run when a modal form of that name has started.
    std::map<std::string, std::deque<std::function<void()>>> modalScripts;
};

State& state();
Form* findForm(const std::string& name);
Control* findControl(const std::string& form, int32_t id);
QWidget* controlWidget(const std::string& form, int32_t id);
// A menu item of the form's menus asked as a control: "E" enabled, "V" shown; 0 when none.
int32_t menuItemState(const std::string& form, int32_t id, const std::string& what);

// Raises an event on a form; returns the cancel flag. The value may be changed by the handler.
int32_t fireEvent(const std::string& form, int32_t id, int32_t message, int32_t& value);
inline int32_t fireEvent(const std::string& form, int32_t id, int32_t message) {
    int32_t value = 0;
    return fireEvent(form, id, message, value);
}

// Units: the one conversion between character units and pixels.
int toPixelsX(float columns);
int toPixelsY(float rows);
float toColumns(int pixels);
float toRows(int pixels);

// Fonts and colours
QFont fontNumber(int32_t number);
QFont takeNextFont(); // the font for the control being created
std::optional<QColor> paletteColour(int32_t index);
void applyColours(QWidget* widget, Kind kind, int32_t text, int32_t background);

// Creation helpers
void fitLabelHeight(QLabel* label); // a label of several lines grows until every line shows
QString labelText(const std::string& text, const std::string& props);
Form* designForm();
QString toQt(const std::string& text);
std::string fromQt(const QString& text);

// Events: installs the filter that turns Qt's input into the toolkit's events.
void watchControl(Form& form, Control& control);
// Raises the key event for a key pressed on a control (or on the form, id 0); true when the
// handler swallowed or replaced it.
bool handleKey(const std::string& form, int32_t id, QWidget* widget, QKeyEvent* event);
void destroyForm(const std::string& name);
void runModalScripts(const std::string& form);

// Accessibility: the drop-down lists' names (installed with the first form), value labels.
void installAccessibility();
void nameValueLabel(Control& control);

// Menus
Menu* menuByHandle(int32_t handle);
void attachMenuBar(Form& form, int32_t handle);

} // namespace ez
