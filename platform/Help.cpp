#include "platform/Help.h"

#include "platform/Ask.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
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
    QPointer<QWidget> owner;
};

HelpState& state()
{
    static HelpState s;
    return s;
}

// The help window belongs to a window of the program, so that it never
// keeps the program running once the main window has closed.  While a modal
// dialog is open it belongs to that dialog, which then does not block it
// (the dialog's help is read while the dialog is filled in); when the dialog
// closes it goes back to the main window and stays open.
void giveTo(QWidget* owner);

class OwnerWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched == state().owner && watched != ask::mainWindow())
            giveTo(ask::mainWindow());
        return false;
    }
};

OwnerWatch& ownerWatch()
{
    static OwnerWatch* watch = new OwnerWatch(QCoreApplication::instance());
    return *watch;
}

void giveTo(QWidget* owner)
{
    HelpState& s = state();
    if (s.owner) s.owner->removeEventFilter(&ownerWatch());
    s.owner = owner;
    if (owner) owner->installEventFilter(&ownerWatch());
    if (!s.window || s.window->parentWidget() == owner) return;
    const bool visible = s.window->isVisible();
    const QRect geometry = s.window->geometry();
    s.window->setParent(owner, Qt::Window);
    s.window->setGeometry(geometry);
    if (visible) s.window->show();
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
        s.window->setAttribute(Qt::WA_QuitOnClose, false);
        s.window->setWindowTitle(QStringLiteral("Quillmark ヘルプ"));
        s.window->setOpenExternalLinks(true);
        s.window->resize(640, 560);
        // Quitting closes it even when no window owns it.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, s.window, &QWidget::close);
    }
    QWidget* modal = QApplication::activeModalWidget();
    giveTo(modal && modal != s.window ? modal : ask::mainWindow());
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
