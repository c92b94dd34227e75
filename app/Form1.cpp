// The life of the main window: creation, showing, activation, dropped
// files, the close query and the close.
#include "app/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>

#include <csignal>

#include "app/CommandLine.h"
#include "core/settings/Keys.h"
#include "core/settings/Layout.h"
#include "app/Splash.h"
#include "platform/Thread.h"
#include "app/WindowHooks.h"
#include "core/undo/MultiUndo.h"
#include "platform/Ask.h"
#include "platform/Scope.h"
#include "platform/SettingsFile.h"

TForm1* Form1 = nullptr;

namespace {
// The Windows font names the settings carry resolve to the Japanese fonts
// installed here, so a stored "ＭＳ ゴシック" renders Japanese text.
void installFontSubstitutions()
{
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), "IPAexGothic");
    QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), "IPAexMincho");
}

// A write past the user's file-size limit must fail with EFBIG, which the
// save reports, rather than end the editor with the unsaved text in it.
void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }
}  // namespace

TForm1::TForm1(QWidget* owner) : QMainWindow(owner)
{
    // Building the window reads hundreds of settings; the file is read once.
    settings::OneReading reading;
    Form1 = this;
    mainWindow = this;
    commands.setOwner(this);
    deleteByProducts = [this](const QString& fileName) { AutoDeleteTeXFiles(fileName); };
    installFontSubstitutions();
    ignoreFileSizeSignal();
    setWindowTitle(AppTitle);
    setAcceptDrops(true);
    BuildMainWindow();
    BuildMenus();
    Form1Create();
}

