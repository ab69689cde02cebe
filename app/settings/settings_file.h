#pragma once
// The program's two routines for its settings file. They copy their texts into fixed buffers, as the
// old zero-terminated interface did (a text ends at its first zero byte and is cut to one byte less
// than its buffer, without notice), and strip spaces, but not tabs, from the ends.
#include <cstddef>
#include <string>

struct SettingsBuffers {
    static constexpr std::size_t kName = 300;        // section and key names; the default value read
    static constexpr std::size_t kWriteValue = 1000; // a value to be written
    static constexpr std::size_t kReadValue = 4000;  // a value read
};

// The value stored under the key, or the default when the file, section or key is missing; without
// leading and trailing spaces. An empty stored value gives "", not the default.
std::string GETINI(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue);

// Stores the value under the key, creating the file, section or key as needed. Callers that do not
// need to know whether that worked call PutIni; a failed write leaves the file as it was.
void PutIni(const std::string& file, const std::string& section, const std::string& key,
            const std::string& value);
// The same, telling whether the value was stored.
bool PutIniChecked(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);
