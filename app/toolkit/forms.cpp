// SPDX-License-Identifier: GPL-3.0-or-later
// Forms: creation with the design callback, the loaded and started events, modality, unloading,
// placement and per-form data.
#include "app/toolkit/internal/state.h"
#include "app/toolkit/internal/widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace ez {
namespace {

QWidget* parentWindow(const std::string& parent) {
    Form* form = findForm(parent);
    return form ? form->window.data() : nullptr;
}

// Raising and activating are the window system's; the offscreen platform used by tests has none.
void bringToFront(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
    window->activateWindow();
}

bool offscreen() {
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

// The window manager's frame around a window. It is known only once a window has been framed;
// until then the frame last seen stands for it (a title bar and thin edges before any).
QMargins frameOf(const QWidget* window) {
    static QMargins known = offscreen() ? QMargins() : QMargins(4, 30, 4, 4);
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    if (frame != inner)
        known = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
    return known;
}

// The window with its frame, where it will be once shown.
QRect outerRect(const QWidget* window) {
    const QMargins m = frameOf(window);
    const QSize size = window->size() + QSize(m.left() + m.right(), m.top() + m.bottom());
    return QRect(window->frameGeometry().topLeft(), size);
}

// The usable part of the screen a window is on (the one holding its centre, else the primary).
QRect screenArea(const QRect& outer = QRect()) {
    const QScreen* screen = outer.isValid() ? QGuiApplication::screenAt(outer.center()) : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The top-left corner that keeps `outer` whole on `area` (its top-left edge when it is larger).
QPoint keptInside(const QRect& outer, const QRect& area) {
    const int x = std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height()));
    return {x, y};
}

void centre(Form& form, QWidget* over) {
    FormWindow* window = form.window;
    if (!window) return;
    window->adjustSize();
    const QRect area = over ? over->frameGeometry() : screenArea();
    QRect outer = outerRect(window);
    outer.moveCenter(area.center());
    window->move(keptInside(outer, screenArea(outer)));
}

// No window opens partly off the screen it is on. Its fixed size is settled first, so that the
// window manager learns it (and offers no maximising) before the window is mapped.
void keepOnScreen(QWidget* window) {
    if (QLayout* layout = window->layout()) layout->activate();
    window->adjustSize();
    const QRect outer = outerRect(window);
    const QPoint inside = keptInside(outer, screenArea(outer));
    if (inside != outer.topLeft()) window->move(inside);
}

void startForm(const std::string& name) {
    if (!findForm(name)) return;
    fireEvent(name, 0, kEzStarted);
    runModalScripts(name);
}

// Forms leave the map at once but their memory only after the current event has been handled,
// because the handler that unloaded a form may still be running inside one of its events.
void bury(std::unique_ptr<Form> form) {
    State& s = state();
    s.buried.push_back(std::move(form));
    if (s.buried.size() == 1)
        QTimer::singleShot(0, [] {
            const auto gone = std::move(state().buried); // freed here, even if a form's end buries another
            state().buried.clear();
        });
}

} // namespace

namespace {

// Forms have a fixed size, so none offers a maximise box. A dialog (a form with a parent, or a
// modal one) is of the window type "dialog" with a title and a close box only, which Openbox,
// KWin and Mutter all honour; the main window can also be minimised.
Qt::WindowFlags formWindowFlags(bool dialog) {
    const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    return dialog ? Qt::Dialog | frame
                  : Qt::Window | frame | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
}

} // namespace

FormWindow::FormWindow(std::string name, QWidget* parent, bool dialog)
    : QWidget(parent, formWindowFlags(dialog || parent != nullptr)), name_(std::move(name)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closingByToolkit) {
        event->accept();
        return;
    }
    EZ_UNLOADFORM(name_);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const std::string name = name_; // the handler may unload this form
    if (hasFocus() && findForm(name) && handleKey(name, 0, this, event)) return;
    QWidget::keyPressEvent(event);
}

bool FormWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && findForm(name_)) fireEvent(name_, 0, kEzHelpContext);
    return QWidget::event(e);
}

void destroyForm(const std::string& nameIn) {
    const std::string name = nameIn; // the caller's text may live in the form being destroyed
    State& s = state();
    auto it = s.forms.find(name);
    if (it == s.forms.end()) return;
    std::unique_ptr<Form> form = std::move(it->second);
    s.forms.erase(it);
    if (form->loop) form->loop->quit();
    // The form's menus go with its window; their handles stay, empty, so none is reused.
    for (auto& menu : s.menus) {
        if (menu->form != name) continue;
        menu->form.clear();
        menu->items.clear();
        menu->bar = nullptr;
        menu->menu = nullptr;
    }
    if (FormWindow* window = form->window) {
        window->closingByToolkit = true;
        window->hide();
        window->deleteLater();
    }
    const bool wasTopLevel = form->parent.empty() || !findForm(form->parent);
    bury(std::move(form));
    if (!wasTopLevel) return;
    for (const auto& [other, f] : s.forms)
        if (f->parent.empty()) return;
    if (s.mainLoop) s.mainLoop->quit();
}

