#pragma once
// What the TeX output window holds of one run: for each program, its
// command line as a heading and then its output.  Each program's part keeps
// only a bounded tail (lines and characters, a runaway line included), so a
// flood from one program neither grows memory without end nor pushes the
// heading and output of the others out of sight.
#include <QString>
#include <deque>
#include <vector>

class TeXTranscript {
public:
    struct Limits {
        int maxLines = 2000;      // kept lines of one program's output
        int maxChars = 200000;    // kept characters of one program's output
        int maxLineChars = 4000;  // kept characters of one line
        int maxPrograms = 16;     // kept programs of one run
    };
    TeXTranscript() = default;
    explicit TeXTranscript(Limits limits) : limits_(limits) {}

    // A new run: everything before goes.
    void clear();
    // A program starts: its heading, and its output follows.
    void startProgram(const QString& commandLine);
    // Output of the program that runs (or text before any program).
    void append(QStringView text);
    // Output the reader had to drop before it got here.
    void dropped(qint64 bytes);

    QString text() const;
    // What changed since the last call: either the text to add at the end,
    // or (rebuild) the whole text has to be shown again.
    struct Change {
        bool rebuild = false;
        QString appended;
    };
    Change takeChange();

private:
    struct Part {
        QString heading;            // "> command line", empty for text before any program
        std::deque<QString> lines;  // complete lines
        QString partial;            // the line being written
        qint64 chars = 0;           // characters in lines
        qint64 omittedLines = 0;
        bool cutLine = false;  // the partial line lost its beginning
        bool omitted() const { return omittedLines > 0 || cutLine; }
    };
    QString partText(const Part& part) const;
    void trim(Part& part);
    Part& current();

    Limits limits_;
    std::vector<Part> parts_;
    bool rebuild_ = false;
    QString appended_;
};
