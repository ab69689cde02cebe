// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner window with its profile editor: the editor is opened through the planner's Edit
// command and driven by a script while it is shown.
#include "tests/client/planner_session.h"

#include "plan/planner_profiles.h"
#include "plan/profile_editor.h"
#include "plan/profile_file.h"
#include "plan/profile_store.h"

#include <functional>

class EditorSession : public PlannerSession {
  protected:
    static constexpr const char* kEditor = kProfileEditorForm;
    bool editorShown = false;
    bool editorLeftOpen = false; // the script ended with the editor still open

    // Chooses Edit Profile on the planner and runs `script` while the editor is shown. An editor that the
    // script leaves open is unloaded so that the test goes on; editorLeftOpen tells.
    void edit(std::function<void()> script) {
        editorShown = false;
        editorLeftOpen = false;
        ASSERT_TRUE(offered(qm::kMenuEdit, qm::kEditButton));
        eztest::OnModal(kEditor, [this, script] {
            editorShown = true;
            script();
            if (eztest::FormExists(kEditor)) {
                editorLeftOpen = true;
                EZ_UNLOADFORM(kEditor);
            }
        });
        eztest::ClickToolbar(qm::kForm, qm::kEditButton);
        ASSERT_TRUE(editorShown);
    }

    // Categories.dat as it is on disk now.
    ProfileStore fileProfiles() const {
        ProfileStore store;
        ReadProfileFileText(store, data.read("Categories.dat"));
        return store;
    }
    std::vector<std::string> fileNames() const { return ProfileNames(fileProfiles()); }

    static std::string editorText(int32_t id) { return EZ_GETTEXT(kEditor, id); }
    static bool enabled(int32_t id) { return EZ_ISCONTROL(kEditor, id, "E") != 0; }
    static bool checked(int32_t id) { return EZ_GETCHECK(kEditor, id) != 0; }
    static void click(int32_t id) { eztest::Click(kEditor, id); }
    static void typeName(const std::string& name) {
        EZ_SETTEXT(kEditor, editor::kNameBox, "");
        eztest::Type(kEditor, editor::kNameBox, name);
    }
};
