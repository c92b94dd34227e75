// Following Qt's document as it is edited: the model's lines get their bytes,
// the adapter's line entries their lengths and formats; and the byte <-> Qt
// position mapping between them.
#include "platform/Cp932.h"
#include "platform/RichEditImpl.h"

#include <QTextDocument>
#include <algorithm>
#include <array>

namespace richedit {

int charBytes(char16_t c)
{
    if (c < 0x80) return 1;
    // Filled on first use of each code unit from the codec itself, so that
    // the mapping agrees with the bytes the codec produced for the line.
    static std::array<unsigned char, 65536> table{};
    unsigned char& n = table[c];
    if (n == 0) n = static_cast<unsigned char>(std::max<size_t>(1, cp932::encode(QString(QChar(c))).size()));
    return n;
}

std::string normaliseBreaks(const std::string& text)
{
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<Span> spansBefore(const std::vector<Span>& spans, int at)
{
    std::vector<Span> out;
    for (const Span& s : spans) {
        if (s.start >= at) break;
        Span t = s;
        t.length = std::min(s.start + s.length, at) - s.start;
        out.push_back(t);
    }
    return out;
}

std::vector<Span> spansFrom(const std::vector<Span>& spans, int from, int to)
{
    std::vector<Span> out;
    for (const Span& s : spans) {
        int end = s.start + s.length;
        if (end <= from) continue;
        Span t = s;
        int start = std::max(s.start, from);
        t.start = start - from + to;
        t.length = end - start;
        out.push_back(t);
    }
    return out;
}

}  // namespace richedit

using richedit::charBytes;

namespace {

int bytesOf(const QString& text, int from, int to)
{
    int n = 0;
    const QChar* p = text.constData();
    for (int i = from; i < to; ++i) n += charBytes(p[i].unicode());
    return n;
}

}  // namespace

void TRichEdit::Impl::rebuildFrom(std::string text)
{
    linesWaiting = 0;
    model.setText(std::move(text));
    if (model.lineCount() != doc->blockCount()) {
        rebuildFromDocument();
        return;
    }
    lines.assign(size_t(model.lineCount()), Line{});
    longRunLines = 0;
    QTextBlock block = doc->begin();
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].chars = block.length() - 1;
        markRuns(lines[i], model.line(int(i)));
        block = block.next();
    }
    followRuns(true);
}

void TRichEdit::Impl::rebuildFromDocument()
{
    linesWaiting = 0;
    lines.clear();
    longRunLines = 0;
    std::vector<std::string> bytes;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        bytes.push_back(cp932::encode(text));
        straysReplaced += keepStrayBytesApart(bytes.back(), text, 0, int(text.size()), 0, block.position());
        Line line;
        line.chars = block.length() - 1;
        markRuns(line, bytes.back());
        lines.push_back(std::move(line));
    }
    if (lines.empty()) lines.emplace_back();
    model.setLines(std::move(bytes));
    followRuns(false);
}

namespace {
// A run this long (in letters, digits and signs, no blank or other break
// between them) is worth wrapping anywhere.
constexpr size_t kLongRun = 8192;
}  // namespace

bool TRichEdit::Impl::holdsLongRun(std::string_view bytes)
{
    if (bytes.size() < kLongRun) return false;
    size_t run = 0;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c > 0x20 && c < 0x7F) {
            if (++run >= kLongRun) return true;
            ++i;
            continue;
        }
        run = 0;
        i += cp932::isLeadByte(c) ? 2 : 1;
    }
    return false;
}

void TRichEdit::Impl::markRuns(Line& line, const std::string& bytes)
{
    line.longRun = holdsLongRun(bytes);
    longRunLines += line.longRun;
}

void TRichEdit::Impl::followRuns(bool now)
{
    if ((longRunLines > 0) == wrapAnywhere) return;
    if (!now) {
        if (!wrapQueued) {
            wrapQueued = true;
            QMetaObject::invokeMethod(
                q,
                [this] {
                    wrapQueued = false;
                    followRuns(true);
                },
                Qt::QueuedConnection);
        }
        return;
    }
    setWrapAnywhere(longRunLines > 0);
}

