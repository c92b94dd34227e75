#pragma once
// Multi-level undo: watches the editor's events, works out what text was
// inserted or deleted where, and keeps the edits in a bounded history.
//
// The recorder infers each edit from the key that caused it and the
// selection before it, because that is what lets a run of typing or of
// Backspaces become one undo step.  Every inference is checked against the
// real old and new texts; an edit the events do not explain (a missed
// selection change, a programmatic replacement, a drop) is recorded as the
// true difference instead, so the history always replays onto the text it
// was recorded from.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/undo/UndoQueue.h"
#include "platform/TextDocument.h"

class TRichEdit;

// What the recorder needs from an editor.  Positions are byte offsets into
// Text().  Select and SetSelText are expected to raise the editor's events
// as a user's edit would.
struct UndoEditor {
    virtual ~UndoEditor() = default;
    virtual std::string Text() const = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void Select(int start, int length) = 0;
    // False, changing nothing, when the editor refuses the text.
    virtual bool SetSelText(const std::string& text) = 0;

    // An editor that knows where its text changed saves the recorder from
    // copying and comparing the whole text on every change.  Revision()
    // counts the text's changes (-1: not counted).  LastChange, asked from
    // the change event, gives the revision `base` since which only the bytes
    // between the first `start` and the last `tail` ones have changed.
    virtual long Revision() const { return -1; }
    virtual bool LastChange(long& base, int& start, int& tail) const { return false; }
    virtual int TextLength() const { return int(Text().size()); }
    virtual std::string TextRange(int start, int end) const
    {
        return Text().substr(size_t(start), size_t(end - start));
    }
    // Makes the replacements (ascending, apart, positions in the current
    // text) as one edit where the editor can; here one after another from
    // the back, so that the positions before each stay true.  False when the
    // editor refused one.
    virtual bool ReplaceSpans(const std::vector<TextDocument::Replacement>& spans)
    {
        for (auto r = spans.rbegin(); r != spans.rend(); ++r) {
            Select(r->start, r->length);
            if (!SetSelText(r->text)) return false;
        }
        return true;
    }
};

class MultiUndo {
public:
    explicit MultiUndo(TRichEdit* edit);
    explicit MultiUndo(UndoEditor* edit);  // not owned
    ~MultiUndo();
    MultiUndo(const MultiUndo&) = delete;
    MultiUndo& operator=(const MultiUndo&) = delete;

    void Reset();
    void OnKeyDown(int key);
    void OnSelectionChange();
    void OnChange();
    bool CanUndo() const;
    bool CanRedo() const;
    std::pair<int, int> Undo();
    std::pair<int, int> Redo();

    // Takes the editor's selection as the one last reported.  Called where no
    // edit is under way (before a key or mouse press, after a period in which
    // selection events were not passed on) so that a selection change the
    // recorder did not see cannot be mistaken for the next edit's.
    void SyncSelection();

    // Replace All edits the text in one go with the events masked.  Before
    // it, CatchUp brings the recorder up to the editor's text; after it,
    // RecordReplacements records it as one entry: every hit (hits: ascending
    // positions in the text before) replaced, together with any stray byte
    // the editor had to change beside one.  The editor must already hold the
    // text after.  One Undo takes it all back, one Redo puts it all back.
    void CatchUp() { catchUp(); }
    void RecordReplacements(const std::vector<int>& hits, int hitLength, const std::string& replacement);
    // The edits recorded between the two, each going on at or behind the
    // place of the one before (as Replace All's one-by-one road does), are
    // one entry of the history, however many they are.
    void BeginGroup();
    void EndGroup();

    const UndoQueue& Queue() const { return *queue; }

private:
    enum : int { KeyOther = 0, KeyDelete = 1, KeyBack = 2, KeyEnter = 3 };

    // The new text, told as what replaced which bytes of prevText: the
    // `removed` bytes at `start` became `added`.  The whole text is the case
    // start 0, removed all.
    struct Edited {
        const std::string& before;
        int start = 0;
        int removed = 0;
        std::string added;
        int size() const { return int(before.size()) - removed + int(added.size()); }
        // Whether the n bytes of s are those of the new text at pos.
        bool holds(int pos, const char* s, int n) const;
        std::string substr(int pos, int n) const;
        std::string whole() const;
    };
    // Records the change from prevText to text; false when nothing changed.
    bool record(const Edited& text);
    bool recordInferred(const Edited& text);
    void recordDifference(const std::string& text);
    // Whether replacing del bytes of prevText at pos by ins bytes of text at
    // pos turns prevText into text.
    bool explains(const Edited& text, int pos, int del, int ins) const;
    // Brings the baseline up to the editor's text, recording any change that
    // arrived without a change event.
    void catchUp();
    bool replay(int k, bool undoing, std::pair<int, int>& range);
    bool replayPieces(int k, bool undoing, std::pair<int, int>& range);
    // Runs a replayed edit with the recorder held off and takes the text as
    // it then stands; a refused one puts the history's place back.
    bool replayed(const std::function<bool()>& step);

    // Where recordings go: the history, or the group being gathered.
    void breakGroup();
    void addInsert(int start, int end, const std::string& text);
    void addDelete(int start, int end, const std::string& text);
    void addBackDelete(int start, int end, const std::string& text);
    void addReplace(int start, const std::string& removed, const std::string& inserted);
    // A stretch of a replacement while it is gathered: positions in the text
    // before the first of its edits.
    struct Stretch {
        int start = 0;
        std::string removed, inserted;
    };
    struct Gathered {
        std::vector<Stretch> stretches;  // ascending, apart
        int shift = 0;                   // what they add to the text's length
    };
    // Adds the edit (at pos of the text of this moment, removed bytes
    // replaced by inserted ones) to the stretches, merging those it touches.
    static void compose(Gathered& gathered, int pos, const std::string& removed, const std::string& inserted);
    static UndoQueue::undoData entryOf(const std::vector<Stretch>& stretches);
    // One entry of the stretches that change something; false when none does.
    bool addStretches(std::vector<Stretch>& stretches);
    bool grouping = false;
    Gathered group;

    int dragMove = 0;
    int dragOldStart = 0, dragOldLength = 0;
    int dragNewStart = 0, dragNewLength = 0;
    int lastKey = KeyOther;
    std::string prevText;
    long prevRevision = -1;  // the editor's revision that prevText is
    int selStart = 0, selLength = 0;
    int prevSelStart = 0, prevSelLength = 0;
    bool lastWasUndo = false, lastWasRedo = false;
    int step = 0;
    std::unique_ptr<UndoQueue> queue;
    std::unique_ptr<UndoEditor> ownedEdit;
    UndoEditor* edit;
    bool busy = false;
};
