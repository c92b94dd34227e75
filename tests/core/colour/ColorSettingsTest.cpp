// The colour settings dialog and the main window's handler, driven through
// scripted answers: table edits, colour files, OK and Cancel.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "core/colour/ColorSettings.h"
#include "forms/ColorStructForms.h"
#include "platform/Registry.h"
#include "tests/support/ScriptedAsk.h"

using testsupport::ScriptedAsk;

namespace {

const QString kLoadCaption = QString::fromUtf8("カラー構文設定Load");
const QString kSaveCaption = QString::fromUtf8("カラー構文設定Save");

class ColorSettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog.ProgramDir = dir.path();
        dialog.Data.rows = {{"\\section", 0x80, true, false, true}, {"\\verb", 0x800080, false, false, false}};
        dialog.Data.classes.ZenOn = true;
        dialog.SetFlagBoxes();
        dialog.FormShow();
    }
    // Answers the row dialog with a name, a colour and the bold flag.
    static std::function<int(QDialog&)> rowAnswer(const QString& name, unsigned color, bool bold)
    {
        return [=](QDialog& d) {
            auto& set = dynamic_cast<TFormColorSet&>(d);
            if (!set.ui.Edit1->isReadOnly()) set.ui.Edit1->setText(name);
            set.SetColor(color);
            set.ui.cbBold->setChecked(bold);
            return int(mrOk);
        };
    }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < dialog.ui.ListBox1->count(); ++i) names << dialog.ui.ListBox1->item(i)->text();
        return names;
    }

    QTemporaryDir dir;
    TFormColorStruct dialog;
};

TEST_F(ColorSettingsDialog, AddingChecksTheNameAndAppendsSelected)
{
    {
        ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            auto& set = dynamic_cast<TFormColorSet&>(d);
            EXPECT_EQ(set.ui.Edit1->text(), "\\");
            EXPECT_EQ(set.ui.Edit1->cursorPosition(), 1);
            set.ui.Edit1->setText("\\section");
            return int(mrOk);
        });
        ask.expectMessage(QString::fromUtf8("\\section\r\nすでに同じ命令が定義されていますので\r\n追加できません。"),
                          QString::fromUtf8("追加"), MB_ICONERROR, IDOK);
        dialog.BtnAddClick();
    }
    EXPECT_EQ(dialog.Data.rows.size(), 2u);
    {
        ScriptedAsk ask;
        ask.onDialog(rowAnswer("\\label", 0x008080, true));
        dialog.BtnAddClick();
    }
    ASSERT_EQ(dialog.Data.rows.size(), 3u);
    EXPECT_EQ(dialog.Data.rows[2].name, "\\label");
    EXPECT_EQ(dialog.Data.rows[2].color, 0x008080u);
    EXPECT_TRUE(dialog.Data.rows[2].bold);
    EXPECT_EQ(listed(), (QStringList{"\\section", "\\verb", "\\label"}));
    EXPECT_EQ(dialog.ui.ListBox1->currentRow(), 2);
    {
        ScriptedAsk ask;
        ask.onDialog([](QDialog&) { return int(mrCancel); });
        dialog.BtnAddClick();
    }
    EXPECT_EQ(dialog.Data.rows.size(), 3u);
}

TEST_F(ColorSettingsDialog, AFullTableOnlyShowsTheLimit)
{
    dialog.Data.rows.resize(kMaxColorCommands, {"\\x", 0, false, false, false});
    ScriptedAsk ask;  // no row dialog scripted: opening one would fail
    ask.expectMessage(QString::fromUtf8("カラー構文では、２０４８個以上命令を設定できません。"),
                      QString::fromUtf8("追加"), MB_ICONERROR, IDOK);
    dialog.BtnAddClick();
    EXPECT_EQ(dialog.Data.rows.size(), size_t(kMaxColorCommands));
}

