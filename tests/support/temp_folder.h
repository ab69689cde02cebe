// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file inside the folder, as program text (the folder names are ASCII).
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes bytes to a file inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // Reads a file's bytes; empty when it does not exist.
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};
