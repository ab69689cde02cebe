// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Handing a downloaded installer to our updater program, "quillmark-updater" beside the program. It
// is started detached as the program's last act: it waits for this process to end, checks the
// installer's digest again, installs the package and starts "quillmark /update" (see
// updater/README.md).
#include <string>

inline constexpr const char* kUpdaterProgramName = "quillmark-updater";

// Starts the updater for the installer at `installerPath` (code page 1252) with the digest it must
// have. False when there is no updater beside the program or it could not be started; the next
// start then reports the update as failed.
bool StartUpdater(const std::string& installerPath, const std::string& sha256);
