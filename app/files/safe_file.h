// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one way of writing a file, and a reader that never blocks on an odd file.
//
// Every file the program writes (settings, profiles, PDFs, downloads, plans, exports) goes through
// AtomicFileWriter: the bytes go to a temporary file in the target's folder, every write is checked,
// the file is flushed and synced, and only then does it replace the target in one rename. On any
// failure the target is left exactly as it was, the temporary file is removed and the caller gets
// the reason in words for the user.
#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

struct FileResult {
    bool ok = true;
    std::string reason; // why it failed, for the user ("No space left on device"); empty on success

    explicit operator bool() const { return ok; }
    static FileResult Failed(std::string why) { return {false, std::move(why)}; }
};

class AtomicFileWriter {
public:
    // `path` is the file to be replaced. A symbolic link is followed, so the file it names is
    // replaced and the link stays.
    explicit AtomicFileWriter(QString path);
    ~AtomicFileWriter(); // an uncommitted write is cancelled
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file. Fails when the target is a folder or another kind of non-regular
    // file, is read-only, or its folder cannot be written.
    FileResult Open();
    // Appends bytes; all of them or a failure (the write is then cancelled).
    FileResult Write(std::string_view bytes);
    // Syncs the temporary file and puts it in the target's place.
    FileResult Commit();
    // Removes the temporary file; the target stays as it was.
    void Cancel();

    bool IsOpen() const { return fd_ >= 0; }
    // The file that Commit() replaces (after following links).
    const QString& TargetPath() const { return target_; }

private:
    FileResult Fail(std::string why);

    QString path_;
    QString target_;
    QString temporary_;
    int fd_ = -1;
};

// The whole of `bytes` as the new contents of `path`, by the rules above.
FileResult WriteFileAtomically(const QString& path, std::string_view bytes);

struct FileRead {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;  // the file's contents when Ok
    std::string reason; // why it could not be read when Unreadable

    bool ok() const { return status == Status::Ok; }
};

// Reads a regular file whole without ever blocking: a FIFO, a device or a folder of that name is
// Unreadable (with the reason), as is a file larger than `maxBytes`. A missing file (or a link to
// nothing) is Missing.
FileRead ReadFileSafely(const QString& path, std::size_t maxBytes = 64u << 20);

// The system's words for an errno value.
std::string SystemReason(int error);
