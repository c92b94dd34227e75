#pragma once
// The editor's document layout: Qt's plain-text layout, told which blocks a
// change really touched.
//
// Qt reports every change to the layout as a range of characters.  A format
// handed to a block's QTextLayout joins that range by a rule that can only
// grow it at its end, so formats set during an edit (or after it) stretch
// the range over the blocks that follow: the layout then throws their lines
// away and repaints the whole viewport, for a keystroke that changed one
// line.  The adapter knows the blocks it changed and says so first; the
// layout then lays out just those and, when they kept their height,
// repaints just them.
#include <QPlainTextDocumentLayout>
#include <QTextDocument>

namespace richedit {

class EditorLayout : public QPlainTextDocumentLayout {
public:
    explicit EditorLayout(QTextDocument* document)
        : QPlainTextDocumentLayout(document), blocks_(document->blockCount())
    {
    }

    // The next change report covers blocks `first` to `last` (block
    // numbers) and nothing else.  Two calls before a report add up.
    void expect(int first, int last);
    // The change Qt is about to report: `added` characters from `position`
    // of the new text; the blocks holding them are what changed.
    void expectEdit(int position, int added);
    // The next change report is of formats given to blocks that a paint
    // under way lays out and draws: it asks for nothing more.
    void expectNoLayout() { quiet_ = true; }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    int first_ = -1, last_ = -1;
    bool quiet_ = false;
    int blocks_;  // the block count the layout was last told of
};

}  // namespace richedit
