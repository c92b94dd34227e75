// Character formats.  They live in the lines' span lists and are handed to
// the block layouts as additional formats, the way a syntax highlighter
// does it, so the text, the modified flag and the events are never touched.
// Layouts are refreshed once per turn of the event loop, so that colouring a
// whole document relayouts each block once rather than once per token.
#include "platform/RichEdit.h"

#include "platform/BgrColor.h"
#include "platform/RichEditImpl.h"
#include "platform/RichEditLayout.h"

#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <limits>

const QTextCharFormat& TRichEdit::Impl::toQt(const CharFormat& f) const
{
    // A document uses a handful of formats over and over; each is built once
    // and shared, so that handing a line's formats to its layout allocates
    // nothing and Qt finds them in its collection by their cached hash.
    const uint32_t key = (f.color & 0xFFFFFFu) | (f.bold ? 1u << 24 : 0) | (f.italic ? 1u << 25 : 0) |
                         (f.underline ? 1u << 26 : 0) | (f.strikeOut ? 1u << 27 : 0);
    auto [it, fresh] = qtFormats.try_emplace(key);
    if (fresh) {
        QTextCharFormat& q = it->second;
        q.setForeground(bgrColor(f.color));
        q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
        q.setFontItalic(f.italic);
        q.setFontUnderline(f.underline);
        q.setFontStrikeOut(f.strikeOut);
    }
    return it->second;
}

void TRichEdit::Impl::setLineFormat(int line, int from, int to, const CharFormat& f)
{
    const Span piece{from, to - from, f};
    setLineFormats(line, &piece, 1);
}

void TRichEdit::Impl::setLineFormats(int line, const Span* pieces, size_t count)
{
    // One pass over the line's spans and the pieces together: a line of
    // many tokens takes many pieces, and each must not cost a pass of its own.
    const std::vector<Span>& spans = lines[size_t(line)].spans;
    std::vector<Span> out;
    out.reserve(spans.size() + count + 2);
    auto add = [&](int start, int end, const CharFormat& format) {
        if (start >= end || format == defaultFormat) return;
        if (!out.empty() && out.back().format == format && out.back().start + out.back().length == start)
            out.back().length = end - out.back().start;
        else
            out.push_back(Span{start, end - start, format});
    };
    size_t next = 0;
    // The line's own spans over [from, to), where no piece lies.
    auto keep = [&](int from, int to) {
        while (next < spans.size() && spans[next].start + spans[next].length <= from) ++next;
        for (size_t k = next; k < spans.size() && spans[k].start < to; ++k) {
            const int end = spans[k].start + spans[k].length;
            add(std::max(spans[k].start, from), std::min(end, to), spans[k].format);
            if (end > to) break;
            next = k + 1;
        }
    };
    int kept = 0;
    for (size_t i = 0; i < count; ++i) {
        const Span& p = pieces[i];
        if (p.length <= 0) continue;
        keep(kept, p.start);
        add(p.start, p.start + p.length, p.format);
        kept = std::max(kept, p.start + p.length);
    }
    keep(kept, std::numeric_limits<int>::max());
    if (out.size() == spans.size() &&
        std::equal(out.begin(), out.end(), spans.begin(), [](const Span& a, const Span& b) {
            return a.start == b.start && a.length == b.length && a.format == b.format;
        }))
        return;
    lines[size_t(line)].spans.swap(out);
    markStale(line);
}

void TRichEdit::Impl::markStale(int line)
{
    Line& l = lines[size_t(line)];
    if (!l.layoutStale) {
        l.layoutStale = true;
        ++linesWaiting;
    }
    if (!refreshQueued) {
        refreshQueued = true;
        QTimer::singleShot(0, q, [this] { refreshLayouts(); });
    }
}

namespace {

// Qt's layout splits its script items at every boundary of the formats it is
// handed, one insertion into the item list each: a block of many items and
// many formats costs their product each time it is laid out.  A line with
// more spans than this hands its layout, of the spans that only colour, the
// ones near the characters in view; bold and italic, which move the text,
// always go whole, so the lines wrap alike wherever the window stands.
constexpr size_t kSpansInFull = 256;
// Characters on each side of those in view whose colours go with them.
constexpr int kWindowChars = 4096;

bool onlyColours(const CharFormat& f) { return !f.bold && !f.italic; }

}  // namespace

bool TRichEdit::Impl::charsInView(const QTextBlock& block, int* from, int* to) const
{
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) return false;
    const qreal top = q->blockBoundingGeometry(block).translated(q->contentOffset()).top();
    const qreal height = q->viewport()->height();
    *from = *to = -1;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine l = layout->lineAt(i);
        const qreal y = top + l.y();
        if (y + l.height() < 0) continue;
        if (y > height) break;
        if (*from < 0) *from = l.textStart();
        *to = l.textStart() + l.textLength();
    }
    return *from >= 0;
}

