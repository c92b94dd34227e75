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

// The child: prints the milliseconds from its start to the window shown with
// nothing left queued, then to the application made, to the main window
// made and to the resident forms made.
int startOnce(int argc, char** argv, bool product, QElapsedTimer& clock)
{
    auto now = [&] { return double(clock.nsecsElapsed()) / 1e6; };
    QApplication app(argc, argv);
    bench::prepareApplication();
    const double made = now();
    if (product) {
        app.setApplicationName("Quillmark");
        translations::installQtJapanese(app);
        auto* main = new TForm1;
        ask::setMainWindow(main);
        const double window = now();
        createResidentForms(*main);
        const double forms = now();
        main->show();
        bench::settle();
        std::printf("%.3f %.3f %.3f %.3f\n", now(), made, window, forms);
        std::fflush(stdout);
        ask::setMainWindow(nullptr);
        delete main;
    } else {
        QMainWindow window;
        window.setCentralWidget(new QPlainTextEdit);
        window.resize(900, 700);
        const double built = now();
        window.show();
        bench::settle();
        std::printf("%.3f %.3f %.3f %.3f\n", now(), made, built, built);
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
    // Phases of each start, bare [0] and product [1]: application made,
    // window made, resident forms made (the bare window has none).
    std::vector<double> phases[2][3];
    auto child = [&](bool product) {
        QStringList arguments{"--child", product ? "product" : "bare"};
        if (product) arguments << bench::scratch().filePath(QString("store%1.ini").arg(run++));
        const QList<QByteArray> figures = bench::runChild(arguments).trimmed().split(' ');
        bool ok = false;
        const double ms = figures.first().toDouble(&ok);
        if (!ok || figures.size() != 4) {
            failed = true;
            return ms;
        }
        for (int i = 0; i < 3; ++i) phases[product][i].push_back(figures[i + 1].toDouble());
        return ms;
    };
    bench::Series product, bare;
    bench::alternateValues(
        product, [&] { return child(true); }, bare, [&] { return child(false); }, 15, 2);

    bench::title("start-up to the shown window, empty settings store, one process each");
    if (failed) std::printf("  a start-up process failed\n");
    bench::printSeries("product", product.ms, "ms", product.coldMs);
    bench::printSeries("bare QMainWindow+editor", bare.ms, "ms", bare.coldMs);
    for (int side : {1, 0})
        std::printf("  %-30s medians from start: application %.1f ms, window %.1f ms, resident forms %.1f ms\n",
                    side ? "product" : "bare QMainWindow+editor", bench::median(phases[side][0]),
                    bench::median(phases[side][1]), bench::median(phases[side][2]));
    bench::verdict("start-up / bare start-up", bench::median(product.ms) / bench::median(bare.ms), "x", 1.5);
    return 0;
}
