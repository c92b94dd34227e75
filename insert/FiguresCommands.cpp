// The figure command and the \input / \include command: a file chosen in
// the file dialog, referred to from the document as the settings ask, after
// a check that pLaTeX and the DVI driver can read its name.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>
#include <filesystem>
#include <memory>

#include "core/files/DocumentFile.h"
#include "core/files/FilesLogic.h"
#include "core/files/FilesState.h"  // CurrentFolderGuard
#include "core/settings/Keys.h"
#include "core/insertion/DialogRoad.h"
#include "core/session/Session.h"
#include "insert/FiguresBuilder.h"
#include "insert/FiguresDialogs.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace {

const char* const kFigureCaption = "図挿入";
const char* const kInputCaption = "TeXファイルの挿入";

// "DirOnOff": 1 refers to a file by its full path.
int dirOnOff(const Session& form) { return form.Settings().read(key::DirOnOff); }
// "ZuSmall": 0 turns a figure file's extension to lower case.
int zuSmall(const Session& form) { return form.Settings().read(key::ZuSmall); }

struct FileFilter {
    const char* text;
    const char* patterns;
};
// The formats dvipdfmx reads as they are come first; the dialog opens on
// them.
const FileFilter kPictureFilters[] = {
    {"PDF・PNG・JPEG(*.pdf;*.png;*.jpg;*.jpeg)", "*.pdf;*.png;*.jpg;*.jpeg"},
    {"PDF(*.pdf)", "*.pdf"},
    {"PNG(*.png)", "*.png"},
    {"ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)", "*.bmp"},
    {"EPS(*.ps;*.eps)", "*.ps;*.eps"},
    {"PBM(*.pbm)", "*.pbm"},
    {"Monochrome GIF(*.gif)", "*.gif"},
    {"Pi 16,256色(*.pi)", "*.pi"},
    {"MAG 16,256色(*.mag)", "*.mag"},
    {"XLD4 16色(*.q4)", "*.q4"},
    {"Pic 8,15,16Bit(*.pic)", "*.pic"},
    {"Pic2 8,15,16Bit(*.p2)", "*.p2"},
    {"JPEG(*.jpg;*.jpeg)", "*.jpg;*jpeg"},
    {"GIF(*.gif)", "*.gif"},
    {"TIFF(*.tif)", "*.tif"},
    {"MAKI(*.mki)", "*.mki"},
    {"ｱｲｺﾝ (*.ico)", "*.ico"},
    {"ｴﾝﾊﾝｽ ﾒﾀﾌｧｲﾙ (*.emf)", "*.emf"},
    {"ﾒﾀﾌｧｲﾙ (*.wmf)", "*.wmf"},
    {"全てのファイル(*.*)", "*.*"},
};
const FileFilter kTeXFilters[] = {
    {"TeXﾌｧｲﾙ(*.tex)", "*.tex"},
    {"すべてのﾌｧｲﾙ(*.*)", "*.*"},
};

template <size_t N>
QStringList filters(const FileFilter (&list)[N])
{
    QStringList out;
    for (const FileFilter& f : list) out << files::dialogFilter(f.text, f.patterns);
    return out;
}

// The folder a reference is made relative to, empty for an untitled document.
QString documentFolder(const Session& form)
{
    return form.HasFileName ? docfile::extractFileDir(form.FileName) : QString();
}

// The picked file, asked for through the file dialog.  The filter index is
// kept for the next time.
QString chooseFile(Session& form, const QString& caption, const QStringList& filterList, int& filterIndex)
{
    ask::FileRequest request;
    request.caption = caption;
    request.directory = form.HasFileName ? documentFolder(form) : form.CurrentDir;
    request.filters = filterList;
    request.filterIndex = filterIndex;
    const ask::FileAnswer answer = ask::fileDialog(request);
    if (!answer.accepted) return {};
    filterIndex = answer.filterIndex;
    return answer.fileName;
}

// The extension turned to lower case, where that still names the chosen
// file.  On a case-sensitive file system "FIG.EPS" lowered would point at
// no file, or at another one.
QString lowerExtensionIfSameFile(const QString& reference, const QString& chosen)
{
    const QString lowered = figures::withLowerExtension(reference);
    if (lowered == reference) return reference;
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(figures::withLowerExtension(chosen)).toStdString(),
                                                  QFile::encodeName(chosen).toStdString(), error);
    return same && !error ? lowered : reference;
}

