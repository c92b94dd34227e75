#pragma once
// The dialog that registers the open document's parent file.
#include <QDialog>
#include <QString>
#include <QStringList>

#include "forms/TeXExtraForms.h"

class Session;

// The help page of the registration dialog.
constexpr int kParentHelpContext = 9140;

class TFormParent : public QDialog {
    Q_OBJECT
public:
    explicit TFormParent(QWidget* owner = nullptr);
    FormParentUi ui;
    int HelpContext = 0;

    // The combo box's list and text.
    void SetParents(const QStringList& parents);
    void SetParentText(const QString& path);
    QString ParentText() const;

    // The browse button's road: the open dialog, then the combo box's text.
    void sbOpenDlgClick();
    // Closing with OK needs the text to name an existing file.
    void accept() override;
};

// The refusal of a parent text, or "" when it names an existing file.
QString parentFileError(const QString& text);

namespace tex {

void MenuTexParentClick(Session& s);
// Registers or changes the open document's parent; true when one was registered.
bool EditParentFile(Session& s);
// Switches between processing the parent and the document itself; a
// document without a parent is asked for one first.
void MenuTexParentExeClick(Session& s);
// The parent items and spell check in the TeX menu, 'TeX関連設定'.
void buildTeXExtraCommands(Session& s);

}  // namespace tex
