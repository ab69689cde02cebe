#include "app/settings/profile_file.h"

#include "app/files/safe_file.h"
#include "app/text/cp1252.h"

namespace {

// A zero byte would end the name at the system's edge and name another file.
bool UsableName(const std::string& file) {
    return !file.empty() && file.find('\0') == std::string::npos;
}

// A settings file is small; anything this large is not one of ours.
constexpr std::size_t kLargestSettingsFile = 16u << 20;

} // namespace

std::optional<std::string> ReadProfileFile(const std::string& file) {
    if (!UsableName(file)) return std::nullopt;
    FileRead read = ReadFileSafely(FromCp1252(file), kLargestSettingsFile);
    switch (read.status) {
    case FileRead::Status::Ok: return std::move(read.bytes);
    case FileRead::Status::Missing: return std::string();
    case FileRead::Status::Unreadable: break;
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
