#pragma once
// The one way a test stands up the main window: on a settings store of the
// test's own, with every message box and dialog answered from a script.
#include <QApplication>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "core/undo/MultiUndo.h"
#include "platform/Ask.h"
#include "tests/support/CommandFixture.h"
#include "tests/support/OwnStore.h"
#include "tests/support/ScriptedAsk.h"

namespace apptest {

using testsupport::kRoot;

class AppTest : public ::testing::Test, public testsupport::OwnStore {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(storeReady());
        script_ = std::make_unique<testsupport::ScriptedAsk>();
    }
    void TearDown() override
    {
        form.reset();
        script_.reset();
    }

    // Every message box and dialog must be scripted; one that is not fails
    // the test instead of waiting for a real window.
    testsupport::ScriptedAsk& script() { return *script_; }
    std::vector<ask::MessageRequest> messages() const { return script_->messages(); }

    TForm1& start()
    {
        form.reset();
        form = std::make_unique<TForm1>();
        return *form;
    }
    // A started window on text, the caret at its start.
    TForm1& startOn(const std::string& text)
    {
        TForm1& f = start();
        f.RichEdit->SetText(text);
        f.RichEdit->SetSelStart(0);
        return f;
    }
    // A started window shown and active, its editor with the keyboard and
    // an empty document, for tests that drive it with key events.
    TForm1& startShown()
    {
        TForm1& f = start();
        f.resize(800, 600);
        f.move(100, 100);
        f.show();
        QApplication::setActiveWindow(&f);
        f.RichEdit->setFocus();
        load("");
        return f;
    }
    // A document as if just opened: the caret at caret (the end when
    // negative), unmodified, nothing to undo.
    void load(const std::string& text, int caret = -1)
    {
        form->RichEdit->SetText(text);
        form->RichEdit->Select(caret < 0 ? int(text.size()) : caret, 0);
        form->RichEdit->SetModified(false);
        form->UndoManager->Reset();
    }
    // The close as the window runs it: the query, then the close itself.
    bool closeForm()
    {
        bool canClose = true;
        form->FormCloseQuery(canClose);
        if (canClose) form->Form1CloseClick();
        return canClose;
    }

    std::unique_ptr<TForm1> form;

private:
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