void TRichEdit::Impl::setWrapAnywhere(bool anywhere)
{
    if (anywhere == wrapAnywhere) return;
    wrapAnywhere = anywhere;
    richedit::InternalEdit scope(internalEdit);
    q->setWordWrapMode(anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

// Every character of a line, an invalid byte included, is one character of
// its block, so the line's own bytes map positions without asking Qt's
// document for the block's text.
const std::vector<int>* TRichEdit::Impl::marksOf(int line) const
{
    const Line& l = lines[size_t(line)];
    if (l.chars < 2 * kMarkStride) return nullptr;
    if (marksLine != line || marksRevision != model.revision()) {
        const std::string& text = model.line(line);
        marks.clear();
        size_t bytes = 0;
        for (int i = 0; i < l.chars && bytes < text.size(); ++i) {
            if (i % kMarkStride == 0) marks.push_back(int(bytes));
            bytes += size_t(cp932::charLength(text, bytes));
        }
        marksLine = line;
        marksRevision = model.revision();
    }
    return &marks;
}

int TRichEdit::Impl::charsToBytes(int line, const QTextBlock& /*block*/, int charOffset) const
{
    const Line& l = lines[size_t(line)];
    const std::string& text = model.line(line);
    if (int(text.size()) == l.chars) return std::clamp(charOffset, 0, l.chars);
    const int chars = std::clamp(charOffset, 0, l.chars);
    int i = 0;
    size_t bytes = 0;
    if (const std::vector<int>* m = marksOf(line); m && !m->empty()) {
        const size_t k = std::min(size_t(chars / kMarkStride), m->size() - 1);
        i = int(k) * kMarkStride;
        bytes = size_t((*m)[k]);
    }
    for (; i < chars && bytes < text.size(); ++i) bytes += size_t(cp932::charLength(text, bytes));
    return int(std::min(bytes, text.size()));
}

int TRichEdit::Impl::bytesToChars(int line, const QTextBlock& /*block*/, int byteOffset) const
{
    const Line& l = lines[size_t(line)];
    const std::string& text = model.line(line);
    if (int(text.size()) == l.chars) return std::clamp(byteOffset, 0, l.chars);
    int chars = 0;
    size_t bytes = 0;
    if (const std::vector<int>* m = marksOf(line); m && !m->empty()) {
        // The last mark at or before the offset.
        const auto after = std::upper_bound(m->begin(), m->end(), byteOffset);
        const size_t k = after == m->begin() ? 0 : size_t(after - m->begin()) - 1;
        chars = int(k) * kMarkStride;
        bytes = size_t((*m)[k]);
    }
    while (chars < l.chars && bytes < text.size()) {
        const size_t next = bytes + size_t(cp932::charLength(text, bytes));
        if (int(next) > byteOffset) break;
        bytes = next;
        ++chars;
    }
    return chars;
}

namespace {
// The character that carries a stray lead byte on the screen.
bool isStrayLead(char16_t c)
{
    return c >= cp932::kRawByteBase && c <= cp932::kRawByteBase + 0xFF &&
           cp932::isLeadByte(static_cast<unsigned char>(c - cp932::kRawByteBase));
}
}  // namespace

int TRichEdit::Impl::keepStrayBytesApart(std::string& bytes, const QString& text, int from, int to, size_t at,
                                         int blockPosition)
{
    int replaced = 0;
    const int end = std::min<int>(to, int(text.size()));
    for (int i = std::max(from, 0); i < end && at < bytes.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isStrayLead(c) && at + 1 < bytes.size() && static_cast<unsigned char>(bytes[at]) == c - cp932::kRawByteBase &&
            cp932::charLength(bytes, at) == 2) {
            bytes[at] = '?';
            QTextCursor cell(doc);
            cell.setPosition(blockPosition + i);
            cell.setPosition(blockPosition + i + 1, QTextCursor::KeepAnchor);
            strayCells.push_back(cell);
            ++replaced;
        }
        at += size_t(charBytes(c));
    }
    return replaced;
}

void TRichEdit::Impl::showStraysReplaced()
{
    if (strayCells.empty()) return;
    std::vector<QTextCursor> cells;
    cells.swap(strayCells);
    // The caret and selection stay where they are: each cell keeps its length.
    const QTextCursor user = q->textCursor();
    const int anchor = user.anchor(), position = user.position();
    richedit::InternalEdit scope(internalEdit);
    for (QTextCursor& cell : cells) {
        // A cell the edit deleted afterwards is gone; the bytes must hold the
        // "?" already for the screen to show it.
        const QString shown = cell.selectedText();
        if (shown.size() != 1 || !isStrayLead(shown[0].unicode())) continue;
        const int at = fromQt(cell.selectionStart());
        if (at >= model.length() || model.range(at, at + 1) != "?") continue;
        cell.insertText(QStringLiteral("?"));
    }
    QTextCursor back = q->textCursor();
    back.setPosition(anchor);
    back.setPosition(position, QTextCursor::KeepAnchor);
    q->setTextCursor(back);
}

int TRichEdit::Impl::snap(int pos, BreakSide side) const
{
    pos = std::clamp(pos, 0, model.length());
    const int line = model.lineOfPosition(pos);
    const int start = model.lineStart(line);
    const int length = model.lineLength(line);
    const int offset = pos - start;
    if (offset > length) return side == BreakSide::BeforeCR ? start + length : start + length + 2;
    if (offset == length || length == lines[line].chars) return pos;
    const QTextBlock block = doc->findBlockByNumber(line);
    return start + charsToBytes(line, block, bytesToChars(line, block, offset));
}

int TRichEdit::Impl::toQt(int pos, BreakSide side) const
{
    pos = snap(pos, side);
    const int line = model.lineOfPosition(pos);
    const QTextBlock block = doc->findBlockByNumber(line);
    return block.position() + bytesToChars(line, block, pos - model.lineStart(line));
}

int TRichEdit::Impl::fromQt(int qtPos) const
{
    const QTextBlock block = doc->findBlock(std::clamp(qtPos, 0, doc->characterCount() - 1));
    if (!block.isValid()) return model.length();
    const int line = block.blockNumber();
    return model.lineStart(line) + charsToBytes(line, block, qtPos - block.position());
}

// Qt reports an edit as a range of the new document; the lines outside it are
// unchanged.  The changed lines get their bytes by splicing: the characters
// before the reported start and after its end keep the bytes they had (so
// duplicate codes there survive), and only the characters in between are
// encoded, or taken from the bytes we inserted ourselves.
void TRichEdit::Impl::onContentsChange(int position, int /*removed*/, int added)
{
    if (ignoreDocument) return;
    const int oldCount = int(lines.size());
    const int delta = doc->blockCount() - oldCount;
    const int docEnd = doc->characterCount() - 1;
    const int from = std::clamp(position, 0, docEnd);
    const int to = std::clamp(position + added, from, docEnd);
    const QTextBlock firstBlock = doc->findBlock(from);
    const QTextBlock lastBlock = doc->findBlock(to);
    const int first = firstBlock.blockNumber();
    const int newLast = lastBlock.blockNumber();
    const int oldLast = newLast - delta;
    if (first < 0 || newLast < first || oldLast < first || oldLast >= oldCount) {
        rebuildFromDocument();
        pendingChange = true;
        return;
    }
    const int head = from - firstBlock.position();
    const int tail = lastBlock.position() + lastBlock.length() - 1 - to;
    const int count = newLast - first + 1;

    std::vector<QString> texts;
    texts.reserve(size_t(count));
    for (QTextBlock b = firstBlock; int(texts.size()) < count; b = b.next()) texts.push_back(b.text());

    // Same number of lines: a line whose text did not change keeps its bytes
    // and formats (Qt reports format refreshes and some edits over more
    // lines than they touch).
    std::vector<char> kept(size_t(count), 0);
    bool anyChanged = delta != 0;
    if (delta == 0) {
        for (int k = 0; k < count; ++k) {
            const std::string& oldBytes = model.line(first + k);
            const QString& text = texts[size_t(k)];
            kept[size_t(k)] = lines[size_t(first + k)].chars == text.size() &&
                              (cp932::encode(text) == oldBytes || cp932::decode(oldBytes) == text);
            anyChanged = anyChanged || !kept[size_t(k)];
        }
        if (!anyChanged) return;
    }

    std::vector<std::string> injected;
    if (injection && injection->qtPos == from && injection->chars == to - from) {
        injected = TextDocument::splitLines(injection->bytes);
        if (int(injected.size()) != count) injected.clear();
    }

    const Line& oldFirst = lines[size_t(first)];
    const Line& oldLastLine = lines[size_t(oldLast)];
    const std::string& oldFirstBytes = model.line(first);
    const std::string& oldLastBytes = model.line(oldLast);
    const int prefixBytes = bytesOf(texts.front(), 0, std::min<int>(head, int(texts.front().size())));
    const QString& lastText = texts.back();
    const int suffixBytes = bytesOf(lastText, std::max<int>(0, int(lastText.size()) - tail), int(lastText.size()));
    bool spliceable = head <= oldFirst.chars && tail <= oldLastLine.chars &&
                      prefixBytes <= int(oldFirstBytes.size()) && suffixBytes <= int(oldLastBytes.size());
    if (first == oldLast)
        spliceable =
            spliceable && head + tail <= oldFirst.chars && prefixBytes + suffixBytes <= int(oldFirstBytes.size());

    std::vector<Line> fresh(static_cast<size_t>(count));
    std::vector<std::string> freshBytes(static_cast<size_t>(count));
    int keepFront = prefixBytes;
    QTextBlock blockOf = firstBlock;
    for (int k = 0; k < count; ++k, blockOf = blockOf.next()) {
        Line& line = fresh[size_t(k)];
        std::string& bytes = freshBytes[size_t(k)];
        const QString& text = texts[size_t(k)];
        line.chars = int(text.size());
        if (kept[size_t(k)]) {
            line = lines[size_t(first + k)];
            line.layoutStale = false;
            bytes = model.line(first + k);
            continue;
        }
        const bool isFirst = k == 0, isLast = k == count - 1;
        if (!spliceable) {
            bytes = cp932::encode(text);
            straysReplaced += keepStrayBytesApart(bytes, text, 0, line.chars, 0, blockOf.position());
            continue;
        }
        const int h = isFirst ? head : 0;
        const int t = isLast ? tail : 0;
        if (isFirst) bytes.assign(oldFirstBytes, 0, size_t(prefixBytes));
        if (!injected.empty())
            bytes += injected[size_t(k)];
        else
            bytes += cp932::encode(text.mid(h, line.chars - h - t));
        if (isLast) bytes.append(oldLastBytes, oldLastBytes.size() - size_t(suffixBytes), std::string::npos);
        // The new characters, and the one before them, may now stand before
        // a byte that completes a stray lead byte among them.
        if (h > 0) {
            const int before = prefixBytes - charBytes(text[h - 1].unicode());
            const int replaced =
                keepStrayBytesApart(bytes, text, h - 1, line.chars - t, size_t(before), blockOf.position());
            // A stray byte just before the edit that became "?" is no longer
            // one of the bytes the line kept.
            if (replaced > 0) keepFront = std::min(keepFront, before);
            straysReplaced += replaced;
        } else
            straysReplaced += keepStrayBytesApart(bytes, text, 0, line.chars - t, 0, blockOf.position());
        if (isFirst) line.spans = richedit::spansBefore(oldFirst.spans, head);
        if (isLast) {
            auto moved = richedit::spansFrom(oldLastLine.spans, oldLastLine.chars - tail, line.chars - tail);
            line.spans.insert(line.spans.end(), moved.begin(), moved.end());
        }
    }

    for (int k = first; k <= oldLast; ++k) unmarkRuns(lines[size_t(k)]);
    for (int k = 0; k < count; ++k) markRuns(fresh[size_t(k)], freshBytes[size_t(k)]);
    if (oldLast - first + 1 == count) {
        // The usual keystroke: the lines after the region stay where they are.
        std::move(fresh.begin(), fresh.end(), lines.begin() + first);
    } else {
        lines.erase(lines.begin() + first, lines.begin() + oldLast + 1);
        lines.insert(lines.begin() + first, std::make_move_iterator(fresh.begin()),
                     std::make_move_iterator(fresh.end()));
    }
    model.replaceLines(first, oldLast - first + 1, std::move(freshBytes), spliceable ? keepFront : 0,
                       spliceable ? suffixBytes : 0);
    pendingChange = true;
    followRuns(false);

    // Qt moves layouts and their formats with the blocks in its own way;
    // the region's blocks get ours again.
    QTextBlock b = firstBlock;
    for (int k = 0; k < count; ++k, b = b.next()) applyLayout(first + k, b);
}
