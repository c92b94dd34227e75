// Reading and writing document files on real files.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/DocumentFile.h"
#include "tests/core/files/FilesTestSupport.h"

using namespace filestest;

namespace {

struct RoundTrip {
    const char* name;
    std::string bytes;
};

const std::vector<RoundTrip>& roundTrips()
{
    static const std::vector<RoundTrip> cases = {
        {"empty", ""},
        {"crlf kanji", "\\documentclass{jarticle}\r\n\x93\xfa\x96\x7b\x8c\xea\r\n"},
        {"lf kanji", "\\section{\x93\xfa\x96\x7b}\n\x8c\xea\n\n"},
        {"no final break", "a\r\nb"},
        {"lone cr", "a\rb\r"},
        {"mixed", "a\r\nb\nc\rd\r\n"},
        {"half-width kana", "\xb1\xb2\xb3\xdf\r\n"},
        {"0x5C trail bytes", "\x95\x5c\x8e\xa6\x83\x5c\\\\\r\n"},
        {"invalid bytes", "\x80\xa0\xfd\xfe\xff\x81\r\nx\x81"},
        {"duplicate codes", "\x87\x90\xed\x40\xfa\x40\r\n"},
        {"tabs and blank lines", "\t\r\n\r\n\r\n"},
    };
    return cases;
}

}  // namespace

TEST(DocumentFile, RoundTripsKeepEveryByte)
{
    QTemporaryDir dir;
    for (const RoundTrip& c : roundTrips()) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath("in.tex");
        writeBytes(path, c.bytes);
        const docfile::ReadResult r = docfile::read(path);
        ASSERT_EQ(r.status, docfile::ReadStatus::Ok);
        // Inside the editor every break is CR LF and nothing else changed.
        for (size_t i = 0; i < r.content.text.size(); ++i) {
            if (r.content.text[i] == '\n') ASSERT_TRUE(i > 0 && r.content.text[i - 1] == '\r');
            if (r.content.text[i] == '\r') ASSERT_TRUE(i + 1 < r.content.text.size() && r.content.text[i + 1] == '\n');
        }
        const QString out = dir.filePath("out.tex");
        docfile::write(out, docfile::toFileBytes(r.content.text, r.content.layout), false);
        EXPECT_EQ(readBytes(out), c.bytes);
    }
}

TEST(DocumentFile, EditedFilesKeepTheirBreaks)
{
    struct Case {
        const char* name;
        std::string file;
        std::string before, after;  // an edit of the editor text
        std::string expected;
    } cases[] = {
        {"lf stays lf", "a\nb\n", "b", "b\r\nnew", "a\nb\nnew\n"},
        {"crlf stays crlf", "a\r\nb\r\n", "a", "a\r\nx", "a\r\nx\r\nb\r\n"},
        // Unchanged lines of a mixed file keep their own breaks; new ones
        // take the most frequent.
        {"mixed head and tail", "1\r\n2\n3\n4\n5\r\n", "3", "3\r\nnew", "1\r\n2\n3\nnew\n4\n5\r\n"},
        {"mixed first line edited", "a\rb\r\nc\r\n", "a", "A", "A\rb\r\nc\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        docfile::EditorText t = docfile::fromFileBytes(c.file);
        const size_t at = t.text.find(c.before);
        ASSERT_NE(at, std::string::npos);
        std::string edited = t.text;
        edited.replace(at, c.before.size(), c.after);
        EXPECT_EQ(docfile::toFileBytes(edited, t.layout), c.expected);
    }
    // A new document is written with CR LF.
    EXPECT_EQ(docfile::toFileBytes("a\r\nb\r\n", docfile::Layout{}), "a\r\nb\r\n");
}

TEST(DocumentFile, LargeFilesAreRefusedWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.tex");
    writeBytes(path, std::string(docfile::kMaxTextBytes, 'x'));
    EXPECT_EQ(docfile::read(path).status, docfile::ReadStatus::Ok);

    // Within the limit on disk, past it once every LF is CR LF.
    std::string lf;
    while (lf.size() + 10 <= docfile::kMaxTextBytes) lf += "123456789\n";
    writeBytes(path, lf);
    const docfile::ReadResult r = docfile::read(path);
    EXPECT_EQ(r.status, docfile::ReadStatus::TooLarge);
    EXPECT_TRUE(r.content.text.empty());
}

TEST(DocumentFile, ABackupFileIsNeverBackedUpOntoItself)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath("old.BAK");
    writeBytes(doc, "before");
    EXPECT_FALSE(docfile::write(doc, "after", true));
    EXPECT_EQ(readBytes(doc), "after");
    EXPECT_EQ(entries(dir.path()), QStringList({"old.BAK"}));

    // Same file under two names: the backup name is a hard link to it.
    const QString tex = dir.filePath("linked.tex");
    writeBytes(tex, "v1");
    ASSERT_EQ(::link(QFile::encodeName(tex).constData(), QFile::encodeName(dir.filePath("linked.BAK")).constData()), 0);
    docfile::write(tex, "v2", true);
    EXPECT_EQ(readBytes(tex), "v2");
    EXPECT_EQ(readBytes(dir.filePath("linked.BAK")), "v1");
    EXPECT_EQ(entries(dir.path()).size(), 3);
}

