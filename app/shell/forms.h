// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design and event routines of every form, for the program's two dispatchers. Each module
// defines its own; a module still being built has a stand-in under app/shell/pending/.
#include <cstdint>
#include <string>

using FormEventRoutine = void (*)(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);

void DesignOptionsDialog(); // "PO"
void OptionsDialogEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
void DesignStationDialog(); // "SC"
void StationDialogEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
void DesignProfileEditor(); // "UF"
void ProfileEditorEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
void DesignAbout(); // "AB"
void AboutEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
void DesignDownloadWindow(); // "ZD"
void DownloadWindowEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
void DesignWhatsNew(); // "WN"
void WhatsNewEvents(int32_t& id, int32_t& message, int32_t& value, int32_t& cancel);