TEST_F(ColorSettingsDialog, ChangingKeepsTheNameAndDeletingAsksFirst)
{
    dialog.ui.ListBox1->setCurrentRow(1);
    {
        ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            auto& set = dynamic_cast<TFormColorSet&>(d);
            EXPECT_TRUE(set.ui.Edit1->isReadOnly());
            EXPECT_EQ(set.ui.Edit1->text(), "\\verb");
            EXPECT_EQ(set.Color, 0x800080u);
            set.SetColor(0x123456);
            set.ui.cbItalic->setChecked(true);
            return int(mrOk);
        });
        dialog.BtnChangeClick();
    }
    EXPECT_EQ(dialog.Data.rows[1].name, "\\verb");
    EXPECT_EQ(dialog.Data.rows[1].color, 0x123456u);
    EXPECT_TRUE(dialog.Data.rows[1].italic);
    EXPECT_EQ(dialog.ui.ListBox1->currentRow(), 1);

    dialog.ui.ListBox1->setCurrentRow(0);
    {
        ScriptedAsk ask;
        ask.expectMessage(QString::fromUtf8("\\section\r\nこの命令を削除しますか。"), QString::fromUtf8("削除"),
                          MB_YESNO | MB_ICONEXCLAMATION, IDNO);
        dialog.BtnDeleteClick();
    }
    EXPECT_EQ(dialog.Data.rows.size(), 2u);
    {
        ScriptedAsk ask;
        ask.answerNextMessage(IDYES);
        dialog.BtnDeleteClick();
    }
    ASSERT_EQ(dialog.Data.rows.size(), 1u);
    EXPECT_EQ(dialog.Data.rows[0].name, "\\verb");
    EXPECT_EQ(listed(), QStringList{"\\verb"});
}

TEST_F(ColorSettingsDialog, ColourButtonsAndCheckBoxesEditTheCopy)
{
    {
        ScriptedAsk ask;
        ask.onColor({true, 0x010203});
        ask.onColor({false, 0x999999});
        dialog.BitBtn1Click();
        dialog.BtnBackColorClick();
    }
    EXPECT_EQ(dialog.Data.classes.GenTeXColor, 0x010203u);
    EXPECT_EQ(dialog.Data.BackColor, 0xFFFFFFu);
    dialog.ui.cbZen->click();
    EXPECT_FALSE(dialog.Data.classes.ZenOn);
    dialog.ui.cbRemItalic->setChecked(!dialog.Data.classes.RemItalic);
    EXPECT_EQ(dialog.Data.classes.RemItalic, dialog.ui.cbRemItalic->isChecked());
}

TEST_F(ColorSettingsDialog, SavedFileLoadsBackAndOverwritingAsks)
{
    const QString chosen = dir.filePath("mine.txt");
    const QString path = dir.filePath("mine.qmc");
    QDir(dir.path()).mkdir("QuillColor");
    {
        ScriptedAsk ask;
        ask.onFile([&](const ask::FileRequest& r) {
            EXPECT_TRUE(r.save);
            EXPECT_EQ(r.caption, kSaveCaption);
            EXPECT_EQ(r.directory, dir.path() + "/QuillColor");
            return ask::FileAnswer{true, chosen, 1};
        });
        ask.expectMessage(QString::fromUtf8("保存完了！"), kSaveCaption, MB_ICONINFORMATION, IDOK);
        dialog.BtnExportClick();
    }
    ASSERT_TRUE(QFile::exists(path));
    const qint64 size = QFileInfo(path).size();
    dialog.Data.rows.push_back({"\\extra", 1, false, false, false});
    {
        ScriptedAsk ask;
        ask.onFile(ask::FileAnswer{true, path, 1});
        ask.expectMessage(QString::fromUtf8("同名のファイルが存在します。\r\n上書き保存しますか。"), kSaveCaption,
                          MB_YESNO | MB_ICONEXCLAMATION, IDNO);
        dialog.BtnExportClick();
    }
    EXPECT_EQ(QFileInfo(path).size(), size) << "No writes nothing";

    {
        ScriptedAsk ask;
        ask.onFile(ask::FileAnswer{true, dir.filePath("mine"), 1});
        ask.expectMessage(QString::fromUtf8("ロード完了！"), kLoadCaption, MB_ICONINFORMATION, IDOK);
        dialog.BtnImportClick();
    }
    EXPECT_EQ(listed(), (QStringList{"\\section", "\\verb"}));
    EXPECT_EQ(dialog.ui.ListBox1->currentRow(), 0);
}

