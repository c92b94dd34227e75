// One outline pass over a 512000-byte document with 1,000 headings: the time
// the scan takes and the round trips the pass makes to the main thread.
#include <QCoreApplication>

#include "app/Form1.h"
#include "bench/BenchSupport.h"
#include "core/outline/Outline.h"
#include "core/outline/OutlineScan.h"
#include "platform/Thread.h"

namespace {

std::string headingDocument()
{
    static const char* kinds[] = {"\\chapter", "\\section", "\\subsection", "\\subsubsection"};
    const std::string body = bench::documentOf(480);
    std::string t;
    for (int i = 0; i < 1000; ++i)
        t += std::string(kinds[i % 4]) + "{\x8c\xa9\x8f\x6f\x82\xb5 " + std::to_string(i) + "}\r\n" + body + "\r\n";
    if (t.size() > 512000) t.resize(512000);
    return t;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    const std::string text = headingDocument();

    std::vector<double> scans;
    size_t found = 0;
    for (int i = 0; i < 20; ++i)
        scans.push_back(bench::millisecondsOf([&] { found = outline::ScanHeadings(text).size(); }));
    std::printf("outline: %zu headings found in %zu bytes\n", found, text.size());
    const double scan = bench::median(scans);
    bench::report("outline scan of 512000 bytes with 1,000 headings", scan, "ms", "< 10", scan < 10);

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    form.RichEdit->SetText(text);
    if (!form.DocumentExplorer) {
        std::printf("outline: no outline thread\n");
        return 1;
    }
    // A first pass fills the tree; the measured one follows an edit.
    auto waitSuspended = [&] {
        QElapsedTimer clock;
        clock.start();
        while (!form.DocumentExplorer->Suspended() && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    auto pass = [&] {
        waitSuspended();
        const int before = form.DocumentExplorer->PassCount();
        const long calls = TThread::SynchronizedCalls();
        form.ResumeExplorer();
        QElapsedTimer clock;
        clock.start();
        while (form.DocumentExplorer->PassCount() == before && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        waitSuspended();
        return TThread::SynchronizedCalls() - calls;
    };
    pass();
    form.RichEdit->SetSelStart(100);
    form.RichEdit->SetSelText("\\section{new}\r\n");
    const long trips = pass();
    bench::report("outline pass: round trips to the main thread", double(trips), "", "<= 1", trips <= 1);
    form.StopExplorer();
    return 0;
}
