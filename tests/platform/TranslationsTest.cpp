#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "platform/Translations.h"

// The stock buttons of the save prompt and the stock dialogs read Japanese.
TEST(Translations, StockButtonsAndDialogsReadJapanese)
{
    const auto before = qApp->findChildren<QTranslator*>();
    ASSERT_TRUE(translations::installQtJapanese(*qApp)) << "Qt's Japanese catalogue is not installed";
    QMessageBox box(QMessageBox::Question, "Quillmarkの終了", "変更されています。保存しますか。",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QString::fromUtf8("はい(Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString::fromUtf8("いいえ(N)"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), QString::fromUtf8("キャンセル"));
    EXPECT_NE(QFileDialog::tr("Look in:"), "Look in:");
    EXPECT_NE(QColorDialog::tr("&Basic colors"), "&Basic colors");

    // The other tests read Qt's strings as they were.
    for (QTranslator* t : qApp->findChildren<QTranslator*>())
        if (!before.contains(t)) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
}
