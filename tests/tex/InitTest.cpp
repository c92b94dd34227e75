#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTemporaryDir>

#include "platform/Ask.h"
#include "platform/Registry.h"
#include "core/settings/Settings.h"
#include "tex/Init.h"

namespace {

FileExists existsIn(QSet<QString> files)
{
    return [files](const QString& path) { return files.contains(path); };
}

const QString kKey = "\\Software\\Kestrelwood\\QuillmarkInitTest";

// A fresh settings store and the scripted answers of one test.
class InitDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        old_ = qgetenv("QUILLMARK_SETTINGS");
        qputenv("QUILLMARK_SETTINGS", (dir_.path() + "/settings.ini").toUtf8());
        ask::setMessageAnswerer([this](const ask::MessageRequest& r) {
            messages.push_back(r.caption + "|" + r.text);
            return IDOK;
        });
        ask::setDialogAnswerer([this](QDialog& d) { return dialogs ? dialogs(d) : int(mrCancel); });
    }
    void TearDown() override
    {
        ask::setMessageAnswerer({});
        ask::setDialogAnswerer({});
        qputenv("QUILLMARK_SETTINGS", old_);
    }
    QString stored(const QString& name, const QString& key = kKey + "\\TeXSetting")
    {
        TRegistry reg;
        reg.OpenKey(key, true);
        return reg.ValueExists(name) ? reg.ReadString(name) : QString("<none>");
    }
    int storedInt(const QString& name, const QString& key)
    {
        TRegistry reg;
        reg.OpenKey(key, true);
        return reg.ValueExists(name) ? reg.ReadInteger(name) : -1;
    }
    void prepare(TFormInit& form)
    {
        form.SetRegKey(kKey);
        form.FormShow();
    }
    QTemporaryDir dir_;
    QByteArray old_;
    std::vector<QString> messages;
    std::function<int(QDialog&)> dialogs;
};

}  // namespace

TEST(AutoSetup, FolderLayoutsPerKind)
{
    TeXSettings k0 = autoSetupValues(0, "c");
    EXPECT_EQ(QStringList({k0.TeXFile, k0.DviFile, k0.MendexFile, k0.BibTeXFile, k0.DvipsFile, k0.DvipdfFile}),
              QStringList({"/usr/bin/platex", "/usr/bin/xdvi", "/usr/bin/mendex", "/usr/bin/pbibtex", "/usr/bin/dvips",
                           "/usr/bin/dvipdfmx"}));
    EXPECT_EQ(k0.SpellFile + " " + k0.SpellOption, "/usr/bin/ispell -t");
    EXPECT_EQ(k0.DviDde, 1);
    EXPECT_EQ(autoSetupValues(0, "d").TeXFile, "/d/usr/bin/platex");
    EXPECT_TRUE(autoSetupValues(2, "c").SpellFile.isEmpty());
    EXPECT_EQ(autoSetupValues(3, "e").DviFile, "/e/tex/dviout/xdvi");
    TeXSettings k4 = autoSetupValues(4, "c");
    EXPECT_EQ(k4.TeXFile, "/ptex/bin/platex");
    EXPECT_TRUE(k4.DvipdfFile.isEmpty() && k4.SpellFile.isEmpty());
    TeXSettings k5 = autoSetupValues(5, "c");
    EXPECT_EQ(k5.TeXFile + " " + k5.TeXOption, "/ptex/bin/eptex \"&platex\"");
}

TEST(AutoSetup, ViewerProbesTakeTheFirstFound)
{
    EXPECT_EQ(detectPSViewer(existsIn({})).file, "");
    ProbeResult none = detectPDFReader(existsIn({}));
    EXPECT_TRUE(none.file.isEmpty() && !none.preferredFound);
    EXPECT_EQ(detectPSViewer(existsIn({"/usr/bin/gv", "/usr/bin/evince"})).file, "/usr/bin/gv");
    ProbeResult fallback = detectPDFReader(existsIn({"/usr/bin/gv"}));
    EXPECT_EQ(fallback.file, "/usr/bin/gv");
    EXPECT_FALSE(fallback.preferredFound);
    ProbeResult preferred = detectPDFReader(existsIn({"/usr/bin/qpdfview", "/usr/bin/xpdf", "/usr/bin/gv"}));
    EXPECT_EQ(preferred.file, "/usr/bin/xpdf");
    EXPECT_TRUE(preferred.preferredFound);
}

TEST(AutoSetup, MissingFilePromptWantsTheExactName)
{
    EXPECT_EQ(expectedNameOf("/usr/bin/platex"), "/platex");
    FileExists exists = existsIn({"/opt/tl/bin/platex", "/opt/tl/bin/PLATEX"});
    EXPECT_EQ(fileSiteiError("/opt/tl/bin/platex", "/platex", exists), "");
    EXPECT_EQ(fileSiteiError("/opt/tl/bin/PLATEX", "/platex", exists),
              "指定したファイルは /platex ではありません。\r\nもう一度正しく指定してください。");
    EXPECT_EQ(fileSiteiError("/nowhere/platex", "/platex", exists),
              "指定したファイルは存在しません。\r\nもう一度正しく指定してください。");
}

