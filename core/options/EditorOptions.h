#pragma once
// The editor settings dialog: auto indent, backup, tab stops, the Tab key's
// blanks and the rules that switch colour syntax on and off at loading.
#include <QDialog>
#include <memory>

// The widgets of each dialog, laid out in forms/.
struct FormEditUi;

namespace editoptions {
// The size list's item for a stored "ColMaxSize" in KB: -1 is the last item
// ("always on"), anything else the first item not smaller than it; a value
// above 2048 has none (-1 returned).
int colSizeItemFor(int kilobytes);
// The KB written for an item; -1 for "always on" or no item.
int colSizeOfItem(int item);
}  // namespace editoptions

class TFormEdit : public QDialog {
public:
    TFormEdit(QWidget* owner, int helpContext);
    ~TFormEdit() override;

private:
    std::unique_ptr<FormEditUi> layout_;

public:
    FormEditUi& ui;
    int HelpContext;
    void SetColMaxSize(int kilobytes);
    int GetColMaxSize() const;
};
