// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The update check's state for one run of the program.
#include "update/kept_connection.h"

struct UpdateSession {
    bool declined = false;       // the user turned down a new-version offer in this run
    bool abortRequested = false; // the user cancelled the running download
    KeptConnection kept;
};

UpdateSession& TheUpdateSession();
