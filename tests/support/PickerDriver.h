#pragma once
// Drives a symbol picker family of the main window the way a user does:
// through its main-menu item with the dialog answered, or through an item of
// its pop-up.  Document states are written with "@" for the caret.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <functional>
#include <string>

#include "app/Form1.h"
#include "core/insertion/Picker.h"
#include "core/insertion/PickerDialog.h"
#include "core/insertion/PickerFamily.h"
#include "platform/Cp932.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace pickertest {

using testsupport::sjis;

struct PickerDriver {
    TForm1& form;

    // Loads a document; "@" marks the caret, and a selection of selLength
    // bytes starts there.
    void load(const std::string& marked, int selLength = 0)
    {
        const size_t at = marked.find('@');
        std::string text = marked;
        text.erase(at, 1);
        form.RichEdit->SetText(text);
        form.RichEdit->Select(int(at), selLength);
    }
    // The document with "@" at the caret (the selection must be empty).
    std::string state() const
    {
        std::string text = form.RichEdit->Text();
        EXPECT_EQ(form.RichEdit->SelLength(), 0);
        text.insert(size_t(form.RichEdit->SelStart()), "@");
        return text;
    }

    QMenu* popup(const picker::Family& family) const
    {
        return form.findChild<QMenu*>(QString::fromUtf8(family.popupName));
    }
    // The pop-up's entry item of the index (its Tag), found by name.
    QAction* popupItem(const picker::Family& family, int index) const
    {
        QMenu* menu = popup(family);
        const QString name = QString::fromUtf8(family.itemPrefix) + QString::number(index);
        for (QAction* a : menu ? menu->actions() : QList<QAction*>())
            if (a->objectName() == name) return a;
        return nullptr;
    }
    // Opens the pop-up's repeat item as the menu does before it shows.
    QAction* repeatItem(const picker::Family& family) const
    {
        QMenu* menu = popup(family);
        if (!menu) return nullptr;
        emit menu->aboutToShow();
        return menu->actions().value(0);
    }
    // No message may come on this road: an unexpected box fails the test.
    void viaPopup(const picker::Family& family, int index)
    {
        testsupport::ScriptedAsk ask;
        QAction* item = popupItem(family, index);
        ASSERT_NE(item, nullptr) << family.popupName << " " << index;
        item->trigger();
    }

    // Runs the family's menu item; the dialog is answered by act, then closed
    // with result.  A latexsym notice is expected when notice is set.
    void viaMenu(const picker::Family& family, const std::function<void(TPickerDialog&)>& act, int result = mrOk,
                 bool notice = false)
    {
        testsupport::ScriptedAsk ask;
        ask.onDialog([&](QDialog& d) {
            auto& dialog = static_cast<TPickerDialog&>(d);
            if (act) act(dialog);
            return result;
        });
        if (notice)
            ask.expectMessage(QString::fromUtf8(family.notice), QString::fromUtf8(family.messageCaption),
                              MB_ICONINFORMATION, IDOK);
        QAction* item = form.Item(QString::fromUtf8(family.menuItem));
        ASSERT_NE(item, nullptr) << family.menuItem;
        item->trigger();
    }
    // Chooses entry index in the dialog as a click would.
    static void choose(TPickerDialog& d, int index)
    {
        if (d.ListView)
            d.ListView->setCurrentRow(index);
        else
            d.RadioButtons[index]->click();
    }
    void viaDialog(const picker::Family& family, int index, bool notice = false)
    {
        viaMenu(
            family, [index](TPickerDialog& d) { choose(d, index); }, mrOk, notice);
    }
};

// What an entry must produce, as written out for a family: the text it
// inserts (without the selection for accents: the command before "{"), and
// whether the dialog gives the latexsym notice first.
struct Expected {
    const char* text;
    bool latexsym = false;
};

// Every entry through the dialog and the pop-up, with and without a
// (Japanese) selection: the exact bytes and where the caret ends.
// suffix is written after every expected text (the blank most families add).
inline void checkEveryEntry(TForm1& form, const picker::Family& family, const std::vector<Expected>& expected,
                            const std::string& suffix = "")
{
    PickerDriver drive{form};
    ASSERT_EQ(family.count(), int(expected.size())) << family.dialogName;
    const std::string word = sjis("選択");
    const bool accent = family.finish == picker::Finish::Accent;
    for (int i = 0; i < int(expected.size()); ++i) {
        const std::string t = expected[size_t(i)].text + suffix;
        const std::string bare = accent ? "x" + t + "{@}" : "x" + t + "@";
        const std::string wrapped = accent ? "[" + t + "{" + word + "}@]" : "[" + t + "@]";
        const bool notice = expected[size_t(i)].latexsym;
        const bool hasPopup = family.popupName != nullptr;
        for (int road = 0; road < (hasPopup ? 2 : 1); ++road) {
            const char* how = road == 0 ? "dialog" : "pop-up";
            auto run = [&] {
                if (road == 0)
                    drive.viaDialog(family, i, notice);
                else
                    drive.viaPopup(family, i);
            };
            drive.load("x@");
            run();
            EXPECT_EQ(drive.state(), bare) << family.dialogName << " " << how << " entry " << i;
            drive.load("[@" + word + "]", int(word.size()));
            run();
            EXPECT_EQ(drive.state(), wrapped) << family.dialogName << " " << how << " entry " << i << " on a selection";
            if (family.last) EXPECT_EQ(*family.last(form), i) << family.dialogName << " " << how;
        }
    }
}

}  // namespace pickertest

#include "core/insertion/GlyphPicture.h"

namespace pickertest {

// Every entry that shows a picture has one: drawn, not blank, and made of
// characters the picture fonts have.
inline void expectPictures(const picker::Family& family)
{
    if (family.kind == picker::Kind::Radio && !family.popupImages) return;
    for (int i = 0; i < family.count(); ++i) {
        const picker::Row& row = family.rows[size_t(i)];
        ASSERT_NE(row.picture, nullptr) << family.dialogName << " " << i;
        const QString description = QString::fromUtf8(row.picture);
        EXPECT_FALSE(description.isEmpty()) << family.dialogName << " " << i;
        EXPECT_TRUE(glyph::drawable(description)) << family.dialogName << " " << i << " " << row.picture;
        const QImage image = glyph::pixmap(description, 32).toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
        EXPECT_GT(dark, 2) << family.dialogName << " " << i << " " << row.picture;
    }
}

}  // namespace pickertest
