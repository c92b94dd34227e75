// File dialogs that start from a stored folder open in one that exists, and
// never with the missing folder's name typed as the file name.
#include <QDir>

#include <gtest/gtest.h>

#include <functional>

#include "assist/CmdAssistForms.h"
#include "assist/UserDefineDialog.h"
#include "core/colour/ColorSettings.h"
#include "tests/app/AppFixture.h"

namespace {

class StartFolders : public apptest::WindowTest {
protected:
    // Opens the dialog an item shows and acts on it there.
    template <class Dialog>
    void inDialog(const char* item, std::function<void(Dialog&)> act)
    {
        answer<Dialog>(mrCancel, std::move(act));
        trigger(item);
    }
};

TEST_F(StartFolders, ADialogFromAFolderThatIsGoneOpensTheNearestOneThatIsThere)
{
    const QString here = QDir::cleanPath(folder());
    const QString gone = here + "/gone/deeper";
    struct Case {
        const char* what;
        std::function<void()> open;
        QString folder, name;
    };
    const Case cases[] = {
        {"save as, untitled",
         [&] {
             form->CurrentDir = gone;
             trigger("MenuFileSaveAs");
         },
         here, "*.tex"},
        {"save as, a document whose folder is gone",
         [&] {
             form->CurrentDir = here + "/gone";
             form->FileName = here + "/gone/paper.tex";
             form->HasFileName = true;
             trigger("MenuFileSaveAs");
         },
         here, "paper.tex"},
        {"open",
         [&] {
             form->CurrentDir = gone;
             trigger("MenuFileOpen");
         },
         here, ""},
        {"a folder gone from the root up",
         [&] {
             form->CurrentDir = "/no-such-folder-of-quillmark/x";
             trigger("MenuFileOpen");
         },
         QDir::homePath(), ""},
        {"colour file save",
         [&] {
             form->ProgramDir = here;
             inDialog<TFormColorStruct>("MenuOptionColorStruct", [](TFormColorStruct& d) { d.BtnExportClick(); });
         },
         here, ""},
        {"definition file save",
         [&] {
             form->ProgramDir = here;
             inDialog<TFormUserDefine>("MenuUserDefine", [](TFormUserDefine& d) { d.sbUserDefExportClick(); });
         },
         here, "*.qmd"},
        {"command list save",
         [&] {
             form->ProgramDir = here;
             inDialog<TFormCmdAssistSetting>("MenuOptionCmdAssistSet",
                                             [](TFormCmdAssistSetting& d) { d.BtnSaveClick(); });
         },
         here, ""},
        {"command list load",
         [&] {
             form->ProgramDir = here;
             inDialog<TFormCmdAssistSetting>("MenuOptionCmdAssistSet",
                                             [](TFormCmdAssistSetting& d) { d.BtnLoadClick(); });
         },
         here, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ask::FileRequest seen;
        script().onFile([&](const ask::FileRequest& r) {
            seen = r;
            return ask::FileAnswer{};
        });
        form->RichEdit->SetModified(false);
        c.open();
        EXPECT_EQ(seen.directory.toStdString(), c.folder.toStdString());
        EXPECT_EQ(seen.fileName.toStdString(), c.name.toStdString());
        EXPECT_EQ(script().pending(), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(here + "/gone"));
}

}  // namespace
