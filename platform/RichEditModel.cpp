// The byte model of the editor: lines as CP932 bytes beside Qt's blocks,
// byte <-> Qt position mapping, and following Qt's document as it is edited.
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

// Splits CR LF separated bytes into lines.
std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> out;
    size_t from = 0;
    for (;;) {
        size_t at = text.find("\r\n", from);
        if (at == std::string::npos) break;
        out.emplace_back(text, from, at - from);
        from = at + 2;
    }
    out.emplace_back(text, from);
    return out;
}

int bytesOf(const QString& text, int from, int to)
{
    int n = 0;
    const QChar* p = text.constData();
    for (int i = from; i < to; ++i) n += charBytes(p[i].unicode());
    return n;
}

}  // namespace

void TRichEdit::Impl::rebuildFrom(const std::string& text)
{
    lines.clear();
    staleLines.clear();
    // Qt breaks lines at CR LF, a lone CR and a lone LF alike.
    size_t from = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') continue;
        Line line;
        line.bytes.assign(text, from, i - from);
        lines.push_back(std::move(line));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
        from = i + 1;
    }
    Line last;
    last.bytes.assign(text, from, n - from);
    lines.push_back(std::move(last));

    if (int(lines.size()) != doc->blockCount()) {
        rebuildFromDocument();
        return;
    }
    totalBytes = 0;
    QTextBlock block = doc->begin();
    for (Line& line : lines) {
        line.chars = block.length() - 1;
        totalBytes += int(line.bytes.size());
        block = block.next();
    }
    totalBytes += 2 * (int(lines.size()) - 1);
    startsValid = 0;
    wholeValid = false;
    // Text without lone breaks is kept as given: no second copy is built.
    if (text.size() == size_t(totalBytes)) {
        whole = text;
        wholeValid = true;
    }
}

void TRichEdit::Impl::rebuildFromDocument()
{
    lines.clear();
    staleLines.clear();
    totalBytes = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        Line line;
        line.bytes = cp932::encode(block.text());
        line.chars = block.length() - 1;
        totalBytes += int(line.bytes.size());
        lines.push_back(std::move(line));
    }
    totalBytes += 2 * (int(lines.size()) - 1);
    startsValid = 0;
    wholeValid = false;
}

int TRichEdit::Impl::lineStart(int line) const
{
    if (starts.size() < lines.size()) starts.resize(lines.size());
    if (startsValid == 0) {
        starts[0] = 0;
        startsValid = 1;
    }
    for (size_t i = startsValid; i <= size_t(line); ++i) starts[i] = starts[i - 1] + int(lines[i - 1].bytes.size()) + 2;
    startsValid = std::max(startsValid, size_t(line) + 1);
    return starts[line];
}

int TRichEdit::Impl::lineOfByte(int pos) const
{
    const int last = int(lines.size()) - 1;
    if (pos <= 0) return 0;
    if (pos >= totalBytes) return last;
    lineStart(last);
    auto it = std::upper_bound(starts.begin(), starts.begin() + lines.size(), pos);
    return int(it - starts.begin()) - 1;
}

int TRichEdit::Impl::charsToBytes(int line, const QTextBlock& block, int charOffset) const
{
    const Line& l = lines[line];
    if (int(l.bytes.size()) == l.chars) return std::min(charOffset, l.chars);
    return bytesOf(block.text(), 0, std::min(charOffset, l.chars));
}

int TRichEdit::Impl::bytesToChars(int line, const QTextBlock& block, int byteOffset) const
{
    const Line& l = lines[line];
    if (int(l.bytes.size()) == l.chars) return std::min(byteOffset, l.chars);
    const QString text = block.text();
    int bytes = 0;
    for (int i = 0; i < text.size(); ++i) {
        int next = bytes + charBytes(text[i].unicode());
        if (next > byteOffset) return i;
        bytes = next;
    }
    return int(text.size());
}

int TRichEdit::Impl::snap(int pos, BreakSide side) const
{
    pos = std::clamp(pos, 0, totalBytes);
    const int line = lineOfByte(pos);
    const int start = lineStart(line);
    const int length = int(lines[line].bytes.size());
    const int offset = pos - start;
    if (offset > length) return side == BreakSide::BeforeCR ? start + length : start + length + 2;
    if (offset == length || int(lines[line].bytes.size()) == lines[line].chars) return pos;
    const QTextBlock block = doc->findBlockByNumber(line);
    return start + charsToBytes(line, block, bytesToChars(line, block, offset));
}

int TRichEdit::Impl::toQt(int pos, BreakSide side) const
{
    pos = snap(pos, side);
    const int line = lineOfByte(pos);
    const QTextBlock block = doc->findBlockByNumber(line);
    return block.position() + bytesToChars(line, block, pos - lineStart(line));
}

