#pragma once
// Running the main window's commands on a document a test sets up: the text
// and selection go in, a menu item is triggered, the text and caret come out.
#include <gtest/gtest.h>

#include <QAction>
#include <QString>
#include <string>

#include "app/Form1.h"
#include "platform/Cp932.h"
#include "tests/support/CaretText.h"
#include "tests/support/OwnStore.h"

namespace testsupport {

// Expected document bytes are written in UTF-8 in the tests.
inline std::string sjis(const char* utf8) { return cp932::encode(QString::fromUtf8(utf8)); }

// The editor side of a command test, over whichever window the fixture holds.
class WindowCommands {
public:
    virtual ~WindowCommands() = default;

    void setText(const std::string& text, int selStart, int selLength = 0)
    {
        window().RichEdit->SetText(text);
        window().RichEdit->Select(selStart, selLength);
    }
    // The document with "|" (or marker) where the caret is.
    void setMarked(const std::string& marked, const std::string& marker = "|")
    {
        const CaretText t = splitCaret(marked, marker);
        setText(t.text, t.caret);
    }
    void expectEditor(const std::string& marked, const std::string& marker = "|")
    {
        const CaretText want = splitCaret(marked, marker);
        EXPECT_EQ(text(), want.text);
        EXPECT_EQ(caret(), want.caret);
    }
    void trigger(const char* name)
    {
        QAction* item = window().Item(name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }
    std::string text() { return window().RichEdit->Text(); }
    int caret() { return window().RichEdit->SelStart(); }

protected:
    virtual TForm1& window() = 0;
};

// A main window of its own on a store of the test's own, for tests that
// script their own answers; the fixture builds the commands it tests when
// the window has not built them itself.
struct CommandFixture : ::testing::Test, OwnStore, WindowCommands {
    void build(const char* probeItem, void (TForm1::*builder)())
    {
        if (!form.Item(probeItem)) (form.*builder)();
    }
    void build(const char* probeItem, void (*builder)(Session&))
    {
        if (!form.Item(probeItem)) builder(form);
    }
    TForm1 form;

protected:
    TForm1& window() override { return form; }
};

}  // namespace testsupport
