#include "singleinstance.h"

#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <optional>

namespace kirvano {

namespace {

// "come forward", then the later start's activation token if it has one.
const QByteArray ComeForwardRequest("come forward");
const QByteArray ComeForwardDone("done\n");
constexpr qsizetype LongestRequest = 512;

// What a later start asked for: its token, empty for none; nothing when it
// asked for nothing we know. A token is printable ASCII without spaces.
std::optional<QString> comeForwardToken(QByteArray line)
{
    line = line.trimmed();
    if (line == ComeForwardRequest)
        return QString();
    if (!line.startsWith(ComeForwardRequest + ' '))
        return std::nullopt;
    const QByteArray token = line.mid(ComeForwardRequest.size() + 1);
    for (char c : token) {
        if (c < 0x21 || c > 0x7e)
            return std::nullopt;
    }
    return QString::fromLatin1(token);
}

// The settings folder is the user's own: made owner-only when it is new.
// The same settings file reached through a linked folder gives the same name.
QString settingsFileIdentity(const QString &settingsPath)
{
    const QFileInfo file(settingsPath);
    const QString folder = QFileInfo(file.path()).canonicalFilePath();
    return folder.isEmpty() ? file.absoluteFilePath() : folder + QLatin1Char('/') + file.fileName();
}

// In the user's private runtime folder, one name per settings file.
QString socketNameFor(const QString &identity)
{
    const QByteArray hash = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/kirvano-")
           + QString::fromLatin1(hash);
}

bool waitForLine(QLocalSocket &socket, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!socket.canReadLine()) {
        const int left = timeoutMs - int(waited.elapsed());
        if (left <= 0 || !socket.waitForReadyRead(left))
            return false;
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsPath) : m_settingsPath(settingsPath)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    SettingsStore(m_settingsPath).makeSettingsFolder();
    const QString identity = settingsFileIdentity(m_settingsPath);
    m_socketName = socketNameFor(identity);

    m_lock = std::make_unique<QLockFile>(identity + QStringLiteral(".lock"));
    // Never stale by its age alone: a board runs for days. The lock of a
    // board that crashed or was killed names a dead process and is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        connect(qApp, &QCoreApplication::aboutToQuit, this, &SingleInstance::release);
        return true;
    }
    return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a killed board: the lock says it is dead.
    QLocalServer::removeServer(m_socketName);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answerLaterStarts);
    // Without the socket the board still runs; a later start then says
    // that it is running instead of bringing it forward.
    m_server->listen(m_socketName);
}

void SingleInstance::release()
{
    delete m_server; // closes the socket and removes its name
    m_server = nullptr;
    if (m_lock)
        m_lock->unlock();
}

void SingleInstance::answerLaterStarts()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > LongestRequest)
                    socket->abort();
                return;
            }
            if (const auto token = comeForwardToken(socket->readLine(LongestRequest + 1))) {
                onComeForward.fire(*token);
                socket->write(ComeForwardDone);
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::askRunningBoardToComeForward() const
{
    // The running board listens right after taking the lock: a start that
    // meets the lock in between tries again for a moment.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(m_socketName);
        if (socket.waitForConnected(1000)) {
            // A start from the desktop's menu may come with the token that
            // lets a window of ours take the focus; from a terminal it has none.
            const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
            socket.write(ComeForwardRequest + (token.isEmpty() ? QByteArray() : ' ' + token) + '\n');
            return socket.waitForBytesWritten(1000) && waitForLine(socket, 3000)
                   && socket.readLine() == ComeForwardDone;
        }
        if (waited.elapsed() > 1000)
            return false;
        QThread::msleep(100);
    }
}

} // namespace kirvano
