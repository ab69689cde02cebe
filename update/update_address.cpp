// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_address.h"

#include <QByteArray>
#include <QtGlobal>

std::string VersionFileAddress() {
    QByteArray fromEnvironment = qgetenv("QUILLMARK_UPDATE_URL");
    if (!fromEnvironment.isEmpty()) return fromEnvironment.toStdString();
    return std::string(kBuiltInVersionFileAddress);
}
