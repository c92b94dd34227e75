#pragma once
// A fixture for the worker tests: a fresh settings store, recorded
// messages, a private runtime folder, a document folder whose name holds
// blanks and shell characters, and a way to run one worker to its end.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "platform/Ask.h"
#include "platform/Registry.h"
#include "tests/tex/TeXTestSupport.h"
#include "tex/TeXConsole.h"
#include "tex/Dde.h"
#include "tex/TeXCommands.h"
#include "tex/TeXRunState.h"
#include "tex/TeXWorker.h"

class TeXWorkerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldSettings_ = qgetenv("QUILLMARK_SETTINGS");
        qputenv("QUILLMARK_SETTINGS", (dir_.path() + "/settings.ini").toUtf8());
        ask::setMessageAnswerer([this](const ask::MessageRequest& r) {
            messages.push_back(r.caption + "|" + r.text);
            return IDOK;
        });
        folder = dir_.path() + "/doc folder $x;`y`";
        QDir().mkpath(folder);
        form = std::make_unique<TForm1>();
        form->RegKey = "\\Software\\Kestrelwood\\QuillmarkWorkerTest";
        form->ProgramDir = QUILL_TEST_BINARY_DIR;
    }
    void TearDown() override
    {
        form->StopTeXWorker();
        form.reset();
        ask::setMessageAnswerer({});
        qputenv("QUILLMARK_SETTINGS", oldSettings_);
    }
    void setting(const QString& name, const QString& value)
    {
        TRegistry reg;
        reg.OpenKey(form->RegKey + "\\TeXSetting", true);
        reg.WriteString(name, value);
    }
    void settingInt(const QString& name, int value)
    {
        TRegistry reg;
        reg.OpenKey(form->RegKey + "\\TeXSetting", true);
        reg.WriteInteger(name, value);
    }
    // A logging fake program in the test folder.
    QString fake(const QString& name, const QByteArray& body)
    {
        return textest::writeScript(dir_.path() + "/" + name, body);
    }
    QString orderLog() const { return dir_.path() + "/order.log"; }
    QStringList order() const
    {
        return QString::fromLocal8Bit(textest::readFile(orderLog())).split('\n', Qt::SkipEmptyParts);
    }
    QString document(const QString& name, const QByteArray& text)
    {
        QString path = folder + "/" + name;
        textest::writeFile(path, text);
        return path;
    }
    // Runs one worker to its end with the console attached.
    void run(const QString& path, int mode, int outputKind = 0, int passes = 1, bool mendex = false,
             bool bibtex = false)
    {
        TeXJob job = teXJobFor(*form, path);
        job.mode = mode;
        job.outputKind = outputKind;
        job.passes = passes;
        job.runMendex = mendex;
        job.runBibTeX = bibtex;
        auto* worker = new TTeXEXE(std::move(job), form.get(), tex::TeXConsoleView(*form));
        worker->Resume();
        finish(worker);
        delete worker;
    }
    // Keeps the event loop running (the console, timers and the server live
    // on it) until the worker ends; one that takes too long has its program
    // ended, so no test can hang on a TeX prompt.
    void finish(TTeXEXE* worker, int ms = 60000)
    {
        if (!textest::waitUntil([&] { return worker->Finished(); }, ms)) {
            ADD_FAILURE() << "the worker did not end in time";
            worker->EndRunningProgram();
        }
        worker->WaitFor();
        QCoreApplication::processEvents();
    }
    std::unique_ptr<TForm1> form;
    std::vector<QString> messages;
    QString folder;
    textest::PrivateRuntime runtime;

private:
    QTemporaryDir dir_;
    QByteArray oldSettings_;
};
