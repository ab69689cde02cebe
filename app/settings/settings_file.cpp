#include "app/settings/settings_file.h"

#include "app/settings/private_profile.h"
#include "app/settings/profile_lines.h"

#include <string_view>

namespace {

// What a zero-terminated buffer of `size` bytes holds of the text.
std::string_view InBuffer(std::string_view text, std::size_t size) {
    text = text.substr(0, text.find('\0'));
    return text.substr(0, size - 1);
}

} // namespace

// The file name is never cut to a buffer: a path cut short names another file, and a write there
// would put the settings where nobody looks for them.

std::string GETINI(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) {
    const ProfileValue value = ReadProfileValue(
        file, InBuffer(section, SettingsBuffers::kName), InBuffer(key, SettingsBuffers::kName),
        InBuffer(defaultValue, SettingsBuffers::kName), SettingsBuffers::kReadValue);
    return std::string(TrimSpaces(InBuffer(value.text, SettingsBuffers::kReadValue)));
}

void PutIni(const std::string& file, const std::string& section, const std::string& key,
            const std::string& value) {
    PutIniChecked(file, section, key, value);
}

bool PutIniChecked(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) {
    return WriteProfileValue(std::string(TrimSpaces(file)),
                             InBuffer(TrimSpaces(section), SettingsBuffers::kName),
                             InBuffer(TrimSpaces(key), SettingsBuffers::kName),
                             InBuffer(TrimSpaces(value), SettingsBuffers::kWriteValue));
}
