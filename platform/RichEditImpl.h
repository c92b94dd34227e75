#pragma once
// Private state of TRichEdit, shared by its RichEdit*.cpp files.
//
// The text itself is the TextDocument `model`: lines of CP932 bytes, byte
// positions, revisions.  Beside it the adapter keeps what only rendering
// needs, one entry per block (a logical line): the line's length in QChars
// and its character formats.  The two lists always have the same length;
// every edit of Qt's document is spliced into both.
#include "platform/RichEdit.h"
#include "platform/TextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QPalette>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace richedit {
class EditorLayout;
// A run of characters of one line whose format is not the default one.
struct Span {
    int start = 0, length = 0;  // QChar offsets in the block
    CharFormat format;
};
}  // namespace richedit

struct TRichEdit::Impl {
    explicit Impl(TRichEdit* owner);

    using Span = richedit::Span;
    struct Line {
        int chars = 0;             // QChars in the block's text
        std::vector<Span> spans;   // sorted and disjoint
        bool layoutStale = false;  // spans not yet handed to the block's layout
        // The characters whose colour-only spans the layout was handed, for
        // a line of many spans (see applyLayout); windowTo < 0: all spans.
        int windowFrom = 0, windowTo = -1;
        bool longRun = false;  // holds a run no line can be broken in (see below)
    };

    TRichEdit* q;
    QTextDocument* doc;
    richedit::EditorLayout* layout = nullptr;  // doc's layout, owned by doc
    TextDocument model;
    std::vector<Line> lines;  // parallel to the model's lines

    // ---- change tracking ----
    bool spanPending = false;             // changes not yet reported by OnChange
    TRichEdit::ChangedSpan pendingSpan;   // those changes, against their base
    TRichEdit::ChangedSpan reportedSpan;  // what the last OnChange reported
    long reportedAt = 0;                  // the revision it reported
    // Gathers the model's changes until the next change event reports them.
    void noteChange(const TextDocument::Change& change);

    void rebuildFrom(std::string text);  // after setPlainText of its decoded form
    void rebuildFromDocument();          // re-encodes every block (fallback)
    // For the long line last asked about, whose bytes and characters differ:
    // the byte offset of every kMarkStride-th character, so that a position
    // is found from the nearest mark, not from the line's start.  Made by one
    // walk over the line the first time it is asked for after a change.
    static constexpr int kMarkStride = 256;
    mutable int marksLine = -1;
    mutable long marksRevision = -1;
    mutable std::vector<int> marks;
    const std::vector<int>* marksOf(int line) const;
    int charsToBytes(int line, const QTextBlock& block, int charOffset) const;
    // Byte offset inside the line -> QChar offset; snaps back to a character start.
    int bytesToChars(int line, const QTextBlock& block, int byteOffset) const;
    // Calls visit(line, firstChar, endChar) for every line the byte range
    // [from, to) covers, with the characters of the line it covers.
    template <class Visit>
    void forEachLineIn(int from, int to, Visit visit) const;
    int snap(int pos, BreakSide side) const;
    int toQt(int pos, BreakSide side) const;
    int fromQt(int qtPos) const;

    // ---- following Qt's document ----
    int ignoreDocument = 0;  // our own setPlainText and format refreshes
    // Bytes we are inserting, so that the codes of the inserted text are kept
    // exactly as given rather than re-encoded (CP932 has duplicate codes).
    struct Injection {
        int qtPos = -1;
        int chars = 0;
        std::string bytes;  // breaks as CR LF
    };
    const Injection* injection = nullptr;
    void onContentsChange(int position, int removed, int added);

