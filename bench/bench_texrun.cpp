// A whole "TeXで処理する" run (platex three times, pbibtex, mendex) on a small
// Shift-JIS document, against the same programs run one after another by a
// plain shell script in the same folder.  Runs alternate, so that a busy
// machine slows both alike; 21 pairs, so that a few per cent can be told
// from the spread.
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

    bench::title("whole TeX run (platex x3, pbibtex, mendex) on a small document");
    bench::compare("editor run / script run", editor, script, 0);
    std::vector<double> added;
    for (size_t i = 0; i < editor.series.ms.size(); ++i)
        added.push_back((editor.series.ms[i] - script.series.ms[i]) / script.series.ms[i] * 100);
    bench::printSeries("time added, per pair", added, "%");
    const double a = bench::median(editor.series.ms), b = bench::median(script.series.ms);
    bench::verdict("time the editor adds to the programs' own (%)", (a - b) / b * 100, "%", 5);
    return 0;
}
