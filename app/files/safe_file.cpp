// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/files/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// Follows a chain of symbolic links to the file it finally names (which need not exist). A loop
// gives an empty path.
QString FollowLinks(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 32; ++hops) {
        struct stat info {};
        if (::lstat(Native(current).constData(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        char target[4096];
        const ssize_t length = ::readlink(Native(current).constData(), target, sizeof target - 1);
        if (length < 0) return current;
        const QString linked = QFile::decodeName(QByteArray(target, static_cast<int>(length)));
        current = QDir::cleanPath(QFileInfo(current).dir().absoluteFilePath(linked));
    }
    return {};
}

std::string KindReason(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a pipe, not a file";
    return "it is not a regular file";
}

bool WriteAll(int fd, const char* data, std::size_t size, int& error) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (written == 0) {
            error = ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::string SystemReason(int error) { return std::strerror(error); }

AtomicFileWriter::AtomicFileWriter(QString path) : path_(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() { Cancel(); }

FileResult AtomicFileWriter::Fail(std::string why) {
    Cancel();
    return FileResult::Failed(std::move(why));
}

FileResult AtomicFileWriter::Open() {
    Cancel();
    if (path_.isEmpty() || path_.contains(QChar(0))) return FileResult::Failed("the file name is not usable");
    target_ = FollowLinks(path_);
    if (target_.isEmpty()) return FileResult::Failed("its links go round in a circle");

    mode_t mode = 0666;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
    struct stat info {};
    if (::stat(Native(target_).constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) return FileResult::Failed(KindReason(info.st_mode));
        // A file without any write permission is read-only for everybody, root included: replacing
        // it would undo what its owner chose.
        if ((info.st_mode & 0222) == 0) return FileResult::Failed("the file is read-only");
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return FileResult::Failed(SystemReason(errno));
    }

    const QFileInfo target(target_);
    QByteArray pattern = Native(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                                QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return FileResult::Failed(SystemReason(errno));
    fd_ = fd;
    temporary_ = QFile::decodeName(pattern);
    if (::fchmod(fd_, mode) != 0) return Fail(SystemReason(errno));
    return {};
}

FileResult AtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return FileResult::Failed("the file is not open for writing");
    int error = 0;
    if (!WriteAll(fd_, bytes.data(), bytes.size(), error)) return Fail(SystemReason(error));
    return {};
}

FileResult AtomicFileWriter::Commit() {
    if (fd_ < 0) return FileResult::Failed("the file is not open for writing");
    if (::fsync(fd_) != 0) return Fail(SystemReason(errno));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(Native(temporary_).constData());
        temporary_.clear();
        return FileResult::Failed(SystemReason(error));
    }
    if (::rename(Native(temporary_).constData(), Native(target_).constData()) != 0) {
        const int error = errno;
        ::unlink(Native(temporary_).constData());
        temporary_.clear();
        return FileResult::Failed(SystemReason(error));
    }
    temporary_.clear();
    // The rename itself reaches the disk with the folder's entry.
    const int folder = ::open(Native(QFileInfo(target_).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

void AtomicFileWriter::Cancel() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(Native(temporary_).constData());
        temporary_.clear();
    }
}

FileResult WriteFileAtomically(const QString& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    if (FileResult opened = writer.Open(); !opened) return opened;
    if (FileResult written = writer.Write(bytes); !written) return written;
    return writer.Commit();
}

FileRead ReadFileSafely(const QString& path, std::size_t maxBytes) {
    FileRead result;
    if (path.isEmpty() || path.contains(QChar(0))) {
        result.status = FileRead::Status::Unreadable;
        result.reason = "the file name is not usable";
        return result;
    }
    // Non-blocking, so that opening a FIFO returns at once instead of waiting for a writer.
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        result.status = error == ENOENT ? FileRead::Status::Missing : FileRead::Status::Unreadable;
        if (error == ENOENT) return result;
        result.reason = error == EISDIR ? KindReason(S_IFDIR) : SystemReason(error);
        return result;
    }
    result.status = FileRead::Status::Unreadable;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.reason = SystemReason(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.reason = KindReason(info.st_mode);
    } else if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        result.reason = "the file is too large";
    } else {
        std::string bytes;
        char block[65536];
        for (;;) {
            const ssize_t got = ::read(fd, block, sizeof block);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                result.reason = SystemReason(errno);
                break;
            }
            if (got == 0) {
                result.status = FileRead::Status::Ok;
                result.bytes = std::move(bytes);
                break;
            }
            bytes.append(block, static_cast<std::size_t>(got));
            if (bytes.size() > maxBytes) {
                result.reason = "the file is too large";
                break;
            }
        }
    }
    ::close(fd);
    return result;
}