namespace {

std::string nativeName(const QString& path) { return QFile::encodeName(path).toStdString(); }

struct stat statOf(const QString& path)
{
    struct stat st {};
    ::stat(nativeName(path).c_str(), &st);
    return st;
}

bool isLink(const QString& path)
{
    struct stat st {};
    return ::lstat(nativeName(path).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

void symlinkTo(const char* text, const QString& link) { ASSERT_EQ(::symlink(text, nativeName(link).c_str()), 0); }

}  // namespace

TEST(DocumentFile, WritingKeepsTheMode)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath("paper.tex");
    writeBytes(doc, "x");
    ::chmod(nativeName(doc).c_str(), 0640);
    docfile::write(doc, "y", false);
    EXPECT_EQ(statOf(doc).st_mode & 0777, 0640u);
}

TEST(DocumentFile, SymbolicLinksAreWrittenThrough)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("work") && QDir(dir.path()).mkdir("shared"));
    const QString work = dir.filePath("work"), shared = dir.filePath("shared");
    writeBytes(shared + "/paper.tex", "v1");

    // A link from another folder: the file it names is replaced, and the
    // backup lies beside that file under its name.
    const QString link = work + "/draft.tex";
    symlinkTo("../shared/paper.tex", link);
    EXPECT_TRUE(docfile::write(link, "v2", true));
    EXPECT_TRUE(isLink(link));
    EXPECT_EQ(readBytes(shared + "/paper.tex"), "v2");
    EXPECT_EQ(readBytes(shared + "/paper.BAK"), "v1");
    EXPECT_EQ(entries(work), QStringList({"draft.tex"}));

    // Through a link to a link.
    const QString second = work + "/again.tex";
    symlinkTo("draft.tex", second);
    docfile::write(second, "v3", false);
    EXPECT_TRUE(isLink(second) && isLink(link));
    EXPECT_EQ(readBytes(shared + "/paper.tex"), "v3");

    // A link whose file has gone gets the file back under the name it
    // points at, and stays a link.
    const QString dangling = work + "/gone.tex";
    symlinkTo("../shared/gone.tex", dangling);
    EXPECT_FALSE(docfile::write(dangling, "back", true));
    EXPECT_TRUE(isLink(dangling));
    EXPECT_EQ(readBytes(shared + "/gone.tex"), "back");
    EXPECT_EQ(readBytes(dangling), "back");

    // Where no file can come of it, the save fails and the links stay.
    const QString nowhere = work + "/nowhere.tex";
    symlinkTo("../missing/x.tex", nowhere);
    EXPECT_THROW(docfile::write(nowhere, "lost", false), docfile::FileError);
    EXPECT_TRUE(isLink(nowhere));
    symlinkTo("loop-b.tex", work + "/loop-a.tex");
    symlinkTo("loop-a.tex", work + "/loop-b.tex");
    EXPECT_THROW(docfile::write(work + "/loop-a.tex", "lost", false), docfile::FileError);
    EXPECT_TRUE(isLink(work + "/loop-a.tex") && isLink(work + "/loop-b.tex"));
}

TEST(DocumentFile, HardLinkedFilesAreRewrittenInPlace)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath("paper.tex"), other = dir.filePath("other.tex");
    writeBytes(doc, "first version");
    ::chmod(nativeName(doc).c_str(), 0640);
    ASSERT_EQ(::link(nativeName(doc).c_str(), nativeName(other).c_str()), 0);
    const ino_t inode = statOf(doc).st_ino;

    EXPECT_TRUE(docfile::write(doc, "second, longer version", true));
    EXPECT_EQ(readBytes(other), "second, longer version");
    EXPECT_EQ(statOf(doc).st_ino, inode);
    EXPECT_EQ(statOf(doc).st_nlink, 2u);
    EXPECT_EQ(statOf(doc).st_mode & 0777, 0640u);
    // The backup is a file of its own that keeps the old text.
    EXPECT_EQ(readBytes(dir.filePath("paper.BAK")), "first version");
    EXPECT_NE(statOf(dir.filePath("paper.BAK")).st_ino, inode);

    docfile::write(other, "short", false);
    EXPECT_EQ(readBytes(doc), "short");

    // A write that fails part way leaves the file as it was, modification
    // time included, so the next save does not see another program's work.
    const docfile::DiskStamp before = docfile::stampOf(doc);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(docfile::write(doc, std::string(4000, 'z'), false), docfile::FileError);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(readBytes(other), "short");
    EXPECT_EQ(docfile::stampOf(doc), before);

    // A read-only file is not written through another name either.
    ::chmod(nativeName(doc).c_str(), 0440);
    EXPECT_THROW(docfile::write(other, "no", false), docfile::FileError);
    EXPECT_EQ(readBytes(doc), "short");
    ::chmod(nativeName(doc).c_str(), 0640);
}
