// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_session.h"

UpdateSession& TheUpdateSession() {
    static UpdateSession session;
    return session;
}
