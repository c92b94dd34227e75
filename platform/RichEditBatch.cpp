// Many replacements of one length by one text, made as a single edit.  Replace
// All relies on it: one document edit per hit, each splicing the whole-text
// copy and the line table and raising events that copy the text again, costs
// time in proportion to hits times document size.  Here Qt's document is
// edited back to front inside one edit block, and the text document takes all
// the replacements as one change.
#include "platform/Cp932.h"
#include "platform/RichEditImpl.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

using richedit::InternalEdit;
using richedit::Span;

namespace {

// A replaced stretch of one line, in QChar offsets of the line before.
struct Cut {
    int from = 0, to = 0;
};

// The line's spans once each cut has become `inserted` characters: what lies
// outside the cuts keeps its format and moves with the text, the inserted
// characters have none until they are coloured.
std::vector<Span> spansAfterCuts(const std::vector<Span>& spans, const std::vector<Cut>& cuts, int inserted)
{
    if (spans.empty()) return {};
    std::vector<Span> out;
    // The pieces of the line that survive, with the shift each gets.
    int kept = 0, shift = 0;
    auto keep = [&](int from, int to) {
        for (const Span& s : spans) {
            const int a = std::max(s.start, from), b = std::min(s.start + s.length, to);
            if (a >= b) continue;
            if (!out.empty() && out.back().format == s.format && out.back().start + out.back().length == a + shift) {
                out.back().length += b - a;
                continue;
            }
            Span t = s;
            t.start = a + shift;
            t.length = b - a;
            out.push_back(t);
        }
    };
    for (const Cut& c : cuts) {
        keep(kept, c.from);
        kept = c.to;
        shift += inserted - (c.to - c.from);
    }
    keep(kept, std::numeric_limits<int>::max());
    return out;
}

}  // namespace

void TRichEdit::ReplaceRanges(const std::vector<int>& starts, int length, const std::string& text)
{
    if (starts.empty()) return;
    const QString replacement = cp932::decode(text);
    const int inserted = int(replacement.size());

    // Where each range lies, line by line, in Qt's terms, read from the
    // document before any of it changes.
    struct LineCuts {
        int line = 0;
        std::vector<int> byteStarts;  // offsets in the line's bytes
        std::vector<Cut> cuts;
        int blockPosition = 0;
    };
    std::vector<LineCuts> touched;
    for (const int start : starts) {
        const int line = d->model.lineOfPosition(start);
        if (touched.empty() || touched.back().line != line) touched.push_back({line, {}, {}, 0});
        touched.back().byteStarts.push_back(start - d->model.lineStart(line));
    }
    QTextBlock block;
    int blockLine = -1;
    for (LineCuts& t : touched) {
        // Near lines are reached by stepping, far ones by the document's index.
        if (blockLine >= 0 && t.line - blockLine <= 64) {
            while (blockLine < t.line) {
                block = block.next();
                ++blockLine;
            }
        } else {
            block = d->doc->findBlockByNumber(t.line);
            blockLine = t.line;
        }
        t.blockPosition = block.position();
        const Impl::Line& l = d->lines[size_t(t.line)];
        if (d->model.lineLength(t.line) == l.chars) {
            for (const int b : t.byteStarts) t.cuts.push_back({b, b + length});
            continue;
        }
        // One walk over the line's characters finds every range in it.
        const QString chars = block.text();
        int bytes = 0, i = 0;
        for (const int b : t.byteStarts) {
            while (i < chars.size() && bytes < b) bytes += richedit::charBytes(chars[i++].unicode());
            const int from = i;
            while (i < chars.size() && bytes < b + length) bytes += richedit::charBytes(chars[i++].unicode());
            t.cuts.push_back({from, i});
        }
    }

    if (!d->wrapAnywhere && Impl::holdsLongRun(text)) d->setWrapAnywhere(true);
    {
        InternalEdit scope(d->internalEdit);
        ++d->ignoreDocument;
        QTextCursor c(d->doc);
        c.beginEditBlock();
        for (auto t = touched.rbegin(); t != touched.rend(); ++t) {
            for (auto cut = t->cuts.rbegin(); cut != t->cuts.rend(); ++cut) {
                c.setPosition(t->blockPosition + cut->from);
                c.setPosition(t->blockPosition + cut->to, QTextCursor::KeepAnchor);
                if (replacement.isEmpty())
                    c.removeSelectedText();
                else
                    c.insertText(replacement);
            }
        }
        c.endEditBlock();
        --d->ignoreDocument;
    }

    // The line entries follow the cuts; the document splices the bytes.
    for (const LineCuts& t : touched) {
        Impl::Line& l = d->lines[size_t(t.line)];
        for (const Cut& cut : t.cuts) l.chars += inserted - (cut.to - cut.from);
        l.spans = spansAfterCuts(l.spans, t.cuts, inserted);
        // Qt dropped the edited blocks' layouts with their formats.
        d->markStale(t.line);
    }
    d->model.replaceRanges(starts, length, text);
    for (const LineCuts& t : touched) {
        Impl::Line& l = d->lines[size_t(t.line)];
        d->unmarkRuns(l);
        d->markRuns(l, d->model.line(t.line));
    }
    d->followRuns(true);
    d->pendingChange = true;
    d->flush();
}
