#include "platform/LocalConv.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace conv {

namespace {

// Ops of the messages.  A client opens with Connect (topic in the item),
// then sends Request, Execute and Poke; the server answers each with Ack or
// Nak, the reply's bytes in the data.
constexpr char kConnect = 'C';
constexpr char kRequest = 'R';
constexpr char kExecute = 'E';
constexpr char kPoke = 'P';
constexpr char kAck = 'A';
constexpr char kNak = 'N';

// Byte layout: 4-byte big-endian length of the rest, op, 2-byte big-endian
// item length, item, data.
constexpr int kHeader = 4;

void putU32(std::string& out, uint32_t v)
{
    out.push_back(char(v >> 24));
    out.push_back(char(v >> 16));
    out.push_back(char(v >> 8));
    out.push_back(char(v));
}

uint32_t getU32(const char* p)
{
    auto b = reinterpret_cast<const unsigned char*>(p);
    return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | b[3];
}

struct Message {
    char op = 0;
    std::string item;
    std::string data;
};

enum class Parse { Incomplete, Bad, Done };

// Takes one message off the front of the buffer.
Parse takeMessage(QByteArray& buffer, Message& message)
{
    if (buffer.size() < kHeader) return Parse::Incomplete;
    uint32_t length = getU32(buffer.constData());
    if (length < 3 || length > uint32_t(kMaxMessage)) return Parse::Bad;
    if (buffer.size() < qsizetype(kHeader + length)) return Parse::Incomplete;
    const char* body = buffer.constData() + kHeader;
    auto itemLength = (uint32_t(uint8_t(body[1])) << 8) | uint8_t(body[2]);
    if (3 + itemLength > length) return Parse::Bad;
    message.op = body[0];
    message.item.assign(body + 3, itemLength);
    message.data.assign(body + 3 + itemLength, length - 3 - itemLength);
    buffer.remove(0, kHeader + length);
    return Parse::Done;
}

bool sameName(const QString& a, const std::string& b)
{
    return a.compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive) == 0;
}

}  // namespace

namespace wire {
std::string frame(char op, const std::string& item, const std::string& data)
{
    std::string out;
    size_t itemLength = std::min<size_t>(item.size(), 0xFFFF);
    putU32(out, uint32_t(3 + itemLength + data.size()));
    out.push_back(op);
    out.push_back(char(itemLength >> 8));
    out.push_back(char(itemLength));
    out.append(item, 0, itemLength);
    out.append(data);
    return out;
}
}  // namespace wire

QString runtimeFolder()
{
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString folder;
    if (!base.isEmpty() && QDir(base).exists())
        folder = base + "/quillmark";
    else
        folder = QStringLiteral("/tmp/quillmark-%1").arg(getuid());
    QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st {};
    if (lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return {};
    if ((st.st_mode & 0077) != 0 && chmod(path.constData(), 0700) != 0) return {};
    return folder;
}

QString socketPath(const QString& service)
{
    QString folder = runtimeFolder();
    if (folder.isEmpty()) return {};
    return folder + "/" + service.toLower() + ".conv";
}

namespace {

enum class Owner { Answers, Gone, Unknown };

// Whether a server listens on the socket at `path`.  Only a refused
// connection says the server is gone; a socket that does not answer in time
// may belong to a server that is merely busy.
Owner ownerOf(const QString& path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500)) {
        probe.abort();
        return Owner::Answers;
    }
    return probe.error() == QLocalSocket::ConnectionRefusedError ? Owner::Gone : Owner::Unknown;
}

// Unlinks `path` if it is still a socket of this user.
bool removeSocketFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (lstat(name.constData(), &st) != 0 || !S_ISSOCK(st.st_mode) || st.st_uid != getuid()) return false;
    return unlink(name.constData()) == 0;
}

}  // namespace

int removeStaleSockets()
{
    const QString folder = runtimeFolder();
    if (folder.isEmpty()) return 0;
    int removed = 0;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.conv")}, QDir::System | QDir::Hidden);
    for (const QString& name : names) {
        const QString path = folder + "/" + name;
        if (ownerOf(path) == Owner::Gone && removeSocketFile(path)) ++removed;
    }
    return removed;
}

// ---- server ----

Server::Server(const QString& service, const QString& topic, QObject* parent)
    : QObject(parent), service_(service), topic_(topic)
{
}

Server::~Server() { close(); }

