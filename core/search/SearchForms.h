#pragma once
// The resident find and replace dialogs.  They stay above the main window
// while the user goes on editing, are hidden rather than closed, and hand
// every search to the main window, which reads the editor afresh each time.
#include <QDialog>
#include <QPointer>
#include <memory>

class QLineEdit;
// The widgets of each dialog, laid out in forms/.
struct FormSearchUi;
struct FormReplaceUi;

class Session;

// Shared by both dialogs: the editing shortcuts act on whichever of the
// dialog's edit boxes has the focus and do nothing otherwise.
class SearchDialogBase : public QDialog {
    Q_OBJECT
public:
    explicit SearchDialogBase(QWidget* owner);
    int HelpContext = 0;
    void SetMainForm(Session* main) { mainForm = main; }
    void EditCut1Execute();
    void EditCopy1Execute();
    void EditPaste1Execute();
    void EditSelectAll1Execute();
    void EditUndo1Execute();

protected:
    Session* mainForm = nullptr;
    QLineEdit* focusedEdit() const;
    void addEditingActions();
    void placeOnFirstShow();

private:
    bool placed_ = false;
};

class TFormSearch : public SearchDialogBase {
    Q_OBJECT
public:
    explicit TFormSearch(QWidget* owner);
    ~TFormSearch() override;

private:
    std::unique_ptr<FormSearchUi> layout_;

public:
    FormSearchUi& ui;
    void FormShow();
    void EditFindChange();
    void BtnFindClick();
    void BtnCancelClick() { hide(); }

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormReplace : public SearchDialogBase {
    Q_OBJECT
public:
    explicit TFormReplace(QWidget* owner);
    ~TFormReplace() override;

private:
    std::unique_ptr<FormReplaceUi> layout_;

public:
    FormReplaceUi& ui;
    void FormShow();
    void EditFindChange();
    void BtnFindClick();
    void BtnReplaceClick();
    void BtnReplaceAllClick();
    void BtnCancelClick() { hide(); }

protected:
    void showEvent(QShowEvent* event) override;
};

// Live while their main window lives; null before creation and after it.
extern QPointer<TFormSearch> FormSearch;
extern QPointer<TFormReplace> FormReplace;
