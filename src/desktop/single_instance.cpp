#include "desktop/single_instance.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace desktop {
namespace {

const QByteArray raise_request = "raise\n";
std::unique_ptr<QLockFile> lock;
std::function<void()> second_instance_hook;
std::function<void(const QString &)> web_address_opener;

QString runtime_folder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

// The first instance answers later ones on a local socket beside its lock.
void listen_for_later_instances(const QString &name)
{
    auto *server = new QLocalServer(QCoreApplication::instance());
    QLocalServer::removeServer(name);  // left by an instance that crashed; the lock is ours
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                if (socket->canReadLine() && socket->readLine() == raise_request && second_instance_hook)
                    second_instance_hook();
            });
        }
    });
}

void ask_first_instance_to_raise(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(2000))
        return;
    socket.write(raise_request);
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
}

} // namespace

bool claim_single_instance()
{
    if (lock)
        return true;
    const QString dir = runtime_folder();
    const QString socket_name = dir + QStringLiteral("/qorvil.socket");
    auto candidate = std::make_unique<QLockFile>(dir + QStringLiteral("/qorvil.lock"));
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock()) {
        ask_first_instance_to_raise(socket_name);
        return false;
    }
    lock = std::move(candidate);
    qAddPostRoutine([] { lock.reset(); });  // released when the application object ends
    listen_for_later_instances(socket_name);
    return true;
}

void on_second_instance(std::function<void()> hook) { second_instance_hook = std::move(hook); }

void open_web_address(const QString &address)
{
    if (web_address_opener)
        web_address_opener(address);
    else
        QDesktopServices::openUrl(QUrl(address));
}

void set_web_address_opener(std::function<void(const QString &)> opener) { web_address_opener = std::move(opener); }

} // namespace desktop
