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
//
// A run may print such openings by the million, so what a name leads to is
// looked up once for the run (files TeX reads are there before it prints
// their names), and a longer name is not tried once it would have to pass
// through a folder that is not there: following the output costs about the
// same for every byte of it, and a flood of one name costs no more than one
// lookup.
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class TeXOpenFiles {
public:
    enum class Kind { None, File, Folder };
    // What a name as TeX printed it (relative ones count from the folder
    // TeX runs in) leads to.
    using Lookup = std::function<Kind(const QString& name)>;
    explicit TeXOpenFiles(Lookup lookup);

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
    // Names whose lookup is remembered; past this many they are forgotten.
    static constexpr int kMaxLookups = 4096;

private:
    struct Opening {
        QString file;             // the file it opened; empty: not a file
        bool pathLike = false;    // its name began as a file's would
        qsizetype nameBytes = 0;  // the file's name's length in the line (0: no file)
    };
    struct State {
        std::vector<Opening> open;
        int deeper = 0;  // openings past kMaxDepth
    };
    // What names led to.
    using Lookups = QHash<QByteArray, Kind>;
    void takeLine(State& state, const QByteArray& line, const std::vector<qsizetype>& breaks, Lookups& lookups) const;
    Opening openingAt(const QByteArray& line, qsizetype start, const std::vector<qsizetype>& breaks,
                      Lookups& lookups) const;
    Kind kindOf(QByteArrayView name, Lookups& lookups) const;
    void takeCurrentLine();

    Lookup lookup_;
    Lookups lookups_;
    State state_;
    QByteArray line_;                // the line still coming, broken lines joined
    std::vector<qsizetype> breaks_;  // where TeX may have broken it
    qsizetype column_ = 0;           // bytes since the last line feed
};
