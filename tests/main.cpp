// Test entry: every test process runs under the offscreen platform, with a
// settings store of its own that is removed when the process ends.
#include "platform/Help.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Commands move the process's current folder (file dialogs, recent files,
// drops, TeX runs), and a test may delete the folder it moved into.  Each
// test gets back the folder it started in, so no test depends on which ran
// before it.
class CurrentFolderKeeper : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { saved_ = QDir::currentPath(); }
    void OnTestEnd(const testing::TestInfo&) override
    {
        if (QDir::currentPath() != saved_) QDir::setCurrent(saved_);
    }
    QString saved_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    // A child process started by a test shares its parent's store on purpose.
    std::unique_ptr<QTemporaryDir> settingsDir;
    if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS")) {
        settingsDir = std::make_unique<QTemporaryDir>();
        if (!settingsDir->isValid()) return 2;
        qputenv("QUILLMARK_SETTINGS", settingsDir->filePath(QStringLiteral("settings.ini")).toLocal8Bit());
    }

    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CurrentFolderKeeper);
    QApplication app(argc, argv);
    help::setSilent(true);
    return RUN_ALL_TESTS();
}
