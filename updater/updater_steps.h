// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of our updater program, each on its own so that it can be tested.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Waits until the process has ended, or the limit has passed; true when it has ended.
bool WaitForProcessEnd(long pid, std::chrono::milliseconds limit);

// The SHA-256 digest (lower-case hex) of a regular file, read without following a link; nullopt
// when the path is a link, not a regular file, or cannot be read.
std::optional<std::string> FileSha256(const std::string& path);

// Runs a command (no shell) and gives its standard output; nullopt when it cannot be started, does
// not end within the limit or exits with a status other than 0.
std::optional<std::string> CommandOutput(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         std::chrono::milliseconds limit);

// The Debian package that installed the file (dpkg-query -S), or nullopt for a file that no package
// installed: a portable copy, or a program built from source.
std::optional<std::string> OwningPackage(const std::string& file);

// The package name inside a Debian package file (dpkg-deb -f FILE Package).
std::optional<std::string> DebPackageName(const std::string& debFile);

// The installation itself, as root: the installer is copied into a folder of root's own, its
// digest and package name are checked again on that copy, and the system's package installer
// installs it (apt-get, which also fetches what it depends on; dpkg -i where apt-get is missing).
// Returns 0 on success; otherwise why not, on `why`.
int InstallAsRoot(const std::string& installer, const std::string& sha256, const std::string& package,
                  std::string& why);
