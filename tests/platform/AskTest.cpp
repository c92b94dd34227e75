#include "platform/Ask.h"
#include "platform/Thread.h"
#include "tests/support/ScriptedAsk.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <stdexcept>

namespace {

using testsupport::ExpectedMessage;
using testsupport::ScriptedAsk;

TEST(DialogSeam, ScriptedMessagesAreAnsweredInOrderAndRecorded)
{
    ScriptedAsk script;
    script
        .expectMessage(QStringLiteral("変更されています。保存しますか。"), QStringLiteral("Quillmarkの終了"),
                       MB_YESNOCANCEL | MB_ICONQUESTION, IDNO)
        .answerNextMessage(IDOK);
    EXPECT_EQ(ask::messageBox(QStringLiteral("変更されています。保存しますか。"), QStringLiteral("Quillmarkの終了"),
                              MB_YESNOCANCEL | MB_ICONQUESTION),
              IDNO);
    ask::errorMessage(QStringLiteral("File not found"));
    ASSERT_EQ(script.messages().size(), 2u);
    EXPECT_EQ(script.messages()[1].caption, QStringLiteral("Error Message"));
    EXPECT_EQ(script.messages()[1].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(script.pending(), 0);
}

TEST(DialogSeam, UnscriptedOrMismatchedRequestsFailWithoutBlocking)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedAsk script;
            EXPECT_EQ(ask::messageBox(QStringLiteral("q"), QStringLiteral("c"), MB_YESNO), IDNO);
        },
        "unscripted message");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedAsk script;
            script.expectMessage(ExpectedMessage{QStringLiteral("expected"), std::nullopt, std::nullopt, IDYES});
            EXPECT_EQ(ask::messageBox(QStringLiteral("other"), QStringLiteral("c"), MB_YESNO), IDYES);
        },
        "unexpected message");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedAsk script;
            script.answerNextMessage(IDOK);
        },
        "never shown");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedAsk script;
            QDialog d;
            EXPECT_EQ(ask::execModal(d), mrCancel);
        },
        "unscripted dialog");
}

class AskingThread : public TThread {
public:
    AskingThread() : TThread(true) {}
    int answer = 0;

protected:
    void Execute() override
    {
        answer = ask::messageBox(QStringLiteral("TeX処理中です"), QStringLiteral("Quillmark"), MB_OKCANCEL);
    }
};

TEST(DialogSeam, WorkerThreadWaitsForTheAnswerFromTheMainThread)
{
    ScriptedAsk script;
    script.expectMessage(QStringLiteral("TeX処理中です"), QStringLiteral("Quillmark"), MB_OKCANCEL, IDCANCEL);
    AskingThread t;
    t.Resume();
    t.WaitFor();
    EXPECT_EQ(t.answer, IDCANCEL);
}

// A button's handler that throws ends in the Error Message box, not in the
// event loop; the connection goes with its context.
TEST(DialogSeam, ButtonHandlersRunBehindTheBoundary)
{
    ScriptedAsk script;
    script.expectMessage(QStringLiteral("disk full"), QStringLiteral("Error Message"), MB_OK | MB_ICONERROR, IDOK);
    QPushButton button;
    int runs = 0;
    {
        QObject context;
        ask::onClick(&button, &context, [&] {
            ++runs;
            throw std::runtime_error("disk full");
        });
        button.click();
    }
    button.click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(script.messages().size(), 1u);
}

TEST(DialogSeam, ModalDialogGetsTheScriptedWidgetsAndResult)
{
    ScriptedAsk script;
    script.onDialog([](QDialog& d) {
        EXPECT_TRUE(d.isVisible());
        d.findChild<QLineEdit*>()->setText(QStringLiteral("figure1.eps"));
        return mrOk;
    });
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(edit);
    bool accepted = false;
    QObject::connect(&dialog, &QDialog::accepted, [&] { accepted = true; });
    EXPECT_EQ(ask::execModal(dialog), mrOk);
    EXPECT_EQ(dialog.result(), mrOk);
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("figure1.eps"));
    EXPECT_EQ(script.dialogs(), std::vector<QString>{QStringLiteral("QDialog")});
}

TEST(DialogSeam, FilterPatternsMatchBothCases)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"TeX文書 (*.tex)", "TeX文書 (*.tex *.TEX)"},
        {"TeX (*.tex *.dtx)", "TeX (*.tex *.TEX *.dtx *.DTX)"},
        {"すべて (*.*)", "すべて (*.*)"},
        {"Image (*.EPS)", "Image (*.EPS *.eps)"},
        {"no patterns", "no patterns"},
    };
    for (const Case& c : cases) EXPECT_EQ(ask::bothCases(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
}

TEST(DialogSeam, ADialogOpenedWhileNoWindowIsActiveGivesTheKeyboardToItsOwner)
{
    QWidget main;
    auto* editor = new QLineEdit(&main);
    (new QVBoxLayout(&main))->addWidget(editor);
    main.show();
    main.activateWindow();
    editor->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &main);

    // A dialog closed outside the seam leaves no window active, as a dialog
    // of the seam does until the window system has answered its return.
    QDialog first(&main);
    first.show();
    QCoreApplication::processEvents();
    first.hide();
    ScriptedAsk script;
    script.onDialog([](QDialog&) { return int(mrOk); });
    QDialog second(&main);
    EXPECT_EQ(ask::execModal(second), mrOk);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &main);
    EXPECT_EQ(QApplication::focusWidget(), editor);
}

}  // namespace