void runModalScripts(const std::string& form) {
    auto it = state().modalScripts.find(form);
    if (it == state().modalScripts.end() || it->second.empty()) return;
    auto script = std::move(it->second.front());
    it->second.pop_front();
    QTimer::singleShot(0, [form, script = std::move(script)] {
        if (findForm(form)) script();
    });
}

} // namespace ez

using namespace ez;

void EZ_FORM(const std::string& name, const std::string& parent, const std::string& caption, float col,
             float row, float width, float height, const std::string& props) {
    State& s = state();
    if (Form* existing = findForm(name)) {
        if (existing->window) bringToFront(existing->window);
        return;
    }
    installAccessibility();
    auto owned = std::make_unique<Form>();
    Form& form = *owned;
    form.name = name;
    form.parent = parent;
    form.modal = props.find('M') != std::string::npos;
    s.forms[name] = std::move(owned);

    if (s.next.creationEvent) {
        s.next.creationEvent = false;
        fireEvent(name, 0, kEzCreating);
    }

    auto* window = new FormWindow(name, parentWindow(parent), form.modal);
    form.window = window;
    window->setWindowTitle(toQt(caption));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    form.client = new QWidget(window);
    form.client->setFixedSize(toPixelsX(width), toPixelsY(height));
    layout->addWidget(form.client);
    applyColours(window, Kind::Frame, s.next.textColour, s.next.backColour);
    if (s.next.mainMenu) {
        attachMenuBar(form, s.next.mainMenu);
        s.next.mainMenu = 0;
    }
    if (form.modal) window->setWindowModality(Qt::ApplicationModal);

    const std::string outerDesign = s.designing;
    s.designing = name;
    if (s.design) s.design(name);
    s.designing = outerDesign;
    if (!findForm(name)) return; // unloaded during its design

    // Placed before the loaded event, whose handler may move the form elsewhere.
    if (props.find('C') != std::string::npos) {
        centre(form, parentWindow(parent));
    } else {
        form.window->move(toPixelsX(col), toPixelsY(row));
    }
    fireEvent(name, 0, kEzLoaded);
    Form* loaded = findForm(name);
    if (!loaded || !loaded->window) return;
    keepOnScreen(loaded->window);
    loaded->window->show();
    bringToFront(loaded->window);
    QTimer::singleShot(0, [name] { startForm(name); });

    if (loaded->modal) {
        QEventLoop loop;
        loaded->loop = &loop;
        loop.exec();
    }
}

void EZ_UNLOADFORM(const std::string& nameIn) {
    const std::string name = nameIn;
    Form* form = findForm(name);
    if (!form || form->unloading) return;
    form->unloading = true;
    const int32_t cancel = fireEvent(name, 0, kEzClose);
    form = findForm(name);
    if (!form) return;
    form->unloading = false;
    if (cancel != 0) return;
    destroyForm(name);
}

void EZ_HIDEFORM(const std::string& form) {
    if (Form* f = findForm(form); f && f->window) f->window->hide();
}

void EZ_CENTERFORM(const std::string& over, const std::string& form, int32_t /*mode*/) {
    if (Form* f = findForm(form)) centre(*f, parentWindow(over));
}

void EZ_RESIZEFORM(const std::string& form, float col, float row, float width, float height,
                   int32_t /*mode*/) {
    Form* f = findForm(form);
    if (!f || !f->window) return;
    f->client->setFixedSize(toPixelsX(width), toPixelsY(height));
    f->window->adjustSize();
    f->window->move(toPixelsX(col), toPixelsY(row));
}

void EZ_GETPOS(const std::string& form, float& col, float& row, int32_t mode) {
    Form* f = findForm(form);
    if (!f || !f->window) return;
    const QPoint at = f->window->frameGeometry().topLeft();
    col = mode == 1 ? static_cast<float>(at.x()) : toColumns(at.x());
    row = mode == 1 ? static_cast<float>(at.y()) : toRows(at.y());
}

void EZ_GETSIZE(const std::string& form, float& width, float& height, int32_t mode) {
    Form* f = findForm(form);
    if (!f || !f->window) return;
    if (mode == 1) {
        const QSize outer = outerRect(f->window).size();
        width = static_cast<float>(outer.width());
        height = static_cast<float>(outer.height());
    } else {
        width = toColumns(f->client->width());
        height = toRows(f->client->height());
    }
}

