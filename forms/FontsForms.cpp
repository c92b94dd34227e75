#include "forms/FontsForms.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/FormParts.h"

namespace {

using formparts::u;

}  // namespace

void FormFontUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName("FormFont");
    dialog->setWindowTitle(u("フォント"));
    auto* layout = new QVBoxLayout(dialog);
    ComboBoxFont = new QComboBox(dialog);
    ComboBoxFont->setObjectName("ComboBoxFont");
    ComboBoxFont->setEditable(false);
    RadioGroupSelect = formparts::radioGroup(dialog, "RadioGroupSelect", u("適用範囲"),
                                             {u("選択範囲のみ／一部の範囲のみ(&A)"), u("カーソル以降全部に適用(&B)")});
    layout->addWidget(ComboBoxFont);
    layout->addWidget(RadioGroupSelect.box);
    formparts::addButtons(dialog, layout);
}
