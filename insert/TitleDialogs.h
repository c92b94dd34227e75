#pragma once
// The title, date and page-style dialogs.
#include <QDate>
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/TitleForms.h"

class TFormTitle : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormTitle(QWidget* owner);
    FormTitleUi ui;
    // The memo as document bytes with CR LF.
    std::string MemoText() const;
    // Puts the old title in the memo, all of it selected.
    void SetMemoText(const std::string& bytes);
};

class TFormDateInsert : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormDateInsert(QWidget* owner);
    FormDateInsertUi ui;
    void FormCreate(const QDate& today);
    void FormShow();
    // The calendar's date in the format chosen in the combo box.
    std::string MakeDateText() const;

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormPageStyle : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormPageStyle(QWidget* owner);
    FormPageStyleUi ui;
    RadioGroup& RadioGroup1 = ui.RadioGroup1;
};