bool TRichEdit::Impl::windowLeftBehind(int line, const QTextBlock& block) const
{
    const Line& l = lines[size_t(line)];
    if (l.windowTo < 0) return false;
    int from = 0, to = 0;
    return charsInView(block, &from, &to) && (from < l.windowFrom || to > l.windowTo);
}

void TRichEdit::Impl::applyLayout(int line, const QTextBlock& block)
{
    QTextLayout* layout = block.layout();
    if (!layout) return;
    Line& l = lines[size_t(line)];
    const std::vector<Span>& spans = l.spans;

    // Where the window stands: around the characters in view, or around the
    // caret when the block is not laid out (an edit has just dropped its
    // lines).  A window that still holds them stays where it is.
    if (spans.size() > kSpansInFull) {
        int from = 0, to = 0;
        bool known = charsInView(block, &from, &to);
        if (!known) {
            const QTextCursor caret = q->textCursor();
            if (caret.block() == block) {
                from = to = caret.positionInBlock();
                known = true;
            }
        }
        const bool holds = l.windowTo >= 0 && known && from >= l.windowFrom && to <= l.windowTo;
        if (!holds && (known || l.windowTo < 0)) {
            l.windowFrom = std::max(0, from - kWindowChars);
            l.windowTo = to + kWindowChars;
        }
    } else {
        l.windowTo = -1;
    }
    auto handed = [&](const Span& s) {
        return l.windowTo < 0 || !onlyColours(s.format) || (s.start < l.windowTo && s.start + s.length > l.windowFrom);
    };

    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(qsizetype(std::min(spans.size(), size_t(4 * kWindowChars))));
    // While composing, the layout holds the preedit text at the caret: the
    // formats after it move past it, and the preedit keeps its own.
    const bool composing = line == preeditLine && !layout->preeditAreaText().isEmpty();
    const int at = composing ? layout->preeditAreaPosition() : 0;
    const int shift = composing ? int(layout->preeditAreaText().size()) : 0;
    for (const Span& s : spans) {
        if (!handed(s)) continue;
        const QTextCharFormat& f = toQt(s.format);
        const int end = s.start + s.length;
        if (!composing || end <= at) {
            ranges.append({s.start, s.length, f});
        } else if (s.start >= at) {
            ranges.append({s.start + shift, s.length, f});
        } else {
            ranges.append({s.start, at - s.start, f});
            ranges.append({at + shift, end - at, f});
        }
    }
    if (composing) ranges.append(preeditRanges);
    layout->setFormats(ranges);
    if (l.layoutStale && linesWaiting > 0) --linesWaiting;
    l.layoutStale = false;
}

void TRichEdit::Impl::applyWaitingFormats(bool painting)
{
    if (!painting) {
        refreshQueued = false;
        // Edits carry or drop waiting lines without counting them.
        linesWaiting = int(std::count_if(lines.begin(), lines.end(), [](const Line& l) { return l.layoutStale; }));
    }
    // The lines in view, from the first visible block on, by the line counts
    // Qt keeps (no block is laid out to find them); two lines more than the
    // viewport holds make up for a first block scrolled partly out of view.
    // A line whose window of formats the view has left gets a new window.
    const int spacing = std::max(1, q->fontMetrics().lineSpacing());
    int room = q->viewport()->height() / spacing + 2;
    int from = -1, to = -1, first = -1, last = -1;
    ++ignoreDocument;
    for (QTextBlock block = q->firstVisibleBlock(); block.isValid() && room > 0; block = block.next()) {
        const int line = block.blockNumber();
        if (line >= int(lines.size())) break;
        if (lines[size_t(line)].layoutStale || windowLeftBehind(line, block)) {
            applyLayout(line, block);
            if (first < 0) {
                first = line;
                from = block.position();
            }
            last = line;
            to = block.position() + block.length();
        }
        if (block.isVisible()) room -= std::max(1, block.lineCount());
    }
    if (first >= 0) {
        // The paint about to come lays the blocks out and draws them; any
        // other time they are laid out and repainted now.
        if (painting)
            layout->expectNoLayout();
        else
            layout->expect(first, last);
        doc->markContentsDirty(from, to - from);
    }
    --ignoreDocument;
}

void TRichEdit::Impl::applyDefaultFormat()
{
    QPalette p = q->palette();
    p.setColor(QPalette::Text, bgrColor(defaultFormat.color));
    q->setPalette(p);
    QFont font = q->font();
    font.setBold(defaultFormat.bold);
    font.setItalic(defaultFormat.italic);
    font.setUnderline(defaultFormat.underline);
    font.setStrikeOut(defaultFormat.strikeOut);
    q->setFont(font);
}

void TRichEdit::paintEvent(QPaintEvent* event)
{
    d->applyWaitingFormats(true);
    QPlainTextEdit::paintEvent(event);
}

