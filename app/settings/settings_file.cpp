// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings/settings_file.h"

#include "app/files/safe_file.h"
#include "app/settings/private_profile.h"
#include "app/settings/profile_file.h"
#include "app/settings/profile_lines.h"
#include "app/text/cp1252.h"

#include <string_view>

namespace {

// What a zero-terminated buffer of `size` bytes holds of the text.
std::string_view InBuffer(std::string_view text, std::size_t size) {
    text = text.substr(0, text.find('\0'));
    return text.substr(0, size - 1);
}

// The innermost open batch; batches on other files pass calls through to the file.
thread_local SettingsBatch* activeBatch = nullptr;

} // namespace

struct SettingsBatchAccess {
    static SettingsBatch* For(const std::string& file) {
        for (SettingsBatch* batch = activeBatch; batch; batch = batch->outer_)
            if (batch->open_ && batch->file_ == file) return batch;
        return nullptr;
    }
    static const std::string& Bytes(const SettingsBatch& batch) { return batch.bytes_; }
    static bool Put(SettingsBatch& batch, std::string_view section, std::string_view key,
                    std::string_view value) {
        if (!batch.readable_) return false;
        std::optional<std::string> changed = WithStoredProfileValue(batch.bytes_, section, key, value);
        if (!changed) {
            batch.refused_ = true;
            return false;
        }
        batch.bytes_ = std::move(*changed);
        return true;
    }
};

SettingsBatch::SettingsBatch(std::string file) : file_(std::string(TrimSpaces(file))), outer_(activeBatch) {
    const FileRead read = ReadFileSafely(FromCp1252(file_), 16u << 20);
    if (read.status == FileRead::Status::Unreadable) {
        readable_ = false;
        reason_ = read.reason;
    } else if (IsUtf16Profile(read.bytes)) {
        readable_ = false;
        reason_ = "the file is in a form this program does not write (UTF-16)";
    } else {
        original_ = read.bytes;
        bytes_ = read.bytes;
    }
    activeBatch = this;
}

SettingsBatch::~SettingsBatch() {
    open_ = false;
    // Batches close in the reverse order of opening.
    if (activeBatch == this) activeBatch = outer_;
}

bool SettingsBatch::Commit() {
    if (!open_) return reason_.empty();
    open_ = false;
    if (activeBatch == this) activeBatch = outer_;
    if (!readable_) return false;
    if (refused_) {
        reason_ = "a setting's name cannot be stored";
        return false;
    }
    if (bytes_ == original_) return true;
    const FileResult written = WriteFileAtomically(FromCp1252(file_), bytes_);
    reason_ = written.reason;
    return written.ok;
}

// The file name is never cut to a buffer: a path cut short names another file, and a write there
// would put the settings where nobody looks for them.

std::string GETINI(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& defaultValue) {
    const SettingsBatch* batch = SettingsBatchAccess::For(std::string(TrimSpaces(file)));
    const ProfileValue value = batch ? ReadProfileValueFrom(
        SettingsBatchAccess::Bytes(*batch), InBuffer(section, SettingsBuffers::kName),
        InBuffer(key, SettingsBuffers::kName), InBuffer(defaultValue, SettingsBuffers::kName),
        SettingsBuffers::kReadValue) : ReadProfileValue(
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
    if (SettingsBatch* batch = SettingsBatchAccess::For(std::string(TrimSpaces(file))))
        return SettingsBatchAccess::Put(*batch, InBuffer(TrimSpaces(section), SettingsBuffers::kName),
                                        InBuffer(TrimSpaces(key), SettingsBuffers::kName),
                                        InBuffer(TrimSpaces(value), SettingsBuffers::kWriteValue));
    return WriteProfileValue(std::string(TrimSpaces(file)),
                             InBuffer(TrimSpaces(section), SettingsBuffers::kName),
                             InBuffer(TrimSpaces(key), SettingsBuffers::kName),
                             InBuffer(TrimSpaces(value), SettingsBuffers::kWriteValue));
}
