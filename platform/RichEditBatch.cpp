// Many replacements made as a single edit.  Replace All and the undoing of it
// rely on it: one document edit per hit, each splicing the whole-text
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

// A replaced stretch of one line, in QChar offsets of the line before, and
// the characters that take its place.
struct Cut {
    int from = 0, to = 0;
    int inserted = 0;
};

// The line's spans once each cut has become its inserted characters: what
// lies outside the cuts keeps its format and moves with the text, the
// inserted characters have none until they are coloured.
std::vector<Span> spansAfterCuts(const std::vector<Span>& spans, const std::vector<Cut>& cuts)
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
        shift += c.inserted - (c.to - c.from);
    }
    keep(kept, std::numeric_limits<int>::max());
    return out;
}

}  // namespace

void TRichEdit::ReplaceRanges(const std::vector<int>& starts, int length, const std::string& text)
{
    std::vector<TextDocument::Replacement> spans;
    spans.reserve(starts.size());
    for (const int start : starts) spans.push_back({start, length, text});
    ReplaceSpans(spans);
}

void TRichEdit::ReplaceSpans(const std::vector<TextDocument::Replacement>& spans)
{
    if (spans.empty()) return;
    // Most batches put one text everywhere: it is decoded once.
    std::vector<QString> replacements;
    replacements.reserve(spans.size());
    for (size_t k = 0; k < spans.size(); ++k)
        replacements.push_back(k > 0 && spans[k].text == spans[k - 1].text ? replacements.back()
                                                                             : cp932::decode(spans[k].text));

    // Where each range lies, line by line, in Qt's terms, read from the
    // document before any of it changes.
    struct LineCuts {
        int line = 0;
        std::vector<size_t> spans;  // indexes into spans
        std::vector<Cut> cuts;
        int blockPosition = 0;
    };
    std::vector<LineCuts> touched;
    for (size_t k = 0; k < spans.size(); ++k) {
        const int line = d->model.lineOfPosition(spans[k].start);
        if (touched.empty() || touched.back().line != line) touched.push_back({line, {}, {}, 0});
        touched.back().spans.push_back(k);
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
        const int lineStart = d->model.lineStart(t.line);
        const Impl::Line& l = d->lines[size_t(t.line)];
        if (d->model.lineLength(t.line) == l.chars) {
            for (const size_t k : t.spans) {
                const int b = spans[k].start - lineStart;
                t.cuts.push_back({b, b + spans[k].length, int(replacements[k].size())});
            }
            continue;
        }
        // One walk over the line's characters finds every range in it.
        const QString chars = block.text();
        int bytes = 0, i = 0;
        for (const size_t k : t.spans) {
            const int b = spans[k].start - lineStart;
            while (i < chars.size() && bytes < b) bytes += richedit::charBytes(chars[i++].unicode());
            const int from = i;
            while (i < chars.size() && bytes < b + spans[k].length) bytes += richedit::charBytes(chars[i++].unicode());
            t.cuts.push_back({from, i, int(replacements[k].size())});
        }
    }

    if (!d->wrapAnywhere) {
        bool longRun = false;
        for (size_t k = 0; k < spans.size() && !longRun; ++k)
            if (k == 0 || spans[k].text != spans[k - 1].text) longRun = Impl::holdsLongRun(spans[k].text);
        if (longRun) d->setWrapAnywhere(true);
    }
    {
        InternalEdit scope(d->internalEdit);
        ++d->ignoreDocument;
        QTextCursor c(d->doc);
        c.beginEditBlock();
        for (auto t = touched.rbegin(); t != touched.rend(); ++t) {
            for (size_t n = t->cuts.size(); n-- > 0;) {
                const Cut& cut = t->cuts[n];
                const QString& replacement = replacements[t->spans[n]];
                c.setPosition(t->blockPosition + cut.from);
                c.setPosition(t->blockPosition + cut.to, QTextCursor::KeepAnchor);
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
        for (const Cut& cut : t.cuts) l.chars += cut.inserted - (cut.to - cut.from);
        l.spans = spansAfterCuts(l.spans, t.cuts);
        // Qt dropped the edited blocks' layouts with their formats.
        d->markStale(t.line);
    }
    d->model.replaceSpans(spans);

    // A stray lead byte now standing before a byte that would complete it
    // is kept apart (see the rule in RichEdit.h): the character before each
    // cut and the cut's new characters are looked at.
    for (const LineCuts& t : touched) {
        const std::string& old = d->model.line(t.line);
        if (std::none_of(old.begin(), old.end(), [](char b) { return cp932::isLeadByte(b); })) continue;
        const QTextBlock now = d->doc->findBlockByNumber(t.line);
        const QString chars = now.text();
        std::string bytes = old;
        const int lineStart = d->model.lineStart(t.line);
        int charShift = 0, byteShift = 0, fixed = 0;
        for (size_t n = 0; n < t.cuts.size(); ++n) {
            const Cut& cut = t.cuts[n];
            const TextDocument::Replacement& r = spans[t.spans[n]];
            const int from = cut.from + charShift;
            size_t at = size_t(r.start - lineStart + byteShift);
            int first = from;
            if (from > 0) {
                --first;
                at -= size_t(richedit::charBytes(chars[first].unicode()));
            }
            fixed += d->keepStrayBytesApart(bytes, chars, first, from + cut.inserted, at, now.position());
            charShift += cut.inserted - (cut.to - cut.from);
            byteShift += int(r.text.size()) - r.length;
        }
        if (fixed) {
            d->straysReplaced += fixed;
            d->model.replaceLines(t.line, 1, {std::move(bytes)});
        }
    }
    for (const LineCuts& t : touched) {
        Impl::Line& l = d->lines[size_t(t.line)];
        d->unmarkRuns(l);
        d->markRuns(l, d->model.line(t.line));
    }
    d->followRuns(true);
    d->pendingChange = true;
    d->flush();
}
