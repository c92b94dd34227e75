#pragma once
// Which file TeX is reading, followed from its terminal output: TeX prints
// "(" and the name of each file it opens, and ")" when it is done with it,
// so the unclosed "(" nest like the files.  Other text has parentheses too
// ("(1 page, 296 bytes)", a document's own messages), so an opening counts
// as a file only when the name after it leads to a file; TeX gives names
// it found on its path with a folder ("./ch1.tex", "/usr/share/..."), which
// is what a name must begin with.  A name may hold blanks and parentheses,
// and TeX breaks lines longer than 79 columns, inside names too: the
// longest such name that is a file wins.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class TeXOpenFiles {
public:
    // Whether a name as TeX printed it (relative ones count from the folder
    // TeX runs in) leads to a file.
    using IsFile = std::function<bool(const QString& name)>;
    explicit TeXOpenFiles(IsFile isFile);

    // A new TeX program: nothing is open.
    void clear();
    // Its terminal output (UTF-8), as it comes.
    void feed(QByteArrayView bytes);
    // The file TeX reads at this point of its output, as TeX named it; empty
    // when it reads none.  No value when the output does not tell: the
    // innermost opening names something that is no file (a name TeX printed
    // in a way it cannot be read back, or a file gone since).
    std::optional<QString> current() const;

    // Openings kept; deeper ones are only counted.
    static constexpr int kMaxDepth = 64;
    // Bytes of one output line looked at (a longer one is taken in pieces).
    static constexpr int kMaxLine = 16 * 1024;

private:
    struct Opening {
        QString file;             // the file it opened; empty: not a file
        bool pathLike = false;    // its name began as a file's would
        qsizetype nameBytes = 0;  // the name's length in the line
    };
    struct State {
        std::vector<Opening> open;
        int deeper = 0;  // openings past kMaxDepth
    };
    void takeLine(State& state, const QByteArray& line, const std::vector<qsizetype>& breaks) const;
    Opening openingAt(const QByteArray& line, qsizetype start, const std::vector<qsizetype>& breaks) const;

    IsFile isFile_;
    State state_;
    QByteArray line_;                // the line still coming, broken lines joined
    std::vector<qsizetype> breaks_;  // where TeX may have broken it
    qsizetype column_ = 0;           // bytes since the last line feed
};
