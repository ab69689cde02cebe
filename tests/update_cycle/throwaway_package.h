// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Debian package made for one test: the built program and its updater under a folder of /opt of
// the package's own, with the program's assets beside them. Installing and removing it are the
// test's own setup and clean-up.
#include "tests/support/temp_folder.h"

#include <string>
#include <vector>

class ThrowawayPackage {
  public:
    // A name of its own ("quillmark-cycle-<random>") so that runs never meet.
    ThrowawayPackage();
    ~ThrowawayPackage(); // purges the package when it is installed

    const std::string& name() const { return name_; }
    std::string programPath() const { return prefix_ + "/bin/quillmark"; }
    std::string markerPath(const std::string& version) const {
        return prefix_ + "/share/quillmark/" + version;
    }

    // Builds the package file of this version (with a marker file named after it); empty on failure,
    // with the reason on `why`.
    std::string build(const std::string& version, std::string& why) const;
    bool install(const std::string& debFile, std::string& why);
    // The installed version, or empty.
    std::string installedVersion() const;

  private:
    TempFolder folder_;
    std::string name_;
    std::string prefix_;
    bool installed_ = false;
};

// Runs a program and waits (bounded); its exit code, or -1; the output on `output`.
int RunCommand(const std::string& program, const std::vector<std::string>& arguments, std::string& output);
