#pragma once
// The index entry dialogs and the hypertext anchor and link dialogs.  Field
// texts go in and come out as document bytes.
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/IndexBoxForms.h"

class QLineEdit;

namespace indexbox {
std::string fieldText(const QLineEdit* edit);
void setFieldText(QLineEdit* edit, const std::string& bytes);
}  // namespace indexbox

class TFormSakuin : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormSakuin(QWidget* owner);
    FormSakuinUi ui;
    // A word already given leaves only its reading to type.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};

class TFormSakuin2 : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormSakuin2(QWidget* owner);
    FormSakuin2Ui ui;
};

class TFormHyperTexName : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormHyperTexName(QWidget* owner);
    FormHyperTexNameUi ui;
};

class TFormHyperHref : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormHyperHref(QWidget* owner);
    FormHyperHrefUi ui;
};
