// The help pages against the editor they describe: the set-up dialogs open
// pages of their own.
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

class HelpPages : public apptest::WindowTest {
protected:
    // The document as if saved in the test's folder.
    void saveAs(const char* name)
    {
        form->FileName = document(QString::fromUtf8(name), "");
        form->HasFileName = true;
    }
};

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
