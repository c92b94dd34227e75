// Many character formats in one call, for colouring a whole text: the
// per-range calls would map bytes to characters and rebuild a line's span
// list once per range, which costs more than laying the text out.
#include "platform/RichEdit.h"

#include "platform/Cp932.h"
#include "platform/RichEditImpl.h"

#include <algorithm>
#include <span>

namespace {

// One range clipped to a line, in bytes from the line's start and then in
// the block's characters.
struct Piece {
    int from, to;
    CharFormat format;
};

bool sameSpans(const std::vector<richedit::Span>& a, const std::vector<richedit::Span>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const richedit::Span& x, const richedit::Span& y) {
        return x.start == y.start && x.length == y.length && x.format == y.format;
    });
}

}  // namespace

void TRichEdit::SetFormats(const FormatSpan* first, size_t count)
{
    if (count == 0 || d->lines.empty()) return;
    const std::span<const FormatSpan> spans(first, count);
    const int total = d->model.length();
    size_t next = 0;
    std::vector<Piece> pieces;
    std::vector<Impl::Span> fresh;
    int line = d->model.lineOfPosition(std::clamp(spans.front().start, 0, total));
    while (next < spans.size() && line < int(d->lines.size())) {
        const int lineStart = d->model.lineStart(line);
        Impl::Line& l = d->lines[size_t(line)];
        const int lineBytes = d->model.lineLength(line);

        // Ranges that start beyond this line's break send us to their line.
        if (spans[next].start >= lineStart + lineBytes + 2 && line + 1 < int(d->lines.size())) {
            line = std::max(line + 1, d->model.lineOfPosition(std::clamp(spans[next].start, 0, total)));
            continue;
        }

        pieces.clear();
        size_t j = next;
        while (j < spans.size() && spans[j].start < lineStart + lineBytes) {
            const int a = std::max(spans[j].start - lineStart, 0);
            const int b = std::min(spans[j].start + spans[j].length - lineStart, lineBytes);
            if (a < b) pieces.push_back({a, b, spans[j].format});
            if (spans[j].start + spans[j].length > lineStart + lineBytes) break;  // goes on in the next line
            ++j;
        }
        // Ranges wholly behind us are done; one that reaches into the next
        // line is looked at again there.
        while (next < spans.size() && spans[next].start + spans[next].length <= lineStart + lineBytes + 2) ++next;

        if (!pieces.empty()) {
            // Bytes to characters, one walk over the line's bytes for all
            // pieces: every character, an invalid byte included, is one
            // character of the block.
            if (lineBytes != l.chars) {
                const std::string& text = d->model.line(line);
                int bytes = 0, chars = 0;
                auto toChars = [&](int byteOffset) {
                    while (chars < l.chars && bytes < lineBytes) {
                        const int n = cp932::charLength(text, size_t(bytes));
                        if (bytes + n > byteOffset) break;
                        bytes += n;
                        ++chars;
                    }
                    return chars;
                };
                for (Piece& p : pieces) {
                    p.from = toChars(p.from);
                    p.to = toChars(p.to);
                }
            }
            const bool whole = pieces.front().from == 0 && pieces.back().to >= l.chars &&
                               std::adjacent_find(pieces.begin(), pieces.end(), [](const Piece& x, const Piece& y) {
                                   return x.to != y.from;
                               }) == pieces.end();
            if (whole) {
                fresh.clear();
                for (const Piece& p : pieces) {
                    if (p.from >= p.to || p.format == d->defaultFormat) continue;
                    if (!fresh.empty() && fresh.back().format == p.format &&
                        fresh.back().start + fresh.back().length == p.from)
                        fresh.back().length = p.to - fresh.back().start;
                    else
                        fresh.push_back(Impl::Span{p.from, p.to - p.from, p.format});
                }
                if (!sameSpans(fresh, l.spans)) {
                    l.spans.swap(fresh);
                    d->markStale(line);
                }
            } else {
                fresh.clear();
                for (const Piece& p : pieces) fresh.push_back(Impl::Span{p.from, p.to - p.from, p.format});
                d->setLineFormats(line, fresh.data(), fresh.size());
            }
        }
        ++line;
    }
}
