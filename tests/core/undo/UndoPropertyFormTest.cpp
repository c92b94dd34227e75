// Random editing sessions on the main window's editor: keys through the
// widget, insertions and pastes through the commands, drags as real drops.
// Whatever was done, undoing everything gives back the starting text byte
// for byte, and redoing everything the newest text.
#include <QClipboard>
#include <QGuiApplication>
#include <random>
#include <set>

#include "tests/core/FormFixture.h"

namespace {

class UndoPropertyForm : public FormFixture {
protected:
    std::mt19937 rng;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // Character boundaries (a line break counts as one character).
    std::vector<int> boundaries(const std::string& t)
    {
        std::vector<int> b{0};
        for (size_t i = 0; i < t.size(); b.push_back(int(i)))
            i += t.compare(i, 2, "\r\n") == 0 ? 2 : size_t(cp932::charLength(t, i));
        return b;
    }
    int anywhere(const std::string& t)
    {
        const auto b = boundaries(t);
        return b[size_t(pick(int(b.size())))];
    }
    void selectSome(const std::string& t)
    {
        const int a = anywhere(t), b = anywhere(t);
        form->RichEditMouseDown();
        ed->Select(std::min(a, b), std::abs(a - b));
    }
    void typeWithBreaks(const std::string& fragment)
    {
        size_t from = 0;
        for (size_t at; (at = fragment.find("\r\n", from)) != std::string::npos; from = at + 2) {
            type(fragment.substr(from, at - from));
            key(Qt::Key_Return, Qt::ControlModifier);
        }
        type(fragment.substr(from));
    }

    void randomEdit()
    {
        static const char* const fragments[] = {
            "a",        "xy",       "\\item ",      "\x93\xfa\x96\x7b", "\x95\x5c" /* trail byte 5C */,
            "\x81\x40", "ab\r\ncd", "\x83\x5c\r\n",
        };
        const std::string t = text();
        const std::string fragment = fragments[pick(int(std::size(fragments)))];
        switch (pick(8)) {
            case 0:
                ed->Select(anywhere(t), 0);
                typeWithBreaks(fragment);
                break;
            case 1: key(Qt::Key_Return); break;
            case 2:
                ed->Select(anywhere(t), 0);
                key(Qt::Key_Backspace);
                key(Qt::Key_Backspace);
                break;
            case 3:
                ed->Select(anywhere(t), 0);
                key(Qt::Key_Delete);
                break;
            case 4:
                selectSome(t);
                typeWithBreaks(fragment);
                break;
            case 5:
                selectSome(t);
                form->InsertText(fragment);
                break;
            case 6:
                selectSome(t);
                QGuiApplication::clipboard()->setText(cp932::decode(fragment));
                form->MenuEditPasteClick();
                break;
            default:
                selectSome(t);
                if (ed->SelLength() > 0) dropSelection(anywhere(t), false);
                break;
        }
    }
    bool undoOne()
    {
        if (!form->UndoManager->CanUndo()) return false;
        form->MenuEditUndoClick();
        return true;
    }
    bool redoOne()
    {
        if (!form->UndoManager->CanRedo()) return false;
        form->MenuEditRedoClick();
        return true;
    }
};

}  // namespace

TEST_F(UndoPropertyForm, RandomSessionsUndoAndRedoExactly)
{
    form->AutoCommand = false;
    const std::string starts[] = {"", "hello\r\nworld", "\x93\xfa\x96\x7b\x8c\xea\r\n\\item a\r\n\x95\x5c"};
    for (unsigned seed = 1; seed <= 80; ++seed) {
        SCOPED_TRACE(seed);
        rng.seed(seed);
        const std::string& original = starts[seed % 3];
        load(original);
        for (int i = 0; i < 50; ++i) {
            const int r = pick(10);
            if (r == 0)
                form->MenuEditUndoClick();
            else if (r == 1)
                form->MenuEditRedoClick();
            else
                randomEdit();
        }
        int guard = 0;
        while (redoOne() && ++guard < 2000) {
        }
        const std::string newest = text();
        while (undoOne() && ++guard < 4000) {
        }
        ASSERT_EQ(text(), original);
        while (redoOne() && ++guard < 6000) {
        }
        ASSERT_EQ(text(), newest);

        // A partial walk back, new edits on top of it, and the walk back to
        // the start still lands on the original.
        for (int i = 0; i < 5; ++i) undoOne();
        for (int i = 0; i < 5; ++i) randomEdit();
        while (undoOne() && ++guard < 8000) {
        }
        ASSERT_EQ(text(), original);
    }
}

TEST_F(UndoPropertyForm, EverySingleUndoLandsOnAnEarlierStatePastTheHistoryLimit)
{
    // The Enter key's "\item" continuation and the colouring of changed
    // lines both act inside the edits; the sessions run past the 256 steps
    // the history keeps.
    form->AutoCommand = true;
    form->AutoColor = true;
    const std::string starts[] = {"\\begin{itemize}\r\n\\item one", "\x93\xfa\x96\x7b\x8c\xea\r\n% note\r\n$x$ & y"};
    for (unsigned seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        rng.seed(seed * 7919);
        const std::string& original = starts[seed % 2];
        load(original);
        // Every text the editor held at some moment of the session, as its
        // change event saw it; an Undo or Redo must land on one of those.
        std::set<std::string> seen{original};
        bool recording = true;
        const auto handler = ed->OnChange;
        ed->OnChange = [&, handler] {
            if (handler) handler();
            if (recording) seen.insert(ed->Text());
        };
        // Replacing a selection is two steps of the history, its removal
        // and the new text, so the text without the selection counts too.
        const auto selectionHandler = ed->OnSelectionChange;
        ed->OnSelectionChange = [&, selectionHandler] {
            if (selectionHandler) selectionHandler();
            if (recording && ed->SelLength() > 0) {
                std::string without = ed->Text();
                without.erase(size_t(ed->SelStart()), size_t(ed->SelLength()));
                seen.insert(without);
            }
        };
        auto undoChecked = [&] {
            recording = false;
            const bool undone = undoOne();
            recording = true;
            return undone;
        };
        auto redoChecked = [&] {
            recording = false;
            const bool redone = redoOne();
            recording = true;
            return redone;
        };
        for (int i = 0; i < 300; ++i) {
            randomEdit();
            if (pick(12) == 0 && undoChecked()) {
                ASSERT_TRUE(seen.count(text())) << "undo in the session, edit " << i;
            }
        }
        const std::string newest = text();
        int steps = 0;
        while (undoChecked()) {
            ASSERT_TRUE(seen.count(text())) << "undo " << steps << " from the end";
            ASSERT_LT(++steps, 1000);
        }
        EXPECT_LE(steps, 256);
        while (redoChecked()) {
            ASSERT_TRUE(seen.count(text())) << "redo";
            ASSERT_GT(steps--, -1000);
        }
        EXPECT_EQ(text(), newest);
        ed->OnChange = handler;
        ed->OnSelectionChange = selectionHandler;
    }
}
