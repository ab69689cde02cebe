// The guard is a lock file named after the instance (the operating system removes nothing, but a
// lock whose process has ended is taken over), plus a local socket of the same name on which the
// running copy listens for "raise" from a later start.
#include "app/shell/single_instance.h"
#include "app/text/cp1252.h"
#include "app/toolkit/ez.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {

struct InstanceGuard {
    QLockFile* lock = nullptr;
    QLocalServer* server = nullptr;
};

InstanceGuard& Guard() {
    static InstanceGuard guard;
    return guard;
}

QString GuardName(const std::string& instanceName) {
    return FromCp1252(instanceName) + QStringLiteral("-") + QString::number(getuid());
}

QString LockPath(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

void AskRunningCopyToRaise(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(2000)) return;
    socket.write("raise\n");
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
}

void Listen(const QString& name, const std::string& windowTitle) {
    auto* server = new QLocalServer();
    QLocalServer::removeServer(name); // left behind by a copy that crashed
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) return;
    QObject::connect(server, &QLocalServer::newConnection, server, [server, windowTitle] {
        while (QLocalSocket* peer = server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, windowTitle] {
                if (peer->readAll().startsWith("raise")) EzRestoreWindowTitled(windowTitle);
                peer->disconnectFromServer();
            });
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    Guard().server = server;
}

} // namespace

int32_t ClaimSingleInstance(const std::string& instanceName, const std::string& windowTitle) {
    const QString name = GuardName(instanceName);
    auto* lock = new QLockFile(LockPath(name));
    lock->setStaleLockTime(0); // stale only when its process has gone, however old
    if (lock->tryLock(0)) {
        Guard().lock = lock;
        Listen(name, windowTitle);
        return 1;
    }
    const QLockFile::LockError error = lock->error();
    delete lock;
    if (error != QLockFile::LockFailedError) {
        EzBeep();
        return 0;
    }
    AskRunningCopyToRaise(name);
    return 0;
}
