// SPDX-License-Identifier: GPL-3.0-or-later
// The guard's folder is /tmp/quillmark-<uid>: a fixed place, so that two sessions of one user
// with different runtime or temporary folders still meet there. It must be a real folder (not a
// link) owned by the user with no access for anyone else; then nobody else can put a socket or a
// lock there, or remove ours. A lock whose process has ended is taken over, and only the copy
// holding the lock ever removes a socket (one left behind by a crash).
#include "app/shell/single_instance.h"
#include "app/shell/app_paths.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct InstanceGuard {
    QLockFile* lock = nullptr;
    QLocalServer* server = nullptr;
    std::string planToHandOver;
    std::function<void(const std::string&)> openPlan;
};

InstanceGuard& Guard() {
    static InstanceGuard guard;
    return guard;
}

// The user's own folder for the guard, made when missing; false when the place is taken by
// something that is not such a folder.
bool PrivateFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) return false;
    if ((info.st_mode & 077) != 0 && chmod(path.c_str(), 0700) != 0) return false;
    return true;
}

// The data folder as one name: a hash of its canonical path, so that every way of writing the
// same folder (a link, "..", a trailing "/") gives the same guard.
std::string DataFolderKey(const std::string& dataFolder) {
    const QString folder = FromCp1252(dataFolder);
    QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty()) canonical = QFileInfo(folder).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256);
    return hash.toHex().left(24).toStdString();
}

// Sends the request to the running copy: "open PATH" or "raise", one line.
void AskRunningCopy(const QString& socketFile, const std::string& planFile) {
    QLocalSocket socket;
    socket.connectToServer(socketFile);
    if (!socket.waitForConnected(2000)) return;
    const QByteArray request =
        planFile.empty() ? QByteArray("raise\n") : "open " + FromCp1252(planFile).toUtf8() + '\n';
    socket.write(request);
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(2000);
}

// Raises the window and, after the socket's work is done, opens the plan handed over.
void Serve(const QByteArray& request, const std::string& windowTitle) {
    EzRestoreWindowTitled(windowTitle);
    if (!request.startsWith("open ")) return;
    const std::string planFile = ToCp1252(QString::fromUtf8(request.mid(5).trimmed()));
    QTimer::singleShot(0, [planFile] {
        if (Guard().openPlan) Guard().openPlan(planFile);
    });
}

bool Listen(const QString& socketFile, const std::string& windowTitle) {
    auto* server = new QLocalServer();
    QLocalServer::removeServer(socketFile); // left behind by a copy that crashed
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketFile)) {
        delete server;
        return false;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, windowTitle] {
        while (QLocalSocket* peer = server->nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            auto serve = [peer, buffer, windowTitle] {
                *buffer += peer->readAll();
                if (buffer->isEmpty() ||
                    (!buffer->endsWith('\n') && peer->state() == QLocalSocket::ConnectedState))
                    return;
                const QByteArray request = *buffer;
                buffer->clear();
                peer->disconnectFromServer();
                Serve(request, windowTitle);
            };
            QObject::connect(peer, &QLocalSocket::readyRead, peer, serve);
            QObject::connect(peer, &QLocalSocket::disconnected, peer, serve);
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    Guard().server = server;
    return true;
}

} // namespace

InstanceGuardPlace GuardPlaceFor(const std::string& instanceName, const std::string& dataFolder) {
    const std::string folder = "/tmp/quillmark-" + std::to_string(getuid());
    if (!PrivateFolder(folder)) return {};
    const std::string base = folder + "/" + instanceName + "-" + DataFolderKey(dataFolder);
    return {folder, base + ".lock", base + ".socket"};
}

void SetPlanToHandOver(const std::string& planFile) {
    Guard().planToHandOver = planFile;
}

void SetHandedOverPlanOpener(std::function<void(const std::string& planFile)> open) {
    Guard().openPlan = std::move(open);
}

int32_t ClaimSingleInstance(const std::string& instanceName, const std::string& windowTitle) {
    const InstanceGuardPlace place = GuardPlaceFor(instanceName, Paths().dataFolder);
    if (place.folder.empty()) {
        EzBeep();
        return 0;
    }
    auto* lock = new QLockFile(FromCp1252(place.lockFile));
    lock->setStaleLockTime(0); // stale only when its process has gone, however old
    if (lock->tryLock(0)) {
        Guard().lock = lock;
        if (Listen(FromCp1252(place.socketFile), windowTitle)) return 1;
        // Without the socket a later start could not find this copy; run unguarded rather not.
        delete lock;
        Guard().lock = nullptr;
        EzBeep();
        return 0;
    }
    const QLockFile::LockError error = lock->error();
    delete lock;
    if (error != QLockFile::LockFailedError) {
        EzBeep();
        return 0;
    }
    AskRunningCopy(FromCp1252(place.socketFile), Guard().planToHandOver);
    return 0;
}
