// Commands whose modules are still being built: they beep so that a click is not silently lost.
#include "app/shell/commands.h"
#include "app/toolkit/ez.h"

void PrintProposal() { EzBeep(); }
void ShowProfileEditor(const std::string&) { EzBeep(); }
void ShowOptionsDialog(const std::string&) { EzBeep(); }
void ShowAbout(const std::string&) { EzBeep(); }
void GETHELP(int32_t&, int32_t&) { EzBeep(); }
bool UpdateCheckDue() { return false; }
int32_t RunUpdateCheck(const std::string&, const std::string&, const std::string&, int32_t) { return 0; }
std::string VersionFileAddress() { return {}; }
void PostUpdateCheck() {}
