// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/web_page.h"

#include "app/text/cp1252.h"

#include <QDesktopServices>
#include <QUrl>

// A page that cannot be opened is not told: the user asked for a convenience, not for the update.
void OpenWebPage(std::string_view address) {
    QDesktopServices::openUrl(QUrl(FromCp1252(address)));
}
