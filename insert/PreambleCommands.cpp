// The document class and the packages: the class line is rewritten where
// the document has one, a new document gets the whole template, and a
// package line goes into the preamble unless the document loads it already.
#include <QAction>
#include <QDate>
#include <QMenu>
#include <QToolBar>

#include "core/insertion/DialogRoad.h"
#include "core/insertion/Writable.h"
#include "core/session/Session.h"
#include "insert/ClassBuilder.h"
#include "insert/InsertCommands.h"
#include "insert/LastUsed.h"
#include "insert/PackageBuilder.h"
#include "insert/PreambleDialogs.h"
#include "insert/PreambleStore.h"
#include "platform/Ask.h"
#include "platform/Cp932.h"
#include "platform/Utf8.h"

namespace {

const char* const kDocumentStyleQuestion =
    "文書中に\\documentstyleを発見しました。\r\n"
    "このまま実行すると、\\documentclassに置き換えますが\r\n"
    "その場合、TeXでの処理がうまくいかなくなる可能性があります。\r\n"
    "この原稿はLaTeX2.09用に作成されていますので、\\documentclassに変更することはお勧めできません。\r\n"
    "このまま実行しますか？";

}  // namespace

namespace insert {

void MenuFormatClassClick(Session& s)
{
    TRichEdit* const editor = s.RichEdit;
    const std::string text = editor->Text();
    const std::optional<docclass::ClassLine> line = docclass::findClassLine(text);
    if (line && line->oldStyle &&
        ask::messageBox(utf8(kDocumentStyleQuestion), utf8("TeX文書クラス"), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    road::ask<TFormTexClass>(
        s, {"MenuFormatClass"},
        [&](TFormTexClass& d) {
            if (line && !line->oldStyle) d.SetChoices(docclass::detect(text, *line, d.Choices()));
        },
        [&](TFormTexClass& d) {
            const docclass::Settings settings = preamble::readClassSettings(s.Settings());
            if (!line) {
                const QDate today = QDate::currentDate();
                road::apply(s, docclass::newDocument(d.Choices(), settings, today.year(), today.month(), today.day()));
                return;
            }
            const std::string newLine = docclass::classLine(d.Choices(), settings, docclass::keptOptions(text, *line));
            const docclass::Replacement r = docclass::rewrite(text, *line, newLine, editor->SelStart());
            editor->HideSelection(true);
            editor->Select(r.start, r.length);
            s.InsertText(r.text);
            editor->HideSelection(false);
            editor->SetSelStart(r.caretAfter);
        },
        nullptr);
}

void MenuTexPreUsepackageClick(Session& s)
{
    LastUsed& last = s.part<LastUsed>();
    road::ask<TFormUsepackage>(
        s, {"MenuTexPreUsepackage"},
        [&](TFormUsepackage& d) {
            d.ReadUserList = [&s] { return preamble::readUserPackages(s.Settings()); };
            d.WriteUserList = [&s](const QString& list) { preamble::writeUserPackages(s.Settings(), list); };
            d.SetGroup(last.LastPackageGroup);
        },
        [&s](TFormUsepackage& d) {
            // A stored entry of the user's list may hold what the document
            // cannot take.
            if (!writable::writableOrWarn(d.SelectedEntry(), "\\usepackage",
                                          utf8("「ﾕｰｻﾞｰ定義」で項目を直して下さい。")))
                return;
            const std::string line = d.GetCommand();
            // An empty user list offers nothing to insert.
            if (line.empty()) return;
            TRichEdit* const editor = s.RichEdit;
            const std::string text = editor->Text();
            const std::string name = line.substr(12, line.size() - 12 - 3);  // between "\usepackage{" and "}\r\n"
            if (package::isLoaded(text, name)) {
                ask::messageBox(cp932::decode(line) + utf8("は既に存在しています。"), "\\usepackage",
                                MB_OK | MB_ICONINFORMATION);
                return;
            }
            const package::Placement p = package::place(text, editor->SelStart(), line);
            if (p.atBeginDocument) editor->Select(p.at, 0);
            s.InsertText(p.text);
            editor->SetSelStart(p.caretAfter);
        },
        [&](TFormUsepackage& d) {
            if (d.Group() >= 0) last.LastPackageGroup = d.Group();
        });
}

void buildPreambleCommands(Session& s)
{
    QMenu* format = s.MenuFormat;
    QAction* first = format->actions().isEmpty() ? nullptr : format->actions().first();
    s.InsertItem(
        format, first, "MenuFormatClass", utf8("文書クラス(&C)... / \\documentclass"),
        [&s] { MenuFormatClassClick(s); }, {}, 6020);
    if (first) format->insertSeparator(first);
    s.AddItem(
        s.MenuPreamble, "MenuTexPreUsepackage", utf8("パッケージ使用(&U)... / \\usepackage"),
        [&s] { MenuTexPreUsepackageClick(s); }, {}, 8120);
    QToolBar* bar = s.ToolBarTeXShosiki;
    QAction* button = s.AddToolButton(bar, "ToolButtonShoClass", utf8("文書クラス / \\documentclass"), utf8("類"),
                                      [&s] { MenuFormatClassClick(s); });
    // The class comes first on the bar, as it comes first in a document.
    const QList<QAction*> onBar = bar->actions();
    if (onBar.size() > 1) {
        bar->removeAction(button);
        bar->insertAction(onBar.first(), button);
    }
}

}  // namespace insert
