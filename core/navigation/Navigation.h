#pragma once
// The heading list, the label list (resident, modeless, above the main
// window) and the go-to-line dialog.
#include <QDialog>
#include <memory>
#include <vector>

#include "core/navigation/NavigationScan.h"

// The widgets of each dialog, laid out in forms/.
struct FormSearchListUi;
struct FormLineJumpUi;

class Session;

// The frame both lists share: scanning when shown, a double-click jumps.
class TSearchListForm : public QDialog {
    Q_OBJECT
public:
    TSearchListForm(Session* owner, const QString& caption, const QString& hint, int helpContext);
    ~TSearchListForm() override;

private:
    std::unique_ptr<FormSearchListUi> layout_;

public:
    FormSearchListUi& ui;
    int HelpContext;
    // The entries of the last scan, in list order.
    const std::vector<navigation::NavEntry>& Entries() const { return entries_; }
    // Shows the form, scanning afresh; one already shown is only raised.
    void ShowForm();
    void FormShow();
    void FormClose();
    void ListBoxDblClick();

protected:
    // The entries of the text; complete says whether the list holds them all.
    virtual std::vector<navigation::NavEntry> Scan(const std::string& text, bool& complete) const = 0;
    void closeEvent(QCloseEvent* event) override;

    Session* owner_;
    std::vector<navigation::NavEntry> entries_;
};

class TFormMidasiSearch : public TSearchListForm {
    Q_OBJECT
public:
    explicit TFormMidasiSearch(Session* owner);
    ~TFormMidasiSearch() override;

protected:
    std::vector<navigation::NavEntry> Scan(const std::string& text, bool& complete) const override;
};

class TFormLabelSearch : public TSearchListForm {
    Q_OBJECT
public:
    explicit TFormLabelSearch(Session* owner);
    ~TFormLabelSearch() override;

protected:
    std::vector<navigation::NavEntry> Scan(const std::string& text, bool& complete) const override;
};

class TFormLineJump : public QDialog {
    Q_OBJECT
public:
    explicit TFormLineJump(QWidget* owner);
    ~TFormLineJump() override;

private:
    std::unique_ptr<FormLineJumpUi> layout_;

public:
    FormLineJumpUi& ui;
    int HelpContext = 3050;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TFormMidasiSearch* FormMidasiSearch;
extern TFormLabelSearch* FormLabelSearch;
