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
    std::vector<Span>& spans = lines[size_t(line)].spans;
    if (from >= to) return;
    std::vector<Span> out;
    out.reserve(spans.size() + 2);
    bool placed = false;
    auto place = [&] {
        if (placed) return;
        placed = true;
        if (f == defaultFormat) return;
        if (!out.empty() && out.back().format == f && out.back().start + out.back().length == from)
            out.back().length = to - out.back().start;
        else
            out.push_back(Span{from, to - from, f});
    };
    for (const Span& s : spans) {
        const int end = s.start + s.length;
        if (end <= from) {
            out.push_back(s);
            continue;
        }
        if (s.start < from) out.push_back(Span{s.start, from - s.start, s.format});
        if (s.start >= to || end > to) {
            place();
            const int start = std::max(s.start, to);
            if (!out.empty() && out.back().format == s.format && out.back().start + out.back().length == start)
                out.back().length = end - out.back().start;
            else
                out.push_back(Span{start, end - start, s.format});
        }
    }
    place();
    if (out.size() == spans.size() &&
        std::equal(out.begin(), out.end(), spans.begin(), [](const Span& a, const Span& b) {
            return a.start == b.start && a.length == b.length && a.format == b.format;
        }))
        return;
    spans.swap(out);
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

void TRichEdit::Impl::applyLayout(int line, const QTextBlock& block)
{
    QTextLayout* layout = block.layout();
    if (!layout) return;
    QList<QTextLayout::FormatRange> ranges;
    const std::vector<Span>& spans = lines[size_t(line)].spans;
    ranges.reserve(qsizetype(spans.size()));
    // While composing, the layout holds the preedit text at the caret: the
    // formats after it move past it, and the preedit keeps its own.
    const bool composing = line == preeditLine && !layout->preeditAreaText().isEmpty();
    const int at = composing ? layout->preeditAreaPosition() : 0;
    const int shift = composing ? int(layout->preeditAreaText().size()) : 0;
    for (const Span& s : spans) {
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
    Line& l = lines[size_t(line)];
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
    if (linesWaiting == 0) return;
    // The lines in view, from the first visible block on, by the line counts
    // Qt keeps (no block is laid out to find them); two lines more than the
    // viewport holds make up for a first block scrolled partly out of view.
    const int spacing = std::max(1, q->fontMetrics().lineSpacing());
    int room = q->viewport()->height() / spacing + 2;
    int from = -1, to = -1, first = -1, last = -1;
    ++ignoreDocument;
    for (QTextBlock block = q->firstVisibleBlock(); block.isValid() && room > 0; block = block.next()) {
        const int line = block.blockNumber();
        if (line >= int(lines.size())) break;
        if (lines[size_t(line)].layoutStale) {
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
