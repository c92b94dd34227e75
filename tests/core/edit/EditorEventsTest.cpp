#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/Registry.h"
#include "tests/core/FormFixture.h"

using EditorEvents = FormFixture;

TEST_F(EditorEvents, RunsOfTypingAndDeletingAreOneStepEach)
{
    type("ab");
    key(Qt::Key_Return);
    type("cd");
    EXPECT_EQ(text(), "ab\r\ncd");
    EXPECT_EQ(form->StatusPanelText(0), " 2: 3");
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral("変更あり"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), "ab");  // the break and what followed it
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(redo(), "ab");
    EXPECT_EQ(undo(), "");  // undoes again what the redo reapplied
    EXPECT_EQ(redo(), "ab");
    EXPECT_EQ(redo(), "ab\r\ncd");
    EXPECT_FALSE(form->UndoManager->CanRedo());
    EXPECT_EQ(redo(), "ab\r\ncd");  // nothing past the newest entry

    load("\x93\xfa\x96\x7b\x8c\xea\r\nabc", 6);  // 日本語 / abc
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    key(Qt::Key_Delete);  // the break
    key(Qt::Key_Delete);
    EXPECT_EQ(text(),
              "\x93\xfa"
              "bc");
    EXPECT_EQ(undo(), "\x93\xfa\x96\x7b\x8c\xea\r\nabc");
    EXPECT_FALSE(form->UndoManager->CanUndo());
}

TEST_F(EditorEvents, EnterReadsAutoIndentAndCtrlEnterIsABareBreak)
{
    TRegistry reg;
    reg.OpenKey(form->RegKey, true);
    reg.WriteBool("AutoIndent", false);
    load("  \\item a");
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "  \\item a\r\n");

    reg.WriteBool("AutoIndent", true);
    reg.CloseKey();
    key(Qt::Key_Return, Qt::ControlModifier);
    key(Qt::Key_Insert);  // never into overwrite mode
    // A typed backslash would open the command-assist pop-up.
    form->InsertText("\\item x");
    key(Qt::Key_Return);
    EXPECT_EQ(text(), "  \\item a\r\n\r\n\\item x\r\n\\item ");
    EXPECT_EQ(ed->SelStart(), int(text().size()));
}

TEST_F(EditorEvents, InsertTextOverASelectionIsTwoEdits)
{
    load("hello world");
    ed->Select(0, 5);
    form->InsertText("X\r\nY");
    EXPECT_EQ(text(), "X\r\nY world");
    EXPECT_EQ(ed->SelStart(), 4);
    EXPECT_TRUE(form->CaretNotAtLineStart());
    EXPECT_EQ(undo(), " world");
    EXPECT_EQ(undo(), "hello world");

    // At the length limit nothing is deleted for an insertion that cannot follow.
    ed->SetMaxLength(12);
    ed->Select(0, 1);
    form->InsertText("long text");
    EXPECT_EQ(text(), "hello world");
    ed->SetMaxLength(512000);

    // A selection made before the history was reset (a jump to a line).
    load("line1\r\nline2\r\nline3");
    ed->Select(7, 5);
    form->UndoManager->Reset();
    type("Z");
    EXPECT_EQ(undo(), "line1\r\n\r\nline3");
    EXPECT_EQ(undo(), "line1\r\nline2\r\nline3");
}

TEST_F(EditorEvents, InputMethodCommitIsOneStepAndBlanksGoInAfresh)
{
    int changes = 0;
    auto handler = ed->OnChange;
    ed->OnChange = [&] { ++changes, handler(); };
    load("ab", 1);
    changes = 0;
    commitIme("\x93\xfa\x96\x7b");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(undo(), "ab");

    changes = 0;
    commitIme("\x93\xfa\x81\x40\x96\x7b");  // 日　本: inserted again for the blank's mark
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(text(),
              "a\x93\xfa\x81\x40\x96\x7b"
              "b");
    EXPECT_EQ(ed->SelStart(), 7);
    EXPECT_EQ(undo(), "ab");
    EXPECT_FALSE(form->UndoManager->CanUndo());
}

TEST_F(EditorEvents, BusyKeepsInputOutAndItsSelectionChangesAreCaughtUp)
{
    load("abcdefgh");
    ed->Select(2, 3);
    form->Busy = true;
    type("x");
    key(Qt::Key_Backspace);
    commitIme("\x93\xfa");
    form->MenuEditPasteClick();
    form->MenuEditDeleteClick();
    ed->Select(8, 0);  // as recolouring puts the caret back
    form->Busy = false;
    EXPECT_EQ(text(), "abcdefgh");
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(form->UndoManager->Queue().top, 1);
    EXPECT_EQ(undo(), "abcdefgh");
}

TEST_F(EditorEvents, CutAndPasteKeepCodesButNotInvalidBytes)
{
    // A stray lead byte before an NEC-selected IBM code, then NEC row 13.
    load("\xee\xed\x40\x87\x90|");
    form->AutoColor = false;
    ed->Select(0, 5);
    form->MenuEditCutClick();
    EXPECT_EQ(text(), "|");
    ed->Select(1, 0);
    form->MenuEditPasteClick();
    EXPECT_EQ(text(), "|?\xed\x40\x87\x90");
    ed->Select(1, 5);
    form->MenuEditCopyClick();
    ed->Select(0, 0);
    form->MenuEditPasteClick();
    EXPECT_EQ(text(), "?\xed\x40\x87\x90|?\xed\x40\x87\x90");
    EXPECT_EQ(undo(), "|?\xed\x40\x87\x90");
}

