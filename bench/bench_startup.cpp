// Start-up to the shown window, in a process of its own each time: from
// main() to the first window painted and the event queue empty.  The product
// starts as its program entry does (the application's name and Japanese
// catalogue, the main window and its resident forms) on an empty settings
// store; the baseline is a QMainWindow holding a QPlainTextEdit.  The two
// kinds of process alternate.
#include "app/Form1.h"
#include "app/ResidentForms.h"
#include "bench/Harness.h"
#include "platform/Translations.h"

namespace {

// The child: prints the milliseconds from its start to the shown window.
int startOnce(int argc, char** argv, bool product, QElapsedTimer& clock)
{
    QApplication app(argc, argv);
    bench::prepareApplication();
    if (product) {
        app.setApplicationName("Quillmark");
        translations::installQtJapanese(app);
        auto* main = new TForm1;
        ask::setMainWindow(main);
        createResidentForms(*main);
        main->show();
        bench::settle();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        std::printf("%.3f\n", ms);
        std::fflush(stdout);
        ask::setMainWindow(nullptr);
        delete main;
    } else {
        QMainWindow window;
        window.setCentralWidget(new QPlainTextEdit);
        window.resize(900, 700);
        window.show();
        bench::settle();
        std::printf("%.3f\n", double(clock.nsecsElapsed()) / 1e6);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        // An empty store: a settings file that does not exist yet.
        const bool product = std::string(argv[2]) == "product";
        if (product && argc >= 4) qputenv("QUILLMARK_SETTINGS", argv[3]);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int childArgc = 1;
        return startOnce(childArgc, argv, product, clock);
    }

    bench::prepareEnvironment();
    QCoreApplication app(argc, argv);
    int run = 0;
    bool failed = false;
    auto child = [&](bool product) {
        QStringList arguments{"--child", product ? "product" : "bare"};
        if (product) arguments << bench::scratch().filePath(QString("store%1.ini").arg(run++));
        bool ok = false;
        const double ms = bench::runChild(arguments).trimmed().toDouble(&ok);
        if (!ok) failed = true;
        return ms;
    };
    bench::Series product, bare;
    bench::alternateValues(
        product, [&] { return child(true); }, bare, [&] { return child(false); }, 15, 2);

    bench::title("start-up to the shown window, empty settings store, one process each");
    if (failed) std::printf("  a start-up process failed\n");
    bench::printSeries("product", product.ms, "ms", product.coldMs);
    bench::printSeries("bare QMainWindow+editor", bare.ms, "ms", bare.coldMs);
    bench::verdict("start-up / bare start-up", bench::median(product.ms) / bench::median(bare.ms), "x", 1.5);
    return 0;
}
