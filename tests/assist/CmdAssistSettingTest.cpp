// The command-assist settings dialog: the list's edits, command-assist files,
// the options, and what OK and Cancel do to the store and the pop-up.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "forms/MathSpaceForms.h"
#include "tests/assist/CmdAssistFixture.h"

namespace {

using cmdassist::Settings;

class SettingTest : public assisttest::PopupTest {
protected:
    // Runs the settings dialog; body plays the user on it and returns the
    // button that ends it.
    void runDialog(const std::function<int(TFormCmdAssistSetting&)>& body)
    {
        script().onDialog([body](QDialog& d) {
            auto* dialog = qobject_cast<TFormCmdAssistSetting*>(&d);
            EXPECT_NE(dialog, nullptr);
            return dialog ? body(*dialog) : int(mrCancel);
        });
        form->MenuOptionCmdAssistSetClick();
    }
    // Answers the command editor with a text.
    void answerEdit(const QString& text, int result = mrOk)
    {
        script().onDialog([text, result](QDialog& d) {
            auto* edit = qobject_cast<TFormCmdEdit*>(&d);
            EXPECT_NE(edit, nullptr);
            if (edit) {
                EXPECT_EQ(edit->Label1->text(), QString::fromUtf8("TeX命令(&C):"));
                edit->Edit1->setText(text);
            }
            return result;
        });
    }
    static int row(TFormCmdAssistSetting& d)
    {
        const QListWidgetItem* it = d.ListBox1->currentItem();
        return it && it->isSelected() ? d.ListBox1->currentRow() : -1;
    }
    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = tempPath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
};

TEST_F(SettingTest, ShowsTheStoredSettingsAndInstallsThemOnOk)
{
    Settings s{{"\\a", "\\b"}, 1, 0, 1, 0, false};
    open(&s);
    runDialog([](TFormCmdAssistSetting& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("コマンド入力支援設定"));
        EXPECT_EQ(d.HelpContext, 10100);
        EXPECT_EQ(d.Commands(), QStringList({"\\a", "\\b"}));
        EXPECT_EQ(row(d), 0);
        EXPECT_EQ(d.rgSpace.ItemIndex(), 1);
        EXPECT_EQ(d.rgKigou.ItemIndex(), 0);
        EXPECT_EQ(d.rgKakutei.ItemIndex(), 1);
        EXPECT_EQ(d.rgList.ItemIndex(), 0);
        EXPECT_FALSE(d.cbGakusyuu->isChecked());
        d.SetCommands({"\\x", "", "\\y"});
        d.rgSpace.SetItemIndex(0);
        d.rgKigou.SetItemIndex(1);
        d.rgList.SetItemIndex(1);
        d.cbGakusyuu->setChecked(true);
        return int(mrOk);
    });
    const Settings want{{"\\x", "", "\\y"}, 0, 1, 1, 1, true};
    EXPECT_EQ(cmdassist::readSettings(HKEY_CURRENT_USER_ROOT, apptest::kRoot), want);
    EXPECT_EQ(readString("\\CmdAssist", "Command"), "\\x\r\n\r\n\\y\r\n");
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->Items(), want.commands);
    EXPECT_EQ(popup()->Space, 0);
    EXPECT_EQ(popup()->Kigou, 1);
    EXPECT_EQ(popup()->Kakutei, 1);
    EXPECT_EQ(popup()->List, 1);
    EXPECT_TRUE(popup()->Gakusyuu);

    // Cancel after editing changes nothing.
    runDialog([](TFormCmdAssistSetting& d) {
        d.SetCommands({"\\gone"});
        d.rgSpace.SetItemIndex(1);
        return int(mrCancel);
    });
    EXPECT_EQ(cmdassist::readSettings(HKEY_CURRENT_USER_ROOT, apptest::kRoot), want);
    EXPECT_EQ(popup()->Items(), want.commands);
}

