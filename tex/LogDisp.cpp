// The TeX log window and deletion of TeX by-products.
#include "tex/LogDisp.h"

#include "core/session/Session.h"
#include "core/files/FileErrors.h"
#include "core/files/FilesState.h"
#include "core/settings/Keys.h"
#include "platform/Ask.h"
#include "platform/BgrColor.h"
#include "platform/Cp932.h"
#include "tex/TeXCommands.h"
#include "tex/TeXRunState.h"
#include "platform/WholeFile.h"

#include <QDialogButtonBox>
#include <QFile>
#include <cerrno>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <sys/stat.h>
#include <unistd.h>

// ---- the log window ----

TFormLogDisp::TFormLogDisp(QWidget* parent) : QDialog(parent)
{
    setObjectName("FormLogDisp");
    setWindowTitle(QStringLiteral("Logファイル表示"));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Memo1);
    auto* buttons = new QDialogButtonBox(this);
    ButtonOK = buttons->addButton(QDialogButtonBox::Ok);
    ButtonOK->setObjectName("ButtonOK");
    ButtonOK->setDefault(true);
    ask::onSignal(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
    layout->addWidget(buttons);
}

void TFormLogDisp::SetLog(const std::string& bytes)
{
    QString text = cp932::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\r', '\n');
    Memo1->clear();
    Memo1->setPlainText(text);
}

void TFormLogDisp::SetColors(unsigned backBgr, unsigned textBgr)
{
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, bgrColor(backBgr));
    palette.setColor(QPalette::Text, bgrColor(textBgr));
    Memo1->setPalette(palette);
}

// ---- by-products ----

namespace byproducts {

const std::array<Kind, 11> Kinds{{
    {&key::adDVI, ".dvi"},
    {&key::adLOG, ".log"},
    {&key::adAUX, ".AUX"},
    {&key::adTOC, ".toc"},
    {&key::adLOF, ".lof"},
    {&key::adLOT, ".lot"},
    {&key::adIDX, ".idx"},
    {&key::adIND, ".ind"},
    {&key::adILG, ".ilg"},
    {&key::adBBL, ".bbl"},
    {&key::adBLG, ".blg"},
}};

namespace {

struct Beside {
    QString folder;  // "" for the current folder
    QString base;    // the document's name without its extension
    QString name;    // the document's own name
};

Beside split(const QString& documentPath)
{
    Beside b;
    b.folder = docfile::extractFileDir(documentPath);
    b.name = docfile::extractFileName(documentPath);
    b.base = b.name.left(b.name.size() - docfile::extractFileExt(b.name).size());
    return b;
}

QString join(const QString& folder, const QString& name)
{
    return folder.isEmpty() ? name : folder == "/" ? "/" + name : folder + "/" + name;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Names in the folder that are the base name plus the extension in any case.
QStringList candidates(const Beside& b, const QString& ext)
{
    QStringList out;
    const QDir dir(b.folder.isEmpty() ? QStringLiteral(".") : b.folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.size() != b.base.size() + ext.size() || !entry.startsWith(b.base, Qt::CaseSensitive)) continue;
        if (entry.mid(b.base.size()).compare(ext, Qt::CaseInsensitive) != 0) continue;
        out << entry;
    }
    return out;
}

}  // namespace

QString findBeside(const QString& documentPath, const QString& ext)
{
    const Beside b = split(documentPath);
    const QString exact = join(b.folder, b.base + ext);
    if (QFileInfo(exact).isFile()) return exact;
    const QStringList names = candidates(b, ext);
    return names.isEmpty() ? QString() : join(b.folder, names.front());
}

QStringList deleteBeside(const QString& documentPath, const QStringList& exts)
{
    QStringList deleted;
    const Beside b = split(documentPath);
    struct stat doc {};
    const bool docExists = ::stat(QFile::encodeName(documentPath).constData(), &doc) == 0;
    for (const QString& ext : exts) {
        for (const QString& name : candidates(b, ext)) {
            if (name == b.name) continue;
            const QString path = join(b.folder, name);
            const QByteArray native = QFile::encodeName(path);
            struct stat st {};
            if (::lstat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            if (docExists && sameFile(st, doc)) continue;
            if (::unlink(native.constData()) == 0) deleted << path;
        }
    }
    return deleted;
}

}  // namespace byproducts

namespace tex {

void AutoDeleteTeXFiles(Session& s, const QString& fileName)
{
    if (!s.HasFileName || fileName.isEmpty()) return;
    try {
        QStringList exts;
        {
            const settings::Store store = s.Settings();
            if (!store.read(key::adAutoDelete)) return;
            for (const byproducts::Kind& kind : byproducts::Kinds)
                if (store.read(*kind.setting)) exts << QString::fromLatin1(kind.ext);
        }
        if (exts.isEmpty()) return;
        // TeX keeps its .aux and .log open while it runs and reads the .aux
        // back at \end{document}: deleted under it, the run stops at "I can't
        // find file" and waits in its console.  The run (of the document, or
        // of its parent, which writes the document's .aux) is ended first, as
        // when the editor closes.
        if (runState(s).TeXThread) StopTeXWorker(s);
        byproducts::deleteBeside(fileName, exts);
    } catch (...) {
        // Deleting by-products is a courtesy; it never interrupts what the
        // user asked for.
    }
}

void MenuTexLogDispClick(Session& s)
{
    const QString source = s.ParentExecute ? s.ParentFile : s.FileName;
    const QString caption = QStringLiteral("Logファイル表示");
    if (!s.HasFileName) {
        ask::messageBox(QStringLiteral("まだTeX処理していないので、Logファイルを表示できません。"), caption,
                        MB_OK | MB_ICONERROR);
        return;
    }
    const QString logPath = byproducts::findBeside(source, QStringLiteral(".log"));
    if (logPath.isEmpty()) {
        ask::messageBox(QStringLiteral("Logファイルが存在しません。"), caption, MB_OK | MB_ICONERROR);
        return;
    }
    TFormLogDisp form(s.mainWindow);
    form.setProperty("HelpContext", s.HelpContextOf("MenuTexLog"));
    form.move(s.DialogLeft(form.width()), s.DialogTop(form.height()));
    // Logs of large documents run to a few MB; one far past that is not shown.
    constexpr qint64 kMaxLogBytes = 16 << 20;
    const wholefile::Contents log = wholefile::read(logPath, kMaxLogBytes);
    if (log.status == wholefile::Status::TooLarge) {
        ask::messageBox(logPath + QStringLiteral("\r\n") + log.reason + QStringLiteral("\r\nLogファイルを表示できません。"),
                        caption, MB_OK | MB_ICONERROR);
        return;
    }
    if (log.status != wholefile::Status::Ok)
        throw std::runtime_error(docfile::fileErrorText(docfile::FileAction::Read, logPath, log.error).toStdString());
    form.SetLog(log.bytes.toStdString());
    form.SetColors(s.BackColor, s.FontColor);
    ask::execModal(form);
    s.StoreDialogTop(form.y(), form.height());
    s.StoreDialogLeft(form.x(), form.width());
}

void buildLogCommands(Session& s)
{
    s.AddItem(s.MenuTex, "MenuTexLog", QStringLiteral("Logファイルを表示する(&L)"), [&s] { MenuTexLogDispClick(s); });
    s.AddToolButton(s.ToolBarFile, "ToolButtonTeXLogDisp", QStringLiteral("Logファイルを表示する"),
                    QStringLiteral("Log"), [&s] { MenuTexLogDispClick(s); });
}

}  // namespace tex
