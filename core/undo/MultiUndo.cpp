#include "core/undo/MultiUndo.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#include "platform/Cp932.h"
#include "platform/RichEdit.h"

namespace {

// The text, its length and revisions are read from the editor's document;
// selection and editing go through the control, which raises the events.
class RichEditUndoEditor final : public UndoEditor {
public:
    explicit RichEditUndoEditor(TRichEdit* e) : e_(e), doc_(e->Document()) {}
    std::string Text() const override { return doc_.text(); }
    int SelStart() const override { return e_->SelStart(); }
    int SelLength() const override { return e_->SelLength(); }
    void Select(int start, int length) override { e_->Select(start, length); }
    bool SetSelText(const std::string& text) override { return e_->SetSelText(text); }
    long Revision() const override { return doc_.revision(); }
    bool LastChange(long& base, int& start, int& tail) const override
    {
        const TRichEdit::ChangedSpan span = e_->LastChange();
        base = span.base;
        start = span.start;
        tail = span.tail;
        return true;
    }
    int TextLength() const override { return doc_.length(); }
    std::string TextRange(int start, int end) const override { return doc_.range(start, end); }
    bool ReplaceSpans(const std::vector<TextDocument::Replacement>& spans) override
    {
        // The limit is the whole replacement's to meet, not each step's.
        long long length = doc_.length();
        bool breaks = false;
        const std::string_view all = doc_.text();
        for (const TextDocument::Replacement& r : spans) {
            length += (long long)r.text.size() - r.length;
            breaks = breaks || r.text.find_first_of("\r\n") != std::string::npos ||
                     all.substr(size_t(r.start), size_t(r.length)).find_first_of("\r\n") != std::string_view::npos;
        }
        if (length > e_->MaxLength()) return false;
        if (spans.size() > 1 && !breaks) {
            e_->ReplaceSpans(spans);
            return true;
        }
        const int limit = e_->MaxLength();
        e_->SetMaxLength(std::numeric_limits<int>::max());
        const bool done = UndoEditor::ReplaceSpans(spans);
        e_->SetMaxLength(limit);
        return done;
    }

private:
    TRichEdit* e_;
    const TextDocument& doc_;
};

// Length of the common prefix, compared a block at a time.
size_t commonPrefix(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    constexpr size_t kBlock = 256;
    size_t i = 0;
    while (i + kBlock <= n && std::memcmp(a.data() + i, b.data() + i, kBlock) == 0) i += kBlock;
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

size_t commonSuffix(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    constexpr size_t kBlock = 256;
    size_t i = 0;
    while (i + kBlock <= n &&
           std::memcmp(a.data() + a.size() - i - kBlock, b.data() + b.size() - i - kBlock, kBlock) == 0)
        i += kBlock;
    while (i < n && a[a.size() - 1 - i] == b[b.size() - 1 - i]) ++i;
    return i;
}

size_t lineStartBefore(const std::string& t, size_t pos)
{
    if (pos == 0) return 0;
    const size_t lf = t.rfind('\n', pos - 1);
    return lf == std::string::npos ? 0 : lf + 1;
}

// Whether pos starts a character (never inside a double-byte one).
bool isCharBoundary(const std::string& t, size_t pos)
{
    if (pos == 0 || pos >= t.size()) return true;
    return cp932::charStart(t, lineStartBefore(t, pos), pos) == pos;
}

}  // namespace

bool MultiUndo::Edited::holds(int pos, const char* s, int n) const
{
    if (pos < 0 || n < 0 || pos + n > size()) return false;
    const int addedEnd = start + int(added.size());
    while (n > 0) {
        const char* from;
        int take;
        if (pos < start) {
            from = before.data() + pos;
            take = std::min(n, start - pos);
        } else if (pos < addedEnd) {
            from = added.data() + (pos - start);
            take = std::min(n, addedEnd - pos);
        } else {
            from = before.data() + (pos - addedEnd + start + removed);
            take = n;
        }
        if (std::memcmp(from, s, size_t(take)) != 0) return false;
        pos += take;
        s += take;
        n -= take;
    }
    return true;
}

std::string MultiUndo::Edited::substr(int pos, int n) const
{
    std::string out;
    n = std::max(0, std::min(n, size() - pos));
    out.reserve(size_t(n));
    const int addedEnd = start + int(added.size());
    for (; n > 0;) {
        int take;
        if (pos < start) {
            take = std::min(n, start - pos);
            out.append(before, size_t(pos), size_t(take));
        } else if (pos < addedEnd) {
            take = std::min(n, addedEnd - pos);
            out.append(added, size_t(pos - start), size_t(take));
        } else {
            take = n;
            out.append(before, size_t(pos - addedEnd + start + removed), size_t(take));
        }
        pos += take;
        n -= take;
    }
    return out;
}

std::string MultiUndo::Edited::whole() const { return substr(0, size()); }

MultiUndo::MultiUndo(TRichEdit* e)
    : queue(std::make_unique<UndoQueue>()), ownedEdit(std::make_unique<RichEditUndoEditor>(e)), edit(ownedEdit.get())
{
}

MultiUndo::MultiUndo(UndoEditor* e) : queue(std::make_unique<UndoQueue>()), edit(e) {}

MultiUndo::~MultiUndo() = default;

void MultiUndo::Reset()
{
    queue->Reset();
    lastKey = KeyOther;
    prevText = edit->Text();
    prevRevision = edit->Revision();
    // The actual selection, so that typing over a selection made before the
    // reset (a jump to a line, say) is recorded as a replacement.
    selStart = edit->SelStart();
    selLength = edit->SelLength();
    prevSelStart = prevSelLength = 0;
    dragMove = 0;
    dragOldStart = dragOldLength = dragNewStart = dragNewLength = 0;
    lastWasUndo = lastWasRedo = false;
    busy = false;
}

void MultiUndo::OnKeyDown(int key)
{
    switch (key) {
        case VK_DELETE: lastKey = KeyDelete; break;
        case VK_BACK: lastKey = KeyBack; break;
        case VK_RETURN: lastKey = KeyEnter; break;
        default: lastKey = KeyOther; break;
    }
}

void MultiUndo::SyncSelection()
{
    selStart = edit->SelStart();
    selLength = edit->SelLength();
    prevSelLength = 0;
    dragMove = 0;
}

void MultiUndo::OnSelectionChange()
{
    if (busy) return;  // Undo and Redo resynchronise when they are done
    const int s = edit->SelStart();
    const int l = edit->SelLength();
    if (s == selStart && l == selLength) return;
    if (s != selStart && l == selLength && l != 0) {
        dragMove = 1;
        dragOldStart = selStart;
        dragOldLength = selLength;
        dragNewStart = s;
        dragNewLength = l;
    } else {
        dragMove = 0;
    }
    if (selLength >= 1) {
        prevSelStart = selStart;
        prevSelLength = selLength;
    } else {
        prevSelLength = 0;
    }
    selStart = s;
    selLength = l;
}

void MultiUndo::OnChange()
{
    // A keystroke changes a few bytes of a text of up to half a megabyte:
    // when the editor says where, only those bytes are read and compared.
    const long revision = edit->Revision();
    const int P = int(prevText.size());
    long base = 0;
    int start = 0, tail = 0;
    if (revision >= 0 && prevRevision >= 0 && edit->LastChange(base, start, tail) && base <= prevRevision) {
        const int N = edit->TextLength();
        if (start >= 0 && tail >= 0 && start + tail <= std::min(P, N)) {
            Edited text{prevText, start, P - start - tail, edit->TextRange(start, N - tail)};
            if (!busy && record(text)) lastWasUndo = lastWasRedo = false;
            prevText.replace(size_t(start), size_t(text.removed), text.added);
            prevRevision = revision;
            return;
        }
    }
    Edited text{prevText, 0, P, edit->Text()};
    if (!busy && record(text)) lastWasUndo = lastWasRedo = false;
    prevText = std::move(text.added);
    prevRevision = revision;
}

bool MultiUndo::explains(const Edited& text, int pos, int del, int ins) const
{
    const long long P = static_cast<long long>(prevText.size()), N = text.size();
    if (pos < 0 || del < 0 || ins < 0 || pos + del > P || pos + ins > N) return false;
    const long long tail = P - pos - del;
    if (tail != N - pos - ins) return false;
    // Before the edited stretch and after it the two texts agree already.
    const int same = text.start;
    const long long sameTail = P - text.start - text.removed;
    if (pos > same && !text.holds(same, prevText.data() + same, pos - same)) return false;
    const long long check = tail - sameTail;
    return check <= 0 || text.holds(pos + ins, prevText.data() + pos + del, int(check));
}

bool MultiUndo::record(const Edited& text)
{
    if (text.removed == int(text.added.size()) &&
        prevText.compare(size_t(text.start), size_t(text.removed), text.added) == 0) {
        dragMove = 0;
        prevSelLength = 0;
        return false;
    }
    if (recordInferred(text)) return true;
    if (text.start == 0 && text.removed == int(prevText.size()))
        recordDifference(text.added);
    else
        recordDifference(text.whole());
    return true;
}

bool MultiUndo::recordInferred(const Edited& T)
{
    const int c = edit->SelStart();
    const int N = int(T.size()), P = int(prevText.size());

    if (prevSelLength != 0) {
        // The edit replaced the selection reported before it.  Consumed here:
        // a later edit that moves no selection must not see it again.
        const int ps = prevSelStart, pl = prevSelLength;
        prevSelLength = 0;
        if (dragMove != 1) {
            const int inserted = c - ps;
            const int deleted = inserted + (P - N);
            if (deleted == pl && inserted >= 0 && explains(T, ps, deleted, inserted)) {
                const std::string removed = prevText.substr(size_t(ps), size_t(deleted));
                // The text without the selection never stood on the screen; it
                // is no step of the history where it would join a stray byte
                // with its neighbour.
                if (inserted > 0 && cp932::removalJoinsStrayByte(prevText, size_t(ps), size_t(ps + deleted))) {
                    addReplace(ps, removed, T.substr(ps, inserted));
                    return true;
                }
                breakGroup();
                addDelete(ps, ps + deleted, removed);
                if (inserted > 0) addInsert(ps, c, T.substr(ps, inserted));
                return true;
            }
        } else {
            dragMove = 0;
            const int os = dragOldStart, ol = dragOldLength, ns = dragNewStart, nl = dragNewLength;
            if (os >= 0 && ol > 0 && os + ol <= P && ns >= 0 && nl == ol) {
                const std::string moved = prevText.substr(size_t(os), size_t(ol));
                if (N == P + ol) {
                    // A copy: the text stays where it was and appears again.
                    if (explains(T, ns, 0, ol) && T.holds(ns, moved.data(), ol)) {
                        breakGroup();
                        addInsert(ns, ns + ol, moved);
                        return true;
                    }
                } else if (N == P && ns + ol <= N && !cp932::removalJoinsStrayByte(prevText, size_t(os), size_t(os + ol))) {
                    std::string expected = prevText;
                    expected.erase(size_t(os), size_t(ol));
                    expected.insert(size_t(ns), moved);
                    if (int(expected.size()) == N && T.holds(0, expected.data(), N)) {
                        addDelete(os, os + ol, moved);
                        addInsert(ns, ns + nl, moved);
                        return true;
                    }
                }
            }
        }
    }
    dragMove = 0;

    if (N > P) {
        const int I = N - P;
        if (!explains(T, c - I, 0, I)) return false;
        if (lastKey == KeyEnter) breakGroup();
        lastKey = KeyOther;
        addInsert(c - I, c, T.substr(c - I, I));
        return true;
    }
    const int D = P - N;
    if (D == 0 || !explains(T, c, D, 0)) return false;
    if (lastKey == KeyDelete) {
        addDelete(c, c + D, prevText.substr(size_t(c), size_t(D)));
        return true;
    }
    if (lastKey == KeyBack) {
        addBackDelete(c, c + D, prevText.substr(size_t(c), size_t(D)));
        return true;
    }
    return false;
}

void MultiUndo::recordDifference(const std::string& T)
{
    const size_t P = prevText.size(), N = T.size();
    size_t p = commonPrefix(prevText, T);
    p = cp932::charStart(prevText, lineStartBefore(prevText, p), p);
    size_t s = std::min(commonSuffix(prevText, T), std::min(P, N) - p);
    while (s > 0 && !(isCharBoundary(prevText, P - s) && isCharBoundary(T, N - s))) --s;
    const size_t del = P - p - s, ins = N - p - s;
    // One change the events do not explain is one step: the text between a
    // deletion and an insertion was never on the screen.
    if (del > 0 && ins > 0) {
        addReplace(int(p), prevText.substr(p, del), T.substr(p, ins));
    } else {
        breakGroup();
        if (del > 0) addDelete(int(p), int(p + del), prevText.substr(p, del));
        if (ins > 0) addInsert(int(p), int(p + ins), T.substr(p, ins));
    }
    lastKey = KeyOther;
}

void MultiUndo::breakGroup()
{
    if (!grouping) queue->BreakGroup();
}

void MultiUndo::addInsert(int start, int end, const std::string& text)
{
    if (grouping)
        compose(group, start, {}, text);
    else
        queue->AddInsert(start, end, text);
}

void MultiUndo::addDelete(int start, int end, const std::string& text)
{
    if (grouping)
        compose(group, start, text, {});
    else
        queue->AddDelete(start, end, text);
}

void MultiUndo::addBackDelete(int start, int end, const std::string& text)
{
    if (grouping)
        compose(group, start, text, {});
    else
        queue->AddBackDelete(start, end, text);
}

void MultiUndo::addReplace(int start, const std::string& removed, const std::string& inserted)
{
    if (grouping) {
        compose(group, start, removed, inserted);
        return;
    }
    queue->AddReplace(entryOf({{start, removed, inserted}}));
}

void MultiUndo::compose(Gathered& gathered, int pos, const std::string& removed, const std::string& inserted)
{
    std::vector<Stretch>& stretches = gathered.stretches;
    const int R = int(removed.size());
    const int growth = int(inserted.size()) - R;
    // The usual case, an edit behind every stretch so far, is added as it is.
    if (stretches.empty() ||
        pos > stretches.back().start + int(stretches.back().removed.size()) + gathered.shift) {
        stretches.push_back({pos - gathered.shift, removed, inserted});
        gathered.shift += growth;
        return;
    }
    // Where each stretch stands in the text of this moment.
    std::vector<int> afterStart(stretches.size());
    int shift = 0;
    for (size_t i = 0; i < stretches.size(); ++i) {
        afterStart[i] = stretches[i].start + shift;
        shift += int(stretches[i].inserted.size()) - int(stretches[i].removed.size());
    }
    auto afterEnd = [&](size_t i) { return afterStart[i] + int(stretches[i].inserted.size()); };
    // The stretches the edit touches or meets: a..b-1.
    size_t a = 0;
    while (a < stretches.size() && afterEnd(a) < pos) ++a;
    size_t b = a;
    while (b < stretches.size() && afterStart[b] <= pos + R) ++b;
    gathered.shift += growth;
    const int shiftBefore = a < stretches.size() ? afterStart[a] - stretches[a].start : shift;
    if (a == b) {
        stretches.insert(stretches.begin() + std::ptrdiff_t(a), Stretch{pos - shiftBefore, removed, inserted});
        return;
    }
    Stretch merged;
    const size_t last = b - 1;
    // What the text before held over the merged stretch: the edit's own
    // removed bytes where they reach past the stretches (and between them),
    // the stretches' removed bytes where they stood.
    merged.start = std::min(pos, afterStart[a]) - shiftBefore;
    if (pos < afterStart[a]) merged.removed = removed.substr(0, size_t(afterStart[a] - pos));
    for (size_t i = a; i <= last; ++i) {
        merged.removed += stretches[i].removed;
        if (i < last)
            merged.removed += removed.substr(size_t(afterEnd(i) - pos), size_t(afterStart[i + 1] - afterEnd(i)));
    }
    if (pos + R > afterEnd(last)) merged.removed += removed.substr(size_t(afterEnd(last) - pos));
    // What it holds now: the stretches' bytes before and after the edit.
    if (pos > afterStart[a]) merged.inserted = stretches[a].inserted.substr(0, size_t(pos - afterStart[a]));
    merged.inserted += inserted;
    if (pos + R < afterEnd(last))
        merged.inserted += stretches[last].inserted.substr(size_t(pos + R - afterStart[last]));
    stretches.erase(stretches.begin() + std::ptrdiff_t(a), stretches.begin() + std::ptrdiff_t(b));
    stretches.insert(stretches.begin() + std::ptrdiff_t(a), std::move(merged));
}

UndoQueue::undoData MultiUndo::entryOf(const std::vector<Stretch>& stretches)
{
    UndoQueue::undoData entry;
    entry.pieces.reserve(stretches.size());
    for (const Stretch& st : stretches) {
        entry.pieces.push_back({st.start, int(st.removed.size()), int(st.inserted.size())});
        entry.text += st.removed;
        entry.inserted += st.inserted;
    }
    return entry;
}

bool MultiUndo::addStretches(std::vector<Stretch>& stretches)
{
    // A stretch that came out as it went in (a hit replaced by its own
    // bytes) is no change to take back.
    stretches.erase(std::remove_if(stretches.begin(), stretches.end(),
                                   [](const Stretch& st) { return st.removed == st.inserted; }),
                    stretches.end());
    if (stretches.empty()) return false;
    queue->AddReplace(entryOf(stretches));
    return true;
}

void MultiUndo::BeginGroup()
{
    catchUp();
    grouping = true;
    group = {};
}

void MultiUndo::EndGroup()
{
    if (!grouping) return;
    grouping = false;
    if (addStretches(group.stretches)) lastWasUndo = lastWasRedo = false;
    group = {};
}

void MultiUndo::catchUp()
{
    std::string text = edit->Text();
    prevRevision = edit->Revision();
    if (text == prevText) return;
    recordDifference(text);
    prevText = std::move(text);
    lastWasUndo = lastWasRedo = false;
    SyncSelection();
}

void MultiUndo::RecordReplacements(const std::vector<int>& hits, int hitLength, const std::string& replacement)
{
    if (busy || hits.empty()) return;
    std::string text = edit->Text();
    const int shift = int(replacement.size()) - hitLength;
    Gathered replaced;
    for (size_t k = 0; k < hits.size(); ++k) {
        int at = hits[k];
        std::string removed = prevText.substr(size_t(at), size_t(hitLength));
        std::string inserted = replacement;
        // The byte before a hit, unless another hit took it, is the one a
        // stray byte kept apart from the replacement may have become "?".
        const int before = at - 1;
        const int now = before + int(k) * shift;
        if (before >= 0 && (k == 0 || before >= hits[k - 1] + hitLength) && now < int(text.size()) &&
            prevText[size_t(before)] != text[size_t(now)]) {
            removed.insert(0, 1, prevText[size_t(before)]);
            inserted.insert(0, 1, text[size_t(now)]);
            at = before;
        }
        compose(replaced, at + int(k) * shift, removed, inserted);
    }
    // The entry must turn the text before into the text after; if it does
    // not, the true difference is recorded instead.
    std::string check;
    check.reserve(text.size());
    size_t copied = 0;
    for (const Stretch& st : replaced.stretches) {
        check.append(prevText, copied, size_t(st.start) - copied);
        check += st.inserted;
        copied = size_t(st.start) + st.removed.size();
    }
    check.append(prevText, std::min(copied, prevText.size()), std::string::npos);
    if (check != text)
        recordDifference(text);
    else
        addStretches(replaced.stretches);
    if (!replacement.empty()) lastKey = KeyOther;
    lastWasUndo = lastWasRedo = false;
    prevText = std::move(text);
    prevRevision = edit->Revision();
    SyncSelection();
}

bool MultiUndo::CanUndo() const
{
    if (lastWasUndo) return queue->GetMode(step + 1) != UndoQueue::ModeNone;
    if (lastWasRedo) return queue->GetMode(step) != UndoQueue::ModeNone;
    return queue->GetMode(1) != UndoQueue::ModeNone;
}

bool MultiUndo::CanRedo() const
{
    if (lastWasUndo) return step >= 1 && queue->GetMode(step) != UndoQueue::ModeNone;
    if (lastWasRedo) return step >= 2 && queue->GetMode(step - 1) != UndoQueue::ModeNone;
    return false;
}

std::pair<int, int> MultiUndo::Undo()
{
    catchUp();
    std::pair<int, int> range{0, 0};
    int k;
    if (lastWasUndo) {
        if (queue->GetMode(step + 1) == UndoQueue::ModeNone) return range;
        k = step + 1;
    } else if (lastWasRedo) {
        k = step;
    } else {
        k = 1;
    }
    const UndoQueue::undoData* entry = queue->Entry(k);
    if (!entry) {
        step = k;
        lastWasRedo = false;
        lastWasUndo = true;
        return range;
    }
    if (!replay(k, true, range)) return {0, 0};
    step = k;
    lastWasRedo = false;
    lastWasUndo = true;
    return range;
}

std::pair<int, int> MultiUndo::Redo()
{
    catchUp();
    std::pair<int, int> range{0, 0};
    if (!lastWasUndo && !lastWasRedo) return range;
    int k = step;
    if (lastWasRedo) {
        if (step <= 1) return range;  // the newest entry is already in effect
        k = step - 1;
    }
    const UndoQueue::undoData* entry = queue->Entry(k);
    if (!entry) return range;
    if (!replay(k, false, range)) return {0, 0};
    step = k;
    lastWasUndo = false;
    lastWasRedo = true;
    return range;
}

// Replays entry k: undoing removes an insertion and puts a deletion back,
// redoing does the opposite.  The entry must still describe the text; if it
// does not, the history no longer matches the document and replaying it
// would edit the wrong place, so the history is reset instead.  A replay the
// editor refuses (the length limit) leaves the walk where it was.
bool MultiUndo::replay(int k, bool undoing, std::pair<int, int>& range)
{
    const UndoQueue::undoData* entry = queue->Entry(k);
    if (entry->mode == UndoQueue::ModeReplace) return replayPieces(k, undoing, range);
    const bool isInsertion = entry->mode == UndoQueue::ModeAdd;
    const bool removing = isInsertion == undoing;
    const size_t len = entry->text.size();
    const bool fits = entry->start >= 0 && (removing ? size_t(entry->start) + len <= prevText.size() &&
                                                           prevText.compare(size_t(entry->start), len, entry->text) == 0
                                                     : size_t(entry->start) <= prevText.size());
    if (!fits) {
        Reset();
        return false;
    }

    return replayed([&] {
        int start = 0, end = 0;
        std::string text;
        if (isInsertion)
            queue->GetAdd(k, undoing, start, end, text);
        else
            queue->GetDelete(k, undoing, start, text);
        if (undoing) queue->BreakGroup();
        edit->Select(start, removing ? int(text.size()) : 0);
        const bool ok = edit->SetSelText(removing ? std::string() : text);
        range = removing ? std::pair<int, int>{start, start} : std::pair<int, int>{start, start + int(text.size())};
        return ok;
    });
}

bool MultiUndo::replayed(const std::function<bool()>& step)
{
    const int savedCurrent = queue->current;
    busy = true;
    if (edit->SelLength() > 0) edit->Select(edit->SelStart(), 0);
    const bool ok = step();
    busy = false;
    prevText = edit->Text();
    prevRevision = edit->Revision();
    SyncSelection();
    if (!ok) queue->current = savedCurrent;
    return ok;
}

// A replacement is replayed in one go: undoing puts every piece's removed
// bytes back in place of its inserted ones, redoing the other way round.
bool MultiUndo::replayPieces(int k, bool undoing, std::pair<int, int>& range)
{
    const UndoQueue::undoData& entry = *queue->Entry(k);
    std::vector<TextDocument::Replacement> spans;
    spans.reserve(entry.pieces.size());
    int shift = 0;
    size_t removedAt = 0, insertedAt = 0;
    bool fits = true;
    for (const UndoQueue::Piece& p : entry.pieces) {
        if (p.removed < 0 || p.inserted < 0 || removedAt + size_t(p.removed) > entry.text.size() ||
            insertedAt + size_t(p.inserted) > entry.inserted.size()) {
            fits = false;
            break;
        }
        const std::string_view removed(entry.text.data() + removedAt, size_t(p.removed));
        const std::string_view inserted(entry.inserted.data() + insertedAt, size_t(p.inserted));
        const int at = undoing ? p.start + shift : p.start;
        const std::string_view present = undoing ? inserted : removed;
        fits = fits && at >= 0 && size_t(at) + present.size() <= prevText.size() &&
               prevText.compare(size_t(at), present.size(), present) == 0;
        spans.push_back({at, int(present.size()), std::string(undoing ? removed : inserted)});
        shift += p.inserted - p.removed;
        removedAt += size_t(p.removed);
        insertedAt += size_t(p.inserted);
    }
    if (!fits || removedAt != entry.text.size() || insertedAt != entry.inserted.size()) {
        Reset();
        return false;
    }

    return replayed([&] {
        int start = 0, end = 0;
        std::string unused;
        queue->GetAdd(k, undoing, start, end, unused);
        if (undoing) queue->BreakGroup();
        const bool ok = edit->ReplaceSpans(spans);
        // The range runs from the first piece to the end of the last one as
        // the text now stands; the caret ends behind the last.
        const TextDocument::Replacement& lastSpan = spans.back();
        const UndoQueue::Piece& lastPiece = entry.pieces.back();
        const int lastEnd = undoing ? lastPiece.start + lastPiece.removed
                                    : lastSpan.start + shift - (lastPiece.inserted - lastPiece.removed) +
                                          lastPiece.inserted;
        range = {spans.front().start, lastEnd};
        if (ok) edit->Select(lastEnd, 0);
        return ok;
    });
}
