// The codec on a full-size document against glibc iconv converting the
// same bytes in one call, and the settings store's write-through cost of
// new values against rewriting them unchanged.
#include "bench/Harness.h"
#include "platform/Cp932.h"
#include "platform/Registry.h"

#include <iconv.h>

namespace {

size_t iconvDecode(const std::string& bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    std::vector<char> out(bytes.size() * 2 + 16);
    char* in = const_cast<char*>(bytes.data());
    char* o = out.data();
    size_t inLeft = bytes.size(), outLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    return out.size() - outLeft;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::prepareEnvironment();
    QCoreApplication app(argc, argv);

    // 512000 bytes of a typical Japanese LaTeX document: kanji, kana, ASCII, CR LF.
    const std::string line = "\\section{\x8f\x98\x98\x5f}\x82\xb1\x82\xea\x82\xcd\x95\x5c\x82\xc5\x82\xb7 $x^2$\r\n";
    std::string doc;
    while (doc.size() + line.size() <= 512000) doc += line;
    volatile size_t sink = 0;

    QString text;
    bench::Side decode{"cp932::decode"};
    decode.step = [&] { text = cp932::decode(doc); };
    bench::Side reference{"iconv in one call"};
    reference.step = [&] { sink = iconvDecode(doc); };
    bench::alternate(decode, reference, 21, 3);
    bench::title("decoding 512000 bytes");
    bench::compare("decode / iconv", decode, reference, 0);

    std::string again;
    bench::Side encode{"cp932::encode"};
    encode.step = [&] { again = cp932::encode(text); };
    reference.series = {};
    bench::alternate(encode, reference, 21, 3);
    bench::title("encoding it back");
    std::printf("  round trip %s\n", again == doc ? "exact" : "DIFFERS");
    bench::compare("encode / iconv decoding", encode, reference, 0);

    int store = 0;
    auto useNewStore = [&] {
        qputenv("QUILLMARK_SETTINGS", bench::scratch().filePath(QString("store%1.ini").arg(store++)).toLocal8Bit());
    };
    auto write300 = [] {
        TRegistry reg;
        reg.OpenKey("\\Software\\Kestrelwood\\Quillmark", true);
        for (int i = 0; i < 300; ++i) reg.WriteInteger(QString("Value%1").arg(i), i);
    };
    bench::Side fresh{"300 new values"};
    fresh.prepare = useNewStore;
    fresh.step = write300;
    bench::Side unchanged{"300 unchanged values"};
    unchanged.step = write300;  // the store the last fresh turn filled
    bench::alternate(fresh, unchanged, 15, 2);
    bench::title("settings store, 300 writes");
    bench::compare("unchanged / new", unchanged, fresh, 0);
    return again == doc ? 0 : 1;
}
