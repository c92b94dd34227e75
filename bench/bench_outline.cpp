// The outline of a 512000-byte document with 1,000 headings:
//   1. one scan of the text, against the least any scan does (a copy of the
//      text and a walk over its backslashes);
//   2. the round trips one pass makes to the main thread;
//   3. the passes a burst of 300 typed keys costs, against the timer ticks
//      the burst lasted (one pass per tick at most).
#include <QCoreApplication>
#include <cmath>
#include <cstring>

#include "app/Form1.h"
#include "bench/Harness.h"
#include "core/outline/Outline.h"
#include "core/outline/OutlineScan.h"
#include "platform/RichEdit.h"
#include "platform/Thread.h"

namespace {

std::string headingDocument()
{
    static const char* kinds[] = {"\\chapter", "\\section", "\\subsection", "\\subsubsection"};
    const std::string body = bench::documentOf(480);
    std::string t;
    for (int i = 0; i < 1000; ++i)
        t += std::string(kinds[i % 4]) + "{\x8c\xa9\x8f\x6f\x82\xb5 " + std::to_string(i) + "}\r\n" + body + "\r\n";
    if (t.size() > 510000) t.resize(510000);
    return t;
}

void waitUntil(const std::function<bool()>& done, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::prepareApplication();
    const std::string text = headingDocument();

    {
        size_t found = 0;
        volatile size_t sink = 0;
        bench::Side scan{"outline scan"};
        scan.step = [&] { found = outline::ScanHeadings(text).size(); };
        bench::Side walk{"copy + backslash walk"};
        walk.step = [&] {
            const std::string copy = text;
            size_t n = 0;
            for (const char* p = copy.data();
                 (p = static_cast<const char*>(std::memchr(p, '\\', size_t(copy.data() + copy.size() - p)))) != nullptr;
                 ++p)
                ++n;
            sink = n;
        };
        bench::alternate(scan, walk, 21, 3);
        bench::title("outline scan of 510000 bytes with 1,000 headings");
        std::printf("  %zu headings found\n", found);
        bench::compare("scan / copy and walk", scan, walk, 0);
        bench::verdict("outline scan (ms)", bench::median(scan.series.ms), "ms", 10);
    }

    TForm1 form;
    form.resize(900, 700);
    form.show();
    form.StartingUp = false;
    if (form.PanelDocumentExplorer->isHidden()) form.MenuViewDocExplrClick();
    form.AutoColor = true;
    form.RichEdit->SetText(text);
    form.ColorizeAll();
    if (!form.DocumentExplorer) {
        std::printf("outline: no outline thread\n");
        return 1;
    }
    auto suspended = [&] { return form.DocumentExplorer->Suspended(); };
    {
        // A first pass fills the tree; each measured one follows an edit.
        std::vector<double> trips;
        for (int i = 0; i < 16; ++i) {
            form.RichEdit->SetSelStart(100);
            form.RichEdit->SetSelText("\\section{new}\r\n");
            waitUntil(suspended);
            const int before = form.DocumentExplorer->PassCount();
            const long calls = TThread::SynchronizedCalls();
            form.ResumeExplorer();
            waitUntil([&] { return form.DocumentExplorer->PassCount() != before; });
            waitUntil(suspended);
            if (i > 0) trips.push_back(double(TThread::SynchronizedCalls() - calls));
        }
        bench::title("outline pass after an edit");
        bench::printSeries("round trips per pass", trips, "");
        bench::verdict("round trips to the main thread per pass", bench::median(trips), "", 1);
    }
    {
        // A burst of typing at 30 keys a second, the tree pane shown.
        form.RichEdit->SetText(text);
        form.RichEdit->SetSelStart(form.RichEdit->LineIndex(form.RichEdit->LineCount() / 2));
        bench::activate(&form, form.RichEdit);
        waitUntil(suspended);
        bench::settle();
        const int before = form.DocumentExplorer->PassCount();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 300; ++i) {
            bench::keystroke(form.RichEdit);
            bench::settle();
            waitUntil([&] { return clock.elapsed() >= (i + 1) * 33; });
        }
        // The pass the last keys asked for is part of the burst's cost.
        waitUntil([&] { return clock.elapsed() >= 300 * 33 + 250 && suspended(); });
        const double ticks = std::floor(double(clock.elapsed()) / 100.0);
        const int passes = form.DocumentExplorer->PassCount() - before;
        bench::title("outline passes for a burst of 300 keys at 30 keys a second");
        std::printf("  %d passes over %.0f timer ticks of 100 ms\n", passes, ticks);
        bench::verdict("outline passes per 300 keys", passes, "", ticks + 1);
    }
    form.StopExplorer();
    return 0;
}
