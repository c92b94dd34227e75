#pragma once
// The footnote and marginal-note dialogs.  The memo carries the note as the
// user typed or pasted it; line breaks in it are kept.
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/BreaksForms.h"

class TFormFootnote : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormFootnote(QWidget* owner);
    FormFootnoteUi ui;
    void FormShow();
    // The memo as document bytes with CR LF.
    std::string MemoText() const;
    void SetMemoText(const std::string& bytes);

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormMarginpar : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormMarginpar(QWidget* owner);
    FormMarginparUi ui;
    RadioGroup& rgSize = ui.rgSize;
    void FormShow();
    std::string MemoText() const;
    void SetMemoText(const std::string& bytes);

protected:
    void showEvent(QShowEvent* event) override;
};
