// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings/profile_file.h"

#include "app/files/safe_file.h"
#include "app/text/cp1252.h"

#include <QFile>

#include <ctime>
#include <sys/stat.h>

namespace {

// A zero byte would end the name at the system's edge and name another file.
bool UsableName(const std::string& file) {
    return !file.empty() && file.find('\0') == std::string::npos;
}

// A settings file is small; anything this large is not one of ours.
constexpr std::size_t kLargestSettingsFile = 16u << 20;

// The last settings file read, known by what stat() tells of it. A file replaced (a new inode),
// rewritten (a new size or time) or touched in any way reads afresh. A file changed in the last
// two seconds is not kept at all: its time may not yet tell one write from the next.
struct ReadCache {
    std::string file;
    struct stat info {};
    std::string bytes;
};

ReadCache& Cache() {
    static ReadCache cache;
    return cache;
}

bool Stat(const std::string& file, struct stat& info) {
    return stat(QFile::encodeName(FromCp1252(file)).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

bool SettledLongAgo(const struct stat& info) {
    const std::time_t now = std::time(nullptr);
    return now - info.st_mtim.tv_sec > 2 && now - info.st_ctim.tv_sec > 2;
}

} // namespace

std::optional<std::string> ReadProfileFile(const std::string& file) {
    if (!UsableName(file)) return std::nullopt;
    ReadCache& cache = Cache();
    struct stat before {};
    const bool regular = Stat(file, before);
    if (regular && cache.file == file && SameFile(cache.info, before)) return cache.bytes;
    FileRead read = ReadFileSafely(FromCp1252(file), kLargestSettingsFile);
    struct stat after {};
    if (read.ok() && regular && SettledLongAgo(before) && Stat(file, after) && SameFile(before, after))
        cache = {file, before, read.bytes};
    switch (read.status) {
    case FileRead::Status::Ok:
        return std::move(read.bytes);
    case FileRead::Status::Missing:
        return std::string();
    case FileRead::Status::Unreadable:
        break;
    }
    return std::nullopt;
}

bool ReplaceProfileFile(const std::string& file, std::string_view bytes) {
    if (!UsableName(file)) return false;
    return WriteFileAtomically(FromCp1252(file), bytes).ok;
}

bool IsUtf16Profile(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}
