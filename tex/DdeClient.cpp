#include "tex/DdeClient.h"

std::string pageOfCurrentPageReply(const std::string& reply)
{
    size_t paren = reply.rfind('(');
    return paren == std::string::npos ? std::string() : reply.substr(0, paren);
}

void runViewerConversation(ViewerLink& link, const std::string& dvi, const std::function<void()>& startOnFile)
{
    // No viewer command: the link opens only with a viewer that is already
    // there to answer it.
    int linked = link.open(kViewerService, kViewerTopic, QString());
    link.sleepMs(30);
    if (!linked) {
        if (startOnFile)
            startOnFile();
        else
            link.message(QString::fromUtf8(kViewerLinkFailed));
        return;
    }
    std::string shown = link.request("dvifile");
    link.sleepMs(30);
    if (shown == dvi) {
        std::string page = pageOfCurrentPageReply(link.request("current_page"));
        link.sleepMs(50);
        link.execute("[WinNormal]");
        link.sleepMs(50);
        link.execute("[FileReopen]");
        link.sleepMs(70);
        int moved = link.execute("[PageMove(" + page + ")]");
        link.sleepMs(50);
        if (!moved) link.message(QString::fromUtf8(kViewerLinkFailed));
    } else {
        int opened = link.execute("[WinNormal][FileOpen(" + dvi + ")]");
        link.sleepMs(70);
        if (!opened) link.message(QString::fromUtf8(kViewerLinkFailed));
    }
    link.close();
}
