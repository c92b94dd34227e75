#include "tex/TeXTranscript.h"

namespace {
const QString kCut = QStringLiteral("…");

// Parts stand apart by an empty line.
QString separatorAfter(const QString& previous)
{
    if (previous.isEmpty()) return {};
    return previous.endsWith('\n') ? QStringLiteral("\n") : QStringLiteral("\n\n");
}
}  // namespace

void TeXTranscript::clear()
{
    parts_.clear();
    appended_.clear();
    rebuild_ = true;
}

TeXTranscript::Part& TeXTranscript::current()
{
    if (parts_.empty()) parts_.emplace_back();
    return parts_.back();
}

void TeXTranscript::startProgram(const QString& commandLine)
{
    const QString before = parts_.empty() ? QString() : partText(parts_.back());
    const bool hadText = !text().isEmpty();
    Part part;
    part.heading = "> " + commandLine;
    parts_.push_back(std::move(part));
    if (int(parts_.size()) > limits_.maxPrograms) {
        parts_.erase(parts_.begin());
        rebuild_ = true;
    }
    if (!rebuild_)
        appended_ += (hadText ? separatorAfter(before.isEmpty() ? QStringLiteral("\n") : before) : QString()) +
                     parts_.back().heading + "\n";
}

void TeXTranscript::append(QStringView text)
{
    Part& part = current();
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        QStringView piece = text.mid(start, end < 0 ? text.size() - start : end - start);
        part.partial += piece;
        if (!rebuild_) appended_ += piece;
        if (part.partial.size() > limits_.maxLineChars) {
            part.partial = part.partial.right(limits_.maxLineChars);
            part.cutLine = true;
            rebuild_ = true;
        }
        if (end < 0) break;
        QString line = part.cutLine ? kCut + part.partial : part.partial;
        part.partial.clear();
        part.cutLine = false;
        part.chars += line.size();
        part.lines.push_back(std::move(line));
        if (!rebuild_) appended_ += u'\n';
        trim(part);
        start = end + 1;
    }
}

void TeXTranscript::dropped(qint64 bytes)
{
    if (bytes <= 0) return;
    // Where the reader cut, the line in progress lost its beginning.
    Part& part = current();
    part.cutLine = true;
    rebuild_ = true;
}

void TeXTranscript::trim(Part& part)
{
    while (!part.lines.empty() && (int(part.lines.size()) > limits_.maxLines || part.chars > limits_.maxChars)) {
        part.chars -= part.lines.front().size();
        part.lines.pop_front();
        ++part.omittedLines;
        rebuild_ = true;
    }
}

QString TeXTranscript::partText(const Part& part) const
{
    QString out;
    if (!part.heading.isEmpty()) out += part.heading + "\n";
    if (part.omittedLines > 0) out += QStringLiteral("…（この前の出力 %1 行を省略しました）\n").arg(part.omittedLines);
    for (const QString& line : part.lines) out += line + "\n";
    if (part.cutLine) out += kCut;
    out += part.partial;
    return out;
}

QString TeXTranscript::text() const
{
    QString out;
    QString previous;
    for (const Part& part : parts_) {
        QString t = partText(part);
        if (!out.isEmpty() && !part.heading.isEmpty())
            out += separatorAfter(previous.isEmpty() ? QStringLiteral("\n") : previous);
        out += t;
        previous = t;
    }
    return out;
}

TeXTranscript::Change TeXTranscript::takeChange()
{
    Change change;
    change.rebuild = rebuild_;
    if (!rebuild_) change.appended = appended_;
    rebuild_ = false;
    appended_.clear();
    return change;
}