void EZ_SETDEPTH(const std::string& form, int32_t /*depth*/, const std::string& props) {
    Form* f = findForm(form);
    if (!f || !f->window || props.find('F') == std::string::npos) return;
    bringToFront(f->window);
}

void EZ_SETFORMICON(const std::string& form, const std::string& icon) {
    Form* f = findForm(form);
    auto it = state().icons.find(icon);
    if (f && f->window && it != state().icons.end()) f->window->setWindowIcon(it->second);
}

void EZ_SETUSERDATA(const std::string& form, int32_t slot, int32_t value) {
    if (Form* f = findForm(form)) f->userData[slot] = value;
}

int32_t EZ_GETUSERDATA(const std::string& form, int32_t slot) {
    Form* f = findForm(form);
    if (!f) return 0;
    auto it = f->userData.find(slot);
    return it == f->userData.end() ? 0 : it->second;
}

void EZ_DEFACCEL(const std::string& form, const std::string& keysAndIds) {
    Form* f = findForm(form);
    if (!f || !f->window) return;
    // "KEY,id" pairs separated by ";"
    const QStringList pairs = toQt(keysAndIds).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const QStringList parts = pair.split(QLatin1Char(','));
        if (parts.size() != 2) continue;
        const int32_t id = parts[1].trimmed().toInt();
        auto* shortcut =
            new QShortcut(QKeySequence(parts[0].trimmed()), f->window, nullptr, nullptr, Qt::WindowShortcut);
        const std::string name = form;
        QObject::connect(shortcut, &QShortcut::activated, [name, id] { fireEvent(name, id, kEzClick); });
    }
}

void EZ_SETLAYER(int32_t layer) {
    state().next.layer = layer;
}

void EZ_DISPLAYLAYER(const std::string& form, int32_t layer, int32_t /*flags*/) {
    Form* f = findForm(form);
    if (!f) return;
    for (auto& [id, control] : f->controls)
        if (control.widget && control.layer != 0) control.widget->setVisible(control.layer == layer);
}

int32_t EZ_GUIRUN(int32_t /*instance*/, int32_t /*previous*/, const std::string& /*commandLine*/,
                  int32_t /*show*/, EzStartCallback start, EzEventCallback events, EzDesignCallback design,
                  int32_t /*reserved*/) {
    State& s = state();
    s.events = std::move(events);
    s.design = std::move(design);
    if (start) start(0);
    bool anyTopLevel = false;
    for (const auto& [name, f] : s.forms)
        anyTopLevel = anyTopLevel || f->parent.empty();
    if (!anyTopLevel) return 0;
    QEventLoop loop;
    s.mainLoop = &loop;
    const int code = loop.exec();
    s.mainLoop = nullptr;
    // The last form went as the loop ended: free it and its window now, while Qt is still there.
    s.buried.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

void EZ_DOEVENTS(int32_t /*mode*/) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EZ_POSTEVENT(const std::string& form, int32_t id, int32_t value) {
    QTimer::singleShot(0, [form, id, value] {
        if (!findForm(form)) return;
        int32_t v = value;
        fireEvent(form, id, kEzPosted, v);
    });
}

std::string EZ_APPPATH() {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return fromQt(dir);
}

void EZ_ALLOWCOMMANDEVENTS(int32_t) {}
void EZ_ALLOWNOTIFYEVENTS(int32_t) {}
void EZ_ALLOWKEYEVENTS(int32_t on) {
    state().keyEvents = on != 0;
}
void EZ_ALLOWMOUSEMOVEEVENTS(int32_t) {}
void EZ_ALLOWCURSOREVENTS(int32_t) {}
void EZ_ALLOWLOADINGEVENT(int32_t mode) {
    state().next.creationEvent = mode == 2;
}

void EZ_SETLOADSTR(const std::string& kind, const std::string& value) {
    if (kind == "I") state().next.loadImages = value;
    if (kind == "T") state().next.loadText = value;
}

float EzCaptionWidth(const std::string& caption) {
    // Window managers draw captions in their own fonts: about 11 points bold at most in the common
    // themes (Mutter's Cantarell Bold 11, KWin's Noto Sans 10, Openbox's Sans Bold 8). Some centre
    // the caption between room kept on both sides for the icon and the close box.
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max<qreal>(font.pointSizeF(), 11.0));
    const QFontMetrics metrics(font);
    const int boxes = 4 * metrics.height(); // icon and close box, mirrored on the other side
    return toColumns(metrics.horizontalAdvance(toQt(caption)) + boxes + metrics.height());
}

void EzBeep() {
    QApplication::beep();
}

void EzRestoreWindowTitled(const std::string& title) {
    for (const auto& [name, form] : state().forms) {
        FormWindow* window = form->window;
        if (!window || fromQt(window->windowTitle()) != title) continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->showNormal();
        bringToFront(window);
        return;
    }
}
