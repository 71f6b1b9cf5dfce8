#include "desktop/single_instance.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace desktop {
namespace {

// A later instance writes one line: "raise", or "open" and a tab and the file's absolute path
// in UTF-8.
const QByteArray raise_request = "raise\n";
const QByteArray open_request = "open\t";
std::unique_ptr<QLockFile> lock;
std::function<void(const QString &)> second_instance_hook;
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
                if (!socket->canReadLine() || !second_instance_hook)
                    return;
                const QByteArray line = socket->readLine();
                if (line == raise_request)
                    second_instance_hook(QString());
                else if (line.startsWith(open_request) && line.endsWith('\n'))
                    second_instance_hook(QString::fromUtf8(line.mid(open_request.size()).chopped(1)));
            });
        }
    });
}

void ask_first_instance_to_raise(const QString &name, const QString &file)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(2000))
        return;
    socket.write(file.isEmpty() ? raise_request : open_request + QFileInfo(file).absoluteFilePath().toUtf8() + '\n');
    socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
}

} // namespace

bool claim_single_instance(const QString &file)
{
    if (lock)
        return true;
    const QString dir = runtime_folder();
    const QString socket_name = dir + QStringLiteral("/qorvil.socket");
    auto candidate = std::make_unique<QLockFile>(dir + QStringLiteral("/qorvil.lock"));
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock()) {
        ask_first_instance_to_raise(socket_name, file);
        return false;
    }
    lock = std::move(candidate);
    qAddPostRoutine([] { lock.reset(); });  // released when the application object ends
    listen_for_later_instances(socket_name);
    return true;
}

void on_second_instance(std::function<void(const QString &)> hook) { second_instance_hook = std::move(hook); }

void open_web_address(const QString &address)
{
    if (web_address_opener)
        web_address_opener(address);
    else
        QDesktopServices::openUrl(QUrl(address));
}

void set_web_address_opener(std::function<void(const QString &)> opener) { web_address_opener = std::move(opener); }

} // namespace desktop
