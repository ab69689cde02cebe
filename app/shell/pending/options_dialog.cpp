// Stand-in until the options dialog is built.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
void ShowOptionsDialog(const std::string&) { EzBeep(); }
void DesignOptionsDialog() {}
void OptionsDialogEvents(int32_t&, int32_t&, int32_t&, int32_t&) {}