template <class Visit>
void TRichEdit::Impl::forEachLineIn(int from, int to, Visit visit) const
{
    const int firstLine = model.lineOfPosition(from);
    const int lastLine = model.lineOfPosition(to);
    QTextBlock block = doc->findBlockByNumber(firstLine);
    for (int line = firstLine; line <= lastLine && block.isValid(); ++line, block = block.next()) {
        const int lineStart = model.lineStart(line);
        const int lineBytes = model.lineLength(line);
        const int a = std::clamp(from - lineStart, 0, lineBytes);
        const int b = std::clamp(to - lineStart, 0, lineBytes);
        if (a < b) visit(line, bytesToChars(line, block, a), bytesToChars(line, block, b));
    }
}

void TRichEdit::SetFormat(int start, int length, const CharFormat& format)
{
    if (length <= 0) return;
    const int from = d->snap(start, BreakSide::BeforeCR);
    const int to = d->snap(start + length, BreakSide::AfterLF);
    if (from >= to) return;
    d->forEachLineIn(from, to, [&](int line, int ca, int cb) { d->setLineFormat(line, ca, cb, format); });
}

RangeFormat TRichEdit::GetFormat(int start, int length) const
{
    RangeFormat result;
    const int from = d->snap(start, BreakSide::BeforeCR);
    const int to = d->snap(start + std::max(length, 0), BreakSide::AfterLF);
    bool any = false;
    auto visit = [&](const CharFormat& f) {
        if (!any) {
            any = true;
            result.format = f;
            return;
        }
        const CharFormat& r = result.format;
        result.colorUniform = result.colorUniform && f.color == r.color;
        result.boldUniform = result.boldUniform && f.bold == r.bold;
        result.italicUniform = result.italicUniform && f.italic == r.italic;
        result.underlineUniform = result.underlineUniform && f.underline == r.underline;
        result.strikeOutUniform = result.strikeOutUniform && f.strikeOut == r.strikeOut;
    };
    if (from < to) {
        d->forEachLineIn(from, to, [&](int line, int ca, int cb) {
            int at = ca;
            for (const Impl::Span& s : d->lines[size_t(line)].spans) {
                const int end = s.start + s.length;
                if (end <= at) continue;
                if (s.start >= cb) break;
                if (s.start > at) visit(d->defaultFormat);
                visit(s.format);
                at = end;
                if (at >= cb) break;
            }
            if (at < cb) visit(d->defaultFormat);
        });
    }
    if (!any) result.format = FormatAt(from);
    return result;
}

CharFormat TRichEdit::FormatAt(int pos) const
{
    pos = d->snap(pos, BreakSide::BeforeCR);
    const int line = d->model.lineOfPosition(pos);
    const int offset = pos - d->model.lineStart(line);
    if (offset >= d->model.lineLength(line)) return d->defaultFormat;
    const int c = d->bytesToChars(line, document()->findBlockByNumber(line), offset);
    for (const Impl::Span& s : d->lines[size_t(line)].spans)
        if (c >= s.start && c < s.start + s.length) return s.format;
    return d->defaultFormat;
}

void TRichEdit::SetDefaultFormat(const CharFormat& format)
{
    d->defaultFormat = format;
    d->applyDefaultFormat();
}

void TRichEdit::ClearFormats()
{
    for (size_t i = 0; i < d->lines.size(); ++i)
        if (!d->lines[i].spans.empty()) {
            d->lines[i].spans.clear();
            d->markStale(int(i));
        }
}

void TRichEdit::SetEditorFont(const QFont& font)
{
    QFont f = font;
    f.setBold(d->defaultFormat.bold);
    f.setItalic(d->defaultFormat.italic);
    f.setUnderline(d->defaultFormat.underline);
    f.setStrikeOut(d->defaultFormat.strikeOut);
    setFont(f);
    d->refreshLayouts();
}

void TRichEdit::HideSelection(bool hide)
{
    if (hide == d->selectionHidden) return;
    d->selectionHidden = hide;
    // Without a selection there is nothing to hide; changing the palette
    // would restyle the widget for nothing on every coloured keystroke.
    if (hide && !textCursor().hasSelection()) return;
    if (!hide && !d->paletteSwapped) return;
    d->paletteSwapped = hide;
    QPalette p = palette();
    if (hide) {
        d->savedPalette = p;
        // The program hides the selection only for the span of one command,
        // so the selected text may take the plain text colour meanwhile.
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
            p.setBrush(g, QPalette::Highlight, p.brush(g, QPalette::Base));
            p.setBrush(g, QPalette::HighlightedText, p.brush(g, QPalette::Text));
        }
    } else {
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
            p.setBrush(g, QPalette::Highlight, d->savedPalette.brush(g, QPalette::Highlight));
            p.setBrush(g, QPalette::HighlightedText, d->savedPalette.brush(g, QPalette::HighlightedText));
        }
    }
    setPalette(p);
}
