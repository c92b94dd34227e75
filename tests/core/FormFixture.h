#pragma once
// A main window whose editor is driven the way a user drives it: key events
// into the editor widget, the commands' handlers, the clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "platform/Cp932.h"
#include "tests/app/AppFixture.h"
#include "tests/support/EditorTestUtil.h"

class FormFixture : public apptest::AppTest {
public:
    TRichEdit* ed = nullptr;

    void SetUp() override
    {
        AppTest::SetUp();
        startShown();
        ed = form->RichEdit;
    }

    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        edtest::sendKey(ed, k, mods, text);
    }
    // Types CP932 text one character at a time, as the keyboard does.
    void type(const std::string& bytes)
    {
        const QString s = cp932::decode(bytes);
        for (QChar c : s) {
            if (c == u'\r' || c == u'\n') continue;
            const ushort u = c.unicode();
            const Qt::Key k = u >= 'a' && u <= 'z' ? Qt::Key(Qt::Key_A + (u - 'a'))
                              : u < 0x80           ? Qt::Key(u)
                                                   : Qt::Key_unknown;
            key(k, Qt::NoModifier, QString(c));
        }
    }
    void commitIme(const std::string& bytes)
    {
        QInputMethodEvent composing(cp932::decode(bytes), {});
        QApplication::sendEvent(ed, &composing);
        QInputMethodEvent commit;
        commit.setCommitString(cp932::decode(bytes));
        QApplication::sendEvent(ed, &commit);
    }
    // Drops the editor's own selection at a position of the text, as a drag
    // with the mouse ends; with ctrl the text is copied instead of moved.
    void dropSelection(int at, bool ctrl)
    {
        struct Access : TRichEdit {
            using TRichEdit::createMimeDataFromSelection;
        };
        QMimeData* (TRichEdit::*mime)() const = &Access::createMimeDataFromSelection;
        std::unique_ptr<QMimeData> data((ed->*mime)());
        QTextCursor c(ed->document());
        c.setPosition(ed->toQtPosition(at));
        const QPointF point = QRectF(ed->cursorRect(c)).center();
        const Qt::DropActions action = ctrl ? Qt::CopyAction : Qt::MoveAction;
        const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
        // Qt hands a drop only to the widget that accepted the drag's entry.
        QDragEnterEvent enter(point.toPoint(), action, data.get(), Qt::LeftButton, mods);
        QApplication::sendEvent(ed->viewport(), &enter);
        QDragMoveEvent move(point.toPoint(), action, data.get(), Qt::LeftButton, mods);
        QApplication::sendEvent(ed->viewport(), &move);
        QDropEvent drop(point, action, data.get(), Qt::LeftButton, mods);
        QApplication::sendEvent(ed->viewport(), &drop);
    }
    std::string text() const { return ed->Text(); }
    // The characters the screen shows, and those the bytes hold (an invalid
    // byte as a character of its own), both in UTF-8 with CR LF breaks.
    std::string screen() const
    {
        QString shown = ed->toPlainText();
        shown.replace(QLatin1String("\n"), QLatin1String("\r\n"));
        return shown.toStdString();
    }
    static std::string shows(const std::string& bytes) { return cp932::decode(bytes).toStdString(); }
    std::string undo()
    {
        form->MenuEditUndoClick();
        return text();
    }
    std::string redo()
    {
        form->MenuEditRedoClick();
        return text();
    }
};
