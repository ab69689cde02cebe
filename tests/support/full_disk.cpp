// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/full_disk.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* kFiller = ".filler";
}

std::unique_ptr<FullDisk> FullDisk::Mount(std::size_t bytes, std::string* why) {
    std::random_device rd;
    std::ostringstream name;
    name << "qmdisk-" << std::hex << rd() << rd();
    const fs::path path = fs::temp_directory_path() / name.str();
    fs::create_directories(path);
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
        if (why) *why = std::string("cannot mount a small tmpfs to fill up: ") + std::strerror(errno);
        std::error_code ec;
        fs::remove(path, ec);
        return nullptr;
    }
    return std::unique_ptr<FullDisk>(new FullDisk(path));
}

FullDisk::~FullDisk() {
    ::umount2(path_.c_str(), MNT_DETACH);
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string FullDisk::write(const std::string& name, const std::string& bytes) const {
    const fs::path p = path_ / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
    return p.string();
}

std::string FullDisk::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void FullDisk::Fill(std::size_t room) {
    const fs::path filler = path_ / kFiller;
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return;
    static const char block[4096] = {};
    std::size_t size = static_cast<std::size_t>(::lseek(fd, 0, SEEK_END));
    for (;;) {
        const ssize_t written = ::write(fd, block, sizeof block);
        if (written <= 0) break;
        size += static_cast<std::size_t>(written);
    }
    if (room > 0) {
        const std::size_t pages = (room + 4095) / 4096 * 4096;
        if (::ftruncate(fd, static_cast<off_t>(size > pages ? size - pages : 0)) != 0) {}
    }
    ::close(fd);
}

std::map<std::string, std::string> FullDisk::Snapshot() const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) {
        const std::string name = fs::relative(entry.path(), path_).string();
        if (name == kFiller) continue;
        entries[name] = entry.is_regular_file() ? read(name) : std::string("<") + "not a file>";
    }
    return entries;
}
