#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "tests/app/AppFixture.h"
#include "tex/ParentFiles.h"
#include "tex/ParentFilesForm.h"

namespace {

parents::Table tableOf(std::initializer_list<ParentFileEntry> records)
{
    parents::Table t{};
    size_t i = 0;
    for (const ParentFileEntry& r : records) t[i++] = r;
    return t;
}

}  // namespace

TEST(ParentTable, RegistrationMovesGroupsAndShiftsNewChildrenIn)
{
    parents::Table t =
        tableOf({{"/d/a.tex", "/d/m.tex", true}, {"/d/x.tex", "/d/o.tex", false}, {"/d/b.tex", "/d/m.tex", false}});
    // Changing A's parent re-points B, which shared it; nothing moves.
    parents::registerParent(t, "/d/a.tex", "/d/n.tex", false);
    EXPECT_EQ(t[0].Parent, "/d/n.tex");
    EXPECT_TRUE(t[0].Execute);
    EXPECT_EQ(t[1].Parent, "/d/o.tex");
    EXPECT_EQ(t[2].Child, "/d/b.tex");
    EXPECT_EQ(t[2].Parent, "/d/n.tex");
    EXPECT_TRUE(t[3].Parent.isEmpty());

    // A path differing only in case is another document: it goes in front.
    parents::registerParent(t, "/d/A.tex", "/d/o.tex", true);
    EXPECT_EQ(t[0].Child, "/d/A.tex");
    EXPECT_TRUE(t[0].Execute);
    EXPECT_EQ(t[1].Child, "/d/a.tex");
    EXPECT_EQ(parents::knownParents(t), (QStringList{"/d/o.tex", "/d/n.tex"}));
}

TEST(ParentTable, FullTableDropsTheOldest)
{
    parents::Table t{};
    for (int i = 0; i < 128; ++i) t[size_t(i)] = {QString("/c/%1.tex").arg(i), "/m.tex", false};
    parents::registerParent(t, "/new.tex", "/p.tex", false);
    EXPECT_EQ(t[0].Child, "/new.tex");
    EXPECT_EQ(t[1].Child, "/c/0.tex");
    EXPECT_EQ(t[127].Child, "/c/126.tex");
    EXPECT_EQ(parents::findChild(t, "/c/127.tex"), -1);
}

TEST(ParentTable, LookupAndDamagedRecords)
{
    // The list ends at the first free record; later records are not offered.
    parents::Table t = tableOf({{"/a.tex", "/m.tex", true},
                                {"/b.tex", "/m.tex", false},
                                {"/lost.tex", "", true},
                                {"/c.tex", "/z.tex", false}});
    EXPECT_EQ(parents::knownParents(t), QStringList{"/m.tex"});
    parents::DocumentParent a = parents::parentOf(t, "/a.tex");
    EXPECT_TRUE(a.HasParent);
    EXPECT_EQ(a.ParentFile, "/m.tex");
    EXPECT_TRUE(a.ParentExecute);
    EXPECT_FALSE(parents::parentOf(t, "/lost.tex").HasParent);
    EXPECT_FALSE(parents::parentOf(t, "/nothing.tex").HasParent);
    EXPECT_EQ(parents::findChild(t, ""), -1);

    // A record without a parent gets one without touching the free records.
    parents::registerParent(t, "/lost.tex", "/q.tex", false);
    EXPECT_EQ(t[2].Parent, "/q.tex");
    EXPECT_TRUE(t[4].Parent.isEmpty());
    EXPECT_TRUE(t[127].Parent.isEmpty());

    EXPECT_TRUE(parents::setExecute(t, "/b.tex", true));
    EXPECT_TRUE(t[1].Execute);
    EXPECT_FALSE(parents::setExecute(t, "/nothing.tex", true));
}

class ParentCommandTest : public apptest::AppTest {
protected:
    TForm1& openDocument(const QString& name)
    {
        TForm1& f = form ? *form : start();
        f.FileName = document(name);
        f.HasFileName = true;
        f.HasParent = false;
        f.ParentExecute = false;
        f.RichEdit->SetModified(false);
        return f;
    }
    // Answers the registration dialog with a parent text, recording its list.
    void answerParent(const QString& text, QStringList* list = nullptr, int result = mrOk)
    {
        script().onDialog([=](QDialog& d) {
            auto& dialog = dynamic_cast<TFormParent&>(d);
            if (list) {
                list->clear();
                for (int i = 0; i < dialog.ui.ComboParent->count(); ++i)
                    list->append(dialog.ui.ComboParent->itemText(i));
            }
            dialog.SetParentText(text);
            return result;
        });
    }
};