TForm1::~TForm1()
{
    // A window destroyed without being closed (tests, a failed start) still
    // has to stop its threads before the widgets they read go away.
    if (!closing_) {
        if (TimerTreeView) TimerTreeView->stop();
        StopTeXWorker();
        StopExplorer();
    }
    // A run that ended just before waits for a free the event loop may
    // never serve again.
    TThread::FreeEnded();
    // The children are taken down after this body has run, when this object
    // is no longer a TForm1; what they send then (focus changes, the last
    // selection change of the editor) must not reach its handlers.
    for (QObject* hook : findChildren<QObject*>(kWindowHookName)) delete hook;
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    if (RichEdit) {
        RichEdit->OnChange = nullptr;
        RichEdit->OnSelectionChange = nullptr;
        RichEdit->OnKeyDown = nullptr;
        RichEdit->OnKeyPress = nullptr;
        RichEdit->OnKeyUp = nullptr;
        RichEdit->OnMouseDown = nullptr;
        RichEdit->OnMouseUp = nullptr;
        RichEdit->OnImeStartComposition = nullptr;
        RichEdit->OnImeEndComposition = nullptr;
        RichEdit->OnDropFiles = nullptr;
        RichEdit->OnInvalidBytesReplaced = nullptr;
    }
    delete UndoManager;
    UndoManager = nullptr;
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::Form1Create()
{
    // Owned here so that a failing step never leaves it on top of the screen.
    auto splash = std::make_unique<TForm3>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    UndoManager = new MultiUndo(RichEdit);
    UndoManager->Reset();

    TeXBusy = false;
    StartingUp = true;
    HasFileName = false;
    TeXProcessed = false;
    Busy = false;
    FilterIndex = FigureFilterIndex = InputFilterIndex = 1;
    FileName.clear();
    SearchText.clear();
    AppTitle = "Quillmark";
    CaptionSuffix = " - Quillmark";

    CreateExplorer();

    reportSettingsWriteFailures();
    // A store that cannot be read or written must not keep the editor from
    // coming up; the values not yet applied keep their defaults.
    Guard([this] { LoadSettings(); });

    TimerTreeView->start(100);
    SetStatusPanel(2, QString::fromUtf8("挿入"));
    splash.reset();
    StartingUp = false;
    RichEdit->SetMaxLength(512000);
}

void TForm1::WireEditor()
{
    // Every editor event reaches its handler behind the exception boundary.
    RichEdit->OnChange = [this] { Guard([this] { RichEditChange(); }); };
    RichEdit->OnSelectionChange = [this] { Guard([this] { RichEditSelectionChange(); }); };
    RichEdit->OnKeyDown = [this](int& key, int shift) { Guard([&] { RichEditKeyDown(key, shift); }); };
    RichEdit->OnKeyPress = [this](char& key) { Guard([&] { RichEditKeyPress(key); }); };
    RichEdit->OnKeyUp = [this](int, int) { Guard([this] { ResumeExplorer(); }); };
    RichEdit->OnMouseDown = [this] { Guard([this] { RichEditMouseDown(); }); };
    RichEdit->OnMouseUp = [this] { Guard([this] { ResumeExplorer(); }); };
    RichEdit->OnImeStartComposition = [this] { Guard([this] { RichEditImeStartComposition(); }); };
    RichEdit->OnImeEndComposition = [this] { Guard([this] { RichEditImeEndComposition(); }); };
    RichEdit->OnDropFiles = [this](const QStringList& files) { Guard([&] { WMDropFiles(files); }); };
    RichEdit->OnRefused = [this] { Guard([this] { RichEditRefused(); }); };
    RichEdit->OnInvalidBytesReplaced = [this](int count) { Guard([&] { RichEditInvalidBytesReplaced(count); }); };
}

void TForm1::FormShow()
{
    settings::OneReading reading;
    shownOnce_ = true;
    // A document that cannot be read is reported and the window still comes
    // up with the rest of the show step done.
    if (!CommandLine.isEmpty()) {
        const QString path = cmdline::documentPath(CommandLine.back());
        Guard([&] { LoadFile(path); });
        Guard([&] {
            SetFilterIndexFromExt(path);
            QDir::setCurrent(QFileInfo(path).absolutePath());
        });
        Guard([this] {
            if (auto line = cmdline::jumpLine(CommandLine)) SelectLineForJump(*line);
        });
    }
    setAcceptDrops(true);

    // Word wrap and the placement reach the store file in one write.
    settings::Batch batch;
    Guard([this] {
        ApplyWordWrap();
        ApplyWindowPlacement();
    });
    Guard([&batch] { batch.commit(); });

    Guard([this] {
        UpdateModifiedPanel();
        UpdateCaretPosPanel();
        SetImeColors();
        UndoManager->Reset();
    });
}

void TForm1::JumpToLineParameter(const QString& parameter)
{
    if (auto line = cmdline::jumpSwitchLine(parameter)) SelectLineForJump(*line);
}

bool TForm1::SelectLineForJump(int line)
{
    if (line < 1) return false;
    const int start = RichEdit->LineIndex(line - 1);
    if (start < 0) return false;
    RichEdit->SetSelStart(start);
    // Up to the position before the next line's start, that is the line's
    // text without its break; the last line runs to the end of the text.
    const int next = RichEdit->LineIndex(line);
    const int end = next < 0 ? RichEdit->GetTextLen() : next - 1;
    RichEdit->Select(start, std::max(0, end - start));
    RichEdit->ScrollCaret();
    return true;
}

void TForm1::ApplyWordWrap()
{
    scope::ViewKeeper keep(*RichEdit);
    const settings::Store store = Settings();
    // Colouring needs wrapped lines, so it switches wrapping on.
    if (AutoColor) store.write(key::WordWrap, true);
    const bool wrap = store.read(key::WordWrap);
    RichEdit->SetWordWrap(wrap);
    if (QAction* item = Item("MenuEditWordWrap")) {
        item->setCheckable(true);
        item->setChecked(wrap);
        item->setEnabled(!AutoColor);
    }
}

void TForm1::ApplyWindowPlacement()
{
    const settings::Store store = Settings();
    const int state = store.read(key::WindowState);
    WindowTop = store.read(key::WindowTop);
    WindowLeft = store.read(key::WindowLeft);
    WindowWidth = store.read(key::WindowWidth);
    WindowHeight = store.read(key::WindowHeight);

    // The stored rectangle may come from a larger screen or a second monitor
    // that is gone: keep the window reachable.
    QRect available;
    if (QScreen* screen = QGuiApplication::primaryScreen()) available = screen->availableGeometry();
    const QRect normal = placement::clampToScreen(WindowLeft, WindowTop, WindowWidth, WindowHeight, available);
    // Placed even when maximised, so that restoring returns to the stored
    // normal geometry.
    move(normal.topLeft());
    resize(normal.size());
    if (state == 2) setWindowState(windowState() | Qt::WindowMaximized);

    store.write(key::WindowTop, normal.top() + 16);
    store.write(key::WindowLeft, normal.left() + 16);
}

void TForm1::Form1OnActivate()
{
    if (RichEdit) RichEdit->setFocus();
}

void TForm1::WMDropFiles(const QStringList& files)
{
    activateWindow();
    raise();
    if (files.size() >= 2) {
        ask::messageBox(QString::fromUtf8("Drag&Dropで２つ以上のファイルを開くことはできません。"), "Drag&Drop",
                        MB_OK | MB_ICONERROR);
    } else if (files.size() == 1) {
        Guard([&] {
            const bool discard =
                !RichEdit->Modified() ||
                ask::messageBox(QString::fromUtf8("現在編集中の文書は保存されていません。\r\n"
                                                  "これを破棄して，Drag&Dropファイルを読み込みますか。"),
                                "Drag&Drop", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
            if (discard) {
                const QString dropped = files.front();
                AutoDeleteTeXFiles(FileName);
                LoadFile(dropped);
                SetFilterIndexFromExt(dropped);
                QDir::setCurrent(QFileInfo(dropped).absolutePath());
            }
        });
    }
    Guard([this] { UpdateModifiedPanel(); });
}

void TForm1::FormCloseQuery(bool& CanClose)
{
    // The question comes before any settings access, so a failing store can
    // never close a modified document unasked, and a question that fails
    // keeps the window open.
    const bool asked = Guard([&] {
        if (RichEdit->Modified()) {
            const int answer = ask::messageBox(QString::fromUtf8("変更されています。保存しますか。"),
                                               QString::fromUtf8("Quillmarkの終了"), MB_YESNOCANCEL | MB_ICONQUESTION);
            if (answer == IDYES) {
                MenuFileSaveClick();
                CanClose = !RichEdit->Modified();
            } else {
                CanClose = answer == IDNO;
            }
        }
    });
    if (!asked) CanClose = false;
    if (!CanClose) return;

    Guard([this] { AutoDeleteTeXFiles(FileName); });
    Guard([this] {
        WriteWindowPlacement();
        WriteRecentFiles();
    });
}

void TForm1::WriteWindowPlacement()
{
    const settings::Store store = Settings();
    const Qt::WindowStates states = windowState();
    // A maximised or minimised window stores the geometry it returns to.
    // Stored as placed: the frame's top-left corner and the client size.
    QRect r(pos(), size());
    if (states & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        const QPoint frame = geometry().topLeft() - frameGeometry().topLeft();
        r = normalGeometry();
        if (r.isValid()) r.moveTopLeft(r.topLeft() - frame);
    }
    if (r.isValid()) {
        store.write(key::WindowTop, r.top());
        store.write(key::WindowLeft, r.left());
        store.write(key::WindowWidth, r.width());
        store.write(key::WindowHeight, r.height());
    }
    const int state = (states & Qt::WindowMinimized) ? 0 : (states & Qt::WindowMaximized) ? 2 : 0;
    store.write(key::WindowState, state);
}

void TForm1::Form1CloseClick()
{
    closing_ = true;
    hide();
    TimerTreeView->stop();
    // Both workers read the editor and the settings; they end before
    // anything is written or freed.
    Guard([this] { StopExplorer(); });
    Guard([this] { StopTeXWorker(); });

    // Another instance may share the store: only what this one changed goes
    // back, so the other's changes made meanwhile stay.
    Guard([this] {
        const settings::Store store = Settings();
        store.writeBack(key::AutoColor, AutoColor);
        store.writeBack(key::AutoCommand, AutoCommand);
        store.writeBack(key::WordWrap, RichEdit->WordWrap());
        store.writeBack(key::CurrentDir, CurrentDir);
        WriteViewSettings();
        WriteParentTable();
    });

    delete UndoManager;
    UndoManager = nullptr;
}

bool TForm1::event(QEvent* event)
{
    // Status tips of menu items and tool buttons are the application's hints:
    // they go to the hint panel, not over the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        ApplicationHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    Form1CloseClick();
    event->accept();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce_) FormShow();
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form1OnActivate();
}

namespace {
QStringList localFilesOf(const QMimeData* mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls()) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}
}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFilesOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QStringList files = localFilesOf(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    Guard([&] { WMDropFiles(files); });
}