TEST_F(EditorEvents, ClipboardCommandsAndTheirMenus)
{
    load("\x93\xfa\x96\x7b abc");
    form->AutoColor = false;
    QGuiApplication::clipboard()->clear();
    form->MenuEditClick();
    form->PopupMenu1Popup();
    EXPECT_FALSE(form->Item("MenuEditUndo")->isEnabled());
    EXPECT_FALSE(form->Item("PopupUndo")->isEnabled());
    EXPECT_FALSE(form->Item("MenuEditCut")->isEnabled());
    EXPECT_FALSE(form->Item("PopupPaste")->isEnabled());

    ed->Select(0, 4);
    form->MenuEditCopyClick();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("日本"));
    form->MenuEditCutClick();
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ny〜"));
    ed->Select(int(text().size()), 0);
    form->MenuEditPasteClick();
    EXPECT_EQ(text(), " abcx\r\ny\x81\x60");
    EXPECT_EQ(ed->SelStart(), int(text().size()));

    ed->Select(0, 1);
    form->MenuEditClick();
    form->PopupMenu1Popup();
    EXPECT_TRUE(form->Item("MenuEditUndo")->isEnabled());
    EXPECT_TRUE(form->Item("PopupUndo")->isEnabled());  // the recorder's, not the control's
    EXPECT_FALSE(form->Item("MenuEditRedo")->isEnabled());
    EXPECT_TRUE(form->Item("PopupDelete")->isEnabled());
    EXPECT_TRUE(form->Item("MenuEditPaste")->isEnabled());
    EXPECT_EQ(undo(), " abc");
    EXPECT_EQ(undo(), "\x93\xfa\x96\x7b abc");
    form->MenuEditClick();
    EXPECT_TRUE(form->Item("MenuEditRedo")->isEnabled());
}

TEST_F(EditorEvents, FontDialogWritesTheSettingsAndKeepsTheHistoryInStep)
{
    load("abcdef");
    type("g");
    ed->Select(1, 2);
    form->AutoColor = true;
    ask::setFontAnswerer([](const QFont&) { return ask::FontAnswer{true, QFont("IPAexGothic", 15)}; });
    form->MenuOptionFontClick();
    ask::setFontAnswerer({});
    EXPECT_FALSE(form->Busy);
    EXPECT_EQ(ed->font().pointSize(), 15);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(form->RegKey, false));
    EXPECT_EQ(reg.ReadInteger("FontSize"), 15);
    EXPECT_EQ(reg.ReadString("FontName"), ed->font().family());
    EXPECT_FALSE(reg.ReadBool("FontStyleBold"));
    reg.CloseKey();
    // The selection collapsed to the caret while the recorder was not told.
    key(Qt::Key_Backspace);
    EXPECT_EQ(text(), "bcdefg");
    EXPECT_EQ(undo(), "abcdefg");
    EXPECT_EQ(undo(), "abcdef");
}

TEST_F(EditorEvents, DropsMoveOrCopy)
{
    load("abc def ghi");
    ed->Select(0, 3);
    dropSelection(8, false);  // before "ghi"
    EXPECT_EQ(text(), " def abcghi");
    EXPECT_EQ(undo(), " def ghi");
    EXPECT_EQ(undo(), "abc def ghi");

    ed->Select(0, 3);
    dropSelection(11, true);
    EXPECT_EQ(text(), "abc def ghiabc");
    ASSERT_EQ(form->UndoManager->Queue().top, 1);
    EXPECT_EQ(form->UndoManager->Queue().Entry(1)->mode, UndoQueue::ModeAdd);
    EXPECT_EQ(undo(), "abc def ghi");
}

TEST_F(EditorEvents, EveryInsertionTheLimitRefusesIsSaidInTheStatusBar)
{
    const QString said =
        QStringLiteral("入力すると文書の大きさが上限の 512000 バイトを超えるので、実行しませんでした。");
    std::string full;
    while (full.size() + 12 <= 511999) full += "0123456789\r\n";
    full.append(511999 - full.size(), 'a');
    load(full);
    type("b");  // the last byte that fits
    full += "b";
    ASSERT_EQ(text(), full);
    EXPECT_EQ(form->StatusPanelText(3), "");

    QGuiApplication::clipboard()->setText("pasted");
    const std::pair<const char*, std::function<void()>> roads[] = {
        {"key", [&] { type("c"); }},
        {"Enter", [&] { key(Qt::Key_Return); }},
        {"input method", [&] { commitIme("\x93\xfa"); }},
        {"paste", [&] { form->MenuEditPasteClick(); }},
        {"menu command", [&] { form->Item("MenuFormatFbox")->trigger(); }},
        {"drop copying a selection",
         [&] {
             ed->Select(0, 3);
             dropSelection(100, true);
         }},
    };
    for (const auto& [name, act] : roads) {
        SCOPED_TRACE(name);
        form->SetStatusPanel(3, "");
        ed->Select(10, 0);
        act();
        EXPECT_EQ(text(), full);
        EXPECT_EQ(form->StatusPanelText(3), said);
    }

    // Copied text carrying an invalid byte, refused: the refusal is what the
    // user reads, not that the byte became "?".
    auto* copied = new QMimeData;
    copied->setData("application/x-quillmark-cp932", QByteArray("x\x81 y"));
    copied->setText("x y");
    QGuiApplication::clipboard()->setMimeData(copied);
    form->SetStatusPanel(3, "");
    form->MenuEditPasteClick();
    EXPECT_EQ(text(), full);
    EXPECT_EQ(form->StatusPanelText(3), said);
}
