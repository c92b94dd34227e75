#include <gtest/gtest.h>

#include "app/Form1.h"
#include "core/edit/Editing.h"

TEST(EnterText, IndentationAndItemContinuation)
{
    struct Case {
        const char* name;
        const char* text;
        int caret;  // -1: end of text
        bool autoIndent, autoCommand;
        const char* inserted;
    };
    const Case cases[] = {
        {"caret at the very start", "abc", 0, true, true, "\r\n"},
        {"indent copied", "  \tabc", -1, true, true, "\r\n  \t"},
        {"indent only up to the caret", "    abc", 2, true, true, "\r\n  "},
        {"caret at a line start uses the line above", "  ab\r\ncd", 6, true, true, "\r\n  "},
        {"item with a word", "  \\item word", -1, true, true, "\r\n  \\item "},
        {"item with option", "\\item[abc] text", -1, true, true, "\r\n\\item[]"},
        {"item with blank and option", "\\item [x] text", -1, true, true, "\r\n\\item []"},
        {"six bytes, option", "\\item[", -1, true, true, "\r\n\\item[]"},
        {"longer command", "\\itemize", -1, true, true, "\r\n\\item "},
        {"other command", "\\section{a}", -1, true, true, "\r\n"},
        {"command assist off copies only indentation", "  \\item a", -1, true, false, "\r\n  "},
        {"no indentation setting: item only at the line start", "\\item a", -1, false, true, "\r\n\\item "},
        {"no indentation setting: indented item is not seen", "  \\item a", -1, false, true, "\r\n"},
        {"double-byte word", "\\item\x95\x5cx", -1, true, true, "\r\n\\item "},
    };
    for (const Case& c : cases) {
        const std::string text = c.text;
        const int caret = c.caret < 0 ? int(text.size()) : c.caret;
        EXPECT_EQ(editing::enterText(text, caret, c.autoIndent, c.autoCommand), c.inserted) << c.name;
    }
}

TEST(DialogPlacement, CentresOverTheWindowThenAtTheRememberedCentre)
{
    TForm1 form;
    form.setGeometry(100, 80, 600, 400);
    const int top = form.y(), left = form.x();
    const int h = form.frameGeometry().height(), w = form.frameGeometry().width();

    EXPECT_EQ(form.DialogTop(201), top + (h - 201) / 2);
    EXPECT_EQ(form.DialogLeft(301), left + (w - 301) / 2);
    // Taller or wider than the window: its top or left edge.
    EXPECT_EQ(form.DialogTop(h + 50), top);
    EXPECT_EQ(form.DialogLeft(w + 1), left);

    form.StoreDialogTop(300, 201);  // centre 400
    form.StoreDialogLeft(-7, 5);    // centre -5: halving truncates toward zero
    EXPECT_EQ(form.DialogCenterY, 400);
    EXPECT_EQ(form.DialogCenterX, -5);
    EXPECT_EQ(form.DialogTop(101), 350);
    EXPECT_EQ(form.DialogLeft(11), -10);
}
