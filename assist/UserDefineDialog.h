#pragma once
// The dialog that edits the 48 user-defined commands and exchanges them with
// ".qmd" definition files.
#include <QString>

#include "assist/UserDefine.h"
#include "core/insertion/DialogRoad.h"
#include "forms/UserDefineForms.h"

class TFormUserDefine : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormUserDefine(QWidget* owner);
    FormUserDefineUi ui;
    // Folder the file dialogs open in.
    QString DefinitionDir;

    // The fields as slots (CP932, definitions with CR LF) and back.
    userdef::Slots SlotsFromFields() const;
    void SetFields(const userdef::Slots& slots);

    void FormShow();
    void sbUserDefExportClick();
    void sbUserDefImportClick();

protected:
    void showEvent(QShowEvent* event) override;
};
