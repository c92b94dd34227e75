#pragma once
// The resident one-line input dialog, shared by the commands that ask for a
// single line (title, author, headings, labels).  Each caller sets caption,
// prompt and help context every time: the dialog keeps whatever the last
// caller left.
#include <optional>
#include <string>

#include "core/insertion/DialogRoad.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace Ui {
class TFormEditDialog;
}
class Session;

class TFormEditDialog : public TDialogForm {
    Q_OBJECT
public:
    explicit TFormEditDialog(QWidget* owner);
    ~TFormEditDialog() override;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // Help

    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TFormEditDialog> ui_;
};

// Created once with the main window and kept until exit.
extern TFormEditDialog* FormEditDialog;
// Creates the resident dialog when it does not exist yet.
TFormEditDialog& ResidentEditDialog(Session& s);

namespace road {

// The one-line road: caption, prompt, help context, prefill, modal run
// centred over the main window.  Returns the typed line as document bytes on
// OK (an empty line is a valid answer), nothing on any other result.  Nothing
// is remembered either way.
std::optional<std::string> askOneLine(Session& form, const QString& caption, const QString& prompt, int helpContext,
                                      const std::string& prefill = {});

}  // namespace road
