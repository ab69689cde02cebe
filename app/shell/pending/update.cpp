// Stand-in until the update check's windows are built.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
bool UpdateCheckDue() { return false; }
int32_t RunUpdateCheck(const std::string&, const std::string&, const std::string&, int32_t) { return 0; }
std::string VersionFileAddress() { return {}; }
void PostUpdateCheck() {}
void DesignDownloadWindow() {}
void DownloadWindowEvents(int32_t&, int32_t&, int32_t&, int32_t&) {}
void DesignWhatsNew() {}
void WhatsNewEvents(int32_t&, int32_t&, int32_t&, int32_t&) {}