TEST_F(InitDialogTest, FieldsLoadAndStoreOnlyOnOk)
{
    {
        TRegistry reg;
        reg.OpenKey(kKey + "\\TeXSetting", true);
        reg.WriteString("TeXFile", "/usr/bin/platex");
        reg.WriteString("PSViewerOption", "-a");
        reg.WriteInteger("DviDde", 1);
    }
    {
        TFormInit form;
        prepare(form);
        EXPECT_EQ(form.ui.TeXExeFileName->text(), "/usr/bin/platex");
        EXPECT_EQ(form.ui.EditPSViewerOption->text(), "-a");
        EXPECT_EQ(form.ui.EditSpellProg->text(), "");
        EXPECT_EQ(form.ui.rgDVIExe.ItemIndex(), 1);
        form.ui.EditBibFile->setText("/usr/bin/pbibtex");
        form.done(mrCancel);
    }
    // Reading the missing value wrote its default; the edit itself is not kept.
    EXPECT_EQ(stored("BibTeXFile"), "");
    {
        TFormInit form;
        prepare(form);
        form.ui.EditBibFile->setText("/usr/bin/pbibtex");
        form.ui.rgDVIExe.SetItemIndex(0);
        form.done(mrOk);
    }
    EXPECT_EQ(stored("BibTeXFile"), "/usr/bin/pbibtex");
    EXPECT_EQ(stored("TeXFile"), "/usr/bin/platex");
    EXPECT_EQ(stored("SpellOption"), "");
    EXPECT_EQ(storedInt("DviDde", kKey + "\\TeXSetting"), 0);
}

TEST_F(InitDialogTest, EveryProgramPageKeepsItsOwnValues)
{
    // Each page's fields go to the values of its own program, in the store
    // and in what a run reads: a distinct text per value shows any two
    // crossed.
    const QStringList names = {"TeX",       "Dvi",       "Mendex",   "BibTeX", "Dvips",
                               "Dvipdf",    "PDFReader", "PSViewer", "Spell"};
    {
        TRegistry reg;
        reg.OpenKey(kKey + "\\TeXSetting", true);
        for (const QString& name : names) {
            reg.WriteString(name + "File", "/in/" + name);
            reg.WriteString(name + "Option", "-in-" + name);
        }
    }
    const TeXSettings read = readTeXSettings(settings::Store(kKey));
    EXPECT_EQ(QStringList({read.TeXFile, read.DviFile, read.MendexFile, read.BibTeXFile, read.DvipsFile,
                           read.DvipdfFile, read.PDFReaderFile, read.PSViewerFile, read.SpellFile}),
              QStringList({"/in/TeX", "/in/Dvi", "/in/Mendex", "/in/BibTeX", "/in/Dvips", "/in/Dvipdf",
                           "/in/PDFReader", "/in/PSViewer", "/in/Spell"}));
    EXPECT_EQ(read.DvipdfOption + read.PSViewerOption + read.SpellOption, "-in-Dvipdf-in-PSViewer-in-Spell");
    {
        TFormInit form;
        prepare(form);
        const QList<QLineEdit*> fields = form.findChildren<QLineEdit*>();
        ASSERT_EQ(fields.size(), 2 * names.size());
        for (QLineEdit* field : fields) {
            const QString text = field->text();
            ASSERT_TRUE(text.startsWith("/in/") || text.startsWith("-in-")) << field->objectName().toStdString();
            field->setText(text.startsWith("/") ? "/out/" + text.mid(4) : "-out-" + text.mid(4));
        }
        EXPECT_EQ(form.ui.EditDVIPDF->text(), "/out/Dvipdf");
        EXPECT_EQ(form.ui.EditSpellOpt->text(), "-out-Spell");
        form.done(mrOk);
    }
    for (const QString& name : names) {
        EXPECT_EQ(stored(name + "File"), "/out/" + name);
        EXPECT_EQ(stored(name + "Option"), "-out-" + name);
    }
}

TEST_F(InitDialogTest, AutomaticSetupWithEverythingPresent)
{
    TFormInit form;
    prepare(form);
    form.fileExists = [](const QString& p) { return p != "/usr/bin/xpdf" && p != "/usr/bin/evince"; };
    dialogs = [](QDialog& d) {
        auto& setting = static_cast<TFormAutoSetting&>(d);
        EXPECT_EQ(d.objectName(), "FormAutoSetting");
        EXPECT_EQ(setting.ui.RadioGroup1.ItemIndex(), 0);
        EXPECT_EQ(setting.ui.EditDrive->text(), "c");
        return int(mrOk);
    };
    form.BitBtn4Click();
    EXPECT_EQ(form.result(), mrOk);
    EXPECT_EQ(stored("TeXFile"), "/usr/bin/platex");
    EXPECT_EQ(stored("SpellFile"), "/usr/bin/ispell");
    EXPECT_EQ(stored("SpellOption"), "-t");
    EXPECT_EQ(stored("PDFReaderFile"), "/usr/bin/okular");
    EXPECT_EQ(stored("PSViewerFile"), "/usr/bin/gv");
    EXPECT_EQ(storedInt("DviDde", kKey + "\\TeXSetting"), 1);
    EXPECT_EQ(storedInt("TeXBAT", kKey), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "確認|Quillmarkの初期設定が完了しました。");
}

