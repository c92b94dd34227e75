// Times the codec on a full-size document against glibc iconv converting the
// same bytes in one call, and the settings store's write-through cost.
#include "platform/Cp932.h"
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <iconv.h>

#include <cstdio>
#include <string>
#include <vector>

static double iconvMs(const std::string& bytes)
{
    QElapsedTimer timer;
    timer.start();
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    std::vector<char> out(bytes.size() * 2 + 16);
    char* in = const_cast<char*>(bytes.data());
    char* o = out.data();
    size_t inLeft = bytes.size(), outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    return timer.nsecsElapsed() / 1e6;
}

int main()
{
    // 512000 bytes of a typical Japanese LaTeX document: kanji, kana, ASCII, CR LF.
    const std::string line = "\\section{\x8f\x98\x98\x5f}\x82\xb1\x82\xea\x82\xcd\x95\x5c\x82\xc5\x82\xb7 $x^2$\r\n";
    std::string doc;
    while (doc.size() + line.size() <= 512000) doc += line;
    cp932::decode("warm up");

    QElapsedTimer timer;
    timer.start();
    QString text = cp932::decode(doc);
    double decodeMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    std::string again = cp932::encode(text);
    double encodeMs = timer.nsecsElapsed() / 1e6;
    double reference = iconvMs(doc);
    std::printf("decode %zu bytes: %.2f ms (%.2f x iconv in one call)\n", doc.size(), decodeMs, decodeMs / reference);
    std::printf("encode: %.2f ms (%.2f x iconv decoding in one call); round trip %s\n", encodeMs, encodeMs / reference,
                again == doc ? "exact" : "DIFFERS");

    QTemporaryDir dir;
    qputenv("QUILLMARK_SETTINGS", dir.filePath("settings.ini").toLocal8Bit());
    TRegistry reg;
    reg.OpenKey("\\Software\\Kestrelwood\\Quillmark", true);
    timer.restart();
    for (int i = 0; i < 300; ++i) reg.WriteInteger(QString("Value%1").arg(i), i);
    double writeMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    for (int i = 0; i < 300; ++i) reg.WriteInteger(QString("Value%1").arg(i), i);
    double unchangedMs = timer.nsecsElapsed() / 1e6;
    std::printf("300 new values: %.1f ms; rewriting them unchanged: %.1f ms (%.3f x)\n", writeMs, unchangedMs,
                unchangedMs / writeMs);
    return again == doc ? 0 : 1;
}
