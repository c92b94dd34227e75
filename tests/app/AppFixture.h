#pragma once
// A fresh settings store per test, every message box answered from a script, and a helper to read back what the store
// holds.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "platform/Ask.h"
#include "platform/Registry.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/ScriptedAsk.h"

namespace apptest {

inline const QString kRoot = "\\Software\\Kestrelwood\\Quillmark";

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previousStore_ = qgetenv("QUILLMARK_SETTINGS");
        qputenv("QUILLMARK_SETTINGS", storeFile().toLocal8Bit());
        script_ = std::make_unique<testsupport::ScriptedAsk>();
    }
    void TearDown() override
    {
        form.reset();
        script_.reset();
        qputenv("QUILLMARK_SETTINGS", previousStore_);
    }

    // Every message box and dialog must be scripted; one that is not fails
    // the test instead of waiting for a real window.
    testsupport::ScriptedAsk& script() { return *script_; }
    std::vector<ask::MessageRequest> messages() const { return script_->messages(); }

    QString storeFile() const { return dir_.filePath("settings.ini"); }
    QString tempPath(const QString& name) const { return dir_.filePath(name); }
    // A small document on disk.
    QString document(const QString& name, const QByteArray& text = "\\documentclass{jarticle}\r\n") const
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
        return path;
    }

    TForm1& start()
    {
        form.reset();
        form = std::make_unique<TForm1>();
        return *form;
    }
    // The close as the window runs it: the query, then the close itself.
    bool closeForm()
    {
        bool canClose = true;
        form->FormCloseQuery(canClose);
        if (canClose) form->Form1CloseClick();
        return canClose;
    }

    bool exists(const QString& key, const QString& name)
    {
        TRegistry reg;
        reg.OpenKey(kRoot + key, true);
        return reg.ValueExists(name);
    }
    int readInt(const QString& key, const QString& name)
    {
        TRegistry reg;
        reg.OpenKey(kRoot + key, true);
        return reg.ReadInteger(name);
    }
    QString readString(const QString& key, const QString& name)
    {
        TRegistry reg;
        reg.OpenKey(kRoot + key, true);
        return reg.ReadString(name);
    }
    void writeInt(const QString& key, const QString& name, int value)
    {
        TRegistry reg;
        reg.OpenKey(kRoot + key, true);
        reg.WriteInteger(name, value);
    }
    void writeString(const QString& key, const QString& name, const QString& value)
    {
        TRegistry reg;
        reg.OpenKey(kRoot + key, true);
        reg.WriteString(name, value);
    }

    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir dir_;
    QByteArray previousStore_;
    std::unique_ptr<testsupport::ScriptedAsk> script_;
};

// A started window whose commands run on a document the test sets up; each
// modal dialog is answered by its type, its help context kept in help.
class WindowTest : public AppTest, public testsupport::WindowCommands {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        start();
    }
    TForm1& window() override { return *form; }

    // Answers the next dialog of the command after letting act work on it.
    template <class Dialog>
    void answer(int result, std::function<void(Dialog&)> act = {})
    {
        script().onDialog([this, result, act](QDialog& d) {
            auto* dialog = dynamic_cast<Dialog*>(&d);
            EXPECT_TRUE(dialog) << d.metaObject()->className();
            if (!dialog) return int(mrCancel);
            if (auto* form = dynamic_cast<TDialogForm*>(&d)) help = form->HelpContext;
            if (act) act(*dialog);
            return result;
        });
    }
    int help = 0;
};

}  // namespace apptest
