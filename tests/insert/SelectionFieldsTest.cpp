// Dialogs whose fields are filled from the document (the selection, an
// argument already written, the names of labels and anchors): what goes back
// into the document keeps the codes the user left alone, and an invalid byte
// of the document never comes back as that byte.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "insert/InsertCommands.h"
#include "app/Form1.h"
#include "insert/EditDialog.h"
#include "insert/FootnotesDialogs.h"
#include "insert/IndexBoxDialogs.h"
#include "insert/ReferencesBuilder.h"
#include "insert/ReferencesDialogs.h"
#include "insert/TablesDialogs.h"
#include "insert/TitleDialogs.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace {

// Duplicate codes: encoding their characters gives other bytes.
const std::string kNec = "\x87\x90";  // ≒ in the NEC row
const std::string kIbm = "\xEE\xEF";  // ⅰ among the NEC-selected IBM codes

struct SelectionFields : testsupport::CommandFixture {
    SelectionFields()
    {
        build("MenuInsertRef", &insert::buildReferenceCommands);
        build("MenuTexSakuin", &insert::buildIndexBoxCommands);
        build("MenuTexPreAuthor", &insert::buildTitleCommands);
        build("MenuInsertMarginpar", &insert::buildBreakCommands);
        build("MenuInsertMultiCol", &insert::buildTableCommands);
    }
    // Runs the command with its dialog answered OK as it was filled.
    template <class Dialog>
    void acceptAsFilled(const char* item, std::function<void(Dialog&)> touch = nullptr)
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& dialog) {
            auto* d = dynamic_cast<Dialog*>(&dialog);
            EXPECT_NE(d, nullptr) << item;
            if (d && touch) touch(*d);
            return int(mrOk);
        });
        trigger(item);
        EXPECT_EQ(ask.pending(), 0) << item;
    }
};

}  // namespace

TEST_F(SelectionFields, SelectionsKeepTheirCodesAndLoseTheirInvalidBytes)
{
    ASSERT_NE(cp932::encode(cp932::decode(kNec)), kNec);
    ASSERT_NE(cp932::encode(cp932::decode(kIbm)), kIbm);

    // A lead byte with nothing after it ends the selection: next to the
    // closing brace it would become another character and eat the brace.
    setText("x" + kNec + "\x81\r\ny", 1, 3);
    acceptAsFilled<TFormMarginpar>("MenuInsertMarginpar");
    EXPECT_EQ(text(), "x\\marginpar{" + kNec + "?}\r\ny");

    // The selected word stays where it stands; its copy in the entry is text
    // taken elsewhere.
    setText("x" + kNec + "\xFDy", 1, 3);
    acceptAsFilled<TFormSakuin>("MenuTexSakuin", [](TFormSakuin& d) { d.ui.EditYomi->setText("r"); });
    EXPECT_EQ(text(), "x" + kNec + "\xFD\\index{r@" + kNec + "?}y");

    setText("x" + kIbm + "\x81", 1, 3);
    acceptAsFilled<TFormCell>("MenuInsertMultiCol");
    EXPECT_NE(text().find("}{" + kIbm + "?}"), std::string::npos) << text();
}

TEST_F(SelectionFields, ArgumentsAndNamesFromTheDocumentKeepTheirCodes)
{
    // The author already written comes back as it was when left alone.
    const std::string author = "\\author{" + kNec + "}\r\n";
    setText(author, int(author.size()));
    acceptAsFilled<TFormEditDialog>("MenuTexPreAuthor");
    EXPECT_NE(text().find("\\author{" + kNec + "}"), std::string::npos) << text();
    EXPECT_EQ(text().find(cp932::encode(cp932::decode(kNec))), std::string::npos) << text();

    const std::string title = "\\title{" + kIbm + "\r\n" + kNec + "}\r\n";
    setText(title, int(title.size()));
    acceptAsFilled<TFormTitle>("MenuTexPreTitle");
    EXPECT_NE(text().find("\\title{" + kIbm + "\r\n" + kNec + "}"), std::string::npos) << text();

    // A reference names the label by its own bytes, or it would not match.
    const std::string labels = "\\label{" + kNec + "}\r\n";
    setText(labels, int(labels.size()));
    acceptAsFilled<TFormLabelRef>("MenuInsertRef", [](TFormLabelRef& d) {
        d.cbKind->setCurrentIndex(0);
        d.ComboBox1->List->setCurrentRow(0);
    });
    EXPECT_EQ(text(), labels + refs::reference(kNec, 0).text);

    const std::string anchors = "\\name{" + kIbm + "}{1}\r\n";
    setText(anchors, int(anchors.size()));
    acceptAsFilled<TFormHyperHref>("MenuTexinHyperRef", [](TFormHyperHref& d) {
        d.ui.cbLabel->setEditText(d.ui.cbLabel->itemText(0));
        d.ui.EditTitle->setText("t");
    });
    EXPECT_EQ(text(), anchors + "\\href{#" + kIbm + "}{t}");
}
