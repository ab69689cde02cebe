// Stand-in until the About dialog and the help window are built.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
void ShowAbout(const std::string&) { EzBeep(); }
void DesignAboutForm() {}
void AboutFormEvents(int32_t&, int32_t&, int32_t&, int32_t&) {}
void GETHELP(int32_t&, int32_t&) { EzBeep(); }
