#include "platform/WholeFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

#include "tests/support/WatchedPipe.h"

namespace {

class WholeFileTest : public testing::Test {
protected:
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(WholeFileTest, OnlyARegularFileIsReadAndAPipeIsNeverOpened)
{
    testsupport::WatchedPipe pipe(dir_.filePath("pipe"));
    ASSERT_TRUE(pipe.made());
    const QString linkToPipe = dir_.filePath("to-pipe");
    const QString linkToZero = dir_.filePath("to-zero");
    const QString linkToFile = dir_.filePath("to-file");
    ASSERT_TRUE(QFile::link(dir_.filePath("pipe"), linkToPipe));
    ASSERT_TRUE(QFile::link("/dev/zero", linkToZero));
    ASSERT_TRUE(QFile::link(file("plain", "text\n"), linkToFile));

    for (const QString& path : {dir_.filePath("pipe"), linkToPipe, linkToZero, QString("/dev/zero"), dir_.path()}) {
        const wholefile::Contents c = wholefile::read(path, 1 << 20);
        EXPECT_EQ(c.status, wholefile::Status::NotRegular) << path.toStdString();
        EXPECT_EQ(c.error, path == dir_.path() ? EISDIR : EINVAL);
        EXPECT_TRUE(c.bytes.isEmpty());
        EXPECT_FALSE(c.reason.isEmpty());
    }
    EXPECT_EQ(wholefile::read(dir_.filePath("none"), 10).status, wholefile::Status::Missing);
    const wholefile::Contents linked = wholefile::read(linkToFile, 10);
    EXPECT_EQ(linked.status, wholefile::Status::Ok);
    EXPECT_EQ(linked.bytes, "text\n");
    EXPECT_FALSE(pipe.wasOpened());
}

TEST_F(WholeFileTest, AFilePastItsBoundIsRefused)
{
    const QString path = file("list", QByteArray(10000, 'a'));
    EXPECT_EQ(wholefile::read(path, 10000).bytes.size(), 10000);
    const wholefile::Contents over = wholefile::read(path, 9999);
    EXPECT_EQ(over.status, wholefile::Status::TooLarge);
    EXPECT_EQ(over.error, EFBIG);
    EXPECT_TRUE(over.bytes.isEmpty());
    EXPECT_EQ(wholefile::read(file("empty", ""), 4).status, wholefile::Status::Ok);
}
