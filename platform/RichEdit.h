#pragma once
// The editor control.  It wraps a QPlainTextEdit and presents the model the
// program is written against: the text is CP932 bytes with CR LF between
// lines, and every position and length is a byte offset into it (a
// double-byte character counts 2, a line break 2).  No Qt position ever
// leaves this class.
//
// Lines are the logical lines between CR LF, whether word wrap is on or not.
// Positions are clamped to the text; a position inside a double-byte
// character is snapped to the character's start.  A position between the CR
// and the LF of a break is snapped to the position before the CR unless the
// caller asks otherwise (see BreakSide).
//
// Events, in the order the undo recorder relies on: for every edit, first
// OnSelectionChange (when the selection differs from the last one reported),
// then OnChange.  SetEventMask(0) suppresses both; formats never raise them.
// A drag that moves text inside the editor is reported as the selection
// moving to the text's new place (same length), then one change.
//
// Every road that inserts text (typing, paste, drops, the input method,
// SetSelText) converts it to CP932 and is refused whole when the result would
// pass MaxLength.
//
// Text copied or dragged out of the editor carries the selection's bytes
// beside its Unicode text, so that a copy pasted into the editor keeps the
// exact codes of its characters (CP932's duplicate codes included).  An
// invalid byte does not travel: pasted or moved elsewhere it becomes "?",
// and other programs see it as U+FFFD (see cp932::withoutInvalidBytes).
//
// A stray byte (an invalid byte, shown as a character of its own) is a cell
// that nothing joins.  A stray lead byte is harmless only while the byte
// after it does not complete it: written out and read back, the two would be
// one character the screen never showed.  So whenever an edit, on any road
// (typing, the input method, Delete and Backspace, a deleted line break,
// cut, paste, drops, SetSelText, batches, undo and redo), would leave a stray
// lead byte right before a byte that completes it, the stray byte becomes
// "?", on the screen and in the bytes, as part of that same edit, so the
// change event reports both and the undo history takes both back together.
// OnInvalidBytesReplaced then tells how many invalid bytes had to change,
// moved or pasted ones included.  Undo and redo restore texts that held
// their stray bytes apart already, so they never meet the rule.
//
// The editor's context menu is left to the owner
// (customContextMenuRequested); Qt's own undo is off.
#include <QColor>
#include <QFont>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextDocument.h"

// Character format of a range, as the colouring and the IME hook use it.
struct CharFormat {
    unsigned color = 0;  // 0x00BBGGRR, as the settings store keeps colours
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const CharFormat&) const = default;
};

// What GetSelFormat found over a range: the format of its first character and
// whether each attribute is the same over all of it.
struct RangeFormat {
    CharFormat format;
    bool colorUniform = true;
    bool boldUniform = true, italicUniform = true, underlineUniform = true, strikeOutUniform = true;
};

// A byte range and the format it gets (SetFormats).
struct FormatSpan {
    int start = 0;
    int length = 0;
    CharFormat format;
};

