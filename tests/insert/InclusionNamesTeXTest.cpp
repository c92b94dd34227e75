// The names the \input / \include command refuses are exactly those that
// Debian's real pLaTeX cannot read: each name is tried on a Shift-JIS
// document, \include over the two passes its .aux needs.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "insert/FiguresBuilder.h"
#include "platform/Cp932.h"
#include "tests/support/RealTeX.h"

namespace {

const QByteArray kMarker = "QUILL-READ-THE-FILE";

// Whether pLaTeX, run in folder on a document that includes reference,
// reads the file: every pass ends without an error and the file's text
// is typed out on the last one.
bool platexReads(const QString& folder, const QString& reference, int kind)
{
    const std::string text = "\\documentclass{jarticle}\r\n\\begin{document}\r\nx\r\n" +
                             figures::inclusion(kind, cp932::encode(reference)) + "\\end{document}\r\n";
    if (!realtex::writeFile(folder + "/main.tex", QByteArray::fromStdString(text))) return false;
    QFile::remove(folder + "/main.aux");  // what the other kind left there
    realtex::Finished last;
    for (int pass = 0; pass < (kind == 1 ? 2 : 1); ++pass) {
        last = realtex::platex(folder, "main.tex");
        if (last.exitCode != 0) return false;
    }
    return last.output.contains(kMarker);
}

}  // namespace

TEST(InclusionNamesTeX, RefusedExactlyWherePLaTeXCannotReadTheFile)
{
    if (!realtex::installed({"/usr/bin/platex"})) GTEST_SKIP() << "pLaTeX is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const char* const names[] = {
        "a~b.tex", "~ab.tex",  "a^b.tex",  "a^^41b.tex",     "a#b&c_d.tex", "a'b.tex",     "my chap.tex",
        " ab.tex", "a  b.tex", "|ab.tex",  "x$PATH.tex",     "x$.tex",      "x$章.tex",    "a\"b.tex",
        "a%b.tex", "a{b.tex",  "a\\b.tex", "章.tex",         "表ミ.tex",    "～.tex",      "〜.tex",
        "ｱ.tex",   "①.tex",    "髙.tex",   "sub dir/ab.tex", ".d/ab.tex",   "s.d/.ab.tex", "../up/ab.tex",
        "",
    };
    int n = 0;
    for (const char* name : names) {
        // Each name in a folder of its own, where no other file can answer
        // for it; the empty name stands for a full path.
        const QString folder = dir.filePath(QString("case%1/doc").arg(++n));
        const QString reference = *name ? QString::fromUtf8(name) : folder + "/abs/ch.tex";
        const QString path = reference.startsWith('/') ? reference : folder + "/" + reference;
        ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(QFileInfo(path).absolutePath()));
        ASSERT_TRUE(realtex::writeFile(path, "\\typeout{" + kMarker + "}\n")) << reference.toStdString();
        for (const auto& [kind, use] : {std::pair{0, figures::Use::Input}, std::pair{1, figures::Use::Include}}) {
            const bool reads = platexReads(folder, reference, kind);
            const QString problem = figures::referenceProblem(reference, use);
            EXPECT_EQ(problem.isEmpty(), reads)
                << (kind == 1 ? "\\include{" : "\\input{") << reference.toStdString() << "}: pLaTeX "
                << (reads ? "reads it" : "cannot read it") << ", the command "
                << (problem.isEmpty() ? "accepts it" : "refuses it");
        }
    }
}
