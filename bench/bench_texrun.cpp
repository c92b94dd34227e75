// A whole "TeXで処理する" run (platex three times, pbibtex, mendex) on a small
// Shift-JIS document, against the same programs run one after another by a
// plain shell script in the same folder.  Runs alternate, so that a busy
// machine slows both alike.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "app/Form1.h"
#include "bench/BenchSupport.h"
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
    QTemporaryDir& dir = bench::prepareEnvironment();
    QApplication app(argc, argv);
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

    auto editorRun = [&] {
        return bench::millisecondsOf([&] {
            form.TeXProcessed = false;  // an unchanged processed document would be skipped
            form.MenuTexExeClick();
            while (form.TeXBusy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
    };
    auto scriptRun = [&] {
        return bench::millisecondsOf([&] {
            QProcess p;
            p.setWorkingDirectory(folder);
            p.start("/bin/sh", {folder + "/run.sh"});
            p.waitForFinished(-1);
        });
    };
    editorRun();  // warm the file cache and TeX's own caches
    scriptRun();
    std::vector<double> ours, plain;
    for (int i = 0; i < 5; ++i) {
        ours.push_back(editorRun());
        plain.push_back(scriptRun());
    }
    const double a = bench::median(ours), b = bench::median(plain);
    std::printf("texrun: editor %.0f ms, plain script %.0f ms (medians of 5)\n", a, b);
    const double added = (a - b) / b * 100;
    bench::report("F10 run: time the editor adds to the programs' own", added, "%", "< 5", added < 5);
    return 0;
}
