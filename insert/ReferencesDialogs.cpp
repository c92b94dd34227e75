#include "insert/ReferencesDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "insert/ReferencesBuilder.h"
#include "core/insertion/FieldText.h"
#include "platform/Ask.h"

namespace {

std::vector<const char*> listTexts(const std::vector<refs::Style>& styles)
{
    std::vector<const char*> texts;
    for (const refs::Style& s : styles) texts.push_back(s.listText);
    return texts;
}

}  // namespace

TFormRefBase::TFormRefBase(QWidget* owner, const char* objectName, const char* caption, const char* nameLabel,
                           const std::vector<const char*>& kinds, int helpContext)
    : TDialogForm(owner)
{
    QStringList items;
    for (const char* k : kinds) items << QString::fromUtf8(k);
    ui.setupUi(this, objectName, QString::fromUtf8(caption), QString::fromUtf8(nameLabel), items);
    HelpContext = helpContext;
    WireButtons();
    FormCreate();
}

void TFormRefBase::FormCreate()
{
    cbKind->setCurrentIndex(0);
    // Double-clicking a name, or Enter in the name line, is the OK button.
    ask::onSignal(ComboBox1->List, &QListWidget::itemDoubleClicked, this, [this] { done(mrOk); });
    ask::onSignal(ComboBox1->Edit, &QLineEdit::returnPressed, this, [this] { done(mrOk); });
}

void TFormRefBase::showEvent(QShowEvent* event)
{
    TDialogForm::showEvent(event);
    ComboBox1->setFocus();
}

std::string TFormRefBase::NameText() const { return fieldtext::bytesOfChoice(ComboBox1->Text(), names_); }

void TFormRefBase::SetNames(const std::vector<std::string>& names)
{
    names_ = names;
    ComboBox1->ClearItems();
    for (const std::string& n : names) ComboBox1->AddItem(fieldtext::shown(n));
}

int TFormRefBase::KindIndex() const { return cbKind->currentIndex(); }
void TFormRefBase::SetKindIndex(int index)
{
    if (index >= 0 && index < cbKind->count()) cbKind->setCurrentIndex(index);
}

TFormLabelRef::TFormLabelRef(QWidget* owner)
    : TFormRefBase(owner, "FormLabelRef", "ラベル参照", "参照するラベル名(&L)：", listTexts(refs::refStyles()), 5120)
{
}

TFormPageRef::TFormPageRef(QWidget* owner)
    : TFormRefBase(owner, "FormPageRef", "ページを参照", "ページを参照するラベル(&L)：",
                   listTexts(refs::pageRefStyles()), 5122)
{
}
