#pragma once
// The one dialog of the four font commands: a list of the kind's entries and
// the scope, command form or declaration form.
#include <QStringList>
#include <string>

#include "core/insertion/DialogRoad.h"
#include "forms/FontsForms.h"

class TFormFont : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormFont(QWidget* owner);
    FormFontUi ui;
    QComboBox*& ComboBoxFont = ui.ComboBoxFont;
    RadioGroup& RadioGroupSelect = ui.RadioGroupSelect;

    // Replaces the entries; they come as one text, an entry a line.
    void SetEntries(const QString& text);
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The command of the selected entry in the given kind (0-2 declarations,
    // 3 size, 4-6 commands); "" when nothing fits.
    std::string MakeFontCommand(int kind) const;

protected:
    void showEvent(QShowEvent* event) override;
};
