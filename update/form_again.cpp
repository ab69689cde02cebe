// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit can hide a form but has no call to show it again, so the window is found among the
// application's top-level windows: a toolkit form window with the form's caption that is hidden.
#include "update/form_again.h"

#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"

#include <QApplication>
#include <QWidget>

void ShowFormAgain(const std::string& form) {
    const std::string caption = EZ_GETTEXT(form, 0);
    if (caption.empty()) return;
    const QString title = FromCp1252(caption);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->inherits("ez::FormWindow") || !window->isHidden() || window->windowTitle() != title)
            continue;
        window->show();
        EZ_SETDEPTH(form, 0, "F");
        return;
    }
}

bool FormIsOpen(const std::string& form) {
    return !EZ_GETTEXT(form, 0).empty();
}
