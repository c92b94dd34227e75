#pragma once
// The one dialog of every symbol picker: a list of pictures with captions, or
// a group of radio buttons in columns of five, filled from the family's table.
#include <QList>
#include <QSize>
#include <string>
#include <vector>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/Picker.h"

class QGroupBox;
class QListWidget;
class QRadioButton;

namespace picker {

// How a list of pictures with captions is cut into cells.
struct ListGrid {
    QSize cell;
    int columns = 1;
    int picture = 0;  // side of the pictures
};
// The cells for a list whose inside is inner, one entry per caption width,
// the pictures at most picture, the captions lineHeight high with textMargin
// on either side.
ListGrid listGrid(QSize inner, const std::vector<int>& captionWidths, int picture, int lineHeight, int textMargin);

}  // namespace picker

class TPickerDialog : public TDialogForm {
    Q_OBJECT
public:
    TPickerDialog(QWidget* owner, const picker::Family& family);

    const picker::Family& Family() const { return family_; }

    // List dialogs.
    QListWidget* ListView = nullptr;
    // The entry preselected when the dialog shows, following the selection
    // after that; a cleared selection keeps the entry selected last.
    int SelectedIndex = 0;

    // Radio dialogs.
    QGroupBox* GroupBox1 = nullptr;
    QList<QRadioButton*> RadioButtons;  // RadioButton1 ... RadioButtonN

    // Both kinds.  SetSelectedIndex ignores an index outside the table;
    // GetSelectedIndex is -1 when no radio button is checked.
    void SetSelectedIndex(int index);
    int GetSelectedIndex() const;
    // The command the dialog stands for, read the family's way: document
    // bytes, empty when nothing is chosen.  unwritable, when given, names
    // the characters of an edited caption that the document cannot take
    // (writable::unwritableCharacters); the bytes are then empty.
    std::string GetCommand(QString* unwritable = nullptr) const;
    // Whether the entry behind GetCommand asks for the latexsym notice.
    bool ChosenNeedsLatexsym() const;

    void FormCreate();
    void FormShow();
    void ListViewChange();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildList(QSize box);
    QWidget* buildRadio(QSize box);
    int chosenRow() const;
    const picker::Family& family_;
};
