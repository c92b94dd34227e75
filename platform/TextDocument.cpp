#include "platform/TextDocument.h"

#include <algorithm>

namespace {
const std::string kNoLine;
}

TextDocument::TextDocument() : lines_(1) {}

const std::string& TextDocument::line(int i) const
{
    if (i < 0 || i >= lineCount()) return kNoLine;
    return lines_[size_t(i)];
}

int TextDocument::lineStart(int i) const
{
    if (i <= 0) return 0;
    if (i >= lineCount()) return length_;
    if (starts_.size() < lines_.size()) starts_.resize(lines_.size());
    if (startsValid_ == 0) {
        starts_[0] = 0;
        startsValid_ = 1;
    }
    for (size_t k = startsValid_; k <= size_t(i); ++k) starts_[k] = starts_[k - 1] + int(lines_[k - 1].size()) + 2;
    startsValid_ = std::max(startsValid_, size_t(i) + 1);
    return starts_[size_t(i)];
}

int TextDocument::lineOfPosition(int pos) const
{
    const int last = lineCount() - 1;
    if (pos <= 0 || last == 0) return 0;
    if (pos >= length_) return last;
    // The starts are made valid only as far as just past pos: after an edit
    // the caret's line is found without counting out the rest of the text.
    if (starts_.size() < lines_.size()) starts_.resize(lines_.size());
    if (startsValid_ == 0) {
        starts_[0] = 0;
        startsValid_ = 1;
    }
    while (startsValid_ < lines_.size() && starts_[startsValid_ - 1] <= pos) {
        starts_[startsValid_] = starts_[startsValid_ - 1] + int(lines_[startsValid_ - 1].size()) + 2;
        ++startsValid_;
    }
    auto it = std::upper_bound(starts_.begin(), starts_.begin() + std::ptrdiff_t(startsValid_), pos);
    return int(it - starts_.begin()) - 1;
}

const std::string& TextDocument::text() const
{
    if (!wholeValid_) {
        whole_.clear();
        whole_.reserve(size_t(length_));
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (i) whole_ += "\r\n";
            whole_ += lines_[i];
        }
        wholeValid_ = true;
    }
    return whole_;
}

std::string TextDocument::range(int start, int end) const
{
    const std::string& all = text();
    start = std::clamp(start, 0, int(all.size()));
    end = std::clamp(end, start, int(all.size()));
    return all.substr(size_t(start), size_t(end - start));
}

std::vector<std::string> TextDocument::splitLines(std::string_view text)
{
    std::vector<std::string> out;
    size_t from = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        out.emplace_back(text.substr(from, i - from));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
        from = i + 1;
    }
    out.emplace_back(text.substr(from));
    return out;
}

void TextDocument::setText(std::string text)
{
    std::vector<std::string> split = splitLines(text);
    size_t bytes = 2 * (split.size() - 1);
    for (const std::string& l : split) bytes += l.size();
    const bool asGiven = bytes == text.size();
    setLines(std::move(split));
    // A text without lone breaks is already the whole text: no second copy
    // need be built from the lines.
    if (asGiven) {
        whole_ = std::move(text);
        wholeValid_ = true;
    }
}

void TextDocument::setLines(std::vector<std::string> lines)
{
    if (lines.empty()) lines.emplace_back();
    lines_ = std::move(lines);
    length_ = 2 * (lineCount() - 1);
    for (const std::string& l : lines_) length_ += int(l.size());
    startsValid_ = 0;
    wholeValid_ = false;
    whole_.clear();
    changed(0, 0);
}