TEST_F(ColorSettingsDialog, RefusedLoadsChangeNothing)
{
    const QString caption = QString::fromUtf8("カラー構文");
    auto file = [&](const char* name, const std::string& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qint64(bytes.size()));
        return f.fileName();
    };
    ColorSettings other;
    other.rows = {{"\\other", 5, false, false, false}};
    std::string truncated = colorfile::write(other);
    truncated.resize(truncated.size() - 12);
    const QString missing = dir.filePath("none.qmc");
    // A sound file padded past the size limit with lines the reader ignores.
    std::string padded = colorfile::write(other);
    padded.resize(size_t(colorfile::kMaxFileBytes) + 2, '\n');
    const QString large = file("large.qmc", padded);
    struct Case {
        QString path;
        std::optional<QString> text;
    };
    const Case cases[] = {
        {missing, missing + QString::fromUtf8("\r\nこのファイルが存在しませんので、読み込みできませんでした。")},
        {file("v4.qmc", "Quillmark\r\nColor Struct File\r\n4\r\n"),
         QString::fromUtf8("このバージョンのカラー構文設定ファイルは読み込めません。")},
        {file("cut.qmc", truncated), std::nullopt},
        {large, large + QString::fromUtf8("\r\nこのファイルは大きすぎるため、読み込みできませんでした。")},
        {file("text.qmc", "plain text\r\n"), QString::fromUtf8("このファイルはQuillmarkのファイルではありません")},
    };
    for (const Case& c : cases) {
        ScriptedAsk ask;
        ask.onFile(ask::FileAnswer{true, c.path, 1});
        ask.expectMessage({c.text, c.text ? std::optional<QString>(caption) : std::nullopt, std::nullopt, IDOK});
        dialog.BtnImportClick();
        EXPECT_EQ(listed(), (QStringList{"\\section", "\\verb"})) << c.path.toStdString();
        EXPECT_EQ(dialog.Data.rows.size(), 2u);
    }
}

// The main window's handler: OK stores and recolours, Cancel discards.
class ColorSettingsMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = qgetenv("QUILLMARK_SETTINGS");
        qputenv("QUILLMARK_SETTINGS", (store.path() + "/settings.ini").toUtf8());
        form = std::make_unique<TForm1>();
        form->ProgramDir = store.path();
        form->LoadColorSettings();
        if (!form->Item("ToolButtonColorStructure")) form->BuildColorCommands();
        if (!form->Item("MenuOptionColorStruct")) form->BuildColorSettingsCommands();
        form->AutoColor = true;
    }
    void TearDown() override
    {
        form.reset();
        qputenv("QUILLMARK_SETTINGS", saved);
    }
    QTemporaryDir store;
    QByteArray saved;
    std::unique_ptr<TForm1> form;
};

TEST_F(ColorSettingsMenu, OkStoresTheTableAndColoursAnewKeepingTheDocumentState)
{
    ASSERT_NE(form->Item("MenuOptionColorStruct"), nullptr);
    TRichEdit* ed = form->RichEdit;
    ed->SetText("\\foo x");
    ed->SetModified(true);
    ed->Select(2, 0);
    const QString before = QDir::currentPath();
    {
        ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            auto& dlg = dynamic_cast<TFormColorStruct&>(d);
            EXPECT_EQ(int(dlg.Data.rows.size()), kBuiltInColorCommands);
            dlg.Data.rows = {{"\\foo", 0x0000FF, true, false, false}};
            dlg.Data.FontColor = 0x222222;
            dlg.ui.cbZen->setChecked(false);
            QDir::setCurrent(QDir::tempPath());
            return int(mrOk);
        });
        form->MenuOptionColorStructClick();
    }
    EXPECT_EQ(QDir::currentPath(), before);
    ASSERT_EQ(form->ColorRows.size(), 1u);
    EXPECT_EQ(form->ColorRows[0].name, "\\foo");
    EXPECT_FALSE(form->ColorClasses.ZenOn);
    EXPECT_EQ(form->FontColor, 0x222222u);
    EXPECT_TRUE(ed->Modified());
    EXPECT_EQ(ed->SelStart(), 2);
    EXPECT_FALSE(form->Busy);
    const CharFormat f = ed->FormatAt(0);
    EXPECT_EQ(f.color, 0x0000FFu);
    EXPECT_TRUE(f.bold);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(form->RegKey + "\\Color", false));
    EXPECT_EQ(reg.ReadInteger("ComNum"), 1);
    EXPECT_EQ(reg.ReadString("Command1"), "\\foo");
    EXPECT_FALSE(reg.ReadBool("ZenOn"));
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey(form->RegKey, false));
    EXPECT_EQ(reg.ReadInteger("FontColor"), 0x222222);
}

TEST_F(ColorSettingsMenu, CancelDiscardsEverything)
{
    {
        ScriptedAsk ask;
        ask.onDialog([](QDialog& d) {
            auto& dlg = dynamic_cast<TFormColorStruct&>(d);
            dlg.Data.rows.clear();
            dlg.ui.cbZen->setChecked(false);
            return int(mrCancel);
        });
        form->MenuOptionColorStructClick();
    }
    EXPECT_EQ(int(form->ColorRows.size()), kBuiltInColorCommands);
    EXPECT_TRUE(form->ColorClasses.ZenOn);
}

}  // namespace
