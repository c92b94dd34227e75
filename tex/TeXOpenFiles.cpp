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

TeXOpenFiles::TeXOpenFiles(Lookup lookup) : lookup_(std::move(lookup)) {}

void TeXOpenFiles::clear()
{
    state_ = {};
    lookups_.clear();
    line_.clear();
    breaks_.clear();
    column_ = 0;
}

void TeXOpenFiles::takeCurrentLine()
{
    takeLine(state_, line_, breaks_, lookups_);
    line_.clear();
    breaks_.clear();
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
            if (line_.size() >= kMaxLine) takeCurrentLine();
            return;
        }
        at = end + 1;
        if (column_ >= kWrapWidth && line_.size() < kMaxLine)
            breaks_.push_back(line_.size());
        else
            takeCurrentLine();
        column_ = 0;
    }
}

TeXOpenFiles::Kind TeXOpenFiles::kindOf(QByteArrayView name, Lookups& lookups) const
{
    const QByteArray key = QByteArray::fromRawData(name.data(), name.size());
    auto found = lookups.constFind(key);
    if (found != lookups.constEnd()) return *found;
    const Kind kind = lookup_ ? lookup_(QString::fromUtf8(name)) : Kind::None;
    // Names are remembered for the run, a bounded number of them.
    if (lookups.size() >= kMaxLookups) lookups.clear();
    lookups.insert(name.toByteArray(), kind);
    return kind;
}

TeXOpenFiles::Opening TeXOpenFiles::openingAt(const QByteArray& line, qsizetype start,
                                              const std::vector<qsizetype>& breaks, Lookups& lookups) const
{
    Opening opening;
    if (start >= line.size() || (line[start] != '.' && line[start] != '/')) return opening;
    opening.pathLike = true;
    int tries = 0;
    const qsizetype last = std::min(line.size(), start + kMaxName);
    for (qsizetype end = start + 1; end <= last && tries < kMaxTries; ++end) {
        const QByteArrayView name(line.constData() + start, end - start);
        // A name longer than one already tried goes on through a folder
        // named by what stands before its next slash; where there is none,
        // no longer name can lead to a file.
        if (tries > 0 && end < line.size() && line[end] == '/' && kindOf(name, lookups) != Kind::Folder) break;
        bool boundary =
            end == line.size() || endsName(line[end]) || std::binary_search(breaks.begin(), breaks.end(), end);
        if (!boundary) continue;
        ++tries;
        if (kindOf(name, lookups) == Kind::File) opening.nameBytes = end - start;
    }
    return opening;
}

void TeXOpenFiles::takeLine(State& state, const QByteArray& line, const std::vector<qsizetype>& breaks,
                            Lookups& lookups) const
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '(') {
            Opening opening = openingAt(line, i + 1, breaks, lookups);
            const qsizetype nameBytes = opening.nameBytes;
            if (state.deeper == 0 && int(state.open.size()) < kMaxDepth) {
                if (opening.nameBytes > 0)
                    opening.file = QString::fromUtf8(line.constData() + i + 1, opening.nameBytes);
                state.open.push_back(std::move(opening));
            } else {
                ++state.deeper;
            }
            // Parentheses inside a file's name do not nest.
            i += nameBytes;
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
    Lookups lookups;
    takeLine(state, line_, breaks_, lookups);
    if (state.deeper > 0) return std::nullopt;
    for (auto it = state.open.rbegin(); it != state.open.rend(); ++it) {
        if (!it->file.isEmpty()) return it->file;
        if (it->pathLike) return std::nullopt;
    }
    return QString();
}
