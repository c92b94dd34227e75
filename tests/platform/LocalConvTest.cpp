#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLocalSocket>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "platform/LocalConv.h"
#include "tests/tex/TeXTestSupport.h"

using textest::FakeViewerPeer;
using textest::PrivateRuntime;

TEST(LocalConv, RequestsExecutesAndClosesOverOneLink)
{
    PrivateRuntime runtime;
    FakeViewerPeer peer("/doc/a.dvi", "7(12)");
    ASSERT_TRUE(peer.listening());
    conv::Client client;
    ASSERT_TRUE(client.openLink("WinDvi", "WinDvi"));
    EXPECT_EQ(client.request("dvifile").value_or("?"), "/doc/a.dvi");
    EXPECT_EQ(client.request("current_page").value_or("?"), "7(12)");
    EXPECT_FALSE(client.request("unknown").has_value());
    EXPECT_TRUE(client.isOpen());
    EXPECT_TRUE(client.execute("[WinNormal]"));
    EXPECT_TRUE(client.execute("[FileOpen(\x82\xa0.dvi)]"));
    client.closeLink();
    EXPECT_FALSE(client.isOpen());
    std::vector<std::string> expected{"[WinNormal]", "[FileOpen(\x82\xa0.dvi)]"};
    EXPECT_EQ(peer.macros(), expected);
}

TEST(LocalConv, SocketIsReachableByTheUserAlone)
{
    PrivateRuntime runtime;
    FakeViewerPeer peer("", "");
    QString folder = conv::runtimeFolder();
    ASSERT_FALSE(folder.isEmpty());
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(stat(QFile::encodeName(conv::socketPath("WinDvi")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0077, 0u);
}

TEST(LocalConv, SecondServerDoesNotStealALiveName)
{
    PrivateRuntime runtime;
    FakeViewerPeer peer("first", "");
    conv::Server second("WinDvi", "WinDvi");
    EXPECT_FALSE(second.listen());
    conv::Client client;
    ASSERT_TRUE(client.openLink("WinDvi", "WinDvi"));
    EXPECT_EQ(client.request("dvifile").value_or(""), "first");
}

TEST(LocalConv, MalformedAndOversizedMessagesAreDropped)
{
    PrivateRuntime runtime;
    FakeViewerPeer peer("/doc/a.dvi", "");
    std::string link = conv::wire::frame('C', "WinDvi", {});
    std::string tooLong = link.substr(0, 4);
    tooLong[1] = '\x02';  // claims 128 KiB, over the limit
    std::string badItemLength = link;
    badItemLength[5] = '\x7f';  // an item longer than the message
    for (const std::string& bytes : {std::string("\x7f\xff\xff\xff"), tooLong, badItemLength,
                                     conv::wire::frame('E', {}, "[WinNormal]"),  // no link opened first
                                     link + conv::wire::frame('Z', {}, "x")}) {
        QLocalSocket socket;
        socket.connectToServer(conv::socketPath("WinDvi"));
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(bytes.data(), qint64(bytes.size()));
        // The server hangs up on such a sender.
        EXPECT_TRUE(socket.waitForDisconnected(3000));
    }
    EXPECT_TRUE(peer.macros().empty());
    conv::Client client;
    ASSERT_TRUE(client.openLink("WinDvi", "WinDvi"));
    EXPECT_EQ(client.request("dvifile").value_or(""), "/doc/a.dvi");
    EXPECT_FALSE(client.execute(std::string(conv::kMaxMessage, 'x')));  // refused before sending
}

TEST(LocalConv, HeldConnectionsAreCappedAndIdleOnesDropped)
{
    PrivateRuntime runtime;
    conv::Server server("Flooded", "T");
    server.maxConnections = 8;
    server.idleTimeoutMs = 400;
    std::vector<std::string> poked;
    server.onPoke = [&](const QString&, const std::string& data) { poked.push_back(data); };
    ASSERT_TRUE(server.listen());
    // A flood of connections that never say anything.
    std::vector<std::unique_ptr<QLocalSocket>> flood;
    for (int i = 0; i < 40; ++i) {
        flood.push_back(std::make_unique<QLocalSocket>());
        flood.back()->connectToServer(conv::socketPath("Flooded"));
        ASSERT_TRUE(flood.back()->waitForConnected(2000));
        QCoreApplication::processEvents();
        EXPECT_LE(server.connectionCount(), 8);
    }
    textest::waitUntil([&] { return server.connectionCount() > 0; }, 2000);
    EXPECT_LE(server.connectionCount(), 8);
    // Quiet for longer than the time-out: all of them are dropped.
    EXPECT_TRUE(textest::waitUntil([&] { return server.connectionCount() == 0; }, 5000));
    // The server still answers a client that talks.
    std::thread companion([] {
        conv::Client client;
        if (client.openLink("Flooded", "T")) client.poke("item", "hello");
    });
    EXPECT_TRUE(textest::waitUntil([&] { return !poked.empty(); }, 5000));
    companion.join();
    ASSERT_EQ(poked.size(), 1u);
    EXPECT_EQ(poked[0], "hello");
}

namespace {
// A client outside Qt's event loop, as another program is: nothing reads
// what the server sends unless the test asks.
class RawClient {
public:
    explicit RawClient(const QString& path)
    {
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        fcntl(fd_, F_SETFL, O_NONBLOCK);
    }
    ~RawClient() { ::close(fd_); }
    bool connected() const { return connected_; }
    // Sends all of `bytes`, letting the server run while the socket is full;
    // false once the server has hung up.
    bool send(const std::string& bytes)
    {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n > 0) {
                sent += size_t(n);
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                QCoreApplication::processEvents();
            } else {
                return false;
            }
        }
        return true;
    }
    // Reads until `count` bytes have come or the time is up.
    std::string receive(size_t count, int ms = 5000)
    {
        std::string got;
        char chunk[4096];
        textest::waitUntil(
            [&] {
                ssize_t n;
                while ((n = ::recv(fd_, chunk, sizeof chunk, 0)) > 0) got.append(chunk, size_t(n));
                return got.size() >= count;
            },
            ms);
        return got;
    }

private:
    int fd_ = -1;
    bool connected_ = false;
};
}  // namespace

