#pragma once
// Small pieces the dialog layouts share.
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QString>

namespace formparts {

inline QString u(const char* text) { return QString::fromUtf8(text); }

template <class T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// OK, Cancel and Help under the names the dialog road wires.
inline void addButtons(QDialog* dialog, QBoxLayout* into)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(named(new QPushButton("OK", dialog), "BitBtn1"));
    row->addWidget(named(new QPushButton(u("キャンセル"), dialog), "BitBtn2"));
    row->addWidget(named(new QPushButton(u("ヘルプ(&H)"), dialog), "BitBtn3"));
    into->addLayout(row);
}

}  // namespace formparts
