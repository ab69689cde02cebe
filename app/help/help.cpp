// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/help.h"

#include "app/help/help_topics.h"
#include "app/help/help_viewer.h"
#include "app/text/cp1252.h"

#include <QPointer>

namespace {

// The help's program-wide state: where the pages are and the one help window of the run.
struct HelpState {
    std::string folder;
    QPointer<HelpViewer> viewer; // cleared by Qt when the user closes the window
};

HelpState& Help() {
    static HelpState state;
    return state;
}

HelpViewer* openViewer() {
    HelpState& help = Help();
    if (!help.viewer) help.viewer = new HelpViewer(FromCp1252(help.folder));
    return help.viewer;
}

} // namespace

void SetHelpFolder(const std::string& folder) {
    Help().folder = folder;
}

HelpViewer* CurrentHelpViewer() {
    return Help().viewer;
}

void GETHELP(int32_t& command, int32_t& topic) {
    switch (command) {
    case kHelpShowContents:
        openViewer()->showContents();
        break;
    case kHelpShowIndex:
        openViewer()->showIndex();
        break;
    case kHelpShowContext:
        openViewer()->showTopic(topic);
        break;
    default:
        return;
    }
    CurrentHelpViewer()->present();
}
