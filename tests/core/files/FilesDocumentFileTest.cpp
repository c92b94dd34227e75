// Reading and writing document files on real files.
#include <gtest/gtest.h>

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

TEST(DocumentFile, WritingKeepsModeAndLinks)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath("paper.tex");
    writeBytes(doc, "x");
    ::chmod(QFile::encodeName(doc).constData(), 0640);
    docfile::write(doc, "y", false);
    struct stat st {};
    ::stat(QFile::encodeName(doc).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    const QString link = dir.filePath("link.tex");
    ASSERT_TRUE(QFile::link(doc, link));
    docfile::write(link, "z", true);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(doc), "z");
    EXPECT_EQ(readBytes(dir.filePath("paper.BAK")), "y");
}
