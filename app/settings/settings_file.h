// SPDX-License-Identifier: GPL-3.0-or-later
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

// Settings written at one moment reach the disk together. While a batch is open on a file, PutIni
// and PutIniChecked on that file change a copy in memory (and GETINI reads that copy); Commit()
// writes the copy in one replacement of the file, so that a crash or a full disk leaves either all
// the old values or all the new ones. A batch that is not committed writes nothing.
class SettingsBatch {
public:
    explicit SettingsBatch(std::string file);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

    // True when every value was taken and the file, if changed, was replaced; `reason` then empty.
    bool Commit();
    // Why the batch could not be written, for the user.
    const std::string& Reason() const { return reason_; }

private:
    friend struct SettingsBatchAccess;
    std::string file_;
    std::string original_;
    std::string bytes_;
    std::string reason_;
    bool readable_ = true;
    bool refused_ = false; // a value that could not be stored
    bool open_ = true;
    SettingsBatch* outer_ = nullptr;
};
