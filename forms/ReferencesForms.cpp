#include "forms/ReferencesForms.h"
#include "forms/FormParts.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SimpleComboBox::SimpleComboBox(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Edit = new QLineEdit(this);
    Edit->setObjectName("Edit");
    List = new QListWidget(this);
    List->setObjectName("List");
    layout->addWidget(Edit);
    layout->addWidget(List);
    setFocusProxy(Edit);
    QObject::connect(List, &QListWidget::currentTextChanged, Edit, [this](const QString& text) {
        if (!text.isNull()) Edit->setText(text);
    });
}

QString SimpleComboBox::Text() const { return Edit->text(); }
void SimpleComboBox::SetText(const QString& text) { Edit->setText(text); }
void SimpleComboBox::ClearItems() { List->clear(); }
void SimpleComboBox::AddItem(const QString& item) { List->addItem(item); }
int SimpleComboBox::Count() const { return List->count(); }
QString SimpleComboBox::ItemAt(int index) const { return List->item(index)->text(); }

void FormLabelRefUi::setupUi(QDialog* dialog, const char* objectName, const QString& caption, const QString& nameLabel,
                             const QStringList& kinds)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    auto* layout = new QVBoxLayout(dialog);
    Label1 = new QLabel(nameLabel, dialog);
    Label1->setObjectName("Label1");
    ComboBox1 = new SimpleComboBox(dialog);
    ComboBox1->setObjectName("ComboBox1");
    Label1->setBuddy(ComboBox1);
    Label2 = new QLabel(QString::fromUtf8("参照タイプ(&T)："), dialog);
    Label2->setObjectName("Label2");
    cbKind = new QComboBox(dialog);
    cbKind->setObjectName("cbKind");
    cbKind->addItems(kinds);
    Label2->setBuddy(cbKind);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(cbKind)})
        layout->addWidget(w);
    formparts::addButtons(dialog, layout);
}