TEST_F(SettingTest, OkReplacesWhatLearningDidInThePopup)
{
    Settings s{{"\\", "\\s1", "\\s2"}, 0, 1, 0, 0, true};
    open(&s);
    backslash();
    type("s");
    key(Qt::Key_Down);
    enter();
    ASSERT_EQ(popup()->Items(), QStringList({"\\", "\\s2", "\\s1"}));
    runDialog([](TFormCmdAssistSetting&) { return int(mrOk); });
    EXPECT_EQ(popup()->Items(), QStringList({"\\", "\\s1", "\\s2"}));
}

TEST_F(SettingTest, AddPutsTheCommandAfterItsRelatives)
{
    open();
    runDialog([this](TFormCmdAssistSetting& d) {
        d.SetCommands({"\\a", "\\sec", "\\section", "\\see", "\\z"});
        // Inserted at the greatest index found for any of its beginnings.
        d.ListBox1->setCurrentRow(0);
        answerEdit("\\sectionmark");
        d.BtnAddClick();
        EXPECT_EQ(d.Commands(), QStringList({"\\a", "\\sec", "\\sectionmark", "\\section", "\\see", "\\z"}));
        EXPECT_EQ(row(d), 2);
        // ... or at the selection when that lies further down.
        d.ListBox1->setCurrentRow(5);
        answerEdit("\\b");
        d.BtnAddClick();
        EXPECT_EQ(d.Commands().indexOf("\\b"), 5);
        EXPECT_EQ(row(d), 5);
        // Nothing matching and nothing selected: the top.
        d.SetCommands({"\\x"});
        answerEdit("\\q");
        d.BtnAddClick();
        EXPECT_EQ(d.Commands(), QStringList({"\\q", "\\x"}));
        // Refused: no backslash, or already there (case counts).
        answerEdit("section");
        script().expectMessage(QString::fromUtf8("\\で始まる命令しか定義できません。"),
                               QString::fromUtf8("コマンド入力支援"), MB_ICONERROR, IDOK);
        d.BtnAddClick();
        answerEdit("\\x");
        script().expectMessage(QString::fromUtf8("\\x\r\nすでに同じ命令が定義されていますので\r\n追加できません。"),
                               QString::fromUtf8("追加"), MB_ICONERROR, IDOK);
        d.BtnAddClick();
        answerEdit("\\X");
        d.BtnAddClick();
        answerEdit("\\never", mrCancel);
        d.BtnAddClick();
        EXPECT_EQ(d.Commands(), QStringList({"\\q", "\\X", "\\x"}));
        return int(mrCancel);
    });
}

TEST_F(SettingTest, ChangeAndDelete)
{
    open();
    runDialog([this](TFormCmdAssistSetting& d) {
        d.SetCommands({"\\a", "\\b", "\\c"});
        d.ListBox1->setCurrentRow(1);
        // A change takes any text, even a duplicate without a backslash.
        script().onDialog([](QDialog& e) {
            auto* edit = qobject_cast<TFormCmdEdit*>(&e);
            EXPECT_EQ(edit->Edit1->text(), "\\b");
            edit->Edit1->setText("c");
            return int(mrOk);
        });
        d.BtnChangeClick();
        EXPECT_EQ(d.Commands(), QStringList({"\\a", "c", "\\c"}));
        EXPECT_EQ(row(d), 1);

        d.ListBox1->setCurrentRow(2);
        script().expectMessage(QString::fromUtf8("\\c\r\nこの命令を削除しますか。"), QString::fromUtf8("削除"),
                               MB_YESNO | MB_ICONEXCLAMATION, IDNO);
        d.BtnDelClick();
        EXPECT_EQ(d.Commands().size(), 3);
        script().answerNextMessage(IDYES);
        d.BtnDelClick();
        EXPECT_EQ(d.Commands(), QStringList({"\\a", "c"}));
        EXPECT_EQ(row(d), 1) << "the new last item";
        d.SetCommands({"\\only"});
        d.ListBox1->setCurrentRow(0);
        script().answerNextMessage(IDYES);
        d.BtnDelClick();
        EXPECT_EQ(d.ListBox1->count(), 0);
        EXPECT_EQ(row(d), -1);
        d.BtnDelClick();  // an empty list: nothing asked
        d.BtnChangeClick();
        return int(mrCancel);
    });
}

