#pragma once
// The label-reference and page-reference dialogs.  Both come up with the
// first style chosen; the caller then preselects the remembered one.
#include <string>
#include <vector>

#include "core/insertion/DialogRoad.h"
#include "forms/ReferencesForms.h"

class TFormRefBase : public TDialogForm {
    Q_OBJECT
public:
    FormLabelRefUi ui;
    SimpleComboBox*& ComboBox1 = ui.ComboBox1;
    QComboBox*& cbKind = ui.cbKind;

    // The name line as document bytes.
    std::string NameText() const;
    // Empties the list and offers the names (document bytes).
    void SetNames(const std::vector<std::string>& names);
    int KindIndex() const;
    void SetKindIndex(int index);

protected:
    TFormRefBase(QWidget* owner, const char* objectName, const char* caption, const char* nameLabel,
                 const std::vector<const char*>& kinds, int helpContext);
    void FormCreate();
    void showEvent(QShowEvent* event) override;

private:
    std::vector<std::string> names_;  // as the document holds them
};

class TFormLabelRef : public TFormRefBase {
    Q_OBJECT
public:
    explicit TFormLabelRef(QWidget* owner);
};

class TFormPageRef : public TFormRefBase {
    Q_OBJECT
public:
    explicit TFormPageRef(QWidget* owner);
};
