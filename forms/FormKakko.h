#pragma once
// The resident bracket dialog: a delimiter picked from pictures, its size and
// spacing kind.  Created once and kept, so the choices stay as they were left.
#include <QPointer>
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/FormParts.h"  // RadioGroup

class QLabel;
class QListWidget;
class QPushButton;

class TFormKakko : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormKakko(QWidget* owner);

    QLabel* Label1 = nullptr;
    QListWidget* ListViewKind = nullptr;
    RadioGroup RadioGroupSize;
    RadioGroup RadioGroupSizeKind;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help

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
