#pragma once
// The superscript and subscript dialogs: the resident single-script dialogs
// (the subscript one derives from the superscript one), the dialog for both
// at once, and the memo that edits a stored list.
#include <QPointer>
#include <QString>
#include <string>

#include "forms/DialogForm.h"
#include "forms/ScriptForms.h"
#include "math/Scripts.h"

// Edits a stored list in a memo, centred on the screen.
class TFormMathSetting : public TDialogForm, public FormMathSettingUi {
    Q_OBJECT
public:
    TFormMathSetting(scripts::Script script, QWidget* owner);
};

// What the list buttons of every script dialog do: the stored list goes into
// the memo; OK writes the memo back, unless it holds characters the document
// cannot take, which the user is told of before the memo comes back as typed;
// whatever the answer the list box shows the memo's lines with the first
// chosen, and the focus goes to ok.
void editScriptList(QWidget& owner, const QString& settingsKey, scripts::Script script, QListWidget& list,
                    QPushButton& ok);
// Fills a list box from a list's text and chooses its first entry.
void fillScriptList(QListWidget& list, const QString& text);
// The chosen entry's index, -1 for none; an index out of range chooses none.
int scriptListIndex(const QListWidget& list);
// The chosen entry's text, "" for none.
QString scriptListEntry(const QListWidget& list);
void setScriptListIndex(QListWidget& list, int index);

class TFormMathUp : public TDialogForm, public FormMathUpUi {
    Q_OBJECT
public:
    // settingsKey: the settings key whose "\MathSoeji" holds the lists.
    TFormMathUp(const QString& settingsKey, QWidget* owner);

    // "^{" + the chosen entry + "}", or "" when none is chosen.
    std::string GetCommand() const;

    void FormCreate();
    void FormShow();
    void ListBoxClick();
    void BitBtn4Click();

protected:
    TFormMathUp(const QString& settingsKey, scripts::Script script, QWidget* owner);
    void showEvent(QShowEvent* event) override;
    // "^{" or "_{" + the chosen entry + "}", or "".
    std::string chosenText() const;
    QString settingsKey_;
    scripts::Script script_;
};

class TFormMathDown : public TFormMathUp {
    Q_OBJECT
public:
    TFormMathDown(const QString& settingsKey, QWidget* owner);
    // "_{" + the chosen entry + "}", or "" when none is chosen.
    std::string MakeSubscriptText() const;
};

class TFormMathUpDown : public TDialogForm, public FormMathUpDownUi {
    Q_OBJECT
public:
    TFormMathUpDown(const QString& settingsKey, QWidget* owner);

    // The subscript, then the superscript, of the sides with a chosen entry.
    std::string GetCommand() const;

    void FormCreate();
    void FormShow();
    void BitBtnUpClick();
    void BitBtnDownClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString settingsKey_;
};

extern QPointer<TFormMathUp> FormMathUp;
extern QPointer<TFormMathDown> FormMathDown;
