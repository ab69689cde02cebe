// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form toolkit: the whole surface that the program's forms see.
//
// Forms are known by short names, controls by 32-bit ids on their form. Geometry is in character
// units (columns and rows, single precision, relative to the form's client area). Every event of
// every form reaches one event callback with the form's name, the control id (0 = the form), the
// event code and a value and a cancel flag that the handler may change. Texts are code page 1252
// bytes; the toolkit converts them for Qt.
//
// Realised over Qt Widgets. The property letters that the toolkit understands:
//   forms     C centred (over the parent form, else on the screen), M modal (EZ_FORM returns after
//             the form is unloaded); every form keeps the size it is given (no resizing by the user)
//   labels    C centred text, R right-aligned, L left-aligned (default); "|" in the text starts a
//             new line, except with P: the text is shown as given, lines end at "\n" only; W wraps
//             long lines at word breaks within the label's width
//   text      E sunken edit frame, T tab stop, U upper case only; a field with neither E nor T is a
//   fields    read-only display; N centres the number it shows
//   lists     T tab stop (a drop-down list of fixed items)
//   buttons   T tab stop, A Enter presses the button while it has the focus (drawn as the default)
//   sliders   "=U" a horizontal slider with ticks below
//   dates     "T{MM/DD/YYYY}" a date picker with a calendar; "TU{YYYY}" a year with arrows
//   pictures  E sunken frame
// Letters not listed are accepted and ignored.
#include <cstdint>
#include <functional>
#include <string>

// Event codes delivered to the event callback.
enum EzEvent : int32_t {
    kEzClose = 0, // close request (id 0); a non-zero cancel refuses it
    kEzClick = 1, // button, box, menu item, toolbar button, accelerator
    kEzGotFocus = 3,
    kEzLostFocus = 4,
    kEzChange = 6,        // text edited by the user, slider moved, list item chosen; value = position/index
    kEzTooltip = 8,       // answered with EZ_SETTOOLTIP
    kEzKey = 30,          // value = key code, writable: 0 swallows the key, 9 for 13 moves on like Tab
    kEzCreating = 85,     // about to be created (after EZ_ALLOWLOADINGEVENT)
    kEzStarted = 86,      // the form is shown and running (after kEzLoaded)
    kEzLoaded = 87,       // the form and all its controls exist
    kEzRightClick = 95,   // a non-zero cancel consumes it
    kEzHelpContext = 130, // the user turned to this form or control (before F1 can be pressed in it)
    kEzOwnerDraw = 300,   // value = draw handle for EZ_DRAW... calls
    kEzPosted = 410,      // EZ_POSTEVENT
    kEzMenuHighlight = 520,
    kEzEditNotify = 800, // a subclassed edit field has the focus; value = edit handle
};

// Key codes in key events.
enum EzKey : int32_t { kEzKeyTab = 9, kEzKeyEnter = 13, kEzKeyEscape = 27 };

using EzStartCallback = std::function<void(int32_t)>;
using EzEventCallback = std::function<void(const std::string& form, int32_t& id, int32_t& message,
                                           int32_t& value, int32_t& cancel)>;
using EzDesignCallback = std::function<void(const std::string& form)>;

// --- Running -----------------------------------------------------------------------------------
// Runs the program: calls start(0), then the event loop until the last form without a parent is
// unloaded. Needs a QApplication. Returns the exit code.
int32_t EZ_GUIRUN(int32_t instance, int32_t previous, const std::string& commandLine, int32_t show,
                  EzStartCallback start, EzEventCallback events, EzDesignCallback design, int32_t reserved);
void EZ_DOEVENTS(int32_t mode);
std::string EZ_APPPATH(); // the program's folder, ending with the path separator
std::string EZ_CURRENTFORM();
void EZ_POSTEVENT(const std::string& form, int32_t id, int32_t value);

