#pragma once
// The resident bracket dialog: a delimiter picked from pictures, its size and
// spacing kind.  Created once and kept, so the choices stay as they were left.
#include <QPointer>
#include <string>

#include "forms/DialogForm.h"
#include "forms/FormKakko.h"

class TFormKakko : public TDialogForm, public FormKakkoUi {
    Q_OBJECT
public:
    explicit TFormKakko(QWidget* owner);

    int SelectedIndex = 0;

    // The text to insert, never empty.
    std::string MakeBracketText() const;
    void UpdateSizeKind();

    void FormCreate();
    void FormShow();
    void ListViewKindChange();
    void RadioGroupSizeClick();

protected:
    void showEvent(QShowEvent* event) override;
};

extern QPointer<TFormKakko> FormKakko;
