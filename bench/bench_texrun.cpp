// A whole "TeXで処理する" run (platex three times, pbibtex, mendex) on a small
// Shift-JIS document, against the same programs run one after another by a
// plain shell script in the same folder.  Runs alternate, so that a busy
// machine slows both alike; 21 pairs, so that a few per cent can be told
// from the spread.
//
// Then one platex run on a document whose output is a flood of what looks
// like files being opened: 1.6 million "(./a", 80 to a line, with a file
// "a" beside it, so that every one of them names a file.  The editor follows
// TeX's open files in all that output and shows it in its TeX window; the
// run must still take about as long as platex alone.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "app/Form1.h"
#include "bench/Harness.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"

namespace {

void write(const QString& path, const std::string& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), qint64(bytes.size()));
}

const char* kScript =
    "set -e\n"
    "export PTEX_KANJI_ENC=sjis\n"
    "platex -interaction=nonstopmode doc.tex >/dev/null\n"
    "pbibtex doc >/dev/null\n"
    "platex -interaction=nonstopmode doc.tex >/dev/null\n"
    "mendex doc.idx >/dev/null 2>&1\n"
    "platex -interaction=nonstopmode doc.tex >/dev/null\n";

const char* kFloodScript =
    "set -e\n"
    "export PTEX_KANJI_ENC=sjis\n"
    "platex -interaction=nonstopmode flood.tex >/dev/null\n";

// Writes of 80 "(./a" each.
std::string floodDocument(int writes)
{
    return "\\documentclass{jarticle}\r\n"
           "\\def\\fa{(./a}\\def\\fb{\\fa\\fa\\fa\\fa\\fa\\fa\\fa\\fa\\fa\\fa}\\def\\fc{\\fb\\fb\\fb\\fb\\fb\\fb\\fb\\fb}\r\n"
           "\\newcount\\fn\r\n"
           "\\loop\\immediate\\write16{\\fc}\\advance\\fn1 \\ifnum\\fn<" +
           std::to_string(writes) + " \\repeat\r\n\\begin{document}\r\nx\r\n\\end{document}\r\n";
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QTemporaryDir& dir = bench::scratch();
    QApplication app(argc, argv);
    bench::prepareApplication();
    if (QStandardPaths::findExecutable("platex").isEmpty()) {
        std::printf("texrun: platex is not installed; skipped\n");
        return 0;
    }
    ask::setMessageAnswerer([](const ask::MessageRequest& r) {
        std::printf("texrun: message: %s\n", qPrintable(r.text));
        return IDOK;
    });
    const QString folder = dir.path() + "/run";
    QDir().mkpath(folder);
    write(folder + "/doc.tex",
          cp932::encode(QString::fromUtf8(
              "\\documentclass{jarticle}\r\n\\usepackage{makeidx}\r\n\\makeindex\r\n\\begin{document}\r\n"
              "日本語の文書です\\index{にほんご@日本語}。文献\\cite{knuth}を見よ。\r\n"
              "\\bibliographystyle{jplain}\r\n\\bibliography{refs}\r\n\\printindex\r\n\\end{document}\r\n")));
    write(folder + "/refs.bib",
          "@book{knuth, author={Donald Knuth}, title={The TeXbook}, publisher={AW}, year=1984}\n");
    write(folder + "/run.sh", kScript);

    TForm1 form;
    form.StartingUp = false;
    {
        TRegistry reg;
        reg.OpenKey(form.RegKey + "\\TeXSetting", true);
        reg.WriteString("TeXFile", QStandardPaths::findExecutable("platex"));
        reg.WriteString("TeXOption", "-interaction=nonstopmode");
        reg.WriteString("BibTeXFile", QStandardPaths::findExecutable("pbibtex"));
        reg.WriteString("MendexFile", QStandardPaths::findExecutable("mendex"));
    }
    if (!form.LoadFile(folder + "/doc.tex")) {
        std::printf("texrun: the document did not load\n");
        return 1;
    }

    bench::Side editor{"editor's TeX run"};
    editor.step = [&] {
        form.TeXProcessed = false;  // an unchanged processed document would be skipped
        form.MenuTexExeClick();
        while (form.TeXBusy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    bench::Side script{"plain shell script"};
    script.step = [&] {
        QProcess p;
        p.setWorkingDirectory(folder);
        p.start("/bin/sh", {folder + "/run.sh"});
        p.waitForFinished(-1);
    };
    // The first runs warm the file cache and TeX's own caches.
    bench::alternate(editor, script, 21, 2);

    auto report = [](const char* ratio, const char* addedFigure, const bench::Side& product, const bench::Side& bare) {
        bench::compare(ratio, product, bare, 0);
        std::vector<double> added;
        for (size_t i = 0; i < product.series.ms.size(); ++i)
            added.push_back((product.series.ms[i] - bare.series.ms[i]) / bare.series.ms[i] * 100);
        bench::printSeries("time added, per pair", added, "%");
        const double a = bench::median(product.series.ms), b = bench::median(bare.series.ms);
        bench::verdict(addedFigure, (a - b) / b * 100, "%", 5);
    };
    bench::title("whole TeX run (platex x3, pbibtex, mendex) on a small document");
    report("editor run / script run", "time the editor adds to the programs' own (%)", editor, script);

    const QString floodFolder = dir.path() + "/flood";
    QDir().mkpath(floodFolder);
    write(floodFolder + "/flood.tex", floodDocument(20000));
    write(floodFolder + "/a", "");
    write(floodFolder + "/run.sh", kFloodScript);
    if (!form.LoadFile(floodFolder + "/flood.tex")) {
        std::printf("texrun: the flood document did not load\n");
        return 1;
    }
    bench::Side floodEditor{"editor's TeX run"};
    floodEditor.step = editor.step;
    bench::Side floodScript{"plain platex"};
    floodScript.step = [&] {
        QProcess p;
        p.setWorkingDirectory(floodFolder);
        p.start("/bin/sh", {floodFolder + "/run.sh"});
        p.waitForFinished(-1);
    };
    bench::alternate(floodEditor, floodScript, 11, 1);

    bench::title("one platex run printing 1.6 million \"(./a\" of a file that exists");
    report("editor run / plain platex", "time the editor adds to platex's own (%)", floodEditor, floodScript);
    return 0;
}