void EZ_ALLOWCOMMANDEVENTS(int32_t on);
void EZ_ALLOWNOTIFYEVENTS(int32_t on);
void EZ_ALLOWKEYEVENTS(int32_t on);
void EZ_ALLOWMOUSEMOVEEVENTS(int32_t on);
void EZ_ALLOWCURSOREVENTS(int32_t on);
void EZ_ALLOWLOADINGEVENT(int32_t mode); // 2: the next form or control raises kEzCreating
void EZ_SETLOADSTR(const std::string& kind, const std::string& value); // inside kEzCreating: "I", "T"

// --- Forms ---------------------------------------------------------------------------------------
void EZ_FORM(const std::string& name, const std::string& parent, const std::string& caption, float col,
             float row, float width, float height, const std::string& props);
void EZ_UNLOADFORM(const std::string& form); // raises kEzClose first; a refused close keeps the form
void EZ_HIDEFORM(const std::string& form);
void EZ_CENTERFORM(const std::string& over, const std::string& form, int32_t mode);
void EZ_RESIZEFORM(const std::string& form, float col, float row, float width, float height, int32_t mode);
void EZ_GETPOS(const std::string& form, float& col, float& row, int32_t mode);       // mode 1: pixels
void EZ_GETSIZE(const std::string& form, float& width, float& height, int32_t mode); // mode 1: outer pixels
void EZ_GETSCREENSIZE(int32_t& width, int32_t& height);                              // pixels
void EZ_SETDEPTH(const std::string& form, int32_t depth, const std::string& props);  // "F": to the front
void EZ_SETFORMICON(const std::string& form, const std::string& icon);
void EZ_SETUSERDATA(const std::string& form, int32_t slot, int32_t value);
int32_t EZ_GETUSERDATA(const std::string& form, int32_t slot);
void EZ_DEFACCEL(const std::string& form, const std::string& keysAndIds);    // "F1,911"
void EZ_SETLAYER(int32_t layer);                                             // layer of the next controls
void EZ_DISPLAYLAYER(const std::string& form, int32_t layer, int32_t flags); // layer 0 always shows

// --- Units ---------------------------------------------------------------------------------------
float EZ_CX(int32_t pixels);
float EZ_CY(int32_t pixels);
float EZ_SCALETOCHARSIZE(int32_t pixels, const std::string& axis); // "PX" or "PY"

// --- Fonts and colours ---------------------------------------------------------------------------
void EZ_DEFFONT(int32_t number, const std::string& face, float points, const std::string& props); // B bold
void EZ_USEFONT(int32_t number); // for the next controls; 0 and 4 are the toolkit's own font
void EZ_USEIFONT(const std::string& face, float points, const std::string& props); // the next controls
void EZ_COLOR(int32_t text, int32_t background); // palette indexes for the next form/controls; -1 default
void EZ_DEFSYSTEMCOLOR(int32_t index, int32_t systemColour); // 15: button face
void EZ_SETCOLOR(const std::string& form, int32_t id, int32_t text, int32_t background);
void EZ_GETTEXTSIZE(int32_t font, const std::string& text, float& width, float& height, int32_t mode);

// --- Controls ------------------------------------------------------------------------------------
void EZ_USEAUTOSIZE(const std::string& mode); // "CT": the next control fits its text
void EZ_SUBCLASS(int32_t mode);               // 2: the next controls raise kEzEditNotify
void EZ_LABEL(int32_t id, float col, float row, float width, float height, const std::string& text,
              const std::string& props);
void EZ_TEXT(int32_t id, float col, float row, float width, float height, const std::string& text,
             const std::string& props);
void EZ_BUTTON(int32_t id, float col, float row, float width, float height, const std::string& text,
               const std::string& props);
void EZ_ODBUTTON(int32_t id, float col, float row, float width, float height, const std::string& text,
                 const std::string& props);
void EZ_CHECKBOX(int32_t id, float col, float row, float width, float height, const std::string& text,
                 const std::string& props);
void EZ_RADIO(int32_t id, float col, float row, float width, float height, const std::string& text,
              const std::string& props); // radios in a row of creation form one group
void EZ_FRAME(int32_t id, float col, float row, float width, float height, const std::string& text,
              const std::string& props);
void EZ_COMBOBOX(int32_t id, float col, float row, float width, float height, const std::string& items,
                 const std::string& props);