TEST_F(ParentCommandTest, RegistrationFillsTheTableAndTheNextList)
{
    TForm1& f = openDocument("a.tex");
    const QString master = document("main.tex");
    answerParent(master);
    EXPECT_TRUE(f.EditParentFile());
    EXPECT_TRUE(f.HasParent);
    EXPECT_EQ(f.ParentFile, master);
    EXPECT_EQ(f.ParentTable[0].Child, f.FileName);
    EXPECT_EQ(f.ParentTable[0].Parent, master);

    openDocument("b.tex");
    QStringList list;
    answerParent(master, &list);
    EXPECT_TRUE(f.EditParentFile());
    EXPECT_EQ(list, QStringList{master});
    EXPECT_EQ(f.ParentTable[1].Parent, master);
}

TEST_F(ParentCommandTest, DialogRefusesMissingFilesAndStoresFullPaths)
{
    TForm1& f = openDocument("a.tex");
    const QString master = document("main.tex");
    const QString folder = QDir::currentPath();
    script().expectMessage("指定されているファイルは存在しません。", "親ファイル指定", MB_OK | MB_ICONERROR, IDOK);
    script().expectMessage("指定されているファイルは存在しません。", "親ファイル指定", MB_OK | MB_ICONERROR, IDOK);
    script().onDialog([&](QDialog& d) {
        auto& dialog = dynamic_cast<TFormParent&>(d);
        dialog.SetParentText(master + ".missing");
        dialog.accept();
        EXPECT_EQ(dialog.result(), 0);
        dialog.SetParentText(QFileInfo(master).absolutePath());  // a folder
        dialog.accept();
        // A name relative to the current folder.
        QDir::setCurrent(QFileInfo(master).absolutePath());
        dialog.SetParentText("main.tex");
        dialog.accept();
        return dialog.result();
    });
    EXPECT_TRUE(f.EditParentFile());
    QDir::setCurrent(folder);
    EXPECT_EQ(f.ParentFile, QFileInfo(master).absoluteFilePath());
}

TEST_F(ParentCommandTest, ToggleRegistersFirstAndCancelLeavesItOff)
{
    TForm1& f = openDocument("a.tex");
    answerParent("", nullptr, mrCancel);
    f.MenuTexParentExeClick();
    EXPECT_FALSE(f.ParentExecute);
    EXPECT_FALSE(f.HasParent);
    EXPECT_TRUE(f.ParentTable[0].Child.isEmpty());

    const QString master = document("main.tex");
    answerParent(master);
    f.MenuTexParentExeClick();
    EXPECT_TRUE(f.ParentExecute);
    EXPECT_TRUE(f.ParentTable[0].Execute);
    f.MenuTexProcessClick();
    EXPECT_TRUE(f.Item("MenuTexParentExe")->isChecked());

    f.MenuTexParentExeClick();  // has a parent now: no dialog
    EXPECT_FALSE(f.ParentExecute);
    EXPECT_FALSE(f.ParentTable[0].Execute);
}

TEST_F(ParentCommandTest, UnsavedDocumentRegistersNothing)
{
    TForm1& f = openDocument("a.tex");
    f.HasFileName = false;
    f.RichEdit->SetModified(true);
    script().onFile(ask::FileAnswer{});  // the save asks for a name and is cancelled
    EXPECT_FALSE(f.EditParentFile());
    EXPECT_TRUE(script().dialogs().empty());
    EXPECT_TRUE(f.ParentTable[0].Child.isEmpty());
}

TEST_F(ParentCommandTest, MenuItems)
{
    TForm1& f = start();
    ASSERT_NE(f.Item("MenuTexParent"), nullptr);
    EXPECT_TRUE(f.Item("MenuTexParentExe")->isCheckable());
    EXPECT_EQ(f.Item("MenuTeXSpell")->shortcut(), QKeySequence(Qt::Key_F8));
    EXPECT_TRUE(f.MenuTex->actions().contains(f.Item("MenuTeXSpell")));
    EXPECT_TRUE(f.MenuOption->actions().contains(f.Item("MenuOptionPreference")));
    EXPECT_NE(f.Item("ToolButtonSpell"), nullptr);
    EXPECT_FALSE(f.Item("MenuFileSpell")->isVisible());
    EXPECT_FALSE(f.Item("MenuFileSpell")->isEnabled());
    // The quit item stays last whatever was added to the File menu.
    EXPECT_EQ(f.MenuFile->actions().back(), f.MenuFileQuit);
}