    // ---- wrapping ----
    // Qt's wrapping at word boundaries looks for the end of a word before it
    // breaks one too long for a line, from every line it makes: a run of
    // thousands of letters with no blank in it costs the square of its
    // length each time its line is laid out.  While the text holds such a
    // run, lines wrap at any character instead.
    static bool holdsLongRun(std::string_view bytes);
    int longRunLines = 0;
    bool wrapAnywhere = false;
    bool wrapQueued = false;
    // Sets the line's flag from its bytes, keeping the count.
    void markRuns(Line& line, const std::string& bytes);
    void unmarkRuns(const Line& line) { longRunLines -= line.longRun; }
    // The wrap mode the runs ask for: at once when `now` (never from inside
    // Qt's change report), otherwise on the next turn of the event loop.
    void followRuns(bool now);
    void setWrapAnywhere(bool anywhere);
    // ---- stray bytes kept apart (the rule in RichEdit.h) ----
    // Looks at the characters [from, to) of a line's new text, whose bytes
    // start at byte `at` of the line's new bytes: each stray lead byte that
    // the byte after it would complete becomes "?" in the bytes, and its
    // character is queued to become "?" on the screen too.  Returns how many.
    int keepStrayBytesApart(std::string& bytes, const QString& text, int from, int to, size_t at, int blockPosition);
    std::vector<QTextCursor> strayCells;  // on the screen, each still its stray byte's character
    int straysReplaced = 0;               // not yet told to OnInvalidBytesReplaced
    void showStraysReplaced();            // at the flush that ends the edit

    // ---- events ----
    int internalEdit = 0;  // >0 while we or Qt change the document on our behalf
    bool pendingChange = false;
    int lastSelStart = 0, lastSelEnd = 0;
    bool modified = false;
    void currentSelection(int* start, int* end) const;
    void flush();  // raise the pending selection-change and change events
    bool replaceSelection(const std::string& normalisedBytes);
    // The same for what the user types, composes, pastes or drops: a text
    // refused at the limit is reported (OnRefused).
    bool input(const std::string& normalisedBytes);
    // Puts the bytes in place of the cursor's selection, with no limit and no events.
    void rawInsert(QTextCursor& cursor, const std::string& normalisedBytes);
    bool insertTyped(const QString& text);

    // ---- formats ----
    CharFormat defaultFormat;
    bool refreshQueued = false;
    bool selectionHidden = false;
    bool paletteSwapped = false;  // the selection colours are the hidden ones
    QPalette savedPalette;        // selection colours while hidden
    mutable std::unordered_map<uint32_t, QTextCharFormat> qtFormats;  // by CharFormat, see toQt
    const QTextCharFormat& toQt(const CharFormat& f) const;
    void setLineFormat(int line, int from, int to, const CharFormat& f);
    // The same for many pieces of one line (QChar offsets), in ascending
    // order and not overlapping.
    void setLineFormats(int line, const Span* pieces, size_t count);
    int linesWaiting = 0;      // lines whose formats wait, at least
    void markStale(int line);  // the line's formats wait; a refresh is queued
    // Hands the formats waiting to the lines in view: when painting, just
    // before the paint lays them out; otherwise (refreshLayouts, queued by
    // every format change) laid out and repainted now.  Lines out of view
    // keep theirs waiting until they come into view, so that colouring a
    // whole text hands Qt the formats of the lines shown, not of them all.
    void applyWaitingFormats(bool painting);
    void refreshLayouts() { applyWaitingFormats(false); }
    // Hands the line's formats to the block's layout, which drops its lines.
    void applyLayout(int line, const QTextBlock& block);
    // The block's characters in the viewport, by its laid-out lines; false
    // when it has none.
    bool charsInView(const QTextBlock& block, int* from, int* to) const;
    // Whether a line whose layout holds a window of its spans shows
    // characters outside that window.
    bool windowLeftBehind(int line, const QTextBlock& block) const;
    void applyDefaultFormat();

    // ---- input method ----
    int preeditLine = -1;                           // the line showing preedit text
    QList<QTextLayout::FormatRange> preeditRanges;  // the preedit's own formats
};

// Helpers shared by the adapter's files.
namespace richedit {
// Marks a stretch in which document and cursor changes are ours (or Qt's on
// our behalf), so that their signals wait for the explicit flush at its end.
struct InternalEdit {
    explicit InternalEdit(int& depth) : depth_(depth) { ++depth_; }
    ~InternalEdit() { --depth_; }
    InternalEdit(const InternalEdit&) = delete;
    InternalEdit& operator=(const InternalEdit&) = delete;
    int& depth_;
};

// Bytes a character of the document takes in CP932.
int charBytes(char16_t c);
// Text with every CR LF, lone CR and lone LF turned into CR LF.
std::string normaliseBreaks(const std::string& text);
// The spans of a line that lie before `at`, cut there.
std::vector<Span> spansBefore(const std::vector<Span>& spans, int at);
// The spans from `from` on, moved so that `from` becomes `to`.
std::vector<Span> spansFrom(const std::vector<Span>& spans, int from, int to);
}  // namespace richedit