void EZ_DATETIME(int32_t id, float col, float row, float width, float height,
                 const std::string& propsAndFormat);
void EZ_HTRACKBAR(int32_t id, float col, float row, float width, float height, const std::string& props);
void EZ_PROGRESSBAR(int32_t id, float col, float row, float width, float height, const std::string& props);
void EZ_PICTURE(int32_t id, float col, float row, float width, float height, const std::string& picture,
                const std::string& props);
void EZ_RICHTEXT1(int32_t id, float col, float row, float width, float height, const std::string& props);
void EZ_TOOLBAR(int32_t id, const std::string& picture, const std::string& layout, const std::string& props);
void EZ_STATUSBAR(int32_t id, const std::string& text, const std::string& props);
void EZ_ADDTOOLTIP(const std::string& form, int32_t id);
void EZ_SETTOOLTIP(const std::string& text); // answers the tooltip request being handled
void EZ_DEFTOOLTIPPROP(int32_t text, int32_t background, const std::string& props);

std::string EZ_GETTEXT(const std::string& form, int32_t id); // combo: the selected item's text
void EZ_SETTEXT(const std::string& form, int32_t id, const std::string& text); // id 0: the caption
// id 0: the form itself takes the focus, so that no control has it (its keys reach id 0).
void EZ_SETFOCUS(const std::string& form, int32_t id);
int32_t EZ_GETFOCUSID();
void EZ_ENABLEC(const std::string& form, int32_t id);
void EZ_DISABLEC(const std::string& form, int32_t id);
int32_t EZ_ISCONTROL(const std::string& form, int32_t id,
                     const std::string& what); // "E" enabled, "V" visible
int32_t EZ_GETCHECK(const std::string& form, int32_t id);
void EZ_SETCHECK(const std::string& form, int32_t id, int32_t checked);
int32_t EZ_GETATTR(const std::string& form, int32_t id, const std::string& attribute); // "ISel"
void EZ_SETATTR(const std::string& form, int32_t id, const std::string& attribute,
                int32_t value); // "TicUnits"
void EZ_REDRAWCONTROL(const std::string& form, int32_t id);
void EZ_SETREDRAWSTATE(const std::string& form, int32_t id, int32_t on);

// Lists
void EZ_ADDITEMS(const std::string& form, int32_t id, const std::string& text); // one item
void EZ_CLEAR(const std::string& form, int32_t id);
void EZ_SELECTITEM(const std::string& form, int32_t id, int32_t index);
int32_t EZ_FINDNEXT(const std::string& form, int32_t id, const std::string& text, int32_t start); // -1: none

// Slider, progress bar, date pickers
void EZ_SETTBAR(const std::string& form, int32_t id, int32_t minimum, int32_t maximum, int32_t position);
void EZ_SETPBAR(const std::string& form, int32_t id, int32_t minimum, int32_t maximum, int32_t value);
void EZ_GETDATETIME(const std::string& form, int32_t id, int16_t& month, int16_t& day, int16_t& year,
                    int16_t& hour, int16_t& minute, int16_t& second, int16_t& milliseconds, int16_t& weekday);
void EZ_SETDATETIME(const std::string& form, int32_t id, int32_t month, int32_t day, int32_t year,
                    int32_t hour, int32_t minute, int32_t second);

// Edit selection (the handle comes with kEzEditNotify)
void EZ_GETSELVAL(int32_t editHandle, int32_t& start, int32_t& end);
void EZ_SETSELVAL(int32_t editHandle, int32_t start, int32_t end);
constexpr int32_t kEmSetSel = 0x00B1;
constexpr int32_t kEmLimitText = 0x00C5; // wParam: the most characters a text field takes (typed or pasted)
int32_t EZ_SENDMESSAGE(const std::string& form, int32_t id, int32_t message, int32_t wParam, int32_t lParam);

// Rich text. Mode 1 texts are RTF, shown through the converter set with EzSetRichTextReader.
void EZ_SETRICHTEXT(const std::string& form, int32_t id, const std::string& text, int32_t mode,
                    int32_t flags);
void EZ_SETRICHTEXTLEN(const std::string& form, int32_t id, int32_t maximum);

