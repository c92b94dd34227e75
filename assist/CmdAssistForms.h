#pragma once
// The command-assist pop-up, its settings dialog and the one-line command
// editor of that dialog.  The layouts are built here; what the controls do
// lives in CmdAssist.cpp and CmdAssistSetting.cpp.
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "forms/DialogForm.h"
#include "forms/FormParts.h"  // RadioGroup

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class TFormCmdAssist;

// The pop-up's input line: it hands every key to the pop-up first, in the
// two steps the pop-up's rules are written in (the key, then the character
// it types).
class TCmdMemo : public QLineEdit {
    Q_OBJECT
public:
    TCmdMemo(TFormCmdAssist& form, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TFormCmdAssist& form_;
};

// The resident pop-up.  It is a pop-up window: while it is open every key
// and click of the application goes to it, so the editor is not entered
// until it has closed.  It does not block its caller; OnClosed reports the
// end with the modal result and the text to insert.
class TFormCmdAssist : public QWidget {
    Q_OBJECT
public:
    explicit TFormCmdAssist(QWidget* owner);
    ~TFormCmdAssist() override;

    TCmdMemo* MemoCmd = nullptr;
    QListWidget* lbCmd = nullptr;

    bool Updating = false;
    int FirstMatch = -1;
    QString MatchedText;
    int Space = 0;
    int Kigou = 0;
    int Kakutei = 0;
    int List = 0;
    bool Gakusyuu = true;
    // mrNone while open; set by the handlers, acted on once the event that
    // set it has been handled (as a modal loop ends after the message).
    int ModalResult = 0;

    // Loads the list and the options from the settings store.
    void FormCreate(unsigned long rootKey, const QString& regKey);
    void FormShow();
    void MemoCmdChange();
    // Key codes and shift state as the editor's key events count them.
    void MemoCmdKeyDown(int& key, int shift);
    void MemoCmdKeyPress(char& key);
    void lbCmdClick(int index);
    void lbCmdDblClick(int index);
    void SetSetting(const QString& commandList, int space, int kigou, int kakutei, int list, bool gakusyuu);
    // Sets the modal result to cancel.
    void Close();

    // Opens at a screen position (already kept on the screen) and reports
    // the end through OnClosed.  Does nothing while it is open already.
    void Popup(const QPoint& topLeft, std::function<void(int result, const QString& text)> onClosed);
    bool IsOpen() const { return open_; }
    // Ends an open pop-up now, as Close does.
    void Dismiss();

    // The list as the searches see it (kept in step with lbCmd).
    const QStringList& Items() const { return items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    int TopIndex() const;
    void SetTopIndex(int index);

    // Runs the handlers of a key in the input line; true when the key is
    // used up and the line must not see it.
    bool HandleMemoKey(QKeyEvent* event);
    // Ends the pop-up when a handler set the modal result.
    void Settle();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMemoText(const QString& text);
    void moveSelection(int delta);
    void selectNear(int limit);
    void acceptSelected();
    void finish();
    bool ownerAlive() const;
    void fillList();

    QStringList items_;
    bool open_ = false;
    bool finishing_ = false;
    QString shownText_;
    std::function<void(int, const QString&)> onClosed_;
};

extern QPointer<TFormCmdAssist> FormCmdAssist;

// Where the pop-up of the given size goes for a caret whose top-left corner
// is at anchor (screen coordinates) on a screen of the given geometry: 3
// pixels right of and 2 below that corner, moved up to stay 32 pixels above
// the screen's bottom and left to stay on its right edge.
QPoint cmdAssistPosition(const QPoint& anchor, const QSize& size, const QRect& screen);

class TFormCmdAssistSetting : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormCmdAssistSetting(QWidget* owner);

    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* BtnAdd = nullptr;
    QPushButton* BtnChange = nullptr;
    QPushButton* BtnDel = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QPushButton* BtnLoad = nullptr;
    QPushButton* BtnSave = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QCheckBox* cbGakusyuu = nullptr;
    RadioGroup rgSpace;
    RadioGroup rgKigou;
    RadioGroup rgKakutei;
    RadioGroup rgList;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help

    QString ProgramDir;
    unsigned long RootKey = 0;
    QString RegKey;
    void SetRegInfo(const QString& programDir, unsigned long rootKey, const QString& regKey);

    void FormShow();
    // Writes the list and the options; the caller runs it after OK.
    void FormClose();
    void BtnAddClick();
    void BtnChangeClick();
    void BtnDelClick();
    void BtnLoadClick();
    void BtnSaveClick();

    QStringList Commands() const;
    void SetCommands(const QStringList& commands);
};

class TFormCmdEdit : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormCmdEdit(QWidget* owner);
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