TEST(LocalConv, AClientThatNeverReadsIsDroppedAndOneThatReadsIsServed)
{
    PrivateRuntime runtime;
    conv::Server server("Deaf", "T");
    size_t poked = 0, bytes = 0;
    server.onPoke = [&](const QString&, const std::string& data) {
        ++poked;
        bytes += data.size();
    };
    ASSERT_TRUE(server.listen());
    const std::string link = conv::wire::frame('C', "T", {});
    const std::string answer = conv::wire::frame('A', {}, {});

    // Pokes, thousands of them, and not one answer read.
    {
        RawClient deaf(conv::socketPath("Deaf"));
        ASSERT_TRUE(deaf.connected());
        ASSERT_TRUE(deaf.send(link));
        const std::string poke = conv::wire::frame('P', "item", "x");
        int sent = 0;
        while (sent < 200000 && deaf.send(poke)) {
            ++sent;
            if (sent % 64 == 0) QCoreApplication::processEvents();
        }
        EXPECT_LT(sent, 200000) << "never hung up on";
        EXPECT_TRUE(textest::waitUntil([&] { return server.connectionCount() == 0; }, 5000));
    }

    // A client that sends many large pokes at once and reads the answers
    // afterwards has them all handled: the server takes a bounded share of
    // them at a time, not a part of them.
    poked = 0;
    bytes = 0;
    RawClient patient(conv::socketPath("Deaf"));
    ASSERT_TRUE(patient.connected());
    const int count = 60;
    std::string burst = link;
    for (int i = 0; i < count; ++i) burst += conv::wire::frame('P', "item", std::string(60000, char('a' + i % 26)));
    ASSERT_TRUE(patient.send(burst));
    EXPECT_EQ(patient.receive(answer.size() * (count + 1)).size(), answer.size() * (count + 1));
    EXPECT_EQ(poked, size_t(count));
    EXPECT_EQ(bytes, size_t(count) * 60000);
}

TEST(LocalConv, SocketsLeftByKilledServersAreRemovedAndLiveOnesKept)
{
    PrivateRuntime runtime;
    const QString folder = conv::runtimeFolder();
    ASSERT_FALSE(folder.isEmpty());
    auto leftover = [](const QString& service) { return textest::leaveStaleSocket(conv::socketPath(service)); };
    const QString stale1 = leftover("quillmark-111");
    const QString stale2 = leftover("quillmark-222");
    ASSERT_TRUE(QFileInfo::exists(stale1));
    conv::Server live("quillmark", "T");
    ASSERT_TRUE(live.listen());
    // Not a socket: somebody else's file, whatever its name.
    const QString plain = folder + "/notes.conv";
    textest::writeFile(plain, "keep");

    EXPECT_EQ(conv::removeStaleSockets(), 2);
    EXPECT_FALSE(QFileInfo::exists(stale1));
    EXPECT_FALSE(QFileInfo::exists(stale2));
    EXPECT_TRUE(QFileInfo::exists(plain));
    EXPECT_TRUE(QFileInfo::exists(conv::socketPath("quillmark")));
    QLocalSocket probe;
    probe.connectToServer(conv::socketPath("quillmark"));
    EXPECT_TRUE(probe.waitForConnected(2000));
    probe.abort();
    EXPECT_EQ(conv::removeStaleSockets(), 0);

    // A server taking over a name whose socket was left behind.
    ASSERT_FALSE(leftover("Viewer").isEmpty());
    conv::Server again("Viewer", "T");
    EXPECT_TRUE(again.listen());
}
