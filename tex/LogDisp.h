#pragma once
// The TeX log window and the deletion of what TeX, BibTeX and mendex leave
// beside a document.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

#include "core/settings/Keys.h"

class QPlainTextEdit;
class Session;
class QPushButton;

class TFormLogDisp : public QDialog {
    Q_OBJECT
public:
    explicit TFormLogDisp(QWidget* parent = nullptr);
    QPlainTextEdit* Memo1 = nullptr;  // read-only; Enter reaches the OK button
    QPushButton* ButtonOK = nullptr;
    // Shows the log's bytes (Shift-JIS, any line breaks) in Memo1.
    void SetLog(const std::string& bytes);
    void SetColors(unsigned backBgr, unsigned textBgr);
};

namespace byproducts {

struct Kind {
    const settings::Boolean* setting;  // whether to delete it
    const char* ext;
};
// In the order they are deleted; "adAutoDelete" is the master switch.
extern const std::array<Kind, 11> Kinds;

// The file beside the document with the document's own base name and the
// extension in whatever case the program wrote it: the exact name first,
// else a name that differs from it only in the extension's case.
// Empty when there is none.
QString findBeside(const QString& documentPath, const QString& ext);

// Deletes, beside the document, every regular file named like the document
// with one of the extensions (in any case).  The base name must match
// exactly, so another document's files are never touched, and the document
// itself is never deleted.  Failures are passed over.  Returns what went.
QStringList deleteBeside(const QString& documentPath, const QStringList& exts);

}  // namespace byproducts

namespace tex {

// Deletes the by-products of the document's TeX run that the preferences
// name, when they ask for it; never fails.  A TeX run that may be writing
// them is ended first.
void AutoDeleteTeXFiles(Session& s, const QString& fileName);
// Shows the log of the document (or of its parent when the parent is
// processed).
void MenuTexLogDispClick(Session& s);
void buildLogCommands(Session& s);

}  // namespace tex
