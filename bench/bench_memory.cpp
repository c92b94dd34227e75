// Resident memory after 1,000 keystrokes on a 510 KB document, each typed
// with its paint, in a process of its own each time: the main window with
// colour syntax on and undo recording against a QMainWindow holding a bare
// QPlainTextEdit with the same text and font.  The two kinds of process
// alternate.
#include "app/Form1.h"
#include "bench/Harness.h"
#include "core/undo/MultiUndo.h"
#include "platform/Cp932.h"
#include "platform/RichEdit.h"

#include <QTextBlock>

namespace {

const int kKeys = 1000;

// The child: prints its resident kilobytes after the typing.
int typeOnce(int argc, char** argv, bool product)
{
    QApplication app(argc, argv);
    bench::prepareApplication();
    const std::string text = bench::documentOf(510000);
    if (product) {
        TForm1 form;
        form.resize(900, 700);
        form.show();
        form.StartingUp = false;
        form.AutoColor = true;
        form.RichEdit->SetText(text);
        form.ColorizeAll();
        form.RichEdit->SetSelStart(form.RichEdit->LineIndex(form.RichEdit->LineCount() / 2));
        if (form.UndoManager) form.UndoManager->Reset();
        bench::activate(&form, form.RichEdit);
        for (int i = 0; i < kKeys; ++i) {
            bench::keystroke(form.RichEdit);
            bench::settle();
        }
        std::printf("%ld %d\n", bench::residentKB(), form.RichEdit->GetTextLen());
    } else {
        // The font the product's editor starts with.
        const QFont font(QStringLiteral("IPAexGothic"), 12);
        bench::BareWindow bare({900, 700}, &font);
        bare.editor->setPlainText(cp932::decode(text));
        bare.editor->setTextCursor(
            QTextCursor(bare.editor->document()->findBlockByNumber(bare.editor->document()->blockCount() / 2)));
        bench::activate(&bare.window, bare.editor);
        for (int i = 0; i < kKeys; ++i) {
            bench::keystroke(bare.editor);
            bench::settle();
        }
        std::printf("%ld %d\n", bench::residentKB(), int(bare.editor->document()->characterCount()));
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        int childArgc = 1;
        return typeOnce(childArgc, argv, std::string(argv[2]) == "product");
    }
    QCoreApplication app(argc, argv);
    bool failed = false;
    auto child = [&](bool product) {
        QStringList arguments{"--child", product ? "product" : "bare"};
        const QList<QByteArray> out = bench::runChild(arguments).trimmed().split(' ');
        bool ok = false;
        const double kb = out.first().toDouble(&ok);
        // Every key must have gone in (the product's length is in bytes).
        if (!ok || out.size() < 2 || (product && out[1].toInt() != 510000 + kKeys)) failed = true;
        return kb / 1024.0;
    };
    bench::Series product, bare;
    bench::alternateValues(
        product, [&] { return child(true); }, bare, [&] { return child(false); }, 15, 1);

    bench::title("resident memory after 1,000 keystrokes on 510 KB, one process each");
    if (failed) std::printf("  a typing process failed\n");
    bench::printSeries("product, colour on", product.ms, "MB", product.coldMs);
    bench::printSeries("bare QMainWindow+editor", bare.ms, "MB", bare.coldMs);
    bench::verdict("resident / bare resident", bench::median(product.ms) / bench::median(bare.ms), "x", 1.3);
    return 0;
}