// Key codes handed to OnKeyDown, as the program counts them.
enum : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_ESCAPE = 27,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F1 = 112,
    VK_F12 = 123,
};
// Shift state bits.
enum : int { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

// Which side of a CR LF pair a position that falls between them is put on.
enum class BreakSide { BeforeCR, AfterLF };

// Event mask bits (SetEventMask).
enum : int { ENM_NONE = 0, ENM_CHANGE = 1, ENM_SELCHANGE = 2, ENM_ALL = 3 };

class TRichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);
    ~TRichEdit() override;

    // ---- text ----
    // The document the control shows: lines, positions, revisions and the
    // change listeners, for readers that need no widget.  Changed only
    // through the control.
    const TextDocument& Document() const;
    std::string Text() const;  // whole text, CP932, CR LF
    // Replaces everything and raises the events; sets the modified flag (the
    // loader clears it).  The bytes of each line are kept as given, so a
    // line never edited comes back from Text() byte for byte.  A lone CR or
    // LF also breaks the line and comes back as CR LF.  Not cut at MaxLength.
    void SetText(const std::string& text);
    int GetTextLen() const;  // bytes
    std::string TextRange(int start, int end) const;
    // The whole text without a copy; valid until the text next changes.
    std::string_view TextView() const;

    // ---- what changed ----
    // Counts the changes of the text, starting from 0.
    long Revision() const;
    // Where the text changed since the revision `base`: its first `start`
    // bytes and its last `tail` bytes are still those of that revision.
    struct ChangedSpan {
        long base = 0;
        int start = 0;
        int tail = 0;
    };
    // The changes reported by the change event being raised (or by the last
    // one): read from an OnChange handler, it tells the handler which bytes
    // to look at instead of the whole text.  Once the text has changed again
    // it names the whole text.
    ChangedSpan LastChange() const;

    // ---- lines (logical, between CR LF) ----
    int LineCount() const;
    int LineFromChar(int pos) const;   // pos -1 = the caret's line
    int LineIndex(int line) const;     // first position of the line; -1 past the last line
    int LineLength(int line) const;    // bytes, without the break
    std::string Line(int line) const;  // without the break
    int FirstVisibleLine() const;
    void LineScroll(int lines);
    void ScrollCaret();

    // ---- selection ----
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int pos);      // collapses the selection
    void SetSelLength(int length);  // from SelStart
    void Select(int start, int length, BreakSide side = BreakSide::BeforeCR);
    void SetCaret(int pos, BreakSide side);
    std::string SelText() const;
    // Replaces the selection with the text (CP932, CR LF).  Raises the
    // events.  Returns false, changing nothing, when the result would exceed
    // MaxLength.
    bool SetSelText(const std::string& text);
    void SelectAllText();
    // Replaces `length` bytes at each of `starts` (positions in the current
    // text, ascending, not overlapping, on character boundaries) by `text`,
    // as one edit: one change event, the selection left where Qt's cursor
    // carries it.  Neither the ranges nor `text` may hold a line break.  No
    // length limit is applied: the caller has checked it.
    void ReplaceRanges(const std::vector<int>& starts, int length, const std::string& text);
    // The same with a length and a text of its own for each range.
    void ReplaceSpans(const std::vector<TextDocument::Replacement>& spans);
    void HideSelection(bool hide);
    // What pasting the clipboard's (or a drop's) data inserts: CP932 with
    // CR LF breaks; empty when it holds no text.  copy() puts the selection
    // on the clipboard in the form this reads back; the invalid bytes it
    // carried, now "?", are counted in *invalidReplaced.
    static std::string PastedText(const QMimeData* source, int* invalidReplaced = nullptr);

    // ---- formats (never touch text, undo, modified flag or events) ----
    void SetFormat(int start, int length, const CharFormat& format);
    RangeFormat GetFormat(int start, int length) const;
    CharFormat FormatAt(int pos) const;
    // The format of text no SetFormat has reached (including text typed later).
    void SetDefaultFormat(const CharFormat& format);
    // Drops every format back to the default one.
    void ClearFormats();
    // Applies many ranges at once: the same result as SetFormat for each in
    // turn, but each line's byte-to-character mapping is walked once and a
    // line whose formats come out unchanged is left alone.  The ranges must
    // be in ascending order and must not overlap.
    void SetFormats(const std::vector<FormatSpan>& spans) { SetFormats(spans.data(), spans.size()); }
    void SetFormats(const FormatSpan* spans, size_t count);

    // ---- state ----
    bool Modified() const;
    void SetModified(bool modified);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int bytes) { maxLength_ = bytes; }
    int EventMask() const { return eventMask_; }
    void SetEventMask(int mask) { eventMask_ = mask; }
    bool WordWrap() const;
    void SetWordWrap(bool on);
    void SetEditorFont(const QFont& font);
    void SetBackColor(unsigned bgr);
    void SetTabStops(int distance);  // pixels between stops
    bool CanUndo() const;            // the control's own one-step undo (always off here)
    void EmptyUndoBuffer();

    // ---- input method ----
    bool Composing() const { return composing_; }

    // ---- events ----
    std::function<void()> OnChange;
    std::function<void()> OnSelectionChange;
    // Before the key is handled; setting key to 0 swallows it.
    std::function<void(int& key, int shift)> OnKeyDown;
    // For a typed character (one byte, ASCII); setting it to 0 swallows it.
    std::function<void(char& key)> OnKeyPress;
    std::function<void(int key, int shift)> OnKeyUp;
    std::function<void()> OnMouseDown;
    std::function<void()> OnMouseUp;
    std::function<void()> OnImeStartComposition;
    std::function<void()> OnImeEndComposition;
    // Invalid bytes that an edit turned into "?" (see the rule above), told
    // once the edit's own events are raised, whatever the event mask.
    std::function<void(int count)> OnInvalidBytesReplaced;
    // Files dropped on the editor are handed on (to the main window).
    std::function<void(const QStringList& files)> OnDropFiles;
    // Text typed, composed, pasted or dropped was refused at MaxLength.
    std::function<void()> OnRefused;

    // Position mapping, for the few widget-level callers (context menus,
    // caret rectangle).  Byte offset <-> Qt document position.
    int toQtPosition(int bytePos) const;
    int fromQtPosition(int qtPos) const;
    QRect CaretRect() const;  // in widget coordinates

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    int maxLength_ = 512000;
    int eventMask_ = ENM_ALL;
    bool composing_ = false;
};