int TRichEdit::Impl::fromQt(int qtPos) const
{
    const QTextBlock block = doc->findBlock(std::clamp(qtPos, 0, doc->characterCount() - 1));
    if (!block.isValid()) return totalBytes;
    const int line = block.blockNumber();
    return lineStart(line) + charsToBytes(line, block, qtPos - block.position());
}

const std::string& TRichEdit::Impl::wholeText() const
{
    if (!wholeValid) {
        whole.clear();
        whole.reserve(size_t(totalBytes));
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i) whole += "\r\n";
            whole += lines[i].bytes;
        }
        wholeValid = true;
    }
    return whole;
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
        noteChange(0, 0);
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
            const Line& old = lines[size_t(first + k)];
            const QString& text = texts[size_t(k)];
            kept[size_t(k)] =
                old.chars == text.size() && (cp932::encode(text) == old.bytes || cp932::decode(old.bytes) == text);
            anyChanged = anyChanged || !kept[size_t(k)];
        }
        if (!anyChanged) return;
    }

    std::vector<std::string> injected;
    if (injection && injection->qtPos == from && injection->chars == to - from) {
        injected = splitLines(injection->bytes);
        if (int(injected.size()) != count) injected.clear();
    }

    const Line& oldFirst = lines[size_t(first)];
    const Line& oldLastLine = lines[size_t(oldLast)];
    const int prefixBytes = bytesOf(texts.front(), 0, std::min<int>(head, int(texts.front().size())));
    const QString& lastText = texts.back();
    const int suffixBytes = bytesOf(lastText, std::max<int>(0, int(lastText.size()) - tail), int(lastText.size()));
    bool spliceable = head <= oldFirst.chars && tail <= oldLastLine.chars &&
                      prefixBytes <= int(oldFirst.bytes.size()) && suffixBytes <= int(oldLastLine.bytes.size());
    if (first == oldLast)
        spliceable =
            spliceable && head + tail <= oldFirst.chars && prefixBytes + suffixBytes <= int(oldFirst.bytes.size());

    std::vector<Line> fresh(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        Line& line = fresh[size_t(k)];
        const QString& text = texts[size_t(k)];
        line.chars = int(text.size());
        if (kept[size_t(k)]) {
            line = lines[size_t(first + k)];
            line.layoutStale = false;
            continue;
        }
        const bool isFirst = k == 0, isLast = k == count - 1;
        if (!spliceable) {
            line.bytes = cp932::encode(text);
            continue;
        }
        const int h = isFirst ? head : 0;
        const int t = isLast ? tail : 0;
        if (isFirst) line.bytes.assign(oldFirst.bytes, 0, size_t(prefixBytes));
        if (!injected.empty())
            line.bytes += injected[size_t(k)];
        else
            line.bytes += cp932::encode(text.mid(h, line.chars - h - t));
        if (isLast)
            line.bytes.append(oldLastLine.bytes, oldLastLine.bytes.size() - size_t(suffixBytes), std::string::npos);
        if (isFirst) line.spans = richedit::spansBefore(oldFirst.spans, head);
        if (isLast) {
            auto moved = richedit::spansFrom(oldLastLine.spans, oldLastLine.chars - tail, line.chars - tail);
            line.spans.insert(line.spans.end(), moved.begin(), moved.end());
        }
    }

    // Splice the whole-text copy and the totals.
    const int regionStart = lineStart(first);
    int oldSpan = 2 * (oldLast - first);
    for (int i = first; i <= oldLast; ++i) oldSpan += int(lines[size_t(i)].bytes.size());
    std::string newSpan;
    for (int k = 0; k < count; ++k) {
        if (k) newSpan += "\r\n";
        newSpan += fresh[size_t(k)].bytes;
    }
    if (wholeValid) whole.replace(size_t(regionStart), size_t(oldSpan), newSpan);
    noteChange(regionStart, totalBytes - regionStart - oldSpan);
    totalBytes += int(newSpan.size()) - oldSpan;

    // Lines waiting for a layout refresh move with the lines after the region.
    std::vector<int> stale;
    for (int i : staleLines) {
        if (i < first)
            stale.push_back(i);
        else if (i > oldLast)
            stale.push_back(i + delta);
    }
    staleLines.swap(stale);

    if (oldLast - first + 1 == count) {
        // The usual keystroke: the lines after the region stay where they are.
        std::move(fresh.begin(), fresh.end(), lines.begin() + first);
    } else {
        lines.erase(lines.begin() + first, lines.begin() + oldLast + 1);
        lines.insert(lines.begin() + first, std::make_move_iterator(fresh.begin()),
                     std::make_move_iterator(fresh.end()));
    }
    startsValid = std::min(startsValid, size_t(first) + 1);
    pendingChange = true;

    // Qt moves layouts and their formats with the blocks in its own way;
    // the region's blocks get ours again.
    QTextBlock b = firstBlock;
    for (int k = 0; k < count; ++k, b = b.next()) applyLayout(first + k, b);
}
