#include "tex/InitSetup.h"

#include <array>

namespace {

// One installation kind: its folders and program names below the drive's
// root, "" where the kind names no program.
struct InstallKind {
    const char* teX;
    const char* teXOption;
    const char* dvi;
    const char* mendex;
    const char* bibTeX;
    const char* dvips;
    const char* dvipdf;
    const char* spell;
    const char* spellOption;
};

// The installer's layout is the distribution's own TeX (everything in
// /usr/bin); the books' CD layouts keep their folders.  Program names are
// those of the Linux programs: xdvi for the DVI viewer, pbibtex for the
// Japanese BibTeX, dvips, e-pTeX for the format-less TeX of kind 5, and
// ispell in its TeX mode ("-t") as the spell checker.
constexpr std::array<InstallKind, 7> kKinds = {{
    {"/usr/bin/platex", "", "/usr/bin/xdvi", "/usr/bin/mendex", "/usr/bin/pbibtex", "/usr/bin/dvips",
     "/usr/bin/dvipdfmx", "/usr/bin/ispell", "-t"},
    {"/usr/bin/platex", "", "/usr/bin/xdvi", "/usr/bin/mendex", "/usr/bin/pbibtex", "/usr/bin/dvips",
     "/usr/bin/dvipdfmx", "", ""},
    {"/usr/bin/platex", "", "/usr/bin/xdvi", "/usr/bin/mendex", "/usr/bin/pbibtex", "/usr/bin/dvips",
     "/usr/bin/dvipdfmx", "", ""},
    {"/tex/bin/platex", "", "/tex/dviout/xdvi", "/tex/bin/mendex", "/tex/bin/pbibtex", "/tex/bin/dvips",
     "/tex/bin/dvipdfmx", "", ""},
    {"/ptex/bin/platex", "", "/ptex/bin/xdvi", "/ptex/bin/mendex", "/ptex/bin/pbibtex", "/ptex/bin/dvips", "", "", ""},
    {"/ptex/bin/eptex", "\"&platex\"", "/ptex/bin/xdvi", "/ptex/bin/mendex", "/ptex/bin/pbibtex", "/ptex/bin/dvips", "",
     "", ""},
    {"/ptex/bin/platex", "", "/ptex/bin/xdvi", "/ptex/bin/mendex", "/ptex/bin/pbibtex", "/ptex/bin/dvips", "", "", ""},
}};

struct ProbeEntry {
    const char* file;
    const char* option;
};

constexpr ProbeEntry kPSViewers[] = {
    {"/usr/bin/gv", ""},
    {"/usr/bin/evince", ""},
    {"/usr/bin/okular", ""},
};

constexpr const char* kPreferredPdfReaders[] = {
    "/usr/bin/xpdf",
    "/usr/bin/evince",
    "/usr/bin/okular",
    "/usr/bin/qpdfview",
};

}  // namespace

const char kNoPreferredPdfReader[] =
    "Adobe Readerが見つかりませんでした。\nQuillmarkではPDFファイルの表示にAdobe Readerをお勧めします。\n"
    "Adobe Readerをインストールしてから、もう一度自動初期設定を実行してください。";

QString driveRoot(const QString& drive)
{
    QString d = drive.trimmed();
    if (d.isEmpty() || d.compare("c", Qt::CaseInsensitive) == 0) return {};
    return "/" + d;
}

TeXSettings autoSetupValues(int kind, const QString& drive)
{
    TeXSettings v;
    if (kind < 0 || kind >= int(kKinds.size())) kind = 0;
    const InstallKind& k = kKinds[size_t(kind)];
    QString root = driveRoot(drive);
    auto path = [&root](const char* p) { return *p ? root + QString::fromUtf8(p) : QString(); };
    v.TeXFile = path(k.teX);
    v.TeXOption = QString::fromUtf8(k.teXOption);
    v.DviFile = path(k.dvi);
    v.MendexFile = path(k.mendex);
    v.BibTeXFile = path(k.bibTeX);
    v.DvipsFile = path(k.dvips);
    v.DvipdfFile = path(k.dvipdf);
    v.SpellFile = path(k.spell);
    v.SpellOption = QString::fromUtf8(k.spellOption);
    // No DVI viewer on Linux answers the viewer conversation, so the viewer
    // is started by command line.
    v.DviDde = 1;
    return v;
}

ProbeResult detectPSViewer(const FileExists& exists)
{
    for (const ProbeEntry& e : kPSViewers)
        if (exists(e.file)) return {e.file, e.option, false};
    return {};
}

ProbeResult detectPDFReader(const FileExists& exists)
{
    for (const char* reader : kPreferredPdfReaders)
        if (exists(reader)) return {reader, "", true};
    for (const ProbeEntry& e : kPSViewers)
        if (exists(e.file)) return {e.file, "", false};
    return {};
}

QString expectedNameOf(const QString& missingPath)
{
    qsizetype slash = missingPath.lastIndexOf('/');
    return slash < 0 ? missingPath : missingPath.mid(slash);
}

QString fileSiteiError(const QString& chosen, const QString& expectedName, const FileExists& exists)
{
    if (!exists(chosen)) return "指定したファイルは存在しません。\r\nもう一度正しく指定してください。";
    if (expectedNameOf(chosen) != expectedName)
        return "指定したファイルは " + expectedName + " ではありません。\r\nもう一度正しく指定してください。";
    return {};
}
