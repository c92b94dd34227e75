#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "app/Form1.h"
#include "insert/CountersBuilder.h"
#include "insert/CountersDialogs.h"
#include "insert/InsertCommands.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

using testsupport::sjis;

struct CountersFixture : testsupport::CommandFixture {
    CountersFixture()
    {
        build("MenuFormatSetcounter", &insert::buildReferenceCommands);
        setText("ab", 1);
    }
    void run(const char* item, std::function<int(QDialog&)> answer)
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog(std::move(answer));
        trigger(item);
    }
};

}  // namespace

TEST(CountersBuilder, Lines)
{
    EXPECT_EQ(counters::counterNames().size(), 17u);
    EXPECT_EQ(counters::setCounter(7, 1), "\\setcounter{page}{1}\r\n");
    EXPECT_EQ(counters::setCounter(16, 10000), "\\setcounter{mpfootnote}{10000}\r\n");
    EXPECT_EQ(counters::setCounter(17, 1), "");
    ASSERT_EQ(counters::names().size(), 10u);
    EXPECT_EQ(counters::renewCommand(9, ""), "\\renewcommand{\\abstractname}{}\r\n");
    EXPECT_EQ(counters::renewCommand(-1, "x"), "");
}

TEST_F(CountersFixture, SetcounterInsertsTheChosenLine)
{
    run("MenuFormatSetcounter", [](QDialog& dialog) {
        auto& d = dynamic_cast<TFormCounter&>(dialog);
        EXPECT_EQ(d.HelpContext, 6280);
        EXPECT_EQ(d.ComboBox1->currentIndex(), 0);
        EXPECT_EQ(d.UpDown1->value(), 0);
        d.ComboBox1->setCurrentIndex(7);
        d.UpDown1->setValue(1);
        return int(mrOk);
    });
    EXPECT_EQ(text(), "a\\setcounter{page}{1}\r\nb");
    EXPECT_EQ(form.RichEdit->SelStart(), int(text().size()) - 1);

    // Each run starts from the form's values again; Cancel inserts nothing.
    run("MenuFormatSetcounter", [](QDialog& dialog) {
        auto& d = dynamic_cast<TFormCounter&>(dialog);
        EXPECT_EQ(d.ComboBox1->currentIndex(), 0);
        d.UpDown1->setValue(20000);  // the up-down keeps to its range
        EXPECT_EQ(d.UpDown1->value(), 10000);
        return int(mrCancel);
    });
    EXPECT_EQ(text(), "a\\setcounter{page}{1}\r\nb");
}

TEST_F(CountersFixture, RenewcommandTakesTheDefaultTextOfTheChosenName)
{
    run("MenuFormatRenewcommand", [](QDialog& dialog) {
        auto& d = dynamic_cast<TFormMojiHenkou&>(dialog);
        EXPECT_EQ(d.HelpContext, 6300);
        EXPECT_EQ(d.Edit1->text(), QString::fromUtf8("第"));
        d.Edit1->setText("typed");
        d.ComboBox1->setCurrentIndex(3);  // discards what was typed
        EXPECT_EQ(d.Edit1->text(), QString::fromUtf8("図 目 次"));
        d.Edit1->setText(QString::fromUtf8("図一覧"));
        return int(mrOk);
    });
    EXPECT_EQ(text(), "a\\renewcommand{\\listfigurename}{" + sjis("図一覧") + "}\r\nb");
}
