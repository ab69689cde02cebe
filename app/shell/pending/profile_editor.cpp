// Stand-in until the profile editor is built.
#include "app/shell/commands.h"
#include "app/shell/forms.h"
#include "app/toolkit/ez.h"
void ShowProfileEditor(const std::string&) { EzBeep(); }
void DesignProfileEditor() {}
void ProfileEditorEvents(int32_t&, int32_t&, int32_t&, int32_t&) {}
