#pragma once
// A shown main window on a fresh settings store, driven by key events: into
// the editor, and into whatever has the keyboard once the command-assist
// pop-up is open.
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

#include "app/Form1.h"
#include "assist/CommandList.h"
#include "core/undo/MultiUndo.h"
#include "assist/CmdAssistForms.h"
#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"
#include "tests/support/EditorTestUtil.h"

namespace assisttest {

class PopupTest : public apptest::AppTest {
protected:
    TRichEdit* ed = nullptr;

    // Options are written to the store before the window reads them.
    TForm1& open(const cmdassist::Settings* options = nullptr)
    {
        if (options) cmdassist::writeSettings(HKEY_CURRENT_USER_ROOT, apptest::kRoot, *options);
        TForm1& f = startShown();
        ed = f.RichEdit;
        return f;
    }
    void TearDown() override
    {
        if (FormCmdAssist) FormCmdAssist->Dismiss();
        apptest::AppTest::TearDown();
    }

    TFormCmdAssist* popup() const { return FormCmdAssist.data(); }
    bool popupOpen() const { return popup() && popup()->IsOpen(); }

    // Where a key goes now: the pop-up's input line while it is open, else
    // the editor.
    QWidget* keyTarget() const { return popupOpen() ? static_cast<QWidget*>(popup()->MemoCmd) : ed; }

    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        edtest::sendKey(keyTarget(), k, mods, text);
    }
    // Types ASCII text one key at a time, each to the widget that has the
    // keyboard at that moment.
    void type(const QString& text)
    {
        for (QChar c : text) {
            int k = c.unicode();
            if (c >= u'a' && c <= u'z') k = Qt::Key_A + (c.unicode() - 'a');
            if (c == u' ') k = Qt::Key_Space;
            key(k, Qt::NoModifier, QString(c));
        }
    }
    void backslash() { key(Qt::Key_Backslash, Qt::NoModifier, "\\"); }
    void enter(Qt::KeyboardModifiers mods = Qt::NoModifier) { key(Qt::Key_Return, mods, "\r"); }

    std::string text() const { return ed->Text(); }
    QString memo() const { return popup()->MemoCmd->text(); }
    int selected() const { return popup()->ItemIndex(); }
    QString selectedText() const
    {
        const int i = selected();
        return i < 0 ? QString() : popup()->Items()[i];
    }
    // Index of the first command that begins with prefix (case ignored).
    int firstWith(const QString& prefix) const { return cmdassist::findString(popup()->Items(), -1, prefix); }
};

}  // namespace assisttest
