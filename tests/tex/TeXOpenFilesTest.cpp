// Following the file TeX reads from its terminal output.
#include <gtest/gtest.h>

#include <set>

#include "tex/TeXOpenFiles.h"

namespace {

const QByteArray kStart =
    "This is e-pTeX, Version 3.141592653-p4.0.0 (sjis.euc) (TeX Live 2022/Debian)\n"
    " restricted \\write18 enabled.\nentering extended mode\n(./main.tex\n"
    "pLaTeX2e <2021-11-15>+1 (based on LaTeX2e <2022-11-01> patch level 1)\n"
    "(/usr/share/texlive/texmf-dist/tex/platex/base/jarticle.cls\n"
    "Document Class: jarticle 2020/09/30 v1.8f Standard pLaTeX class\n"
    "(/usr/share/texlive/texmf-dist/tex/platex/base/jsize10.clo))\nNo file main.aux.\n";
const QByteArray kError = "\n! Undefined control sequence.\nl.2 \\undefinedcommand\n                      two\n? ";
// The line TeX breaks at column 79 inside this name.
const QByteArray kLongName =
    "./sub/a_very_long_file_name_that_goes_past_the_edge_of_the_terminal_line_xxxxxxxxxxxxxxx.tex";

std::optional<QString> fileAfter(const QByteArray& output, bool bytewise = false)
{
    static const std::set<QString> files{"./main.tex",
                                         "/usr/share/texlive/texmf-dist/tex/platex/base/jarticle.cls",
                                         "/usr/share/texlive/texmf-dist/tex/platex/base/jsize10.clo",
                                         "./sub.tex",
                                         "./main.aux",
                                         "./sp ace;touch PWNED.tex",
                                         "./sub/a(b)c.tex",
                                         QString::fromUtf8("./日本.tex"),
                                         QString::fromUtf8(kLongName)};
    TeXOpenFiles open([](const QString& name) {
        return files.count(name) > 0 ? TeXOpenFiles::Kind::File : TeXOpenFiles::Kind::None;
    });
    if (bytewise) {
        for (char c : output) open.feed(QByteArrayView(&c, 1));
    } else {
        open.feed(output);
    }
    return open.current();
}

}  // namespace

TEST(TeXOpenFiles, FollowsTheFilesTeXOpensAndCloses)
{
    const QByteArray wrapped = "[1] (" + kLongName.left(79 - 5) + "\n" + kLongName.mid(79 - 5);
    struct Case {
        QByteArray output;
        std::optional<QString> file;
    } cases[] = {
        {"", QString()},
        {"This is e-pTeX\n**", QString()},
        {kStart + "(./sub.tex" + kError, "./sub.tex"},
        {kStart + "(./sub.tex) [1]" + kError, "./main.tex"},
        // Parentheses of messages, balanced or not, and a name's own.
        {kStart + "Output (1 page, 296 bytes) ( (see\n(./sp ace;touch PWNED.tex" + kError, "./sp ace;touch PWNED.tex"},
        {kStart + "(./sub/a(b)c.tex" + kError, "./sub/a(b)c.tex"},
        {kStart + "(./sub/a(b)c.tex)" + kError, "./main.tex"},
        {kStart + "(./main.aux) )" + kError, QString()},
        {kStart + "(./\xe6\x97\xa5\xe6\x9c\xac.tex" + kError, QString::fromUtf8("./日本.tex")},
        {kStart + wrapped + kError, QString::fromUtf8(kLongName)},
        {kStart + wrapped + ")\n[1]" + kError, "./main.tex"},
        // A name that cannot be read back: the output does not tell.
        {kStart + "(./x\nQUILLMARK_AB12\nid>PWNED\n#.tex" + kError, std::nullopt},
        {kStart + "(./gone.tex" + kError, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileAfter(c.output), c.file) << c.output.right(120).toStdString();
        EXPECT_EQ(fileAfter(c.output, true), c.file) << "byte by byte: " << c.output.right(120).toStdString();
    }
}

TEST(TeXOpenFiles, StaysBoundedAndStartsAfresh)
{
    TeXOpenFiles open([](const QString& name) {
        return name == "./main.tex" ? TeXOpenFiles::Kind::File : TeXOpenFiles::Kind::None;
    });
    open.feed("(./main.tex\n");
    for (int i = 0; i < 3 * TeXOpenFiles::kMaxDepth; ++i) open.feed("(./x");
    EXPECT_EQ(open.current(), std::nullopt);
    for (int i = 0; i < 3 * TeXOpenFiles::kMaxDepth; ++i) open.feed(")");
    EXPECT_EQ(open.current(), "./main.tex");
    // A flood on one line without end is looked at in pieces.
    QByteArray flood(10 * TeXOpenFiles::kMaxLine, 'a');
    open.feed(flood);
    EXPECT_EQ(open.current(), "./main.tex");
    open.clear();
    EXPECT_EQ(open.current(), QString());
}

// A document may print an opening of the same file a million times, open
// or closed again at once; the file system is asked about each name once,
// and not about the longer names that would run through a folder "a(." or
// "a)(." that is not there.
TEST(TeXOpenFiles, FloodsOfOpeningsAskOncePerName)
{
    int lookups = 0;
    TeXOpenFiles open([&](const QString& name) {
        ++lookups;
        if (name == "./a" || name == "./main.tex") return TeXOpenFiles::Kind::File;
        return name == "." ? TeXOpenFiles::Kind::Folder : TeXOpenFiles::Kind::None;
    });
    open.feed("(./main.tex\n");
    for (const QByteArray unit : {QByteArray("(./a"), QByteArray("(./a)")}) {
        QByteArray line;
        for (int i = 0; i < 80; ++i) line += unit;
        for (int i = 0; i < 2000; ++i) open.feed(line + "\n");
    }
    EXPECT_LT(lookups, 20);
    EXPECT_EQ(open.current(), std::nullopt);
    for (int i = 0; i < 160000; ++i) open.feed(")");
    EXPECT_EQ(open.current(), "./main.tex");
}
