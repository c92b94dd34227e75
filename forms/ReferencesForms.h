#pragma once
// Layout of the two reference dialogs: a name line over an always-open list
// of the names found, and a drop-down list of reference styles.
#include <QStringList>
#include <QWidget>

class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QComboBox;

// An edit line over a list that never closes: picking an item copies it into
// the line, and the user may type any other name.
class SimpleComboBox : public QWidget {
public:
    explicit SimpleComboBox(QWidget* parent);
    QLineEdit* Edit = nullptr;
    QListWidget* List = nullptr;
    QString Text() const;
    void SetText(const QString& text);
    void ClearItems();
    void AddItem(const QString& item);
    int Count() const;
    QString ItemAt(int index) const;
};

struct FormLabelRefUi {
    QLabel* Label1 = nullptr;
    SimpleComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbKind = nullptr;
    void setupUi(QDialog* dialog, const char* objectName, const QString& caption, const QString& nameLabel,
                 const QStringList& kinds);
};
