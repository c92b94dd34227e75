// A stray lead byte (an invalid byte the file holds with no trail byte after
// it) on every road that can put a completing byte right after it: the byte
// becomes "?", the screen shows what the bytes say, the user is told, Undo
// gives back the opened bytes and Redo the edited ones, and saving and
// reading back changes nothing.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <functional>

#include "core/search/SearchForms.h"
#include "forms/SearchToolForms.h"
#include "tests/core/FormFixture.h"
#include "tests/core/files/FilesTestSupport.h"

namespace {

class StrayBytes : public FormFixture {
protected:
    QTemporaryDir dir;

    // Opens the bytes as a file, as the user does.
    void open(const std::string& bytes)
    {
        const QString path = dir.filePath("doc.tex");
        filestest::writeBytes(path, bytes);
        ASSERT_TRUE(form->LoadFile(path));
        form->SetStatusPanel(3, {});
    }
    std::string savedAndReadBack()
    {
        form->MenuFileSaveClick();
        const std::string saved = filestest::readBytes(form->FileName);
        EXPECT_TRUE(form->LoadFile(form->FileName));
        EXPECT_EQ(text(), saved);
        return saved;
    }
    void replaceAll(const std::string& find, const std::string& by, int count)
    {
        form->MenuSearchReplaceClick();
        FormReplace->ui.EditFind->setText(cp932::decode(find));
        FormReplace->ui.EditReplace->setText(cp932::decode(by));
        script().expectMessage(QString::number(count) + QString::fromUtf8(" 個置換しました。"),
                               QString::fromUtf8("置換"), MB_OK | MB_ICONINFORMATION, IDOK);
        FormReplace->BtnReplaceAllClick();
        FormReplace->hide();
    }
};

const QString kTold = QString::fromUtf8("不正なバイト 1 個を「?」に置き換えました。");

}  // namespace

TEST_F(StrayBytes, EveryRoadKeepsTheStrayByteApart)
{
    form->AutoCommand = false;
    struct Road {
        const char* name;
        std::string file;
        std::function<void()> act;
        std::string after;
    };
    const Road roads[] = {
        {"typing at a line end", "\x82\r\nz",
         [this] {
             ed->Select(1, 0);
             type("a");
         },
         "?a\r\nz"},
        {"deleting the line break", "\x81\r\na",
         [this] {
             ed->Select(1, 0);
             key(Qt::Key_Delete);
         },
         "?a"},
        {"delete", "\x81 a",
         [this] {
             ed->Select(1, 0);
             key(Qt::Key_Delete);
         },
         "?a"},
        {"backspace", "\x81 a",
         [this] {
             ed->Select(2, 0);
             key(Qt::Key_Backspace);
         },
         "?a"},
        {"typing mid-line", "\x81 ",
         [this] {
             ed->Select(1, 0);
             type("a");
         },
         "?a "},
        {"input method", "\x81 ",
         [this] {
             ed->Select(1, 0);
             commitIme("\x95\x5c");
         },
         "?\x95\x5c "},
        {"cut", "\xe9 x",
         [this] {
             ed->Select(1, 1);
             key(Qt::Key_X, Qt::ControlModifier);
         },
         "?x"},
        {"replace all", "\x81 a", [this] { replaceAll(" ", "", 1); }, "?a"},
        {"paste", "\x82\r\na",
         [this] {
             QGuiApplication::clipboard()->setText("a");
             ed->Select(1, 0);
             form->MenuEditPasteClick();
         },
         "?a\r\na"},
        {"insertion primitive", "x\x81",
         [this] {
             ed->Select(2, 0);
             form->InsertText("@");
         },
         "x?@"},
        {"lead byte before a stray lead byte", "\x81\r\n\x81 ",
         [this] {
             ed->Select(1, 0);
             key(Qt::Key_Delete);
         },
         "?\x81 "},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        open(road.file);
        road.act();
        EXPECT_EQ(text(), road.after);
        EXPECT_EQ(screen(), shows(text()));
        EXPECT_EQ(form->StatusPanelText(3), kTold);
        EXPECT_EQ(undo(), road.file);
        EXPECT_EQ(screen(), shows(road.file));
        EXPECT_EQ(redo(), road.after);
        EXPECT_EQ(savedAndReadBack(), road.after);
    }
}

TEST_F(StrayBytes, UndoBesideAStrayByteGivesBackEveryByte)
{
    const std::string file = "\x95\x5c\x81 a";  // 表, a stray 81, a blank, a
    open(file);
    ed->Select(3, 0);
    key(Qt::Key_Delete);
    EXPECT_EQ(text(), "\x95\x5c?a");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), file);
    EXPECT_EQ(redo(), "\x95\x5c?a");
    EXPECT_EQ(undo(), file);
    EXPECT_FALSE(form->UndoManager->CanUndo());

    // A replacement that completes nothing keeps the stray byte; Undo puts
    // the blank back where it was.
    open(file);
    replaceAll(" ", "?", 1);
    EXPECT_EQ(text(), "\x95\x5c\x81?a");
    EXPECT_EQ(undo(), file);
    EXPECT_EQ(screen(), shows(file));

    // A selection typed over: had its removal been a step of its own, that
    // step would join the stray byte with the "a".
    open("\x81 a");
    ed->Select(1, 1);
    type("0");
    EXPECT_EQ(text(), "\x81"
                      "0a");
    EXPECT_EQ(undo(), "\x81 a");
    EXPECT_EQ(screen(), shows("\x81 a"));
    EXPECT_EQ(redo(), "\x81"
                      "0a");
}
