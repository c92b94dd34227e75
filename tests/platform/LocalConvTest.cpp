#include <gtest/gtest.h>

#include <QFileInfo>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
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

TEST(LocalConv, LinkNeedsTheRightServiceAndTopic)
{
    PrivateRuntime runtime;
    FakeViewerPeer peer("", "");
    conv::Client client;
    EXPECT_FALSE(client.openLink("NoSuchService", "WinDvi"));
    EXPECT_FALSE(client.openLink("WinDvi", "OtherTopic"));
    EXPECT_TRUE(client.openLink("windvi", "WINDVI"));  // names ignore case, as the viewer's did
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
    QString path = conv::socketPath("WinDvi");
    auto sendRaw = [&](const std::string& bytes) {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(2000))
            return false;
        socket.write(bytes.data(), qint64(bytes.size()));
        socket.waitForBytesWritten(2000);
        // The server hangs up on such a sender rather than answering.
        socket.waitForReadyRead(500);
        bool answered = socket.bytesAvailable() > 0;
        socket.waitForDisconnected(2000);
        return !answered && socket.state() == QLocalSocket::UnconnectedState;
    };
    std::string huge = "\x7f\xff\xff\xff";                                  // claims 2 GB
    std::string tooLong = conv::wire::frame('C', "WinDvi", {}).substr(0, 4);
    tooLong[1] = '\x02';                                                   // 128 KiB, over the limit
    std::string badItemLength = conv::wire::frame('C', "WinDvi", {});
    badItemLength[5] = '\x7f';                                             // item longer than the message
    std::string noConnectFirst = conv::wire::frame('E', {}, "[WinNormal]");
    std::string unknownOp = conv::wire::frame('C', "WinDvi", {}) + conv::wire::frame('Z', {}, "x");
    for (const std::string& bytes : {huge, tooLong, badItemLength, noConnectFirst})
        EXPECT_TRUE(sendRaw(bytes));
    {
        QLocalSocket socket;
        socket.connectToServer(path);
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(unknownOp.data(), qint64(unknownOp.size()));
        socket.waitForBytesWritten(2000);
        EXPECT_TRUE(socket.waitForDisconnected(3000));
    }
    EXPECT_TRUE(peer.macros().empty());
    conv::Client client;
    ASSERT_TRUE(client.openLink("WinDvi", "WinDvi"));
    EXPECT_EQ(client.request("dvifile").value_or(""), "/doc/a.dvi");
    EXPECT_FALSE(client.execute(std::string(conv::kMaxMessage, 'x')));  // refused before sending
}

TEST(LocalConv, PeerThatNeverAnswersTimesOut)
{
    PrivateRuntime runtime;
    QLocalServer silent;
    QString path = conv::socketPath("Silent");
    ASSERT_TRUE(silent.listen(path));
    conv::Client client;
    client.timeoutMs = 300;
    // The link's opening message goes unanswered, so no link opens.
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(client.openLink("Silent", "T", 300));
    EXPECT_LT(timer.elapsed(), 5000);
}