void TextDocument::replaceLines(int first, int count, std::vector<std::string> fresh, int keepFront, int keepBack)
{
    first = std::clamp(first, 0, lineCount() - 1);
    count = std::clamp(count, 1, lineCount() - first);
    if (fresh.empty()) fresh.emplace_back();

    const int regionStart = lineStart(first);
    int oldSpan = 2 * (count - 1);
    for (int i = first; i < first + count; ++i) oldSpan += int(lines_[size_t(i)].size());
    const int tail = length_ - regionStart - oldSpan;
    int newSpan = 2 * (int(fresh.size()) - 1);
    for (const std::string& l : fresh) newSpan += int(l.size());
    // What is kept lies in the first and the last line, old and new alike.
    keepFront = std::clamp(keepFront, 0, std::min(int(lines_[size_t(first)].size()), int(fresh.front().size())));
    keepBack =
        std::clamp(keepBack, 0, std::min(int(lines_[size_t(first + count - 1)].size()), int(fresh.back().size())));
    keepBack = std::min(keepBack, std::min(oldSpan, newSpan) - keepFront);

    if (wholeValid_) {
        // Only the bytes between the kept ones are spliced, so that a key
        // in a long line moves the text after it but copies nothing else.
        const int from = keepFront, to = newSpan - keepBack;
        std::string middle;
        middle.reserve(size_t(to - from));
        int at = 0;
        for (size_t k = 0; k < fresh.size() && at < to; ++k) {
            if (k) {
                for (const char c : {'\r', '\n'}) {
                    if (at >= from && at < to) middle += c;
                    ++at;
                }
            }
            const int size = int(fresh[k].size());
            const int a = std::clamp(from - at, 0, size), b = std::clamp(to - at, 0, size);
            if (a < b) middle.append(fresh[k], size_t(a), size_t(b - a));
            at += size;
        }
        whole_.replace(size_t(regionStart + keepFront), size_t(oldSpan - keepFront - keepBack), middle);
    }
    length_ += newSpan - oldSpan;

    if (int(fresh.size()) == count) {
        // The usual keystroke: the lines after the region stay where they are.
        std::move(fresh.begin(), fresh.end(), lines_.begin() + first);
    } else {
        lines_.erase(lines_.begin() + first, lines_.begin() + first + count);
        lines_.insert(lines_.begin() + first, std::make_move_iterator(fresh.begin()),
                      std::make_move_iterator(fresh.end()));
    }
    startsValid_ = std::min(startsValid_, size_t(first) + 1);
    changed(regionStart + keepFront, tail + keepBack);
}

void TextDocument::replaceSpans(const std::vector<Replacement>& spans)
{
    if (spans.empty()) return;
    long long grown = 0;
    for (const Replacement& r : spans) grown += std::max<long long>(0, (long long)r.text.size() - r.length);
    // Every range is placed before any line changes length.
    std::vector<int> lineOf(spans.size()), baseOf(spans.size());
    for (size_t k = 0; k < spans.size(); ++k) {
        lineOf[k] = lineOfPosition(spans[k].start);
        baseOf[k] = lineStart(lineOf[k]);
    }
    const int firstLine = lineOf.front();
    size_t k = 0;
    while (k < spans.size()) {
        const int line = lineOf[k];
        const int base = baseOf[k];
        const std::string& old = lines_[size_t(line)];
        std::string bytes;
        bytes.reserve(old.size() + 16);
        size_t copied = 0;
        for (; k < spans.size() && lineOf[k] == line; ++k) {
            const size_t at = size_t(spans[k].start - base);
            bytes.append(old, copied, at - copied);
            bytes += spans[k].text;
            copied = at + size_t(spans[k].length);
        }
        bytes.append(old, std::min(copied, old.size()), std::string::npos);
        lines_[size_t(line)].swap(bytes);
    }
    int delta = 0;
    for (const Replacement& r : spans) delta += int(r.text.size()) - r.length;
    if (wholeValid_) {
        std::string whole;
        whole.reserve(size_t(length_ + grown));
        size_t copied = 0;
        for (const Replacement& r : spans) {
            whole.append(whole_, copied, size_t(r.start) - copied);
            whole += r.text;
            copied = size_t(r.start + r.length);
        }
        whole.append(whole_, copied, std::string::npos);
        whole_.swap(whole);
    }
    const int tail = length_ - spans.back().start - spans.back().length;
    length_ += delta;
    startsValid_ = std::min(startsValid_, size_t(firstLine) + 1);
    changed(spans.front().start, tail);
}

int TextDocument::subscribe(Listener listener) const
{
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void TextDocument::unsubscribe(int id) const
{
    listeners_.erase(
        std::remove_if(listeners_.begin(), listeners_.end(), [id](const auto& l) { return l.first == id; }),
        listeners_.end());
}

void TextDocument::changed(int start, int tail)
{
    const Change change{revision_, start, tail};
    ++revision_;
    // A listener may unsubscribe itself (or another) while being told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners) listener(change);
}
