#include "tex/TeXOpenFiles.h"

#include <algorithm>

namespace {

// TeX's terminal lines are at most this wide (max_print_line); a line that
// long may go on in the next.  Columns are not bytes in a Japanese line,
// whose bytes run past the width: such lines are joined too, which only
// costs a wider look for the names in them.
constexpr qsizetype kWrapWidth = 79;
constexpr qsizetype kMaxName = 4096;
// Names tried per opening, shortest first.
constexpr int kMaxTries = 16;

bool endsName(char c) { return c == ' ' || c == '\t' || c == '(' || c == ')'; }

}  // namespace

TeXOpenFiles::TeXOpenFiles(IsFile isFile) : isFile_(std::move(isFile)) {}

void TeXOpenFiles::clear()
{
    state_ = {};
    line_.clear();
    breaks_.clear();
    column_ = 0;
}

void TeXOpenFiles::feed(QByteArrayView bytes)
{
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        QByteArrayView piece = bytes.sliced(at, (end < 0 ? bytes.size() : end) - at);
        line_ += piece;
        column_ += piece.size();
        if (end < 0) {
            if (line_.size() >= kMaxLine) {
                takeLine(state_, line_, breaks_);
                line_.clear();
                breaks_.clear();
            }
            return;
        }
        at = end + 1;
        if (column_ >= kWrapWidth && line_.size() < kMaxLine) {
            breaks_.push_back(line_.size());
        } else {
            takeLine(state_, line_, breaks_);
            line_.clear();
            breaks_.clear();
        }
        column_ = 0;
    }
}

TeXOpenFiles::Opening TeXOpenFiles::openingAt(const QByteArray& line, qsizetype start,
                                              const std::vector<qsizetype>& breaks) const
{
    Opening opening;
    if (start >= line.size() || (line[start] != '.' && line[start] != '/')) return opening;
    opening.pathLike = true;
    int tries = 0;
    const qsizetype last = std::min(line.size(), start + kMaxName);
    for (qsizetype end = start + 1; end <= last && tries < kMaxTries; ++end) {
        bool boundary =
            end == line.size() || endsName(line[end]) || std::binary_search(breaks.begin(), breaks.end(), end);
        if (!boundary) continue;
        ++tries;
        QString name = QString::fromUtf8(line.constData() + start, end - start);
        if (isFile_ && isFile_(name)) {
            opening.file = name;
            opening.nameBytes = end - start;
        }
    }
    return opening;
}

void TeXOpenFiles::takeLine(State& state, const QByteArray& line, const std::vector<qsizetype>& breaks) const
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '(') {
            Opening opening = openingAt(line, i + 1, breaks);
            // Parentheses inside a file's name do not nest.
            i += opening.nameBytes;
            if (state.deeper == 0 && int(state.open.size()) < kMaxDepth)
                state.open.push_back(std::move(opening));
            else
                ++state.deeper;
        } else if (line[i] == ')') {
            if (state.deeper > 0)
                --state.deeper;
            else if (!state.open.empty())
                state.open.pop_back();
        }
    }
}

std::optional<QString> TeXOpenFiles::current() const
{
    // The line still coming counts as it stands (it ends at TeX's prompt).
    State state = state_;
    takeLine(state, line_, breaks_);
    if (state.deeper > 0) return std::nullopt;
    for (auto it = state.open.rbegin(); it != state.open.rend(); ++it) {
        if (!it->file.isEmpty()) return it->file;
        if (it->pathLike) return std::nullopt;
    }
    return QString();
}
