#pragma once
// The conversation with the DVI viewer: ask it which file it shows; reload
// and return to the page when it is this document, else open the new file.
#include <QString>
#include <functional>
#include <string>

// The steps of one conversation.  The worker carries each into the main
// thread; the tests drive the main window's client directly.
class ViewerLink {
public:
    virtual ~ViewerLink() = default;
    // Non-zero when a link is open (the viewer is started once when not).
    virtual int open(const QString& service, const QString& topic, const QString& viewerCommand) = 0;
    virtual std::string request(const QString& item) = 0;  // "" when there is no answer
    virtual int execute(const std::string& macro) = 0;     // non-zero on success
    virtual void close() = 0;
    virtual void sleepMs(int ms) = 0;
    virtual void message(const QString& text) = 0;
};

// The page in a "current_page" reply: the text before its last "(".
std::string pageOfCurrentPageReply(const std::string& reply);

// Runs the conversation for a .dvi path (CP932 bytes as the viewer gets
// them).  When no viewer answers the conversation, startOnFile starts the
// viewer on the file by command line and reports its own failures; a viewer
// started without its file would show nothing.  With no startOnFile the
// failure is reported.
void runViewerConversation(ViewerLink& link, const std::string& dvi, const std::function<void()>& startOnFile = {});

constexpr char kViewerService[] = "WinDvi";
constexpr char kViewerTopic[] = "WinDvi";
constexpr char kViewerLinkFailed[] = "DVIドライバとDDE通信することができません";