// --- Menus ---------------------------------------------------------------------------------------
// Menus are known by handles. Item properties: "" enabled, "D" disabled, "H" hidden; the caption "-"
// is a separator. EZ_ISCONTROL answers for a menu item of the form's menus as for a control.
int32_t EZ_DEFMAINMENU(int32_t firstId, const std::string& caption, const std::string& props); // next EZ_FORM
int32_t EZ_DEFSUBMENU(int32_t firstId, const std::string& caption, const std::string& props);
void EZ_ADDMENUITEM(int32_t menu, int32_t id, int32_t reserved, const std::string& caption,
                    const std::string& props);
void EZ_SETSUBMENU(int32_t menu, int32_t itemId, int32_t subMenu);
void EZ_SAVEMENU(const std::string& form, int32_t number, int32_t menu);
int32_t EZ_GETMENU(const std::string& form, int32_t number); // 0: the menu bar
void EZ_SETMENUITEM(int32_t menu, int32_t id, const std::string& caption, const std::string& props);

// --- Toolbar and status bar ----------------------------------------------------------------------
void EZ_ENABLETB(const std::string& form, int32_t toolbar, int32_t button);
void EZ_DISABLETB(const std::string& form, int32_t toolbar, int32_t button);
void EZ_SETSBPARTS(const std::string& form, int32_t id, int32_t count,
                   const std::string& percents); // "80|20"
void EZ_SETSBTEXT(const std::string& form, int32_t id, int32_t part, const std::string& text,
                  const std::string& props); // a leading tab centres the text

// --- Pictures, icons, image lists ----------------------------------------------------------------
// "$NAME" names a picture built into the program; other names are files in the image folder.
// The text after a "{" (options) is ignored. A picture that cannot be loaded gives "".
std::string EZ_LOADPICTURE(const std::string& name);
std::string EZ_LOADICON(const std::string& name);
void EZ_FREEIMAGE(const std::string& picture);
void EZ_GETPICTURESIZE(const std::string& picture, int32_t& width, int32_t& height);
void EZ_DEFIMAGEFOLDER(const std::string& folder);
void EZ_DEFIMAGELIST(int32_t list, int32_t imageSize, int32_t count);
constexpr int32_t EzRgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}
void EZ_ADDPICTTOIMGLIST(int32_t list, const std::string& picture, int32_t transparentRgb);
// Shows a picture given as the bytes of an image file (PNG, JPEG, SVG, ...) in a picture control,
// scaled to fit inside it with its proportions kept. Empty bytes, or bytes that are no picture,
// leave the control empty.
void EzSetPicture(const std::string& form, int32_t id, const std::string& encodedImage);

// --- Owner-drawn buttons (inside kEzOwnerDraw, with the event's value) ----------------------------
void EZ_DRAWCOLORBUTTON(const std::string& form, int32_t id, int32_t drawHandle, int32_t face, int32_t text,
                        int32_t font);
void EZ_DRAW3DBUTTON(const std::string& form, int32_t id, int32_t drawHandle, int32_t face, int32_t text,
                     int32_t font);
void EZ_DRAW3DBUTTONRR(const std::string& form, int32_t id, int32_t drawHandle, int32_t face, int32_t text,
                       int32_t font);
void EZ_DRAW3DBUTTONE(const std::string& form, int32_t id, int32_t drawHandle, int32_t face, int32_t text,
                      int32_t font);

// --- Hooks for the program ------------------------------------------------------------------------
// Converts an RTF text to the HTML that the rich-text view shows (set once at start-up).
void EzSetRichTextReader(std::function<std::string(const std::string& rtf)> toHtmlUtf8);
// The least client width, in columns, of a dialog whose frame is to show `caption` whole beside
// its close box under the common window managers.
float EzCaptionWidth(const std::string& caption);
// Sounds the desktop's beep.
void EzBeep();
// Restores (if minimised), raises and activates the form whose caption is exactly the title.
void EzRestoreWindowTitled(const std::string& title);
// The name by which screen readers (and tests from outside) know a control.
void EzSetAccessibleName(const std::string& form, int32_t id, const std::string& name);
