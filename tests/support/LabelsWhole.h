#pragma once
// Whether a dialog, at the size it opened at, shows each of its labels
// whole: inside the dialog, and with the height a word-wrapped text needs at
// the width the label got.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>

namespace testsupport {

inline void expectLabelsWhole(QDialog& d)
{
    for (QLabel* label : d.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&d) || label->text().isEmpty()) continue;
        SCOPED_TRACE(label->text().toStdString());
        const QRect inDialog(label->mapTo(&d, QPoint(0, 0)), label->size());
        EXPECT_TRUE(d.rect().contains(inDialog)) << "label cut by the dialog's edge";
        if (label->wordWrap()) EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    }
}

}  // namespace testsupport
