// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A disk that really fills up: a small tmpfs mounted on a fresh folder, unmounted and removed when
// the test ends. Mounting needs root (CI runs as root); where it is impossible Mount() gives nothing
// and the reason, and the test skips itself (put such tests in a program of their own, so that CTest
// reports it Not Run rather than Passed).
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

class FullDisk {
  public:
    static std::unique_ptr<FullDisk> Mount(std::size_t bytes, std::string* why);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    // Takes up the free space so that at most `room` more bytes fit (tmpfs counts whole pages).
    void Fill(std::size_t room = 0);
    // Every name on the disk (but the filler) with the bytes of its files, to compare before and after.
    std::map<std::string, std::string> Snapshot() const;

  private:
    explicit FullDisk(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path path_;
};
