// The companion program TeX runs when the user answers "e" at an error:
//   quilldde /j<line> [<file>]
// It pokes the editor whose run it belongs to (QUILLMARK_SERVICE names its
// conversation service), which selects that line.  The editor's TEXEDIT
// names no file: a document chooses the names of its files, and TEXEDIT goes
// through the shell, so the editor finds the file from TeX's output itself.
// A file given by hand is passed on in the poke.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <string>

#include "platform/LocalConv.h"
#include "tex/DdeProtocol.h"

namespace {

// TeX hands Japanese file names over in EUC-JP; the editor reads CP932.
// Bytes that are not EUC-JP are passed on as they are.
std::string eucToCp932(const std::string& name)
{
    bool ascii = true;
    for (unsigned char c : name) ascii = ascii && c < 0x80;
    if (ascii) return name;
    iconv_t cd = iconv_open("CP932", "EUC-JP");
    if (cd == iconv_t(-1)) return name;
    std::string in = name;
    std::string out(name.size() * 2 + 8, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == size_t(-1) || inLeft != 0) return name;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::string line;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        if ((argv[i][0] == '/' || argv[i][0] == '-') && (argv[i][1] == 'j' || argv[i][1] == 'J') && line.empty())
            line = argv[i] + 2;
        else if (file.empty())
            file = argv[i];
    }
    if (line.empty()) {
        std::fprintf(stderr, "usage: quilldde /j<line> [<file>]\n");
        return 1;
    }
    QString service = qEnvironmentVariable("QUILLMARK_SERVICE");
    if (service.isEmpty()) service = kDefaultDdeService;
    conv::Client client;
    if (!client.openLink(service, kDdeTopic)) {
        std::fprintf(stderr, "quilldde: Quillmark is not running\n");
        return 2;
    }
    bool poked = client.poke(kDdeItem, errorPokeText(line, eucToCp932(file)));
    client.closeLink();
    return poked ? 0 : 2;
}