TEST_F(InitDialogTest, AutomaticSetupOnThisMachineFindsBothViewers)
{
    // The machine as the set-up script leaves it: every program of the
    // first installation kind and a viewer for each output the TeX menu
    // shows.
    TFormInit form;
    prepare(form);
    dialogs = [](QDialog& d) { return d.objectName() == "FormAutoSetting" ? int(mrOk) : int(mrCancel); };
    form.BitBtn4Click();
    ASSERT_EQ(messages, std::vector<QString>{"確認|Quillmarkの初期設定が完了しました。"});
    for (const char* viewer : {"PDFReaderFile", "PSViewerFile"}) {
        const QString file = stored(viewer);
        EXPECT_FALSE(file.isEmpty()) << viewer;
        EXPECT_TRUE(QFileInfo(file).isExecutable()) << viewer << " " << file.toStdString();
    }
}

TEST_F(InitDialogTest, AutomaticSetupCancelledAtAMissingProgram)
{
    TFormInit form;
    prepare(form);
    form.ui.EditMendexFile->setText("/kept/mendex");
    form.fileExists = existsIn({"/usr/bin/gv", "/opt/PLATEX"});
    int prompts = 0;
    dialogs = [&](QDialog& d) {
        if (d.objectName() == "FormAutoSetting") return int(mrOk);
        EXPECT_EQ(d.objectName(), "FormFileSitei");
        ++prompts;
        auto& prompt = static_cast<TFormFileSitei&>(d);
        EXPECT_EQ(prompt.ui.Label1->text(), "ファイル /usr/bin/platex が存在しません。");
        EXPECT_EQ(prompt.ui.Label2->text(), "ファイル /platex をフルパスで指定してください。");
        prompt.ui.Edit1->setText("/opt/PLATEX");
        prompt.accept();  // refused: the name test is case-sensitive
        EXPECT_EQ(prompt.ui.Edit1->text(), "");
        EXPECT_EQ(prompt.result(), mrNone);
        return int(mrCancel);
    };
    form.BitBtn4Click();
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(form.result(), mrOk);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages[0].startsWith("Warning|"));  // no preferred PDF reader
    EXPECT_EQ(messages[1], "エラー|指定したファイルは /platex ではありません。\r\nもう一度正しく指定してください。");
    EXPECT_TRUE(messages[2].startsWith("自動初期設定エラー|TeXプログラム等が見つかりませんでした。"));
    EXPECT_EQ(stored("MendexFile"), "/kept/mendex");
    EXPECT_EQ(stored("PSViewerFile"), "/usr/bin/gv");
    EXPECT_EQ(stored("PDFReaderFile"), "/usr/bin/gv");
    EXPECT_EQ(storedInt("TeXBAT", kKey), -1);
}

TEST_F(InitDialogTest, WizardCancelledOnThePageTwoKeepsPageOne)
{
    TFormInit form;
    prepare(form);
    form.fileExists = existsIn({"/usr/bin/xpdf", "/usr/bin/evince"});
    int page = 0;
    dialogs = [&](QDialog& d) {
        auto& w = static_cast<TFormFileSitei2&>(d);
        ++page;
        if (page == 1) {
            EXPECT_TRUE(w.ui.Label1->text().startsWith("TeXを処理するプログラム・ファイル"));
            w.ui.Edit1->setText("/usr/bin/platex");
            w.ui.Edit2->setText("-kanji=sjis");
            return int(mrOk);
        }
        EXPECT_TRUE(w.ui.Label1->text().startsWith("DVI Reader"));
        w.ui.Edit1->setText("/not/taken");
        return int(mrCancel);
    };
    form.BitBtnSettingWizardClick();
    EXPECT_EQ(page, 2);
    EXPECT_EQ(form.ui.TeXExeFileName->text(), "/usr/bin/platex");
    EXPECT_EQ(form.ui.EditTeXCommand->text(), "-kanji=sjis");
    EXPECT_EQ(form.ui.TeXDVIFileName->text(), "");
    EXPECT_EQ(form.ui.EditPDFReader->text(), "/usr/bin/xpdf");
    EXPECT_EQ(form.ui.EditPSViewer->text(), "/usr/bin/evince");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form.result(), mrNone);  // the dialog stays open
    EXPECT_EQ(stored("TeXFile"), "") << "only the default the dialog read is stored";
}
