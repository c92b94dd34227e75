#pragma once
// The document-class, package, user-package and citation dialogs.
#include <functional>
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/PreambleForms.h"
#include "insert/ClassBuilder.h"
#include "insert/ReferencesDialogs.h"

class TFormTexClass : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormTexClass(QWidget* owner);
    FormTexClassUi ui;

    docclass::Choices Choices() const;
    // Shows the choices as they are: the class presets do not run.
    void SetChoices(const docclass::Choices& choices);
    void FormCreate();
    // The user picked another class: the presets of that class.
    void ComboBox1Change();

private:
    void enableChapterStart();
};

class TFormUsepackage : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormUsepackage(QWidget* owner);
    FormUsepackageUi ui;
    // Where the user's own list is kept; read afresh on every fill.
    std::function<QString()> ReadUserList;
    std::function<void(const QString&)> WriteUserList;

    void FormCreate();
    // Fills the list with the chosen group, sorted, its first name selected.
    void FillPackageList();
    int Group() const;
    void SetGroup(int group);
    // "\usepackage{name}" and its line break for the selected name; "" with
    // none selected.
    std::string GetCommand() const;
    // The selected entry as the list shows it; "" with none selected.
    QString SelectedEntry() const;
    // Edits the user's own list in its dialog.
    void BitBtn4Click();

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormUserPackage : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormUserPackage(QWidget* owner);
    FormUserPackageUi ui;
    // The memo with "\r\n" between lines, as it is stored.
    QString Text() const;
    void SetText(const QString& stored);
};

class TFormBibRef : public TFormRefBase {
    Q_OBJECT
public:
    explicit TFormBibRef(QWidget* owner);
};
