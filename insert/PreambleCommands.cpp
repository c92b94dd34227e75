// The document class and the packages: the class line is rewritten where
// the document has one, a new document gets the whole template, and a
// package line goes into the preamble unless the document loads it already.
#include <QAction>
#include <QDate>
#include <QMenu>
#include <QToolBar>

#include "app/Form1.h"
#include "core/insertion/DialogRoad.h"
#include "insert/ClassBuilder.h"
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

void TForm1::MenuFormatClassClick()
{
    const std::string text = RichEdit->Text();
    const std::optional<docclass::ClassLine> line = docclass::findClassLine(text);
    if (line && line->oldStyle &&
        ask::messageBox(utf8(kDocumentStyleQuestion), utf8("TeX文書クラス"), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    road::ask<TFormTexClass>(
        *this, {"MenuFormatClass"},
        [&](TFormTexClass& d) {
            if (line && !line->oldStyle) d.SetChoices(docclass::detect(text, *line, d.Choices()));
        },
        [&](TFormTexClass& d) {
            const docclass::Settings settings = preamble::readClassSettings(Settings());
            if (!line) {
                const QDate today = QDate::currentDate();
                road::apply(*this,
                            docclass::newDocument(d.Choices(), settings, today.year(), today.month(), today.day()));
                return;
            }
            const std::string newLine = docclass::classLine(d.Choices(), settings, docclass::keptOptions(text, *line));
            const docclass::Replacement r = docclass::rewrite(text, *line, newLine, RichEdit->SelStart());
            RichEdit->HideSelection(true);
            RichEdit->Select(r.start, r.length);
            InsertText(r.text);
            RichEdit->HideSelection(false);
            RichEdit->SetSelStart(r.caretAfter);
        },
        nullptr);
}

void TForm1::MenuTexPreUsepackageClick()
{
    road::ask<TFormUsepackage>(
        *this, {"MenuTexPreUsepackage"},
        [this](TFormUsepackage& d) {
            d.ReadUserList = [this] { return preamble::readUserPackages(Settings()); };
            d.WriteUserList = [this](const QString& list) { preamble::writeUserPackages(Settings(), list); };
            d.SetGroup(Last.LastPackageGroup);
        },
        [this](TFormUsepackage& d) {
            const std::string line = d.GetCommand();
            // An empty user list offers nothing to insert.
            if (line.empty()) return;
            const std::string text = RichEdit->Text();
            const std::string name = line.substr(12, line.size() - 12 - 3);  // between "\usepackage{" and "}\r\n"
            if (package::isLoaded(text, name)) {
                ask::messageBox(cp932::decode(line) + utf8("は既に存在しています。"), "\\usepackage",
                                MB_OK | MB_ICONINFORMATION);
                return;
            }
            const package::Placement p = package::place(text, RichEdit->SelStart(), line);
            if (p.atBeginDocument) RichEdit->Select(p.at, 0);
            InsertText(p.text);
            RichEdit->SetSelStart(p.caretAfter);
        },
        [this](TFormUsepackage& d) {
            if (d.Group() >= 0) Last.LastPackageGroup = d.Group();
        });
}

void TForm1::BuildPreambleCommands()
{
    QAction* first = MenuFormat->actions().isEmpty() ? nullptr : MenuFormat->actions().first();
    InsertItem(
        MenuFormat, first, "MenuFormatClass", utf8("文書クラス(&C)... / \\documentclass"),
        [this] { MenuFormatClassClick(); }, {}, 6020);
    if (first) MenuFormat->insertSeparator(first);
    AddItem(
        MenuPreamble, "MenuTexPreUsepackage", utf8("パッケージ使用(&U)... / \\usepackage"),
        [this] { MenuTexPreUsepackageClick(); }, {}, 8120);
    QAction* button = AddToolButton(ToolBarTeXShosiki, "ToolButtonShoClass", utf8("文書クラス / \\documentclass"),
                                    utf8("類"), [this] { MenuFormatClassClick(); });
    // The class comes first on the bar, as it comes first in a document.
    const QList<QAction*> onBar = ToolBarTeXShosiki->actions();
    if (onBar.size() > 1) {
        ToolBarTeXShosiki->removeAction(button);
        ToolBarTeXShosiki->insertAction(onBar.first(), button);
    }
}
