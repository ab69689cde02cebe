// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/startup.h"

#include <QtGlobal>

#include "app/about/about.h"
#include "app/help/help.h"
#include "app/rtf/rtf_to_html.h"
#include "app/shell/app_paths.h"
#include "app/shell/forms.h"
#include "app/shell/plan_commands.h"
#include "app/shell/planner.h"
#include "app/shell/single_instance.h"
#include "app/toolkit/ez.h"
#include "msgbox/message_dialog.h"

int32_t WINMAIN(int32_t instance, int32_t previous, const std::string& commandLine, int32_t show) {
    return EZ_GUIRUN(instance, previous, commandLine, show, EZ_MAIN, EventDispatch, DesignDispatch, 0);
}

// The pictures built into the program live in a static library, so they are registered by hand.
static void RegisterBuiltInPictures() {
    Q_INIT_RESOURCE(images);
}

void EZ_MAIN(int32_t /*unused*/) {
    RegisterBuiltInPictures();
    EZ_DEFIMAGEFOLDER("Graphics");
    EZ_ALLOWCOMMANDEVENTS(1);
    EZ_ALLOWNOTIFYEVENTS(1);
    EZ_ALLOWKEYEVENTS(1);
    EZ_ALLOWMOUSEMOVEEVENTS(1);
    EZ_ALLOWCURSOREVENTS(1);
    EZ_DEFFONT(6, "Segoe UI", 9, "L+V");
    EZ_DEFFONT(7, "Segoe UI", 9, "BV");
    if (StartupInit() == 1) ShowPlanner("");
}

int32_t StartupInit() {
    EZ_DEFFONT(10, "Segoe UI", 10, " BV");
    ComputePaths(EZ_APPPATH());
    SetHelpFolder(Paths().assetsFolder + "Help/");
    SetAboutSources(Paths().assetsFolder, Paths().version);
    SetHandedOverPlanOpener([](const std::string& plan) { OpenPlanFile(plan, true); });
    if (ClaimSingleInstance(kInstanceName, kProgramName) == 0) return 0;
    PlannerShell().icon = EZ_LOADICON("$AAPROGRAM");
    const char* strips[] = {"$BARNOR", "$BARHOT", "$BARDIM"};
    for (int32_t list = 5; list <= 7; ++list) {
        EZ_DEFIMAGELIST(list, 24, 6);
        const std::string picture = EZ_LOADPICTURE(strips[list - 5]);
        EZ_ADDPICTTOIMGLIST(list, picture, EzRgb(254, 254, 254));
        EZ_FREEIMAGE(picture);
    }
    // The profile tables and the currency symbols are fixed-size tables of their modules; the
    // version text is set with the paths.
    EZ_DEFTOOLTIPPROP(-1, -1, "[40]");
    EzSetRichTextReader([](const std::string& rtf) { return RtfToHtml(rtf).toUtf8().toStdString(); });
    return 1;
}

namespace {

struct FormRoutines {
    const char* name;
    void (*design)();
    FormEventRoutine events;
};

// Forms by name; the message dialog, which also takes its form's name, is handled apart.
constexpr FormRoutines kForms[] = {
    {"QM", DesignPlanner, PlannerEvents},
    {"PO", DesignOptionsDialog, OptionsDialogEvents},
    {"SC", DesignStationDialog, StationDialogEvents},
    {"UF", DesignProfileEditor, ProfileEditorEvents},
    {"AB", DesignAbout, AboutEvents},
    {"ZD", DesignDownloadWindow, DownloadWindowEvents},
    {"WN", DesignWhatsNew, WhatsNewEvents},
};
constexpr const char* kMessageDialog = "ZKMSGBOX1";

} // namespace

void DesignDispatch(const std::string& form) {
    if (form == kMessageDialog) return DesignMessageDialog(form);
    for (const FormRoutines& f : kForms)
        if (form == f.name) return f.design();
}

void EventDispatch(const std::string& form, int32_t& id, int32_t& message, int32_t& value, int32_t& cancel) {
    if (form == kMessageDialog) return MessageDialogEvents(form, id, message, value, cancel);
    for (const FormRoutines& f : kForms)
        if (form == f.name) return f.events(id, message, value, cancel);
}
