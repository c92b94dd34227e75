#pragma once
// The text of one document as the program sees it: CP932 bytes in logical
// lines, CR LF between them, every position a byte offset (a double-byte
// character counts 2, a break 2).  No widget and no Qt type lives here; the
// editor control renders a TextDocument and keeps it in step with what the
// user types, and everything that reads the text (undo, colouring, the
// outline, search) reads it from here.
//
// Each change counts one revision and is told to the listeners as the span
// it touched: against the text of revision `base`, the first `start` bytes
// and the last `tail` bytes are unchanged.  Listeners run after the change,
// with the document already holding the new text.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TextDocument {
public:
    struct Change {
        long base = 0;  // the revision the span is measured against
        int start = 0;  // bytes unchanged at the front
        int tail = 0;   // bytes unchanged at the back
    };
    using Listener = std::function<void(const Change&)>;

    TextDocument();
    TextDocument(const TextDocument&) = delete;
    TextDocument& operator=(const TextDocument&) = delete;

    // ---- reading ----
    int lineCount() const { return int(lines_.size()); }
    // The line's bytes without its break; empty past the last line.
    const std::string& line(int i) const;
    int lineLength(int i) const { return int(line(i).size()); }
    // First byte of the line; the length of the text past the last line.
    int lineStart(int i) const;
    // The line holding the position (clamped to the text); a position on the
    // CR or the LF of a break belongs to the line the break ends.
    int lineOfPosition(int pos) const;
    int length() const { return length_; }
    // The whole text; the reference stays valid until the next change.
    const std::string& text() const;
    std::string range(int start, int end) const;  // clamped
    long revision() const { return revision_; }

    // ---- changing ----
    // Lines of a text broken at CR LF, a lone CR and a lone LF alike.
    static std::vector<std::string> splitLines(std::string_view text);
    // Replaces everything; a lone CR or LF becomes a CR LF break.
    void setText(std::string text);
    void setLines(std::vector<std::string> lines);  // at least one line
    // Replaces `count` lines from `first` by `fresh` (at least one line).
    // The caller may say that the first `keepFront` bytes of the first line
    // and the last `keepBack` bytes of the last line are the ones those lines
    // had, so that the change is told as the bytes it really touched.
    void replaceLines(int first, int count, std::vector<std::string> fresh, int keepFront = 0, int keepBack = 0);
    // One stretch of a batch: `length` bytes at `start` become `text`.
    struct Replacement {
        int start = 0;
        int length = 0;
        std::string text;
    };
    // Makes every replacement (ascending, not overlapping, positions in the
    // text before) as one change.  Neither the ranges nor the texts may hold
    // a break, so every line keeps its place.
    void replaceSpans(const std::vector<Replacement>& spans);

    // ---- listeners ----
    // Listening changes nothing, so a reader holding the document const may.
    int subscribe(Listener listener) const;  // returns the id unsubscribe takes
    void unsubscribe(int id) const;

private:
    void changed(int start, int tail);

    std::vector<std::string> lines_;
    int length_ = 0;
    long revision_ = 0;
    // Byte starts of the lines, valid below startsValid_; recomputed lazily
    // from the first line whose length changed, so a keystroke near the end
    // of a long text costs nothing here.
    mutable std::vector<int> starts_;
    mutable size_t startsValid_ = 0;
    // The whole text, spliced by edits while valid and rebuilt on demand.
    mutable std::string whole_;
    mutable bool wholeValid_ = false;

    mutable std::vector<std::pair<int, Listener>> listeners_;
    mutable int nextListener_ = 1;
};
