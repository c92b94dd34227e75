#include "platform/Help.h"

#include <QDesktopServices>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace help {
namespace {

const QString kHomePage = QStringLiteral("https://quillmark.example/");
const QString kPageRoot = QStringLiteral("qrc:/help/");

struct HelpState {
    bool silent = false;
    QString lastOpened;
    int lastContext = 0;
    QPointer<QTextBrowser> window;
};

HelpState& state()
{
    static HelpState s;
    return s;
}

// One help window for the whole program; it stays open beside the editor.
void showPage(const QString& page, const QString& keyword = QString())
{
    static bool resourcesReady = (initHelpResources(), true);
    (void)resourcesReady;
    HelpState& s = state();
    s.lastOpened = kPageRoot + page;
    if (s.silent) return;
    if (!s.window) {
        s.window = new QTextBrowser;
        s.window->setAttribute(Qt::WA_DeleteOnClose);
        s.window->setWindowTitle(QStringLiteral("Quillmark ヘルプ"));
        s.window->setOpenExternalLinks(true);
        s.window->resize(640, 560);
    }
    s.window->setSource(QUrl(s.lastOpened));
    if (!keyword.isEmpty()) s.window->find(keyword);
    s.window->show();
    s.window->raise();
    s.window->activateWindow();
}

}  // namespace

void showContext(int context)
{
    static bool resourcesReady = (initHelpResources(), true);
    (void)resourcesReady;
    state().lastContext = context;
    // Each context is an alias in the help resources for the page that
    // explains its dialog; one without a page falls back to the contents.
    QString page = QStringLiteral("context-%1.html").arg(context);
    if (context == 0 || !QFile::exists(QStringLiteral(":/help/") + page)) page = QStringLiteral("index.html");
    showPage(page);
}

void showContents() { showPage(QStringLiteral("index.html")); }

void showKeywordSearch(const QString& keyword) { showPage(QStringLiteral("keyword.html"), keyword); }

void openHomePage()
{
    HelpState& s = state();
    s.lastOpened = kHomePage;
    if (!s.silent) QDesktopServices::openUrl(QUrl(kHomePage));
}

QString lastOpened() { return state().lastOpened; }

int lastContext() { return state().lastContext; }

void setSilent(bool silent) { state().silent = silent; }

}  // namespace help
