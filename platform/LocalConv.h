#pragma once
// A small conversation layer between programs of one user, over local
// sockets: a server is named by a service and a topic and offers items that
// clients request, poke and execute macros on; a client opens a link to a
// service and topic, talks, and closes it.  Every text is CP932 bytes.
//
// The sockets live in the user's runtime folder ($XDG_RUNTIME_DIR, else a
// folder in /tmp that only the user may enter), and are reachable by the
// user alone.  Messages are length-prefixed; one that is malformed or larger
// than kMaxMessage ends the connection that sent it and nothing else.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLocalServer;
class QLocalSocket;
class QTimer;

namespace conv {

constexpr int kRequestTimeoutMs = 10000;
constexpr int kMaxMessage = 64 * 1024;
// Answers a connection may leave unread before the server hangs up on it.  A
// client reads each answer before it sends again, so it never has more than
// one outstanding; only one that sends without reading gets near this.
constexpr qint64 kMaxUnread = 2 * kMaxMessage;

// The folder that holds the sockets, created owner-only when missing; empty
// when it cannot be made safe (wrong owner or permissions).
QString runtimeFolder();
// Where the socket of a service lives (service names ignore letter case).
QString socketPath(const QString& service);
// Removes the socket files in the runtime folder that a server killed before
// it could close left behind: those that refuse a connection.  A socket that
// answers, or whose owner cannot be told (busy, not a socket of this user),
// is left alone.  Returns how many were removed.
int removeStaleSockets();

class Server : public QObject {
    Q_OBJECT
public:
    Server(const QString& service, const QString& topic, QObject* parent = nullptr);
    ~Server() override;

    // Starts listening.  Fails when the runtime folder is unusable or when a
    // live server already answers under the same service.
    bool listen();
    void close();
    bool isListening() const;
    QString service() const { return service_; }
    QString topic() const { return topic_; }

    // Connections held at once; a new one beyond this drops the one that
    // has been quiet longest.  A connection quiet for idleTimeoutMs is
    // dropped too, so idle clients cannot hold the editor's descriptors.
    int maxConnections = 32;
    int idleTimeoutMs = 30000;
    int connectionCount() const;

    // Handlers; each runs in the thread that owns the server.
    std::function<void(const QString& item, const std::string& data)> onPoke;
    // An empty optional answers "no data".
    std::function<std::optional<std::string>(const QString& item)> onRequest;
    std::function<bool(const std::string& macro)> onExecute;

private:
    void acceptConnections();
    void readFrom(QLocalSocket* socket);
    void dropIdle();
    QString service_, topic_;
    QLocalServer* server_ = nullptr;
    QTimer* idleCheck_ = nullptr;
};

// A blocking client: every call waits for the answer, up to the time-out.
// Usable from any one thread at a time, with or without an event loop.
class Client {
public:
    Client();
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    bool openLink(const QString& service, const QString& topic, int timeoutMs = kRequestTimeoutMs);
    void closeLink();
    bool isOpen() const;

    std::optional<std::string> request(const QString& item);
    bool execute(const std::string& macro);
    bool poke(const QString& item, const std::string& data);

    int timeoutMs = kRequestTimeoutMs;

private:
    // Sends one message and waits for its answer; false on time-out or a
    // broken link (which is then closed).
    bool transact(char op, const QString& item, const std::string& data, std::string* reply);
    std::unique_ptr<QLocalSocket> socket_;
};

// The wire format, exposed for the tests of malformed input.
namespace wire {
// op, item, data -> one framed message.
std::string frame(char op, const std::string& item, const std::string& data);
}  // namespace wire

}  // namespace conv