TEST_F(SettingTest, SaveAndLoadFilesWithTheirExtensionForced)
{
    open();
    const QString saved = tempPath("list.qma");
    runDialog([&](TFormCmdAssistSetting& d) {
        d.ProgramDir = folder();
        QDir(folder()).mkdir("Command");
        d.SetCommands({"\\x", QString::fromUtf8("\\日本"), "", "\\y"});
        script().onFile([&](const ask::FileRequest& r) {
            EXPECT_TRUE(r.save);
            EXPECT_EQ(r.caption, QString::fromUtf8("コマンド入力支援設定保存"));
            EXPECT_EQ(r.directory, folder() + "/Command");
            return ask::FileAnswer{true, tempPath("list.txt"), 1};
        });
        script().expectMessage(QString::fromUtf8("保存完了！"), QString::fromUtf8("コマンド入力支援"),
                               MB_ICONINFORMATION, IDOK);
        d.BtnSaveClick();

        d.SetCommands({"\\other"});
        script().onFile(ask::FileAnswer{true, tempPath("list"), 1});
        script().expectMessage(QString::fromUtf8("読み込み完了！"), QString::fromUtf8("コマンド入力支援"),
                               MB_ICONINFORMATION, IDOK);
        d.BtnLoadClick();
        EXPECT_EQ(d.Commands(), QStringList({"\\x", QString::fromUtf8("\\日本"), "", "\\y"}));
        EXPECT_EQ(row(d), 0);
        return int(mrCancel);
    });
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\\x\r\n\\\x93\xfa\x96\x7b\r\n\r\n\\y\r\n"));
}

TEST_F(SettingTest, BadFilesLeaveTheListAsItWas)
{
    open();
    const QString missing = tempPath("missing.qma");
    const QString binary = file("binary.qma", QByteArray("\\a\r\n\0\x01\x02garbage", 14));
    const QString big = file("big.qma", QByteArray(int(cmdassist::qma::kMaxBytes) + 10, 'x'));
    runDialog([&](TFormCmdAssistSetting& d) {
        const QStringList before = {"\\keep", "\\me"};
        d.SetCommands(before);
        script().onFile(ask::FileAnswer{true, missing, 1});
        script().expectMessage(
            missing + QString::fromUtf8("\r\nこのファイルが存在しませんので、読み込みできませんでした。"),
            QString::fromUtf8("コマンド入力支援"), MB_ICONERROR, IDOK);
        d.BtnLoad->click();
        for (const QString& path : {binary, big}) {
            script().onFile(ask::FileAnswer{true, path, 1});
            script().expectMessage({std::nullopt, QString("Error Message"), MB_ICONERROR, IDOK});
            d.BtnLoad->click();
            EXPECT_EQ(d.Commands(), before) << path.toStdString();
        }
        script().onFile(ask::FileAnswer{true, tempPath("no/folder/x.qma"), 1});
        script().expectMessage({std::nullopt, QString("Error Message"), MB_ICONERROR, IDOK});
        d.BtnSave->click();
        // Cancelled file dialogs do nothing.
        script().onFile(ask::FileAnswer{false, {}, 1});
        d.BtnLoad->click();
        EXPECT_EQ(d.Commands(), before);
        return int(mrCancel);
    });
    const std::vector<ask::MessageRequest> shown = messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_TRUE(shown[1].text.contains(QString::fromUtf8("コマンド入力支援ファイルではない")));
    EXPECT_TRUE(shown[2].text.contains(QString::fromUtf8("大きすぎる")));
}

TEST_F(SettingTest, MenuItemOpensTheDialog)
{
    TForm1& f = open();
    QAction* item = f.Item("MenuOptionCmdAssistSet");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8("コマンド入力支援設定(&B)..."));
    EXPECT_EQ(f.HelpContextOf("MenuOptionCmdAssistSet"), 10100);
    script().onDialog([](QDialog& d) {
        EXPECT_NE(qobject_cast<TFormCmdAssistSetting*>(&d), nullptr);
        return int(mrCancel);
    });
    item->trigger();
    EXPECT_EQ(script().dialogs().size(), 1u);
}

}  // namespace
