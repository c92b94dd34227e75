#include <gtest/gtest.h>

#include <QLocalSocket>
#include <memory>
#include <thread>
#include <sys/stat.h>

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
