#include "insert/FontsDialog.h"

#include <QComboBox>
#include <QShowEvent>

#include "insert/FontsBuilder.h"

TFormFont::TFormFont(QWidget* owner) : TDialogForm(owner)
{
    ui.setupUi(this);
    WireButtons();
}

void TFormFont::SetEntries(const QString& text)
{
    QString lines = text;
    lines.replace("\r\n", "\n");
    QStringList entries = lines.split('\n');
    // A trailing break ends the last line; it is no entry of its own.
    if (!entries.isEmpty() && entries.last().isEmpty()) entries.removeLast();
    ComboBoxFont->clear();
    ComboBoxFont->addItems(entries);
}

int TFormFont::ItemIndex() const { return ComboBoxFont->currentIndex(); }

void TFormFont::SetItemIndex(int index)
{
    ComboBoxFont->setCurrentIndex(index >= 0 && index < ComboBoxFont->count() ? index : -1);
}

std::string TFormFont::MakeFontCommand(int kind) const { return fonts::makeFontCommand(kind, ItemIndex()); }

void TFormFont::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    ComboBoxFont->setFocus();
}