bool refuse(const QString& problem, const char* caption)
{
    if (problem.isEmpty()) return false;
    ask::messageBox(problem, utf8(caption), MB_OK | MB_ICONEXCLAMATION);
    return true;
}

}  // namespace

namespace insert {

void MenuInsertFigureClick(Session& s)
{
    CurrentFolderGuard folder;
    const bool fullPath = dirOnOff(s) == 1;
    const bool lowerExtension = zuSmall(s) == 0;
    const QString chosen = chooseFile(s, utf8("開く"), filters(kPictureFilters), s.FigureFilterIndex);
    if (chosen.isEmpty()) return;

    QString reference = figures::fileReference(chosen, fullPath, documentFolder(s));
    if (lowerExtension) reference = lowerExtensionIfSameFile(reference, chosen);
    if (refuse(figures::referenceProblem(reference, figures::Use::Figure), kFigureCaption)) return;
    const std::string referenceBytes = cp932::encode(reference);
    const std::string nameBytes = cp932::encode(QFileInfo(chosen).fileName());

    const wrap::EditorState editor = road::editorState(s);
    const bool sizeRequired = !figures::sizeOptional(reference);
    // Looked up for every picture: a size asked for an EPS file must be
    // written in the syntax of the package the document loads.
    const figures::Package package = figures::loadedPackage(s.RichEdit->Text());
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormZuinsert>(
        s, {"MenuInsertFigure"},
        [&](TFormZuinsert& d) {
            figures::FigureChoices c = last.Figure;
            if (package == figures::Package::Graphics) c.graphics = true;
            if (package == figures::Package::Graphicx) c.graphics = false;
            d.SetChoices(c);
            if (sizeRequired) d.RequireSize();
        },
        [&](TFormZuinsert& d) {
            const wrap::Insertion figure = figures::figure(d.Choices(), referenceBytes, nameBytes, editor);
            if (road::fitsOrWarn(s, figure.text.size(), utf8(kFigureCaption))) road::apply(s, figure);
        },
        [&](TFormZuinsert& d) { last.Figure = d.Choices(); });
}

void MenuInsertInputClick(Session& s)
{
    CurrentFolderGuard folder;
    const bool fullPath = dirOnOff(s) == 1;
    const QString chosen = chooseFile(s, utf8("TeXﾌｧｲﾙを挿入する"), filters(kTeXFilters), s.InputFilterIndex);
    if (chosen.isEmpty()) return;
    const QString reference = figures::fileReference(chosen, fullPath, documentFolder(s));
    if (refuse(figures::referenceProblem(reference, figures::Use::Input), kInputCaption)) return;

    // Centred on the screen by its own setting; it remembers only the kind.
    auto dialog = std::make_unique<TFormInputInclude>(road::mainWidget(s));
    const road::Steps steps{"MenuInsertInput", road::Placement::ScreenCentre};
    LastUsed& last = s.part<LastUsed>();
    const int result =
        road::show(s, *dialog, steps, [&] { dialog->ui.rgInputInclude.SetItemIndex(last.LastInputKind); });
    const int kind = dialog->ui.rgInputInclude.ItemIndex();
    last.LastInputKind = kind;
    dialog.reset();
    if (result != mrOk) return;
    if (kind == 1 && refuse(figures::referenceProblem(reference, figures::Use::Include), kInputCaption)) return;
    const std::string text = figures::inclusion(kind, cp932::encode(reference));
    if (road::fitsOrWarn(s, text.size(), utf8(kInputCaption))) s.InsertText(text);
}

void buildFigureCommands(Session& s)
{
    if (s.MenuInsert) s.MenuInsert->addSeparator();
    s.AddItem(
        s.MenuInsert, "MenuInsertFigure", utf8("図挿入(&G)... / figure環境"), [&s] { MenuInsertFigureClick(s); }, {},
        5140);
    s.AddItem(
        s.MenuInsert, "MenuInsertInput", utf8("TeXファイルの挿入(&I)... / \\input \\include"),
        [&s] { MenuInsertInputClick(s); }, {}, 5150);
    s.AddToolButton(s.ToolBarTeXShosiki, "ToolButtonTeXInPictureInsert", utf8("図挿入 / figure環境"), utf8("図"),
                    [&s] { MenuInsertFigureClick(s); });
}

}  // namespace insert
