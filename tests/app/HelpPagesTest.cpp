// The help pages against the editor they describe: the keys a page names
// are the keys the window binds, the LaTeX a page shows is what the command
// inserts, and the set-up dialogs open pages of their own.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "core/commands/Commands.h"
#include "core/settings/Keys.h"
#include "insert/FiguresDialogs.h"
#include "insert/PreambleDialogs.h"
#include "platform/Cp932.h"
#include "platform/Help.h"
#include "tests/app/AppFixture.h"
#include "tex/Init.h"
#include "tex/ParentFilesForm.h"

namespace {

using testsupport::sjis;

QString pageHtml(const QString& name)
{
    help::showContents();  // makes the pages available
    QFile f(QStringLiteral(":/help/") + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList pageNames()
{
    help::showContents();
    QStringList names = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    names.removeIf([](const QString& n) { return n.startsWith(QStringLiteral("context-")); });
    return names;
}

// Markup as the reader sees it: tags gone, entities read.
QString readable(QString html)
{
    static const QRegularExpression blockEnd(QStringLiteral("</(p|li|td|th|tr|pre|h[1-6])>|<br>"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.replace(blockEnd, QStringLiteral("\n"));
    html.remove(tag);
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html;
}

QStringList elements(const QString& html, const char* name)
{
    const QRegularExpression element(QStringLiteral("<%1>(.*?)</%1>").arg(QLatin1String(name)),
                                     QRegularExpression::DotMatchesEverythingOption);
    QStringList found;
    for (const QRegularExpressionMatch& m : element.globalMatch(html)) found << readable(m.captured(1));
    return found;
}

// A quote of a page: its n-th example block, or the first code that starts
// with the given text.
QString preBlock(const char* page, int n) { return elements(pageHtml(page), "pre").value(n); }
QString codeStarting(const char* page, const char* start)
{
    for (const QString& code : elements(pageHtml(page), "code"))
        if (code.startsWith(QString::fromUtf8(start))) return code;
    return {};
}

// Document bytes of a quote, and both sides without the line breaks around
// them (a command may start with one to reach the start of a line).
std::string trimmedBreaks(std::string bytes)
{
    while (bytes.rfind("\r\n", 0) == 0) bytes.erase(0, 2);
    while (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0) bytes.resize(bytes.size() - 2);
    return bytes;
}
std::string documentBytes(QString quote) { return trimmedBreaks(cp932::encode(quote.replace("\n", "\r\n"))); }

// The name a key is shown beside: "名前 (Ctrl+Q)" or "「名前」(Ctrl+Q)".
QString nameBefore(const QString& line, qsizetype open)
{
    QString before = line.left(open).trimmed();
    if (before.endsWith(QChar(0x300D))) {  // 」
        before.chop(1);
        return before.mid(before.lastIndexOf(QChar(0x300C)) + 1);
    }
    const qsizetype cut = std::max(
        {before.lastIndexOf(QChar(0x3001)), before.lastIndexOf(QChar(0x3002)), before.lastIndexOf(QChar(0x3000))});
    return before.mid(cut + 1).trimmed();
}

// A command's caption as a page names it: "分数(&B) / \frac" -> "分数".
QString captionHead(const QAction& item)
{
    return commands::plainCaption(item.text()).section(QStringLiteral(" / "), 0, 0).trimmed();
}

class HelpPages : public apptest::WindowTest {
protected:
    // The document as if saved in the test's folder.
    void saveAs(const char* name)
    {
        form->FileName = document(QString::fromUtf8(name), "");
        form->HasFileName = true;
    }
    std::map<QString, std::vector<QAction*>> actionsByKey()
    {
        std::map<QString, std::vector<QAction*>> byKey;
        for (QAction* a : form->findChildren<QAction*>())
            if (!a->shortcut().isEmpty()) byKey[a->shortcut().toString(QKeySequence::PortableText)].push_back(a);
        return byKey;
    }
};

// A key a page names is bound to one command of the window; written in
// brackets after a name, it is that command's key; a run of keys ("Ctrl+F1～
// Ctrl+F11") belongs to the items of one menu.
TEST_F(HelpPages, KeysTheyNameAreTheWindowsKeys)
{
    const auto byKey = actionsByKey();
    const QString keyPattern = QStringLiteral("(?:(?:Shift|Ctrl|Alt)\\+)+(?:F1[0-2]|F[1-9]|[A-Z]|Del)|F1[0-2]|F[1-9]");
    const QRegularExpression key(QStringLiteral("(?<![A-Za-z0-9+])(%1)(?![A-Za-z0-9+])").arg(keyPattern));
    const QRegularExpression run(QStringLiteral("(%1)～(%1)").arg(keyPattern));
    const auto normal = [](const QString& k) {
        return QKeySequence::fromString(k, QKeySequence::PortableText).toString(QKeySequence::PortableText);
    };
    int named = 0, runs = 0;
    for (const QString& page : pageNames()) {
        for (const QString& line : readable(pageHtml(page)).split('\n')) {
            std::vector<std::pair<qsizetype, qsizetype>> inRuns;
            for (const QRegularExpressionMatch& m : run.globalMatch(line)) {
                inRuns.emplace_back(m.capturedStart(), m.capturedEnd());
                const QString first = normal(m.captured(1)), last = normal(m.captured(2));
                const QString modifiers = first.left(first.lastIndexOf('+') + 1);
                const int from = first.mid(modifiers.size() + 1).toInt(), to = last.mid(modifiers.size() + 1).toInt();
                ASSERT_TRUE(last.startsWith(modifiers + "F") && from > 0 && to > from) << page.toStdString();
                const QObject* menu = nullptr;
                for (int f = from; f <= to; ++f) {
                    const QString k = modifiers + "F" + QString::number(f);
                    const auto found = byKey.find(k);
                    ASSERT_TRUE(found != byKey.end() && found->second.size() == 1)
                        << page.toStdString() << ": " << k.toStdString();
                    if (!menu) menu = found->second[0]->parent();
                    EXPECT_EQ(found->second[0]->parent(), menu)
                        << page.toStdString() << ": " << k.toStdString() << " is "
                        << found->second[0]->objectName().toStdString() << ", outside the run "
                        << m.captured(0).toStdString();
                }
                ++runs;
            }
            for (const QRegularExpressionMatch& m : key.globalMatch(line)) {
                const bool partOfRun = std::any_of(inRuns.begin(), inRuns.end(), [&](const auto& r) {
                    return m.capturedStart() >= r.first && m.capturedEnd() <= r.second;
                });
                if (partOfRun) continue;
                const std::string where = page.toStdString() + ": " + m.captured(1).toStdString();
                const auto found = byKey.find(normal(m.captured(1)));
                ASSERT_TRUE(found != byKey.end()) << where << " is bound to nothing";
                ASSERT_EQ(found->second.size(), 1u) << where;
                const QAction& item = *found->second[0];
                const qsizetype open = m.capturedStart() - 1;
                if (open >= 0 && (line[open] == '(' || line[open] == QChar(0xFF08)) &&
                    line.mid(m.capturedEnd(), 1) == ")") {
                    EXPECT_EQ(nameBefore(line, open), captionHead(item)) << where;
                    ++named;
                }
            }
        }
    }
    EXPECT_GT(named, 30);
    EXPECT_GE(runs, 2);
}

class HelpQuotes : public HelpPages {
protected:
    // Runs a command whose one dialog is taken as it opens, or set by act.
    template <class Dialog>
    void runWith(const char* item, std::function<void(Dialog&)> act = {})
    {
        answer<Dialog>(mrOk, act);
        trigger(item);
    }
    std::string runUserCommand(const QString& definition, const std::string& selected)
    {
        QString stored = definition;
        form->Settings().write(key::UserDefineText, 1, stored.replace("\n", "\r\n"));
        setText(selected, 0, int(selected.size()));
        trigger("MenuUser1");
        return text();
    }
};

struct Quote {
    const char* page;
    QString quoted;
    std::function<std::string()> run;  // the text the command leaves in an empty document
};

TEST_F(HelpQuotes, LaTeXThePagesShowIsWhatTheCommandsInsert)
{
    const std::string selectedCells = "a\tb\r\nc\td";
    const Quote quotes[] = {
        {"input.html", codeStarting("input.html", "\\include{"),
         [&] {
             saveAs("paper.tex");
             script().onFile(ask::FileAnswer{true, document("chap1.tex"), 1});
             runWith<TFormInputInclude>("MenuInsertInput",
                                        [](TFormInputInclude& d) { d.ui.rgInputInclude.SetItemIndex(1); });
             return text();
         }},
        {"input.html", codeStarting("input.html", "\\input{"),
         [&] {
             saveAs("paper.tex");
             script().onFile(ask::FileAnswer{true, document("chap1.tex"), 1});
             runWith<TFormInputInclude>("MenuInsertInput",
                                        [](TFormInputInclude& d) { d.ui.rgInputInclude.SetItemIndex(0); });
             return text();
         }},
        {"figure.html", preBlock("figure.html", 0),
         [&] {
             saveAs("paper.tex");
             script().onFile(ask::FileAnswer{true, document("photo.jpg"), 1});
             runWith<TFormZuinsert>("MenuInsertFigure");
             return text();
         }},
        {"table.html", preBlock("table.html", 0),
         [&] {
             runWith<QDialog>("MenuTexTable");
             return text();
         }},
        {"tablechange.html", preBlock("tablechange.html", 0),
         [&] {
             setText(selectedCells, 0, int(selectedCells.size()));
             runWith<QDialog>("MenuTableChange");
             return text();
         }},
        {"matrix.html", preBlock("matrix.html", 0),
         [&] {
             runWith<QDialog>("MenuMathArray");
             return text();
         }},
        {"matrixchange.html", preBlock("matrixchange.html", 0),
         [&] {
             const std::string cells = "1\t2\r\n3\t4";
             setText(cells, 0, int(cells.size()));
             runWith<QDialog>("MenuMathArrayChange");
             return text();
         }},
        {"lists.html", preBlock("lists.html", 0),
         [&] {
             const std::string lines = sjis("りんご\r\nみかん");
             setText(lines, 0, int(lines.size()));
             trigger("MenuFormatItemize");
             return text();
         }},
        {"lists.html", preBlock("lists.html", 1),
         [&] {
             trigger("MenuFormatItemize");
             return text();
         }},
        {"mathmode.html", preBlock("mathmode.html", 0),
         [&] {
             setText("x", 1);  // in the middle of a line
             trigger("MenuMathModeEquation");
             return text().substr(1);
         }},
        {"docclass.html", preBlock("docclass.html", 1).replace(QRegularExpression("\\\\date\\{[^}]*\\}"), "\\date{}"),
         [&] {
             runWith<TFormTexClass>("MenuFormatClass");
             static const QRegularExpression date("\\\\date\\{[^}]*\\}");
             return cp932::encode(cp932::decode(text()).replace(date, "\\date{}"));
         }},
        {"docclass.html", preBlock("docclass.html", 0),
         [&] {
             runWith<TFormTexClass>("MenuFormatClass");
             return text().substr(0, text().find("\r\n"));
         }},
        {"directives.html", codeStarting("directives.html", "\\fbox{\xe9\x87\x8d"),  // 重
         [&] { return runUserCommand(preBlock("directives.html", 0), sjis("重要")); }},
        {"directives.html", codeStarting("directives.html", "\\fbox{}"),
         [&] { return runUserCommand(preBlock("directives.html", 0), ""); }},
        {"directives.html", preBlock("directives.html", 2),
         [&] { return runUserCommand(preBlock("directives.html", 1), ""); }},
        {"directives.html", codeStarting("directives.html", "\xe9\x96\xa2\xe6\x95\xb0\\index"),  // 関数
         [&] { return runUserCommand(preBlock("directives.html", 3), sjis("関数")); }},
    };
    for (const Quote& q : quotes) {
        SCOPED_TRACE(std::string(q.page) + ": " + q.quoted.toStdString());
        ASSERT_FALSE(q.quoted.isEmpty());
        setText("", 0);
        EXPECT_EQ(trimmedBreaks(q.run()), documentBytes(q.quoted));
        EXPECT_EQ(script().pending(), 0);
    }
}

// Each dialog of the set-up road opens, from its ヘルプ button, the page
// that bears its caption.
TEST_F(HelpPages, SetUpDialogsOpenPagesOfTheirOwn)
{
    std::vector<std::pair<QString, QString>> opened;  // caption, page title
    const auto pressHelp = [&](QDialog& d) {
        for (QPushButton* b : d.findChildren<QPushButton*>())
            if (b->text().startsWith(QStringLiteral("ヘルプ")) && b->window() == &d) {
                help::showContext(0);
                b->click();
                static const QRegularExpression title("<title>([^<]*)</title>");
                opened.emplace_back(d.windowTitle(),
                                    title.match(pageHtml(help::lastOpened().section('/', -1))).captured(1));
            }
    };
    script().onDialog([&](QDialog& init) {
        pressHelp(init);
        script().onDialog([&](QDialog& automatic) {
            pressHelp(automatic);
            return int(mrCancel);
        });
        static_cast<TFormInit&>(init).ui.BitBtn4->click();
        return int(mrCancel);
    });
    trigger("MenuOptionInit");

    saveAs("child.tex");
    script().onDialog([&](QDialog& parent) {
        pressHelp(parent);
        return int(mrCancel);
    });
    trigger("MenuTexParent");

    const std::vector<std::pair<QString, QString>> expected = {
        {"初期設定", "初期設定"}, {"自動初期設定", "自動初期設定"}, {"親ファイル登録", "親ファイル登録"}};
    EXPECT_EQ(opened, expected);
}

}  // namespace
