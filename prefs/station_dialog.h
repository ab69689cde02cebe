// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal "Station & Contact" dialog "SC": the station's and the rep's details that the
// proposal carries, with a preview of the logo. ShowStationDialog (app/shell/commands.h) opens
// it; its design step and event routine are DesignStationDialog and StationDialogEvents
// (app/shell/forms.h).
//
// Save stores the details and closes; Cancel closes without saving and without asking; closing
// the window any other way asks whether to save while there are unsaved changes.
#include "prefs/station_details.h"

// What the dialog keeps while it is open: the details of the settings file when it opened.
struct StationDialogState {
    StationDetails loaded;
};
StationDialogState& StationDialog();

// The dialog's loaded event: the details in the fields, the logo's preview, the F1 accelerator;
// Save disabled.
void InitStationDialog();
// Shows the logo that the logo field names, scaled into the preview, or says why it cannot.
void ShowLogoPreview();
// The desktop's file dialog for the logo; a chosen file goes into the logo field and the preview.
void BrowseForLogo();
// A field's text as it is kept: on one line (line breaks pasted into it become spaces).
void KeepFieldOnOneLine(int32_t id);
// Stores the details in the settings file. Save is disabled afterwards. When they cannot be
// stored whole the user is told why, Save stays enabled and false is returned.
bool SaveStationDialog();