bool Server::listen()
{
    close();
    QString path = socketPath(service_);
    if (path.isEmpty()) return false;
    if (QFileInfo::exists(path)) {
        // A socket file left by a server that is gone is taken over; one
        // that answers, or might, belongs to another instance.
        if (ownerOf(path) != Owner::Gone || !removeSocketFile(path)) return false;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->setMaxPendingConnections(16);
    connect(server_, &QLocalServer::newConnection, this, &Server::acceptConnections);
    if (!server_->listen(path)) {
        delete server_;
        server_ = nullptr;
        return false;
    }
    idleCheck_ = new QTimer(server_);
    idleCheck_->setInterval(std::max(50, std::min(idleTimeoutMs / 4, 5000)));
    connect(idleCheck_, &QTimer::timeout, this, &Server::dropIdle);
    idleCheck_->start();
    return true;
}

void Server::close()
{
    if (!server_) return;
    QString path = server_->fullServerName();
    server_->close();
    delete server_;
    server_ = nullptr;
    idleCheck_ = nullptr;
    QLocalServer::removeServer(path);
}

bool Server::isListening() const { return server_ && server_->isListening(); }

namespace {
// The connections of a server are the QLocalSocket children of its
// QLocalServer that are still open; each carries the time of its last
// message.
QList<QLocalSocket*> openConnections(QLocalServer* server)
{
    QList<QLocalSocket*> open;
    if (!server) return open;
    for (QLocalSocket* socket : server->findChildren<QLocalSocket*>(QString(), Qt::FindDirectChildrenOnly))
        if (socket->state() == QLocalSocket::ConnectedState && !socket->property("dropped").toBool()) open << socket;
    return open;
}

qint64 lastActive(const QLocalSocket* socket) { return socket->property("active").toLongLong(); }

void dropConnection(QLocalSocket* socket)
{
    socket->setProperty("dropped", true);
    socket->abort();
    socket->deleteLater();
}
}  // namespace

int Server::connectionCount() const { return int(openConnections(server_).size()); }

void Server::acceptConnections()
{
    while (server_ && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        QList<QLocalSocket*> open = openConnections(server_);
        open.removeOne(socket);
        while (!open.isEmpty() && open.size() >= maxConnections) {
            auto quietest = std::min_element(open.begin(), open.end(), [](QLocalSocket* a, QLocalSocket* b) {
                return lastActive(a) < lastActive(b);
            });
            dropConnection(*quietest);
            open.erase(quietest);
        }
        // What a sender has sent but the server has not taken is bounded
        // too: the socket stops reading until the messages are handled.
        socket->setReadBufferSize(2 * (kHeader + kMaxMessage));
        socket->setProperty("linked", false);
        socket->setProperty("active", QDateTime::currentMSecsSinceEpoch());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void Server::dropIdle()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (QLocalSocket* socket : openConnections(server_))
        if (now - lastActive(socket) >= idleTimeoutMs) dropConnection(socket);
}

void Server::readFrom(QLocalSocket* socket)
{
    socket->setProperty("active", QDateTime::currentMSecsSinceEpoch());
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    auto drop = [socket] {
        socket->setProperty("buffer", QByteArray());
        dropConnection(socket);
    };
    auto answer = [socket](bool ok, const std::string& data) {
        std::string out = wire::frame(ok ? kAck : kNak, {}, data);
        if (socket->bytesToWrite() + qint64(out.size()) > kMaxUnread) {
            // The client sends without reading what it is answered.
            dropConnection(socket);
            return;
        }
        socket->write(out.data(), qint64(out.size()));
        socket->flush();
    };
    for (;;) {
        Message message;
        Parse result = takeMessage(buffer, message);
        if (result == Parse::Bad) return drop();
        if (result == Parse::Incomplete) break;
        bool linked = socket->property("linked").toBool();
        if (!linked) {
            if (message.op != kConnect || !sameName(topic_, message.item)) return drop();
            socket->setProperty("linked", true);
            answer(true, {});
            continue;
        }
        QString item = QString::fromUtf8(message.item.data(), qsizetype(message.item.size()));
        switch (message.op) {
            case kRequest: {
                std::optional<std::string> reply;
                if (onRequest) reply = onRequest(item);
                answer(reply.has_value(), reply.value_or(std::string()));
                break;
            }
            case kExecute: answer(onExecute && onExecute(message.data), {}); break;
            case kPoke:
                if (onPoke) onPoke(item, message.data);
                answer(bool(onPoke), {});
                break;
            default: return drop();
        }
        if (socket->state() != QLocalSocket::ConnectedState) return;
    }
    socket->setProperty("buffer", buffer);
}

// ---- client ----

Client::Client() = default;
Client::~Client() { closeLink(); }

bool Client::openLink(const QString& service, const QString& topic, int timeout)
{
    closeLink();
    QString path = socketPath(service);
    if (path.isEmpty()) return false;
    socket_ = std::make_unique<QLocalSocket>();
    socket_->connectToServer(path);
    if (!socket_->waitForConnected(timeout)) {
        socket_.reset();
        return false;
    }
    std::string reply;
    if (!transact(kConnect, topic, {}, &reply)) {
        socket_.reset();
        return false;
    }
    return true;
}

void Client::closeLink()
{
    if (!socket_) return;
    socket_->disconnectFromServer();
    if (socket_->state() != QLocalSocket::UnconnectedState) socket_->waitForDisconnected(100);
    socket_.reset();
}

bool Client::isOpen() const { return socket_ && socket_->state() == QLocalSocket::ConnectedState; }

bool Client::transact(char op, const QString& item, const std::string& data, std::string* reply)
{
    if (!isOpen()) return false;
    QByteArray itemBytes = item.toUtf8();
    if (size_t(itemBytes.size()) > 0xFFFF || data.size() + size_t(itemBytes.size()) + 3 > size_t(kMaxMessage))
        return false;
    std::string out = wire::frame(op, std::string(itemBytes.constData(), size_t(itemBytes.size())), data);
    socket_->write(out.data(), qint64(out.size()));
    QDeadlineTimer deadline(timeoutMs);
    while (socket_->bytesToWrite() > 0) {
        if (!socket_->waitForBytesWritten(int(deadline.remainingTime()))) {
            closeLink();
            return false;
        }
    }
    QByteArray buffer;
    for (;;) {
        Message message;
        Parse result = takeMessage(buffer, message);
        if (result == Parse::Done) {
            if (message.op != kAck && message.op != kNak) {
                closeLink();
                return false;
            }
            if (reply) *reply = message.data;
            return message.op == kAck;
        }
        if (result == Parse::Bad || deadline.hasExpired() ||
            !socket_->waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())))) {
            closeLink();
            return false;
        }
        buffer += socket_->readAll();
    }
}

std::optional<std::string> Client::request(const QString& item)
{
    std::string reply;
    if (!transact(kRequest, item, {}, &reply)) return std::nullopt;
    return reply;
}

bool Client::execute(const std::string& macro) { return transact(kExecute, {}, macro, nullptr); }

bool Client::poke(const QString& item, const std::string& data) { return transact(kPoke, item, data, nullptr); }

}  // namespace conv
