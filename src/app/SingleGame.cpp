#include "app/SingleGame.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <utility>

#include "base/FileName.h"
#include "base/ProgramFiles.h"

namespace {

constexpr int kWaitMs = 1000;
// A path is a line of at most this many bytes.
constexpr qint64 kMaxPathBytes = 64 * 1024;

} // namespace

TSingleGame::TSingleGame(QObject *parent) : QObject(parent) {}

QString TSingleGame::ServerName()
{
    const QByteArray folder = EncodeFileName(PlayerStateDir());
    return QStringLiteral("jigsy-") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

bool TSingleGame::HandOver(const QString &file)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(EncodeFileName(file) + '\n');
    if (!socket.waitForBytesWritten(kWaitMs))
        return false;
    // The running game closes its end once it has the line.
    socket.waitForDisconnected(kWaitMs);
    return true;
}

bool TSingleGame::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &TSingleGame::Accept);
    if (m_server->listen(ServerName()))
        return true;
    // Nobody answered on it (HandOver came first), so it is a killed game's.
    QLocalServer::removeServer(ServerName());
    return m_server->listen(ServerName());
}

void TSingleGame::Take(const QString &file)
{
    if (m_ready)
        emit Handed(file);
    else
        m_waiting << file;
}

void TSingleGame::Ready()
{
    m_ready = true;
    const QStringList waiting = std::exchange(m_waiting, {});
    for (const QString &file : waiting)
        emit Handed(file);
}

void TSingleGame::Accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxPathBytes)
                    socket->disconnectFromServer();
                return;
            }
            QByteArray line = socket->readLine(kMaxPathBytes);
            if (line.endsWith('\n'))
                line.chop(1);
            socket->disconnectFromServer();
            Take(DecodeFileName(line));
        });
    }
}
