// Opening and showing a 512000-byte Shift-JIS document through the loader,
// against a bare QPlainTextEdit reading and showing the same file.
// Prints the ratio of the two, each the median of several runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"

namespace {

std::string makeDocument(size_t size)
{
    // LaTeX lines with kanji, kana, half-width kana and 0x5C trail bytes.
    const std::string lines[] = {
        "\\section{\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x95\xb6\x8f\x91}\r\n",
        "\x82\xb1\x82\xea\x82\xcd\x95\x5c\x82\xc6\x83\x5c\x83\x74\x83\x67\x82\xcc\x83\x65\x83\x58\x83\x67\x82\xc5\x82"
        "\xb7\x81\x42 $x^2 + y^2 = z^2$\r\n",
        "\\begin{itemize}\r\n  \\item \xb6\xc0\xb6\xc5 \\label{item:a}\r\n\\end{itemize}\r\n",
        "\r\n",
    };
    std::string out;
    for (size_t i = 0; out.size() < size; ++i) out += lines[i % 4];
    out.resize(size);
    return out;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("QUILLMARK_SETTINGS", (dir.path() + "/settings.ini").toUtf8());
    QApplication app(argc, argv);
    ask::setMessageAnswerer([](const ask::MessageRequest&) { return int(IDOK); });

    const QString path = dir.filePath("thesis.tex");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        const std::string doc = makeDocument(512000);
        f.write(doc.data(), qint64(doc.size()));
    }
    const int runs = 7;

    QPlainTextEdit bare;
    bare.resize(875, 600);
    bare.show();
    std::vector<double> bareTimes;
    for (int i = 0; i < runs; ++i) {
        bare.clear();
        app.processEvents();
        QElapsedTimer t;
        t.start();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        bare.setPlainText(cp932::decode(std::string_view(bytes.constData(), size_t(bytes.size()))));
        bare.repaint();
        bareTimes.push_back(double(t.nsecsElapsed()) / 1e6);
    }

    TForm1 form;
    form.resize(875, 600);
    form.show();
    std::vector<double> loadTimes;
    for (int i = 0; i < runs; ++i) {
        form.AutoColor = false;
        form.RichEdit->SetText(std::string());
        app.processEvents();
        QElapsedTimer t;
        t.start();
        form.LoadFile(path);
        form.RichEdit->repaint();
        loadTimes.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    const bool loaded = form.RichEdit->GetTextLen() == 512000;

    const double b = median(bareTimes), l = median(loadTimes);
    std::printf("open + display of a 512000-byte Shift-JIS document (median of %d runs)\n", runs);
    std::printf("  bare QPlainTextEdit:        %8.2f ms\n", b);
    std::printf("  TForm1::LoadFile, colour off: %8.2f ms%s\n", l, loaded ? "" : "  (text length differs!)");
    std::printf("  ratio: %.2f (goal <= 1.5)\n", l / b);
    return 0;
}
