#pragma once
// Small pieces the dialog layouts share: the radio group and the row of
// OK / Cancel / Help buttons.
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <initializer_list>

#include "platform/Utf8.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

// A group of radio buttons addressed by index, as the dialogs use them.
struct RadioGroup {
    QGroupBox* box = nullptr;
    QButtonGroup* buttons = nullptr;
    int columns = 1;
    bool acrossRows = false;  // items fill each row before the next one
    int ItemIndex() const;
    // An index outside the items leaves no button checked.
    void SetItemIndex(int index);
    QString ItemText(int index) const;
    int Count() const;
    QRadioButton* Button(int index) const;
    // Replaces the buttons; none is checked afterwards.
    void SetItems(const QStringList& items);
};

namespace formparts {

inline QString u(const char* text) { return utf8(text); }

inline QStringList texts(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* item : items) out << u(item);
    return out;
}

template <class T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

enum class Fill { DownColumns, AcrossRows };

// The one way a dialog makes a radio group: a titled box of items laid out
// in columns, item checked (-1: none).
RadioGroup radioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items,
                      int columns = 1, int checked = 0, Fill fill = Fill::DownColumns);
inline RadioGroup radioGroup(QWidget* parent, const char* name, const char* title,
                             std::initializer_list<const char*> items, int columns = 1, int checked = 0,
                             Fill fill = Fill::DownColumns)
{
    return radioGroup(parent, name, u(title), texts(items), columns, checked, fill);
}

// The object names of a dialog's buttons; help null: the dialog has none.
struct ButtonNames {
    const char* ok;
    const char* cancel;
    const char* help;
};
// The names the dialog road wires.
inline constexpr ButtonNames kRoadButtons{"BitBtn1", "BitBtn2", "BitBtn3"};
// The names of the dialogs that close themselves.
inline constexpr ButtonNames kPlainButtons{"OkButton", "CancelButton", "HelpButton"};
inline constexpr ButtonNames kPlainButtonsWithoutHelp{"OkButton", "CancelButton", nullptr};

enum ButtonRowFlag {
    OkIsDefault = 1,
    Vertical = 2,      // a column beside the dialog, buttons at its top
    ClosesDialog = 4,  // OK accepts and Cancel rejects the dialog
};

struct ButtonRow {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* help = nullptr;
    QBoxLayout* layout = nullptr;
    // Hands the buttons to a dialog's own members; returns the layout.
    QBoxLayout* keep(QPushButton*& okMember, QPushButton*& cancelMember, QPushButton*& helpMember) const
    {
        okMember = ok;
        cancelMember = cancel;
        helpMember = help;
        return layout;
    }
    QBoxLayout* keep(QPushButton*& okMember, QPushButton*& cancelMember) const
    {
        okMember = ok;
        cancelMember = cancel;
        return layout;
    }
};

ButtonRow buttonRow(QWidget* dialog, const ButtonNames& names = kRoadButtons, int flags = 0);

// Enter in a one-line memo adds no line: it presses the dialog's OK button
// (the one the dialog road wires) instead.
void enterPressesOk(QWidget* memo, QDialog* dialog);

// OK, Cancel and Help under the names the dialog road wires, below the rest.
inline ButtonRow addButtons(QDialog* dialog, QBoxLayout* into)
{
    ButtonRow row = buttonRow(dialog);
    into->addLayout(row.layout);
    return row;
}

}  // namespace formparts
